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
    ~Graphic() override;

    // The plot area in view coordinates.
    QRectF plotRect() const;

    // The chart's colours, taken from the program's palette: the plot area on the
    // theme's base colour (dark in the dark theme, as analysers draw it), text and
    // grid readable on it.
    struct Colours
    {
        QColor background;  // around the plot area
        QColor plotArea;
        QColor text;
        QColor grid;
        QColor axisLine;
        bool operator==(const Colours &o) const
        {
            return background == o.background && plotArea == o.plotArea && text == o.text && grid == o.grid
                   && axisLine == o.axisLine;
        }
    };
    static Colours coloursOf(const QPalette &palette);
    Colours colours() const { return m_colours; }
    // Gives an axis the chart's colours (axes made after the view need it).
    void applyAxisColours(QAbstractAxis *axis) const;
    QImage image() const { return m_image; }

signals:
    void resizeSignal();
    // Emitted while the chart is painted, last, with the painter in view
    // coordinates: overlays that change with every frame (markers) draw here, so
    // that they cost no repaint of their own.
    void paintOverlay(QPainter *painter);
    // The interface language changed: texts drawn in the chart follow.
    void languageChanged();
    // The theme changed and the chart took its colours (see colours()).
    void coloursChanged();
    // The view is about to be destroyed, while it is still whole: event filters and
    // overlays let go of it and its children here.
    void destroying();

public slots:
    void setImage(const QImage &image);
    void slotSwitchAntialiasing();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void applyColours();

    QImage m_image;
    Colours m_colours;
    bool m_isColoured = false;
};
