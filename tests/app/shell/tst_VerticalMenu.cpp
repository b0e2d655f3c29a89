#include "ProfileStore.h"
#include "TestEnvironment.h"
#include "VerticalMenu.h"

#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// Records every signal of the menu, in order, as "name(args)".
class MenuRecorder : public QObject
{
public:
    explicit MenuRecorder(VerticalMenu *menu)
    {
        auto text = [this](const char *name) { return [this, name](const QString &a) { log << QStringLiteral("%1(%2)").arg(QLatin1String(name), a); }; };
        auto none = [this](const char *name) { return [this, name] { log << QStringLiteral("%1()").arg(QLatin1String(name)); }; };
        connect(menu, &VerticalMenu::settingStandard, this, text("settingStandard"));
        connect(menu, &VerticalMenu::settingPreset, this, text("settingPreset"));
        connect(menu, &VerticalMenu::settingLTEDownlink, this, none("settingLTEDownlink"));
        connect(menu, &VerticalMenu::settingLTEUplink, this, none("settingLTEUplink"));
        connect(menu, &VerticalMenu::settingVecAnalysis, this, none("settingVecAnalysis"));
        connect(menu, &VerticalMenu::setting5G, this, text("setting5G"));
        connect(menu, &VerticalMenu::settingLTE, this, text("settingLTE"));
        connect(menu, &VerticalMenu::settingACLR, this, text("settingACLR"));
        connect(menu, &VerticalMenu::setting_WO_Deactive, this, text("setting_WO_Deactive"));
        connect(menu, QOverload<QString>::of(&VerticalMenu::setting), this, text("setting"));
        connect(menu, QOverload<int>::of(&VerticalMenu::setting), this,
                [this](int n) { log << QStringLiteral("setting(%1)").arg(n); });
        connect(menu, &VerticalMenu::sendDeactive, this, none("sendDeactive"));
        connect(menu, &VerticalMenu::sendLanguage, this, text("sendLanguage"));
        connect(menu, &VerticalMenu::sendTheme, this, text("sendTheme"));
        connect(menu, &VerticalMenu::sendPathSaveProfile, this, text("sendPathSaveProfile"));
        connect(menu, &VerticalMenu::sendPathOpenProfile, this, text("sendPathOpenProfile"));
        connect(menu, &VerticalMenu::openAbout, this, none("openAbout"));
        connect(menu, &VerticalMenu::openHelp, this, none("openHelp"));
        connect(menu, &VerticalMenu::activeMenu, this,
                [this](int i, bool on) { log << QStringLiteral("activeMenu(%1,%2)").arg(i).arg(on); });
    }
    QStringList take() { return std::exchange(log, {}); }
    QStringList log;
};

class tst_VerticalMenu : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buildsEveryLevelWithItsButtons();
    void navigationFollowsLevelNamesAndBackButtons();
    void backButtonToAMissingPageStaysPut();
    void pressesEmitTheirSignalsInOrder_data();
    void pressesEmitTheirSignalsInOrder();
    void keptPanelsPresetsAndAddedButtonsEmitTheirSignals();
    void optionsAreExclusiveWithinTheirPage();
    void lteCannotBePressedTwiceWhileActive();
    void modeMarksFollowTheChosenMode();
    void themeInUseCannotBeChosenAgain();
    void defaultAnsweredNoLeavesTheProfileAndReenablesTheButton();
    void defaultAnsweredYesOpensTheResetProfile();
    void cancelledFileDialogEmitsNothing();
    void chosenFileIsSentWithTheDialogTitleAndFilter();
    void pressesDuringASlideAreIgnored();
    void silentClickAndCheckEmitNothing();

private:
    QScopedPointer<TestEnvironment> m_env;
    QScopedPointer<VerticalMenu> m_menu;
    QScopedPointer<MenuRecorder> m_rec;
};

