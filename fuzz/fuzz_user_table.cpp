// A user IQ table, FSK table or user filter file; the first byte picks text or CSV
// and the number of fields per row.

#include "FuzzFile.h"
#include "UserTableFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile::application();
    if (size == 0)
        return 0;
    const bool isCsv = data[0] & 1;
    const int fields = 1 + (data[0] >> 1) % 3;
    const QString path = FuzzFile::write(isCsv ? QStringLiteral("table.csv") : QStringLiteral("table.txt"), data + 1, size - 1);
    UserTableFile::Rows rows;
    QString error;
    if (UserTableFile::read(path, fields, &rows, &error)) {
        // Written and read back, the rows stay rows of the same shape.
        const QString copy = path + QStringLiteral(".copy") + (isCsv ? QStringLiteral(".csv") : QStringLiteral(".txt"));
        UserTableFile::Rows again;
        if (!UserTableFile::write(copy, rows, &error) || !UserTableFile::read(copy, fields, &again, &error)
            || again.size() != rows.size())
            __builtin_trap();
    }
    return 0;
}
