#pragma once

#include "Modulation.h"

// Quadrature amplitude modulation by point table. Built with the scheme's built-in
// table (QamTables); QAM User's table is replaced through setTable().
class QAM : public Modulation
{
public:
    explicit QAM(int id);
};
