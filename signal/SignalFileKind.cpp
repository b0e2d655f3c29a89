#include "SignalFileKind.h"

#include <QFileInfo>

namespace {
const struct { const char *suffix; SignalFileKind::Kind kind; } kSuffixes[] = {
    {"owv", SignalFileKind::Native}, {"wv", SignalFileKind::Wave}, {"bin", SignalFileKind::Binary},
    {"dat", SignalFileKind::Dat},    {"txt", SignalFileKind::Text}, {"all", SignalFileKind::All},
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
