#pragma once

// How symbol values are written: the bits per symbol of the current modulation,
// which set the padding of binary and hexadecimal texts.
struct SymbolFormat
{
    int bitsPerSymbol = 1;
};
