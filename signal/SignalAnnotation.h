#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// A marked stretch of a recording, as SigMF annotations carry them: samples
// start .. start + count - 1 (indexes of the recording as loaded), optionally
// bounded in frequency (Hz, on the same scale as the recording's centre
// frequency), with a short label and a longer comment.
struct SignalAnnotation
{
    qint64 start = 0;
    qint64 count = 0;
    bool hasFrequencies = false;
    double lowerEdge = 0.0;
    double upperEdge = 0.0;
    QString label;
    QString comment;

    qint64 end() const { return start + count; }  // behind the last sample
    // The label, else the comment's first line, for a box's caption.
    QString caption() const { return label.isEmpty() ? comment.section(QLatin1Char('\n'), 0, 0) : label; }

    friend bool operator==(const SignalAnnotation &a, const SignalAnnotation &b)
    {
        return a.start == b.start && a.count == b.count && a.hasFrequencies == b.hasFrequencies
               && a.lowerEdge == b.lowerEdge && a.upperEdge == b.upperEdge && a.label == b.label
               && a.comment == b.comment;
    }
};

using SignalAnnotations = QVector<SignalAnnotation>;

Q_DECLARE_METATYPE(SignalAnnotation)
