#include "ModeACLR.h"

ModeACLR::ModeACLR(QWidget *parent)
    : ModePending(ParamSignal::ModeACLR, QT_TRANSLATE_NOOP("ModePending", "ACLR"), QStringLiteral("{GRID:Distribution(1,1) Spectrum(1,1) Result(1,1)}"), parent)
{
}
