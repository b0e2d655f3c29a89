#include "CliRecording.h"

#include "ParamVectorAnalysis.h"

#include <QDir>
#include <QFileInfo>

CliRecording::CliRecording() : m_hub(ParamSignal::ModeVA), m_io(&m_hub, QDir::tempPath())
{
    m_io.setRegisterEnabled(false);
    // The reader's object lives in its thread, but these calls run in ours, so its
    // messages arrive here directly.
    QObject::connect(&m_io, &IOSignal::sendMessage, &m_hub, [this](const QString &title, const QString &text) {
        if (title == QLatin1String("Warning"))
            m_warning = text;
        else
            m_error = text;
    }, Qt::DirectConnection);
}

bool CliRecording::load(const QString &path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_error.clear();
    m_warning.clear();
    const QFileInfo info(m_path);
    if (!info.exists()) {
        m_error = QStringLiteral("no such file: %1").arg(path);
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        m_error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    if (!m_io.readFile(m_path) || m_hub.countSourceSignals() == 0) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("cannot read %1").arg(path);
        m_error = QStringLiteral("%1: %2").arg(path, m_error);
        return false;
    }
    if (auto *param = dynamic_cast<ParamVectorAnalysis *>(m_hub.param()))
        param->takeSourceRates();
    return true;
}

QString CliRecording::format() const
{
    const QString suffix = QFileInfo(m_path).suffix().toLower();
    if (suffix == QLatin1String("owv") || suffix == QLatin1String("wv") || suffix == QLatin1String("dat")
        || suffix == QLatin1String("txt"))
        return suffix;
    return QStringLiteral("bin");
}
