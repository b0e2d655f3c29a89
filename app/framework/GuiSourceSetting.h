#pragma once

#include <QMap>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class UnitLineEdit;

// The source settings of a recording: where it comes from (a file, the signal
// analyser or the vector-analysis mode), its sample rate, carrier frequency and
// reference level (the "CLOCK", "FREQUENCY" and "POWER" values), the sample
// precision in which a file is read, and for the signal analyser the connection,
// the points per read, external synchronisation and the input compensation file.
class GuiSourceSetting : public QWidget
{
    Q_OBJECT
public:
    // Where a mode's recording comes from; the numbers are those of the profile's device text.
    enum Source { SourceFile = 0, SourceSignalAnalyzer = 1, SourceVectorAnalysis = 2 };
    static constexpr int kDefaultPoints = 10000;
    static constexpr int kMaxPoints = 100000000;

    explicit GuiSourceSetting(QWidget *parent = nullptr);

    // The source choice is offered by the modes that can analyse another mode's signal,
    // and by every mode once an instrument can be reached.
    void setSourceChoiceVisible(bool isVisible);
    void setSourceOffered(int source, bool isOffered);
    int source() const;
    // Shows the source without announcing it; a source not offered is ignored.
    void setSource(int source);

    QMap<QString, QString> values() const;
    void setValues(const QMap<QString, QString> &values);
    int points() const;
    bool isExtSync() const;
    double extSyncFrequency() const;
    QString compensationPath() const;
    bool isConnected() const { return m_isConnected; }

protected:
    void changeEvent(QEvent *event) override;

signals:
    void sendSampleRate(double SR_Hz);
    void sendCarrierFreq(double value);
    void sendRefLevel(double referenceLvl);
    void sendNumPts(int numPts);
    void sendExtSyncEnbl(bool isEnblExtSync);
    void sendExtSync(double extSync);
    void sendPathCompens(QString path);
    void sendAccuracy(bool isSingle);
    void sendSource(int source);
    void sendConnect();
    void sendDisconnect();
    // "Reset Values" was confirmed.
    void sendResetValues();
    void sendHideConnect();
    void sendShowConnect();
    void changed();

public slots:
    // The reference level field accepts the instrument's range.
    void setRefLvlMinMax(int min, int max);
    // The connection state and the instrument's name ("Disconnected" while there is none).
    void setConnected(bool isConnected, const QString &deviceName);
    // The values the instrument has in force, shown without announcing them.
    void setDeviceValues(double carrier, double sampleRate, double refLevel, int points);
    void setPoints(int points);
    void setCompensationPath(const QString &path);

private:
    void retranslate();
    void updateRows();
    void askResetValues();
    void chooseCompensation();

    UnitLineEdit *m_sampleRate;
    UnitLineEdit *m_carrier;
    UnitLineEdit *m_refLevel;
    QComboBox *m_accuracy;
    QComboBox *m_source;
    QWidget *m_connectRow;
    QPushButton *m_butConnect;
    QPushButton *m_butDisconnect;
    QLabel *m_state;
    QLabel *m_deviceName;
    QSpinBox *m_points;
    QCheckBox *m_extSync;
    UnitLineEdit *m_extSyncFreq;
    QWidget *m_compensRow;
    QLineEdit *m_compensPath;
    QPushButton *m_butCompens;
    QPushButton *m_butReset;
    QString m_lastCompensPath;
    bool m_isConnected = false;
    bool m_isChoiceVisible = false;
};
