#include "IOSignal.h"

#include "DatHeader.h"
#include "ManagerSignal.h"
#include "MemoryBudget.h"
#include "ParamSignal.h"
#include "ParamVectorAnalysis.h"
#include "SampleCodec.h"
#include "SigmfArchive.h"
#include "SigmfMeta.h"
#include "SignalInformation.h"
#include "TagScanner.h"
#include "TextSampleLines.h"
#include "UnitText.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
const char kOrganisation[] = "Orvane";
const char kApplication[] = "Tarnwick Studio";
// Message titles and the read failure's first line, translated where they are shown.
const char kErrorTitle[] = QT_TRANSLATE_NOOP("IOSignal", "Error");
const char kErrorReadFile[] = QT_TRANSLATE_NOOP("IOSignal", "Error Read File!");
const char kWarningTitle[] = QT_TRANSLATE_NOOP("IOSignal", "Warning");
constexpr int kSingleSampleBytes = 4;   // two 16-bit integers
constexpr int kDoubleSampleBytes = 16;  // two 64-bit floats
constexpr int kMaxDatLayers = 255;      // the layer count is one byte

QVariant registerValue(const QString &key)
{
    return QSettings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication)).value(key);
}

void setRegisterValue(const QString &key, const QString &value)
{
    QSettings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication)).setValue(key, value);
}
}  // namespace

IOSignal::IOSignal(ManagerSignal *hub, const QString &folder) : m_hub(hub)
{
    registerSignalMetaTypes();
    if (folder.isEmpty()) {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        m_directory = documents + QStringLiteral("/Orvane Tarnwick Studio/");
    } else {
        m_directory = QDir::fromNativeSeparators(folder) + QLatin1Char('/');
    }
    QDir().mkpath(m_directory);
    // A plain relay: the percent leaves from whichever thread runs the read.
    connect(&m_progress, &progressGenerate::currentProgress, this, &IOSignal::progressLoad, Qt::DirectConnection);
    m_progress.moveToThread(this);
    moveToThread(this);
    start(QThread::InheritPriority);
}

IOSignal::~IOSignal()
{
    m_progress.stop();
    quit();
    wait();
}

QString IOSignal::defaultDirectory() const
{
    return QDir::toNativeSeparators(m_directory);
}

QString IOSignal::saveDialogFilter()
{
    return QStringLiteral(
        "Orvane Waveform File (*.owv - Single Precision) ;; Orvane Waveform File (*.owv - Double Precision) ;; "
        "Bynary File (*.bin - Single Precision) ;; Bynary File (*.bin - Double Precision) ;; Dat File (*.dat) ;; "
        "All (*.all - Single Precision) ;; "
        "SigMF Recording (*.sigmf-meta - Single Precision) ;; SigMF Recording (*.sigmf-meta - Double Precision) ;; "
        "SigMF Archive (*.sigmf - Single Precision) ;; SigMF Archive (*.sigmf - Double Precision) ;; "
        "Raw Complex Float 32 (*.cf32) ;; Raw Complex Float 64 (*.cf64) ;; Raw Complex Int 16 (*.cs16) ;; "
        "Raw Complex Int 8 (*.cs8) ;; Raw Complex Unsigned 8 (*.cu8)");
}

QString IOSignal::openDialogFilter(bool isWithDat)
{
    if (isWithDat)
        return QStringLiteral(
            "All Available Formats (*.owv *.wv *.bin *.txt *.dat *.sigmf-meta *.sigmf-data *.sigmf *.cf32 *.cfile "
            "*.fc32 *.cf64 *.cs16 *.sc16 *.cs8 *.sc8 *.cu8) ;; Orvane Waveform File (*.owv) (*.owv) ;; "
            "Waveform File (*.wv) (*.wv) ;; Bynary File (*.bin) (*.bin) ;; Text File (*.txt) (*.txt) ;; "
            "Dat File (*.dat) (*.dat) ;; SigMF Recording (*.sigmf-meta *.sigmf-data *.sigmf) ;; "
            "Raw IQ File (*.cf32 *.cfile *.fc32 *.cf64 *.cs16 *.sc16 *.cs8 *.sc8 *.cu8)");
    return QStringLiteral(
        "All Available Formats (*.owv *.wv *.bin *.txt) ;; Orvane Waveform File (*.owv) (*.owv) ;; "
        "Waveform File (*.wv) (*.wv) ;; Bynary File (*.bin) (*.bin) ;; Text File (*.txt)");
}

void IOSignal::setAccuracyFromFilter(const QString &filter)
{
    m_accuracy = filter.contains(QLatin1String("Double Precision")) ? AccuracyDouble : AccuracySingle;
}

QString IOSignal::resolvePath(const QString &name) const
{
    return name.contains(QLatin1Char('/')) ? name : m_directory + name;
}

QString IOSignal::modeName() const
{
    return ParamSignal::modeName(m_hub->param()->mode());
}

// ---------------------------------------------------------------- reading

void IOSignal::defineFormat(const QString &fileName, const TagScanner &file)
{
    m_isReadDouble = false;
    m_isReadNative = false;
    const SignalFileKind::Kind kind = SignalFileKind::of(fileName);
    if (SignalFileKind::hasFixedPrecision(kind) || kind == SignalFileKind::Binary)
        return;
    const QString type = file.value("TYPE:");
    if (type.contains(QLatin1String("OWVD"))) {
        m_isReadDouble = true;
        m_isReadNative = true;
    }
    const QString accuracy = file.value("Accuracy:");
    if (!accuracy.isNull())
        m_isReadDouble = !accuracy.contains(QLatin1String("Single"));
}

