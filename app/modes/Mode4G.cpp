#include "Mode4G.h"

Mode4G::Mode4G(QWidget *parent)
    : ModePending(ParamSignal::Mode4G, QT_TRANSLATE_NOOP("ModePending", "LTE"), QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Power(1,1)}"), parent)
{
}
