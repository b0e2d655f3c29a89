#include "MainWindow.h"

#include "DeviceSignal.h"
#include "GuiParserSignal.h"
#include "HelpLauncher.h"
#include "Mode4G.h"
#include "Mode5G.h"
#include "ModeACLR.h"
#include "ModeDM.h"
#include "ModeVecAnalysis.h"
#include "ParamVectorAnalysis.h"
#include "ProfileRestorePlan.h"
#include "ProfileStore.h"
#include "RebornControllerGraphic.h"
#include "StartupSettings.h"
#include "ThemeStyle.h"
#include "UnitPrefix.h"
#include "VerticalMenu.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTimer>
#include <memory>

namespace {
// The recording a mode's profile text names, when that file is still there.
bool namesExistingFile(const QString &modeText)
{
    const QString path = ProfileRestorePlan::itemValue(modeText, QStringLiteral("PathSignal:"));
    return !path.isEmpty() && QFile::exists(path);
}
}  // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_menu(new VerticalMenu), m_modeArea(new QWidget)
{
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_modeArea, 1);
    layout->addWidget(m_menu);
    setCentralWidget(central);
    m_menu->lower();
    m_modeArea->installEventFilter(this);
    // The translation is in place before any mode builds its texts.
    slotSwitchLanguage(StartupSettings::language());
    // Readouts built with the modes carry unit prefixes in the same language.
    UnitPrefix::setRussian(m_language.isRussian());
    createModes();
    connectMenu();
    connect(&m_modeChange, &ModeChangeAnimation::finish, this, &MainWindow::slotShowCurrentMode);
    connect(&m_language, &LanguageSwitcher::languageChanged, this, &MainWindow::applyLanguageToModes);
    applyLanguageToModes(m_language.isRussian());
    restoreStartState();
}

MainWindow::~MainWindow()
{
    // The modes' hubs go before the acquisition object: no block may reach them then.
    m_device->stopAcquisition();
    saveProfile(QString());  // the automatic profile
}

QList<ModeAnalysis *> MainWindow::modes() const
{
    return {m_dm, m_va, m_lte, m_nr, m_aclr};
}

ModeAnalysis *MainWindow::modeNumbered(int number) const
{
    for (ModeAnalysis *mode : modes()) {
        if (mode->mode() == number)
            return mode;
    }
    return m_va;
}

void MainWindow::createModes()
{
    m_dm = new ModeDM(m_modeArea);
    m_va = new ModeVecAnalysis(m_modeArea);
    m_lte = new Mode4G(m_modeArea);
    m_nr = new Mode5G(m_modeArea);
    m_aclr = new ModeACLR(m_modeArea);
    m_device = new DeviceSignal(this, QStringLiteral("acq_bridge"), this);
    for (ModeAnalysis *mode : modes()) {
        mode->setDevice(m_device);
        mode->hide();
        connect(mode, &ModeAnalysis::updateNameProfile, this, &MainWindow::slotUpdateProfile);
        connect(mode, &ModeAnalysis::sendHideMenu, m_menu, [this](bool isHide) { m_menu->setVisible(!isHide); });
    }
    // A mode that analyses the vector-analysis signal follows each new recording there.
    connect(m_va->hub(), &ManagerSignal::sendNewSourceSignal, this, [this] {
        for (ModeAnalysis *mode : modes()) {
            if (mode != m_va)
                handOverVectorAnalysis(mode);
        }
    });
    connect(m_dm, &ModeDM::sendModulation, this, &MainWindow::setStandardSignal);
    connect(m_dm, &ModeDM::sendOpenMenuLevel, m_menu, [this](const QString &level) { m_menu->switchLevel(level); });
    connect(m_nr, &ModePending::sendMeasurement, this, &MainWindow::set5GMeasurement);
}