bool IOSignal::readFile(QString pathFile)
{
    emit startRead();
    QFile file(resolvePath(pathFile));
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) {
        emit sendMessage(tr(kErrorTitle), tr(kErrorReadFile) + QLatin1Char('\n')
                                          + tr("%1: cannot be opened (%2).").arg(shownName(file.fileName()),
                                                                                 file.errorString()));
        emit stopLoad();
        return false;
    }
    const TagScanner scanner = TagScanner::fromFile(file);
    if (scanner.isNull()) {
        emit sendMessage(tr(kErrorTitle), tr(kErrorReadFile) + QLatin1Char('\n')
                                          + tr("%1: cannot be read (%2).").arg(shownName(file.fileName()),
                                                                               file.errorString()));
        emit stopLoad();
        return false;
    }
    defineFormat(file.fileName(), scanner);
    m_progress.reset();
    if (!m_hub->param()->prepareFromFile(file.fileName(), scanner))
        return false;
    return readSignal(file, true, true);
}

bool IOSignal::readSignal(QFile &file, bool isSendLoad, bool isSendSignal)
{
    QMetaObject::invokeMethod(m_hub, [hub = m_hub] { hub->slotSetStateReadFileSignal(true); });
    const QString name = file.fileName();
    m_readName = shownName(name);
    m_readProblem.clear();
    m_hasReadInformation = false;
    m_readInformation.clear();
    const QVector<Signal> layers = decode(file, isSendLoad);
    m_rawRate = 0.0;
    m_rawFrequency = 0.0;
    if (layers.isEmpty()) {
        if (!m_progress.isStopped())
            emit sendMessage(tr(kErrorTitle), tr(kErrorReadFile) + QLatin1Char('\n') + m_readName + QStringLiteral(": ")
                                              + (m_readProblem.isEmpty() ? tr("no recording found.") : m_readProblem));
        endRead(false);
        file.close();
        return false;
    }
    const QStringList replaced = m_hub->param()->replaceUnusableValues();
    if (!replaced.isEmpty())
        warn(replaced.join(QLatin1Char(' ')));
    m_lastReadPath = name;
    if (isSendLoad && m_isRegisterEnabled)
        writeRegFile(name);
    if (isSendSignal) {
        SignalInformation information = m_readInformation;
        // Only the program's own formats carry tags; a raw file is never searched for them.
        const SignalFileKind::Kind kind = SignalFileKind::of(name);
        if (!m_hasReadInformation && kind != SignalFileKind::Text && !SignalFileKind::isRaw(kind))
            information.readTags(TagScanner::fromFile(file));
        QMetaObject::invokeMethod(m_hub, [hub = m_hub, layers, name, information] {
            hub->fileInformation() = information;
            hub->slotSetSignal(layers, name, true);
        });
        if (isSendLoad)
            emit load();
    }
    file.close();
    return true;
}

QVector<Signal> IOSignal::decode(QFile &file, bool isSendLoad)
{
    if (file.size() == 0)
        return fail(tr("the file is empty."));
    const SignalFileKind::Kind kind = SignalFileKind::of(file.fileName());
    if (kind == SignalFileKind::Text)
        return decodeText(file);
    if (SignalFileKind::isSigmf(kind))
        return decodeSigmf(kind, file);
    const TagScanner scanner = TagScanner::fromFile(file);
    if (scanner.isNull())
        return fail(tr("cannot be read (%1).").arg(file.errorString()));
    if (kind == SignalFileKind::Dat)
        return decodeDat(scanner, isSendLoad);
    if (SignalFileKind::isRaw(kind))
        return decodeRaw(kind, scanner, isSendLoad);
    return decodeNative(kind, scanner);
}

QString IOSignal::shownName(const QString &path)
{
    return QFileInfo(path).fileName();
}

void IOSignal::noteProblem(const QString &problem)
{
    m_readProblem = problem;
}

bool IOSignal::fitsInMemory(qint64 samples)
{
    // The decoded samples, once; the hub and the engine share them until they change.
    const qint64 bytes = samples * qint64(sizeof(IQ));
    if (MemoryBudget::fits(bytes))
        return true;
    noteProblem(tr("%1 samples need %2 of memory, but only %3 are free: the recording is not read.")
                    .arg(samples)
                    .arg(MemoryBudget::megabytes(bytes), MemoryBudget::megabytes(MemoryBudget::availableBytes())));
    return false;
}

QVector<Signal> IOSignal::fail(const QString &problem)
{
    noteProblem(problem);
    return {};
}

void IOSignal::warn(const QString &problem)
{
    emit sendMessage(tr(kWarningTitle), m_readName + QStringLiteral(": ") + problem);
}

void IOSignal::endRead(bool isDelivered)
{
    if (isDelivered)
        return;
    QMetaObject::invokeMethod(m_hub, [hub = m_hub] { hub->slotSetStateReadFileSignal(false); });
    emit stopLoad();
}

qint64 IOSignal::sampleBlockStart(SignalFileKind::Kind kind, const TagScanner &file)
{
    if (!SignalFileKind::hasHeaderTags(kind))
        return 0;
    const qint64 waveform = file.find("{WAVEFORM");
    if (waveform < 0) {
        noteProblem(tr("no {WAVEFORM tag: the header is damaged or this is no waveform file."));
        return -1;
    }
    const qint64 start = file.find("#", waveform);
    if (start < 0)
        noteProblem(tr("no \"#\" behind the {WAVEFORM tag: the file ends inside its header."));
    return start;
}

int IOSignal::layerCount(const TagScanner &file, qint64 total)
{
    const QString layerText = file.value("{LAYERS:");
    if (layerText.isNull())
        return 1;
    bool isNumber = false;
    const qint64 layers = layerText.trimmed().toLongLong(&isNumber);
    if (!isNumber || layers < 1) {
        noteProblem(tr("the layer count \"%1\" is not a whole number of at least 1.").arg(layerText));
        return 0;
    }
    if (layers > kMaxLayers) {
        noteProblem(tr("the header names %1 layers; a recording holds at most %2.").arg(layers).arg(kMaxLayers));
        return 0;
    }
    // More layers than samples would be layers of nothing: a damaged header.
    if (layers > total) {
        noteProblem(tr("the header names %1 layers but the file holds %2 samples.").arg(layers).arg(total));
        return 0;
    }
    return int(layers);
}

