#pragma once

#include "GraphicFactory.h"

#include <QMap>
#include <functional>

class CalculateDate;
class DisplayGraphicSignal;
class ManagerSignal;
class ParserSignal;
class SelectionSignal;

// The graphics a mode shows in its frames: each view reads the mode's hub and
// display calculator, reports every drawn window to the mode's selection bar (so
// that play waits for it) and follows its frame's settings.
class ModeGraphics : public GraphicFactory
{
public:
    // None owned; all outlive the frames built here.
    ModeGraphics(ManagerSignal *hub, CalculateDate *calculate, SelectionSignal *selection);

    // The mode's engine: views of analysis results (statistics, symbols, EVM) connect
    // to its result signals when they are built here. Not owned.
    void setEngine(ParserSignal *engine) { m_engine = engine; }
    ParserSignal *engine() const { return m_engine; }

    QWidget *create(GraphicCatalogue::Kind kind, GraphicSignal *host) override;
    QVector<GraphicCatalogue::Kind> kinds() const override;

    // A mode's own view of a kind, wired like the common views (play waits for it,
    // it follows its frame's settings and layers), in place of the common one.
    using ViewCreator = std::function<DisplayGraphicSignal *(GraphicSignal *host, QWidget *container)>;
    void setViewCreator(GraphicCatalogue::Kind kind, ViewCreator creator);
    // A mode's own widget (a table) for a kind, shown as it is; it may follow its
    // frame's settings (averaging, number format) through host.
    using WidgetCreator = std::function<QWidget *(GraphicSignal *host, QWidget *container)>;
    void setWidgetCreator(GraphicCatalogue::Kind kind, WidgetCreator creator);

private:
    DisplayGraphicSignal *createView(GraphicCatalogue::Kind kind, GraphicSignal *host, QWidget *container) const;
    // Passes a frame's settings (colour, limits, automatic limits, averaging) to its view.
    static void connectSettings(GraphicSignal *host, DisplayGraphicSignal *view);
    // The view shows the layers analysed now (the run bar's choice) and the frame's own choice among them.
    void followLayers(GraphicSignal *host, DisplayGraphicSignal *view) const;
    void applyLayers(GraphicSignal *host, DisplayGraphicSignal *view) const;

    ManagerSignal *const m_hub;
    CalculateDate *const m_calculate;
    SelectionSignal *const m_selection;
    QMap<int, ViewCreator> m_viewCreators;
    QMap<int, WidgetCreator> m_widgetCreators;
    ParserSignal *m_engine = nullptr;
};
