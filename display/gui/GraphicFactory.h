#pragma once

#include "GraphicCatalogue.h"

#include <QVector>

class GraphicSignal;
class QWidget;

// What a mode can show in its frames, and how it builds it: each mode supplies one,
// and every frame of its grid asks it for its graphic.
class GraphicFactory
{
public:
    virtual ~GraphicFactory() = default;

    // Builds the graphic of `kind` as a child of host, wired to host's settings
    // signals; nullptr when this mode cannot show it.
    virtual QWidget *create(GraphicCatalogue::Kind kind, GraphicSignal *host) = 0;
    // The kinds create() builds, offered in the frames' menus.
    virtual QVector<GraphicCatalogue::Kind> kinds() const = 0;
};
