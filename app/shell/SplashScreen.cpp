#include "SplashScreen.h"

#include "StartupSettings.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QtMath>

SplashScreen::SplashScreen() : QSplashScreen(makePixmap())
{
    setObjectName(QStringLiteral("splashScreen"));
}

QPixmap SplashScreen::makePixmap()
{
    QPixmap pixmap(kWidth, kHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, kHeight);
    background.setColorAt(0.0, QColor(QStringLiteral("#1b2a3a")));
    background.setColorAt(1.0, QColor(QStringLiteral("#0d141c")));
    painter.fillRect(pixmap.rect(), background);

    // A stylised spectrum: a carrier with shoulders over a noise floor.
    QPainterPath trace;
    const int floorY = kHeight - 40;
    for (int x = 0; x <= kWidth; x += 2) {
        const double u = (x - kWidth / 2.0) / (kWidth / 9.0);
        const double carrier = 120.0 / (1.0 + qPow(u, 6));
        const double noise = 6.0 * qSin(x * 0.9) * qCos(x * 0.37);
        const double y = floorY - 12 - carrier - noise;
        if (x == 0)
            trace.moveTo(x, y);
        else
            trace.lineTo(x, y);
    }
    QPainterPath fill = trace;
    fill.lineTo(kWidth, kHeight);
    fill.lineTo(0, kHeight);
    fill.closeSubpath();
    QLinearGradient glow(0, floorY - 140, 0, kHeight);
    glow.setColorAt(0.0, QColor(61, 143, 214, 150));
    glow.setColorAt(1.0, QColor(61, 143, 214, 10));
    painter.fillPath(fill, glow);
    painter.setPen(QPen(QColor(QStringLiteral("#6cb6ff")), 1.6));
    painter.drawPath(trace);

    painter.setPen(QColor(QStringLiteral("#f2f5f8")));
    QFont title = painter.font();
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(28, 26, kWidth - 56, 52), Qt::AlignLeft | Qt::AlignVCenter, StartupSettings::application());
    QFont small = title;
    small.setPixelSize(15);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(QColor(QStringLiteral("#b8c4d0")));
    painter.drawText(QRect(30, 78, kWidth - 60, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Version %1").arg(StartupSettings::version()));
    painter.drawText(QRect(30, 100, kWidth - 60, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     StartupSettings::organisation());
    painter.setPen(QColor(255, 255, 255, 40));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QPoint SplashScreen::centredPosition(const QRect &screen, const QSize &splash)
{
    return {screen.x() + (screen.width() - splash.width()) / 2, screen.y() + (screen.height() - splash.height()) / 2};
}

void SplashScreen::centreOn(const QScreen *screen)
{
    if (screen)
        move(centredPosition(screen->geometry(), size()));
}
