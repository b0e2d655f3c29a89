#include "DisplayGraphicSignal.h"

#include "NiceAxis.h"

#include "CalculateDate.h"
#include "Graphic.h"
#include "GraphicSunset.h"
#include "LineVerticalZoom.h"
#include "ManagerSignal.h"
#include "MarkersInfo.h"
#include "autoLimitOY.h"

#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLabel>
#include <QMenu>
#include <cmath>

namespace {
constexpr double kTimeAxisMsSpan = 10.0;       // 5G and LTE show one 10 ms frame
constexpr double kPowerAxisMsSpan = 9.0;
const char kOverloadStyle[] = "color: rgb(255,83,71);";
constexpr int kReadoutGap = 12;
}  // namespace

DisplayGraphicSignal::DisplayGraphicSignal(ManagerSignal *hub, CalculateDate *calculate, QWidget *parent)
    : QObject(parent), m_hub(hub), m_calculate(calculate), m_chart(new QChart),
      m_graphic(new Graphic(m_chart, parent)), m_ownsGraphic(parent == nullptr), m_series(new QLineSeries)
{
    setupChart();
    createOverlays();
    connectSignals();
    m_markers = new MarkersInfo(this);
}

void DisplayGraphicSignal::setupChart()
{
    m_chart->addSeries(m_series);
    m_chart->legend()->hide();
    m_chart->createDefaultAxes();
    m_axisX = qobject_cast<QValueAxis *>(m_chart->axes(Qt::Horizontal).value(0));
    m_axisY = qobject_cast<QValueAxis *>(m_chart->axes(Qt::Vertical).value(0));
    m_axisX->setLabelFormat(QStringLiteral("%.0f"));
    m_graphic->setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_graphic->setContextMenuPolicy(Qt::CustomContextMenu);
    m_autoLimit = new autoLimitOY(m_chart, m_axisY);
    m_graphic->applyAxisColours(m_axisX);
    m_graphic->applyAxisColours(m_axisY);
}

void DisplayGraphicSignal::applyOverlayStyle()
{
    // Readouts and the markers button stand on the chart's background and take its
    // text colour; the marker panel (a frame of its own) keeps the theme's colours.
    const QString text = m_graphic->colours().text.name();
    m_graphic->setStyleSheet(QStringLiteral("Graphic > QLabel { color: %1; background: transparent; }"
                                            "QToolButton#butMenuMarker { color: %1; background: transparent; }")
                                 .arg(text));
    m_chart->legend()->setLabelColor(m_graphic->colours().text);  // the layers' names
}

void DisplayGraphicSignal::createOverlays()
{
    applyOverlayStyle();
    m_zoom = new LineVerticalZoom(m_graphic);
    m_overload = new QLabel(m_graphic);
    m_overload->setStyleSheet(QString::fromLatin1(kOverloadStyle));
    m_overload->hide();
    createReadout();
}

