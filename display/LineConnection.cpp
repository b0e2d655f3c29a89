#include "LineConnection.h"

#include "MarkerValue.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kReadoutGap = 2;
constexpr int kMaxXDecimals = 12;

// The keyboard button's image in the marker's colour (drawn rather than loaded).
QPixmap keyboardImage(const QColor &colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(colour, 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 11), 2, 2);
    for (int row = 0; row < 2; ++row) {
        for (int key = 0; key < 4; ++key)
            painter.drawPoint(3 + 3 * key, 3 + 3 * row);
    }
    painter.drawLine(4, 9, 11, 9);
    return pixmap;
}
}  // namespace

LineConnection::LineConnection(int number, QWidget *parent)
    : QPushButton(parent), m_number(number)
{
    m_menu = new MarkerValue(this);  // reads the marker's state: made once the members exist
    setObjectName(QStringLiteral("lineMarker%1").arg(number));
    setFlat(true);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::SizeHorCursor);
    setToolTip(tr("Drag to move the marker; right-click for its settings"));
    createReadout(parent);
    connect(m_menu, &MarkerValue::signalChanged, this, &LineConnection::signalChanged);
    connect(m_menu, &MarkerValue::signalDelete, this, &LineConnection::signalDelete);
    applyColour();
}

LineConnection::~LineConnection() { delete m_markerRect.data(); }

void LineConnection::createReadout(QWidget *parent)
{
    m_markerRect = new QFrame(parent);
    m_markerRect->setObjectName(QStringLiteral("markerRect"));
    m_lblInfoX = new QLabel(m_markerRect);
    m_lblInfoX->setObjectName(QStringLiteral("lblInfoX"));
    m_lblInfoY = new QLabel(m_markerRect);
    m_lblInfoY->setObjectName(QStringLiteral("lblInfoY"));
    m_butKeyboard = new QPushButton(m_markerRect);
    m_butKeyboard->setObjectName(QStringLiteral("butKeyboardMarker"));
    m_butKeyboard->setFlat(true);
    m_butKeyboard->setFixedSize(20, 16);
    m_butKeyboard->setToolTip(tr("Enter the marker position"));
    auto *labels = new QVBoxLayout;
    labels->setSpacing(0);
    labels->addWidget(m_lblInfoX);
    labels->addWidget(m_lblInfoY);
    auto *layout = new QHBoxLayout(m_markerRect);
    layout->setContentsMargins(3, 1, 4, 1);
    layout->setSpacing(3);
    layout->addWidget(m_butKeyboard, 0, Qt::AlignTop);
    layout->addLayout(labels);
    connect(m_butKeyboard, &QPushButton::clicked, this, &LineConnection::signalKeyboard);
    updateTextInfo();
}

void LineConnection::setSeries(const QVector<QPointF> &series, double plotWidth)
{
    m_series = series;
    m_spacing = MarkerMath::spacing(series);
    m_plotWidth = plotWidth;
    if (m_isHidden)
        return;
    if (m_mode != MarkerMath::ModeRedrawOnly) {
        m_reading = MarkerMath::follow(m_series, m_mode, m_reading.x, m_plotWidth, m_displayRule);
        updateTextInfo();
    }
    update();
}

void LineConnection::setX(double x)
{
    m_reading.x = x;
    readAtX();
}

void LineConnection::readAtX()
{
    if (m_mode == MarkerMath::ModeRedrawOnly)
        return;
    m_reading = MarkerMath::valueAt(m_series, m_reading.x, m_plotWidth, m_displayRule);
    updateTextInfo();
}

void LineConnection::enterPosition(double x)
{
    if (m_mode != MarkerMath::ModeRedrawOnly)
        m_mode = MarkerMath::ModeManual;  // a marker put somewhere by hand stays there
    setX(x);
    m_menu->syncChecks();
    update();
    emit signalChanged();
}

void LineConnection::setMode(int mode)
{
    m_mode = mode;
    m_reading = MarkerMath::follow(m_series, m_mode, m_reading.x, m_plotWidth, m_displayRule);
    m_menu->syncChecks();
    updateTextInfo();
    update();
}

void LineConnection::setDisplayRule(int rule)
{
    m_displayRule = rule;
    readAtX();
    m_menu->syncChecks();
}

void LineConnection::setColourName(const QString &name)
{
    m_colourName = name;
    applyColour();
    m_menu->syncChecks();
}

void LineConnection::setCurveColour(const QColor &colour)
{
    if (colour == m_curveColour)
        return;
    m_curveColour = colour;
    applyColour();
}

QColor LineConnection::colourOf(const QString &name, const QColor &curve)
{
    if (name == QLatin1String("Yellow"))
        return QColor(255, 214, 0);
    if (name == QLatin1String("Red"))
        return QColor(255, 72, 72);
    if (name == QLatin1String("Turquoise"))
        return QColor(64, 224, 208);
    return curve.isValid() ? curve : QColor(32, 159, 223);
}

QColor LineConnection::colour() const { return colourOf(m_colourName, m_curveColour); }

void LineConnection::applyColour()
{
    const QColor c = colour();
    m_markerRect->setStyleSheet(QStringLiteral("QFrame#markerRect { background: rgba(24, 24, 24, 210); border: 1px solid %1; }"
                                               "QLabel { color: %1; background: transparent; border: none; }")
                                    .arg(c.name()));
    m_butKeyboard->setIcon(QIcon(keyboardImage(c)));
    update();
}

void LineConnection::setHidden(bool isHidden)
{
    m_isHidden = isHidden;
    m_menu->syncChecks();
    if (!isHidden)
        setSeries(m_series, m_plotWidth);
}

