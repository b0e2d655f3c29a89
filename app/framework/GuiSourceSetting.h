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
    explicit GuiSourceSetting(QWidget *parent = nullptr);

    QMap<QString, QString> values() const;
    void setValues(const QMap<QString, QString> &values);

protected:
    void changeEvent(QEvent *event) override;

signals:
    void sendSampleRate(double SR_Hz);
    void sendCarrierFreq(double value);
    void sendRefLevel(double referenceLvl);
    void sendAccuracy(bool isSingle);
    void sendHideConnect();
    void sendShowConnect();
    void changed();

private:
    UnitLineEdit *m_sampleRate;
    UnitLineEdit *m_carrier;
    UnitLineEdit *m_refLevel;
    QComboBox *m_accuracy;

    void retranslate();
};
