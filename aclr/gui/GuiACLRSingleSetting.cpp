#include "GuiACLRSingleSetting.h"

#include "ParamACLR.h"

GuiACLRSingleSetting::GuiACLRSingleSetting(QWidget *parent) : ACLRSettingForm(parent)
{
    setObjectName(QStringLiteral("aclrSingleSetting"));
}

void GuiACLRSingleSetting::buildFields()
{
    const QString s = suffix();
    if (standard() == ParamACLR::kLTE) {
        addChoice(QStringLiteral("BandwidthCC1_LTE"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Channel Bandwidth"),
                  ParamACLR::lteBandwidths());
    } else if (standard() == ParamACLR::kNR) {
        addChoice(QStringLiteral("BandwidthCC1_NR"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Channel Bandwidth"),
                  ParamACLR::nrBandwidths());
        addChoice(QStringLiteral("SCS_NR"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Subcarrier Spacing"), ParamACLR::nrSpacings());
    } else {
        addEntry(QStringLiteral("BandwidthCarrier"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Carrier Bandwidth"));
    }
    addEntry(QStringLiteral("OffsetCC1_") + s, QT_TRANSLATE_NOOP("ACLRSettingForm", "Carrier Offset"));
}
