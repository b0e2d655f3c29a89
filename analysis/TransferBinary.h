#pragma once

#include "TransferNumber.h"

// Base 2, as many digits as the modulation has bits per symbol.
class TransferBinary : public TransferNumber
{
public:
    QString toText(const SymbolFormat &format, int value) const override;
    int base() const override { return 1; }
};
