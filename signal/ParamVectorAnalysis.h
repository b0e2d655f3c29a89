#pragma once

#include "ParamSignal.h"

#include <QList>
#include <QMap>

// Parameters of the vector-analysis mode: a source group (how the recording was
// taken) and an analysis group (how it is resampled and shifted). Values are kept
// as the texts the user or the file gave, a number, a blank and a unit.
class ParamVectorAnalysis : public ParamSignal
{
public:
    using Group = QMap<QString, QString>;  // sorted keys give the order of the text

    ParamVectorAnalysis();

    void reset() override;
    // The analysis SampleRate in Hz.
    double sampleRate() const override;
    double secondRate() const override { return sampleRate(); }
    QString ownText(int form) const override;
    void readHeader(const TagScanner &header) override;
    void setItems(const QStringList &items) override;
    QStringList replaceUnusableValues() override;

    Group source() const { return m_source.last(); }
    Group analysis() const { return m_analysis.last(); }
    void setSource(const Group &group) { m_source.last() = group; }
    void setAnalysis(const Group &group) { m_analysis.last() = group; }
    QString sourceValue(const QString &key) const { return m_source.last().value(key); }
    QString analysisValue(const QString &key) const { return m_analysis.last().value(key); }
    void setSourceValue(const QString &key, const QString &value) { m_source.last()[key] = value; }
    void setAnalysisValue(const QString &key, const QString &value) { m_analysis.last()[key] = value; }

    // The analysis starts from the recording's own rate and carrier: SampleRate :=
    // CLOCK and Freq := FREQUENCY, as after loading a file.
    void takeSourceRates();
    // The recording's own rate and carrier (source CLOCK and FREQUENCY) in Hz.
    double sourceSampleRate() const;
    double sourceFrequency() const;

private:
    static QString groupText(const Group &group);
    static void setGroupItems(Group &group, const QStringList &items);
    static void readGroupHeader(Group &group, const TagScanner &header);

    // Each group is a list of maps; every read and write addresses the last one.
    QList<Group> m_source;
    QList<Group> m_analysis;
};
