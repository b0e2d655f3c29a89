#include "GuiConfigACLR.h"

#include "GuiACLRCustomSetting.h"
#include "GuiACLRMultiSetting.h"
#include "GuiACLRSingleSetting.h"
#include "ParamACLR.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

GuiConfigACLR::GuiConfigACLR(QWidget *parent)
    : QWidget(parent), m_lblConfig(new QLabel(this)), m_butConfig(new QPushButton(this)),
      m_butCustom(new QPushButton(this)), m_butCarrierConfig(new QPushButton(this)),
      m_single(new GuiACLRSingleSetting(this)), m_multi(new GuiACLRMultiSetting(this)),
      m_custom(new GuiACLRCustomSetting(this))
{
    m_lblConfig->setObjectName(QStringLiteral("aclrSet_lblCarrierConfig"));
    m_butConfig->setObjectName(QStringLiteral("aclrSet_butConfig"));
    m_butCustom->setObjectName(QStringLiteral("aclrSet_butCustom"));
    m_butCarrierConfig->setObjectName(QStringLiteral("aclrSet_butCarrierConfig"));
    m_butConfig->setCheckable(true);
    m_butCustom->setCheckable(true);
    auto *group = new QButtonGroup(this);
    group->addButton(m_butConfig);
    group->addButton(m_butCustom);
    auto *channels = new QHBoxLayout;
    channels->addWidget(m_butConfig);
    channels->addWidget(m_butCustom);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *configRow = new QHBoxLayout;
    configRow->addWidget(m_lblConfig, 1);
    configRow->addWidget(m_butCarrierConfig);
    layout->addLayout(configRow);
    layout->addWidget(m_single);
    layout->addWidget(m_multi);
    layout->addLayout(channels);
    layout->addWidget(m_custom);
    for (ACLRSettingForm *page : {static_cast<ACLRSettingForm *>(m_single), static_cast<ACLRSettingForm *>(m_multi),
                                  static_cast<ACLRSettingForm *>(m_custom)})
        connect(page, &ACLRSettingForm::changed, this, &GuiConfigACLR::changed);
    connect(m_butConfig, &QPushButton::clicked, this, [this] {
        showPages();
        emit changed();
    });
    connect(m_butCustom, &QPushButton::clicked, this, [this] {
        showPages();
        emit changed();
    });
    connect(m_butCarrierConfig, &QPushButton::clicked, this, &GuiConfigACLR::carrierConfigRequested);
    setValues(ParamACLR());
}

void GuiConfigACLR::setValues(const ParamACLR &param)
{
    m_standard = param.standard();
    m_carrierConfig = param.item(QStringLiteral("CarrierConfig"));
    for (ACLRSettingForm *page : {static_cast<ACLRSettingForm *>(m_single), static_cast<ACLRSettingForm *>(m_multi),
                                  static_cast<ACLRSettingForm *>(m_custom)}) {
        page->setValues(param);
        page->setStandard(m_standard);
    }
    (param.item(QStringLiteral("Channels")) == ParamACLR::kCustomChannels ? m_butCustom : m_butConfig)->setChecked(true);
    showPages();
    retranslate();
}

QMap<QString, QString> GuiConfigACLR::values() const
{
    // The carrier page on show: the hidden one may hold older texts of the same keys.
    const ACLRSettingForm *carriers = m_carrierConfig == ParamACLR::kSingleCarrier
                                          ? static_cast<const ACLRSettingForm *>(m_single)
                                          : static_cast<const ACLRSettingForm *>(m_multi);
    QMap<QString, QString> values = carriers->values();
    const QMap<QString, QString> custom = m_custom->values();
    for (auto it = custom.constBegin(); it != custom.constEnd(); ++it)
        values.insert(it.key(), it.value());
    values.insert(QStringLiteral("Channels"), m_butCustom->isChecked() ? ParamACLR::kCustomChannels : ParamACLR::kPresetChannels);
    values.insert(QStringLiteral("CarrierConfig"), m_carrierConfig);
    return values;
}

void GuiConfigACLR::showPages()
{
    const bool isSingle = m_carrierConfig == ParamACLR::kSingleCarrier;
    m_single->setVisible(isSingle);
    m_multi->setVisible(!isSingle);
    // A custom measurement has no preset channels.
    const bool isCustomStandard = m_standard == ParamACLR::kCustom;
    m_butConfig->setEnabled(!isCustomStandard);
    m_custom->setVisible(isCustomStandard || m_butCustom->isChecked());
}

void GuiConfigACLR::retranslate()
{
    m_butConfig->setText(tr("Config"));
    m_butConfig->setToolTip(tr("Adjacent channels of the standard"));
    m_butCustom->setText(tr("Custom"));
    m_butCustom->setToolTip(tr("Adjacent channels given here"));
    m_butCarrierConfig->setText(tr("Carrier Config"));
    m_lblConfig->setText(tr("Carriers: %1").arg(QCoreApplication::translate("VerticalMenu", m_carrierConfig.toUtf8().constData())));
}

void GuiConfigACLR::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
