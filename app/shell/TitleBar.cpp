#include "TitleBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

namespace {
const QString kGlyphMinimise = QStringLiteral("\u2012");
const QString kGlyphMaximise = QStringLiteral("\u25A1");
const QString kGlyphRestore = QStringLiteral("\u2750");
const QString kGlyphClose = QStringLiteral("\u2715");
}  // namespace

TitleBar::TitleBar(QWidget *parent) : QWidget(parent), m_lblTitle(new QLabel(this))
{
    setObjectName(QStringLiteral("titleBar"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(kHeight);
    m_lblTitle->setObjectName(QStringLiteral("titleBarLblTitle"));
    m_lblTitle->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_butMinimise = addButton(QStringLiteral("titleBarButMinimise"), kGlyphMinimise);
    m_butMaximise = addButton(QStringLiteral("titleBarButMaximise"), kGlyphMaximise);
    m_butClose = addButton(QStringLiteral("titleBarButClose"), kGlyphClose);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(10, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_lblTitle, 1);
    row->addWidget(m_butMinimise);
    row->addWidget(m_butMaximise);
    row->addWidget(m_butClose);
    connect(m_butMinimise, &QToolButton::clicked, this, [this] { window()->showMinimized(); });
    connect(m_butMaximise, &QToolButton::clicked, this, &TitleBar::toggleMaximised);
    connect(m_butClose, &QToolButton::clicked, this, [this] { window()->close(); });
    retranslateUi();
}

QToolButton *TitleBar::addButton(const QString &name, const QString &glyph)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(glyph);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kHeight + 14, kHeight);
    return button;
}

void TitleBar::retranslateUi()
{
    m_butMinimise->setToolTip(tr("Minimise"));
    m_butClose->setToolTip(tr("Close"));
    updateMaximiseButton();
}

QString TitleBar::title() const
{
    return m_lblTitle->text();
}

void TitleBar::setTitle(const QString &title)
{
    m_lblTitle->setText(title);
    window()->setWindowTitle(title);
}

void TitleBar::toggleMaximised()
{
    QWidget *top = window();
    if (top->isMaximized())
        top->showNormal();
    else
        top->showMaximized();
    updateMaximiseButton();
}

void TitleBar::updateMaximiseButton()
{
    const bool isMaximised = window()->isMaximized();
    m_butMaximise->setText(isMaximised ? kGlyphRestore : kGlyphMaximise);
    m_butMaximise->setToolTip(isMaximised ? tr("Restore") : tr("Maximise"));
}

void TitleBar::showEvent(QShowEvent *event)
{
    // Watch the window's state changes, also those made by the system (keyboard shortcuts, snapping).
    if (m_watched != window()) {
        if (m_watched)
            m_watched->removeEventFilter(this);
        m_watched = window();
        if (m_watched != this)
            m_watched->installEventFilter(this);
    }
    updateMaximiseButton();
    QWidget::showEvent(event);
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watched && event->type() == QEvent::WindowStateChange)
        updateMaximiseButton();
    return QWidget::eventFilter(watched, event);
}

void TitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    QWidget *top = window();
    // The window system moves the window itself where it can (Wayland requires it).
    if (top->windowHandle() && top->windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    m_isDragging = true;
    m_dragOffset = event->globalPos() - top->frameGeometry().topLeft();
    event->accept();
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_isDragging || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    QWidget *top = window();
    if (top->isMaximized()) {
        // Dragging a maximised window restores it under the cursor first.
        const double fraction = double(event->pos().x()) / qMax(1, width());
        top->showNormal();
        m_dragOffset = QPoint(int(fraction * top->width()), event->pos().y());
    }
    top->move(event->globalPos() - m_dragOffset);
    event->accept();
}

void TitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    m_isDragging = false;
    QWidget::mouseReleaseEvent(event);
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        toggleMaximised();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}
