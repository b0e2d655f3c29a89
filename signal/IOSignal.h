#pragma once

#include "Signal.h"
#include "SignalFileKind.h"
#include "progressGenerate.h"

#include <QString>
#include <QThread>
#include <QVector>

class QFile;
class QSaveFile;
class ManagerSignal;
class TagScanner;
struct DatHeader;

// Reads and writes IQ recordings (.owv/.wv, .bin, .dat, .txt) for one mode's hub,
// in its own thread, and remembers per mode the last file and its parameter text.
// Errors are reported through sendMessage(title, text); a GUI shows them in a box.
class IOSignal : public QThread
{
    Q_OBJECT
public:
    enum Accuracy { AccuracySingle = 0, AccuracyDouble = 1 };
    static constexpr double kFullScale16 = 32767.0;  // a 16-bit code s stands for s / 32767

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
};
