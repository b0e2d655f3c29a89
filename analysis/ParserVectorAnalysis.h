#pragma once

#include "ParserSignal.h"

#include <QMutex>
#include <QVector>
#include <atomic>

// The vector-analysis engine: walks the recording frame by frame and hands each
// frame on frequency-shifted, scaled and, when asked, decimated. A whole-signal
// correction, once made, replaces the correction of each frame.
class ParserVectorAnalysis : public ParserSignal
{
    Q_OBJECT
public:
    ParserVectorAnalysis();

    int engineType() const override { return 2; }
    // What a pass reads of the parameter set: copied in the hub's thread, read in the engine's.
    struct Settings
    {
        double sampleRate = 1.0;  // "CLOCK", Hz
        double shift = 0.0;       // "Freq", Hz
        double gainDb = 0.0;      // "Gain"
        int decimation = 1;       // "Decimation"
    };

    // A new recording starts at its first frame, without a stored correction.
    void prepareSource() override;
    void captureSettings() override;
    Settings settings() const;
    IQVector parseLayer(int num, int layer) override;
    void setFrameLength(int num) override;
    void advanceFrame() override;
    void rewindFrame() override;

    // Shift by the "Freq" offset at the "CLOCK" rate, scale by "Gain" (dB), and with a
    // "Decimation" D > 1 low-pass filter and keep samples D-1, 2D-1, ... . Empty when stopped.
    IQVector correctSignal(const IQVector &samples, bool first);

    void setBlocked(bool isBlocked) { m_isBlocked = isBlocked; }
    int frameLength() const override { return m_frameLength; }
    int framePosition() const { return m_position; }
    // Where the last analysed frame began in the recording.
    int lastFrameStart() const override { return m_lastFrameStart; }
    // The next frame starts here (call in the engine's thread).
    void setFramePosition(int position);
    // The same for a frame about to be analysed: it is also the last frame's start then.
    void setFrameStart(int start) override;
    bool hasCorrectedLayers() const { return !m_corrected.isEmpty(); }

signals:
    void finishAllCorrection();

public slots:
    void slotCorrectionAllSignal(bool isAll);

private:
    void applyNewSource();
    int firstLayerLength() const;

    mutable QMutex m_settingsMutex;
    Settings m_settings;  // guarded by m_settingsMutex

    QVector<IQVector> m_corrected;
    bool m_isBlocked = false;
    // Read by the GUI for the selection bar while the engine works.
    std::atomic<int> m_frameLength{0};
    std::atomic<int> m_position{0};
    std::atomic<int> m_lastFrameStart{0};
    std::atomic<bool> m_isNewSource{false};
};