// The byte length in "{WAVEFORM-<length>:#" counts the "#" and the sample block.
void IOSignal::warnIfShort(const TagScanner &file, qint64 start, int sampleBytes)
{
    const qint64 lengthAt = file.find("{WAVEFORM-");
    if (lengthAt < 0)
        return;
    const QByteArray text = QByteArray(file.data() + lengthAt, int(std::min<qint64>(24, file.size() - lengthAt)));
    bool isNumber = false;
    const qint64 announced = text.left(text.indexOf(':')).toLongLong(&isNumber) - 1;
    const qint64 held = file.size() - start;
    if (isNumber && held < announced)
        warn(tr("the file ends after %1 of the %2 samples its header announces; the samples present were read.")
                 .arg(held / sampleBytes)
                 .arg(announced / sampleBytes));
}

QVector<Signal> IOSignal::decodeNative(SignalFileKind::Kind kind, const TagScanner &file)
{
    const qint64 start = sampleBlockStart(kind, file);
    if (start < 0)
        return {};
    const int sampleBytes = m_isReadDouble ? kDoubleSampleBytes : kSingleSampleBytes;
    const qint64 total = (file.size() - start) / sampleBytes;
    if (total <= 0)
        return fail(tr("no whole sample (%1 bytes) behind the header.").arg(sampleBytes));
    if (total > std::numeric_limits<int>::max())
        return fail(tr("%1 samples are more than one recording can hold.").arg(total));
    const int layers = layerCount(file, total);
    if (layers < 1 || !fitsInMemory(total))
        return {};
    QVector<Signal> out;
    if (!decodeBlock(file.data() + start, int(total), layers, 1.0 / kFullScale16, out))
        return {};
    if (SignalFileKind::hasHeaderTags(kind))
        warnIfShort(file, start, sampleBytes);
    else if (file.size() % sampleBytes != 0)
        warn(tr("the last %1 bytes do not make a whole sample and were left out.").arg(file.size() % sampleBytes));
    return out;
}

bool IOSignal::decodeBlock(const char *data, int total, int layers, double scale16, QVector<Signal> &out)
{
    const int perLayer = total / layers;
    const int sampleBytes = m_isReadDouble ? kDoubleSampleBytes : kSingleSampleBytes;
    m_progress.setTotal(perLayer * layers);
    const int chunk = std::max(1, m_progress.step());
    int done = 0;
    out.reserve(out.size() + layers);
    for (int layer = 0; layer < layers; ++layer) {
        IQVector samples(perLayer);
        IQ *dst = samples.data();
        const char *src = data + qint64(layer) * perLayer * sampleBytes;
        for (int first = 0; first < perLayer; first += chunk) {
            const int last = std::min(perLayer, first + chunk);
            if (m_isReadDouble)
                SampleCodec::decode64(src + qint64(first) * sampleBytes, last - first, dst + first);
            else
                SampleCodec::decode16(src + qint64(first) * sampleBytes, last - first, scale16, dst + first);
            done += last - first;
            m_progress.update(done);
            if (m_progress.isStopped())
                return false;
        }
        out.append(Signal(std::move(samples)));
    }
    return true;
}

bool IOSignal::checkDatHeader(const DatHeader &header)
{
    if (header.layers < 1)
        noteProblem(tr("the .dat header names no layer."));
    else if (header.layers > kMaxLayers)
        noteProblem(tr("the header names %1 layers; a recording holds at most %2.").arg(header.layers).arg(kMaxLayers));
    else if (header.perLayer < 1)
        noteProblem(tr("the .dat header gives %1 samples per layer.").arg(header.perLayer));
    else if (!std::isfinite(header.peak) || header.peak < 0.0)
        noteProblem(tr("the .dat header's peak (%1) is not a level.").arg(header.peak));
    else
        return true;
    return false;
}

QVector<Signal> IOSignal::decodeDat(const TagScanner &file, bool isSendLoad)
{
    DatHeader header;
    if (!DatHeader::read(file.data(), file.size(), header))
        return fail(tr("shorter than the %1-byte .dat header.").arg(DatHeader::kSize));
    if (!checkDatHeader(header))
        return {};
    const qint32 perLayer = header.perLayer;
    const qint64 promised = qint64(header.layers) * perLayer;
    const qint64 held = (file.size() - DatHeader::kSize) / kSingleSampleBytes;
    const qint64 available = std::min(promised, held);
    if (available <= 0)
        return fail(tr("no whole sample behind the .dat header."));
    if (available > std::numeric_limits<int>::max())
        return fail(tr("%1 samples are more than one recording can hold.").arg(available));
    if (!fitsInMemory(available))
        return {};
    const bool wasDouble = m_isReadDouble;
    m_isReadDouble = false;
    // One multiply per value: the code times peak / 32767.
    const double scale = header.peak / kFullScale16;
    const char *block = file.data() + DatHeader::kSize;
    const int fullLayers = int(available / perLayer);
    const int rest = int(available - qint64(fullLayers) * perLayer);
    QVector<Signal> out;
    bool ok = fullLayers == 0 || decodeBlock(block, fullLayers * perLayer, fullLayers, scale, out);
    if (ok && rest > 0)
        ok = decodeBlock(block + qint64(fullLayers) * perLayer * kSingleSampleBytes, rest, 1, scale, out);
    m_isReadDouble = wasDouble;
    if (!ok)
        return {};
    if (held < promised)
        warn(tr("the file holds %1 of the %2 samples its header promises; the read stopped at the end of the data.")
                 .arg(held)
                 .arg(promised));
    if (isSendLoad) {
        const QString rate = QString::number(header.sampleRate);
        m_hub->param()->parseText(
            QStringLiteral("{CLOCK:%1 Hz}{SampleRate:%1 Hz}{Decimation:1}").arg(rate), false);
    }
    return out;
}

