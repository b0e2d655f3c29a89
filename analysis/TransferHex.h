#pragma once

#include "TransferNumber.h"

// Base 16, lower-case digits: two digits at least from 6 bits per symbol on
// (a 64-point scheme), three from 9 bits on.
class TransferHex : public TransferNumber
{
public:
    static constexpr int kTwoDigitBits = 6;
    static constexpr int kThreeDigitBits = 9;

    QString toText(const SymbolFormat &format, int value) const override;
    int base() const override { return 2; }
};
