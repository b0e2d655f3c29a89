#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Finds {TAG:value} items in a signal file that is held in memory (mapped or read
// whole). Every search runs from the start of the file over all of it, header and
// samples alike, so a tag is found wherever its text first stands.
class TagScanner
{
public:
    TagScanner() = default;
    TagScanner(const char *data, qint64 size) : m_data(data), m_size(size) {}
    // Keeps its own reference to the bytes.
    explicit TagScanner(const QByteArray &bytes);

    // Maps the open file, or reads it whole where it cannot be mapped. The file
    // must stay open while the scanner is used. A null scanner on failure.
    static TagScanner fromFile(QFile &file);

    bool isNull() const { return m_data == nullptr; }
    const char *data() const { return m_data; }
    qint64 size() const { return m_size; }

    // Position right behind the first occurrence of tag at or after from, or -1.
    qint64 find(const QByteArray &tag, qint64 from = 0) const;
    // The bytes from pos up to, not including, the next "}" or the end of the file
    // (at most 64 KiB).
    QByteArray valueAt(qint64 pos) const;
    // valueAt(find(tag)) as UTF-8 text; a null QString when the tag is absent.
    QString value(const QByteArray &tag) const;

private:
    QByteArray m_owned;
    const char *m_data = nullptr;
    qint64 m_size = 0;
};
