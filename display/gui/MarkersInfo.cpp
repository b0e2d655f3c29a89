#include "MarkersInfo.h"

#include "CalculateDate.h"
#include "DisplayGraphicSignal.h"
#include "Graphic.h"
#include "GuiMenuMarkerData.h"
#include "LineConnection.h"
#include "ManagerSignal.h"
#include "MarkerMath.h"
#include "MarkerValue.h"
#include "UnitPrefix.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QFrame>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int kGripPixels = 5;  // how near an edge of the RMS selection grabs that edge
constexpr int kInfoMargin = 4;
const QColor kSelectionColour(64, 224, 208);
}  // namespace

MarkersInfo::MarkersInfo(DisplayGraphicSignal *view) : QObject(view), m_view(view)
{
    createWidgets();
    connect(view, &DisplayGraphicSignal::signalAddMarker, this, &MarkersInfo::slotAddMarker);
    connect(view, &DisplayGraphicSignal::dataShown, this, &MarkersInfo::slotNewData);
    connect(view->graphic(), &Graphic::resizeSignal, this, &MarkersInfo::updateLine);
    connect(view->chart(), &QChart::plotAreaChanged, this, &MarkersInfo::updateLine);
    connect(view->axisX(), &QValueAxis::rangeChanged, this, &MarkersInfo::updateLine);
    connect(view->graphic(), &Graphic::paintOverlay, this, &MarkersInfo::paintOverlay);
    // After the view's own retranslation, which is connected first.
    connect(view->graphic(), &Graphic::languageChanged, this, &MarkersInfo::retranslate);
    connect(view->graphic(), &Graphic::destroying, this, &MarkersInfo::detachFromGraphic);
    m_watchedView = view->graphic();
    m_watchedViewport = view->graphic()->viewport();
    view->graphic()->viewport()->installEventFilter(this);
    view->graphic()->installEventFilter(this);  // key presses arrive at the view, not its viewport
}

MarkersInfo::~MarkersInfo()
{
    // The view goes first: its chart view, which hosts the markers' widgets, may stay.
    detachFromGraphic();
    const QPointer<QObject> widgets[] = {m_panel.data(), m_butMenu.data(), m_selection.data()};
    for (const QPointer<QObject> &widget : widgets)
        delete widget.data();
}

void MarkersInfo::detachFromGraphic()
{
    for (QPointer<QObject> *watched : {&m_watchedSelection, &m_watchedViewport, &m_watchedView}) {
        if (*watched)
            (*watched)->removeEventFilter(this);
        *watched = nullptr;
    }
}

GuiMenuMarkerData *MarkersInfo::panel() const { return m_panel; }

void MarkersInfo::createWidgets()
{
    Graphic *graphic = m_view->graphic();
    m_selection = new QFrame(graphic);
    m_selection->setObjectName(QStringLiteral("wgtSelectSignal"));
    m_selection->setStyleSheet(QStringLiteral("QFrame#wgtSelectSignal { background: rgba(%1, %2, %3, 40);"
                                              " border-left: 2px solid %4; border-right: 2px solid %4; }")
                                   .arg(kSelectionColour.red()).arg(kSelectionColour.green())
                                   .arg(kSelectionColour.blue()).arg(kSelectionColour.name()));
    m_selection->setCursor(Qt::OpenHandCursor);
    m_selection->installEventFilter(this);
    m_watchedSelection = static_cast<QObject *>(m_selection.data());
    m_selection->hide();
    m_butMenu = new QToolButton(graphic);
    m_butMenu->setObjectName(QStringLiteral("butMenuMarker"));
    m_butMenu->setAutoRaise(true);
    connect(m_butMenu.data(), &QToolButton::clicked, this, &MarkersInfo::showPanel);
    m_panel = new GuiMenuMarkerData(this, graphic);
    retranslate();
}

