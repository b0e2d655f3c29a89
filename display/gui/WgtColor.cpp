#include "WgtColor.h"

namespace {
QString rgbText(const QColor &c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}
}  // namespace

WgtColor::WgtColor(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
}

QString WgtColor::gradientStyle(const QColor &top, const QColor &bottom)
{
    return QStringLiteral("QWidget { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,") + QStringLiteral("stop:0 ")
           + rgbText(top) + QStringLiteral(" stop:1 ") + rgbText(bottom) + QStringLiteral(");}");
}

void WgtColor::setColors(const QColor &high, const QColor &low) { setStyleSheet(gradientStyle(high, low)); }
