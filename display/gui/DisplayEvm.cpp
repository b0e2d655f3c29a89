#include "DisplayEvm.h"

#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"
#include "NiceAxis.h"

DisplayEvm::DisplayEvm(ManagerSignal *hub, CalculateDate *calculate, int signalIndex, QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent)
{
    applyTitles();
    NiceAxis::setRange(axisY(), 0.0, kDefaultMaxPercent);
    NiceAxis::setRange(axisX(), 0.0, kDefaultLength - 1);
    attachWorker(new InterfaceGraphicData(calculate, CalculateDateSlot::KindErrorVector, signalIndex));
    if (hub->sizeSelection() > 0)
        setValueOx(hub->sizeSelection());
}

void DisplayEvm::applyTitles()
{
    setTitles(tr("Error Vector Time"), tr("Symbols"), tr("Evm (%)"));
}

void DisplayEvm::retranslate() { applyTitles(); }

void DisplayEvm::setValueOx(int size)
{
    DisplayGraphicSignal::setValueOx(size);
    NiceAxis::setRange(axisX(), 0.0, std::max(1, size - 1));
}
