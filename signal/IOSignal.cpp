#include "IOSignal.h"

#include "DatHeader.h"
#include "ManagerSignal.h"
#include "ParamSignal.h"
#include "SampleCodec.h"
#include "SignalInformation.h"
#include "TagScanner.h"
#include "TextSampleLines.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        "All (*.all - Single Precision)");
}

QString IOSignal::openDialogFilter(bool isWithDat)
{
    if (isWithDat)
        return QStringLiteral(
            "All Available Formats (*.owv *.wv *.bin *.txt *.dat) ;; Orvane Waveform File (*.owv) (*.owv) ;; "
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
    const QVector<Signal> layers = decode(file, isSendLoad);
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
        SignalInformation information;
        if (SignalFileKind::of(name) != SignalFileKind::Text)
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
    const TagScanner scanner = TagScanner::fromFile(file);
    if (scanner.isNull())
        return fail(tr("cannot be read (%1).").arg(file.errorString()));
    if (kind == SignalFileKind::Dat)
        return decodeDat(scanner, isSendLoad);
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
    if (layers < 1)
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
    while (stream.readLineInto(&line)) {
        lines.take(line);
        if (m_progress.isStopped())
            return {};
    }
    if (lines.samples().isEmpty())
        return fail(tr("no line holds two numbers (I and Q) separated by blanks."));
    if (lines.skipped() > 0)
        warn(tr("%1 of %2 lines skipped (%3).").arg(lines.skipped()).arg(lines.count()).arg(lines.skipReasons()));
    return {Signal(lines.samples())};
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
    bool isWritten = true;
    if (SignalFileKind::of(pathFile) == SignalFileKind::All) {
        for (const SignalFileKind::Kind target : {SignalFileKind::Native, SignalFileKind::Dat, SignalFileKind::Binary}) {
            const QString name = SignalFileKind::withSuffix(pathFile, SignalFileKind::name(target));
            isWritten = writeOne(resolvePath(name), signals_) && isWritten;
        }
    } else {
        isWritten = writeOne(resolvePath(pathFile), signals_);
    }
    if (isWritten)
        emit save();
    return isWritten;
}

bool IOSignal::writeOne(const QString &path, const QVector<Signal *> &records)
{
    const SignalFileKind::Kind kind = SignalFileKind::of(path);
    const bool isDat = kind == SignalFileKind::Dat;
    const bool isNative = SignalFileKind::hasHeaderTags(kind);
    if (isDat && records.size() > kMaxDatLayers) {
        emit sendMessage(tr(kErrorTitle), tr("A .dat file holds at most %1 layers.").arg(kMaxDatLayers));
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
        emit sendMessage(tr(kErrorTitle), tr("Cannot write the file %1.").arg(QDir::toNativeSeparators(path)));
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
