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

QString ModePending::measurementKey() const
{
    return mode() == ParamSignal::ModeDM ? QStringLiteral("Measurement") : QStringLiteral("Mode");
}

QString ModePending::defaultMeasurement(int mode)
{
    switch (mode) {
    case ParamSignal::ModeDM: return QStringLiteral("QPSK");
    case ParamSignal::Mode5G: return QStringLiteral("Downlink");
    case ParamSignal::ModeACLR: return QStringLiteral("CUSTOM");
    default: return QString();
    }
}

QString ModePending::defaultProfileText() const
{
    const QString measurement = defaultMeasurement(mode());
    const QString own = ModeAnalysis::defaultProfileText();
    return measurement.isEmpty() ? own : own + QStringLiteral("{%1:%2}").arg(measurementKey(), measurement);
}

QString ModePending::profileText()
{
    const QString own = ModeAnalysis::profileText();
    if (m_measurement.isEmpty())
        return own;
    return own + QStringLiteral("{%1:%2}").arg(measurementKey(), m_measurement);
}

bool ModePending::restoreProfile(const QString &text)
{
    if (!ModeAnalysis::restoreProfile(text))
        return false;
    const QString item = QStringLiteral("{%1:").arg(measurementKey());
    const int at = text.indexOf(item);
    if (at >= 0) {
        const int begin = at + item.size();
        setMeasurement(text.mid(begin, text.indexOf(QLatin1Char('}'), begin) - begin));
    }
    return true;
}

void ModePending::takeSignalParams()
{
    if (auto *param = dynamic_cast<ParamSource *>(hub()->param()))
        calculate()->setCarrierFreq(param->frequency());
}