void MarkersInfo::retranslate()
{
    m_selection->setToolTip(tr("Drag to move the RMS stretch, drag an edge to resize it"));
    m_butMenu->setText(tr("Markers") + QStringLiteral(" \u25BE"));
    m_butMenu->setToolTip(tr("Markers and measurements"));
    if (!isActive()) {
        resizeInfo();
        return;
    }
    // The view has put its axis titles in the new language by now: the readouts take their units.
    refreshUnits();
    updateInfo();
    updateLine();
}

QList<LineConnection *> MarkersInfo::markers() const
{
    QList<LineConnection *> list;
    for (const QPointer<LineConnection> &marker : m_markers) {
        if (marker)
            list << marker.data();
    }
    return list;
}

QList<LineConnection *> MarkersInfo::bandLines() const
{
    QList<LineConnection *> list;
    for (const QPointer<LineConnection> &line : m_bandLines) {
        if (line)
            list << line.data();
    }
    return list;
}

bool MarkersInfo::isSpectrum() const
{
    return m_view->worker() && m_view->worker()->kind() == CalculateDateSlot::KindSpectrum;
}

bool MarkersInfo::isActive() const
{
    return !m_markers.isEmpty() || m_isChannelPower || m_isRms || m_mode == ModeOccupiedBandwidth;
}

QString MarkersInfo::unitOfTitle(const QString &title)
{
    const int open = title.lastIndexOf(QLatin1Char('('));
    const int close = title.lastIndexOf(QLatin1Char(')'));
    return open >= 0 && close > open ? title.mid(open + 1, close - open - 1) : QString();
}

void MarkersInfo::refreshUnits()
{
    m_xUnit = unitOfTitle(m_view->axisTitle(Qt::Horizontal));
    m_yUnit = unitOfTitle(m_view->axisTitle(Qt::Vertical));
    const double factor = isSpectrum() ? m_view->calculate()->unitFactor() : 0.0;
    for (LineConnection *marker : markers())
        marker->setUnits(m_xUnit, m_yUnit, factor);
}

void MarkersInfo::slotAddMarker(QPointF value)
{
    addMarker(value.x());
}

LineConnection *MarkersInfo::addMarker(double x)
{
    static const QStringList kCycle = {QStringLiteral("Yellow"), QStringLiteral("Red"), QStringLiteral("Turquoise")};
    auto *marker = new LineConnection(m_nextNumber, this);
    marker->setColourName(kCycle.at((m_nextNumber - 1) % kCycle.size()));
    // A spectrum marker shows the highest level under its pixel, so that a peak
    // reads as the peak on a dense spectrum; time plots show the mean.
    if (isSpectrum())
        marker->setDisplayRule(MarkerMath::RuleMaximum);
    ++m_nextNumber;
    m_markers << marker;
    connectMarker(marker);
    takeFullSeries();
    refreshUnits();
    marker->setCurveColour(m_view->lineSeries()->pen().color());
    marker->setSeries(m_series, m_view->graphic()->plotRect().width());
    marker->setX(MarkerMath::nearestX(m_series, x));
    m_active = marker;
    reportMarker(marker);
    updateInfo();
    updateLine();
    emit signalUpdate();
    return marker;
}

void MarkersInfo::connectMarker(LineConnection *marker)
{
    connect(marker, &LineConnection::signalMoveLine, this, [this, marker](QPoint pos) { moveMarker(marker, pos); });
    connect(marker, &LineConnection::signalKeyboard, this, [this, marker] { keyboardEntry(marker); });
    connect(marker, &LineConnection::signalDelete, this, [this, marker] { removeMarker(marker); });
    connect(marker, &LineConnection::signalChanged, this, [this, marker] {
        reportMarker(marker);
        updateInfo();
        updateLine();
        emit signalUpdate();
    });
    connect(marker->menu(), &MarkerValue::signalChanged, this, &MarkersInfo::signalChangePrecision);
}

