#include "DisplayPowerDiagram.h"
#include "NiceAxis.h"

#include "AnnotationOverlay.h"
#include "CalculateDate.h"
#include "Graphic.h"
#include "ManagerSignal.h"

namespace {
constexpr double kDefaultMinDb = -176.0;
constexpr double kDefaultMaxDb = 20.0;
}

DisplayPowerDiagram::DisplayPowerDiagram(ManagerSignal *hub, CalculateDate *calculate, int signalIndex,
                                         QWidget *parent)
    : DisplayGraphicSignal(hub, calculate, parent)
{
    applyTitles();
    NiceAxis::setRange(axisY(), kDefaultMinDb, kDefaultMaxDb);
    attachWorker(new InterfaceGraphicData(calculate, CalculateDateSlot::KindPower, signalIndex));
    new AnnotationOverlay(this);
    applyPointAxisRange(hub->sizeSelection(), true);
    updateAxes();
}

void DisplayPowerDiagram::updateAxes() { applyTimeAxisMode(true); }

void DisplayPowerDiagram::setValueOx(int size)
{
    DisplayGraphicSignal::setValueOx(size);
    applyPointAxisRange(size, true);
}

void DisplayPowerDiagram::applyTitles()
{
    const bool isVA = hub()->param()->mode() == ParamSignal::ModeVA;
    setTitles(tr("Power"), isVA ? tr("Points") : tr("Symbols"), tr("Power (dBm)"));
}

void DisplayPowerDiagram::retranslate()
{
    applyTitles();
    updateAxes();
}