QVector<Signal> IOSignal::decodeText(QFile &file)
{
    file.seek(0);
    QTextStream stream(&file);
    TextSampleLines lines;
    QString line;
    constexpr int kLinesPerCheck = 1 << 16;
    int sinceCheck = 0;
    while (stream.readLineInto(&line)) {
        lines.take(line);
        if (m_progress.isStopped())
            return {};
        // A text file gives no count up front: the samples are checked as they grow.
        if (++sinceCheck == kLinesPerCheck) {
            sinceCheck = 0;
            if (!fitsInMemory(2 * qint64(lines.samples().size())))
                return {};
        }
    }
    if (lines.samples().isEmpty())
        return fail(tr("no line holds two numbers (I and Q) separated by blanks."));
    if (lines.skipped() > 0)
        warn(tr("%1 of %2 lines skipped (%3).").arg(lines.skipped()).arg(lines.count()).arg(lines.skipReasons()));
    return {Signal(lines.samples())};
}


// ---------------------------------------------------------------- raw files of SDR tools and SigMF

void IOSignal::setRawRates(double rate, double frequency)
{
    m_rawRate = std::isfinite(rate) && rate > 0.0 ? rate : 0.0;
    m_rawFrequency = std::isfinite(frequency) ? frequency : 0.0;
}

bool IOSignal::needsRawRates(const QString &path)
{
    if (!SignalFileKind::isRaw(SignalFileKind::of(path)))
        return false;
    double rate = 0.0, frequency = 0.0;
    SignalFileKind::ratesFromName(path, rate, frequency);
    return rate <= 0.0 || frequency == 0.0;
}

void IOSignal::takeRates(double rate, double frequency)
{
    QString text;
    if (rate > 0.0) {
        const QString value = UnitText::format(rate, QStringLiteral("Hz"));
        text += QStringLiteral("{CLOCK:%1}{SampleRate:%1}{Decimation:1}").arg(value);
        m_readInformation.setTag(QStringLiteral("CLOCK"), value);
    }
    // The centre frequency belongs to the recording; "Freq" is the user's frequency
    // shift, which a newly opened recording leaves as it was.
    text += QStringLiteral("{FREQUENCY:%1}").arg(UnitText::format(frequency, QStringLiteral("Hz")));
    m_hub->param()->parseText(text, false);
}

QVector<Signal> IOSignal::decodeRaw(SignalFileKind::Kind kind, const TagScanner &file, bool isSendLoad)
{
    const SampleFormat format = SignalFileKind::rawFormat(kind);
    const qint64 total = file.size() / format.sampleBytes();
    if (total <= 0)
        return fail(tr("no whole sample (%1 bytes) in the file.").arg(format.sampleBytes()));
    if (total > std::numeric_limits<int>::max())
        return fail(tr("%1 samples are more than one recording can hold.").arg(total));
    if (!fitsInMemory(total))
        return {};
    double rate = 0.0, frequency = 0.0;
    SignalFileKind::ratesFromName(m_readName, rate, frequency);
    rate = m_rawRate > 0.0 ? m_rawRate : rate;
    frequency = m_rawFrequency != 0.0 ? m_rawFrequency : frequency;
    // A re-read (profile, last file) keeps the rates remembered with the file unless
    // the name or the caller says otherwise.
    if (isSendLoad || rate > 0.0 || frequency != 0.0) {
        m_hasReadInformation = true;
        takeRates(rate, frequency);
        if (isSendLoad && rate <= 0.0)
            warn(tr("a raw file does not say its sample rate, and none was given; %1 is assumed.")
                     .arg(UnitText::format(m_hub->param()->sampleRate(), QStringLiteral("Hz"))));
    }
    QVector<IQVector> layers(1, IQVector(int(total)));
    m_progress.setTotal(int(total));
    if (!decodeFrames(format, file.data(), total, 1, 0, layers))
        return {};
    if (file.size() % format.sampleBytes() != 0)
        warn(tr("the last %1 bytes do not make a whole sample and were left out.").arg(file.size() % format.sampleBytes()));
    return {Signal(std::move(layers[0]))};
}

bool IOSignal::decodeFrames(const SampleFormat &format, const char *data, qint64 count, int channels, qint64 first,
                            QVector<IQVector> &layers)
{
    const int sampleBytes = format.sampleBytes();
    const int frameBytes = sampleBytes * channels;
    const int chunk = std::max(1, m_progress.step());
    for (qint64 done = 0; done < count;) {
        const int n = int(std::min<qint64>(chunk, count - done));
        const char *src = data + done * frameBytes;
        for (int c = 0; c < channels; ++c)
            SampleCodec::decode(format, src + c * sampleBytes, n, frameBytes, layers[c].data() + first + done);
        done += n;
        m_progress.update(int(std::min<qint64>(first + done, std::numeric_limits<int>::max())));
        if (m_progress.isStopped())
            return false;
    }
    return true;
}

