#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class LineConnection;
class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;

// The settings menu of one marker: "Color", "Mode", "Display", "Hide" and
// "Delete", and on the spectrum "Accuracy" with a field for the number of digits
// of the x readout. Choices act on the marker at once.
class MarkerValue : public QObject
{
    Q_OBJECT
public:
    // A child of `marker`, whose state it shows and changes.
    explicit MarkerValue(LineConnection *marker);
    ~MarkerValue() override;

    QMenu *menu() const { return m_menu.get(); }
    QLineEdit *digitsEdit() const { return m_digits; }
    void setAccuracyOffered(bool isOffered);
    // Re-checks the entries after the marker changed by other means.
    void syncChecks();

    // The choices, in menu order; a mode's and a display rule's index is its number.
    static QStringList colourNames();
    static QStringList modeNames();
    static QStringList displayNames();
    static QStringList accuracyNames();
    static double accuracyHz(int index);
    static QString digitsPattern() { return QStringLiteral("[0-9 ]+"); }

signals:
    void signalChanged();
    void signalDelete();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One checkable entry per name; each entry keeps its English name as data.
    QActionGroup *addChoices(QMenu *submenu, const QStringList &names);
    void retranslate();
    void addAccuracy();
    void applyDigits();

    LineConnection *const m_marker;  // the parent
    std::unique_ptr<QMenu> m_menu;
    QActionGroup *m_colours = nullptr;   // children of m_menu
    QActionGroup *m_modes = nullptr;
    QActionGroup *m_displays = nullptr;
    QActionGroup *m_accuracies = nullptr;
    QMenu *m_colourMenu = nullptr;       // children of m_menu
    QMenu *m_modeMenu = nullptr;
    QMenu *m_displayMenu = nullptr;
    QMenu *m_accuracyMenu = nullptr;
    QAction *m_accuracyAction = nullptr;
    QLineEdit *m_digits = nullptr;        // owned by its widget action in m_accuracyMenu
    QAction *m_hide = nullptr;
    QAction *m_remove = nullptr;
};
