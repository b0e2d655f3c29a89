#include "FrameGraphicSignal.h"

#include "FrameSettingsPanel.h"
#include "SizeHints.h"
#include "GraphicFactory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

FrameGraphicSignal::FrameGraphicSignal(int mode, GraphicFactory *factory, QWidget *parent)
    : QFrame(parent), m_mode(mode), m_factory(factory), m_graphic(new GraphicSignal(mode, factory, this)),
      m_title(new QLabel(this)), m_butSettings(new QToolButton(this)), m_butMenu(new QToolButton(this)),
      m_settings(new FrameSettingsPanel(m_graphic, this)), m_settingsArea(new QScrollArea(this))
{
    setObjectName(QStringLiteral("frameGraphic"));
    setFrameShape(QFrame::StyledPanel);
    setAcceptDrops(true);
    m_title->setObjectName(QStringLiteral("lblFrameTitle"));
    m_title->installEventFilter(this);
    m_butSettings->setText(QStringLiteral("\u2699"));
    m_butSettings->setCheckable(true);
    m_butSettings->setAutoRaise(true);
    m_butMenu->setObjectName(QStringLiteral("butFrameMenu"));
    m_butSettings->setObjectName(QStringLiteral("butFrameSettings"));
    m_butMenu->setText(QStringLiteral("\u2630"));
    m_butMenu->setAutoRaise(true);
    m_butMenu->setPopupMode(QToolButton::InstantPopup);
    // The settings lie over the right of the graphic rather than squeeze it, and
    // scroll in a frame too small for them.
    m_settingsArea->setObjectName(QStringLiteral("frameSettingsArea"));
    m_settingsArea->setWidget(m_settings);
    m_settingsArea->setWidgetResizable(true);
    m_settingsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_settingsArea->setFrameShape(QFrame::StyledPanel);
    m_settings->setAutoFillBackground(true);
    m_settingsArea->setVisible(false);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(4, 0, 0, 0);
    header->addWidget(m_title, 1);
    header->addWidget(m_butSettings);
    header->addWidget(m_butMenu);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(m_graphic, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addLayout(body, 1);

    connect(m_butSettings, &QToolButton::toggled, this, [this](bool isShown) {
        m_settingsArea->setVisible(isShown);
        placeSettings();
    });
    // Only the title follows the graphic: the menu is the same for every graphic, and
    // the change often comes from one of its own entries, still running then.
    connect(m_graphic, &GraphicSignal::graphicChanged, this, &FrameGraphicSignal::showTitle);
    connect(this, &FrameGraphicSignal::dropSignal, this, &FrameGraphicSignal::setGraphic);
    connect(this, &FrameGraphicSignal::changeGraphic, this, &FrameGraphicSignal::setGraphic);
    retranslate();
}

void FrameGraphicSignal::retranslate()
{
    m_title->setToolTip(tr("Drag onto another frame to show this graphic there"));
    m_butSettings->setToolTip(tr("Frame settings"));
    m_butMenu->setToolTip(tr("Frame menu"));
    showTitle();
    // Later, not now: a language switch may arrive while the menu is open.
    if (QMenu *old = m_butMenu->menu())
        old->deleteLater();
    buildMenu();
}

void FrameGraphicSignal::placeSettings()
{
    if (m_settingsArea->isHidden())
        return;
    const QRect body = m_graphic->geometry();
    const int border = m_settingsArea->verticalScrollBar()->sizeHint().width() + 2 * m_settingsArea->frameWidth();
    m_settings->setCompact(false);
    int wanted = m_settings->sizeHint().width() + border;
    // A frame too narrow for the captions beside their fields gets them above.
    if (wanted > body.width()) {
        m_settings->setCompact(true);
        wanted = m_settings->sizeHint().width() + border;
    }
    const int width = std::min(wanted, body.width());
    const int height = std::min(m_settings->sizeHint().height() + 2 * m_settingsArea->frameWidth(), body.height());
    m_settingsArea->setGeometry(body.right() + 1 - width, body.top(), width, height);
    m_settingsArea->raise();
}

void FrameGraphicSignal::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeSettings();
}

void FrameGraphicSignal::showTitle()
{
    m_title->setText(GraphicCatalogue::title(m_graphic->name()));
}

void FrameGraphicSignal::fitSettingsArea()
{
    refreshSizeHints(m_settings);
    placeSettings();
}

void FrameGraphicSignal::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The settings retranslate after this frame: measure their new captions then.
        QTimer::singleShot(0, this, &FrameGraphicSignal::fitSettingsArea);
    }
    QFrame::changeEvent(event);
}

void FrameGraphicSignal::buildMenu()
{
    auto *menu = new QMenu(this);
    QMenu *change = menu->addMenu(tr("Change Graphic"));
    // Only what this mode can draw: a choice that could show nothing is not offered.
    const QVector<GraphicCatalogue::Kind> kinds = m_factory ? m_factory->kinds() : QVector<GraphicCatalogue::Kind>();
    for (const QString &name : GraphicCatalogue::names(m_mode, kinds)) {
        change->addAction(GraphicCatalogue::title(name), this, [this, name] { emit changeGraphic(name); });
    }
    change->addSeparator();
    change->addAction(tr("No Data"), this, [this] { emit changeGraphic(QStringLiteral("NoGraph")); });
    menu->addAction(tr("Separate window"), this, [this] { emit separateWindow(this); });
    menu->addAction(tr("Close"), this, [this] { emit closeFrame(this); });
    m_butMenu->setMenu(menu);
}

void FrameGraphicSignal::setGraphic(const QString &name)
{
    m_graphic->setGraphic(name);
}

void FrameGraphicSignal::setWeights(int horizontal, int vertical)
{
    m_hWeight = std::max(1, horizontal);
    m_vWeight = std::max(1, vertical);
}

void FrameGraphicSignal::setSeparate(bool isSeparate)
{
    m_isSeparate = isSeparate;
}

void FrameGraphicSignal::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void FrameGraphicSignal::dropEvent(QDropEvent *event)
{
    const QString name = event->mimeData()->text().trimmed();
    if (name.isEmpty())
        return;
    event->acceptProposedAction();
    emit dropSignal(name);
}

bool FrameGraphicSignal::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_title && event->type() == QEvent::MouseButtonPress) {
        m_dragStart = static_cast<QMouseEvent *>(event)->pos();
    } else if (watched == m_title && event->type() == QEvent::MouseMove) {
        auto *move = static_cast<QMouseEvent *>(event);
        if ((move->buttons() & Qt::LeftButton)
            && (move->pos() - m_dragStart).manhattanLength() >= QApplication::startDragDistance()) {
            auto *mime = new QMimeData;
            mime->setText(m_graphic->name());
            auto *drag = new QDrag(this);
            drag->setMimeData(mime);
            drag->exec(Qt::CopyAction);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void FrameGraphicSignal::closeEvent(QCloseEvent *event)
{
    // A separate window that the user closes goes back into the grid.
    if (m_isSeparate) {
        event->ignore();
        emit separateWindow(this);
        return;
    }
    QFrame::closeEvent(event);
}