bool IOSignal::locateSigmf(SignalFileKind::Kind kind, QFile &file, QFile &data, QByteArray &meta,
                           const char *&samples, qint64 &size)
{
    const QFileInfo info(file.fileName());
    if (kind == SignalFileKind::SigmfArchive) {
        const TagScanner archive = TagScanner::fromFile(file);
        QVector<SigmfArchive::Member> members;
        QString problem;
        if (archive.isNull() || !SigmfArchive::members(archive.data(), archive.size(), members, problem)) {
            noteProblem(problem.isEmpty() ? tr("cannot be read (%1).").arg(file.errorString()) : problem);
            return false;
        }
        const SigmfArchive::Member metaMember = SigmfArchive::find(members, QStringLiteral(".sigmf-meta"), info.completeBaseName());
        if (metaMember.offset < 0) {
            noteProblem(tr("the archive holds no .sigmf-meta file."));
            return false;
        }
        const QString base = metaMember.name.section(QLatin1Char('/'), -1).chopped(int(qstrlen(".sigmf-meta")));
        const SigmfArchive::Member dataMember = SigmfArchive::find(members, QStringLiteral(".sigmf-data"), base);
        if (dataMember.offset < 0) {
            noteProblem(tr("the archive holds no .sigmf-data file beside %1.").arg(metaMember.name));
            return false;
        }
        meta = QByteArray(archive.data() + metaMember.offset, int(std::min<qint64>(metaMember.size, 64 << 20)));
        samples = archive.data() + dataMember.offset;
        size = dataMember.size;
        return true;
    }
    const QString base = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    QFile metaFile(base + QStringLiteral(".sigmf-meta"));
    if (kind == SignalFileKind::SigmfMeta) {
        file.seek(0);
        meta = file.readAll();
    } else if (metaFile.open(QIODevice::ReadOnly)) {
        meta = metaFile.readAll();
    } else {
        noteProblem(tr("its metadata %1 cannot be opened (%2).").arg(shownName(metaFile.fileName()), metaFile.errorString()));
        return false;
    }
    // The data file of a SigMF dataset is found beside the metadata: NAME.sigmf-data, or
    // the name in global core:dataset.
    QString dataName = base + QStringLiteral(".sigmf-data");
    const QString named = QJsonDocument::fromJson(meta).object().value(QLatin1String("global")).toObject()
                              .value(QLatin1String("core:dataset")).toString();
    if (!named.isEmpty())
        dataName = info.absolutePath() + QLatin1Char('/') + QFileInfo(named).fileName();
    data.setFileName(kind == SignalFileKind::SigmfData && named.isEmpty() ? file.fileName() : dataName);
    if (!data.open(QIODevice::ReadOnly)) {
        noteProblem(tr("its data file %1 cannot be opened (%2).").arg(shownName(data.fileName()), data.errorString()));
        return false;
    }
    size = data.size();
    samples = size > 0 ? reinterpret_cast<const char *>(data.map(0, size)) : "";
    if (!samples) {
        noteProblem(tr("its data file %1 cannot be read (%2).").arg(shownName(data.fileName()), data.errorString()));
        return false;
    }
    return true;
}

QVector<Signal> IOSignal::decodeSigmf(SignalFileKind::Kind kind, QFile &file)
{
    QFile data;
    QByteArray metaText;
    const char *samples = nullptr;
    qint64 size = 0;
    if (!locateSigmf(kind, file, data, metaText, samples, size))
        return {};
    SigmfMeta meta;
    QString problem;
    QStringList oddities;
    if (!meta.parse(metaText, problem, oddities))
        return fail(problem);
    for (const QString &oddity : qAsConst(oddities))
        warn(oddity);
    if (meta.isMetadataOnly)
        return fail(tr("the metadata says the recording holds no samples (core:metadata_only)."));
    if (meta.trailingBytes > size)
        return fail(tr("global core:trailing_bytes (%1) is more than the %2 bytes of the data.").arg(meta.trailingBytes).arg(size));
    QVector<Signal> layers = decodeSigmfSamples(meta, samples, size - meta.trailingBytes);
    if (layers.isEmpty())
        return {};
    m_hasReadInformation = true;
    const SigmfMeta::Capture &first = meta.captures.first();
    takeRates(meta.sampleRate, first.frequency);
    if (meta.sampleRate <= 0.0)
        warn(tr("the metadata has no global core:sample_rate; %1 is assumed.")
                 .arg(UnitText::format(m_hub->param()->sampleRate(), QStringLiteral("Hz"))));
    m_readInformation.setTag(QStringLiteral("DATE"), first.datetime);
    m_readInformation.setTag(QStringLiteral("DATATYPE"), meta.format.datatype());
    m_readInformation.setTag(QStringLiteral("DESCRIPTION"), meta.description);
    m_readInformation.setTag(QStringLiteral("AUTHOR"), meta.author);
    m_readInformation.setTag(QStringLiteral("CAPTURES"), QString::number(meta.captures.size()));
    m_readInformation.setAnnotations(sigmfAnnotations(meta, layers.first().size()));
    return layers;
}

QVector<Signal> IOSignal::decodeSigmfSamples(const SigmfMeta &meta, const char *data, qint64 size)
{
    // Each capture segment may be preceded by header bytes of its own (a
    // non-conforming dataset); its samples run up to the next segment's start.
    const qint64 frameBytes = qint64(meta.format.sampleBytes()) * meta.channels;
    struct Segment { qint64 byteAt; qint64 count; };
    QVector<Segment> segments;
    qint64 headers = 0, total = 0;
    for (int k = 0; k < meta.captures.size(); ++k) {
        const SigmfMeta::Capture &capture = meta.captures.at(k);
        headers += capture.headerBytes;
        const qint64 start = meta.datasetIndex(capture.start);
        const QString field = QStringLiteral("captures[%1] core:sample_start").arg(k);
        if (start < 0)
            return fail(tr("%1 (%2) lies before global core:offset (%3).").arg(field).arg(capture.start).arg(meta.offset));
        const qint64 byteAt = headers + start * frameBytes;
        const qint64 held = byteAt <= size ? (size - byteAt) / frameBytes : -1;
        if (held <= 0) {
            if (k == 0)
                return fail(tr("no whole sample in the data (%1 bytes; one sample of all channels is %2 bytes).")
                                .arg(size).arg(frameBytes));
            warn(tr("the data file ends before %1 (%2): it is shorter than its metadata says; the samples present were read.")
                     .arg(field).arg(capture.start));
            break;
        }
        qint64 count = held;
        if (k + 1 < meta.captures.size())
            count = std::min(held, meta.datasetIndex(meta.captures.at(k + 1).start) - start);
        segments.append({byteAt, count});
        total += count;
        if (k + 1 == meta.captures.size() && (size - byteAt) % frameBytes != 0)
            warn(tr("the last %1 bytes of the data do not make a whole sample and were left out.")
                     .arg((size - byteAt) % frameBytes));
    }
    if (total > std::numeric_limits<int>::max())
        return fail(tr("%1 samples are more than one recording can hold.").arg(total));
    if (meta.channels > kMaxLayers)
        return fail(tr("the metadata names %1 channels; a recording holds at most %2.").arg(meta.channels).arg(kMaxLayers));
    if (!fitsInMemory(total * meta.channels))
        return {};
    QVector<IQVector> layers(meta.channels, IQVector(int(total)));
    m_progress.setTotal(int(total));
    qint64 first = 0;
    for (const Segment &segment : qAsConst(segments)) {
        if (!decodeFrames(meta.format, data + segment.byteAt, segment.count, meta.channels, first, layers))
            return {};
        first += segment.count;
    }
    QVector<Signal> out;
    for (IQVector &layer : layers)
        out.append(Signal(std::move(layer)));
    return out;
}

