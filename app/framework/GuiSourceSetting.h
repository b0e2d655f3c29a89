#pragma once

#include <QMap>
#include <QWidget>

class QComboBox;
class UnitLineEdit;

// The source settings of a recording: its sample rate, carrier frequency and
// reference level (the "CLOCK", "FREQUENCY" and "POWER" values), and the sample
// precision in which the current file is read.
class GuiSourceSetting : public QWidget
{
    Q_OBJECT
public:
    // Where a mode's recording comes from; the numbers are those of the profile's device text.
    enum Source { SourceFile = 0, SourceSignalAnalyzer = 1, SourceVectorAnalysis = 2 };

    explicit GuiSourceSetting(QWidget *parent = nullptr);

    // The source choice is offered by the modes that can analyse another mode's signal.
    void setSourceChoiceVisible(bool isVisible);
    int source() const;
    // Shows the source without announcing it; a source not offered is ignored.
    void setSource(int source);

    QMap<QString, QString> values() const;
    void setValues(const QMap<QString, QString> &values);

protected:
    void changeEvent(QEvent *event) override;

signals:
    void sendSampleRate(double SR_Hz);
    void sendCarrierFreq(double value);
    void sendRefLevel(double referenceLvl);
    void sendAccuracy(bool isSingle);
    void sendSource(int source);
    void sendHideConnect();
    void sendShowConnect();
    void changed();

private:
    UnitLineEdit *m_sampleRate;
    UnitLineEdit *m_carrier;
    UnitLineEdit *m_refLevel;
    QComboBox *m_accuracy;
    QComboBox *m_source;

    void retranslate();
};
