#pragma once

#include <QString>

// What a signal file holds, told by the suffix of the file's own name only: a folder
// named "run.dat.d" says nothing about the recordings inside it. Letter case does
// not matter ("X.DAT" is a .dat file).
class SignalFileKind
{
public:
    enum Kind {
        Native,   // .owv: {TAG:value} header, then the sample block
        Wave,     // .wv: read like .owv
        Binary,   // .bin: the sample block alone
        Dat,      // .dat: 18-byte header, 16-bit samples scaled by the peak
        Text,     // .txt: one "I Q" line per sample, read only
        All,      // .all: a name to write .owv, .dat and .bin from
        Other     // anything else: read as a sample block, tags honoured
    };

    static Kind of(const QString &path);
    // The path with its own suffix replaced: "a.b/rec.all" with "dat" gives "a.b/rec.dat".
    static QString withSuffix(const QString &path, const QString &suffix);

    static bool hasHeaderTags(Kind kind) { return kind == Native || kind == Wave; }
    // Formats whose header carries no parameter text: the set is reset on opening.
    static bool hasNoParameters(Kind kind) { return kind == Binary || kind == Text || kind == Dat; }
    // Formats read with one fixed sample layout; reading them "as double" means nothing.
    static bool hasFixedPrecision(Kind kind) { return kind == Text || kind == Dat; }
    // "owv", "wv", "bin", "dat", "txt", "all", or "bin" for any other name, which is
    // read like a .bin.
    static QString name(Kind kind);
};