SignalAnnotations IOSignal::sigmfAnnotations(const SigmfMeta &meta, qint64 samples)
{
    SignalAnnotations annotations;
    for (int i = 0; i < meta.annotations.size(); ++i) {
        SignalAnnotation annotation = meta.annotations.at(i);
        const qint64 start = meta.datasetIndex(annotation.start);
        const qint64 end = annotation.count < 0 ? samples : start + annotation.count;
        const QString field = QStringLiteral("annotations[%1]").arg(i);
        if (start >= samples || start < 0) {
            warn(tr("%1 starts at sample %2, behind the %3 samples of the data: the data file is shorter than its "
                    "metadata says.").arg(field).arg(annotation.start).arg(samples));
            continue;
        }
        if (end > samples)
            warn(tr("%1 reaches sample %2, behind the %3 samples of the data: the data file is shorter than its "
                    "metadata says; the annotation is cut at the end.").arg(field).arg(end).arg(samples));
        annotation.start = start;
        annotation.count = std::min(end, samples) - start;
        annotations.append(annotation);
    }
    return annotations;
}

// ---------------------------------------------------------------- writing

bool IOSignal::writeFile(QString pathFile, QVector<Signal *> signals_)
{
    QVector<Signal> hubLayers;
    if (signals_.isEmpty()) {
        hubLayers = m_hub->sourceSignals();
        for (Signal &layer : hubLayers)
            signals_.append(&layer);
    }
    if (signals_.isEmpty())
        return false;
    const int length = signals_.first()->size();
    for (const Signal *record : qAsConst(signals_)) {
        if (record->size() != length) {
            emit sendMessage(tr(kErrorTitle), tr("Layers of different lengths cannot be written to one file."));
            return false;
        }
    }
    if (signals_.size() > kMaxLayers) {
        emit sendMessage(tr(kErrorTitle), tr("A recording holds at most %1 layers.").arg(kMaxLayers));
        return false;
    }
    if (SignalFileKind::of(pathFile) != SignalFileKind::All) {
        if (!writeOne(resolvePath(pathFile), signals_))
            return false;
        emit save();
        return true;
    }
    // A set (.all) is written whole or not at all: every file goes to its temporary
    // first, and only when all are complete do they replace their names.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const SignalFileKind::Kind target : {SignalFileKind::Native, SignalFileKind::Dat, SignalFileKind::Binary}) {
        files.push_back(writeUncommitted(resolvePath(SignalFileKind::withSuffix(pathFile, SignalFileKind::name(target))),
                                         signals_));
        if (!files.back())
            return false;  // the temporaries written so far are discarded with `files`
    }
    if (!commitAll(files))
        return false;
    emit save();
    return true;
}

bool IOSignal::commitAll(std::vector<std::unique_ptr<QSaveFile>> &files)
{
    for (std::unique_ptr<QSaveFile> &file : files) {
        if (!file->commit()) {
            reportWriteFailure(file->fileName(), file->errorString());
            return false;
        }
    }
    return true;
}

bool IOSignal::writeOne(const QString &path, const QVector<Signal *> &records)
{
    const SignalFileKind::Kind kind = SignalFileKind::of(path);
    if (SignalFileKind::isSigmf(kind))
        return writeSigmf(path, records);
    if (SignalFileKind::isRaw(kind)) {
        // Raw files carry no layer count: the layers follow one another.
        QSaveFile file(path);
        bool isWritten = file.open(QIODevice::WriteOnly);
        for (Signal *record : records)
            isWritten = isWritten && writeFrames(file, {record}, SignalFileKind::rawFormat(kind), nullptr);
        isWritten = isWritten && file.commit();
        if (!isWritten)
            emit sendMessage(tr(kErrorTitle), tr("Cannot write the file %1.").arg(QDir::toNativeSeparators(path)));
        return isWritten;
    }
    std::vector<std::unique_ptr<QSaveFile>> files;
    files.push_back(writeUncommitted(path, records));
    return files.back() && commitAll(files);
}

std::unique_ptr<QSaveFile> IOSignal::writeUncommitted(const QString &path, const QVector<Signal *> &records)
{
    const SignalFileKind::Kind kind = SignalFileKind::of(path);
    const bool isDat = kind == SignalFileKind::Dat;
    const bool isNative = SignalFileKind::hasHeaderTags(kind);
    if (isDat && records.size() > kMaxDatLayers) {
        emit sendMessage(tr(kErrorTitle), tr("A .dat file holds at most %1 layers.").arg(kMaxDatLayers));
        return nullptr;
    }
    const int sampleBytes = !isDat && m_accuracy == AccuracyDouble ? kDoubleSampleBytes : kSingleSampleBytes;
    qint64 total = 0;
    for (const Signal *record : records)
        total += record->size();
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        reportWriteFailure(path, file->errorString());
        return nullptr;
    }
    double scale = kFullScale16;
    if (isDat)
        file->write(datHeader(records, scale));
    else if (isNative)
        file->write(nativeHeader(records, total * sampleBytes + 1));
    for (const Signal *record : records)
        writeSamples(*file, *record, sampleBytes == kDoubleSampleBytes, scale);
    if (isNative)
        file->write("}", 1);
    // A failed write (a full disk) leaves the save file in error; flushed here, so that
    // the error shows before any file of a set replaces its name.
    if (!file->flush() || file->error() != QFileDevice::NoError) {
        reportWriteFailure(path, file->errorString());
        return nullptr;
    }
    return file;
}

