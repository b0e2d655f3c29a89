#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class TagScanner;

// Base of every mode's parameter set: how a recording was taken and is to be
// analysed, readable from and writable to the bracketed text of {KEY:value} items.
class ParamSignal
{
public:
    enum Mode { ModeNone = 0, ModeDM = 1, ModeVA = 2, Mode5G = 3, Mode4G = 4, ModeACLR = 5 };
    // Form selectors of the text: 1 is the short form of file headers, 2 the
    // profile form that carries no mode tag; any other value is the long form.
    enum TextForm { FormLong = 0, FormShort = 1, FormProfile = 2 };

    explicit ParamSignal(int mode);
    virtual ~ParamSignal();

    virtual void reset();
    virtual double sampleRate() const;
    virtual double secondRate() const;
    virtual QString ownText(int form) const;
    virtual void readHeader(const TagScanner &header);
    virtual void setItems(const QStringList &items);
    // Puts the default back in place of a rate that is not a positive number of
    // hertz, or a frequency that is not a number (a damaged header), and says what
    // it replaced, one sentence each.
    virtual QStringList replaceUnusableValues() { return {}; }

    // The 5G set bounds the selection size by its frame configuration; every
    // other set leaves the size to the user.
    virtual bool ownsSelectionSize() const { return false; }
    virtual int clampSelectionSize(int size) const { return size; }
    // The modulation the set analyses ("QAM16"); empty where a mode has none.
    virtual QString modulationName() const { return QString(); }
    // The error vector magnitude of each symbol of the last analysis, in %; only an
    // analysis that demodulates symbols fills it. Safe to call from any thread.
    virtual QVector<double> symbolErrors() const { return {}; }

    double scalingFactor() const { return m_scalingFactor; }
    void setScalingFactor(double factor) { m_scalingFactor = factor; }
    int mode() const { return m_mode; }

    // ownText(form) with the mode tag in front, except for an empty text or form 2.
    QString text(int form = FormLong) const;
    // Takes {KEY:value} items; with isTestMode a text naming another mode is
    // refused (false) and nothing changes.
    bool parseText(const QString &text, bool isTestMode);
    // Reset for raw formats (.bin, .txt, .dat), otherwise read the header tags.
    bool prepareFromFile(const QString &fileName, const TagScanner &header);

    static int modeFromText(const QString &text);
    static QString modeName(int mode, bool isLetterFirst = false);
    static QString modeTag(int mode);
    // Header values lose the π of some modulation names; this puts it back.
    static QString repairModulationName(const QString &value);
    // Splits "KEY:value" at its first colon, so values may hold colons.
    static QPair<QString, QString> splitItem(const QString &item);

protected:
    enum ValueKind { RateValue, FrequencyValue };
    // Empty when value is usable; otherwise value becomes fallback and the answer
    // names what was replaced.
    static QString replaceUnusable(QString &value, const QString &fallback, const QString &name, ValueKind kind);

private:
    double m_scalingFactor = 1.0;
    const int m_mode;

    Q_DISABLE_COPY(ParamSignal)
};
