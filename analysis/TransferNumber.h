#pragma once

#include "SymbolFormat.h"

#include <QChar>
#include <QString>
#include <QVector>
#include <memory>

// Writes a symbol value as text: decimal here, hexadecimal and binary in the
// subclasses. base() tells the variants apart (0 decimal, 2 hexadecimal, 1 binary).
class TransferNumber
{
public:
    virtual ~TransferNumber() = default;

    virtual QString toText(const SymbolFormat &format, int value) const;
    virtual int base() const { return 0; }

    // The variant of a frame's number format: "Hexadecimal", "Binary", or decimal
    // for anything else.
    static std::unique_ptr<TransferNumber> create(const QString &formatName);
    // Every symbol's text followed by `separator`, the last separator dropped. The
    // symbols are cut into consecutive blocks that the OpenMP threads write in
    // parallel; the pieces are joined in symbol order.
    static QString joined(const QVector<int> &symbols, const TransferNumber &transfer, const SymbolFormat &format,
                          QChar separator);
};
