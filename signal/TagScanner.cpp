#include "TagScanner.h"

#include <QFile>
#include <cstring>
#include <functional>
#include <algorithm>

namespace {
// A header value is a few dozen characters; an unclosed tag in a damaged file must
// not turn the rest of a gigabyte recording into one string.
constexpr qint64 kMaxValueLength = 64 * 1024;
}

TagScanner::TagScanner(const QByteArray &bytes)
    : m_owned(bytes), m_data(m_owned.constData()), m_size(m_owned.size())
{
}

TagScanner TagScanner::fromFile(QFile &file)
{
    const qint64 size = file.size();
    if (size == 0)
        return TagScanner(QByteArray(""));  // a valid, empty file
    if (uchar *mapped = file.map(0, size))
        return TagScanner(reinterpret_cast<const char *>(mapped), size);
    file.seek(0);
    const QByteArray bytes = file.readAll();
    if (bytes.size() != size)
        return TagScanner();
    return TagScanner(bytes);
}

qint64 TagScanner::find(const QByteArray &tag, qint64 from) const
{
    if (!m_data || tag.isEmpty() || from < 0 || from >= m_size)
        return -1;
    const char *begin = m_data + from;
    const char *end = m_data + m_size;
#ifdef __GLIBC__
    const void *hit = memmem(begin, size_t(end - begin), tag.constData(), size_t(tag.size()));
    if (!hit)
        return -1;
    const char *at = static_cast<const char *>(hit);
#else
    const std::boyer_moore_horspool_searcher searcher(tag.constBegin(), tag.constEnd());
    const char *at = std::search(begin, end, searcher);
    if (at == end)
        return -1;
#endif
    return (at - m_data) + tag.size();
}

QByteArray TagScanner::valueAt(qint64 pos) const
{
    if (!m_data || pos < 0 || pos > m_size)
        return QByteArray();
    const char *begin = m_data + pos;
    const qint64 span = std::min(m_size - pos, kMaxValueLength);
    const void *close = std::memchr(begin, '}', size_t(span));
    const qint64 length = close ? static_cast<const char *>(close) - begin : span;
    return QByteArray(begin, int(length));
}

QString TagScanner::value(const QByteArray &tag) const
{
    const qint64 pos = find(tag);
    if (pos < 0)
        return QString();
    return QString::fromUtf8(valueAt(pos));
}
