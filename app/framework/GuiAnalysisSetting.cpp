#include "GuiAnalysisSetting.h"

#include "FormCaptions.h"
#include "UnitLineEdit.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

GuiAnalysisSetting::GuiAnalysisSetting(QWidget *parent)
    : QWidget(parent), m_sampleRate(new UnitLineEdit(QStringLiteral("1 MHz"), 1e-3, 100e9, this)),
      m_shift(new UnitLineEdit(QStringLiteral("0 MHz"), -100e9, 100e9, this)), m_decimation(new QSpinBox(this)),
      m_correctAll(new QCheckBox(this))
{
    m_sampleRate->setObjectName(QStringLiteral("analysisSet_InputSampleRate"));
    m_shift->setObjectName(QStringLiteral("analysisSet_InputFreq"));
    m_decimation->setObjectName(QStringLiteral("analysisSet_SpinDecimation"));
    m_correctAll->setObjectName(QStringLiteral("analysisSet_CheckCorrectAll"));
    m_decimation->setRange(1, kMaxDecimation);
    m_decimation->setKeyboardTracking(false);
    auto *layout = new QFormLayout(this);
    for (QWidget *field : std::initializer_list<QWidget *>{m_sampleRate, m_shift, m_decimation})
        layout->addRow(new QLabel(this), field);
    layout->addRow(m_correctAll);
    retranslate();
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

void GuiAnalysisSetting::retranslate()
{
    FormCaptions::apply(static_cast<QFormLayout *>(layout()), {
                                               {m_sampleRate, tr("Sample Rate")},
                                               {m_shift, tr("Frequency Shift")},
                                               {m_decimation, tr("Decimation")}});
    m_correctAll->setText(tr("Correct the whole signal at once"));
}

void GuiAnalysisSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
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
