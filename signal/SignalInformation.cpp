#include "SignalInformation.h"

#include "TagScanner.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kNoPowerDb = -200.0;
}

const QStringList &SignalInformation::infoKeys()
{
    static const QStringList keys{QStringLiteral("CLOCK"), QStringLiteral("MODULATION"),
                                  QStringLiteral("DATE"), QStringLiteral("RMS"),
                                  QStringLiteral("SCALING FACTOR")};
    return keys;
}

void SignalInformation::readTags(const TagScanner &header)
{
    m_tags.clear();
    for (const QString &key : infoKeys())
        m_tags.insert(key, header.value('{' + key.toUtf8() + ':'));
}

QVector<QPair<QString, QString>> SignalInformation::headerItems(const TagScanner &header)
{
    QVector<QPair<QString, QString>> items;
    const qint64 waveform = header.find("{WAVEFORM");
    const qint64 end = waveform < 0 ? std::min<qint64>(header.size(), 64 * 1024)
                                    : waveform - qint64(sizeof("{WAVEFORM") - 1);
    qint64 pos = 0;
    while (pos < end && header.data()[pos] == '{') {
        const QByteArray item = header.valueAt(pos + 1);
        pos += item.size() + 2;
        if (pos > end + 1)
            break;
        const int colon = item.indexOf(':');
        if (colon < 0)
            break;
        items.append(qMakePair(QString::fromUtf8(item.left(colon)),
                               QString::fromUtf8(item.mid(colon + 1))));
    }
    return items;
}

QString SignalInformation::headerText(const Signal &first, double scalingFactor)
{
    return QStringLiteral("{RMS:") + QString::number(rmsDbfs(first.samples()), 'f', 2)
           + QStringLiteral(" dBFS}{SCALING FACTOR:") + QString::number(scalingFactor, 'g', 12)
           + QLatin1Char('}');
}

double SignalInformation::peak(const IQVector &samples)
{
    double best = 0.0;
    const IQ *data = samples.constData();
    const int n = samples.size();
    for (int i = 0; i < n; ++i)
        best = std::max({best, std::abs(data[i].real()), std::abs(data[i].imag())});
    return best;
}

double SignalInformation::rmsDbfs(const IQVector &samples)
{
    if (samples.isEmpty())
        return kNoPowerDb;
    double sum = 0.0;
    const IQ *data = samples.constData();
    const int n = samples.size();
    for (int i = 0; i < n; ++i)
        sum += std::norm(data[i]);
    const double mean = sum / samples.size();
    return mean > 0.0 ? 10.0 * std::log10(mean) : kNoPowerDb;
}
