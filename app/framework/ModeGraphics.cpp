#include "ModeGraphics.h"

#include "DisplayConstellationDiagramm.h"
#include "DisplayEvm.h"
#include "DisplayFileInfo.h"
#include "DisplayVectorDiagramm.h"
#include "DisplayITime.h"
#include "DisplayPowerDiagram.h"
#include "DisplayQTime.h"
#include "DisplayWaterfall.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "GraphicSignal.h"
#include "ManagerSignal.h"
#include "SelectionSignal.h"
#include "autoLimitOY.h"

#include <QVBoxLayout>

namespace {
constexpr int kFirstLayer = 1;
constexpr int kSunsetFrames = 10;  // a trace is gone after this many frames
}

ModeGraphics::ModeGraphics(ManagerSignal *hub, CalculateDate *calculate, SelectionSignal *selection)
    : m_hub(hub), m_calculate(calculate), m_selection(selection)
{
}

QVector<GraphicCatalogue::Kind> ModeGraphics::kinds() const
{
    QVector<GraphicCatalogue::Kind> list{GraphicCatalogue::KindITime,         GraphicCatalogue::KindQTime,
                                         GraphicCatalogue::KindVectorDiagram, GraphicCatalogue::KindSpectrum,
                                         GraphicCatalogue::KindConstellation, GraphicCatalogue::KindPower,
                                         GraphicCatalogue::KindFileInformation};
    // Only a demodulating analysis gives an error per symbol.
    if (m_hub->param()->mode() == ParamSignal::ModeDM)
        list.append(GraphicCatalogue::KindErrorVectorTime);
    for (int kind : m_viewCreators.keys() + m_widgetCreators.keys()) {
        if (!list.contains(GraphicCatalogue::Kind(kind)))
            list.append(GraphicCatalogue::Kind(kind));
    }
    return list;
}

void ModeGraphics::setViewCreator(GraphicCatalogue::Kind kind, ViewCreator creator)
{
    m_viewCreators.insert(kind, std::move(creator));
}

void ModeGraphics::setWidgetCreator(GraphicCatalogue::Kind kind, WidgetCreator creator)
{
    m_widgetCreators.insert(kind, std::move(creator));
}

QWidget *ModeGraphics::create(GraphicCatalogue::Kind kind, GraphicSignal *host)
{
    if (!kinds().contains(kind))
        return nullptr;
    auto *container = new QWidget(host);
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    if (kind == GraphicCatalogue::KindFileInformation) {
        layout->addWidget(new DisplayFileInfo(m_hub, container));
        return container;
    }
    if (m_widgetCreators.contains(kind)) {
        layout->addWidget(m_widgetCreators.value(kind)(host, container));
        return container;
    }
    DisplayGraphicSignal *view = createView(kind, host, container);
    view->setParent(container);  // the view goes with its frame's content
    layout->addWidget(view->graphic());
    QObject::connect(view, &DisplayGraphicSignal::dataShown, m_selection, &SelectionSignal::slotReport);
    connectSettings(host, view);
    followLayers(host, view);
    if (host->effect() == GraphicCatalogue::EffectSunset)
        view->setSunset(kSunsetFrames);
    view->slotRepaint();
    return container;
}

DisplayGraphicSignal *ModeGraphics::createView(GraphicCatalogue::Kind kind, GraphicSignal *host,
                                               QWidget *container) const
{
    if (m_viewCreators.contains(kind))
        return m_viewCreators.value(kind)(host, container);
    switch (kind) {
    case GraphicCatalogue::KindITime: return new DisplayITime(m_hub, m_calculate, kFirstLayer, container);
    case GraphicCatalogue::KindQTime: return new DisplayQTime(m_hub, m_calculate, kFirstLayer, container);
    case GraphicCatalogue::KindPower: return new DisplayPowerDiagram(m_hub, m_calculate, kFirstLayer, container);
    case GraphicCatalogue::KindVectorDiagram: return new DisplayVectorDiagramm(m_hub, m_calculate, kFirstLayer, container);
    case GraphicCatalogue::KindConstellation:
        return new DisplayConstellationDiagramm(m_hub, m_calculate, kFirstLayer, container);
    case GraphicCatalogue::KindErrorVectorTime: return new DisplayEvm(m_hub, m_calculate, kFirstLayer, container);
    default: break;
    }
    if (host->effect() == GraphicCatalogue::EffectSpectrogram)
        return new DisplayWaterfall(m_hub, m_calculate, kFirstLayer, container);
    auto *spectrum = new DisplayFrequency(m_hub, m_calculate, kFirstLayer, container);
    QObject::connect(host, &GraphicSignal::signalSendAverSpectrum, spectrum, &DisplayFrequency::slotSetAverageSpectrum);
    QObject::connect(spectrum, &DisplayFrequency::sendMaxAverage, host, &GraphicSignal::signalMaxAverage);
    spectrum->slotFormAVG();
    return spectrum;
}

void ModeGraphics::connectSettings(GraphicSignal *host, DisplayGraphicSignal *view)
{
    QObject::connect(host, &GraphicSignal::signalSendMin, view, &DisplayGraphicSignal::setMinOy);
    QObject::connect(host, &GraphicSignal::signalSendMax, view, &DisplayGraphicSignal::setMaxOy);
    QObject::connect(host, &GraphicSignal::signalSetColor, view, &DisplayGraphicSignal::setTraceColour);
    QObject::connect(host, &GraphicSignal::signalSendAutoMin, view, [view](bool isAuto) {
        view->autoLimit()->setAutoMin(isAuto);
        view->slotRepaint();
    });
    QObject::connect(host, &GraphicSignal::signalSendAutoMax, view, [view](bool isAuto) {
        view->autoLimit()->setAutoMax(isAuto);
        view->slotRepaint();
    });
    auto showLimits = [host, view] { emit host->limitsShown(view->lowerLimit(), view->upperLimit()); };
    QObject::connect(view, &DisplayGraphicSignal::sendMinOy, host, showLimits);
    QObject::connect(view, &DisplayGraphicSignal::sendMaxOy, host, showLimits);
    showLimits();
}

void ModeGraphics::followLayers(GraphicSignal *host, DisplayGraphicSignal *view) const
{
    const auto apply = [this, host, view] { applyLayers(host, view); };
    QObject::connect(host, &GraphicSignal::signalSetLayer, view, apply);
    QObject::connect(m_hub, &ManagerSignal::sendNewLayer, view, apply);
    QObject::connect(m_hub, &ManagerSignal::sendNewSourceSignal, view, [this, host, view] {
        emit host->signalLayerCount(m_hub->countSourceSignals());
        applyLayers(host, view);
    });
    emit host->signalLayerCount(std::max(1, m_hub->countSourceSignals()));
    applyLayers(host, view);
}

void ModeGraphics::applyLayers(GraphicSignal *host, DisplayGraphicSignal *view) const
{
    // The frame's own layer when it is analysed, else the first one analysed; the
    // other analysed layers are drawn over it where the view draws traces.
    const QVector<int> analysed = m_hub->currentSignals();
    const int shown = analysed.isEmpty() || analysed.contains(host->layer()) ? host->layer() : analysed.first();
    QVector<int> others = analysed;
    others.removeAll(shown);
    if (view->layer() != shown)
        view->showLayer(shown);
    // Layers are drawn over each other as traces; a spectrogram or an I/Q diagram
    // shows its own layer alone.
    if (!qobject_cast<DisplayWaterfall *>(view) && !qobject_cast<DisplayVectorDiagramm *>(view))
        view->setOverlayLayers(others);
}
