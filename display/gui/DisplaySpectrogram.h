#pragma once

#include "DisplayGraphicSignal.h"

#include <QPair>

class QLabel;
class Spectrogram;
class WgtColor;

// The spectrogram frame: the Spectrogram renderer's waterfall over the plot area
// with frequency on x, newest spectrum at the bottom, and its colour bar at the
// right with the high and low levels beside it.
class DisplaySpectrogram : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    static constexpr int kColorBarWidth = 12;

    DisplaySpectrogram(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

    Spectrogram *spectrogram() const;
    WgtColor *colorBar() const { return m_colorBar; }

public slots:
    void setLevels(double low, double high);
    void updateAxes() override;
    void retranslate() override;

protected:
    void placeOverlays() override;

private:
    void applyTitles();
    // The colour bar's level labels.
    void showLevels();

    WgtColor *m_colorBar;  // child of the graphic
    QLabel *m_highLabel;   // child of the graphic
    QLabel *m_lowLabel;    // child of the graphic
    QPair<double, double> m_levels;  // low and high, in dB
};
