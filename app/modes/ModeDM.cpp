#include "ModeDM.h"

#include "CalculateDate.h"
#include "ErrorSummaryHistory.h"
#include "GraphicSignal.h"
#include "GuiErrorData.h"
#include "GuiParserDM.h"
#include "GuiSymbolData.h"
#include "Modulation.h"
#include "ModulationCatalogue.h"
#include "ModeGraphics.h"
#include "ParamDigitalModulation.h"
#include "ParserDigitalModulation.h"
#include "RebornControllerGraphic.h"
#include "SignalInformation.h"

#include <QEvent>
#include <limits>
#include <memory>

const QString ModeDM::kGrid = QStringLiteral(
    "{GRID:Distribution(2,2) Spectrum(1,1) Error_Summary_Data(1,1) Vector_Diagram(1,1) Symbol_Data(1,1)}");

ModeDM::ModeDM(QWidget *parent) : ModeAnalysis(ParamSignal::ModeDM, parent)
{
    registerTables();
    auto engine = std::make_unique<ParserDigitalModulation>();
    const QString unavailable = engine->unavailableText();
    assemble(new GuiParserDM, std::move(engine));
    dmPanel()->setUnavailable(unavailable);
    control()->setUnit(RebornControllerGraphic::Symbols);
    connectResults();
}

void ModeDM::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        dmPanel()->setUnavailable(dmEngine()->unavailableText());
    ModeAnalysis::changeEvent(event);
}

GuiParserDM *ModeDM::dmPanel() const
{
    return static_cast<GuiParserDM *>(panel());
}

ParserDigitalModulation *ModeDM::dmEngine() const
{
    return static_cast<ParserDigitalModulation *>(engine());
}

ParamDigitalModulation *ModeDM::dmParam() const
{
    return static_cast<ParamDigitalModulation *>(const_cast<ModeDM *>(this)->hub()->param());
}

QString ModeDM::modulation() const
{
    return dmParam()->modulation();
}

void ModeDM::connectPanel()
{
    GuiParserDM *panel = dmPanel();
    connect(panel, &GuiParserSignal::signalChangeParams, this, [this] {
        firstModeHook();
        emit sendModulation(modulation());
    });
    connect(panel, &GuiParserDM::sendOpenMenuLevel, this, &ModeDM::sendOpenMenuLevel);
    connect(panel, &GuiParserDM::sendAveraging, this, &ModeDM::setAveraging);
}

void ModeDM::setAveraging(bool isOn)
{
    m_isAveraging = isOn;
    dmEngine()->setAveraging(isOn);
    // Averages start afresh with the receiver's own.
    ErrorSummaryHistory::instance().clear();
    emit sendAveragingChanged(isOn);
}

void ModeDM::connectResults()
{
    auto *engine = static_cast<ParserDigitalModulation *>(graphics()->engine());
    // The panel's status line, the display calculator's symbol strobe and the error
    // summaries follow every analysis; the EVM view reads the set's per-symbol EVM.
    connect(engine, &ParserDigitalModulation::sendData, this, &ModeDM::takeStatistics);
    connect(engine, &ParserDigitalModulation::sendDemodSymbols, this,
            [this](const QVector<int> &symbols) { m_lastSymbols = symbols; });
    // A new recording or new settings start the averages afresh.
    connect(hub(), &ManagerSignal::sendNewSourceSignal, this, [] { ErrorSummaryHistory::instance().clear(); });
    connect(panel(), &GuiParserSignal::signalChangeParams, this, [] { ErrorSummaryHistory::instance().clear(); });
    connect(engine, &ParserSignal::sendError, dmPanel(), &GuiParserDM::showError);
    connect(engine, &ParserSignal::sendProgress, dmPanel(), &GuiParserSignal::setProgress);
    connect(engine, &ParserDigitalModulation::sendMaxSymbols, this, &ModeDM::slotMaxSymbols);
}

void ModeDM::takeStatistics(const DataAnalysis &data)
{
    calculate()->setStrobe(dmEngine()->lastTime4Sampling(), dmEngine()->lastOversampling());
    calculate()->setFrameRate(dmEngine()->lastFrameRate());
    dmPanel()->showStatistics(data);
    m_lastStatistics = data;
    m_hasStatistics = true;
    // One entry per analysis, however many error summaries show it.
    ErrorSummaryHistory::instance().add(data);
    emit sendStatistics(data);
}

void ModeDM::registerTables()
{
    graphics()->setWidgetCreator(GraphicCatalogue::KindErrorSummaryData,
                                 [this](GraphicSignal *host, QWidget *container) { return createErrorSummary(host, container); });
    graphics()->setWidgetCreator(GraphicCatalogue::KindSymbolData,
                                 [this](GraphicSignal *host, QWidget *container) { return createSymbolTable(host, container); });
}

