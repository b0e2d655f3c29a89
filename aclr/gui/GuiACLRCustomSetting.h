#pragma once

#include "ACLRSettingForm.h"

// Adjacent channels given by hand: the offsets and bandwidths of the adjacent and
// the alternate channel, measured on both sides of the carriers.
class GuiACLRCustomSetting : public ACLRSettingForm
{
    Q_OBJECT
public:
    explicit GuiACLRCustomSetting(QWidget *parent = nullptr);

protected:
    void buildFields() override;
};
