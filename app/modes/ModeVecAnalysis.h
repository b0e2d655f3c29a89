#pragma once

#include "ModeAnalysis.h"

class GuiParserVecAnalysis;
class ParserVectorAnalysis;

// Vector analysis: the recording played frame by frame, frequency-shifted and
// decimated as the panel says, with spectrum, time, power and spectrogram views.
class ModeVecAnalysis : public ModeAnalysis
{
    Q_OBJECT
public:
    // Frames kept for rebuilding a spectrogram after its frame is resized.
    static constexpr int kReadyHistoryFrames = 32;

    explicit ModeVecAnalysis(QWidget *parent = nullptr);

    void firstModeHook() override;
    void secondModeHook() override;
    void connectPanel() override;
    void startMode() override;
    QString defaultGrid() const override;

    GuiParserVecAnalysis *vaPanel() const;
    ParserVectorAnalysis *vaEngine() const;

protected:
    void takeSignalParams() override;
};
