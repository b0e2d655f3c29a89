#pragma once

#include "SampleFormat.h"

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
        SigmfMeta,     // .sigmf-meta: SigMF metadata (JSON) beside its .sigmf-data
        SigmfData,     // .sigmf-data: SigMF samples beside their .sigmf-meta
        SigmfArchive,  // .sigmf: a tar archive holding both
        RawCf32,  // .cf32 .cfile .fc32: 32-bit float I/Q pairs, as SDR tools write them
        RawCf64,  // .cf64: 64-bit float pairs
        RawCs16,  // .cs16 .sc16: 16-bit signed pairs
        RawCs8,   // .cs8 .sc8: 8-bit signed pairs
        RawCu8,   // .cu8: 8-bit offset-binary pairs (rtl_sdr)
        Other     // anything else: read as a sample block, tags honoured
    };

    static Kind of(const QString &path);
    // The path with its own suffix replaced: "a.b/rec.all" with "dat" gives "a.b/rec.dat".
    static QString withSuffix(const QString &path, const QString &suffix);

    static bool hasHeaderTags(Kind kind) { return kind == Native || kind == Wave; }
    // Formats whose header carries no parameter text: the set is reset on opening.
    // (A SigMF recording's parameters come from its JSON, a raw file's from its name.)
    static bool hasNoParameters(Kind kind)
    {
        return kind == Binary || kind == Text || kind == Dat || isSigmf(kind) || isRaw(kind);
    }
    // Formats read with one fixed sample layout; reading them "as double" means nothing.
    static bool hasFixedPrecision(Kind kind) { return kind == Text || kind == Dat || isSigmf(kind) || isRaw(kind); }
    static bool isSigmf(Kind kind) { return kind == SigmfMeta || kind == SigmfData || kind == SigmfArchive; }
    static bool isRaw(Kind kind) { return kind >= RawCf32 && kind <= RawCu8; }
    // The sample layout of a raw kind (little-endian; cf32 for any other kind).
    static SampleFormat rawFormat(Kind kind);
    // A raw file's sample rate and centre frequency where its name carries them, as
    // SDR tools write them: "_2.4MSps_" or "_2400000sps_" is a rate; "_433.92MHz_" is the
    // centre frequency, and a second Hz figure ("_433.92MHz_2400000Hz_") the rate.
    // 0 for what the name does not say.
    static void ratesFromName(const QString &path, double &rate, double &frequency);
    // "owv", "wv", "bin", "dat", "txt", "all", "sigmf-meta", "cf32" ... (the first
    // suffix of a kind), or "bin" for any other name, which is read like a .bin.
    static QString name(Kind kind);
};
