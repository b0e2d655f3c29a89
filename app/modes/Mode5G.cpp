#include "Mode5G.h"

Mode5G::Mode5G(QWidget *parent)
    : ModePending(ParamSignal::Mode5G, QT_TRANSLATE_NOOP("ModePending", "5G NR"), QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}"), parent)
{
}