void MainWindow::connectMenu()
{
    connect(m_menu, &VerticalMenu::settingVecAnalysis, this, &MainWindow::switchOnVecAnalysis);
    connect(m_menu, &VerticalMenu::settingStandard, this, &MainWindow::switchOnDigitalStandard);
    connect(m_menu, &VerticalMenu::settingStandard, m_dm, &ModeDM::setModulation);
    connect(m_menu, qOverload<QString>(&VerticalMenu::setting), this, &MainWindow::slotMenuOption);
    connect(m_menu, &VerticalMenu::setting5G, this, &MainWindow::switchOn5G);
    connect(m_menu, &VerticalMenu::setting5G, m_nr, &ModePending::setMeasurement);
    connect(m_menu, &VerticalMenu::settingLTE, this, &MainWindow::switchOnLTE);
    connect(m_menu, &VerticalMenu::settingACLR, this, &MainWindow::switchOnACLR);
    connect(m_menu, &VerticalMenu::settingACLR, m_aclr, &ModeACLR::setMeasurement);
    connect(m_menu, QOverload<QString>::of(&VerticalMenu::setting), this, &MainWindow::setACLRCarrierConfig);
    connect(m_aclr, &ModeACLR::carrierConfigRequested, this, &MainWindow::offerACLRCarrierConfig);
    connect(m_menu, &VerticalMenu::settingPreset, this, &MainWindow::switchOnDigitalStandard);
    connect(m_menu, &VerticalMenu::settingPreset, this, &MainWindow::setPressetStandardSignal);
    connect(m_menu, &VerticalMenu::sendPathSaveProfile, this, &MainWindow::saveProfile);
    connect(m_menu, &VerticalMenu::sendPathOpenProfile, this, &MainWindow::openProfile);
    connect(m_menu, &VerticalMenu::openAbout, this, [this] {
        QMessageBox::about(this, tr("About"),
                           tr("%1 %2\nA workstation for the analysis of IQ recordings.")
                               .arg(StartupSettings::application(), StartupSettings::version()));
    });
    connect(m_menu, &VerticalMenu::openHelp, this, &MainWindow::slotOpenHelp);
    connect(m_menu, &VerticalMenu::sendLanguage, this, &MainWindow::slotSwitchLanguage);
    connect(m_menu, &VerticalMenu::sendLanguage, this, &MainWindow::slotSaveLanguage);
    connect(m_menu, &VerticalMenu::sendTheme, this, &MainWindow::slotSwitchTheme);
}

void MainWindow::restoreStartState()
{
    m_va->startMode();
    for (ModeAnalysis *mode : modes())
        mode->hide();
    const bool isRussian = StartupSettings::isRussian(StartupSettings::language());
    m_menu->checkMenu(isRussian ? QStringLiteral("RUSSIAN") : QStringLiteral("ENGLISH"));
    openProfile(QString());
    m_menu->checkMenu(ThemeStyle::buttonName(StartupSettings::style()));
}

// ---------------------------------------------------------------- switching modes

void MainWindow::switchOnVecAnalysis() { switchTo(m_va, QString()); }
void MainWindow::switchOnDigitalStandard(QString measurement) { switchTo(m_dm, measurement); }
void MainWindow::switchOn5G(QString measurement) { switchTo(m_nr, measurement); }
void MainWindow::switchOnLTE(QString measurement) { switchTo(m_lte, measurement); }
void MainWindow::switchOnACLR(QString measurement) { switchTo(m_aclr, measurement); }

void MainWindow::switchTo(ModeAnalysis *mode, const QString &measurement)
{
    // Shown within the window (whether or not the window itself is on screen yet).
    if (!mode->isHidden())
        return;
    if (mode != m_current) {
        mode->setGeometry(m_modeArea->rect());
        mode->lower();
        mode->show();
        if (!m_current) {
            slotShowCurrentMode();
        } else {
            m_current->stopRead();
            m_current->stopRun();
            m_modeChange.start(m_current);
            m_current->hide();
            mode->setFocus();
        }
    }
    if (mode != m_va)
        handOverVectorAnalysis(mode);
    applyMeasurement(mode, measurement);
    m_acquisitionTarget = mode->hub();
    m_device->setManager(m_acquisitionTarget);
}

void MainWindow::handOverVectorAnalysis(ModeAnalysis *mode)
{
    // The record handed over is the recording itself (its current layer), so its
    // text carries the recording's own clock and carrier.
    ManagerSignal *hub = m_va->hub();
    const auto *param = static_cast<const ParamVectorAnalysis *>(hub->param());
    const int layer = std::max(0, hub->currentSignals().value(0, 1) - 1);
    const QString text = QStringLiteral("{Source:Vector Analysis}{CLOCK:") + param->sourceValue(QStringLiteral("CLOCK"))
                         + QStringLiteral("}{FREQUENCY:") + param->sourceValue(QStringLiteral("FREQUENCY"))
                         + QLatin1Char('}');
    mode->setExternalSource(hub->sourceSignal(layer), text);
}

