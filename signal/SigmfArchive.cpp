#include "SigmfArchive.h"

#include <QCoreApplication>
#include <cstring>

namespace {
// Field offsets and lengths of a ustar header block.
constexpr int kNameAt = 0, kNameLength = 100;
constexpr int kModeAt = 100, kUidAt = 108, kGidAt = 116;
constexpr int kSizeAt = 124, kSizeLength = 12;
constexpr int kMtimeAt = 136;
constexpr int kChecksumAt = 148, kChecksumLength = 8;
constexpr int kTypeAt = 156;
constexpr int kMagicAt = 257, kVersionAt = 263;
constexpr int kPrefixAt = 345, kPrefixLength = 155;

QString tr(const char *text) { return QCoreApplication::translate("SigmfArchive", text); }

QByteArray field(const char *block, int at, int length)
{
    const char *begin = block + at;
    const void *nul = std::memchr(begin, '\0', size_t(length));
    return QByteArray(begin, nul ? int(static_cast<const char *>(nul) - begin) : length);
}

// Octal digits, or GNU base-256 when the first byte's top bit is set; -1 when unreadable.
qint64 number(const char *block, int at, int length)
{
    const auto *p = reinterpret_cast<const unsigned char *>(block + at);
    if (p[0] & 0x80) {
        qint64 value = p[0] & 0x7f;
        for (int i = 1; i < length; ++i)
            value = (value << 8) | p[i];
        return value;
    }
    bool ok = false;
    const qint64 value = field(block, at, length).trimmed().toLongLong(&ok, 8);
    return ok ? value : -1;
}

bool checksumMatches(const char *block)
{
    qint64 sum = 0;
    for (int i = 0; i < SigmfArchive::kBlock; ++i)
        sum += (i >= kChecksumAt && i < kChecksumAt + kChecksumLength) ? ' ' : static_cast<unsigned char>(block[i]);
    return number(block, kChecksumAt, kChecksumLength) == sum;
}

bool isZeroBlock(const char *block)
{
    for (int i = 0; i < SigmfArchive::kBlock; ++i) {
        if (block[i] != '\0')
            return false;
    }
    return true;
}

qint64 roundUp(qint64 size)
{
    return (size + SigmfArchive::kBlock - 1) / SigmfArchive::kBlock * SigmfArchive::kBlock;
}

// The "path=" and "size=" records of a pax extended header: "<length> <key>=<value>\n".
void readPax(const QByteArray &records, QString &path, qint64 &size)
{
    int pos = 0;
    while (pos < records.size()) {
        const int blank = records.indexOf(' ', pos);
        bool ok = false;
        const int length = blank < 0 ? 0 : records.mid(pos, blank - pos).toInt(&ok);
        if (!ok || length <= 0)
            return;
        const QByteArray record = records.mid(blank + 1, pos + length - blank - 2);
        if (record.startsWith("path="))
            path = QString::fromUtf8(record.mid(5));
        else if (record.startsWith("size="))
            size = record.mid(5).toLongLong();
        pos += length;
    }
}

void writeOctal(char *block, int at, int length, qint64 value)
{
    const QByteArray digits = QByteArray::number(value, 8).rightJustified(length - 1, '0');
    std::memcpy(block + at, digits.constData(), size_t(length - 1));
}
}  // namespace

bool SigmfArchive::members(const char *data, qint64 size, QVector<Member> &out, QString &error)
{
    out.clear();
    QString nextName;
    qint64 nextSize = -1;
    qint64 pos = 0;
    while (pos + kBlock <= size) {
        const char *block = data + pos;
        if (isZeroBlock(block))
            break;
        if (!checksumMatches(block)) {
            error = tr("the archive's header at byte %1 is damaged (its checksum does not match).").arg(pos);
            return false;
        }
        qint64 memberSize = number(block, kSizeAt, kSizeLength);
        const char type = block[kTypeAt];
        const qint64 contentAt = pos + kBlock;
        if (memberSize < 0 || contentAt + memberSize > size) {
            error = tr("the archive ends inside the member whose header is at byte %1.").arg(pos);
            return false;
        }
        QString name = QString::fromUtf8(field(block, kNameAt, kNameLength));
        if (std::memcmp(block + kMagicAt, "ustar", 5) == 0) {
            const QByteArray prefix = field(block, kPrefixAt, kPrefixLength);
            if (!prefix.isEmpty())
                name = QString::fromUtf8(prefix) + QLatin1Char('/') + name;
        }
        if (type == 'L') {  // GNU: the next member's long name
            nextName = QString::fromUtf8(field(data + contentAt, 0, int(std::min<qint64>(memberSize, 4096))));
        } else if (type == 'x') {  // pax: the next member's path and size
            readPax(QByteArray(data + contentAt, int(std::min<qint64>(memberSize, 1 << 20))), nextName, nextSize);
        } else if (type == '0' || type == '\0' || type == '7') {
            if (nextSize >= 0) {
                memberSize = nextSize;
                if (contentAt + memberSize > size) {
                    error = tr("the archive ends inside the member whose header is at byte %1.").arg(pos);
                    return false;
                }
            }
            out.append(Member{nextName.isEmpty() ? name : nextName, contentAt, memberSize});
            nextName.clear();
            nextSize = -1;
        } else {
            nextName.clear();
            nextSize = -1;
        }
        pos = contentAt + roundUp(memberSize);
    }
    return true;
}

SigmfArchive::Member SigmfArchive::find(const QVector<Member> &members, const QString &suffix,
                                        const QString &preferredBase)
{
    Member found{QString(), -1, 0};
    for (const Member &member : members) {
        if (!member.name.endsWith(suffix))
            continue;
        const QString base = member.name.section(QLatin1Char('/'), -1).chopped(suffix.size());
        if (found.offset < 0 || (!preferredBase.isEmpty() && base == preferredBase))
            found = member;
    }
    return found;
}

QByteArray SigmfArchive::header(const QString &name, qint64 size, qint64 mtime, bool isFolder)
{
    QByteArray path = name.toUtf8();
    QByteArray prefix;
    if (path.size() > kNameLength) {
        const int split = path.lastIndexOf('/');
        if (split <= 0 || path.size() - split - 1 > kNameLength || split > kPrefixLength)
            return QByteArray();
        prefix = path.left(split);
        path = path.mid(split + 1);
    }
    char b[kBlock] = {};
    std::memcpy(b + kNameAt, path.constData(), size_t(path.size()));
    writeOctal(b, kModeAt, 8, isFolder ? 0755 : 0644);
    writeOctal(b, kUidAt, 8, 0);
    writeOctal(b, kGidAt, 8, 0);
    writeOctal(b, kSizeAt, kSizeLength, isFolder ? 0 : size);
    writeOctal(b, kMtimeAt, 12, mtime);
    b[kTypeAt] = isFolder ? '5' : '0';
    std::memcpy(b + kMagicAt, "ustar", 6);
    std::memcpy(b + kVersionAt, "00", 2);
    std::memcpy(b + kPrefixAt, prefix.constData(), size_t(prefix.size()));
    std::memset(b + kChecksumAt, ' ', kChecksumLength);
    qint64 sum = 0;
    for (int i = 0; i < kBlock; ++i)
        sum += static_cast<unsigned char>(b[i]);
    writeOctal(b, kChecksumAt, 7, sum);  // six digits, a NUL, a blank
    b[kChecksumAt + 6] = '\0';
    return QByteArray(b, kBlock);
}

QByteArray SigmfArchive::padding(qint64 size)
{
    return QByteArray(int(roundUp(size) - size), '\0');
}
