#include "WindowFrame.h"

#include "MainWindow.h"
#include "TitleBar.h"

#include <QVBoxLayout>

WindowFrame::WindowFrame(MainWindow *window) : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window),
    m_titleBar(new TitleBar(this)), m_window(window)
{
    setObjectName(QStringLiteral("windowFrame"));
    window->setParent(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_titleBar);
    layout->addWidget(window, 1);
    auto applyTitle = [this](const QString &title) {
        m_titleBar->setTitle(title);
        setWindowTitle(title);
    };
    connect(window, &MainWindow::titleChanged, this, applyTitle);
    applyTitle(window->titleText());
}