GuiErrorData *ModeDM::createErrorSummary(GraphicSignal *host, QWidget *container)
{
    auto *table = new GuiErrorData(container);
    // The frame's averaging count, when it asks for more than one analysis, else the
    // panel's averaging with the default count.
    auto frameCount = std::make_shared<int>(1);
    auto applyCount = [this, table, frameCount] {
        table->setAverage(*frameCount > 1 ? *frameCount : (m_isAveraging ? kDefaultAverage : 0));
    };
    connect(host, &GraphicSignal::signalSetAverage, table, [frameCount, applyCount](int count) {
        *frameCount = count;
        applyCount();
    });
    connect(this, &ModeDM::sendAveragingChanged, table, applyCount);
    connect(this, &ModeDM::sendStatistics, table, [this, table](const DataAnalysis &data) {
        table->setModulation(modulation());
        table->setData(data);
        table->setDataAver();
    });
    table->setModulation(modulation());
    if (m_isAveraging)
        applyCount();
    if (m_hasStatistics) {
        table->setData(m_lastStatistics);
        table->setDataAver();
    }
    return table;
}

GuiSymbolData *ModeDM::createSymbolTable(GraphicSignal *host, QWidget *container)
{
    auto *table = new GuiSymbolData(container);
    connect(host, &GraphicSignal::signalSetFormat, table, &GuiSymbolData::setFormat);
    connect(table, &GuiSymbolData::sendMessage, this, &ModeDM::showMessage);
    connect(dmEngine(), &ParserDigitalModulation::sendDemodSymbols, table, [this, table](const QVector<int> &symbols) {
        table->setBitsPerSymbol(bitsPerSymbol());
        table->setData(symbols);
    });
    table->setBitsPerSymbol(bitsPerSymbol());
    table->setData(m_lastSymbols);
    return table;
}

int ModeDM::bitsPerSymbol() const
{
    return createModulation(modulation())->bitsPerSymbol();
}

// The display calculator follows the recording's carrier and the set's rates.
void ModeDM::firstModeHook()
{
    calculate()->setCarrierFreq(dmParam()->frequency());
    calculate()->updateParams();
    hub()->refreshParamText();
    // The views follow the scheme (ideal points) and rates at once, not only with the next frame.
    emit hub()->sendChangeMainParam();
}

void ModeDM::takeSignalParams()
{
    firstModeHook();
}

void ModeDM::startMode()
{
    ModeAnalysis::startMode();
    firstModeHook();
}

int ModeDM::windowLimit() const
{
    return std::max(SelectionSignal::kMinimum, m_maxSymbols);
}

int ModeDM::shownFrameLength() const
{
    return std::numeric_limits<int>::max();
}

bool ModeDM::isFrameOverloaded() const
{
    if (isInstrumentSource())
        return ModeAnalysis::isFrameOverloaded();
    ManagerSignal *hub = const_cast<ModeDM *>(this)->hub();
    const int layer = std::max(0, hub->currentSignals().value(0, 1) - 1);
    const IQVector frame = hub->sourceSignal(layer).samples().mid(dmEngine()->lastFrameStart(), dmEngine()->frameLength());
    return SignalInformation::peak(frame) >= kOverloadLevel;
}

void ModeDM::slotMaxSymbols(int max)
{
    m_maxSymbols = max;
    const int before = viewLength();
    selection()->setMaxSelection(windowLimit());
    control()->setMaxPoints(windowLimit());
    // The frame just asked for held more symbols than the recording now allows: ask again.
    if (viewLength() != before)
        updateParseCadre();
}

QString ModeDM::familyDefault(const QString &level)
{
    const QString family = QString(level).remove(QStringLiteral("Level_"));
    if (family == QLatin1String("QAM"))
        return QStringLiteral("QAM16");
    if (family == QLatin1String("FSK"))
        return QStringLiteral("2FSK");
    if (family == QLatin1String("ASK"))
        return QStringLiteral("2ASK");
    if (family == QLatin1String("PSK"))
        return ParamDigitalModulation::kDefaultModulation;
    return QString();
}

void ModeDM::setModulation(const QString &name)
{
    QString chosen = name;
    if (name.startsWith(QLatin1String("Level_"))) {
        // A family: the current scheme stays when it belongs to it, and the menu offers the family's schemes.
        const QString family = QString(name).remove(QStringLiteral("Level_"));
        const bool isMember = modulationFamily(modulationId(modulation())).startsWith(family);
        chosen = isMember ? modulation() : familyDefault(name);
        emit sendOpenMenuLevel(name);
    }
    const int id = modulationId(chosen);
    if (id == ModNone)
        return;
    dmPanel()->setModulation(modulationName(id));
    applyChoice();
}

void ModeDM::setCoding(const QString &coding)
{
    dmPanel()->setCoding(coding);
    applyChoice();
}

void ModeDM::setFilter(const QString &filter)
{
    dmPanel()->setFilter(filter);
    applyChoice();
}

void ModeDM::applyChoice()
{
    // As if the user had changed the panel: the set takes the panel's values and the window is analysed again.
    dmPanel()->slotChangeParam();
}

QString ModeDM::profileText()
{
    return ModeAnalysis::profileText() + QStringLiteral("{Measurement:%1}").arg(modulation());
}

QString ModeDM::defaultProfileText() const
{
    return ModeAnalysis::defaultProfileText()
           + QStringLiteral("{Measurement:%1}").arg(ParamDigitalModulation::kDefaultModulation);
}
