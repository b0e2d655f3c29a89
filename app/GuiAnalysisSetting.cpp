#include "GuiAnalysisSetting.h"

#include "UnitLineEdit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSpinBox>

GuiAnalysisSetting::GuiAnalysisSetting(QWidget *parent)
    : QWidget(parent), m_sampleRate(new UnitLineEdit(QStringLiteral("1 MHz"), 1e-3, 100e9, this)),
      m_shift(new UnitLineEdit(QStringLiteral("0 MHz"), -100e9, 100e9, this)), m_decimation(new QSpinBox(this)),
      m_correctAll(new QCheckBox(tr("Correct the whole signal at once"), this))
{
    m_sampleRate->setObjectName(QStringLiteral("analysisSet_InputSampleRate"));
    m_shift->setObjectName(QStringLiteral("analysisSet_InputFreq"));
    m_decimation->setObjectName(QStringLiteral("analysisSet_SpinDecimation"));
    m_correctAll->setObjectName(QStringLiteral("analysisSet_CheckCorrectAll"));
    m_decimation->setRange(1, kMaxDecimation);
    m_decimation->setKeyboardTracking(false);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Sample Rate"), m_sampleRate);
    layout->addRow(tr("Frequency Shift"), m_shift);
    layout->addRow(tr("Decimation"), m_decimation);
    layout->addRow(m_correctAll);
    connect(m_sampleRate, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendSampleRate(v);
        emit changed();
    });
    connect(m_shift, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendCarrierFreq(v);
        emit changed();
    });
    connect(m_decimation, qOverload<int>(&QSpinBox::valueChanged), this, &GuiAnalysisSetting::changed);
    connect(m_correctAll, &QCheckBox::toggled, this, &GuiAnalysisSetting::sendCorrectAll);
}

QMap<QString, QString> GuiAnalysisSetting::values() const
{
    return {{QStringLiteral("SampleRate"), m_sampleRate->valueText()},
            {QStringLiteral("Freq"), m_shift->valueText()},
            {QStringLiteral("Decimation"), QString::number(m_decimation->value())}};
}

void GuiAnalysisSetting::setValues(const QMap<QString, QString> &values)
{
    m_sampleRate->setValueText(values.value(QStringLiteral("SampleRate"), m_sampleRate->text()));
    m_shift->setValueText(values.value(QStringLiteral("Freq"), m_shift->text()));
    const QSignalBlocker blocker(m_decimation);
    const int decimation = values.value(QStringLiteral("Decimation")).toInt();
    m_decimation->setValue(decimation >= 1 ? decimation : 1);
}
