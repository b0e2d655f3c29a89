#pragma once

#include <QLabel>

// The y-axis zoom handle ("wgtVertZoom"): a thin vertical line beside the y axis
// with which the user drags the axis limits by hand. Dragging in its upper half
// moves the maximum, in its lower half the minimum, by the distance dragged in
// axis units; a limit never crosses the other one.
class LineVerticalZoom : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kWidth = 8;

    explicit LineVerticalZoom(QWidget *parent = nullptr);

    // The axis range and how many pixels it spans, to convert drags into values.
    void setRange(double min, double max, double pixels);

signals:
    void sendMin(double value);
    void sendMax(double value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    double m_min = 0.0;
    double m_max = 1.0;
    double m_pixels = 1.0;
    int m_pressY = 0;
    bool m_isUpper = false;
    double m_pressValue = 0.0;
};
