#pragma once

#include <QWidget>

class MainWindow;
class TitleBar;

// The frameless outer window: the program's own title bar above the main window.
class WindowFrame : public QWidget
{
    Q_OBJECT
public:
    explicit WindowFrame(MainWindow *window);

    TitleBar *titleBar() const { return m_titleBar; }
    MainWindow *mainWindow() const { return m_window; }

private:
    TitleBar *m_titleBar;
    MainWindow *m_window;  // child
};