void DisplayGraphicSignal::connectSignals()
{
    connect(m_autoLimit, &autoLimitOY::sendMin, this, &DisplayGraphicSignal::sendMinOy);
    connect(m_autoLimit, &autoLimitOY::sendMax, this, &DisplayGraphicSignal::sendMaxOy);
    connect(m_zoom, &LineVerticalZoom::sendMin, this, &DisplayGraphicSignal::setMinOy);
    connect(m_zoom, &LineVerticalZoom::sendMax, this, &DisplayGraphicSignal::setMaxOy);
    connect(m_graphic, &Graphic::resizeSignal, this, &DisplayGraphicSignal::slotLayoutChanged);
    connect(m_graphic, &Graphic::languageChanged, this, &DisplayGraphicSignal::slotLanguageChanged);
    // A small view titles its axes by their units alone; whoever sets a title sets the full one.
    connect(m_axisX, &QValueAxis::titleTextChanged, this,
            [this](const QString &text) { followAxisTitle(m_axisX, m_fullTitleX, text); });
    connect(m_axisY, &QValueAxis::titleTextChanged, this,
            [this](const QString &text) { followAxisTitle(m_axisY, m_fullTitleY, text); });
    connect(m_graphic, &Graphic::coloursChanged, this, [this] {
        applyOverlayStyle();
        placeOverlays();
    });
    connect(m_chart, &QChart::plotAreaChanged, this, &DisplayGraphicSignal::slotLayoutChanged);
    // Qt Charts' minimal updates leave old tick labels on screen when labels move
    // with a new range or plot area: those changes repaint the whole chart.
    // A range change can be the first to see a new plot size; the size then needs its series.
    connect(m_axisX, &QValueAxis::rangeChanged, this, [this] {
        if (pushGeometry())
            slotRepaint();
        m_chart->update();
    });
    connect(m_axisY, &QValueAxis::rangeChanged, this, [this] {
        if (pushGeometry())
            slotRepaint();
        m_chart->update();
    });
    connect(m_graphic, &QWidget::customContextMenuRequested, this, &DisplayGraphicSignal::showContextMenu);
    connect(m_hub, &ManagerSignal::sendNewSelected, this, &DisplayGraphicSignal::slotNewSelected);
    connect(m_hub, &ManagerSignal::sendChangeSizeSelection, this, &DisplayGraphicSignal::setValueOx);
    // Queued, like CalculateDate::updateParams(), so that the axes follow the unit
    // and rates that it has recomputed by then.
    connect(m_hub, &ManagerSignal::sendNewSourceSignal, this, &DisplayGraphicSignal::updateAxes, Qt::QueuedConnection);
    connect(m_hub, &ManagerSignal::sendChangeMainParam, this, &DisplayGraphicSignal::updateAxes, Qt::QueuedConnection);
}

DisplayGraphicSignal::~DisplayGraphicSignal()
{
    // The overlays' series go with the chart, which may be gone already.
    for (Overlay &overlay : m_overlays)
        overlay.worker->stopThread();
    m_overlays.clear();
    if (m_sunset)
        m_sunset->stopThread();
    m_sunset.reset();
    if (m_worker)
        m_worker->stopThread();
    m_worker.reset();
    if (m_ownsGraphic)
        delete m_graphic.data();
}

void DisplayGraphicSignal::attachWorker(InterfaceGraphicData *worker)
{
    m_worker.reset(worker);
    worker->setView(m_graphic);
    updateReadout();
    connect(worker, &InterfaceGraphicData::sendData, this, &DisplayGraphicSignal::slotSetData);
    connect(worker, &InterfaceDisplayData::sendPixmap, this, [this](const QImage &image) {
        m_graphic->setImage(image);
        placeOverlays();
        emit dataShown();
    });
    pushGeometry();
}

void DisplayGraphicSignal::createReadout()
{
    for (QLabel *&label : m_readout)
        label = new QLabel(m_graphic);
    m_readoutWidth = ManagerSignal::kDefaultSelectionSize;
    retranslateOverlays();
}

void DisplayGraphicSignal::slotLanguageChanged()
{
    retranslateOverlays();
    retranslate();
}

void DisplayGraphicSignal::retranslateOverlays()
{
    m_overload->setText(tr("Overload!"));
    showReadout();
}

void DisplayGraphicSignal::showReadout()
{
    m_readout[0]->setText(tr("Start - ") + QString::number(m_readoutStart));
    m_readout[1]->setText(tr("Width - ") + QString::number(m_readoutWidth));
    m_readout[2]->setText(tr("Stop - ") + QString::number(m_readoutStop));
    m_readout[2]->setVisible(m_readoutStop >= 0);
    placeOverlays();
}

QStringList DisplayGraphicSignal::readoutTexts() const
{
    QStringList texts;
    for (QLabel *label : m_readout) {
        if (!label->isHidden())
            texts << label->text();
    }
    return texts;
}

void DisplayGraphicSignal::setTitles(const QString &title, const QString &xTitle, const QString &yTitle)
{
    m_chartTitle = title;
    m_chart->setTitle(m_isCompact ? QString() : title);
    m_axisX->setTitleText(xTitle);
    m_axisY->setTitleText(yTitle);
}

