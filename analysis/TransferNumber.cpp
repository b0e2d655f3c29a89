#include "TransferNumber.h"

#include "TransferBinary.h"
#include "TransferHex.h"

#include <omp.h>
#include <vector>

QString TransferNumber::toText(const SymbolFormat &format, int value) const
{
    Q_UNUSED(format)
    return QString::number(value, 10);
}

std::unique_ptr<TransferNumber> TransferNumber::create(const QString &formatName)
{
    if (formatName.compare(QLatin1String("Hexadecimal"), Qt::CaseInsensitive) == 0)
        return std::make_unique<TransferHex>();
    if (formatName.compare(QLatin1String("Binary"), Qt::CaseInsensitive) == 0)
        return std::make_unique<TransferBinary>();
    return std::make_unique<TransferNumber>();
}

QString TransferNumber::joined(const QVector<int> &symbols, const TransferNumber &transfer, const SymbolFormat &format,
                               QChar separator)
{
    const int n = symbols.size();
    if (n == 0)
        return QString();
    const int blocks = std::min(n, std::max(1, omp_get_max_threads()) * 4);
    std::vector<QString> pieces(static_cast<size_t>(blocks));
#pragma omp parallel for schedule(static)
    for (int b = 0; b < blocks; ++b) {
        const int first = int(qint64(n) * b / blocks);
        const int behind = int(qint64(n) * (b + 1) / blocks);
        QString &piece = pieces[size_t(b)];
        for (int k = first; k < behind; ++k) {
            piece += transfer.toText(format, symbols.at(k));
            piece += separator;
        }
    }
    QString text;
    for (const QString &piece : pieces)
        text += piece;
    text.chop(1);
    return text;
}
