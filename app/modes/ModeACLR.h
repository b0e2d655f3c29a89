#pragma once

#include "ModePending.h"

// Adjacent-channel leakage ratio. Its analysis is built later; until then the mode shows the recording only.
class ModeACLR : public ModePending
{
    Q_OBJECT
public:
    explicit ModeACLR(QWidget *parent = nullptr);
};
