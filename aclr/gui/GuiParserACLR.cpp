#include "GuiParserACLR.h"

#include "GuiConfigACLR.h"
#include "GuiSourceSetting.h"
#include "ManagerSignal.h"
#include "ParamACLR.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

GuiParserACLR::GuiParserACLR(QWidget *parent)
    : GuiParserSignal(parent), m_source(new GuiSourceSetting), m_config(new GuiConfigACLR),
      m_measurement(new QLabel(this)), m_status(new QLabel(this)), m_sourceBox(new QGroupBox(this)),
      m_configBox(new QGroupBox(this))
{
    m_measurement->setObjectName(QStringLiteral("lblMeasurement"));
    m_status->setObjectName(QStringLiteral("lblACLRStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("QLabel { color: #d08000; }"));
    (new QVBoxLayout(m_sourceBox))->addWidget(m_source);
    (new QVBoxLayout(m_configBox))->addWidget(m_config);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileRow());
    layout->addWidget(m_measurement);
    layout->addWidget(m_sourceBox);
    layout->addWidget(m_configBox);
    layout->addWidget(m_status);
    layout->addStretch();
    m_source->setSourceChoiceVisible(true);
    connect(m_source, &GuiSourceSetting::changed, this, &GuiParserSignal::slotChangeParam);
    connect(m_config, &GuiConfigACLR::changed, this, &GuiParserSignal::slotChangeParam);
    connect(m_config, &GuiConfigACLR::carrierConfigRequested, this, &GuiParserACLR::carrierConfigRequested);
    retranslate();
}

void GuiParserACLR::setParams()
{
    auto *param = managerSignal() ? dynamic_cast<ParamACLR *>(managerSignal()->param()) : nullptr;
    if (!param)
        return;
    const auto source = m_source->values();
    param->parseText(QStringLiteral("{CLOCK:%1}{FREQUENCY:%2}")
                         .arg(source.value(QStringLiteral("CLOCK")), source.value(QStringLiteral("FREQUENCY"))),
                     false);
    const auto values = m_config->values();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        param->setItem(it.key(), it.value());
}

void GuiParserACLR::getParams()
{
    auto *param = managerSignal() ? dynamic_cast<ParamACLR *>(managerSignal()->param()) : nullptr;
    if (!param)
        return;
    m_source->setValues({{QStringLiteral("CLOCK"), param->value(QStringLiteral("CLOCK"))},
                         {QStringLiteral("FREQUENCY"), param->value(QStringLiteral("FREQUENCY"))}});
    m_config->setValues(*param);
    m_standard = param->standard();
    retranslate();
}

void GuiParserACLR::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

QString GuiParserACLR::statusText() const
{
    return m_status->text();
}

void GuiParserACLR::retranslate()
{
    m_sourceBox->setTitle(tr("Source"));
    m_configBox->setTitle(tr("ACLR Settings"));
    // Named as the menu names it.
    const char *caption = m_standard == ParamACLR::kLTE ? "4G LTE ACLR" : m_standard == ParamACLR::kNR ? "5G NR ACLR" : "CUSTOM";
    m_measurement->setText(tr("Measurement: %1").arg(QCoreApplication::translate("VerticalMenu", caption)));
    m_status->setVisible(!m_status->text().isEmpty());
}
