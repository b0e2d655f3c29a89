#pragma once

#include "DisplayGraphicSignal.h"

#include <QBrush>

class QLabel;

// The level spectrum of one signal's selection against absolute frequency
// (data kind 3), with its resolution-bandwidth and span readouts.
class DisplayFrequency : public DisplayGraphicSignal
{
    Q_OBJECT
public:
    static constexpr double kRbwShapeFactor = 1.7;  // noise bandwidth of the Blackman window, in bins
    static constexpr int kMinSegmentLength = 16;    // shortest segment that averaging may cut

    DisplayFrequency(ManagerSignal *hub, CalculateDate *calculate, int signalIndex = 1, QWidget *parent = nullptr);

    QLabel *lblRBW() const { return m_lblRBW; }
    QLabel *lblSpan() const { return m_lblSpan; }
    // False while the readouts leave the chart title no room and it gives way.
    bool isTitleShown() const;
    int average() const { return m_average; }
    double spanFactor() const { return m_spanFactor; }
    void setSpanFactor(double factor);

signals:
    void sendMaxAverage(int count);

public slots:
    void slotSetAverageSpectrum(int count);
    // Caps the averaging count at what the selection size allows and offers that cap.
    void slotFormAVG();
    void updateInfo(int size);
    void slotSetData(const QVector<QPointF> &data) override;
    void updateAxes() override;
    void retranslate() override;

protected:
    void placeOverlays() override;

private:
    void applyTitles();
    QString xTitle() const;
    int selectionSize() const;

    double m_spanFactor = 1.0;
    double m_xUnitFactor = 1e6;  // the x axis counts in MHz until a signal says otherwise
    int m_average = 1;
    QLabel *m_lblRBW;   // child of the graphic
    QLabel *m_lblSpan;  // child of the graphic
};