void MarkersInfo::removeMarker(LineConnection *marker)
{
    m_markers.removeAll(marker);
    marker->deleteLater();  // it may be inside its own menu's handler
    // No current marker left. Not clearMarker(): that also releases the hub's
    // selected records, which belong to the plot's signal selection.
    if (m_markers.isEmpty())
        m_view->hub()->setMarker(Marker());
    updateInfo();
    updateLine();
    emit signalUpdate();
}

void MarkersInfo::reportMarker(const LineConnection *marker)
{
    Marker current;
    current.isSet = true;
    current.x = marker->x();
    current.mode = marker->mode();
    m_view->hub()->setMarker(current);
}

int MarkersInfo::pixelOf(double x) const
{
    const QPointF scene = m_view->chart()->mapToPosition(QPointF(x, m_view->axisY()->min()), m_view->lineSeries());
    return int(m_view->graphic()->mapFromScene(scene).x());
}

double MarkersInfo::valueAtPixel(int pixelX) const
{
    const QPointF scene = m_view->graphic()->mapToScene(QPoint(pixelX, 0));
    return m_view->chart()->mapToValue(scene, m_view->lineSeries()).x();
}

void MarkersInfo::moveMarker(LineConnection *marker, const QPoint &pos)
{
    const QRectF plot = m_view->graphic()->plotRect();
    const int pixelX = qBound(int(plot.left()), pos.x(), int(plot.right()));
    marker->enterPosition(MarkerMath::nearestX(m_series, valueAtPixel(pixelX)));  // on a point, not between
}

void MarkersInfo::keyboardEntry(LineConnection *marker)
{
    bool ok = false;
    const QString unit = m_xUnit.isEmpty() ? QString() : QStringLiteral(" (") + m_xUnit + QLatin1Char(')');
    const double x = QInputDialog::getDouble(m_view->graphic(), tr("Marker %1").arg(marker->number()),
                                             tr("Position") + unit, marker->x(), -1e15, 1e15, 9, &ok);
    if (ok)
        marker->enterPosition(x);
}

void MarkersInfo::takeFullSeries()
{
    if (!m_view->worker())
        return;
    // The cache can be dropped by a new selection between the worker's request and
    // this frame; the last series then stands until the next one.
    const QVector<QPointF> full = m_view->calculate()->fullSeries(m_view->worker()->signalIndex(), m_view->worker()->kind());
    if (!full.isEmpty())
        m_series = full;
}

void MarkersInfo::slotNewData()
{
    if (!isActive() || !m_view->worker())
        return;
    takeFullSeries();
    refreshUnits();
    const double plotWidth = m_view->graphic()->plotRect().width();
    const QColor curve = m_view->lineSeries()->pen().color();
    for (LineConnection *marker : markers()) {
        marker->setCurveColour(curve);
        marker->setSeries(m_series, plotWidth);
    }
    updateInfo();
    updateLine();
}

void MarkersInfo::setChannelPower(bool isShown)
{
    m_isChannelPower = isShown && isSpectrum();
    if (m_isChannelPower) {
        // Two markers delimit the band: add what is missing inside the x range.
        const double xMin = m_view->axisX()->min(), span = m_view->axisX()->max() - xMin;
        for (int i = markers().size(); i < 2; ++i)
            addMarker(xMin + kNewPairShares[i] * span);
    }
    updateInfo();
    emit signalChangeMode();
}

void MarkersInfo::setRms(bool isShown)
{
    m_isRms = isShown;
    if (isShown)
        slotNewData();
    updateInfo();
    emit signalChangeMode();
}

void MarkersInfo::setSelectSignal(bool isShown)
{
    m_isSelectSignal = isShown;
    updateInfo();
    if (isShown)
        m_selection->raise();
    emit signalChangeMode();
}

