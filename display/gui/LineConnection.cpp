#include "LineConnection.h"

#include "MarkerValue.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
constexpr int kReadoutGap = 2;
constexpr int kMaxXDecimals = 12;
constexpr int kPadding = 3;
const QSize kKeyboardSize(16, 12);
const QColor kReadoutBackground(24, 24, 24, 210);

// The keyboard button's image in the marker's colour (drawn rather than loaded).
void paintKeyboard(QPainter &painter, const QRect &rect, const QColor &colour)
{
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    for (int row = 0; row < 2; ++row) {
        for (int key = 0; key < 4; ++key)
            painter.drawPoint(rect.left() + 3 + 3 * key, rect.top() + 3 + 3 * row);
    }
    painter.drawLine(rect.left() + 4, rect.top() + 9, rect.left() + 11, rect.top() + 9);
}
}  // namespace

LineConnection::LineConnection(int number, QObject *parent) : QObject(parent), m_number(number)
{
    setObjectName(QStringLiteral("lineMarker%1").arg(number));
    m_menu = new MarkerValue(this);  // reads the marker's state: made once the members exist
    connect(m_menu, &MarkerValue::signalChanged, this, &LineConnection::signalChanged);
    connect(m_menu, &MarkerValue::signalDelete, this, &LineConnection::signalDelete);
}

LineConnection::~LineConnection() = default;

void LineConnection::setSeries(const QVector<QPointF> &series, double plotWidth)
{
    m_series = series;
    m_spacing = MarkerMath::spacing(series);
    m_plotWidth = plotWidth;
    if (!m_isHidden && m_mode != MarkerMath::ModeRedrawOnly)
        m_reading = MarkerMath::follow(m_series, m_mode, m_reading.x, m_plotWidth, m_displayRule);
}

void LineConnection::setX(double x)
{
    m_reading.x = x;
    readAtX();
}

void LineConnection::readAtX()
{
    if (m_mode != MarkerMath::ModeRedrawOnly)
        m_reading = MarkerMath::valueAt(m_series, m_reading.x, m_plotWidth, m_displayRule);
}

void LineConnection::enterPosition(double x)
{
    if (m_mode != MarkerMath::ModeRedrawOnly)
        m_mode = MarkerMath::ModeManual;  // a marker put somewhere by hand stays there
    setX(x);
    m_menu->syncChecks();
    emit signalChanged();
}

void LineConnection::dragTo(const QPoint &pos)
{
    emit signalMoveLine(pos);
    emit signalSendCoord(pos);
}

void LineConnection::step(int points)
{
    if (m_spacing != 0.0)
        enterPosition(m_reading.x + points * m_spacing);
}

void LineConnection::setMode(int mode)
{
    m_mode = mode;
    m_reading = MarkerMath::follow(m_series, m_mode, m_reading.x, m_plotWidth, m_displayRule);
    m_menu->syncChecks();
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
    m_menu->syncChecks();
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
}

void LineConnection::setAccuracy(double hz)
{
    m_accuracyHz = hz;
    m_xDecimals = kXDecimalsByRule;
    m_menu->syncChecks();
}

void LineConnection::setXDecimals(int decimals)
{
    m_xDecimals = decimals < 0 ? kXDecimalsByRule : std::min(decimals, kMaxXDecimals);
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

QString LineConnection::lblInfoX() const { return QStringLiteral("M%1  ").arg(m_number) + textX(); }

QString LineConnection::lblInfoY() const { return textY(); }

void LineConnection::place(const QRectF &plot, int pixelX, int row, const QFont &font)
{
    m_pixelX = pixelX;
    m_plotTop = int(plot.top());
    m_plotBottom = int(plot.bottom());
    m_isShown = !m_isHidden && plot.width() > 0 && pixelX >= int(plot.left()) - 1 && pixelX <= int(plot.right()) + 1;
    const int radius = kHandleDiameter / 2;
    m_handleRect = QRect(pixelX - radius, m_plotTop, kHandleDiameter, kHandleDiameter);
    if (!m_isShown || m_mode == MarkerMath::ModeRedrawOnly) {
        m_markerRect = m_keyboardRect = QRect();
        return;
    }
    const QFontMetrics metrics(font);
    const int textWidth = std::max(metrics.horizontalAdvance(lblInfoX()), metrics.horizontalAdvance(lblInfoY()));
    const QSize size(kPadding + kKeyboardSize.width() + 2 * kPadding + textWidth + kPadding,
                     2 * metrics.height() + 2 * kPadding);
    int x = pixelX + radius + kReadoutGap;
    if (x + size.width() > plot.right())
        x = pixelX - radius - kReadoutGap - size.width();
    x = std::max(x, int(plot.left()) + 1);  // never over the axis and its title
    m_markerRect = QRect(QPoint(x, m_plotTop + kReadoutGap + row * (size.height() + kReadoutGap)), size);
    m_keyboardRect = QRect(m_markerRect.topLeft() + QPoint(kPadding, kPadding), kKeyboardSize);
}

void LineConnection::hideReadout()
{
    m_markerRect = m_keyboardRect = QRect();
}

LineConnection::Hit LineConnection::hitTest(const QPoint &pos) const
{
    if (!m_isShown || m_mode == MarkerMath::ModeRedrawOnly)
        return HitNone;
    if (m_keyboardRect.adjusted(-2, -2, 2, 2).contains(pos))
        return HitKeyboard;
    if (m_markerRect.contains(pos))
        return HitReadout;
    if (m_handleRect.contains(pos))
        return HitHandle;
    if (std::abs(pos.x() - m_pixelX) <= kGripPixels && pos.y() >= m_plotTop && pos.y() <= m_plotBottom)
        return HitLine;
    return HitNone;
}

void LineConnection::paintLine(QPainter &painter, const QRectF &plot) const
{
    if (!m_isShown)
        return;
    painter.setPen(QPen(colour(), 1));
    painter.drawLine(QPointF(m_pixelX + 0.5, plot.top()), QPointF(m_pixelX + 0.5, plot.bottom()));
    if (m_mode != MarkerMath::ModeRedrawOnly)
        paintHandle(painter);
}

// A plain circle with the number in manual mode, with an upward or downward
// triangle when the marker follows the maximum or the minimum.
void LineConnection::paintHandle(QPainter &painter) const
{
    const QColor c = colour();
    const QRectF circle = QRectF(m_handleRect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(c, 1));
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
        QFont small = painter.font();
        small.setPixelSize(9);
        small.setBold(true);
        painter.setFont(small);
        painter.drawText(circle, Qt::AlignCenter, QString::number(m_number));
    }
}

void LineConnection::paintReadout(QPainter &painter, const QFont &font) const
{
    if (m_markerRect.isEmpty())
        return;
    const QColor c = colour();
    painter.setPen(QPen(c, 1));
    painter.setBrush(kReadoutBackground);
    painter.drawRect(QRectF(m_markerRect).adjusted(0.5, 0.5, -0.5, -0.5));
    paintKeyboard(painter, m_keyboardRect, c);
    painter.setFont(font);
    painter.setPen(c);
    const QFontMetrics metrics(font);
    const int textLeft = m_keyboardRect.right() + 1 + 2 * kPadding;
    painter.drawText(QPoint(textLeft, m_markerRect.top() + kPadding + metrics.ascent()), lblInfoX());
    painter.drawText(QPoint(textLeft, m_markerRect.top() + kPadding + metrics.height() + metrics.ascent()), lblInfoY());
}
