#pragma once

#include "Signal.h"

#include <QCoreApplication>
#include <QString>

// The sample rule of .txt recordings, one line at a time: a decimal comma reads as
// a point, the line splits at runs of blanks (a leading or trailing blank makes an
// empty field), and exactly two numbers give one sample, I then Q. A field that
// reads as zero counts only when written exactly "0"; "0.0" or "-0" skip the line.
// Skipped lines are counted by reason, so the reader can say what it left out.
class TextSampleLines
{
    Q_DECLARE_TR_FUNCTIONS(TextSampleLines)

public:
    void take(QString line);

    const IQVector &samples() const { return m_samples; }
    int count() const { return m_lines; }
    int skipped() const { return m_notTwoFields + m_notNumbers + m_spelledZeros; }
    // "12 with a zero not written as 0, 3 not two fields", largest first.
    QString skipReasons() const;

private:
    enum Field { Number, NotNumber, SpelledZero };
    static Field read(const QString &text, double &value);

    IQVector m_samples;
    int m_lines = 0;
    int m_notTwoFields = 0;
    int m_notNumbers = 0;
    int m_spelledZeros = 0;
};
