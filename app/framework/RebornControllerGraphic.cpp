#include "RebornControllerGraphic.h"

#include "GuiSelectGrid.h"
#include "PluralRule.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>
#include <QWidgetAction>

RebornControllerGraphic::RebornControllerGraphic(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    m_butRun = addButton(QStringLiteral("butRunCont"), QStringLiteral("\u25B6"));
    m_butSingle = addButton(QStringLiteral("butRunSingle"), QStringLiteral("\u25B7|"));
    m_butRead = addButton(QStringLiteral("butRunRead"), QStringLiteral("\u21E9"));
    m_butStop = addButton(QStringLiteral("butStop"), QStringLiteral("\u25A0"));
    m_butSlower = addButton(QStringLiteral("butDecreaseFPS"), QStringLiteral("\u2212"));
    m_lblFps = new QLabel(this);
    m_lblFps->setObjectName(QStringLiteral("lblFPS"));
    m_lblFps->setMinimumWidth(m_lblFps->fontMetrics().horizontalAdvance(QStringLiteral("9999 FPS")));
    m_lblFps->setAlignment(Qt::AlignCenter);
    // The rate appears only while playing; the buttons beside it stay where they are.
    QSizePolicy fpsPolicy = m_lblFps->sizePolicy();
    fpsPolicy.setRetainSizeWhenHidden(true);
    m_lblFps->setSizePolicy(fpsPolicy);
    m_butFaster = addButton(QStringLiteral("butIncreaseFPS"), QStringLiteral("+"));
    m_butLess = addButton(QStringLiteral("butDecreaseSamples"), QStringLiteral("\u25C0"));
    m_spinSamples = new QSpinBox(this);
    m_spinSamples->setObjectName(QStringLiteral("spinSamples"));
    m_spinSamples->setRange(1, kMaxSamples);
    m_spinSamples->setValue(2000);
    m_spinSamples->setKeyboardTracking(false);
    m_lblUnit = new QLabel(this);
    m_butMore = addButton(QStringLiteral("butIncreaseSamples"), QStringLiteral("\u25B6"));
    m_butGrid = addButton(QStringLiteral("butGrid"), QStringLiteral("\u25A6"));
    m_butPlotsOnly = addButton(QStringLiteral("butPlotsOnly"), QStringLiteral("\u2922"));
    m_butPlotsOnly->setCheckable(true);
    m_selectGrid = new GuiSelectGrid;
    m_comboLayer = new QComboBox(this);
    m_comboLayer->setObjectName(QStringLiteral("comboLayer"));
    auto *gridMenu = new QMenu(this);
    auto *gridAction = new QWidgetAction(gridMenu);
    gridAction->setDefaultWidget(m_selectGrid);
    gridMenu->addAction(gridAction);
    m_butGrid->setMenu(gridMenu);
    m_butGrid->setPopupMode(QToolButton::InstantPopup);

    for (QWidget *w : std::initializer_list<QWidget *>{m_butRun, m_butSingle, m_butRead, m_butStop})
        layout->addWidget(w);
    layout->addSpacing(12);
    for (QWidget *w : std::initializer_list<QWidget *>{m_butSlower, m_lblFps, m_butFaster})
        layout->addWidget(w);
    layout->addSpacing(12);
    for (QWidget *w : std::initializer_list<QWidget *>{m_butLess, m_spinSamples, m_lblUnit, m_butMore, m_butGrid, m_comboLayer})
        layout->addWidget(w);
    layout->addStretch();
    layout->addWidget(m_butPlotsOnly);

    connect(m_butRun, &QToolButton::clicked, this, [this] {
        if (m_isPlaying)
            emit pausePlay(true);
        else
            emit runCont();
    });
    connect(m_butPlotsOnly, &QToolButton::toggled, this, [this](bool isPlotsOnly) {
        emit hideGuiSignal(isPlotsOnly);
        emit hideMenu(isPlotsOnly);
    });
    connect(m_butSingle, &QToolButton::clicked, this, &RebornControllerGraphic::runSingle);
    connect(m_butRead, &QToolButton::clicked, this, [this] {
        m_isReading = true;
        emit runRead();
    });
    connect(m_butStop, &QToolButton::clicked, this, [this] {
        if (m_isReading)
            emit stopRead();
        m_isReading = false;
        emit stopRun();
    });
    connect(m_butSlower, &QToolButton::clicked, this, &RebornControllerGraphic::decreaseFPS);
    connect(m_butFaster, &QToolButton::clicked, this, &RebornControllerGraphic::increaseFPS);
    connect(m_butLess, &QToolButton::clicked, this, &RebornControllerGraphic::deacreaseSamples);
    connect(m_butMore, &QToolButton::clicked, this, &RebornControllerGraphic::increaseSamples);
    connect(m_spinSamples, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
        updateUnitWord();
        emit signalSendSamples(value);
    });
    connect(m_selectGrid, &GuiSelectGrid::gridChosen, this, [this, gridMenu](int row, int column) {
        gridMenu->close();
        setGrig(row, column, true);
    });
    connect(m_comboLayer, qOverload<int>(&QComboBox::activated), this, &RebornControllerGraphic::requestChangeLayer);
    hideFPS();
    setLayerCount(1);
    retranslate();
}

