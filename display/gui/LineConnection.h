#pragma once

#include "MarkerMath.h"

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QVector>

class MarkerValue;
class QPainter;

// One marker of a plot: a vertical line with a round handle that the user drags
// along x, and its readout rectangle (markerRect: the readouts lblInfoX and
// lblInfoY and the keyboard-entry button butKeyboardMarker). It measures on the
// full-resolution series of its plot, which MarkersInfo hands it with every new frame.
//
// A marker is drawn in the chart view's own paint pass rather than as child
// widgets: a child widget whose text or place changes costs a second repaint of
// the whole chart per frame (measured: 1.7 chart repaints per frame instead of 1,
// a fifth of the frame rate). MarkersInfo places it, routes the mouse to it and
// asks the view to repaint. GUI thread only.
class LineConnection : public QObject
{
    Q_OBJECT
public:
    static constexpr int kHandleDiameter = 14;
    static constexpr int kGripPixels = 4;        // how near the line a press grabs it
    static constexpr int kXDecimalsByRule = -1;  // x readout by the 3-decimal rule

    // What lies under a point of the chart view.
    enum Hit { HitNone, HitLine, HitHandle, HitKeyboard, HitReadout };

    // `number` is shown on the handle and in the readout ("M1").
    LineConnection(int number, QObject *parent);
    ~LineConnection() override;

    int number() const { return m_number; }
    MarkerValue *menu() const { return m_menu; }

    // The update on new data: store the series, refresh the x spacing, and when
    // visible move and read by mode.
    void setSeries(const QVector<QPointF> &series, double plotWidth);
    const QVector<QPointF> &series() const { return m_series; }
    double spacing() const { return m_spacing; }
    // Places the marker at x and reads the value there.
    void setX(double x);
    double x() const { return m_reading.x; }
    MarkerMath::Reading reading() const { return m_reading; }

    int mode() const { return m_mode; }
    void setMode(int mode);
    int displayRule() const { return m_displayRule; }
    void setDisplayRule(int rule);
    // "Yellow", "Red", "Turquoise" or "Default" (the curve's colour).
    QString colourName() const { return m_colourName; }
    void setColourName(const QString &name);
    void setCurveColour(const QColor &colour) { m_curveColour = colour; }
    QColor colour() const;
    static QColor colourOf(const QString &name, const QColor &curve);
    void setHidden(bool isHidden);
    bool isHidden() const { return m_isHidden; }
    // Placed inside the plot and not hidden.
    bool isShown() const { return m_isShown; }

    // Units of the readouts and, for the spectrum, the display unit factor that
    // the accuracy refers to (0 for plots without an accuracy choice).
    void setUnits(const QString &xUnit, const QString &yUnit, double unitFactor);
    // The x resolution in Hz ("1 kHz" is 1e3); used when unitFactor is set.
    void setAccuracy(double hz);
    double accuracy() const { return m_accuracyHz; }
    // Digits of the x readout typed by hand; kXDecimalsByRule for the accuracy.
    void setXDecimals(int decimals);
    int xDecimals() const;
    QString textX() const;
    QString textY() const;
    // The two readout lines: "M1  <x>" and "<y>".
    QString lblInfoX() const;
    QString lblInfoY() const;

    // Puts the line at pixel column `pixelX` of the chart view over `plot`, with
    // the readout in row `row` of the readouts stacked at the top of the plot.
    void place(const QRectF &plot, int pixelX, int row, const QFont &font);
    // A plot too small for every readout keeps the marker's line and handle only.
    void hideReadout();
    int pixelX() const { return m_pixelX; }
    QRect handleRect() const { return m_handleRect; }
    QRect markerRect() const { return m_markerRect; }
    QRect keyboardRect() const { return m_keyboardRect; }  // butKeyboardMarker
    Hit hitTest(const QPoint &pos) const;
    // The line and its handle; the readout apart, so that readouts lie above every line.
    void paintLine(QPainter &painter, const QRectF &plot) const;
    void paintReadout(QPainter &painter, const QFont &font) const;

public slots:
    // A position typed by the user: the marker becomes manual and moves there.
    void enterPosition(double x);
    // The handle dragged to this point of the chart view.
    void dragTo(const QPoint &pos);
    // One point of the series left (-1) or right (+1).
    void step(int points);

signals:
    void signalMoveLine(QPoint pos);
    void signalSendCoord(QPoint pos);
    // Mode, colour, display rule, accuracy, position or visibility changed by the user.
    void signalChanged();
    void signalKeyboard();
    void signalDelete();

private:
    void readAtX();
    void paintHandle(QPainter &painter) const;

    const int m_number;
    MarkerValue *m_menu = nullptr;  // child of this object
    QVector<QPointF> m_series;      // full resolution, implicitly shared with the cache
    double m_spacing = 0.0;
    double m_plotWidth = 0.0;
    MarkerMath::Reading m_reading;
    int m_mode = MarkerMath::ModeManual;
    int m_displayRule = MarkerMath::RuleAverage;
    QString m_colourName = QStringLiteral("Yellow");
    QColor m_curveColour;
    bool m_isHidden = false;
    bool m_isShown = false;
    QString m_xUnit, m_yUnit;
    double m_unitFactor = 0.0;
    double m_accuracyHz = 1e3;
    int m_xDecimals = kXDecimalsByRule;
    int m_pixelX = 0;
    int m_plotTop = 0, m_plotBottom = 0;
    QRect m_handleRect, m_markerRect, m_keyboardRect;
};
