#pragma once

#include "Signal.h"
#include "SignalFileKind.h"
#include "SignalInformation.h"
#include "progressGenerate.h"

#include <QSaveFile>
#include <QString>
#include <QThread>
#include <QVector>

#include <memory>
#include <vector>

class QCryptographicHash;
class QFile;
class QIODevice;
class ManagerSignal;
class SigmfMeta;
class TagScanner;
struct DatHeader;

// Reads and writes IQ recordings (.owv/.wv, .bin, .dat, .txt, SigMF and the raw
// .cf32/.cf64/.cs16/.cs8/.cu8 files of SDR tools) for one mode's hub,
// in its own thread, and remembers per mode the last file and its parameter text.
// Errors are reported through sendMessage(title, text); a GUI shows them in a box.
class IOSignal : public QThread
{
    Q_OBJECT
public:
    enum Accuracy { AccuracySingle = 0, AccuracyDouble = 1 };
    static constexpr double kFullScale16 = 32767.0;  // a 16-bit code s stands for s / 32767
    // More layers than this in a header is damage, not a recording: each layer costs
    // a record of its own, so a small file could otherwise claim gigabytes.
    static constexpr int kMaxLayers = 64;

    // folder: the default and quick-save directory; empty means the documents
    // folder's "Orvane Tarnwick Studio". The object starts its own thread and lives there.
    explicit IOSignal(ManagerSignal *hub, const QString &folder = QString());
    ~IOSignal() override;

    int accuracy() const { return m_accuracy; }
    void setAccuracy(int accuracy) { m_accuracy = accuracy; }
    bool isReadDouble() const { return m_isReadDouble; }
    void setReadDouble(bool isDouble) { m_isReadDouble = isDouble; }
    bool isReadNative() const { return m_isReadNative; }
    // With a trailing separator, in the platform's own form.
    QString defaultDirectory() const;
    progressGenerate *progress() { return &m_progress; }
    // Command-line tools read files without touching the user's last-file register.
    void setRegisterEnabled(bool isEnabled) { m_isRegisterEnabled = isEnabled; }
    // Thread-safe: cancels the read under way.
    void cancelLoad() { m_progress.stop(); }

    // True when a raw file's name does not say both its rate and its frequency, so
    // that the open dialog asks for them.
    static bool needsRawRates(const QString &path);

