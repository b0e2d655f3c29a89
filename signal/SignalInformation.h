#pragma once

#include "Signal.h"
#include "SignalAnnotation.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>

class TagScanner;

// What a file header says about a recording, and the RMS and scaling-factor items
// that a written header carries.
class SignalInformation
{
public:
    // The tags kept for the file information panel.
    static const QStringList &infoKeys();

    // Reads the info keys from a header; a key the header lacks becomes empty.
    void readTags(const TagScanner &header);
    void clear()
    {
        m_tags.clear();
        m_annotations.clear();
    }
    QString tag(const QString &key) const { return m_tags.value(key); }
    void setTag(const QString &key, const QString &value) { m_tags.insert(key, value); }
    // Marked stretches of the recording (SigMF annotations), in sample indexes of its layers.
    const SignalAnnotations &annotations() const { return m_annotations; }
    void setAnnotations(const SignalAnnotations &annotations) { m_annotations = annotations; }
    QMap<QString, QString> tags() const { return m_tags; }

    // Every {KEY:value} item of a native header, in file order, up to the sample block.
    static QVector<QPair<QString, QString>> headerItems(const TagScanner &header);

    // "{RMS:<level> dBFS}{SCALING FACTOR:<factor>}" for the recording being written.
    static QString headerText(const Signal &first, double scalingFactor);

    // Largest absolute value among all I and Q values; 0 for no samples.
    static double peak(const IQVector &samples);
    // Mean power relative to a full-scale complex tone (|s| = 1), in dB; -200 for no power.
    static double rmsDbfs(const IQVector &samples);

private:
    QMap<QString, QString> m_tags;
    SignalAnnotations m_annotations;
};
