#pragma once

#include <QFrame>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>

class QParallelAnimationGroup;
class QPushButton;
class QRadioButton;

// The command column: pages ("Level_...") of push buttons, one page visible at a
// time. A press navigates between pages or becomes one of the signals below; the
// menu decides nothing else. Buttons are found by object name, which drives the
// behaviour; captions and tool tips are translated.
class VerticalMenu : public QFrame
{
    Q_OBJECT
public:
    // Asks for a profile file; an empty answer means cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title, const QString &filter,
                                              bool isSave)>;
    // Asks a yes/no question; true means yes.
    using Question = std::function<bool(QWidget *parent, const QString &title, const QString &text)>;

    static constexpr int kSlideMs = 220;
    static constexpr int kButtonHeight = 52;

    explicit VerticalMenu(QWidget *parent = nullptr);

    // The dialogs of "SAVE", "OPEN" and "DEFAULT"; the real dialogs by default.
    void setFileChooser(FileChooser chooser);
    void setQuestion(Question question);
    // 0 switches pages at once.
    void setSlideDuration(int ms);

    QString currentLevel() const;
    QStringList levels() const;
    QPushButton *button(const QString &objectName) const;
    // True while a page slide runs: presses are ignored.
    bool isLocked() const;
    // Buttons in the blocked set ignore presses.
    void setButtonBlocked(const QString &objectName, bool isBlocked);
    void setButtonEnabled(const QString &objectName, bool isEnabled);
    // Options on such a page emit setting_WO_Deactive, and switching to it does
    // not emit sendDeactive.
    void setLevelKeepsPanels(const QString &level, bool isKeeping);
    // Adds a button at the end of a page, above its back button (presets, for instance).
    QPushButton *addButton(const QString &level, const QString &objectName, const QString &caption,
                           const QString &toolTip = QString(), bool isCheckable = true);

signals:
    void settingStandard(QString name);
    void settingPreset(QString name);
    void settingLTEDownlink();
    void settingLTEUplink();
    void settingVecAnalysis();
    void setting5G(QString measurement);
    void settingLTE(QString measurement);
    void settingACLR(QString name);
    void setting_WO_Deactive(QString name);
    void setting(QString name);
    void setting(int n);
    void sendDeactive();
    void sendLanguage(QString language);
    void sendTheme(QString theme);
    void sendPathSaveProfile(QString path);
    void sendPathOpenProfile(QString path);
    void openAbout();
    void openHelp();
    void activeMenu(int i, bool isActive);

public slots:
    // Presses the named button as the user would; with isSendSignal false nothing
    // is emitted and no dialog is shown (restoring the menu from a profile). A
    // running slide is finished first.
    void clickMenu(QString objectNameButton, bool isSendSignal = true);
    // Checks the named button without emitting and makes it the current selection;
    // a theme button is also disabled, as the theme in use cannot be chosen again.
    void checkMenu(QString nameButton);
    // Checks (or unchecks) and enables the current selection.
    void markMenu(bool isMark);
    // The handler of every button's clicked(): the argument, or the sender.
    void slotButtonClick(QPushButton *button = nullptr);
    // Shows a page; animated when the menu is on screen.
    void switchLevel(const QString &level, bool isAnimated = true);
    // Fits the column to its largest page.
    void updateMaximumSize();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *createLevel(const QString &name);
    QPushButton *createButton(QWidget *page, const QString &objectName, const char *caption, const char *toolTip,
                              bool isCheckable);
    void buildLevels();
    void retranslateUi();
    void pressChecked(QPushButton *button);
    void pressPlain(QPushButton *button);
    void pressProfileFile(QPushButton *button, bool isSave);
    void pressProfileDefault(QPushButton *button);
    void selectOption(QPushButton *button);
    void chooseMode(const QString &modeButton);
    // The main-page entry whose mark the named button belongs to, or empty.
    QString modeGroupOf(const QString &name) const;
    static bool isThemeButton(const QString &name);
    void lockThemeChoice(QPushButton *chosen);
    void refreshMarks();
    int rowOf(const QPushButton *button) const;
    QString captionOf(const QPushButton *button) const;
    QWidget *pageOf(const QPushButton *button) const;
    void finishSlide();
    bool sends() const { return m_isSendSignal; }

    QList<QWidget *> m_pages;
    QWidget *m_current = nullptr;
    QParallelAnimationGroup *m_slide = nullptr;
    int m_slideMs = kSlideMs;
    QSet<QString> m_blocked;
    QSet<QString> m_keepsPanels;
    QSet<QString> m_nonExclusive;
    QHash<QPushButton *, QRadioButton *> m_companions;
    QPushButton *m_selection = nullptr;
    // The main-page entry of the mode chosen last.
    QString m_modeMark;
    bool m_isSendSignal = true;
    FileChooser m_fileChooser;
    Question m_question;
};
