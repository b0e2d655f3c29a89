#pragma once

#include "ACLRSettingForm.h"

// The two carriers of a multi-carrier or multiple-band measurement: each one's
// offset and channel bandwidth (NR: and subcarrier spacing); custom carriers share
// one measurement bandwidth.
class GuiACLRMultiSetting : public ACLRSettingForm
{
    Q_OBJECT
public:
    explicit GuiACLRMultiSetting(QWidget *parent = nullptr);

protected:
    void buildFields() override;
};
