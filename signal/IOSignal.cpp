#include "IOSignal.h"

#include "DatHeader.h"
#include "ManagerSignal.h"
#include "ParamSignal.h"
#include "SampleCodec.h"
#include "SignalInformation.h"
#include "TagScanner.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
const QString kErrorTitle = QStringLiteral("Error");
const QString kErrorReadFile = QStringLiteral("Error Read File!");
constexpr int kSingleSampleBytes = 4;   // two 16-bit integers
constexpr int kDoubleSampleBytes = 16;  // two 64-bit floats
constexpr int kMaxDatLayers = 255;      // the layer count is one byte

bool hasNativeExtension(const QString &name)
{
    static const QRegularExpression native(QStringLiteral("\\.o?wv$"), QRegularExpression::CaseInsensitiveOption);
    return native.match(name).hasMatch();
}

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
        "All (*.all - Single Precision)");
}

QString IOSignal::openDialogFilter(bool isWithDat)
{
    if (isWithDat)
        return QStringLiteral(
            "All Available Formats (*.owv *.wv *.bin *.txt *dat) ;; Orvane Waveform File (*.owv) (*.owv) ;; "
            "Waveform File (*.wv) (*.wv) ;; Bynary File (*.bin) (*.bin) ;; Text File (*.txt) (*.txt) ;; "
            "Dat File (*.dat) (*.dat)");
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
    if (fileName.contains(QLatin1String(".dat")))
        return;
    if (fileName.split(QLatin1Char('.')).last() == QLatin1String("bin"))
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
        emit stopLoad();
        return false;
    }
    const TagScanner scanner = TagScanner::fromFile(file);
    if (scanner.isNull()) {
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
    QVector<Signal> layers;
    if (name.contains(QLatin1String(".txt"))) {
        layers = decodeText(file);
    } else {
        const TagScanner scanner = TagScanner::fromFile(file);
        if (name.contains(QLatin1String(".dat")))
            layers = decodeDat(scanner, isSendLoad);
        else if (!scanner.isNull())
            layers = decodeNative(name, scanner);
    }
    if (layers.isEmpty()) {
        if (!m_progress.isStopped())
            emit sendMessage(kErrorTitle, kErrorReadFile);
        endRead(false);
        file.close();
        return false;
    }
    m_lastReadPath = name;
    if (isSendLoad && m_isRegisterEnabled)
        writeRegFile(name);
    if (isSendSignal) {
        SignalInformation information;
        if (!name.contains(QLatin1String(".txt")))
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

void IOSignal::endRead(bool isDelivered)
{
    if (isDelivered)
        return;
    QMetaObject::invokeMethod(m_hub, [hub = m_hub] { hub->slotSetStateReadFileSignal(false); });
    emit stopLoad();
}

QVector<Signal> IOSignal::decodeNative(const QString &fileName, const TagScanner &file)
{
    qint64 start = 0;
    if (hasNativeExtension(fileName)) {
        const qint64 waveform = file.find("{WAVEFORM");
        start = waveform < 0 ? -1 : file.find("#", waveform);
        if (start < 0)
            return {};
    }
    const int sampleBytes = m_isReadDouble ? kDoubleSampleBytes : kSingleSampleBytes;
    const qint64 total = (file.size() - start) / sampleBytes;
    if (total <= 0 || total > std::numeric_limits<int>::max())
        return {};
    qint64 layers = 1;
    const QString layerText = file.value("{LAYERS:");
    if (!layerText.isNull())
        layers = layerText.trimmed().toLongLong();
    // More layers than samples would be layers of nothing: a damaged header.
    if (layers < 1 || layers > total)
        return {};
    QVector<Signal> out;
    if (!decodeBlock(file.data() + start, int(total), int(layers), out))
        return {};
    return out;
}

bool IOSignal::decodeBlock(const char *data, int total, int layers, QVector<Signal> &out)
{
    const int perLayer = total / layers;
    const int sampleBytes = m_isReadDouble ? kDoubleSampleBytes : kSingleSampleBytes;
    m_progress.setTotal(perLayer * layers);
    const int chunk = std::max(1, m_progress.step());
    int done = 0;
    out.reserve(layers);
    for (int layer = 0; layer < layers; ++layer) {
        IQVector samples(perLayer);
        IQ *dst = samples.data();
        const char *src = data + qint64(layer) * perLayer * sampleBytes;
        for (int first = 0; first < perLayer; first += chunk) {
            const int last = std::min(perLayer, first + chunk);
            if (m_isReadDouble)
                SampleCodec::decode64(src + qint64(first) * sampleBytes, last - first, dst + first);
            else
                SampleCodec::decode16(src + qint64(first) * sampleBytes, last - first, 1.0 / kFullScale16, dst + first);
            done += last - first;
            m_progress.update(done);
            if (m_progress.isStopped())
                return false;
        }
        out.append(Signal(std::move(samples)));
    }
    return true;
}

QVector<Signal> IOSignal::decodeDat(const TagScanner &file, bool isSendLoad)
{
    DatHeader header;
    if (file.isNull() || !DatHeader::read(file.data(), file.size(), header))
        return {};
    const int layers = header.layers;
    const qint32 perLayer = header.perLayer;
    const double peak = header.peak;
    if (layers < 1 || perLayer < 1 || !std::isfinite(peak))
        return {};
    const qint64 promised = qint64(layers) * perLayer;
    const qint64 held = (file.size() - DatHeader::kSize) / kSingleSampleBytes;
    const qint64 available = std::min(promised, held);
    if (available <= 0 || available > std::numeric_limits<int>::max())
        return {};
    if (held < promised)
        emit sendMessage(tr("Warning"), tr("The file holds %1 of the %2 samples that its header promises; "
                                           "only those were read.").arg(held).arg(promised));
    const bool wasDouble = m_isReadDouble;
    m_isReadDouble = false;
    QVector<Signal> out;
    const int fullLayers = int(available / perLayer);
    bool ok = fullLayers == 0 || decodeBlock(file.data() + DatHeader::kSize, fullLayers * perLayer, fullLayers, out);
    const int rest = int(available - qint64(fullLayers) * perLayer);
    QVector<Signal> partial;
    if (ok && rest > 0)
        ok = decodeBlock(file.data() + DatHeader::kSize + qint64(fullLayers) * perLayer * kSingleSampleBytes, rest, 1,
                         partial);
    m_isReadDouble = wasDouble;
    if (!ok)
        return {};
    out += partial;
    // The 16-bit codes were read as code / 32767; the file scales them by its peak.
    for (Signal &layer : out) {
        for (IQ &s : layer.mutableSamples())
            s *= peak;
    }
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
    static const QRegularExpression blanks(QStringLiteral("[ ]+"));
    const auto field = [](const QString &text, double &value) {
        bool ok = false;
        value = text.toDouble(&ok);
        return ok && (value != 0.0 || text == QLatin1String("0"));
    };
    IQVector samples;
    QString line;
    while (stream.readLineInto(&line)) {
        line.replace(QLatin1Char(','), QLatin1Char('.'));
        const QStringList parts = line.split(blanks);
        double i = 0.0;
        double q = 0.0;
        if (parts.size() == 2 && field(parts.at(0), i) && field(parts.at(1), q))
            samples.append(IQ(i, q));
        if (m_progress.isStopped())
            return {};
    }
    if (samples.isEmpty())
        return {};
    return {Signal(samples)};
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
            emit sendMessage(kErrorTitle, tr("Layers of different lengths cannot be written to one file."));
            return false;
        }
    }
    const QString extension = pathFile.mid(pathFile.lastIndexOf(QLatin1Char('.')) + 1);
    if (extension.contains(QLatin1String("all"))) {
        bool ok = true;
        for (const char *target : {".owv", ".dat", ".bin"}) {
            QString name = pathFile;
            name.replace(QLatin1String(".all"), QLatin1String(target));
            ok = writeOne(resolvePath(name), signals_) && ok;
        }
        return ok;
    }
    return writeOne(resolvePath(pathFile), signals_);
}

