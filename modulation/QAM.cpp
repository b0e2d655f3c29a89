#include "QAM.h"

#include "QamTables.h"

QAM::QAM(int id) : Modulation(id)
{
    setTable(builtInQamTable(id));
}
