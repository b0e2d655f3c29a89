#include "Signal.h"

void registerSignalMetaTypes()
{
    qRegisterMetaType<Signal>("Signal");
    qRegisterMetaType<Signal *>("Signal*");
    qRegisterMetaType<QVector<Signal *>>("QVector<Signal*>");
    qRegisterMetaType<QVector<Signal>>("QVector<Signal>");
}