void MarkersInfo::setModeOBW(bool isOccupiedBandwidth)
{
    m_mode = isOccupiedBandwidth && isSpectrum() ? ModeOccupiedBandwidth : ModeStandard;
    for (int i = 0; i < 2; ++i) {
        if (m_mode == ModeOccupiedBandwidth && !m_bandLines[i]) {
            m_bandLines[i] = new LineConnection(0, this);
            m_bandLines[i]->setColourName(QStringLiteral("Turquoise"));
            m_bandLines[i]->setMode(MarkerMath::ModeRedrawOnly);
        } else if (m_mode == ModeStandard && m_bandLines[i]) {
            delete m_bandLines[i].data();
        }
    }
    slotNewData();
    updateInfo();
    updateLine();
    emit signalChangeMode();
}

void MarkersInfo::setRmsRange(double from, double to)
{
    m_rmsFrom = qBound(0.0, std::min(from, to), 1.0);
    m_rmsTo = qBound(0.0, std::max(from, to), 1.0);
    updateInfo();
}

double MarkersInfo::computeRms() const
{
    ManagerSignal *hub = m_view->hub();
    const int index = m_view->worker() ? m_view->worker()->signalIndex() : 1;
    // The selection points into the hub's vectors: read them under its lock.
    QMutexLocker lock(hub->mutex());
    const SignalSelection selection = hub->selection(index);
    const int n = selection.size();
    const double from = m_isSelectSignal ? m_rmsFrom : 0.0, to = m_isSelectSignal ? m_rmsTo : 1.0;
    const int first = qBound(0, int(from * n), n), behind = qBound(first, int(to * n), n);
    return MarkerMath::rmsPower(selection.first ? selection.first + first : nullptr, behind - first);
}

void MarkersInfo::updateBandLines()
{
    if (m_mode != ModeOccupiedBandwidth)
        return;
    m_band = MarkerMath::occupiedBand(m_series);
    if (m_bandLines[0])
        m_bandLines[0]->setX(m_band.first);
    if (m_bandLines[1])
        m_bandLines[1]->setX(m_band.second);
}

void MarkersInfo::updateInfo()
{
    QStringList lines;
    if (m_isChannelPower) {
        const QList<LineConnection *> list = markers();
        if (list.size() >= 2) {
            m_channelPower = MarkerMath::channelPower(m_series, list.at(0)->x(), list.at(1)->x(),
                                                      m_view->axisX()->min(), m_view->axisX()->max());
            lines << tr("POWER: ") + MarkerMath::formatValue(m_channelPower) + tr(" dBm");
        } else {
            lines << tr("POWER: ") + QStringLiteral("- -") + tr(" dBm");
        }
    }
    if (m_isRms) {
        m_rms = computeRms();
        lines << tr("RMS: ") + MarkerMath::formatValue(m_rms) + tr(" dBm");
    }
    if (m_mode == ModeOccupiedBandwidth) {
        updateBandLines();
        lines << tr("OBW: ") + occupiedWidthText();
    }
    m_infoText = lines.join(QLatin1Char('\n'));
    resizeInfo();
    repaint();
}

QString MarkersInfo::occupiedWidthText() const
{
    // The width takes its own prefix: 290 kHz around a 1 GHz carrier is not "0 GHz".
    const double widthHz = (m_band.second - m_band.first) * m_view->calculate()->unitFactor();
    return UnitPrefix::formatLarge(widthHz, tr("Hz"), MarkerMath::kDecimals);
}

void MarkersInfo::updateTextInfo()
{
    // The readouts are drawn from the markers' state: placing them again sizes
    // their rectangles to the new texts.
    updateLine();
}

void MarkersInfo::repaint()
{
    // Through the scene, not the viewport: the scene gathers this with the new
    // series' own update into one repaint of the view, while an update of the
    // viewport is painted apart from it (measured: 1.75 repaints per frame).
    QChart *chart = m_view->chart();
    chart->scene()->update(chart->mapToScene(chart->plotArea().adjusted(-1, -1, 1, 1)).boundingRect());
}

