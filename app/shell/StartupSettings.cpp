#include "StartupSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTextCodec>

namespace {
const QString kStyleKey = QStringLiteral("Style");
const QString kLanguageKey = QStringLiteral("Language");
const QString kEnglish = QStringLiteral("english");
const QString kRussian = QStringLiteral("russian");

QSettings settings()
{
    return QSettings(StartupSettings::organisation(), StartupSettings::application());
}
}  // namespace

const QString &StartupSettings::organisation()
{
    static const QString name = QStringLiteral("Orvane");
    return name;
}

const QString &StartupSettings::application()
{
    static const QString name = QStringLiteral("Tarnwick Studio");
    return name;
}

const QString &StartupSettings::version()
{
    static const QString name = QStringLiteral("1.11");
    return name;
}

void StartupSettings::applyIdentity()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QCoreApplication::setOrganizationName(organisation());
    QCoreApplication::setApplicationName(application());
    QCoreApplication::setApplicationVersion(version());
}

int StartupSettings::style()
{
    bool isNumber = false;
    const int value = settings().value(kStyleKey, kDefaultStyle).toInt(&isNumber);
    return isNumber && value >= StyleDark && value <= StyleClassic ? value : kDefaultStyle;
}

void StartupSettings::setStyle(int style)
{
    settings().setValue(kStyleKey, style);
}

QString StartupSettings::language()
{
    return isRussian(settings().value(kLanguageKey, kEnglish).toString()) ? kRussian : kEnglish;
}

void StartupSettings::setLanguage(const QString &language)
{
    settings().setValue(kLanguageKey, isRussian(language) ? kRussian : kEnglish);
}

bool StartupSettings::isRussian(const QString &language)
{
    return language.compare(kRussian, Qt::CaseInsensitive) == 0;
}

bool StartupSettings::startsMaximised(int screenHeight)
{
    return screenHeight < kMinNormalScreenHeight;
}

QString StartupSettings::windowTitle(const QString &profile)
{
    const QString title = organisation() + QLatin1Char(' ') + application();
    return profile.isEmpty() ? title : title + QStringLiteral("  [") + profile + QLatin1Char(']');
}
