#include "GuiACLRCustomSetting.h"

GuiACLRCustomSetting::GuiACLRCustomSetting(QWidget *parent) : ACLRSettingForm(parent)
{
    setObjectName(QStringLiteral("aclrCustomSetting"));
}

void GuiACLRCustomSetting::buildFields()
{
    addEntry(QStringLiteral("OffsetCh1"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Adjacent Offset"));
    addEntry(QStringLiteral("BandwidthCh1"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Adjacent Bandwidth"));
    addEntry(QStringLiteral("OffsetCh2"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Alternate Offset"));
    addEntry(QStringLiteral("BandwidthCh2"), QT_TRANSLATE_NOOP("ACLRSettingForm", "Alternate Bandwidth"));
}
