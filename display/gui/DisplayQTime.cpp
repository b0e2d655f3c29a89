#include "DisplayQTime.h"
#include "NiceAxis.h"

#include "AnnotationOverlay.h"
#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"

namespace {
constexpr double kDefaultLimit = 1.1;
}

DisplayQTime::DisplayQTime(ManagerSignal *hub, CalculateDate *calculate, int signalIndex, QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent)
{
    applyTitles();
    NiceAxis::setRange(axisY(), -kDefaultLimit, kDefaultLimit);
    attachWorker(new InterfaceGraphicData(calculate, CalculateDateSlot::KindQ, signalIndex));
    new AnnotationOverlay(this);
    applyPointAxisRange(hub->sizeSelection(), false);
    updateAxes();
}

void DisplayQTime::updateAxes() { applyTimeAxisMode(false); }

void DisplayQTime::setValueOx(int size)
{
    DisplayGraphicSignal::setValueOx(size);
    applyPointAxisRange(size, false);
}

void DisplayQTime::applyTitles()
{
    setTitles(tr("Q Time"), tr("Time (ms)"), tr("Q - channel (V)"));
}

void DisplayQTime::retranslate()
{
    applyTitles();
    updateAxes();
}
