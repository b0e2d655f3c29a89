#include "ModeDM.h"

ModeDM::ModeDM(QWidget *parent)
    : ModePending(ParamSignal::ModeDM, QT_TRANSLATE_NOOP("ModePending", "digital modulation"), QStringLiteral("{GRID:Distribution(2,2) Spectrum(1,1) Error_Summary_Data(1,1) Vector_Diagram(1,1) Symbol_Data(1,1)}"), parent)
{
}
