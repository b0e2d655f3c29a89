#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The tar container of a .sigmf archive: a folder holding NAME.sigmf-meta and
// NAME.sigmf-data. Reading lists the regular files of an archive held in memory
// (ustar, with GNU long names and pax paths); writing gives ustar headers.
class SigmfArchive
{
public:
    static constexpr int kBlock = 512;

    struct Member
    {
        QString name;  // path inside the archive
        qint64 offset = 0;  // of the member's first byte in the archive
        qint64 size = 0;
    };

    // False with the reason in error when a header is damaged or a member runs past the end.
    static bool members(const char *data, qint64 size, QVector<Member> &out, QString &error);
    // The first member whose name ends in suffix (-1 offset when there is none); a
    // member named like `preferredBase` + suffix wins over others.
    static Member find(const QVector<Member> &members, const QString &suffix, const QString &preferredBase = QString());

    // A ustar header of a regular file, or of a folder when isFolder is set. Empty
    // when the name does not fit the header's name and prefix fields.
    static QByteArray header(const QString &name, qint64 size, qint64 mtime, bool isFolder = false);
    // Zeros from size up to the next whole block.
    static QByteArray padding(qint64 size);
    // The two zero blocks that close an archive.
    static QByteArray end() { return QByteArray(2 * kBlock, '\0'); }
};
