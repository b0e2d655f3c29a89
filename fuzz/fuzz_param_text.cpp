// Parameter text of {KEY:value} items, as it comes from settings, profiles and file
// headers: the mode test, the vector-analysis set's parser, numbers with units.

#include "FuzzFile.h"
#include "ParamSignalFactory.h"
#include "ParamVectorAnalysis.h"
#include "UnitText.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile::application();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    (void)ParamSignal::modeFromText(text);
    double value = 0.0;
    (void)UnitText::read(text, value);
    (void)UnitText::toDouble(text);
    for (int mode = ParamSignal::ModeDM; mode <= ParamSignal::ModeACLR; ++mode) {
        std::unique_ptr<ParamSignal> param(ParamSignalFactory::create(mode));
        for (const bool isTestMode : {true, false}) {
            param->parseText(text, isTestMode);
            (void)param->sampleRate();
            (void)param->secondRate();
            // Its own text must parse again: what the program writes it can read.
            const QString written = param->text(ParamSignal::FormLong);
            param->parseText(written, true);
        }
    }
    return 0;
}
