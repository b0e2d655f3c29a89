#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>

class QByteArray;

// The working state the program remembers between sessions: which mode was on
// screen, the instrument settings text and every mode's profile text of
// {KEY:value} items, read from and written to an XML profile. The program keeps
// one store (global()); tests and tools may create their own.
class ProfileStore
{
    Q_DECLARE_TR_FUNCTIONS(ProfileStore)
public:
    enum LoadStatus { Loaded, Missing, Unreadable, Malformed };

    ProfileStore() = default;

    // The program-wide store.
    static ProfileStore &global();

    QString modeName() const { return m_modeName; }
    void setModeName(const QString &name) { m_modeName = name; }
    QString deviceText() const { return m_deviceText; }
    void setDeviceText(const QString &text) { m_deviceText = text; }
    // Mode numbers as in ParamSignal::Mode (1 DM, 2 VA, 3 5G, 4 LTE, 5 ACLR).
    void setModeText(int mode, const QString &text);
    QString modeText(int mode) const { return m_modeTexts.value(mode); }
    QList<int> modes() const { return m_modeTexts.keys(); }
    void clear();
    bool isEmpty() const;

    // An empty path means the automatic profile (defaultPath()). On failure the
    // store is left empty and errorString() says why.
    LoadStatus load(const QString &path = QString());
    // Written whole or not at all (QSaveFile); the folder is created when missing.
    bool save(const QString &path = QString());
    QString errorString() const { return m_error; }

    QByteArray toXml() const;
    // Parses a profile document; sourceName only names it in the error text.
    LoadStatus fromXml(const QByteArray &xml, const QString &sourceName = QString());

    // The user's documents folder, found once; setBaseFolder overrides it (tests).
    static QString baseFolder();
    static void setBaseFolder(const QString &folder);
    // baseFolder() + "/Orvane Tarnwick Studio".
    static QString profileFolder();
    // The automatic profile, read at start and written at exit.
    static QString defaultPath();
    // The profile that the menu's "Default" command resets to.
    static QString resetPath();
    // The root element: the application name without blanks.
    static QString rootName();
    // {A:1}{B:x:y} -> [("A","1"), ("B","x:y")]: the first colon ends the key.
    static QList<QPair<QString, QString>> splitItems(const QString &modeText);

private:
    QString m_modeName;
    QString m_deviceText;
    QMap<int, QString> m_modeTexts;
    QString m_error;
};