QString DisplayGraphicSignal::compactTitle(const QString &title)
{
    // "Amplitude (dBm)" -> "dBm": the unit is what a small plot cannot do without.
    const int open = title.lastIndexOf(QLatin1Char('('));
    const int close = title.lastIndexOf(QLatin1Char(')'));
    return open >= 0 && close > open ? title.mid(open + 1, close - open - 1) : title;
}

void DisplayGraphicSignal::followAxisTitle(QValueAxis *axis, QString &fullTitle, const QString &text)
{
    const bool isCompact = axis == m_axisX ? m_isCompactX : m_isCompactY;
    if (!isCompact) {
        fullTitle = text;
        return;
    }
    if (text == compactTitle(fullTitle))
        return;  // our own compact form coming back
    fullTitle = text;
    axis->setTitleText(compactTitle(text));
}

void DisplayGraphicSignal::fitTitles()
{
    // The chart title by the view's size, not the plot's, which the title itself changes.
    const bool isCompact = m_graphic->width() < kCompactWidth || m_graphic->height() < kCompactHeight;
    if (isCompact != m_isCompact) {
        m_isCompact = isCompact;
        m_chart->setTitle(isCompact ? QString() : m_chartTitle);
    }
    // An axis title by the plot's length along it, which its text does not change.
    const QRectF plot = m_graphic->plotRect();
    fitAxisTitle(m_axisX, m_fullTitleX, m_isCompactX, plot.width());
    fitAxisTitle(m_axisY, m_fullTitleY, m_isCompactY, plot.height());
}

void DisplayGraphicSignal::fitAxisTitle(QValueAxis *axis, const QString &fullTitle, bool &isCompact, double length)
{
    const bool isShort = QFontMetrics(axis->titleFont()).horizontalAdvance(fullTitle) > length;
    if (isShort == isCompact)
        return;
    isCompact = isShort;
    axis->setTitleText(isShort ? compactTitle(fullTitle) : fullTitle);
}

void DisplayGraphicSignal::applyTimeAxisMode(bool isPowerView)
{
    switch (m_hub->param()->mode()) {
    case ParamSignal::ModeDM:
        m_axisX->setTitleText(tr("Symbols"));
        break;
    case ParamSignal::ModeVA:
        m_axisX->setTitleText(tr("Points"));
        break;
    case ParamSignal::Mode4G:
        if (isPowerView)
            break;
        Q_FALLTHROUGH();
    case ParamSignal::Mode5G:
        m_axisX->setTitleText(tr("Time (ms)"));
        NiceAxis::setRange(m_axisX, 0.0, isPowerView ? kPowerAxisMsSpan : kTimeAxisMsSpan);
        m_axisX->setLabelFormat(QStringLiteral("%.2g"));
        break;
    default:
        break;
    }
}




bool DisplayGraphicSignal::isMillisecondAxis(bool isPowerView) const
{
    const int mode = m_hub->param()->mode();
    return mode == ParamSignal::Mode5G || (mode == ParamSignal::Mode4G && !isPowerView);
}

void DisplayGraphicSignal::applyPointAxisRange(int size, bool isPowerView)
{
    if (!isMillisecondAxis(isPowerView))
        NiceAxis::setRange(m_axisX, 0.0, std::max(1, size - 1));
}

void DisplayGraphicSignal::slotRepaint()
{
    if (m_worker)
        m_worker->requestRepaint();
    if (m_sunset)
        m_sunset->requestRepaint();
    for (const Overlay &overlay : m_overlays)
        overlay.worker->requestRepaint();
}

void DisplayGraphicSignal::showLayer(int layer)
{
    if (!m_worker)
        return;
    m_worker->setSignalIndex(layer);
    if (m_sunset)
        m_sunset->setSignalIndex(layer);
    if (!m_overlays.empty())
        m_series->setName(tr("Layer %1").arg(layer));
    updateReadout();
    slotRepaint();
}

int DisplayGraphicSignal::layer() const
{
    return m_worker ? m_worker->signalIndex() : 1;
}

