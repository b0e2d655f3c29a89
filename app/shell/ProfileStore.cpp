#include "ProfileStore.h"

#include "ParamSignal.h"
#include "StartupSettings.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace {
const QString kModeElement = QStringLiteral("MODE");
const QString kDeviceElement = QStringLiteral("DEVICE");
// The DOM writer's indentation of nested elements.
constexpr int kIndent = 4;
// Sections are written in ascending mode number.
constexpr int kModes[] = {ParamSignal::ModeDM, ParamSignal::ModeVA, ParamSignal::Mode5G, ParamSignal::Mode4G,
                          ParamSignal::ModeACLR};

QString &baseFolderOverride()
{
    static QString folder;
    return folder;
}

bool isElementName(const QString &name)
{
    if (name.isEmpty() || !(name.at(0).isLetter() || name.at(0) == QLatin1Char('_')))
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('.')))
            return false;
    }
    return true;
}
}  // namespace

ProfileStore &ProfileStore::global()
{
    static ProfileStore store;
    return store;
}

void ProfileStore::setModeText(int mode, const QString &text)
{
    m_modeTexts.insert(mode, text);
}

void ProfileStore::clear()
{
    m_modeName.clear();
    m_deviceText.clear();
    m_modeTexts.clear();
}

bool ProfileStore::isEmpty() const
{
    return m_modeName.isEmpty() && m_deviceText.isEmpty() && m_modeTexts.isEmpty();
}

QList<QPair<QString, QString>> ProfileStore::splitItems(const QString &modeText)
{
    QList<QPair<QString, QString>> items;
    if (modeText.isEmpty())
        return items;
    QStringList pieces = modeText.split(QStringLiteral("}{"));
    if (pieces.first().startsWith(QLatin1Char('{')))
        pieces.first().remove(0, 1);
    if (pieces.last().endsWith(QLatin1Char('}')))
        pieces.last().chop(1);
    for (const QString &piece : qAsConst(pieces)) {
        QStringList parts = piece.split(QLatin1Char(':'));
        const QString key = parts.takeFirst();
        items.append({key, parts.join(QLatin1Char(':'))});
    }
    return items;
}

QByteArray ProfileStore::toXml() const
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(QStringLiteral("xml"),
                                                              QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = document.createElement(rootName());
    document.appendChild(root);
    auto addText = [&document](QDomElement &parent, const QString &name, const QString &text) {
        QDomElement element = document.createElement(name);
        element.appendChild(document.createTextNode(text));
        parent.appendChild(element);
    };
    addText(root, kModeElement, m_modeName);
    addText(root, kDeviceElement, m_deviceText);
    for (const int mode : kModes) {
        if (!m_modeTexts.contains(mode))
            continue;
        QDomElement section = document.createElement(ParamSignal::modeName(mode, true));
        // A key that is no XML name would make the whole file unreadable: such
        // an item is left out rather than losing every other mode's state.
        for (const auto &item : splitItems(m_modeTexts.value(mode))) {
            if (isElementName(item.first))
                addText(section, item.first, item.second);
        }
        root.appendChild(section);
    }
    return document.toByteArray(kIndent);
}

ProfileStore::LoadStatus ProfileStore::fromXml(const QByteArray &xml, const QString &sourceName)
{
    clear();
    m_error.clear();
    QXmlStreamReader reader(xml);
    int section = ParamSignal::ModeNone;
    // Depth 1 holds "MODE", "DEVICE" and the mode sections; depth 2 the items of
    // a section. An item whose key merely contains a mode's letters ("DMRS...")
    // stays an item of its section.
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QString name = reader.name().toString();
        if (depth == 2 && name == kModeElement) {
            m_modeName = reader.readElementText(QXmlStreamReader::SkipChildElements);
            --depth;
        } else if (depth == 2 && name == kDeviceElement) {
            m_deviceText = reader.readElementText(QXmlStreamReader::SkipChildElements);
            --depth;
        } else if (depth == 2) {
            section = ParamSignal::modeFromText(name);
            if (section != ParamSignal::ModeNone)
                m_modeTexts[section];
        } else if (depth == 3 && section != ParamSignal::ModeNone) {
            const QString text = reader.readElementText(QXmlStreamReader::SkipChildElements);
            --depth;
            m_modeTexts[section] += QStringLiteral("{%1:%2}").arg(name, text);
        }
    }
    if (reader.hasError()) {
        clear();
        m_error = tr("The profile %1 is damaged and was not applied (line %2: %3).")
                      .arg(QDir::toNativeSeparators(sourceName))
                      .arg(reader.lineNumber())
                      .arg(reader.errorString());
        return Malformed;
    }
    return Loaded;
}

ProfileStore::LoadStatus ProfileStore::load(const QString &path)
{
    const QString fileName = path.isEmpty() ? defaultPath() : path;
    clear();
    QFile file(fileName);
    if (!file.exists()) {
        m_error = tr("The profile %1 does not exist.").arg(QDir::toNativeSeparators(fileName));
        return Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = tr("The profile %1 cannot be opened: %2.")
                      .arg(QDir::toNativeSeparators(fileName), file.errorString());
        return Unreadable;
    }
    return fromXml(file.readAll(), fileName);
}

bool ProfileStore::save(const QString &path)
{
    const QString fileName = path.isEmpty() ? defaultPath() : path;
    m_error.clear();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(toXml()) >= 0 && file.commit())
        return true;
    m_error = tr("The profile %1 cannot be written: %2.")
                  .arg(QDir::toNativeSeparators(fileName), file.errorString());
    return false;
}

QString ProfileStore::baseFolder()
{
    if (!baseFolderOverride().isEmpty())
        return baseFolderOverride();
    static const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents;
}

void ProfileStore::setBaseFolder(const QString &folder)
{
    baseFolderOverride() = QDir::fromNativeSeparators(folder);
}

QString ProfileStore::profileFolder()
{
    return baseFolder() + QStringLiteral("/%1 %2").arg(StartupSettings::organisation(), StartupSettings::application());
}

QString ProfileStore::defaultPath()
{
    return profileFolder() + QStringLiteral("/AutoSave.xml");
}

QString ProfileStore::resetPath()
{
    return profileFolder() + QStringLiteral("/Default.xml");
}

QString ProfileStore::rootName()
{
    return QString(StartupSettings::application()).remove(QLatin1Char(' '));
}
