#pragma once

#include "DisplayGraphicSignal.h"

class QLabel;
class Spectrogram;
class WgtColor;

// The spectrogram frame: the Spectrogram renderer's waterfall over the plot area
// with frequency on x and time on y (0 at the newest row at the bottom, earlier
// frames above), and its colour bar at the right with the high and low levels
// beside it. The frame's y limits are the colour bar's levels.
class DisplayWaterfall : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    static constexpr int kColorBarWidth = 12;
    static constexpr int kBarGap = 6;    // between the plot area and the colour bar
    static constexpr int kLabelGap = 3;  // between the colour bar and its level labels

    DisplayWaterfall(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

    Spectrogram *spectrogram() const;
    WgtColor *colorBar() const { return m_colorBar; }
    QLabel *highLabel() const { return m_highLabel; }
    QLabel *lowLabel() const { return m_lowLabel; }
    double lowerLimit() const override;
    double upperLimit() const override;
    // Seconds of the recording that one row of the image stands for.
    double rowSeconds() const;

public slots:
    void setLevels(double low, double high);
    void setMinOy(double value) override;
    void setMaxOy(double value) override;
    void updateAxes() override;
    void retranslate() override;

protected:
    void placeOverlays() override;

private:
    void applyTitles();
    // The chart leaves room at its right for the colour bar and the wider level label.
    void fitRightMargin();
    // y from the oldest row the image can hold (at the top) to 0 (the newest).
    void updateTimeAxis();

    WgtColor *m_colorBar;  // child of the graphic
    QLabel *m_highLabel;   // child of the graphic
    QLabel *m_lowLabel;    // child of the graphic
};
