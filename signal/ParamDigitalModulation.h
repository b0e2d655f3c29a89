#pragma once

#include "ParamSignal.h"

#include <QMap>
#include <QMutex>
#include <QVector>

// Parameters of the digital-modulation mode. The first group holds how the recording
// was taken and how it is demodulated ("CLOCK", "FREQUENCY", "SYMBOLRATE", "FILTER",
// "FPARAMETER", "MODULATION", "CODING", "Accuracy"); the second holds display options
// ("ShowAllErrors"). Values are kept as the texts the user or the file gave.
// The analysis engine also leaves the per-symbol EVM of the last analysis here.
class ParamDigitalModulation : public ParamSignal
{
public:
    using Group = QMap<QString, QString>;  // sorted keys give the order of the text

    static const QString kDefaultModulation;  // "QPSK"
    static const QString kRootNyquist;         // "Root Nyquist"
    static const QString kNoFilter;            // "None"

    ParamDigitalModulation();

    void reset() override;
    // "CLOCK" in Hz.
    double sampleRate() const override;
    // "SYMBOLRATE" in Hz.
    double secondRate() const override { return symbolRate(); }
    QString ownText(int form) const override;
    void readHeader(const TagScanner &header) override;
    void setItems(const QStringList &items) override;
    QStringList replaceUnusableValues() override;
    // The modulation-domain views read the scheme analysed and its per-symbol EVM.
    QString modulationName() const override { return modulation(); }
    QVector<double> symbolErrors() const override { return evmVector(); }

    double symbolRate() const;
    double frequency() const;
    QString modulation() const { return value(QStringLiteral("MODULATION")); }
    void setModulation(const QString &name) { setValue(QStringLiteral("MODULATION"), name); }
    QString filter() const { return value(QStringLiteral("FILTER")); }
    // "FPARAMETER" as a number; 0 when absent or not a number.
    double filterParameter() const;

    QString value(const QString &key) const { return m_groups.first().value(key); }
    void setValue(const QString &key, const QString &value) { m_groups.first()[key] = value; }
    QString option(const QString &key) const { return m_groups.last().value(key); }
    void setOption(const QString &key, const QString &value) { m_groups.last()[key] = value; }
    Group group(int index) const { return m_groups.value(index); }

    // A stored description (a file header, a profile, a parameter text that names its
    // modulation) ends here: the filter becomes "Root Nyquist" or "None", and a symbol
    // rate not below the sample rate becomes a quarter of the sample rate.
    void normalise();
    void normaliseFilter();
    void normaliseSymbolRate();

    // EVM of each symbol of the last analysis (%); written by the engine's thread.
    QVector<double> evmVector() const;
    void setEvmVector(const QVector<double> &evm);

private:
    static QString groupText(const Group &group);

    QList<Group> m_groups;  // the demodulation group, then the options group
    mutable QMutex m_evmMutex;  // guards m_evm
    QVector<double> m_evm;
};