bool IOSignal::writeOne(const QString &path, const QVector<Signal *> &records)
{
    const QString extension = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
    const bool isDat = extension.contains(QLatin1String("dat"));
    const bool isNative = !isDat && extension.contains(QLatin1String("wv"));
    if (isDat && records.size() > kMaxDatLayers) {
        emit sendMessage(kErrorTitle, tr("A .dat file holds at most %1 layers.").arg(kMaxDatLayers));
        return false;
    }
    const int sampleBytes = !isDat && m_accuracy == AccuracyDouble ? kDoubleSampleBytes : kSingleSampleBytes;
    qint64 total = 0;
    for (const Signal *record : records)
        total += record->size();
    QSaveFile file(path);
    bool isWritten = file.open(QIODevice::WriteOnly);
    if (isWritten) {
        double scale = kFullScale16;
        if (isDat)
            file.write(datHeader(records, scale));
        else if (isNative)
            file.write(nativeHeader(records, total * sampleBytes + 1));
        for (const Signal *record : records)
            writeSamples(file, *record, sampleBytes == kDoubleSampleBytes, scale);
        if (isNative)
            file.write("}", 1);
        isWritten = file.commit();
    }
    if (!isWritten)
        emit sendMessage(kErrorTitle, tr("Cannot write the file %1.").arg(QDir::toNativeSeparators(path)));
    emit save();
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
    if (file.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive))
        type = QStringLiteral("{TYPE:BIN}");
    else if (file.endsWith(QLatin1String(".wv"), Qt::CaseInsensitive) && !file.endsWith(QLatin1String(".owv")))
        type = QStringLiteral("{TYPE:WV}");
    else if (file.endsWith(QLatin1String(".owv"), Qt::CaseInsensitive))
        type = m_isReadNative ? QStringLiteral("{TYPE:OWVD}") : typeTag();
    else
        type = QStringLiteral("{TYPE:TXT}");
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
