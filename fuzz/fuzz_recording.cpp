// A recording file of one format, read as the program reads it: format detection,
// header tags, the parameter set's own tags, the sample block, the layers.
// TW_FUZZ_FORMAT names the format: 0 .owv/.wv, 1 .bin, 2 .dat, 3 .txt, 4 the raw
// files of SDR tools, 5 a SigMF archive (.sigmf).

#include "FuzzFile.h"
#include "IOSignal.h"
#include "ManagerSignal.h"

namespace {
// The first byte picks the name's suffix where a format has several: the suffix
// decides the reading rules.
int takeChoice(const uint8_t *&data, size_t &size)
{
    if (size == 0)
        return 0;
    --size;
    return *data++;
}

QString fileNameFor(const uint8_t *&data, size_t &size)
{
    switch (TW_FUZZ_FORMAT) {
    case 0: return takeChoice(data, size) & 1 ? QStringLiteral("input.wv") : QStringLiteral("input.owv");
    case 1: return QStringLiteral("input.bin");
    case 2: return QStringLiteral("input.dat");
    case 3: return QStringLiteral("input.txt");
    case 4: {
        static const char *const suffixes[] = {"cf32", "cf64", "cs16", "cs8", "cu8"};
        return QStringLiteral("input.") + QLatin1String(suffixes[takeChoice(data, size) % 5]);
    }
    default: return QStringLiteral("input.sigmf");
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile::application();
    static ManagerSignal hub(ParamSignal::ModeVA);
    static IOSignal *io = [] {
        auto *reader = new IOSignal(&hub, FuzzFile::folder() + QStringLiteral("/quick"));
        reader->setRegisterEnabled(false);
        return reader;
    }();
    const QString name = fileNameFor(data, size);
    const QString path = FuzzFile::write(name, data, size);
    hub.param()->reset();
    if (io->readFile(path)) {
        // What the program does next with a recording: the hub's copies and the header text.
        hub.slotSetSignalReady(hub.sourceSignals());
        hub.slotSelectAllSignal(0);
        (void)hub.param()->text(ParamSignal::FormLong);
    }
    return 0;
}