void tst_VerticalMenu::init()
{
    m_env.reset(new TestEnvironment);
    ProfileStore::setBaseFolder(m_env->path());
    m_menu.reset(new VerticalMenu);
    m_menu->setSlideDuration(0);
    m_menu->setFileChooser([](QWidget *, const QString &, const QString &, bool) { return QString(); });
    m_menu->setQuestion([](QWidget *, const QString &, const QString &) { return false; });
    m_rec.reset(new MenuRecorder(m_menu.data()));
}

void tst_VerticalMenu::cleanup()
{
    m_rec.reset();
    m_menu.reset();
}

void tst_VerticalMenu::buildsEveryLevelWithItsButtons()
{
    QCOMPARE(m_menu->objectName(), QStringLiteral("frameVerticalMenu"));
    QCOMPARE(m_menu->levels().size(), 27);
    QCOMPARE(m_menu->levels().first(), QStringLiteral("Level_main"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_main"));
    const struct { const char *name; const char *caption; const char *tip; } samples[] = {
        {"VectorAnalysis", "Vector\nAnalysis", "Basic Vector Analysis"},
        {"ACLR", "ACLR", "Adjustment Channel Leakage Ratio"},
        {"Question", "Menu", "Menu"},
        {"QPSK_pi4_offset", "QPSK \u03C0/4 offset", nullptr},
        {"pi8_D8PSK", "\u03C0/8-D8PSK", nullptr},
        {"LastButtonEncod", "VDL", nullptr},
        {"ErrorTime", "Error Vector Time", nullptr},
        {"TimePlanInfo", "Frame Summary", nullptr},
        {"Result", "Result", nullptr},
        {"USER_10", "USER 10", nullptr},
        {"prach", "Prach", "5G NR Prach"},
        {"G4_ACLR", "4G LTE ACLR", nullptr},
        {"DEFAULT", "Default", "Default Profile"},
        {"ThemeDefault", "Classic", "Default Theme"},
        {"RUSSIAN", "\u0420\u0443\u0441\u0441\u043A\u0438\u0439", nullptr},
        {"back_______Level_Question", "Back", nullptr},
    };
    for (const auto &s : samples) {
        QPushButton *b = m_menu->button(QString::fromLatin1(s.name));
        QVERIFY2(b, s.name);
        QCOMPARE(b->text(), QString::fromUtf8(s.caption));
        if (s.tip)
            QCOMPARE(b->toolTip(), QString::fromUtf8(s.tip));
    }
    QVERIFY(m_menu->findChild<QRadioButton *>(QStringLiteral("radioButton_7")));
    QVERIFY(!m_menu->button(QStringLiteral("Question"))->isCheckable());
    QVERIFY(m_menu->button(QStringLiteral("QAM64"))->isCheckable());
}

void tst_VerticalMenu::navigationFollowsLevelNamesAndBackButtons()
{
    m_menu->clickMenu(QStringLiteral("Question"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_Question"));
    m_menu->clickMenu(QStringLiteral("THEME"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_THEME"));
    m_menu->clickMenu(QStringLiteral("back_______Level_Question"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_Question"));
    m_menu->clickMenu(QStringLiteral("back___Level_main"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_main"));
    m_menu->clickMenu(QStringLiteral("STANDARD"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_STANDARD"));
}

void tst_VerticalMenu::backButtonToAMissingPageStaysPut()
{
    m_menu->clickMenu(QStringLiteral("Question"));
    m_menu->addButton(QStringLiteral("Level_Question"), QStringLiteral("back__Level_Nowhere"), QStringLiteral("Back"),
                      QString(), false);
    m_rec->take();
    m_menu->clickMenu(QStringLiteral("back__Level_Nowhere"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_Question"));
    QCOMPARE(m_rec->take(), QStringList());
    // A plain button without a page of its name does nothing either.
    m_menu->addButton(QStringLiteral("Level_Question"), QStringLiteral("Nowhere"), QStringLiteral("?"), QString(), false);
    m_menu->clickMenu(QStringLiteral("Nowhere"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_Question"));
}

void tst_VerticalMenu::pressesEmitTheirSignalsInOrder_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("levelAfter");
    // Page indexes: 0 main, 1 STANDARD, 20 G5, 21 ACLR, 25 THEME, 26 LANGUAGE.
    QTest::newRow("modulation family") << "Level_STANDARD" << "QAM_standard"
                                       << QStringList{"activeMenu(1,0)", "activeMenu(0,1)", "sendDeactive()",
                                                      "settingStandard(Level_QAM)"}
                                       << "Level_main";
    QTest::newRow("5G direction") << "Level_G5" << "uplink"
                                  << QStringList{"setting5G(Uplink)", "activeMenu(20,0)", "activeMenu(0,1)",
                                                 "sendDeactive()"}
                                  << "Level_main";
    QTest::newRow("ACLR variant") << "Level_ACLR" << "G4_ACLR"
                                  << QStringList{"settingACLR(4G LTE ACLR)", "activeMenu(21,0)", "activeMenu(0,1)",
                                                 "sendDeactive()"}
                                  << "Level_main";
    QTest::newRow("plain option") << "Level_graphic_2" << "Spectrum_2"
                                  << QStringList{"setting(Spectrum)", "setting(2)"} << "Level_graphic_2";
    QTest::newRow("theme") << "Level_THEME" << "ThemeLight"
                           << QStringList{"activeMenu(25,0)", "activeMenu(0,1)", "sendDeactive()",
                                          "sendTheme(Light)"}
                           << "Level_main";
    QTest::newRow("language") << "Level_LANGUAGE" << "RUSSIAN"
                              << QStringList{"activeMenu(26,0)", "activeMenu(0,1)", "sendDeactive()",
                                             "sendLanguage(RUSSIAN)"}
                              << "Level_main";
    QTest::newRow("LTE") << "Level_main" << "LTE" << QStringList{"settingLTE(Downlink)"} << "Level_main";
    QTest::newRow("vector analysis") << "Level_main" << "VectorAnalysis" << QStringList{"settingVecAnalysis()"}
                                     << "Level_main";
    QTest::newRow("5G entry opens its page") << "Level_main" << "G5"
                                             << QStringList{"activeMenu(0,0)", "activeMenu(20,1)", "sendDeactive()"}
                                             << "Level_G5";
    QTest::newRow("LTE uplink") << "Level_G4" << "Uplink_LTE" << QStringList{"settingLTEUplink()"} << "Level_G4";
    QTest::newRow("help") << "Level_Question" << "HELP" << QStringList{"openHelp()"} << "Level_Question";
    QTest::newRow("about") << "Level_Question" << "ABOUT" << QStringList{"openAbout()"} << "Level_Question";
}

void tst_VerticalMenu::pressesEmitTheirSignalsInOrder()
{
    QFETCH(QString, level);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    QFETCH(QString, levelAfter);
    m_menu->switchLevel(level, false);
    QCOMPARE(m_menu->currentLevel(), level);
    m_rec->take();
    m_menu->clickMenu(button);
    QCOMPARE(m_rec->take(), expected);
    QCOMPARE(m_menu->currentLevel(), levelAfter);
}

void tst_VerticalMenu::keptPanelsPresetsAndAddedButtonsEmitTheirSignals()
{
    m_menu->setLevelKeepsPanels(QStringLiteral("Level_filter"), true);
    m_menu->switchLevel(QStringLiteral("Level_filter"));
    QCOMPARE(m_rec->take(), QStringList({"activeMenu(0,0)", "activeMenu(7,1)"}));
    m_menu->clickMenu(QStringLiteral("Gaussian"));
    QCOMPARE(m_rec->take(), QStringList({"setting_WO_Deactive(Gaussian)", "setting(3)"}));
    m_menu->addButton(QStringLiteral("Level_filter"), QStringLiteral("preset_GSM"), QStringLiteral("GSM\nGMSK"),
                      QString(), false);
    m_menu->clickMenu(QStringLiteral("preset_GSM"));
    QCOMPARE(m_rec->take(), QStringList({"settingPreset(GSM GMSK)"}));
    // Added options follow the page's own buttons, above its foot.
    m_menu->addButton(QStringLiteral("Level_G5"), QStringLiteral("testOption"), QStringLiteral("Test"));
    m_menu->switchLevel(QStringLiteral("Level_G5"), false);
    m_rec->take();
    m_menu->clickMenu(QStringLiteral("testOption"));
    QCOMPARE(m_rec->take(), QStringList({"setting(Test)", "setting(3)"}));
    const QLayout *column = m_menu->findChild<QWidget *>(QStringLiteral("Level_G5"))->layout();
    QCOMPARE(column->indexOf(m_menu->button(QStringLiteral("testOption"))),
             column->indexOf(m_menu->button(QStringLiteral("prach"))) + 1);
}

void tst_VerticalMenu::optionsAreExclusiveWithinTheirPage()
{
    m_menu->switchLevel(QStringLiteral("Level_QAM"), false);
    m_menu->clickMenu(QStringLiteral("QAM16"));
    m_menu->clickMenu(QStringLiteral("QAM64"));
    QVERIFY(!m_menu->button(QStringLiteral("QAM16"))->isChecked());
    QVERIFY(m_menu->button(QStringLiteral("QAM64"))->isChecked());
    // Pressing the chosen option again keeps it chosen.
    m_menu->clickMenu(QStringLiteral("QAM64"));
    QVERIFY(m_menu->button(QStringLiteral("QAM64"))->isChecked());
    // Channels are switched on and off one by one.
    m_menu->switchLevel(QStringLiteral("Level_channels"), false);
    m_menu->clickMenu(QStringLiteral("PSS"));
    m_menu->clickMenu(QStringLiteral("SSS"));
    QVERIFY(m_menu->button(QStringLiteral("PSS"))->isChecked());
    QVERIFY(m_menu->button(QStringLiteral("SSS"))->isChecked());
    m_menu->clickMenu(QStringLiteral("PSS"));
    QVERIFY(!m_menu->button(QStringLiteral("PSS"))->isChecked());
    // A user's companion follows its button.
    m_menu->switchLevel(QStringLiteral("Level_userUplink"), false);
    m_menu->clickMenu(QStringLiteral("USER_3"));
    QVERIFY(m_menu->findChild<QRadioButton *>(QStringLiteral("radioButton_3"))->isChecked());
    m_menu->clickMenu(QStringLiteral("USER_4"));
    QVERIFY(!m_menu->findChild<QRadioButton *>(QStringLiteral("radioButton_3"))->isChecked());
}

void tst_VerticalMenu::lteCannotBePressedTwiceWhileActive()
{
    m_menu->clickMenu(QStringLiteral("LTE"));
    QCOMPARE(m_rec->take(), QStringList({"settingLTE(Downlink)"}));
    QPushButton *lte = m_menu->button(QStringLiteral("LTE"));
    QVERIFY(lte->isChecked());
    QVERIFY(!lte->isEnabled());
    lte->click();
    m_menu->clickMenu(QStringLiteral("LTE"));
    QCOMPARE(m_rec->take(), QStringList());
    // Choosing another mode releases it.
    m_menu->clickMenu(QStringLiteral("VectorAnalysis"));
    QVERIFY(lte->isEnabled());
    QVERIFY(!lte->isChecked());
}

void tst_VerticalMenu::modeMarksFollowTheChosenMode()
{
    QPushButton *standard = m_menu->button(QStringLiteral("STANDARD"));
    QPushButton *g5 = m_menu->button(QStringLiteral("G5"));
    m_menu->clickMenu(QStringLiteral("STANDARD"));
    m_menu->clickMenu(QStringLiteral("PSK_standard"));
    QVERIFY(standard->isChecked());
    m_menu->clickMenu(QStringLiteral("G5"));
    QVERIFY(!g5->isEnabled());
    // Leaving the 5G page without a choice gives the entry back.
    m_menu->clickMenu(QStringLiteral("back______Level_main"));
    QVERIFY(g5->isEnabled());
    QVERIFY(!g5->isChecked());
    QVERIFY(standard->isChecked());
    m_menu->clickMenu(QStringLiteral("G5"));
    m_menu->clickMenu(QStringLiteral("downlink"));
    QVERIFY(g5->isChecked());
    QVERIFY(g5->isEnabled());
    QVERIFY(!standard->isChecked());
    QVERIFY(!m_menu->button(QStringLiteral("PSK_standard"))->isChecked());
    // A profile restores the marks without a signal.
    m_menu->checkMenu(QStringLiteral("G5_ACLR"));
    QVERIFY(m_menu->button(QStringLiteral("ACLR"))->isChecked());
    QVERIFY(!g5->isChecked());
    m_menu->markMenu(false);
    QVERIFY(!m_menu->button(QStringLiteral("ACLR"))->isChecked());
    QVERIFY(!m_menu->button(QStringLiteral("G5_ACLR"))->isChecked());
    // A profile of the DM mode marks its entry before the modulation is known.
    m_menu->checkMenu(QStringLiteral("STANDARD"));
    QVERIFY(standard->isChecked());
    QVERIFY(!m_menu->button(QStringLiteral("VectorAnalysis"))->isChecked());
}

void tst_VerticalMenu::themeInUseCannotBeChosenAgain()
{
    m_menu->checkMenu(QStringLiteral("ThemeDark"));
    QPushButton *dark = m_menu->button(QStringLiteral("ThemeDark"));
    QPushButton *light = m_menu->button(QStringLiteral("ThemeLight"));
    QVERIFY(dark->isChecked());
    QVERIFY(!dark->isEnabled());
    QCOMPARE(m_rec->take(), QStringList());
    m_menu->switchLevel(QStringLiteral("Level_THEME"), false);
    light->click();
    QVERIFY(light->isChecked());
    QVERIFY(!light->isEnabled());
    QVERIFY(dark->isEnabled());
    QVERIFY(!dark->isChecked());
    QVERIFY(m_rec->take().contains(QStringLiteral("sendTheme(Light)")));
}

void tst_VerticalMenu::defaultAnsweredNoLeavesTheProfileAndReenablesTheButton()
{
    m_menu->switchLevel(QStringLiteral("Level_PROFILE"), false);
    QPushButton *reset = m_menu->button(QStringLiteral("DEFAULT"));
    QString askedTitle, askedText;
    bool wasEnabledWhileAsking = true;
    m_menu->setQuestion([&](QWidget *, const QString &title, const QString &text) {
        askedTitle = title;
        askedText = text;
        wasEnabledWhileAsking = reset->isEnabled();
        return false;
    });
    m_rec->take();
    reset->click();
    QCOMPARE(askedTitle, QStringLiteral("Reset Profile"));
    QCOMPARE(askedText, QStringLiteral("Are you sure you want to reset profile?"));
    QVERIFY(!wasEnabledWhileAsking);
    QCOMPARE(m_rec->take(), QStringList());
    QVERIFY(reset->isEnabled());
    QVERIFY(!reset->isChecked());
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_PROFILE"));
}

void tst_VerticalMenu::defaultAnsweredYesOpensTheResetProfile()
{
    m_menu->switchLevel(QStringLiteral("Level_PROFILE"), false);
    m_menu->setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    m_rec->take();
    m_menu->clickMenu(QStringLiteral("DEFAULT"));
    const QStringList log = m_rec->take();
    QCOMPARE(log.last(), QStringLiteral("sendPathOpenProfile(%1)").arg(ProfileStore::resetPath()));
    QVERIFY(ProfileStore::resetPath().endsWith(QStringLiteral("/Orvane Tarnwick Studio/Default.xml")));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_main"));
}

void tst_VerticalMenu::cancelledFileDialogEmitsNothing()
{
    m_menu->switchLevel(QStringLiteral("Level_PROFILE"), false);
    m_rec->take();
    for (const char *name : {"SAVE", "OPEN"}) {
        m_menu->clickMenu(QString::fromLatin1(name));
        QCOMPARE(m_rec->take(), QStringList());
        QVERIFY(!m_menu->button(QString::fromLatin1(name))->isChecked());
        QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_PROFILE"));
    }
}

void tst_VerticalMenu::chosenFileIsSentWithTheDialogTitleAndFilter()
{
    QStringList asked;
    m_menu->setFileChooser([&](QWidget *, const QString &title, const QString &filter, bool isSave) {
        asked << QStringLiteral("%1|%2|%3").arg(title, filter).arg(isSave);
        return QStringLiteral("/tmp/p.xml");
    });
    m_menu->switchLevel(QStringLiteral("Level_PROFILE"), false);
    m_rec->take();
    m_menu->clickMenu(QStringLiteral("SAVE"));
    QCOMPARE(m_rec->take().last(), QStringLiteral("sendPathSaveProfile(/tmp/p.xml)"));
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_main"));
    m_menu->switchLevel(QStringLiteral("Level_PROFILE"), false);
    m_menu->clickMenu(QStringLiteral("OPEN"));
    QCOMPARE(m_rec->take().last(), QStringLiteral("sendPathOpenProfile(/tmp/p.xml)"));
    QCOMPARE(asked, QStringList({"Save Profile|XML File (*.xml)|1", "Open Profile|XML File (*.xml)|0"}));
    QVERIFY(!m_menu->button(QStringLiteral("SAVE"))->isChecked());
}

void tst_VerticalMenu::pressesDuringASlideAreIgnored()
{
    m_menu->setSlideDuration(400);
    m_menu->resize(140, 700);
    m_menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_menu.data()));
    QTest::mouseClick(m_menu->button(QStringLiteral("Question")), Qt::LeftButton);
    QVERIFY(m_menu->isLocked());
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_Question"));
    m_rec->take();
    QPushButton *about = m_menu->button(QStringLiteral("ABOUT"));
    QTest::mouseClick(about, Qt::LeftButton);
    // A checkable button pressed during the slide keeps its state.
    QPushButton *dark = m_menu->button(QStringLiteral("ThemeDark"));
    dark->click();
    QVERIFY(!dark->isChecked());
    QCOMPARE(m_rec->take(), QStringList());
    QTRY_VERIFY(!m_menu->isLocked());
    QCOMPARE(m_menu->findChild<QWidget *>(QStringLiteral("Level_Question"))->geometry(), m_menu->rect());
    QVERIFY(!m_menu->findChild<QWidget *>(QStringLiteral("Level_main"))->isVisible());
    QTest::mouseClick(about, Qt::LeftButton);
    QCOMPARE(m_rec->take(), QStringList({"openAbout()"}));
    // A blocked button ignores presses too.
    m_menu->setButtonBlocked(QStringLiteral("HELP"), true);
    QTest::mouseClick(m_menu->button(QStringLiteral("HELP")), Qt::LeftButton);
    QCOMPARE(m_rec->take(), QStringList());
}

void tst_VerticalMenu::silentClickAndCheckEmitNothing()
{
    m_menu->clickMenu(QStringLiteral("Question"), false);
    m_menu->clickMenu(QStringLiteral("THEME"), false);
    m_menu->clickMenu(QStringLiteral("ThemeLight"), false);
    QCOMPARE(m_rec->take(), QStringList());
    QCOMPARE(m_menu->currentLevel(), QStringLiteral("Level_main"));
    QVERIFY(m_menu->button(QStringLiteral("ThemeLight"))->isChecked());
    m_menu->checkMenu(QStringLiteral("ThemeDark"));
    QVERIFY(m_menu->button(QStringLiteral("ThemeDark"))->isChecked());
    QVERIFY(!m_menu->button(QStringLiteral("ThemeLight"))->isChecked());
    // Names are found regardless of case, as the 5G measurements arrive capitalised.
    m_menu->checkMenu(QStringLiteral("Uplink"));
    QVERIFY(m_menu->button(QStringLiteral("uplink"))->isChecked());
    QCOMPARE(m_rec->take(), QStringList());
}

QTEST_MAIN(tst_VerticalMenu)
#include "tst_VerticalMenu.moc"
