#include "ModeVecAnalysis.h"

#include "CalculateDate.h"
#include "GuiParserVecAnalysis.h"
#include "ParamVectorAnalysis.h"
#include "ParserVectorAnalysis.h"
#include "UnitText.h"

ModeVecAnalysis::ModeVecAnalysis(QWidget *parent) : ModeAnalysis(ParamSignal::ModeVA, parent)
{
    assemble(new GuiParserVecAnalysis, std::make_unique<ParserVectorAnalysis>());
    secondModeHook();
}

GuiParserVecAnalysis *ModeVecAnalysis::vaPanel() const
{
    return static_cast<GuiParserVecAnalysis *>(panel());
}

ParserVectorAnalysis *ModeVecAnalysis::vaEngine() const
{
    return static_cast<ParserVectorAnalysis *>(engine());
}

QString ModeVecAnalysis::defaultGrid() const
{
    return QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}");
}

// The analysed signal's rate follows the recording's clock and the decimation, and
// the plots are drawn around the recording's carrier.
void ModeVecAnalysis::firstModeHook()
{
    auto *param = static_cast<ParamVectorAnalysis *>(hub()->param());
    const int decimation = std::max(1, param->analysisValue(QStringLiteral("Decimation")).toInt());
    const double rate = param->sourceSampleRate() / decimation;
    param->setAnalysisValue(QStringLiteral("SampleRate"), UnitText::format(rate, QStringLiteral("Hz")));
    calculate()->setCarrierFreq(param->sourceFrequency());
    calculate()->updateParams();
    hub()->refreshParamText();
}

void ModeVecAnalysis::secondModeHook()
{
    hub()->setReadyHistoryCapacity(kReadyHistoryFrames);
}

void ModeVecAnalysis::takeSignalParams()
{
    firstModeHook();
}

void ModeVecAnalysis::connectPanel()
{
    GuiParserVecAnalysis *panel = vaPanel();
    connect(panel, &GuiParserSignal::signalChangeParams, this, [this] {
        firstModeHook();
        vaPanel()->getParams();
    });
    connect(panel, &GuiParserVecAnalysis::sendCorrectAll, this, [this](bool isAll) {
        vaEngine()->captureSettings();
        QMetaObject::invokeMethod(vaEngine(), [engine = vaEngine(), isAll] { engine->slotCorrectionAllSignal(isAll); },
                                  Qt::QueuedConnection);
    });
    connect(vaEngine(), &ParserVectorAnalysis::finishAllCorrection, this, &ModeAnalysis::updateParseCadre);
    connect(vaEngine(), &ParserSignal::sendProgress, panel, &GuiParserSignal::setProgress);
}

void ModeVecAnalysis::startMode()
{
    ModeAnalysis::startMode();
    firstModeHook();
}