void IOSignal::reportWriteFailure(const QString &path, const QString &reason)
{
    emit sendMessage(tr(kErrorTitle), tr("Cannot write the file %1 (%2); nothing was changed.")
                                          .arg(QDir::toNativeSeparators(path), reason));
}

bool IOSignal::writeFrames(QIODevice &file, const QVector<Signal *> &records, const SampleFormat &format,
                           QCryptographicHash *hash) const
{
    constexpr int kSlice = 1 << 18;
    const int channels = records.size();
    const int length = records.first()->size();
    const int sampleBytes = format.sampleBytes();
    QByteArray buffer(int(std::min(length, kSlice)) * sampleBytes * channels, Qt::Uninitialized);
    for (int first = 0; first < length; first += kSlice) {
        const int count = std::min(kSlice, length - first);
        if (channels == 1) {
            SampleCodec::encode(format, records.first()->samples().constData() + first, count, buffer.data());
        } else {
            for (int c = 0; c < channels; ++c) {
                const IQ *src = records.at(c)->samples().constData() + first;
                for (int i = 0; i < count; ++i)
                    SampleCodec::encode(format, src + i, 1, buffer.data() + (qint64(i) * channels + c) * sampleBytes);
            }
        }
        const qint64 bytes = qint64(count) * sampleBytes * channels;
        if (hash)
            hash->addData(buffer.constData(), int(bytes));
        if (file.write(buffer.constData(), bytes) != bytes)
            return false;
    }
    return true;
}

bool IOSignal::recordingCentre(double &frequency) const
{
    // A vector-analysis set keeps the recording's own centre beside the user's shift;
    // other sets (and a recording that gave none) have only the header's frequency.
    if (const auto *va = dynamic_cast<const ParamVectorAnalysis *>(m_hub->param())) {
        frequency = va->sourceFrequency();
        if (frequency != 0.0 && std::isfinite(frequency))
            return true;
    }
    const TagScanner shortText(m_hub->param()->text(ParamSignal::FormShort).toUtf8());
    const QString text = shortText.value("FREQUENCY:");
    return !text.isNull() && UnitText::read(text, frequency);
}

SigmfMeta IOSignal::sigmfMeta(const QVector<Signal *> &records, const SampleFormat &format) const
{
    SigmfMeta meta;
    meta.format = format;
    meta.version = QLatin1String(SigmfMeta::kVersion);
    meta.sampleRate = m_hub->param()->sampleRate();
    meta.channels = records.size();
    meta.recorder = QStringLiteral("Tarnwick Studio");
    const SignalInformation &information = m_hub->fileInformation();
    meta.description = information.tag(QStringLiteral("DESCRIPTION"));
    meta.author = information.tag(QStringLiteral("AUTHOR"));
    SigmfMeta::Capture capture;
    // The recording's own time when it came with one, else the time of writing.
    const QDateTime taken = QDateTime::fromString(information.tag(QStringLiteral("DATE")), Qt::ISODateWithMs);
    capture.datetime = taken.isValid() ? information.tag(QStringLiteral("DATE"))
                                       : QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    capture.hasFrequency = recordingCentre(capture.frequency);
    meta.captures = {capture};
    for (const SignalAnnotation &annotation : information.annotations()) {
        if (annotation.start < records.first()->size())
            meta.annotations.append(annotation);
    }
    return meta;
}

bool IOSignal::writeSigmf(const QString &path, const QVector<Signal *> &records)
{
    const SampleFormat format = m_accuracy == AccuracyDouble ? SampleFormat::cf32() : SampleFormat::ci16();
    const SignalFileKind::Kind kind = SignalFileKind::of(path);
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    QCryptographicHash hash(QCryptographicHash::Sha512);
    SigmfMeta meta = sigmfMeta(records, format);
    bool isWritten = false;
    QString failed = path;
    if (kind == SignalFileKind::SigmfArchive) {
        // Folder, data, then metadata: the data's hash is known once it is written.
        QSaveFile file(path);
        const qint64 dataBytes = qint64(records.first()->size()) * format.sampleBytes() * records.size();
        const qint64 mtime = QDateTime::currentSecsSinceEpoch();
        const QByteArray folder = SigmfArchive::header(base + QLatin1Char('/'), 0, mtime, true);
        const QByteArray dataHeader = SigmfArchive::header(base + QLatin1Char('/') + base + QStringLiteral(".sigmf-data"), dataBytes, mtime);
        isWritten = !folder.isEmpty() && !dataHeader.isEmpty() && file.open(QIODevice::WriteOnly);
        isWritten = isWritten && file.write(folder) == folder.size() && file.write(dataHeader) == dataHeader.size()
                    && writeFrames(file, records, format, &hash);
        if (isWritten) {
            meta.sha512 = QString::fromLatin1(hash.result().toHex());
            const QByteArray json = meta.toJson();
            file.write(SigmfArchive::padding(dataBytes));
            file.write(SigmfArchive::header(base + QLatin1Char('/') + base + QStringLiteral(".sigmf-meta"), json.size(), mtime));
            file.write(json);
            file.write(SigmfArchive::padding(json.size()));
            file.write(SigmfArchive::end());
            isWritten = file.commit();
        }
    } else {
        const QString stem = info.absolutePath() + QLatin1Char('/') + base;
        QSaveFile data(stem + QStringLiteral(".sigmf-data"));
        isWritten = data.open(QIODevice::WriteOnly) && writeFrames(data, records, format, &hash) && data.commit();
        failed = data.fileName();
        if (isWritten) {
            meta.sha512 = QString::fromLatin1(hash.result().toHex());
            QSaveFile metaFile(stem + QStringLiteral(".sigmf-meta"));
            const QByteArray json = meta.toJson();
            isWritten = metaFile.open(QIODevice::WriteOnly) && metaFile.write(json) == json.size() && metaFile.commit();
            failed = metaFile.fileName();
        }
    }
    if (!isWritten)
        emit sendMessage(tr(kErrorTitle), tr("Cannot write the file %1.").arg(QDir::toNativeSeparators(failed)));
    return isWritten;
}

