#pragma once

#include "ModePending.h"

// LTE downlink. Its analysis is built later; until then the mode shows the recording only.
class Mode4G : public ModePending
{
    Q_OBJECT
public:
    explicit Mode4G(QWidget *parent = nullptr);
};
