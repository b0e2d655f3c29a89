#include "GuiSourceSetting.h"

#include "FormCaptions.h"
#include "UnitLineEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>

namespace {
constexpr double kMaxRateHz = 100e9;
constexpr double kMaxCarrierHz = 1e12;
constexpr double kLevelLimitDbm = 1000.0;
}

GuiSourceSetting::GuiSourceSetting(QWidget *parent)
    : QWidget(parent),
      m_sampleRate(new UnitLineEdit(QStringLiteral("1 MHz"), 1e-3, kMaxRateHz, this)),
      m_carrier(new UnitLineEdit(QStringLiteral("0 GHz"), -kMaxCarrierHz, kMaxCarrierHz, this)),
      m_refLevel(new UnitLineEdit(QStringLiteral("0 dBm"), -kLevelLimitDbm, kLevelLimitDbm, this)),
      m_accuracy(new QComboBox(this)), m_source(new QComboBox(this))
{
    m_sampleRate->setObjectName(QStringLiteral("sourceSet_InputSampleRate"));
    m_carrier->setObjectName(QStringLiteral("sourceSet_InputCarrier"));
    m_refLevel->setObjectName(QStringLiteral("sourceSet_InputRefLevel"));
    m_accuracy->setObjectName(QStringLiteral("sourceSet_ComboAccuracy"));
    m_accuracy->addItems({QString(), QString()});
    m_source->setObjectName(QStringLiteral("sourceSet_ComboSource"));
    // The instrument is not offered: acquisition is not available in this build.
    m_source->addItem(QString(), int(SourceFile));
    m_source->addItem(QString(), int(SourceVectorAnalysis));
    auto *layout = new QFormLayout(this);
    for (QWidget *field : std::initializer_list<QWidget *>{m_source, m_sampleRate, m_carrier, m_refLevel, m_accuracy})
        layout->addRow(new QLabel(this), field);
    setSourceChoiceVisible(false);
    retranslate();
    connect(m_sampleRate, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendSampleRate(v);
        emit changed();
    });
    connect(m_carrier, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendCarrierFreq(v);
        emit changed();
    });
    connect(m_refLevel, &UnitLineEdit::valueEdited, this, [this](double v) {
        emit sendRefLevel(v);
        emit changed();
    });
    connect(m_accuracy, qOverload<int>(&QComboBox::activated), this, [this](int index) { emit sendAccuracy(index == 0); });
    connect(m_source, qOverload<int>(&QComboBox::activated), this, [this] { emit sendSource(source()); });
}

void GuiSourceSetting::setSourceChoiceVisible(bool isVisible)
{
    m_source->setVisible(isVisible);
    if (QWidget *label = static_cast<QFormLayout *>(layout())->labelForField(m_source))
        label->setVisible(isVisible);
}

int GuiSourceSetting::source() const
{
    return m_source->currentData().toInt();
}

void GuiSourceSetting::setSource(int source)
{
    const int index = m_source->findData(source);
    if (index >= 0)
        m_source->setCurrentIndex(index);
}

void GuiSourceSetting::retranslate()
{
    FormCaptions::apply(static_cast<QFormLayout *>(layout()), {
                                               {m_sampleRate, tr("Sample Rate")},
                                               {m_carrier, tr("Carrier Frequency")},
                                               {m_refLevel, tr("Reference Level")},
                                               {m_accuracy, tr("Read Samples As")},
                                               {m_source, tr("Signal Source")}});
    m_source->setItemText(0, tr("File"));
    m_source->setItemText(1, tr("Vector Analysis"));
    m_accuracy->setItemText(0, tr("16-bit (single)"));
    m_accuracy->setItemText(1, tr("64-bit float (double)"));
}

void GuiSourceSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

QMap<QString, QString> GuiSourceSetting::values() const
{
    return {{QStringLiteral("CLOCK"), m_sampleRate->valueText()},
            {QStringLiteral("FREQUENCY"), m_carrier->valueText()},
            {QStringLiteral("POWER"), m_refLevel->valueText()}};
}

void GuiSourceSetting::setValues(const QMap<QString, QString> &values)
{
    m_sampleRate->setValueText(values.value(QStringLiteral("CLOCK"), m_sampleRate->text()));
    m_carrier->setValueText(values.value(QStringLiteral("FREQUENCY"), m_carrier->text()));
    m_refLevel->setValueText(values.value(QStringLiteral("POWER"), m_refLevel->text()));
}
