#include "VerticalMenu.h"

#include "ProfileStore.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {
enum Kind { Option, Plain };

struct ButtonSpec {
    const char *name;
    const char *caption;
    const char *toolTip;
    Kind kind;
};

struct LevelSpec {
    const char *name;
    std::initializer_list<ButtonSpec> buttons;
};

// Every page and its buttons, top to bottom, in page-index order.
const LevelSpec kLevels[] = {
    {"Level_main",
     {{"VectorAnalysis", QT_TRANSLATE_NOOP("VerticalMenu", "Vector\nAnalysis"), QT_TRANSLATE_NOOP("VerticalMenu", "Basic Vector Analysis"), Option},
      {"STANDARD", QT_TRANSLATE_NOOP("VerticalMenu", "Digital\nModulation"), QT_TRANSLATE_NOOP("VerticalMenu", "Digital Modulation"), Plain},
      {"LTE", QT_TRANSLATE_NOOP("VerticalMenu", "4G LTE"), nullptr, Option},
      {"G5", QT_TRANSLATE_NOOP("VerticalMenu", "5G NR"), nullptr, Option},
      {"ACLR", QT_TRANSLATE_NOOP("VerticalMenu", "ACLR"), QT_TRANSLATE_NOOP("VerticalMenu", "Adjustment Channel Leakage Ratio"), Option},
      {"Question", QT_TRANSLATE_NOOP("VerticalMenu", "Menu"), nullptr, Plain}}},
    {"Level_STANDARD",
     {{"PSK_standard", QT_TRANSLATE_NOOP("VerticalMenu", "PSK"), nullptr, Option},
      {"QAM_standard", QT_TRANSLATE_NOOP("VerticalMenu", "QAM"), nullptr, Option},
      {"back____Level_main", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
    {"Level_PSK",
     {{"BPSK", QT_TRANSLATE_NOOP("VerticalMenu", "BPSK"), nullptr, Option},
      {"QPSK", QT_TRANSLATE_NOOP("VerticalMenu", "QPSK"), nullptr, Option},
      {"QPSK_pi4_offset", QT_TRANSLATE_NOOP("VerticalMenu", "QPSK π/4 offset"), nullptr, Option},
      {"QPSK_EDGE", QT_TRANSLATE_NOOP("VerticalMenu", "QPSK EDGE"), nullptr, Option},
      {"pi4_QPSK", QT_TRANSLATE_NOOP("VerticalMenu", "π/4-QPSK"), nullptr, Option},
      {"pi2_DBPSK", QT_TRANSLATE_NOOP("VerticalMenu", "π/2-DBPSK"), nullptr, Option},
      {"pi4_DQPSK", QT_TRANSLATE_NOOP("VerticalMenu", "π/4-DQPSK"), nullptr, Option},
      {"pi8_D8PSK", QT_TRANSLATE_NOOP("VerticalMenu", "π/8-D8PSK"), nullptr, Option},
      {"PSK8", QT_TRANSLATE_NOOP("VerticalMenu", "8PSK"), nullptr, Option},
      {"D8PSK", QT_TRANSLATE_NOOP("VerticalMenu", "D8PSK"), nullptr, Option},
      {"PSK8_EDGE", QT_TRANSLATE_NOOP("VerticalMenu", "8PSK EDGE"), nullptr, Option},
      {"PSK16", QT_TRANSLATE_NOOP("VerticalMenu", "16PSK"), nullptr, Option}}},
    {"Level_QAM",
     {{"QAM16", QT_TRANSLATE_NOOP("VerticalMenu", "QAM16"), nullptr, Option},
      {"QAM32", QT_TRANSLATE_NOOP("VerticalMenu", "QAM32"), nullptr, Option},
      {"QAM64", QT_TRANSLATE_NOOP("VerticalMenu", "QAM64"), nullptr, Option},
      {"QAM128", QT_TRANSLATE_NOOP("VerticalMenu", "QAM128"), nullptr, Option},
      {"QAM256", QT_TRANSLATE_NOOP("VerticalMenu", "QAM256"), nullptr, Option},
      {"QAM512", QT_TRANSLATE_NOOP("VerticalMenu", "QAM512"), nullptr, Option},
      {"QAM1024", QT_TRANSLATE_NOOP("VerticalMenu", "QAM1024"), nullptr, Option}}},
    {"Level_FSK",
     {{"MSK", QT_TRANSLATE_NOOP("VerticalMenu", "MSK"), nullptr, Option},
      {"FSK2", QT_TRANSLATE_NOOP("VerticalMenu", "2FSK"), nullptr, Option},
      {"FSK4", QT_TRANSLATE_NOOP("VerticalMenu", "4FSK"), nullptr, Option},
      {"FSK8", QT_TRANSLATE_NOOP("VerticalMenu", "8FSK"), nullptr, Option},
      {"FSK_USER", QT_TRANSLATE_NOOP("VerticalMenu", "FSK User"), nullptr, Option}}},
    {"Level_ASK",
     {{"ASK", QT_TRANSLATE_NOOP("VerticalMenu", "ASK"), nullptr, Option},
      {"ASK2", QT_TRANSLATE_NOOP("VerticalMenu", "2ASK"), nullptr, Option},
      {"ASK4", QT_TRANSLATE_NOOP("VerticalMenu", "4ASK"), nullptr, Option},
      {"ASK8", QT_TRANSLATE_NOOP("VerticalMenu", "8ASK"), nullptr, Option}}},
    {"Level_encoding",
     {{"NotEncoding", QT_TRANSLATE_NOOP("VerticalMenu", "None"), nullptr, Option},
      {"Gray", QT_TRANSLATE_NOOP("VerticalMenu", "Gray"), nullptr, Option},
      {"Differential", QT_TRANSLATE_NOOP("VerticalMenu", "Differential"), nullptr, Option},
      {"Diff_Gray", QT_TRANSLATE_NOOP("VerticalMenu", "Diff.+Gray"), nullptr, Option},
      {"LastButtonEncod", QT_TRANSLATE_NOOP("VerticalMenu", "VDL"), nullptr, Option},
      {"GSM", QT_TRANSLATE_NOOP("VerticalMenu", "GSM"), nullptr, Option},
      {"NADC", QT_TRANSLATE_NOOP("VerticalMenu", "NADC"), nullptr, Option}}},
    {"Level_filter",
     {{"NotFilter", QT_TRANSLATE_NOOP("VerticalMenu", "None"), nullptr, Option},
      {"Nyquist", QT_TRANSLATE_NOOP("VerticalMenu", "Nyquist"), nullptr, Option},
      {"RNyquist", QT_TRANSLATE_NOOP("VerticalMenu", "R.Nyquist"), nullptr, Option},
      {"Gaussian", QT_TRANSLATE_NOOP("VerticalMenu", "Gaussian"), nullptr, Option},
      {"Rectangle", QT_TRANSLATE_NOOP("VerticalMenu", "Rectangle"), nullptr, Option},
      {"UserFilter", QT_TRANSLATE_NOOP("VerticalMenu", "User"), nullptr, Option},
      {"Lowpass", QT_TRANSLATE_NOOP("VerticalMenu", "Lowpass"), nullptr, Option}}},
    {"Level_graphic",
     {{"I_Time", QT_TRANSLATE_NOOP("VerticalMenu", "I Time"), nullptr, Option},
      {"Q_Time", QT_TRANSLATE_NOOP("VerticalMenu", "Q Time"), nullptr, Option},
      {"VectorDiagram", QT_TRANSLATE_NOOP("VerticalMenu", "Vector Diagram"), nullptr, Option},
      {"ConstellationDiagram", QT_TRANSLATE_NOOP("VerticalMenu", "Constellation Diagram"), nullptr, Option},
      {"ErrorSummaryData", QT_TRANSLATE_NOOP("VerticalMenu", "Error Summary Data"), nullptr, Option},
      {"SymbolData", QT_TRANSLATE_NOOP("VerticalMenu", "Symbol Data"), nullptr, Option},
      {"Spectrum", QT_TRANSLATE_NOOP("VerticalMenu", "Spectrum"), nullptr, Option},
      {"PowerDiagram", QT_TRANSLATE_NOOP("VerticalMenu", "Power"), nullptr, Option},
      {"ErrorTime", QT_TRANSLATE_NOOP("VerticalMenu", "Error Vector Time"), nullptr, Option},
      {"FileInfo", QT_TRANSLATE_NOOP("VerticalMenu", "File Information"), nullptr, Option},
      {"NoGraph", QT_TRANSLATE_NOOP("VerticalMenu", "No Data"), nullptr, Option}}},
    {"Level_graphic_2",
     {{"I_Time_2", QT_TRANSLATE_NOOP("VerticalMenu", "I Time"), nullptr, Option},
      {"Q_Time_2", QT_TRANSLATE_NOOP("VerticalMenu", "Q Time"), nullptr, Option},
      {"Spectrum_2", QT_TRANSLATE_NOOP("VerticalMenu", "Spectrum"), nullptr, Option},
      {"PowerDiagram_2", QT_TRANSLATE_NOOP("VerticalMenu", "Power"), nullptr, Option},
      {"FileInfo_2", QT_TRANSLATE_NOOP("VerticalMenu", "File Information"), nullptr, Option},
      {"NoGraph_2", QT_TRANSLATE_NOOP("VerticalMenu", "No Data"), nullptr, Option}}},
    {"Level_graphic_3",
     {{"I_Time_3", QT_TRANSLATE_NOOP("VerticalMenu", "I Time"), nullptr, Option},
      {"Q_Time_3", QT_TRANSLATE_NOOP("VerticalMenu", "Q Time"), nullptr, Option},
      {"Spectrum_3", QT_TRANSLATE_NOOP("VerticalMenu", "Spectrum"), nullptr, Option},
      {"PowerDiagram_3", QT_TRANSLATE_NOOP("VerticalMenu", "Power"), nullptr, Option},
      {"ErrorSummaryData_2", QT_TRANSLATE_NOOP("VerticalMenu", "Summary Data"), nullptr, Option},
      {"TimePlan", QT_TRANSLATE_NOOP("VerticalMenu", "Time Plan"), nullptr, Option},
      {"TimePlanInfo", QT_TRANSLATE_NOOP("VerticalMenu", "Frame Summary"), nullptr, Option},
      {"SymbolData_2", QT_TRANSLATE_NOOP("VerticalMenu", "Decoded Symbols"), nullptr, Option},
      {"ConstellationDiagram_2", QT_TRANSLATE_NOOP("VerticalMenu", "Constellation Diagram"), nullptr, Option},
      {"FileInfo_3", QT_TRANSLATE_NOOP("VerticalMenu", "File Information"), nullptr, Option},
      {"NoGraph_3", QT_TRANSLATE_NOOP("VerticalMenu", "No Data"), nullptr, Option}}},
    {"Level_graphic_4",
     {{"Spectrum_4", QT_TRANSLATE_NOOP("VerticalMenu", "Spectrum"), nullptr, Option},
      {"I_Time_4", QT_TRANSLATE_NOOP("VerticalMenu", "I Time"), nullptr, Option},
      {"Q_Time_4", QT_TRANSLATE_NOOP("VerticalMenu", "Q Time"), nullptr, Option},
      {"FileInfo_4", QT_TRANSLATE_NOOP("VerticalMenu", "File Information"), nullptr, Option},
      {"NoGraph_4", QT_TRANSLATE_NOOP("VerticalMenu", "No Data"), nullptr, Option},
      {"Result", QT_TRANSLATE_NOOP("VerticalMenu", "Result"), nullptr, Option}}},
    {"Level_Source",
     {{"butFile1", QT_TRANSLATE_NOOP("VerticalMenu", "File"), nullptr, Option},
      {"butVecAnalysis", QT_TRANSLATE_NOOP("VerticalMenu", "Vector Analysis"), nullptr, Option},
      {"butSA", QT_TRANSLATE_NOOP("VerticalMenu", "Signal Analyzer"), nullptr, Option}}},
    {"Level_Result",
     {{"butSelection", QT_TRANSLATE_NOOP("VerticalMenu", "Signal Selection"), nullptr, Option},
      {"butCorrection", QT_TRANSLATE_NOOP("VerticalMenu", "Signal Correction"), nullptr, Option}}},
    {"Level_G4",
     {{"Downlink_LTE", QT_TRANSLATE_NOOP("VerticalMenu", "Downlink"), QT_TRANSLATE_NOOP("VerticalMenu", "4G LTE Downlink"), Option},
      {"Uplink_LTE", QT_TRANSLATE_NOOP("VerticalMenu", "Uplink"), QT_TRANSLATE_NOOP("VerticalMenu", "4G LTE Uplink"), Option},
      {"back_____Level_main", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
    {"Level_settings",
     {{"TM11", QT_TRANSLATE_NOOP("VerticalMenu", "E-TM 1.1"), nullptr, Option},
      {"TM12", QT_TRANSLATE_NOOP("VerticalMenu", "E-TM 1.2"), nullptr, Option},
      {"TM20", QT_TRANSLATE_NOOP("VerticalMenu", "E-TM 2.0"), nullptr, Option},
      {"TM31", QT_TRANSLATE_NOOP("VerticalMenu", "E-TM 3.1"), nullptr, Option},
      {"TM32", QT_TRANSLATE_NOOP("VerticalMenu", "E-TM 3.2"), nullptr, Option},
      {"TM33", QT_TRANSLATE_NOOP("VerticalMenu", "E-TM 3.3"), nullptr, Option},
      {"CUSTOM", QT_TRANSLATE_NOOP("VerticalMenu", "Custom"), nullptr, Option}}},
    {"Level_channels",
     {{"PSS", QT_TRANSLATE_NOOP("VerticalMenu", "PSS"), nullptr, Option},
      {"SSS", QT_TRANSLATE_NOOP("VerticalMenu", "SSS"), nullptr, Option},
      {"PCFICH", QT_TRANSLATE_NOOP("VerticalMenu", "PCFICH"), nullptr, Option},
      {"PDCCH", QT_TRANSLATE_NOOP("VerticalMenu", "PDCCH"), nullptr, Option},
      {"PBCH", QT_TRANSLATE_NOOP("VerticalMenu", "PBCH"), nullptr, Option},
      {"PHICH", QT_TRANSLATE_NOOP("VerticalMenu", "PHICH"), nullptr, Option}}},
    {"Level_userUplink",
     {{"USER_1", QT_TRANSLATE_NOOP("VerticalMenu", "USER 1"), nullptr, Option},
      {"USER_2", QT_TRANSLATE_NOOP("VerticalMenu", "USER 2"), nullptr, Option},
      {"USER_3", QT_TRANSLATE_NOOP("VerticalMenu", "USER 3"), nullptr, Option},
      {"USER_4", QT_TRANSLATE_NOOP("VerticalMenu", "USER 4"), nullptr, Option},
      {"USER_5", QT_TRANSLATE_NOOP("VerticalMenu", "USER 5"), nullptr, Option},
      {"USER_6", QT_TRANSLATE_NOOP("VerticalMenu", "USER 6"), nullptr, Option},
      {"USER_7", QT_TRANSLATE_NOOP("VerticalMenu", "USER 7"), nullptr, Option},
      {"USER_8", QT_TRANSLATE_NOOP("VerticalMenu", "USER 8"), nullptr, Option},
      {"USER_9", QT_TRANSLATE_NOOP("VerticalMenu", "USER 9"), nullptr, Option},
      {"USER_10", QT_TRANSLATE_NOOP("VerticalMenu", "USER 10"), nullptr, Option}}},
    {"Level_channelsUplink",
     {{"PRACH", QT_TRANSLATE_NOOP("VerticalMenu", "PRACH"), nullptr, Option},
      {"PUCCH", QT_TRANSLATE_NOOP("VerticalMenu", "PUCCH"), nullptr, Option},
      {"SRS", QT_TRANSLATE_NOOP("VerticalMenu", "SRS"), nullptr, Option},
      {"PUSCH", QT_TRANSLATE_NOOP("VerticalMenu", "PUSCH"), nullptr, Option}}},
    {"Level_ChannalNR", {{"butChannal", QT_TRANSLATE_NOOP("VerticalMenu", "Channels"), nullptr, Option}}},
    {"Level_G5",
     {{"downlink", QT_TRANSLATE_NOOP("VerticalMenu", "Downlink"), QT_TRANSLATE_NOOP("VerticalMenu", "5G NR Downlink"), Option},
      {"uplink", QT_TRANSLATE_NOOP("VerticalMenu", "Uplink"), QT_TRANSLATE_NOOP("VerticalMenu", "5G NR Uplink"), Option},
      {"prach", QT_TRANSLATE_NOOP("VerticalMenu", "Prach"), QT_TRANSLATE_NOOP("VerticalMenu", "5G NR Prach"), Option},
      {"back______Level_main", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
    {"Level_ACLR",
     {{"CUSTOM_ACLR", QT_TRANSLATE_NOOP("VerticalMenu", "CUSTOM"), QT_TRANSLATE_NOOP("VerticalMenu", "ACLR Custom"), Option},
      {"G4_ACLR", QT_TRANSLATE_NOOP("VerticalMenu", "4G LTE ACLR"), nullptr, Option},
      {"G5_ACLR", QT_TRANSLATE_NOOP("VerticalMenu", "5G NR ACLR"), nullptr, Option},
      {"back_______Level_main", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
    {"Level_ACLRConfig",
     {{"butMultiBand", QT_TRANSLATE_NOOP("VerticalMenu", "Multiple Band"), nullptr, Option},
      {"butSingleCarrier", QT_TRANSLATE_NOOP("VerticalMenu", "Single Carrier"), nullptr, Option},
      {"butMultiCarrier", QT_TRANSLATE_NOOP("VerticalMenu", "Multi-Carrier"), nullptr, Option}}},
    {"Level_Question",
     {{"HELP", QT_TRANSLATE_NOOP("VerticalMenu", "Help"), nullptr, Plain},
      {"ABOUT", QT_TRANSLATE_NOOP("VerticalMenu", "About"), nullptr, Plain},
      {"PROFILE", QT_TRANSLATE_NOOP("VerticalMenu", "Profile"), nullptr, Plain},
      {"THEME", QT_TRANSLATE_NOOP("VerticalMenu", "Theme"), nullptr, Plain},
      {"LANGUAGE", QT_TRANSLATE_NOOP("VerticalMenu", "Language"), nullptr, Plain},
      {"back___Level_main", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
    {"Level_PROFILE",
     {{"SAVE", QT_TRANSLATE_NOOP("VerticalMenu", "Save"), QT_TRANSLATE_NOOP("VerticalMenu", "Save Profile"), Option},
      {"OPEN", QT_TRANSLATE_NOOP("VerticalMenu", "Open"), QT_TRANSLATE_NOOP("VerticalMenu", "Open Profile"), Option},
      {"DEFAULT", QT_TRANSLATE_NOOP("VerticalMenu", "Default"), QT_TRANSLATE_NOOP("VerticalMenu", "Default Profile"), Option},
      {"back______Level_Question", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
    {"Level_THEME",
     {{"ThemeDark", QT_TRANSLATE_NOOP("VerticalMenu", "Dark"), QT_TRANSLATE_NOOP("VerticalMenu", "Dark Theme"), Option},
      {"ThemeLight", QT_TRANSLATE_NOOP("VerticalMenu", "Light"), QT_TRANSLATE_NOOP("VerticalMenu", "Light Theme"), Option},
      {"ThemeDefault", QT_TRANSLATE_NOOP("VerticalMenu", "Classic"), QT_TRANSLATE_NOOP("VerticalMenu", "Default Theme"), Option},
      {"back_______Level_Question", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
    // The language names are shown in their own language whatever the interface language.
    {"Level_LANGUAGE",
     {{"RUSSIAN", nullptr, nullptr, Option},
      {"ENGLISH", nullptr, nullptr, Option},
      {"back_____Level_Question", QT_TRANSLATE_NOOP("VerticalMenu", "Back"), nullptr, Plain}}},
};

const char kCaptionProperty[] = "twCaption";
const char kToolTipProperty[] = "twToolTip";
const QString kMainLevel = QStringLiteral("Level_main");
const QString kLevelPrefix = QStringLiteral("Level_");

// Main-page entries whose checked look follows the options of their sub-page.
struct ModeGroup {
    const char *mainButton;
    std::initializer_list<const char *> options;
};
const ModeGroup kModeGroups[] = {
    {"VectorAnalysis", {}},
    {"STANDARD", {"PSK_standard", "QAM_standard"}},
    {"LTE", {}},
    {"G5", {"downlink", "uplink", "prach"}},
    {"ACLR", {"CUSTOM_ACLR", "G4_ACLR", "G5_ACLR"}},
};

QString languageCaption(const QString &name)
{
    return name == QLatin1String("RUSSIAN") ? QStringLiteral("Русский") : QStringLiteral("English");
}
}  // namespace

VerticalMenu::VerticalMenu(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frameVerticalMenu"));
    m_nonExclusive = {QStringLiteral("Level_channels"), QStringLiteral("Level_channelsUplink"),
                      QStringLiteral("Level_PROFILE")};
    buildLevels();
    m_fileChooser = [](QWidget *owner, const QString &title, const QString &filter, bool isSave) {
        return isSave ? QFileDialog::getSaveFileName(owner, title, ProfileStore::profileFolder(), filter)
                      : QFileDialog::getOpenFileName(owner, title, ProfileStore::profileFolder(), filter);
    };
    m_question = [](QWidget *owner, const QString &title, const QString &text) {
        return QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
               QMessageBox::Yes;
    };
    m_current = m_pages.first();
    m_current->show();
    updateMaximumSize();
}

void VerticalMenu::buildLevels()
{
    for (const LevelSpec &level : kLevels) {
        QWidget *page = createLevel(QString::fromLatin1(level.name));
        for (const ButtonSpec &spec : level.buttons)
            createButton(page, QString::fromLatin1(spec.name), spec.caption, spec.toolTip, spec.kind == Option);
        if (page->objectName() == QLatin1String("Level_userUplink")) {
            // Each user's button has a companion that shows whether it is the chosen user.
            for (int i = 1; i <= 10; ++i) {
                auto *user = page->findChild<QPushButton *>(QStringLiteral("USER_%1").arg(i));
                auto *radio = new QRadioButton(page);
                radio->setObjectName(QStringLiteral("radioButton_%1").arg(i));
                radio->setAutoExclusive(false);
                radio->setFocusPolicy(Qt::NoFocus);
                auto *row = new QHBoxLayout;
                row->setContentsMargins(6, 0, 0, 0);
                auto *column = static_cast<QVBoxLayout *>(page->layout());
                const int at = column->indexOf(user);
                column->removeWidget(user);
                row->addWidget(radio);
                row->addWidget(user, 1);
                column->insertLayout(at, row);
                m_companions.insert(user, radio);
                connect(radio, &QRadioButton::clicked, this, [user, radio] {
                    radio->setChecked(user->isChecked());
                    if (user->isEnabled())
                        user->click();
                });
                connect(user, &QPushButton::toggled, radio, &QRadioButton::setChecked);
            }
        }
    }
    retranslateUi();
}

QWidget *VerticalMenu::createLevel(const QString &name)
{
    auto *page = new QWidget(this);
    page->setObjectName(name);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch(1);
    page->hide();
    m_pages.append(page);
    return page;
}

QPushButton *VerticalMenu::createButton(QWidget *page, const QString &objectName, const char *caption,
                                        const char *toolTip, bool isCheckable)
{
    auto *button = new QPushButton(page);
    button->setObjectName(objectName);
    button->setCheckable(isCheckable || objectName == QLatin1String("STANDARD"));
    button->setFixedHeight(kButtonHeight);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty(kCaptionProperty, caption ? QString::fromUtf8(caption) : languageCaption(objectName));
    button->setProperty(kToolTipProperty, QString::fromUtf8(toolTip ? toolTip : caption));
    button->setProperty("twPlain", !isCheckable);
    auto *column = static_cast<QVBoxLayout *>(page->layout());
    // Back buttons sit at the foot of the page, below the stretch; the others above it.
    const bool isFoot = objectName.contains(QLatin1String("back")) || objectName == QLatin1String("Question");
    int stretch = 0;
    while (stretch < column->count() && !column->itemAt(stretch)->spacerItem())
        ++stretch;
    column->insertWidget(isFoot ? column->count() : stretch, button);
    connect(button, &QPushButton::clicked, this, [this, button] { slotButtonClick(button); });
    return button;
}

QPushButton *VerticalMenu::addButton(const QString &level, const QString &objectName, const QString &caption,
                                     const QString &toolTip, bool isCheckable)
{
    QWidget *page = findChild<QWidget *>(level, Qt::FindDirectChildrenOnly);
    if (!page || !m_pages.contains(page))
        return nullptr;
    QPushButton *added = createButton(page, objectName, nullptr, nullptr, isCheckable);
    added->setProperty(kCaptionProperty, caption);
    added->setProperty(kToolTipProperty, toolTip.isEmpty() ? caption : toolTip);
    added->setText(caption);
    added->setToolTip(toolTip.isEmpty() ? caption : toolTip);
    // Buttons added by the owner keep the caption they were given.
    added->setProperty("twOwnText", true);
    updateMaximumSize();
    return added;
}

void VerticalMenu::retranslateUi()
{
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->property("twOwnText").toBool())
            continue;
        const QString caption = button->property(kCaptionProperty).toString();
        const QString toolTip = button->property(kToolTipProperty).toString();
        const bool isLanguage = button->objectName() == QLatin1String("RUSSIAN") ||
                                button->objectName() == QLatin1String("ENGLISH");
        const QByteArray context = metaObject()->className();
        button->setText(isLanguage ? caption : QCoreApplication::translate(context.constData(), caption.toUtf8().constData()));
        QString tip = isLanguage ? caption : QCoreApplication::translate(context.constData(), toolTip.toUtf8().constData());
        button->setToolTip(tip.replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    for (auto it = m_companions.cbegin(); it != m_companions.cend(); ++it)
        it.value()->setToolTip(tr("Chosen user"));
}

void VerticalMenu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        updateMaximumSize();
    }
    QFrame::changeEvent(event);
}

void VerticalMenu::setFileChooser(FileChooser chooser)
{
    m_fileChooser = std::move(chooser);
}

void VerticalMenu::setQuestion(Question question)
{
    m_question = std::move(question);
}

void VerticalMenu::setSlideDuration(int ms)
{
    m_slideMs = qMax(0, ms);
}

QString VerticalMenu::currentLevel() const
{
    return m_current ? m_current->objectName() : QString();
}

QStringList VerticalMenu::levels() const
{
    QStringList names;
    for (const QWidget *page : m_pages)
        names.append(page->objectName());
    return names;
}

QPushButton *VerticalMenu::button(const QString &objectName) const
{
    QPushButton *found = findChild<QPushButton *>(objectName);
    if (found)
        return found;
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *candidate : buttons) {
        if (candidate->objectName().compare(objectName, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return nullptr;
}

bool VerticalMenu::isLocked() const
{
    return m_slide != nullptr;
}

void VerticalMenu::setButtonBlocked(const QString &objectName, bool isBlocked)
{
    if (isBlocked)
        m_blocked.insert(objectName);
    else
        m_blocked.remove(objectName);
}

void VerticalMenu::setButtonEnabled(const QString &objectName, bool isEnabled)
{
    if (QPushButton *found = button(objectName))
        found->setEnabled(isEnabled);
}

void VerticalMenu::setLevelKeepsPanels(const QString &level, bool isKeeping)
{
    if (isKeeping)
        m_keepsPanels.insert(level);
    else
        m_keepsPanels.remove(level);
}

QWidget *VerticalMenu::pageOf(const QPushButton *button) const
{
    for (QWidget *widget = button->parentWidget(); widget; widget = widget->parentWidget()) {
        if (m_pages.contains(widget))
            return widget;
    }
    return nullptr;
}

int VerticalMenu::rowOf(const QPushButton *button) const
{
    // The buttons of a page form one column of equal rows, so a button's row is
    // its place among the page's buttons (its y over the button height).
    const QWidget *page = pageOf(button);
    if (!page)
        return 0;
    int row = 0;
    const auto *column = static_cast<QVBoxLayout *>(page->layout());
    for (int i = 0; i < column->count(); ++i) {
        QLayoutItem *item = column->itemAt(i);
        QWidget *widget = item->widget();
        if (!widget && item->layout() && item->layout()->count() > 1)
            widget = item->layout()->itemAt(1)->widget();
        if (widget == button)
            return row;
        if (qobject_cast<QPushButton *>(widget))
            ++row;
    }
    return row;
}

QString VerticalMenu::captionOf(const QPushButton *button) const
{
    // Receivers compare these texts, so the signals carry the untranslated caption.
    return button->property(kCaptionProperty).toString();
}

void VerticalMenu::clickMenu(QString objectNameButton, bool isSendSignal)
{
    QPushButton *target = button(objectNameButton);
    if (!target)
        return;
    finishSlide();
    const bool wasSending = m_isSendSignal;
    m_isSendSignal = isSendSignal;
    target->click();
    m_isSendSignal = wasSending;
}

void VerticalMenu::checkMenu(QString nameButton)
{
    QPushButton *target = button(nameButton);
    if (!target || !target->isCheckable())
        return;
    const bool wasSending = m_isSendSignal;
    m_isSendSignal = false;
    m_selection = target;
    selectOption(target);
    const QString group = modeGroupOf(target->objectName());
    if (!group.isEmpty())
        chooseMode(group);
    if (target->objectName() == QLatin1String("LTE"))
        target->setEnabled(false);
    if (isThemeButton(target->objectName()))
        lockThemeChoice(target);
    refreshMarks();
    m_isSendSignal = wasSending;
}

void VerticalMenu::markMenu(bool isMark)
{
    if (!m_selection)
        return;
    m_selection->setChecked(isMark);
    m_selection->setEnabled(true);
    if (!isMark && modeGroupOf(m_selection->objectName()) == m_modeMark)
        m_modeMark.clear();
    refreshMarks();
}

void VerticalMenu::slotButtonClick(QPushButton *button)
{
    if (!button)
        button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    if (isLocked() || m_blocked.contains(button->objectName())) {
        // The click has already toggled a checkable button: put it back.
        if (button->isCheckable())
            button->setChecked(!button->isChecked());
        return;
    }
    if (button->property("twPlain").toBool())
        pressPlain(button);
    else
        pressChecked(button);
    refreshMarks();
    QCoreApplication::postEvent(button, new QEvent(QEvent::Leave));
}

void VerticalMenu::selectOption(QPushButton *button)
{
    QWidget *page = pageOf(button);
    if (page && m_nonExclusive.contains(page->objectName()))
        return;
    button->setChecked(true);
    if (!page)
        return;
    const QList<QPushButton *> siblings = page->findChildren<QPushButton *>();
    for (QPushButton *other : siblings) {
        if (other != button && other->isCheckable() && other->isChecked())
            other->setChecked(false);
    }
}

QString VerticalMenu::modeGroupOf(const QString &name) const
{
    for (const ModeGroup &group : kModeGroups) {
        bool isMember = name == QLatin1String(group.mainButton);
        for (const char *option : group.options)
            isMember = isMember || name == QLatin1String(option);
        if (isMember)
            return QString::fromLatin1(group.mainButton);
    }
    return QString();
}

bool VerticalMenu::isThemeButton(const QString &name)
{
    return name == QLatin1String("ThemeDefault") || name == QLatin1String("ThemeDark") ||
           name == QLatin1String("ThemeLight");
}

void VerticalMenu::lockThemeChoice(QPushButton *chosen)
{
    // The theme in use cannot be chosen again; the others can.
    for (const char *name : {"ThemeDark", "ThemeLight", "ThemeDefault"}) {
        QPushButton *theme = button(QString::fromLatin1(name));
        theme->setChecked(theme == chosen);
        theme->setEnabled(theme != chosen);
    }
}

void VerticalMenu::chooseMode(const QString &modeButton)
{
    // One analysis mode at a time: choosing one clears the marks of the others.
    m_modeMark = modeButton;
    for (const ModeGroup &group : kModeGroups) {
        const QString main = QString::fromLatin1(group.mainButton);
        QPushButton *mainButton = button(main);
        mainButton->setEnabled(true);
        if (main == modeButton) {
            if (group.options.size() == 0)
                mainButton->setChecked(true);
            continue;
        }
        mainButton->setChecked(false);
        for (const char *option : group.options)
            button(QString::fromLatin1(option))->setChecked(false);
    }
}

void VerticalMenu::refreshMarks()
{
    for (const ModeGroup &group : kModeGroups) {
        if (group.options.size() == 0)
            continue;
        bool isAnyChecked = false;
        for (const char *option : group.options)
            isAnyChecked = isAnyChecked || button(QString::fromLatin1(option))->isChecked();
        QPushButton *mainButton = button(QString::fromLatin1(group.mainButton));
        isAnyChecked = isAnyChecked || m_modeMark == mainButton->objectName();
        mainButton->setChecked(isAnyChecked);
        if (isAnyChecked)
            mainButton->setEnabled(true);
    }
}

void VerticalMenu::pressChecked(QPushButton *button)
{
    const QString name = button->objectName();
    const QString upper = name.toUpper();
    m_selection = button;
    if (name != QLatin1String("STANDARD") && name.contains(QLatin1String("standard"))) {
        selectOption(button);
        chooseMode(QStringLiteral("STANDARD"));
        switchLevel(kMainLevel);
        if (sends())
            emit settingStandard(kLevelPrefix + name.section(QLatin1Char('_'), 0, 0));
    } else if (upper == QLatin1String("DOWNLINK_LTE") || upper == QLatin1String("UPLINK_LTE")) {
        selectOption(button);
        if (sends()) {
            if (upper == QLatin1String("DOWNLINK_LTE"))
                emit settingLTEDownlink();
            else
                emit settingLTEUplink();
        }
    } else if (upper == QLatin1String("VECTORANALYSIS")) {
        chooseMode(name);
        if (sends())
            emit settingVecAnalysis();
    } else if (name == QLatin1String("RUSSIAN") || name == QLatin1String("ENGLISH")) {
        selectOption(button);
        switchLevel(kMainLevel);
        if (sends())
            emit sendLanguage(name);
    } else if (isThemeButton(name)) {
        lockThemeChoice(button);
        switchLevel(kMainLevel);
        if (sends())
            emit sendTheme(captionOf(button));
    } else if (name == QLatin1String("SAVE") || name == QLatin1String("OPEN")) {
        pressProfileFile(button, name == QLatin1String("SAVE"));
    } else if (name == QLatin1String("DEFAULT")) {
        pressProfileDefault(button);
    } else if (upper == QLatin1String("LTE")) {
        chooseMode(name);
        button->setEnabled(false);
        if (sends())
            emit settingLTE(QStringLiteral("Downlink"));
    } else if (upper == QLatin1String("G5")) {
        button->setEnabled(false);
        switchLevel(QStringLiteral("Level_G5"));
    } else if (upper == QLatin1String("ACLR")) {
        switchLevel(QStringLiteral("Level_ACLR"));
    } else if (name == QLatin1String("downlink") || name == QLatin1String("uplink") ||
               name == QLatin1String("prach")) {
        selectOption(button);
        chooseMode(QStringLiteral("G5"));
        if (sends())
            emit setting5G(captionOf(button));
        switchLevel(kMainLevel);
    } else if (name.contains(QLatin1String("ACLR"))) {
        selectOption(button);
        chooseMode(QStringLiteral("ACLR"));
        if (sends())
            emit settingACLR(captionOf(button));
        switchLevel(kMainLevel);
    } else {
        selectOption(button);
        const QWidget *page = pageOf(button);
        if (sends()) {
            if (page && m_keepsPanels.contains(page->objectName()))
                emit setting_WO_Deactive(captionOf(button));
            else
                emit setting(captionOf(button));
            emit setting(rowOf(button));
        }
    }
}

void VerticalMenu::pressPlain(QPushButton *button)
{
    const QString name = button->objectName();
    const QString upper = name.toUpper();
    if (name.contains(QLatin1String("back"))) {
        static const QRegularExpression backPrefix(QStringLiteral("back_*"));
        switchLevel(QString(name).remove(backPrefix));
    } else if (name.contains(QLatin1String("preset"))) {
        if (sends())
            emit settingPreset(captionOf(button).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    } else if (upper == QLatin1String("ABOUT")) {
        if (sends())
            emit openAbout();
    } else if (upper == QLatin1String("HELP")) {
        if (sends())
            emit openHelp();
    } else {
        switchLevel(kLevelPrefix + name);
    }
}

void VerticalMenu::pressProfileFile(QPushButton *button, bool isSave)
{
    button->setChecked(false);
    if (!sends())
        return;
    const QString title = isSave ? tr("Save Profile") : tr("Open Profile");
    const QString path = m_fileChooser(this, title, tr("XML File (*.xml)"), isSave);
    button->setChecked(false);
    if (path.isEmpty())
        return;
    switchLevel(kMainLevel);
    if (isSave)
        emit sendPathSaveProfile(path);
    else
        emit sendPathOpenProfile(path);
}

void VerticalMenu::pressProfileDefault(QPushButton *button)
{
    if (!sends()) {
        button->setChecked(false);
        return;
    }
    // Disabled while the question is open, so that a second press cannot stack a second box.
    button->setEnabled(false);
    const bool isYes = m_question(this, tr("Reset Profile"), tr("Are you sure you want to reset profile?"));
    button->setChecked(false);
    button->setEnabled(true);
    if (!isYes)
        return;
    switchLevel(kMainLevel);
    emit sendPathOpenProfile(ProfileStore::resetPath());
}

void VerticalMenu::switchLevel(const QString &level, bool isAnimated)
{
    auto *target = findChild<QWidget *>(level, Qt::FindDirectChildrenOnly);
    if (!target || !m_pages.contains(target) || target == m_current)
        return;
    finishSlide();
    QWidget *previous = m_current;
    m_current = target;
    // The 5G entry stays disabled only while its own page is open.
    if (previous->objectName() == QLatin1String("Level_G5"))
        button(QStringLiteral("G5"))->setEnabled(true);
    if (sends()) {
        emit activeMenu(m_pages.indexOf(previous), false);
        emit activeMenu(m_pages.indexOf(target), true);
        if (!m_keepsPanels.contains(level))
            emit sendDeactive();
    }
    const QRect home = rect();
    if (!isAnimated || m_slideMs == 0 || !isVisible()) {
        previous->hide();
        target->setGeometry(home);
        target->show();
        return;
    }
    // Deeper pages come in from the right, pages nearer the main page from the left.
    const int direction = m_pages.indexOf(target) > m_pages.indexOf(previous) ? 1 : -1;
    target->setGeometry(home.translated(direction * home.width(), 0));
    target->show();
    target->raise();
    m_slide = new QParallelAnimationGroup(this);
    auto *out = new QPropertyAnimation(previous, "geometry", m_slide);
    out->setStartValue(home);
    out->setEndValue(home.translated(-direction * home.width(), 0));
    auto *in = new QPropertyAnimation(target, "geometry", m_slide);
    in->setStartValue(target->geometry());
    in->setEndValue(home);
    for (QPropertyAnimation *animation : {out, in}) {
        animation->setDuration(m_slideMs);
        animation->setEasingCurve(QEasingCurve::OutCubic);
    }
    connect(m_slide, &QAbstractAnimation::finished, this, [this, previous] {
        previous->hide();
        previous->setGeometry(rect());
        m_slide->deleteLater();
        m_slide = nullptr;
    });
    m_slide->start();
}

void VerticalMenu::finishSlide()
{
    if (m_slide)
        m_slide->setCurrentTime(m_slide->duration());
}

void VerticalMenu::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    finishSlide();
    if (m_current)
        m_current->setGeometry(rect());
}

void VerticalMenu::updateMaximumSize()
{
    int width = 0;
    int height = 0;
    for (QWidget *page : qAsConst(m_pages)) {
        page->layout()->activate();
        const QSize hint = page->layout()->sizeHint();
        width = qMax(width, hint.width());
        height = qMax(height, hint.height());
    }
    const QMargins margins = contentsMargins();
    setFixedWidth(width + margins.left() + margins.right());
    setMinimumHeight(height + margins.top() + margins.bottom());
}