void RebornControllerGraphic::retranslate()
{
    const QPair<QWidget *, QString> tips[] = {
        {m_butSingle, tr("Analyse one window")},
        {m_butRead, tr("Read from the instrument")},  {m_butStop, tr("Stop")},
        {m_butSlower, tr("Fewer frames per second")}, {m_butFaster, tr("More frames per second")},
        {m_butLess, tr("Shorter window")},            {m_butMore, tr("Longer window")},
        {m_spinSamples, tr("Window length")},         {m_comboLayer, tr("Layer")},
        {m_butPlotsOnly, tr("Plots only: hide the control panel and the menu")}};
    for (const auto &tip : tips)
        tip.first->setToolTip(tip.second);
    setGrig(m_selectGrid->rows(), m_selectGrid->columns(), false);  // the grid button's tip
    updatePlayButton();
    updateUnitWord();
    setLayerCount(m_layerCount);
}

void RebornControllerGraphic::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

int RebornControllerGraphic::currentLayer() const
{
    return m_comboLayer->currentData().toInt();
}

void RebornControllerGraphic::setLayerCount(int count)
{
    m_layerCount = count;
    const QSignalBlocker blocker(m_comboLayer);
    const QVariant chosen = m_comboLayer->currentData();
    m_comboLayer->clear();
    for (int n = 1; n <= count; ++n)
        m_comboLayer->addItem(tr("Layer %1").arg(n), n);
    if (count > 1)
        m_comboLayer->addItem(tr("All layers"), 0);
    m_comboLayer->setCurrentIndex(std::max(0, m_comboLayer->findData(chosen)));
    m_comboLayer->setVisible(count > 1);
}

void RebornControllerGraphic::showLayers(const QVector<int> &layers)
{
    const QSignalBlocker blocker(m_comboLayer);
    const int chosen = layers.size() == 1 ? layers.first() : 0;
    m_comboLayer->setCurrentIndex(std::max(0, m_comboLayer->findData(chosen)));
}

QToolButton *RebornControllerGraphic::addButton(const QString &name, const QString &text)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

void RebornControllerGraphic::setUnit(Unit unit)
{
    m_unit = unit;
    updateUnitWord();
}

void RebornControllerGraphic::setRussian(bool isRussian)
{
    m_isRussian = isRussian;
    m_selectGrid->setRussian(isRussian);
    updateUnitWord();
}

QString RebornControllerGraphic::unitWord(int n) const
{
    if (m_isRussian) {
        switch (m_unit) {
        case Symbols: return PluralRule::russian(n, QStringLiteral("символ"), QStringLiteral("символа"), QStringLiteral("символов"));
        case Subframes: return PluralRule::russian(n, QStringLiteral("подкадр"), QStringLiteral("подкадра"), QStringLiteral("подкадров"));
        default: return PluralRule::russian(n, QStringLiteral("точка"), QStringLiteral("точки"), QStringLiteral("точек"));
        }
    }
    switch (m_unit) {
    case Symbols: return tr("symbols");
    case Subframes: return tr("subframes");
    default: return tr("points");
    }
}

void RebornControllerGraphic::updateUnitWord()
{
    m_lblUnit->setText(unitWord(m_spinSamples->value()));
}

int RebornControllerGraphic::samples() const
{
    return m_spinSamples->value();
}

QString RebornControllerGraphic::fpsText() const
{
    return m_lblFps->text();
}

void RebornControllerGraphic::slotStopRead()
{
    m_isReading = false;
    emit stopRead();
}

void RebornControllerGraphic::setGrig(int row, int column, bool isSendGrid)
{
    m_selectGrid->setGrid(row, column);
    m_butGrid->setToolTip(m_selectGrid->sizeText(m_selectGrid->rows(), m_selectGrid->columns()));
    if (isSendGrid)
        emit signalSetGrid(m_selectGrid->rows(), m_selectGrid->columns());
}

void RebornControllerGraphic::setSamples(int samples)
{
    const QSignalBlocker blocker(m_spinSamples);
    m_spinSamples->setValue(samples);
    updateUnitWord();
}

void RebornControllerGraphic::setFPS(int fps)
{
    m_lblFps->setText(tr("%1 FPS").arg(fps));
}

void RebornControllerGraphic::showFPS()
{
    m_lblFps->setVisible(true);
}

void RebornControllerGraphic::hideFPS()
{
    m_lblFps->setVisible(false);
}

void RebornControllerGraphic::setMaxPoints(int max)
{
    m_spinSamples->setMaximum(qBound(1, max, kMaxSamples));
}

void RebornControllerGraphic::unlockPlay(bool isUnlock)
{
    for (QToolButton *button : {m_butRun, m_butSingle})
        button->setEnabled(isUnlock);
}

void RebornControllerGraphic::setPlaying(bool isPlaying)
{
    m_isPlaying = isPlaying;
    updatePlayButton();
}

void RebornControllerGraphic::updatePlayButton()
{
    m_butRun->setText(m_isPlaying ? QStringLiteral("\u275A\u275A") : QStringLiteral("\u25B6"));
    m_butRun->setToolTip(m_isPlaying ? tr("Pause") : tr("Play continuously"));
}

void RebornControllerGraphic::showButtRead()
{
    m_butRead->setVisible(true);
}

void RebornControllerGraphic::hideButtRead()
{
    m_butRead->setVisible(false);
}

void RebornControllerGraphic::setGrid(QString text)
{
    static const QRegularExpression distribution(QStringLiteral("Distribution\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = distribution.match(text);
    if (!match.hasMatch())
        return;
    int rows = 0;
    int columns = 0;
    for (const QChar c : match.captured(1)) {
        if (c.isDigit()) {
            ++rows;
            columns = std::max(columns, c.digitValue());
        }
    }
    if (rows > 0)
        setGrig(rows, columns, false);
}
