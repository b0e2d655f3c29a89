#pragma once

#include "DisplayGraphicSignal.h"

// Instantaneous power against time of one signal's selection (data kind 7).
class DisplayPowerDiagram : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    DisplayPowerDiagram(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

public slots:
    void updateAxes() override;
    void retranslate() override;
    void setValueOx(int size) override;

private:
    void applyTitles();
};
