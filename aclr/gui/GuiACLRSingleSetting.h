#pragma once

#include "ACLRSettingForm.h"

// The carrier of a single-carrier measurement: its channel bandwidth (LTE, NR with
// its subcarrier spacing) or measurement bandwidth (custom), and its offset.
class GuiACLRSingleSetting : public ACLRSettingForm
{
    Q_OBJECT
public:
    explicit GuiACLRSingleSetting(QWidget *parent = nullptr);

protected:
    void buildFields() override;
};
