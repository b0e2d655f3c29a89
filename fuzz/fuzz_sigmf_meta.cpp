// SigMF metadata (JSON) as the reader parses it; what the writer makes of a parsed
// set must parse again.

#include "FuzzFile.h"
#include "SigmfMeta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile::application();
    SigmfMeta meta;
    QString error;
    QStringList warnings;
    if (!meta.parse(QByteArray(reinterpret_cast<const char *>(data), int(size)), error, warnings))
        return 0;
    SigmfMeta again;
    if (!again.parse(meta.toJson(), error, warnings))
        __builtin_trap();
    return 0;
}
