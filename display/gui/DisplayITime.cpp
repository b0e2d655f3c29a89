#include "DisplayITime.h"
#include "NiceAxis.h"

#include "AnnotationOverlay.h"
#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"

namespace {
constexpr double kDefaultLimit = 1.1;
}

DisplayITime::DisplayITime(ManagerSignal *hub, CalculateDate *calculate, int signalIndex, QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent)
{
    applyTitles();
    NiceAxis::setRange(axisY(), -kDefaultLimit, kDefaultLimit);
    attachWorker(new InterfaceGraphicData(calculate, CalculateDateSlot::KindI, signalIndex));
    new AnnotationOverlay(this);
    applyPointAxisRange(hub->sizeSelection(), false);
    updateAxes();
}

void DisplayITime::updateAxes() { applyTimeAxisMode(false); }

void DisplayITime::setValueOx(int size)
{
    DisplayGraphicSignal::setValueOx(size);
    applyPointAxisRange(size, false);
}

void DisplayITime::applyTitles()
{
    setTitles(tr("I Time"), tr("Time (ms)"), tr("I - channel (V)"));
}

void DisplayITime::retranslate()
{
    applyTitles();
    updateAxes();
}
