#include "LanguageSwitcher.h"

#include "ShellResources.h"

#include <QCoreApplication>
#include <QLibraryInfo>

const QString LanguageSwitcher::kFileName = QStringLiteral("translate_ru");
const QString LanguageSwitcher::kFolder = QStringLiteral(":/Translation");

LanguageSwitcher::LanguageSwitcher(QObject *parent) : QObject(parent)
{
    ShellResources::init();
}

LanguageSwitcher::~LanguageSwitcher()
{
    remove();
}

void LanguageSwitcher::remove()
{
    if (m_isProgramInstalled)
        QCoreApplication::removeTranslator(&m_program);
    if (m_isToolkitInstalled)
        QCoreApplication::removeTranslator(&m_toolkit);
    m_isProgramInstalled = false;
    m_isToolkitInstalled = false;
}

bool LanguageSwitcher::switchTo(const QString &language)
{
    const bool wasRussian = m_isProgramInstalled;
    remove();
    // Without the program's own texts the interface stays wholly English.
    if (language.compare(QLatin1String("english"), Qt::CaseInsensitive) != 0 && m_program.load(kFileName, kFolder)) {
        const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
        // qtbase_ru holds the dialogs' texts; older installations only ship the qt_ru catalogue.
        if (m_toolkit.load(QStringLiteral("qtbase_ru"), qtFolder) || m_toolkit.load(QStringLiteral("qt_ru"), qtFolder))
            m_isToolkitInstalled = QCoreApplication::installTranslator(&m_toolkit);
        m_isProgramInstalled = QCoreApplication::installTranslator(&m_program);
    }
    if (wasRussian != m_isProgramInstalled)
        emit languageChanged(m_isProgramInstalled);
    return m_isProgramInstalled || language.compare(QLatin1String("english"), Qt::CaseInsensitive) == 0;
}
