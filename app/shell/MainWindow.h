#pragma once

#include "LanguageSwitcher.h"
#include "ModeChangeAnimation.h"

#include <QMainWindow>
#include <QPointer>

class DeviceSignal;
class ManagerSignal;
class Mode4G;
class Mode5G;
class ModeACLR;
#include "ModeAnalysis.h"
class ModeDM;
class ModeVecAnalysis;
class VerticalMenu;

// The program's window: five analysis modes of which one is on screen, the
// vertical menu that switches them, the profile, the language and the theme.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // What the command line asks for at start: a recording or a demo to open in
    // vector analysis, and whether to play it once loaded.
    struct StartRequest
    {
        QString file;
        int demo = -1;
        bool isPlay = false;
    };

    static constexpr int kModeChangeMs = 350;
    static constexpr int kShortAnimationMs = 50;
    // Play asked for on the command line starts this long after the load.
    static constexpr int kPlayAfterLoadMs = 200;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    VerticalMenu *menu() const { return m_menu; }
    ModeAnalysis *currentMode() const { return m_current; }
    ModeDM *modeDM() const { return m_dm; }
    ModeVecAnalysis *modeVecAnalysis() const { return m_va; }
    Mode4G *mode4G() const { return m_lte; }
    Mode5G *mode5G() const { return m_nr; }
    ModeACLR *modeACLR() const { return m_aclr; }
    QList<ModeAnalysis *> modes() const;
    // The mode with that number (ParamSignal::Mode); vector analysis for an unknown one.
    ModeAnalysis *modeNumbered(int number) const;
    // The hub the acquisition delivers into: the mode on screen.
    ManagerSignal *acquisitionTarget() const { return m_acquisitionTarget; }
    // The one acquisition object that all modes share.
    DeviceSignal *device() const { return m_device; }
    ModeChangeAnimation *modeChangeAnimation() { return &m_modeChange; }
    bool isRussian() const { return m_language.isRussian(); }
    QString titleText() const;
    // Carries out the start request once the window is up. Without one, the demo
    // opens in vector analysis only when the automatic profile brought no
    // recording back there; the mode on screen stays the profile's.
    void openAtStart(const StartRequest &request);

signals:
    void titleChanged(QString title);

public slots:
    void switchOnVecAnalysis();
    void switchOnDigitalStandard(QString measurement = QString());
    void switchOn5G(QString measurement = QString());
    void switchOnLTE(QString measurement = QString());
    void switchOnACLR(QString measurement = QString());
    void setPressetStandardSignal(QString presset);
    void setStandardSignal(QString modulation);
    void set5GMeasurement(QString measurement);
    void setACLRMode(QString mode);
    // The ACLR panel asked for the carrier configurations: the menu shows them, the current one marked.
    void offerACLRCarrierConfig();
    // A configuration chosen in the menu goes to the ACLR mode; the menu returns to its main page.
    void setACLRCarrierConfig(QString caption);
    void openProfile(QString path = QString());
    void saveProfile(QString path = QString());
    void slotUpdateProfile();
    void slotShowCurrentMode();
    void slotOpenHelp();
    void slotSwitchLanguage(QString language);
    void slotSaveLanguage(QString language);
    void slotSwitchTheme(QString theme);
    // An option of a menu page without a signal of its own: the digital-modulation pages
    // (modulation, symbol coding, filter) set the DM mode.
    void slotMenuOption(const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createModes();
    void connectMenu();
    void switchTo(ModeAnalysis *mode, const QString &measurement);
    void handOverVectorAnalysis(ModeAnalysis *mode);
    void applyMeasurement(ModeAnalysis *mode, const QString &measurement);
    void restoreStartState();
    // Writes the profile of a fresh start to path; false (and a message) when it cannot.
    bool writeDefaultProfile(const QString &path);
    void showProblem(const QString &text);
    // Unit words and prefixes that follow the language outside the translation.
    void applyLanguageToModes(bool isRussian);

    VerticalMenu *m_menu;
    QWidget *m_modeArea;
    ModeDM *m_dm = nullptr;          // children of m_modeArea, created in this order
    ModeVecAnalysis *m_va = nullptr;
    Mode4G *m_lte = nullptr;
    Mode5G *m_nr = nullptr;
    ModeACLR *m_aclr = nullptr;
    QPointer<ModeAnalysis> m_current;
    ManagerSignal *m_acquisitionTarget = nullptr;
    DeviceSignal *m_device = nullptr;  // child
    // Whether the last opened profile brought a recording back to vector analysis.
    bool m_isVecAnalysisFileRestored = false;
    ModeChangeAnimation m_modeChange{kModeChangeMs};
    LanguageSwitcher m_language;
};
