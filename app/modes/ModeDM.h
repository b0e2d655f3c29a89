#pragma once

#include "ModePending.h"

// Custom digital modulation. Its analysis is built later; until then the mode shows the recording only.
class ModeDM : public ModePending
{
    Q_OBJECT
public:
    explicit ModeDM(QWidget *parent = nullptr);
};