QVector<int> DisplayGraphicSignal::overlayLayers() const
{
    QVector<int> layers;
    for (const Overlay &overlay : m_overlays)
        layers.append(overlay.layer);
    return layers;
}

QList<QLineSeries *> DisplayGraphicSignal::overlaySeries() const
{
    QList<QLineSeries *> series;
    for (const Overlay &overlay : m_overlays)
        series.append(overlay.series);
    return series;
}

void DisplayGraphicSignal::clearOverlays()
{
    for (Overlay &overlay : m_overlays) {
        overlay.worker->stopThread();
        overlay.worker.reset();
        m_chart->removeSeries(overlay.series);
        delete overlay.series;
    }
    m_overlays.clear();
}

void DisplayGraphicSignal::setOverlayLayers(const QVector<int> &layers)
{
    if (!m_worker || layers == overlayLayers())
        return;
    clearOverlays();
    // Colours that stay apart from each other and from the trace colours offered.
    static const QColor kLayerColours[] = {QColor(0xff, 0x9a, 0x3c), QColor(0xff, 0x5c, 0xc8), QColor(0x9c, 0xe6, 0x57),
                                           QColor(0xb0, 0x8c, 0xff), QColor(0xe8, 0xd4, 0x4d)};
    for (int i = 0; i < layers.size(); ++i) {
        Overlay overlay{layers.at(i), std::make_unique<InterfaceGraphicData>(m_calculate, m_worker->kind(), layers.at(i)),
                        new QLineSeries};
        overlay.worker->setView(m_graphic);
        overlay.worker->setAverage(m_worker->average());
        overlay.series->setName(tr("Layer %1").arg(layers.at(i)));
        overlay.series->setPen(QPen(kLayerColours[i % int(std::size(kLayerColours))], m_series->pen().widthF()));
        m_chart->addSeries(overlay.series);
        overlay.series->attachAxis(m_axisX);
        overlay.series->attachAxis(m_axisY);
        QLineSeries *series = overlay.series;
        connect(overlay.worker.get(), &InterfaceGraphicData::sendData, series,
                [series](const QVector<QPointF> &data) { series->replace(data); });
        m_overlays.push_back(std::move(overlay));
    }
    m_series->setName(tr("Layer %1").arg(layer()));
    m_chart->legend()->setVisible(!m_overlays.empty());
    pushGeometry();
    slotRepaint();
}

void DisplayGraphicSignal::setSunset(int frames)
{
    if (m_sunset || !m_worker)
        return;
    m_sunset = std::make_unique<GraphicSunset>(m_calculate, m_worker->kind(), frames, m_worker->signalIndex());
    m_sunset->setView(m_graphic);
    m_sunset->setColor(m_series->pen().color());
    // The faded traces lie under the chart's own, current one.
    connect(m_sunset.get(), &InterfaceDisplayData::sendPixmap, this, [this](const QImage &image) {
        m_graphic->setImage(image);
    });
    pushGeometry();
}

void DisplayGraphicSignal::setTraceColour(const QColor &colour)
{
    QPen pen = m_series->pen();
    pen.setColor(colour);
    m_series->setPen(pen);
    if (m_sunset)
        m_sunset->setColor(colour);
}

void DisplayGraphicSignal::slotNewSelected()
{
    updateReadout();
    slotRepaint();
}

void DisplayGraphicSignal::updateReadout()
{
    const SignalSelection selection = m_hub->selection(m_worker ? m_worker->signalIndex() : 1);
    if (selection.isEmpty())
        return;
    m_readoutStart = selection.startIndex;
    m_readoutWidth = selection.size();
    m_readoutStop = selection.startIndex + selection.size() - 1;
    showReadout();
}

void DisplayGraphicSignal::slotSetData(const QVector<QPointF> &data)
{
    m_series->replace(data);
    m_autoLimit->setData(data);
    placeOverlays();
    emit dataShown();
}

void DisplayGraphicSignal::slotSwitchAntialiasing() { m_graphic->slotSwitchAntialiasing(); }