void MainWindow::applyMeasurement(ModeAnalysis *mode, const QString &measurement)
{
    if (measurement.isEmpty())
        return;
    if (mode == m_dm)
        m_dm->setModulation(measurement);
    else if (auto *pending = qobject_cast<ModePending *>(mode))
        pending->setMeasurement(measurement);
}

void MainWindow::slotMenuOption(const QString &caption)
{
    // The digital-modulation pages hand their choice to the DM mode and give way to the main page.
    static const QStringList modulationLevels{QStringLiteral("Level_PSK"), QStringLiteral("Level_QAM"),
                                              QStringLiteral("Level_FSK"), QStringLiteral("Level_ASK")};
    const QString level = m_menu->currentLevel();
    if (modulationLevels.contains(level))
        switchTo(m_dm, caption);
    else if (level == QLatin1String("Level_encoding"))
        m_dm->setCoding(caption);
    else if (level == QLatin1String("Level_filter"))
        m_dm->setFilter(caption);
    else
        return;
    m_menu->switchLevel(QStringLiteral("Level_main"));
}

void MainWindow::slotShowCurrentMode()
{
    for (ModeAnalysis *mode : {static_cast<ModeAnalysis *>(m_dm), static_cast<ModeAnalysis *>(m_va),
                               static_cast<ModeAnalysis *>(m_nr), static_cast<ModeAnalysis *>(m_lte),
                               static_cast<ModeAnalysis *>(m_aclr)}) {
        if (!mode->isHidden()) {
            m_current = mode;
            break;
        }
    }
    slotUpdateProfile();
    if (m_current)
        m_current->activateWindow();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The modes lie on top of each other in the mode area and follow its size.
    if (watched == m_modeArea && event->type() == QEvent::Resize) {
        for (ModeAnalysis *mode : modes())
            mode->setGeometry(m_modeArea->rect());
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- menu marks

void MainWindow::setPressetStandardSignal(QString presset)
{
    static const QRegularExpression psk(QStringLiteral("Bluetooth|DECT|GSM|PSK"));
    m_menu->checkMenu(psk.match(presset).hasMatch() ? QStringLiteral("PSK_standard") : QStringLiteral("FSK_standard"));
}

void MainWindow::setStandardSignal(QString modulation)
{
    m_menu->checkMenu(modulation.contains(QLatin1String("PSK")) ? QStringLiteral("PSK_standard")
                                                                : QStringLiteral("QAM_standard"));
}

void MainWindow::set5GMeasurement(QString measurement)
{
    m_menu->checkMenu(measurement);
}

void MainWindow::setACLRMode(QString mode)
{
    if (mode.contains(QLatin1String("LTE")))
        m_menu->checkMenu(QStringLiteral("G4_ACLR"));
    else if (mode.contains(QLatin1String("NR")))
        m_menu->checkMenu(QStringLiteral("G5_ACLR"));
    else
        m_menu->checkMenu(QStringLiteral("CUSTOM_ACLR"));
}

namespace {
// The menu's carrier configurations of the ACLR mode, by caption.
const QMap<QString, QString> &aclrConfigButtons()
{
    static const QMap<QString, QString> buttons{{QStringLiteral("Single Carrier"), QStringLiteral("butSingleCarrier")},
                                                {QStringLiteral("Multi-Carrier"), QStringLiteral("butMultiCarrier")},
                                                {QStringLiteral("Multiple Band"), QStringLiteral("butMultiBand")}};
    return buttons;
}
}  // namespace

void MainWindow::offerACLRCarrierConfig()
{
    m_menu->checkMenu(aclrConfigButtons().value(m_aclr->carrierConfig()));
    m_menu->switchLevel(QStringLiteral("Level_ACLRConfig"));
}

void MainWindow::setACLRCarrierConfig(QString caption)
{
    if (!aclrConfigButtons().contains(caption))
        return;
    m_aclr->setCarrierConfig(caption);
    m_menu->switchLevel(QStringLiteral("Level_main"));
}

// ---------------------------------------------------------------- profiles

void MainWindow::saveProfile(QString path)
{
    ProfileStore &store = ProfileStore::global();
    store.clear();
    store.setModeName(m_current ? QString::fromLatin1(m_current->metaObject()->className())
                                : ProfileRestorePlan::kClassVecAnalysis);
    store.setDeviceText(m_device->profileText(m_current ? m_current->source() : 0));
    for (ModeAnalysis *mode : {static_cast<ModeAnalysis *>(m_va), static_cast<ModeAnalysis *>(m_dm),
                               static_cast<ModeAnalysis *>(m_lte), static_cast<ModeAnalysis *>(m_nr),
                               static_cast<ModeAnalysis *>(m_aclr)})
        store.setModeText(mode->mode(), mode->profileText());
    if (!store.save(path))
        showProblem(store.errorString());
}

bool MainWindow::writeDefaultProfile(const QString &path)
{
    ProfileStore defaults;
    defaults.setModeName(ProfileRestorePlan::kClassVecAnalysis);
    defaults.setDeviceText(ProfileRestorePlan::deviceText(0));
    for (ModeAnalysis *mode : modes())
        defaults.setModeText(mode->mode(), mode->defaultProfileText());
    if (defaults.save(path))
        return true;
    showProblem(tr("The default profile cannot be restored: %1").arg(defaults.errorString()));
    return false;
}

void MainWindow::openProfile(QString path)
{
    // The default profile is written from the built-in defaults the first time it is asked for.
    if (!path.isEmpty() && path == ProfileStore::resetPath() && !QFile::exists(path) && !writeDefaultProfile(path))
        return;
    ProfileStore &store = ProfileStore::global();
    const ProfileStore::LoadStatus status = store.load(path);
    if (status == ProfileStore::Malformed || status == ProfileStore::Unreadable)
        showProblem(store.errorString());
    const ProfileRestorePlan plan = ProfileRestorePlan::fromStore(store);
    m_device->restoreProfileText(store.deviceText());
    if (!plan.menuEntry().isEmpty())
        m_menu->checkMenu(plan.menuEntry());
    switch (plan.mode()) {
    case ParamSignal::ModeDM:
        setStandardSignal(plan.measurement());
        switchOnDigitalStandard(plan.measurement());
        break;
    case ParamSignal::ModeACLR:
        setACLRMode(plan.measurement());
        switchOnACLR(plan.measurement());
        break;
    case ParamSignal::Mode4G: switchOnLTE(plan.measurement()); break;
    case ParamSignal::Mode5G:
        set5GMeasurement(plan.measurement());
        switchOn5G(plan.measurement());
        break;
    default: switchOnVecAnalysis(); break;
    }
    for (ModeAnalysis *mode : modes()) {
        const QString text = store.modeText(mode->mode());
        if (!text.isEmpty())
            mode->restoreProfile(text);
    }
    if (plan.sourceIndex() >= 0)
        modeNumbered(plan.mode())->restoreSource(plan.sourceIndex());
    m_isVecAnalysisFileRestored = namesExistingFile(store.modeText(m_va->mode()));
}

void MainWindow::openAtStart(const StartRequest &request)
{
    const bool isAsked = !request.file.isEmpty() || request.demo >= 0;
    // A recording the profile brought back stays; --play alone plays the built-in demo.
    if (!isAsked && m_isVecAnalysisFileRestored)
        return;
    if (isAsked)
        switchOnVecAnalysis();
    if (request.isPlay) {
        // Only the recording asked for plays by itself, not the ones the user opens later.
        ModeVecAnalysis *va = m_va;
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(va->io(), &IOSignal::load, va, [va, connection] {
            disconnect(*connection);
            QTimer::singleShot(kPlayAfterLoadMs, va, &ModeAnalysis::run);
        });
    }
    if (!request.file.isEmpty())
        m_va->panel()->openSignal(request.file);
    else
        m_va->openDemoFile(std::max(0, request.demo));
}

void MainWindow::showProblem(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Profile"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// ---------------------------------------------------------------- title, help, language, theme

QString MainWindow::titleText() const
{
    return StartupSettings::windowTitle(m_current ? m_current->hub()->profile() : QString());
}

void MainWindow::slotUpdateProfile()
{
    const QString title = titleText();
    setWindowTitle(title);
    emit titleChanged(title);
}

void MainWindow::slotOpenHelp()
{
    HelpLauncher::open();
}

void MainWindow::slotSwitchLanguage(QString language)
{
    m_language.switchTo(language);
}

void MainWindow::applyLanguageToModes(bool isRussian)
{
    UnitPrefix::setRussian(isRussian);
    for (ModeAnalysis *mode : modes())
        mode->control()->setRussian(isRussian);
}

void MainWindow::slotSaveLanguage(QString language)
{
    StartupSettings::setLanguage(language);
}

void MainWindow::slotSwitchTheme(QString theme)
{
    const int style = ThemeStyle::fromText(theme);
    ThemeStyle::apply(style);
    StartupSettings::setStyle(style);
}
