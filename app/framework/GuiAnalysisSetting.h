#pragma once

#include <QMap>
#include <QWidget>

class QCheckBox;
class QSpinBox;
class UnitLineEdit;

// How the recording is prepared for display: the frequency shift ("Freq"), the
// decimation factor ("Decimation") and the resulting sample rate ("SampleRate"),
// and whether the whole recording is corrected at once instead of frame by frame.
class GuiAnalysisSetting : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxDecimation = 64;

    explicit GuiAnalysisSetting(QWidget *parent = nullptr);

    QMap<QString, QString> values() const;
    void setValues(const QMap<QString, QString> &values);

protected:
    void changeEvent(QEvent *event) override;

signals:
    void sendSampleRate(double SR_Hz);
    void sendCarrierFreq(double value);
    void sendCorrectAll(bool isAll);
    void changed();

private:
    UnitLineEdit *m_sampleRate;
    UnitLineEdit *m_shift;
    QSpinBox *m_decimation;
    QCheckBox *m_correctAll;

    void retranslate();
};
