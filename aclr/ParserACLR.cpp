#include "ParserACLR.h"

#include "ManagerSignal.h"
#include "ParamACLR.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

namespace {
QString number(double value)
{
    return QString::number(value, 'g', 17);
}
}  // namespace

ParserACLR::ParserACLR() : m_library(std::make_unique<ACLRLibrary>())
{
    qRegisterMetaType<ACLRResults>("ACLRResults");
}

ParserACLR::~ParserACLR()
{
    m_progress.stop();
    quit();
    wait();
}

IQVector ParserACLR::parseLayer(int num, int layer)
{
    IQVector frame = ParserVectorAnalysis::parseLayer(num, layer);
    const QVector<int> layers = m_hub->currentSignals();
    if (!isStopped() && !layers.isEmpty() && layer == layers.first() - 1)
        measureFrame();
    return frame;
}

void ParserACLR::measureFrame()
{
    const auto *param = dynamic_cast<const ParamACLR *>(m_hub->param());
    if (!param || m_hub->countSourceSignals() == 0)
        return;
    const ACLRParameterBlock block = param->parameterBlock();
    writeLog(block);
    const Signal source = m_hub->sourceSignal(0);  // shares the samples, keeps them alive
    const IQVector &samples = source.samples();
    const int start = std::clamp(lastFrameStart(), 0, samples.size());
    const int count = std::min(frameLength(), samples.size() - start);
    ACLRResults results;
    if (m_library->measure(samples.constData() + start, std::min(count, kMaxSamples), block))
        results = m_library->results();
    emit sendResults(results);
    emit sendStatus(statusText(results, count, m_library->errorString()));
}

QString ParserACLR::statusText(const ACLRResults &results, int samples, const QString &libraryError)
{
    if (!libraryError.isEmpty())
        return libraryError;
    QStringList lines;
    if (samples > kMaxSamples)
        lines << QCoreApplication::translate("ParserACLR", "The window holds %1 samples: the first %2 are measured.")
                     .arg(samples)
                     .arg(kMaxSamples);
    switch (results.status.status) {
    case ACLRStatusNoSignal:
        lines << QCoreApplication::translate("ParserACLR", "The window is too short for a spectrum: nothing is measured.");
        break;
    case ACLRStatusBadParameters:
        lines << QCoreApplication::translate("ParserACLR",
                                             "The carrier settings do not describe a channel of the standard: nothing is measured.");
        break;
    case ACLRStatusNoFftw:
        lines << QCoreApplication::translate("ParserACLR", "The FFTW library is missing: nothing is measured.");
        break;
    default: break;
    }
    QStringList outside;
    for (const ACLRChannelRow &row : results.rows) {
        if (!row.isInBand())
            outside << row.name;
    }
    if (!outside.isEmpty())
        lines << QCoreApplication::translate("ParserACLR", "Outside the recorded band, not measured: %1.")
                     .arg(outside.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}

QString ParserACLR::logText(const ACLRParameterBlock &block)
{
    QStringList first{number(block.sampleRate)};
    for (int mode : block.modes)
        first << QString::number(mode);
    const QStringList second{number(block.carrierBandwidth),   number(block.carrierOffsets[0]),
                             number(block.carrierOffsets[1]),  QString::number(block.bandwidthCodes[0]),
                             QString::number(block.bandwidthCodes[1]), QString::number(block.spacings[0]),
                             QString::number(block.spacings[1]), number(block.channels[0]),
                             number(block.channels[1]),         number(block.channels[2]),
                             number(block.channels[3])};
    return first.join(QLatin1Char(' ')) + QLatin1Char('\n') + second.join(QLatin1Char(' ')) + QLatin1Char('\n');
}

QString ParserACLR::logPath()
{
    return QDir::home().filePath(QStringLiteral("logACLR.txt"));
}

void ParserACLR::writeLog(const ACLRParameterBlock &block)
{
    // A diagnostic: a home folder that cannot be written only loses the log.
    QSaveFile file(logPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    file.write(logText(block).toUtf8());
    file.commit();
}