void DisplayGraphicSignal::setOverload(bool isOverload)
{
    m_isOverload = isOverload;
    placeOverlays();
}

void DisplayGraphicSignal::setValueOx(int size)
{
    m_readoutWidth = size;
    m_readout[1]->setText(tr("Width - ") + QString::number(size));
}

void DisplayGraphicSignal::setMinOy(double value)
{
    m_autoLimit->setAutoMin(false);  // a limit set by hand stays where the user put it
    NiceAxis::setMin(m_axisY, value);
    emit sendMinOy(value);
}

void DisplayGraphicSignal::setMaxOy(double value)
{
    m_autoLimit->setAutoMax(false);
    NiceAxis::setMax(m_axisY, value);
    emit sendMaxOy(value);
}

void DisplayGraphicSignal::placeOverlays()
{
    const QRectF plot = m_graphic->plotRect();
    m_overload->adjustSize();
    const int overloadX = int(plot.right() - kOverloadLeftShare * m_graphic->width()) - m_overload->width() / 2;
    m_overload->move(std::max(0, overloadX), int(plot.top() + kOverloadDownShare * plot.height()));
    m_overload->setVisible(m_isOverload);
    m_zoom->setGeometry(int(plot.left()) - LineVerticalZoom::kWidth, int(plot.top()), LineVerticalZoom::kWidth,
                        int(plot.height()));
    // The readouts stand on the foot of the chart's white background, which is inset
    // from the view by the chart's layout margins.
    qreal left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    m_chart->layout()->getContentsMargins(&left, &top, &right, &bottom);
    const int foot = m_graphic->height() - int(std::ceil(bottom));
    // Readouts that would run past the plot give way, the last first.
    int x = int(plot.left());
    const bool hasValue[3] = {true, true, m_readoutStop >= 0};
    for (int i = 0; i < 3; ++i) {
        QLabel *label = m_readout[i];
        label->adjustSize();
        label->move(x, foot - label->height() - 2);
        label->setVisible(hasValue[i] && x + label->width() <= plot.right());
        x += label->width() + kReadoutGap;
    }
}

void DisplayGraphicSignal::slotLayoutChanged()
{
    // Tick counts follow the plot's size. No loop: the height sets the y ticks,
    // whose labels set the width, which sets the x ticks.
    fitTitles();
    const QRectF plot = m_graphic->plotRect();
    NiceAxis::setLength(m_axisX, int(plot.width()));
    NiceAxis::setLength(m_axisY, int(plot.height()));
    m_chart->update();
    placeOverlays();
    // A new plot size needs a series thinned to the new width, or a new image.
    if (pushGeometry())
        slotRepaint();
}

bool DisplayGraphicSignal::pushGeometry()
{
    const QRectF plot = m_graphic->plotRect();
    m_zoom->setRange(lowerLimit(), upperLimit(), plot.height());
    const QSize plotSize(int(plot.width()), int(plot.height()));  // truncated, as pixel widths are
    const bool isResized = plotSize != m_lastPlotSize;
    m_lastPlotSize = plotSize;
    if (!m_worker)
        return isResized;
    InterfaceGraphicData::PlotGeometry geometry;
    geometry.plotSize = plotSize;
    geometry.x0 = m_axisX->min();
    geometry.x1 = m_axisX->max();
    geometry.y0 = m_axisY->min();
    geometry.y1 = m_axisY->max();
    m_worker->setPlotGeometry(geometry);
    if (m_sunset)
        m_sunset->setPlotGeometry(geometry);
    for (const Overlay &overlay : m_overlays)
        overlay.worker->setPlotGeometry(geometry);
    return isResized;
}

void DisplayGraphicSignal::showContextMenu(const QPoint &pos)
{
    QMenu menu(m_graphic);
    QAction *addMarker = menu.addAction(tr("Add Marker"));
    if (menu.exec(m_graphic->mapToGlobal(pos)) == addMarker)
        emit signalAddMarker(m_chart->mapToValue(m_graphic->mapToScene(pos), m_series));
}