void MarkersInfo::updateLine()
{
    const QRectF plot = m_view->graphic()->plotRect();
    const QFont font = m_view->graphic()->font();
    int row = 0;
    for (LineConnection *marker : markers()) {
        marker->place(plot, pixelOf(marker->x()), row, font);
        if (marker->isShown())
            ++row;
    }
    for (LineConnection *line : bandLines())
        line->place(plot, pixelOf(line->x()), 0, font);
    resizeInfo();
    giveWayToOtherReadouts(plot);
    repaint();
}

void MarkersInfo::giveWayToOtherReadouts(const QRectF &plot)
{
    // In a small plot the readouts stacked from the top would run into the measurement
    // box or below the plot: those markers keep their line and handle only, and the
    // marker panel still reads their values.
    QVector<QRect> taken;
    if (!m_infoRect.isEmpty())
        taken.append(m_infoRect);
    for (LineConnection *marker : markers()) {
        const QRect readout = marker->markerRect();
        if (readout.isEmpty())
            continue;
        const bool fits = readout.bottom() <= plot.bottom() && readout.right() <= plot.right() + 1
                          && std::none_of(taken.cbegin(), taken.cend(),
                                          [&readout](const QRect &other) { return other.intersects(readout); });
        if (fits)
            taken.append(readout);
        else
            marker->hideReadout();
    }
}

void MarkersInfo::resizeInfo()
{
    const QRectF plot = m_view->graphic()->plotRect();
    m_butMenu->adjustSize();
    m_butMenu->move(2, 2);
    if (m_infoText.isEmpty()) {
        m_infoRect = QRect();
    } else {
        const QFontMetrics metrics(m_view->graphic()->font());
        const QSize size = metrics.size(0, m_infoText) + QSize(2 * kInfoMargin, 2 * kInfoMargin);
        m_infoRect = QRect(QPoint(int(plot.right()) - size.width() - kInfoMargin,
                                  int(plot.bottom()) - size.height() - kInfoMargin), size);
    }
    m_selection->setVisible(m_isSelectSignal);
    if (m_isSelectSignal) {
        const int left = int(plot.left() + m_rmsFrom * plot.width());
        const int right = int(plot.left() + m_rmsTo * plot.width());
        m_selection->setGeometry(left, int(plot.top()), std::max(kGripPixels, right - left), int(plot.height()));
    }
}

void MarkersInfo::showPanel()
{
    m_panel->adjustSize();
    m_panel->move(m_butMenu->mapToGlobal(QPoint(0, m_butMenu->height())));
    m_panel->show();
    m_panel->raise();
}

void MarkersInfo::paintOverlay(QPainter *painter)
{
    if (!isActive())
        return;
    const QRectF plot = m_view->graphic()->plotRect();
    const QFont font = m_view->graphic()->font();
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (LineConnection *line : bandLines())
        line->paintLine(*painter, plot);
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QList<LineConnection *> list = markers();
    for (LineConnection *marker : list)
        marker->paintLine(*painter, plot);
    for (LineConnection *marker : list)
        marker->paintReadout(*painter, font);
    if (!m_infoRect.isEmpty()) {
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QColor(120, 120, 120));
        painter->setBrush(QColor(24, 24, 24, 210));
        painter->drawRect(m_infoRect.adjusted(0, 0, -1, -1));
        painter->setPen(QColor(230, 230, 230));
        painter->setFont(font);
        painter->drawText(m_infoRect.adjusted(kInfoMargin, kInfoMargin, -kInfoMargin, -kInfoMargin),
                          Qt::AlignLeft | Qt::AlignTop, m_infoText);
    }
}

