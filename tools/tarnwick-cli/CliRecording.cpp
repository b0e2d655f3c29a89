#include "CliRecording.h"

#include "ParamVectorAnalysis.h"

#include "SignalFileKind.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

CliRecording::CliRecording() : m_hub(ParamSignal::ModeVA), m_io(&m_hub, QDir::tempPath())
{
    m_io.setRegisterEnabled(false);
    // The reader's object lives in its thread, but these calls run in ours, so its
    // messages arrive here directly.
    QObject::connect(&m_io, &IOSignal::sendMessage, &m_hub, [this](const QString &title, const QString &text) {
        // The reader's box text leads with its title line; the rest names the file.
        const QString detail = text.section(QLatin1Char('\n'), -1);
        if (title == QLatin1String("Warning"))
            m_warnings << detail;
        else
            m_error = detail;
    }, Qt::DirectConnection);
}

bool CliRecording::load(const QString &path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_error.clear();
    m_warnings.clear();
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
        return false;
    }
    if (auto *param = dynamic_cast<ParamVectorAnalysis *>(m_hub.param()))
        param->takeSourceRates();
    for (const QString &warning : qAsConst(m_warnings))
        std::fprintf(stderr, "tarnwick-cli: warning: %s\n", qPrintable(warning));
    return true;
}

QString CliRecording::format() const
{
    return SignalFileKind::name(SignalFileKind::of(m_path));
}