    static QString saveDialogFilter();
    static QString openDialogFilter(bool isWithDat = true);
    // Sets accuracy from the chosen save filter ("Double Precision" or not).
    void setAccuracyFromFilter(const QString &filter);

signals:
    void save();  // once per writeFile that wrote every file it was asked for
    void load();
    void stopLoad();
    void progressLoad(int load);  // percent of the samples decoded so far
    void startRead();
    void sendMessage(QString title, QString text);

public slots:
    // The rate and centre frequency (Hz) of the next raw file read, where its name
    // does not carry them; 0 for one not given. One read takes them.
    void setRawRates(double rate, double frequency);
    // Opens, detects the format, prepares the parameter set and reads. False when
    // the file cannot be opened or yields no recording.
    bool readFile(QString pathFile);
    bool writeFile(QString pathFile, QVector<Signal *> signals_ = QVector<Signal *>());
    void deleteFile(QString pathFile);
    QList<QString> updateListQuickSaved();
    void writeRegFile(QString file);
    void defineFormatRead(QString params);
    bool readSignal(QFile &file, bool isSendLoad = true, bool isSendSignal = true);
    void readReg();
    void writeReg();
    QString getFileReg();

private:
    void defineFormat(const QString &fileName, const TagScanner &file);
    // Each decoder answers no layer and notes the reason (noteProblem) when the file
    // gives no recording, and warns about what it had to leave out.
    QVector<Signal> decode(QFile &file, bool isSendLoad);
    QVector<Signal> decodeNative(SignalFileKind::Kind kind, const TagScanner &file);
    QVector<Signal> decodeDat(const TagScanner &file, bool isSendLoad);
    QVector<Signal> decodeText(QFile &file);
    QVector<Signal> decodeRaw(SignalFileKind::Kind kind, const TagScanner &file, bool isSendLoad);
    QVector<Signal> decodeSigmf(SignalFileKind::Kind kind, QFile &file);
    // The .sigmf-meta text of a recording and where its samples lie (mapped into
    // `data`, which keeps the data file open); false with the problem noted.
    bool locateSigmf(SignalFileKind::Kind kind, QFile &file, QFile &data, QByteArray &meta, const char *&samples,
                     qint64 &size);
    QVector<Signal> decodeSigmfSamples(const SigmfMeta &meta, const char *data, qint64 size);
    // The recording's annotations in sample indexes of the layers read, shortened to them.
    SignalAnnotations sigmfAnnotations(const SigmfMeta &meta, qint64 samples);
    // Decodes `count` frames of `channels` interleaved samples into one vector per
    // channel, from `first` on, with progress and cancel.
    bool decodeFrames(const SampleFormat &format, const char *data, qint64 count, int channels, qint64 first,
                      QVector<IQVector> &layers);
    // Gives the parameter set a recording's own rate and centre frequency (0: unknown).
    void takeRates(double rate, double frequency);
    // 16-bit codes become code * scale16; 64-bit floats are taken as they are.
    bool decodeBlock(const char *data, int total, int layers, double scale16, QVector<Signal> &out);
    // -1 when a waveform file has no sample block.
    qint64 sampleBlockStart(SignalFileKind::Kind kind, const TagScanner &file);
    // 0 when the {LAYERS tag is unusable.
    int layerCount(const TagScanner &file, qint64 total);
    void warnIfShort(const TagScanner &file, qint64 start, int sampleBytes);
    bool checkDatHeader(const DatHeader &header);
    void noteProblem(const QString &problem);
    QVector<Signal> fail(const QString &problem);
    // A "Warning" message that names the file being read.
    void warn(const QString &problem);
    static QString shownName(const QString &path);
    void endRead(bool isDelivered);
    QString resolvePath(const QString &name) const;
    QString typeTag() const;
    QString modeName() const;
    bool writeOne(const QString &path, const QVector<Signal *> &records);
    bool writeSigmf(const QString &path, const QVector<Signal *> &records);
    SigmfMeta sigmfMeta(const QVector<Signal *> &records, const SampleFormat &format) const;
    // The centre frequency a written recording carries.
    bool recordingCentre(double &frequency) const;
    // Interleaves the records as channels, slice by slice, into the file (and the hash).
    bool writeFrames(QIODevice &file, const QVector<Signal *> &records, const SampleFormat &format,
                     QCryptographicHash *hash) const;
    // Writes the whole file to its temporary; null (with a message) when it cannot.
    // Nothing replaces the file until the caller commits.
    std::unique_ptr<QSaveFile> writeUncommitted(const QString &path, const QVector<Signal *> &records);
    void reportWriteFailure(const QString &path, const QString &reason);
    // False (with the reason noted) when the samples would not fit in memory.
    bool fitsInMemory(qint64 samples);
    // Commits the files in turn; false (with a message) at the first that fails.
    bool commitAll(std::vector<std::unique_ptr<QSaveFile>> &files);
    QByteArray nativeHeader(const QVector<Signal *> &records, qint64 blockBytes) const;
    void writeSamples(QSaveFile &file, const Signal &record, bool isDouble, double scale) const;
    // Sets scale to the codes' 32767 / peak.
    QByteArray datHeader(const QVector<Signal *> &records, double &scale) const;

    ManagerSignal *m_hub;  // not owned; lives in the GUI thread
    QString m_directory;   // with a trailing "/"
    progressGenerate m_progress;
    int m_accuracy = AccuracySingle;
    bool m_isReadDouble = false;
    bool m_isReadNative = false;
    QString m_lastReadPath;
    QString m_readName;     // the file name being read, for messages
    QString m_readProblem;  // why the read gave no recording
    bool m_isRegisterEnabled = true;
    double m_rawRate = 0.0;  // given for the next raw read
    double m_rawFrequency = 0.0;
    // What the last decoded file said about itself where its format is not the
    // program's own (SigMF); null otherwise.
    bool m_hasReadInformation = false;
    SignalInformation m_readInformation;
};