LineConnection *MarkersInfo::markerAt(const QPoint &pos, LineConnection::Hit *hit) const
{
    // In drawing order reversed: readouts lie above all lines, and a later marker
    // above an earlier one.
    const QList<LineConnection *> list = markers();
    for (const bool isReadoutPass : {true, false}) {
        for (int i = list.size() - 1; i >= 0; --i) {
            const LineConnection::Hit found = list.at(i)->hitTest(pos);
            const bool isReadout = found == LineConnection::HitKeyboard || found == LineConnection::HitReadout;
            if (found != LineConnection::HitNone && isReadout == isReadoutPass) {
                if (hit)
                    *hit = found;
                return list.at(i);
            }
        }
    }
    return nullptr;
}

bool MarkersInfo::eventFilter(QObject *watched, QEvent *event)
{
    // Compared as plain objects, never cast: see detachFromGraphic().
    if (watched == m_watchedSelection.data())
        return selectionEvent(event);
    if (m_markers.isEmpty() || event->type() == QEvent::Destroy || event->type() == QEvent::ChildRemoved)
        return false;
    if (watched == m_watchedView.data()) {
        if (event->type() != QEvent::KeyPress || !m_active)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        m_active->step(key == Qt::Key_Left ? -1 : 1);  // arrow keys step the last touched marker
        return true;
    }
    return plotMouseEvent(event);
}

bool MarkersInfo::plotMouseEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        LineConnection::Hit hit = LineConnection::HitNone;
        LineConnection *marker = markerAt(mouse->pos(), &hit);
        if (!marker || mouse->button() != Qt::LeftButton)
            return false;
        m_active = marker;
        m_view->graphic()->setFocus();
        if (hit == LineConnection::HitKeyboard)
            emit marker->signalKeyboard();
        else if (hit != LineConnection::HitReadout)
            m_dragged = marker;
        m_dragOffset = mouse->pos().x() - marker->pixelX();  // the line keeps its distance to the mouse
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_dragged) {
            m_dragged->dragTo(mouse->pos() - QPoint(m_dragOffset, 0));
            return true;
        }
        if (mouse->buttons() == Qt::NoButton) {
            LineConnection::Hit hit = LineConnection::HitNone;
            const bool isOver = markerAt(mouse->pos(), &hit) && hit != LineConnection::HitReadout;
            m_view->graphic()->viewport()->setCursor(isOver ? Qt::SizeHorCursor : Qt::ArrowCursor);
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragged)
            return false;
        m_dragged = nullptr;
        return true;
    case QEvent::ContextMenu: {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        LineConnection *marker = markerAt(menuEvent->pos());
        if (!marker)
            return false;  // the plot's own menu ("Add Marker")
        m_active = marker;
        marker->menu()->menu()->exec(menuEvent->globalPos());
        return true;
    }
    default:
        return false;
    }
}

bool MarkersInfo::selectionEvent(QEvent *event)
{
    // Only mouse events are read as such: the selection receives every other kind too.
    const auto *mouse = dynamic_cast<QMouseEvent *>(event);
    if (!mouse)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (mouse->button() != Qt::LeftButton)
            return false;
        const int x = mouse->pos().x();
        m_grip = x < kGripPixels ? GripLeft : x >= m_selection->width() - kGripPixels ? GripRight : GripBody;
        m_gripX = mouse->globalPos().x();
        m_gripRange = rmsRange();
        return true;
    }
    case QEvent::MouseMove: {
        if (m_grip == GripNone)
            return false;
        const double width = std::max(1.0, m_view->graphic()->plotRect().width());
        const double shift = (mouse->globalPos().x() - m_gripX) / width;
        double from = m_gripRange.first, to = m_gripRange.second;
        if (m_grip == GripBody) {
            const double moved = qBound(-from, shift, 1.0 - to);
            from += moved;
            to += moved;
        } else if (m_grip == GripLeft) {
            from = qBound(0.0, from + shift, to - 1.0 / width);
        } else {
            to = qBound(from + 1.0 / width, to + shift, 1.0);
        }
        setRmsRange(from, to);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_grip = GripNone;
        return true;
    default:
        return false;
    }
}
