#include "CliDisplayRequest.h"

#include "CliRecording.h"
#include "ParamVectorAnalysis.h"

bool CliDisplayRequest::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool CliDisplayRequest::parse(const QStringList &args, const QMap<QString, QString *> &textOptions, QString &file)
{
    for (int i = 0; i < args.size(); ++i) {
        const int taken = takeOption(args, i);
        if (taken < 0)
            return false;
        if (taken > 0)
            continue;
        const QString &arg = args.at(i);
        if (textOptions.contains(arg) && i + 1 < args.size())
            *textOptions.value(arg) = args.at(++i);
        else if (arg.startsWith(QLatin1String("--")) || !file.isEmpty())
            return fail(QStringLiteral("unexpected argument %1").arg(arg));
        else
            file = arg;
    }
    return true;
}

int CliDisplayRequest::takeOption(const QStringList &args, int &i)
{
    struct IntOption { const char *name; int *value; int minimum; };
    const IntOption intOptions[] = {{"--layer", &m_layer, 1}, {"--start", &m_start, 0},
                                    {"--length", &m_length, 1}, {"--avg", &m_average, 1},
                                    {"--width", &m_width, 1}};
    const QString name = args.at(i);
    const bool isCarrier = name == QLatin1String("--carrier");
    const IntOption *intOption = nullptr;
    for (const IntOption &option : intOptions) {
        if (name == QLatin1String(option.name))
            intOption = &option;
    }
    if (!isCarrier && !intOption)
        return 0;
    if (i + 1 >= args.size()) {
        m_error = QStringLiteral("%1 needs a value").arg(name);
        return -1;
    }
    const QString value = args.at(++i);
    bool ok = false;
    if (isCarrier) {
        m_carrier = value.toDouble(&ok);
        m_hasCarrier = ok;
    } else {
        *intOption->value = value.toInt(&ok);
        ok = ok && *intOption->value >= intOption->minimum;
        m_isLengthGiven = m_isLengthGiven || intOption->value == &m_length;
    }
    if (!ok) {
        m_error = QStringLiteral("bad value for %1: %2").arg(name, value);
        return -1;
    }
    return 1;
}

bool CliDisplayRequest::apply(CliRecording &recording)
{
    ManagerSignal &hub = recording.hub();
    if (m_layer > hub.countSourceSignals())
        return fail(QStringLiteral("--layer %1: the recording has %2 layer(s)").arg(m_layer).arg(hub.countSourceSignals()));
    const Signal layer = hub.sourceSignal(m_layer - 1);
    if (m_length < 0)
        m_length = layer.size() - m_start;
    if (m_start >= layer.size() || m_length < 1 || qint64(m_start) + m_length > layer.size())
        return fail(QStringLiteral("samples %1 to %2 lie outside the layer's %3 samples")
                        .arg(m_start).arg(qint64(m_start) + m_length - 1).arg(layer.size()));
    if (m_average > m_length)
        return fail(QStringLiteral("--avg %1 exceeds the %2 selected samples").arg(m_average).arg(m_length));
    if (!m_hasCarrier) {
        const auto *param = dynamic_cast<const ParamVectorAnalysis *>(hub.param());
        m_carrier = param ? param->sourceFrequency() : 0.0;
    }
    hub.setCurrentSignal(m_layer, false);
    hub.slotSetSignalReady(QVector<Signal>{layer}, false);
    hub.slotChangeSizeSelection(m_length, false);
    if (m_start == 0 && m_length == layer.size())
        hub.slotSelectAllSignal(0);
    else
        hub.slotSelectPartSignal(m_start, m_length);
    return true;
}
