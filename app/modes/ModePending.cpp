#include "ModePending.h"

#include "CalculateDate.h"
#include "GuiParserPending.h"
#include "ParamSource.h"
#include "ParserVectorAnalysis.h"

ModePending::ModePending(int mode, const char *analysisName, const QString &grid, QWidget *parent)
    : ModeAnalysis(mode, parent), m_grid(grid)
{
    // The frame walker of vector analysis, which leaves the samples untouched
    // without a vector-analysis parameter set, until the mode's own engine exists.
    assemble(new GuiParserPending(analysisName), std::make_unique<ParserVectorAnalysis>());
}

GuiParserPending *ModePending::pendingPanel() const
{
    return static_cast<GuiParserPending *>(panel());
}

void ModePending::setMeasurement(const QString &measurement)
{
    m_measurement = measurement;
    pendingPanel()->setMeasurement(measurement);
}

void ModePending::slotLoadFile()
{
    if (auto *param = dynamic_cast<ParamSource *>(hub()->param()))
        calculate()->setCarrierFreq(param->frequency());
    ModeAnalysis::slotLoadFile();
}