void LineConnection::setUnits(const QString &xUnit, const QString &yUnit, double unitFactor)
{
    if (xUnit == m_xUnit && yUnit == m_yUnit && unitFactor == m_unitFactor)
        return;
    m_xUnit = xUnit;
    m_yUnit = yUnit;
    m_unitFactor = unitFactor;
    m_menu->setAccuracyOffered(unitFactor > 0.0);
    updateTextInfo();
}

void LineConnection::setAccuracy(double hz)
{
    m_accuracyHz = hz;
    m_xDecimals = kXDecimalsByRule;
    m_menu->syncChecks();
    updateTextInfo();
}

void LineConnection::setXDecimals(int decimals)
{
    m_xDecimals = decimals < 0 ? kXDecimalsByRule : std::min(decimals, kMaxXDecimals);
    updateTextInfo();
}

int LineConnection::xDecimals() const
{
    if (m_xDecimals >= 0)
        return m_xDecimals;
    if (m_unitFactor > 0.0 && m_accuracyHz > 0.0)
        return std::max(0, int(std::lround(std::log10(m_unitFactor / m_accuracyHz))));
    return kXDecimalsByRule;
}

QString LineConnection::textX() const
{
    const int decimals = xDecimals();
    const QString number = decimals >= 0 ? QString::number(m_reading.x, 'f', decimals) : MarkerMath::formatValue(m_reading.x);
    return MarkerMath::withUnit(number, m_xUnit);
}

QString LineConnection::textY() const { return MarkerMath::readout(m_reading, m_yUnit); }

void LineConnection::updateTextInfo()
{
    const QString x = QStringLiteral("M%1  ").arg(m_number) + textX();
    if (m_lblInfoX->text() != x)
        m_lblInfoX->setText(x);
    const QString y = textY();
    if (m_lblInfoY->text() != y)
        m_lblInfoY->setText(y);
}

void LineConnection::place(const QRectF &plot, int pixelX, int row)
{
    m_pixelX = pixelX;
    const bool isShown = !m_isHidden && plot.width() > 0 && pixelX >= int(plot.left()) - 1 && pixelX <= int(plot.right()) + 1;
    setVisible(isShown);
    m_markerRect->setVisible(isShown && m_mode != MarkerMath::ModeRedrawOnly);
    if (!isShown)
        return;
    const int radius = kHandleDiameter / 2;
    setGeometry(pixelX - radius, int(plot.top()) - radius, kHandleDiameter, int(plot.height()) + radius);
    if (!m_markerRect->isVisible())
        return;
    m_markerRect->layout()->invalidate();  // the labels' texts may have changed since the last layout pass
    m_markerRect->adjustSize();
    const QSize size = m_markerRect->size();
    int x = pixelX + radius + kReadoutGap;
    if (x + size.width() > plot.right())
        x = pixelX - radius - kReadoutGap - size.width();
    m_markerRect->move(x, int(plot.top()) + kReadoutGap + row * (size.height() + kReadoutGap));
}

void LineConnection::raiseAll()
{
    raise();
    m_markerRect->raise();
}

void LineConnection::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor c = colour();
    const double radius = kHandleDiameter / 2.0;
    const double centre = width() / 2.0;
    painter.setPen(QPen(c, 1));
    painter.drawLine(QPointF(centre, radius), QPointF(centre, height()));
    if (m_mode == MarkerMath::ModeRedrawOnly)
        return;
    // The handle: a plain circle with the number in manual mode, with an
    // upward or downward triangle when the marker follows the maximum or minimum.
    const QRectF circle(centre - radius + 0.5, 0.5, kHandleDiameter - 1, kHandleDiameter - 1);
    painter.setBrush(c);
    painter.drawEllipse(circle);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const QPointF mid = circle.center();
    if (m_mode == MarkerMath::ModeMaximum) {
        painter.drawPolygon(QPolygonF({mid + QPointF(-3.5, 2.5), mid + QPointF(3.5, 2.5), mid + QPointF(0, -3.5)}));
    } else if (m_mode == MarkerMath::ModeMinimum) {
        painter.drawPolygon(QPolygonF({mid + QPointF(-3.5, -2.5), mid + QPointF(3.5, -2.5), mid + QPointF(0, 3.5)}));
    } else {
        QFont font = painter.font();
        font.setPixelSize(9);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(circle, Qt::AlignCenter, QString::number(m_number));
    }
}

void LineConnection::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_mode == MarkerMath::ModeRedrawOnly) {
        event->ignore();
        return;
    }
    setFocus();
    m_isDragging = true;
    m_dragOffset = event->pos().x() - width() / 2;
    event->accept();
}

void LineConnection::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_isDragging)
        return;
    const QPoint pos = mapToParent(QPoint(event->pos().x() - m_dragOffset, event->pos().y()));
    emit signalMoveLine(pos);
    emit signalSendCoord(pos);
}

void LineConnection::mouseReleaseEvent(QMouseEvent *event)
{
    m_isDragging = false;
    event->accept();
}

void LineConnection::keyPressEvent(QKeyEvent *event)
{
    // The arrow keys step the marker by one point of its series.
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && m_spacing != 0.0)
        enterPosition(m_reading.x + (event->key() == Qt::Key_Left ? -m_spacing : m_spacing));
    else
        QPushButton::keyPressEvent(event);
}

void LineConnection::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_mode == MarkerMath::ModeRedrawOnly)
        event->ignore();
    else
        m_menu->menu()->exec(event->globalPos());
}
