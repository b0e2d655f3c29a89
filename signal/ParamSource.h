#pragma once

#include "ParamSignal.h"

#include <QMap>

// The recording's own description, CLOCK and FREQUENCY, for a mode whose full
// parameter set has not been built yet: enough for its time, power and spectrum
// views to put the right numbers on their axes.
class ParamSource : public ParamSignal
{
public:
    explicit ParamSource(int mode);

    void reset() override;
    double sampleRate() const override;
    double secondRate() const override { return sampleRate(); }
    QString ownText(int form) const override;
    void readHeader(const TagScanner &header) override;
    void setItems(const QStringList &items) override;
    QStringList replaceUnusableValues() override;

    QString value(const QString &key) const { return m_values.value(key); }
    double frequency() const;

private:
    QMap<QString, QString> m_values;
};
