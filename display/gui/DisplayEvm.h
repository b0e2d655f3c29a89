#pragma once

#include "DisplayGraphicSignal.h"

// "Error Vector Time": the error vector magnitude of each analysed symbol, in %,
// against its place in the selection (data kind 14); x follows the selection length.
class DisplayEvm : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    static constexpr double kDefaultMaxPercent = 100.0;
    static constexpr int kDefaultLength = 2000;

    DisplayEvm(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

public slots:
    void setValueOx(int size) override;
    void retranslate() override;

private:
    void applyTitles();
};
