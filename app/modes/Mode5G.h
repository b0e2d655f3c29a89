#pragma once

#include "ModePending.h"

// 5G NR downlink, uplink and PRACH. Its analysis is built later; until then the mode shows the recording only.
class Mode5G : public ModePending
{
    Q_OBJECT
public:
    explicit Mode5G(QWidget *parent = nullptr);
};
