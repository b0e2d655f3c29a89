#pragma once

#include "DisplayGraphicSignal.h"

// Q against time of one signal's selection (data kind 1).
class DisplayQTime : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    DisplayQTime(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

public slots:
    void updateAxes() override;
    void retranslate() override;
    void setValueOx(int size) override;

private:
    void applyTitles();
};
