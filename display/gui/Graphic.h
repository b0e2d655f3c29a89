#pragma once

#include <QChartView>
#include <QImage>

QT_CHARTS_USE_NAMESPACE

// The chart view of a plot. Besides the chart it can show an image rendered by a
// display worker (a spectrogram or a fading trace) over the plot area.
class Graphic : public QChartView
{
    Q_OBJECT
public:
    // Takes ownership of `chart`.
    explicit Graphic(QChart *chart, QWidget *parent = nullptr);

    // The plot area in view coordinates.
    QRectF plotRect() const;
    QImage image() const { return m_image; }

signals:
    void resizeSignal();
    // Emitted while the chart is painted, last, with the painter in view
    // coordinates: overlays that change with every frame (markers) draw here, so
    // that they cost no repaint of their own.
    void paintOverlay(QPainter *painter);
    // The interface language changed: texts drawn in the chart follow.
    void languageChanged();

public slots:
    void setImage(const QImage &image);
    void slotSwitchAntialiasing();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    QImage m_image;
};
