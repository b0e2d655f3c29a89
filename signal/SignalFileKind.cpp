#include "SignalFileKind.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
const struct { const char *suffix; SignalFileKind::Kind kind; } kSuffixes[] = {
    {"owv", SignalFileKind::Native}, {"wv", SignalFileKind::Wave}, {"bin", SignalFileKind::Binary},
    {"dat", SignalFileKind::Dat},    {"txt", SignalFileKind::Text}, {"all", SignalFileKind::All},
    {"sigmf-meta", SignalFileKind::SigmfMeta}, {"sigmf-data", SignalFileKind::SigmfData},
    {"sigmf", SignalFileKind::SigmfArchive},
    {"cf32", SignalFileKind::RawCf32}, {"cfile", SignalFileKind::RawCf32}, {"fc32", SignalFileKind::RawCf32},
    {"cf64", SignalFileKind::RawCf64}, {"cs16", SignalFileKind::RawCs16}, {"sc16", SignalFileKind::RawCs16},
    {"cs8", SignalFileKind::RawCs8},   {"sc8", SignalFileKind::RawCs8},   {"cu8", SignalFileKind::RawCu8},
};
}  // namespace

SignalFileKind::Kind SignalFileKind::of(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto &entry : kSuffixes) {
        if (suffix == QLatin1String(entry.suffix))
            return entry.kind;
    }
    return Other;
}

QString SignalFileKind::withSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    if (info.suffix().isEmpty())
        return path + QLatin1Char('.') + suffix;
    return path.left(path.size() - info.suffix().size()) + suffix;
}

QString SignalFileKind::name(Kind kind)
{
    for (const auto &entry : kSuffixes) {
        if (entry.kind == kind)
            return QLatin1String(entry.suffix);
    }
    return QStringLiteral("bin");
}

SampleFormat SignalFileKind::rawFormat(Kind kind)
{
    switch (kind) {
    case RawCf64: return SampleFormat::cf64();
    case RawCs16: return SampleFormat::ci16();
    case RawCs8: return SampleFormat::ci8();
    case RawCu8: return SampleFormat::cu8();
    default: return SampleFormat::cf32();
    }
}

void SignalFileKind::ratesFromName(const QString &path, double &rate, double &frequency)
{
    rate = 0.0;
    frequency = 0.0;
    // A figure stands between separators: "_", "-", ".", a blank, or the name's ends.
    static const QRegularExpression figure(
        QStringLiteral("(?:^|[_\\-. ])(\\d+(?:\\.\\d+)?)([kMG]?)(sps|S/s|Hz)(?=$|[_\\-. ])"),
        QRegularExpression::CaseInsensitiveOption);
    const QString name = QFileInfo(path).completeBaseName();
    QRegularExpressionMatchIterator it = figure.globalMatch(name);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString prefix = match.captured(2).toUpper();
        const double factor = prefix.isEmpty()                ? 1.0
                              : prefix == QLatin1String("K") ? 1e3
                              : prefix == QLatin1String("G") ? 1e9
                                                             : 1e6;
        const double value = match.captured(1).toDouble() * factor;
        const bool isRate = !match.captured(3).endsWith(QLatin1String("z"), Qt::CaseInsensitive);
        if (isRate && rate == 0.0)
            rate = value;
        else if (!isRate && frequency == 0.0)
            frequency = value;
        else if (!isRate && rate == 0.0)
            rate = value;
    }
}
