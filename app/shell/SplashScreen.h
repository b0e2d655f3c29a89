#pragma once

#include <QSplashScreen>

class QScreen;

// The start-up picture: the program's name and version on a drawn spectrum,
// generated at run time so that no image file is needed.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT
public:
    static constexpr int kWidth = 520;
    static constexpr int kHeight = 300;

    SplashScreen();

    static QPixmap makePixmap();
    // Left and top put the splash in the middle of the given screen area.
    static QPoint centredPosition(const QRect &screen, const QSize &splash);
    void centreOn(const QScreen *screen);
};
