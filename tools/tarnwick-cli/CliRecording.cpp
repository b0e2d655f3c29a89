#include "CliRecording.h"

#include "ParamVectorAnalysis.h"

#include "SignalFileKind.h"

#include "UnitText.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <cstdio>

namespace {
double g_rawRate = 0.0;
double g_rawFrequency = 0.0;
}  // namespace

void CliRecording::setRawRates(double rate, double frequency)
{
    g_rawRate = rate;
    g_rawFrequency = frequency;
}

bool CliRecording::parseHertz(const QString &text, double &hz)
{
    bool ok = false;
    hz = text.toDouble(&ok);
    if (ok)
        return std::isfinite(hz);
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return false;
    parts.first().toDouble(&ok);
    hz = UnitText::toDouble(text);
    return ok && std::isfinite(hz);
}

bool CliRecording::takeRawRateOptions(QStringList &args, QString &error)
{
    double rate = 0.0, frequency = 0.0;
    for (int i = 0; i < args.size();) {
        const bool isRate = args.at(i) == QLatin1String("--rate");
        if (!isRate && args.at(i) != QLatin1String("--frequency")) {
            ++i;
            continue;
        }
        double value = 0.0;
        if (i + 1 >= args.size() || !parseHertz(args.at(i + 1), value) || (isRate && value <= 0.0)) {
            error = QStringLiteral("%1 needs a %2 in Hz (\"2.4e6\" or \"2.4 MHz\")")
                        .arg(args.at(i), isRate ? QStringLiteral("positive rate") : QStringLiteral("frequency"));
            return false;
        }
        (isRate ? rate : frequency) = value;
        args.erase(args.begin() + i, args.begin() + i + 2);
    }
    setRawRates(rate, frequency);
    return true;
}

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
    m_io.setRawRates(g_rawRate, g_rawFrequency);
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
