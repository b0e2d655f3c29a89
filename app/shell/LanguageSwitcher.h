#pragma once

#include <QObject>
#include <QTranslator>

// Owns the program's translator and the toolkit's own one and installs or
// removes both together. Installing sends a LanguageChange event to every
// widget, which retranslates itself.
class LanguageSwitcher : public QObject
{
    Q_OBJECT
public:
    explicit LanguageSwitcher(QObject *parent = nullptr);
    ~LanguageSwitcher() override;

    // "english" (any case) removes the translations; any other language loads
    // "translate_ru" from ":/Translation" and the toolkit's Russian texts when
    // they are installed. False when the program's translation could not be
    // loaded: the interface stays English.
    bool switchTo(const QString &language);
    bool isRussian() const { return m_isProgramInstalled; }
    bool hasToolkitTranslation() const { return m_isToolkitInstalled; }

    // The program's translation file and its resource folder.
    static const QString kFileName;
    static const QString kFolder;

signals:
    void languageChanged(bool isRussian);

private:
    void remove();

    QTranslator m_program;
    QTranslator m_toolkit;
    bool m_isProgramInstalled = false;
    bool m_isToolkitInstalled = false;

    Q_DISABLE_COPY(LanguageSwitcher)
};
