#pragma once

#include "DisplayGraphicSignal.h"

// I against time of one signal's selection (data kind 0).
class DisplayITime : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    DisplayITime(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

public slots:
    void updateAxes() override;
    void retranslate() override;
    void setValueOx(int size) override;

private:
    void applyTitles();
};
