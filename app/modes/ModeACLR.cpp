#include "ModeACLR.h"

#include "CalculateDate.h"
#include "DisplayFrequencyACLR.h"
#include "GraphicSignal.h"
#include "GuiACLRResult.h"
#include "GuiParserACLR.h"
#include "ModeGraphics.h"
#include "ParamACLR.h"
#include "ParserACLR.h"

const QString ModeACLR::kGrid = QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Result(1,1)}");

ModeACLR::ModeACLR(QWidget *parent) : ModeAnalysis(ParamACLR::registerSet(), parent)
{
    graphics()->setViewCreator(GraphicCatalogue::KindSpectrum, [this](GraphicSignal *, QWidget *container) {
        auto *view = new DisplayFrequencyACLR(hub(), calculate(), 1, container);
        connect(this, &ModeACLR::sendResults, view, &DisplayFrequencyACLR::setResults);
        view->setResults(m_results);
        return view;
    });
    graphics()->setWidgetCreator(GraphicCatalogue::KindResult, [this](GraphicSignal *, QWidget *container) {
        auto *table = new GuiACLRResult(container);
        connect(this, &ModeACLR::sendResults, table, [table](const ACLRResults &results) { table->setRows(results.rows); });
        table->setRows(m_results.rows);
        return table;
    });
    auto *panel = new GuiParserACLR;
    auto engine = std::make_unique<ParserACLR>();
    connect(engine.get(), &ParserACLR::sendResults, this, &ModeACLR::slotResults, Qt::QueuedConnection);
    connect(engine.get(), &ParserACLR::sendStatus, panel, &GuiParserACLR::setStatus, Qt::QueuedConnection);
    connect(panel, &GuiParserACLR::carrierConfigRequested, this, &ModeACLR::carrierConfigRequested);
    assemble(panel, std::move(engine));
    panel->getParams();
    setViewLength(kDefaultWindow);
}

QString ModeACLR::defaultProfileText() const
{
    return ModeAnalysis::defaultProfileText().replace(QStringLiteral("{LengthView:%1}").arg(SelectionSignal::kDefaultSize),
                                                      QStringLiteral("{LengthView:%1}").arg(kDefaultWindow));
}

GuiParserACLR *ModeACLR::aclrPanel() const
{
    return static_cast<GuiParserACLR *>(panel());
}

ParserACLR *ModeACLR::aclrEngine() const
{
    return static_cast<ParserACLR *>(engine());
}

QString ModeACLR::measurement() const
{
    return static_cast<const ParamACLR *>(const_cast<ModeACLR *>(this)->hub()->param())->standard();
}

QString ModeACLR::carrierConfig() const
{
    return static_cast<const ParamACLR *>(const_cast<ModeACLR *>(this)->hub()->param())->item(QStringLiteral("CarrierConfig"));
}

void ModeACLR::slotResults(const ACLRResults &results)
{
    m_results = results;
    emit sendResults(results);
}

void ModeACLR::setMeasurement(const QString &measurement)
{
    if (measurement.isEmpty())
        return;
    static_cast<ParamACLR *>(hub()->param())->setItem(QStringLiteral("Mode"), measurement);
    applyPanelChange();
}

void ModeACLR::setCarrierConfig(const QString &config)
{
    if (config != ParamACLR::kSingleCarrier && config != ParamACLR::kMultiCarrier && config != ParamACLR::kMultipleBand)
        return;
    static_cast<ParamACLR *>(hub()->param())->setItem(QStringLiteral("CarrierConfig"), config);
    applyPanelChange();
}

void ModeACLR::applyPanelChange()
{
    panel()->getParams();
    hub()->refreshParamText();
    calculate()->updateParams();
    updateParseCadre();
}

bool ModeACLR::restoreProfile(const QString &text)
{
    if (!ModeAnalysis::restoreProfile(text))
        return false;
    panel()->getParams();
    return true;
}

void ModeACLR::takeSignalParams()
{
    if (auto *param = dynamic_cast<ParamSource *>(hub()->param()))
        calculate()->setCarrierFreq(param->frequency());
}