void IOSignal::writeSamples(QSaveFile &file, const Signal &record, bool isDouble, double scale) const
{
    // Converted a slice at a time into one reused buffer: a slice stays in the
    // cache, and a long recording needs no second copy of itself in memory.
    constexpr int kSlice = 1 << 20;
    const int sampleBytes = isDouble ? kDoubleSampleBytes : kSingleSampleBytes;
    QByteArray buffer(int(std::min(record.size(), kSlice)) * sampleBytes, Qt::Uninitialized);
    const IQ *src = record.samples().constData();
    for (int first = 0; first < record.size(); first += kSlice) {
        const int count = std::min(kSlice, record.size() - first);
        if (isDouble)
            SampleCodec::encode64(src + first, count, buffer.data());
        else
            SampleCodec::encode16(src + first, count, scale, buffer.data());
        file.write(buffer.constData(), qint64(count) * sampleBytes);
    }
}

QString IOSignal::typeTag() const
{
    return m_accuracy == AccuracyDouble ? QStringLiteral("{TYPE:OWVD}") : QStringLiteral("{TYPE:OWV}");
}

QByteArray IOSignal::nativeHeader(const QVector<Signal *> &records, qint64 blockBytes) const
{
    const ParamSignal *param = m_hub->param();
    const QDateTime now = QDateTime::currentDateTime();
    const int samples = param->mode() == ParamSignal::ModeDM && m_hub->countSourceSignals() > 0
                            ? m_hub->sourceSignal(0).size()
                            : records.first()->size();
    const QString header = typeTag() + QStringLiteral("{DATE:") + now.toString(QStringLiteral("yyyy-MM-dd"))
                           + QLatin1Char(';') + now.toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('}')
                           + SignalInformation::headerText(*records.first(), param->scalingFactor())
                           + QStringLiteral("{SAMPLES:%1}").arg(samples)
                           + QStringLiteral("{LAYERS:%1}").arg(records.size())
                           + param->text(ParamSignal::FormShort)
                           + QStringLiteral("{WAVEFORM-%1:#").arg(blockBytes);
    return header.toUtf8();
}

QByteArray IOSignal::datHeader(const QVector<Signal *> &records, double &scale) const
{
    double peak = 0.0;
    for (const Signal *record : records)
        peak = std::max(peak, SignalInformation::peak(record->samples()));
    const double rate = std::floor(std::max(0.0, m_hub->param()->sampleRate()));
    const quint32 storedRate = rate >= 4294967295.0 ? 0xFFFFFFFFu : quint32(rate);
    DatHeader header;
    header.sampleRate = storedRate;
    header.layers = records.size();
    header.perLayer = records.first()->size();
    header.peak = peak;
    // All-zero layers store a peak of 0 and codes of 0.
    scale = peak > 0.0 ? kFullScale16 / peak : 0.0;
    return header.toBytes();
}

// ---------------------------------------------------------------- quick-saved signals and register

void IOSignal::deleteFile(QString pathFile)
{
    QFile::remove(m_directory + pathFile + QStringLiteral(".owv"));
}

QList<QString> IOSignal::updateListQuickSaved()
{
    QList<QString> names;
    const QFileInfoList files = QDir(m_directory).entryInfoList({QStringLiteral("*.owv")}, QDir::Files, QDir::Name);
    for (const QFileInfo &info : files)
        names.append(info.completeBaseName());
    return names;
}

void IOSignal::writeRegFile(QString file)
{
    setRegisterValue(QStringLiteral("/File ") + modeName(), file);
}

QString IOSignal::getFileReg()
{
    return registerValue(QStringLiteral("/File ") + modeName()).toString();
}

void IOSignal::writeReg()
{
    const QString params = m_hub->param()->text(ParamSignal::FormLong);
    if (params.isEmpty())
        return;
    const QString file = getFileReg();
    QString type;
    switch (SignalFileKind::of(file)) {
    case SignalFileKind::Binary: type = QStringLiteral("{TYPE:BIN}"); break;
    case SignalFileKind::Wave: type = QStringLiteral("{TYPE:WV}"); break;
    case SignalFileKind::Native: type = m_isReadNative ? QStringLiteral("{TYPE:OWVD}") : typeTag(); break;
    default: type = QStringLiteral("{TYPE:TXT}"); break;
    }
    setRegisterValue(QStringLiteral("/Params ") + modeName(), type + params);
}

void IOSignal::defineFormatRead(QString params)
{
    m_isReadDouble = false;
    m_isReadNative = false;
    if (params.contains(QLatin1String("TYPE:OWVD"))) {
        m_isReadDouble = true;
        m_isReadNative = true;
    }
    if (params.contains(QLatin1String("Accuracy:Single")))
        m_isReadDouble = false;
    else if (params.contains(QLatin1String("Accuracy:Double")))
        m_isReadDouble = true;
    else if (params.contains(QLatin1String("TYPE:BIN")))
        m_isReadDouble = false;
}

void IOSignal::readReg()
{
    const QString params = registerValue(QStringLiteral("/Params ") + modeName()).toString();
    // The remembered text opens with its type tag; the mode test must see the mode tag.
    const int modeTag = params.indexOf(QLatin1String("{MODE:"));
    m_hub->param()->parseText(modeTag < 0 ? params : params.mid(modeTag), true);
    QFile file(getFileReg());
    if (!file.open(QIODevice::ReadOnly))
        return;
    defineFormatRead(params);
    m_progress.reset();
    readSignal(file, false, true);
}
