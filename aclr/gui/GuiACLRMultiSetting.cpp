#include "GuiACLRMultiSetting.h"

#include "ParamACLR.h"

GuiACLRMultiSetting::GuiACLRMultiSetting(QWidget *parent) : ACLRSettingForm(parent)
{
    setObjectName(QStringLiteral("aclrMultiSetting"));
}

void GuiACLRMultiSetting::buildFields()
{
    const QString s = suffix();
    if (standard() != ParamACLR::kLTE && standard() != ParamACLR::kNR)
        addEntry(QStringLiteral("BandwidthCarrier"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Carrier Bandwidth"));
    for (int c = 1; c <= 2; ++c) {
        const QString carrier = QStringLiteral("CC%1").arg(c);
        addEntry(QStringLiteral("Offset%1_%2").arg(carrier, s), QT_TRANSLATE_NOOP("ACLRSettingForm", "CC%1 Offset"), c);
        if (standard() == ParamACLR::kLTE) {
            addChoice(QStringLiteral("Bandwidth%1_LTE").arg(carrier), QT_TRANSLATE_NOOP("ACLRSettingForm", "CC%1 Bandwidth"),
                      ParamACLR::lteBandwidths(), c);
        } else if (standard() == ParamACLR::kNR) {
            addChoice(QStringLiteral("Bandwidth%1_NR").arg(carrier), QT_TRANSLATE_NOOP("ACLRSettingForm", "CC%1 Bandwidth"),
                      ParamACLR::nrBandwidths(), c);
            addChoice(QStringLiteral("SCS_%1_NR").arg(carrier), QT_TRANSLATE_NOOP("ACLRSettingForm", "CC%1 Spacing"),
                      ParamACLR::nrSpacings(), c);
        }
    }
}
