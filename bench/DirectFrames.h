#pragma once

#include "CalculateDate.h"
#include "DisplayGraphicSignal.h"
#include "DisplayITime.h"
#include "DisplayPowerDiagram.h"
#include "DisplayQTime.h"
#include "DisplayFrequency.h"
#include "Graphic.h"
#include "ManagerSignal.h"

#include <memory>
#include <vector>

// One frame's work without the play machinery, the floor of the play benches: the
// I, Q, spectrum and power series of a window of the hub's ready signal computed
// and handed to four views of the given size, each repainted once.
class DirectFrames
{
public:
    DirectFrames(ManagerSignal &hub, QSize viewSize, int window) : m_hub(hub), m_calculate(&hub), m_window(window)
    {
        m_calculate.setCarrierFreq(0.0);
        m_views.push_back({std::make_unique<DisplayITime>(&hub, &m_calculate), CalculateDateSlot::KindI});
        m_views.push_back({std::make_unique<DisplayQTime>(&hub, &m_calculate), CalculateDateSlot::KindQ});
        m_views.push_back({std::make_unique<DisplayFrequency>(&hub, &m_calculate), CalculateDateSlot::KindSpectrum});
        m_views.push_back({std::make_unique<DisplayPowerDiagram>(&hub, &m_calculate), CalculateDateSlot::KindPower});
        for (View &view : m_views) {
            view.display->graphic()->resize(viewSize);
            view.display->graphic()->show();
        }
        hub.slotChangeSizeSelection(window, false);
    }

    // Shows the window of the ready signal that begins at start.
    void show(int start)
    {
        m_hub.slotSelectPartSignal(start, m_window);
        m_calculate.clearData();
        for (View &view : m_views) {
            const int width = int(view.display->graphic()->plotRect().width());
            view.display->slotSetData(m_calculate.requestPlotSeries(1, view.kind, width, 1));
            view.display->graphic()->viewport()->repaint();
        }
    }

private:
    struct View
    {
        std::unique_ptr<DisplayGraphicSignal> display;
        unsigned kind;
    };
    ManagerSignal &m_hub;
    CalculateDate m_calculate;
    std::vector<View> m_views;
    int m_window;
};
