#pragma once

#include "MarkerMath.h"

#include <QColor>
#include <QPointF>
#include <QPointer>
#include <QPushButton>
#include <QVector>

class MarkerValue;
class QFrame;
class QLabel;

// One marker of a plot: a vertical line with a round handle that the user drags
// along x, and its readout rectangle ("markerRect": the x and y labels and the
// keyboard-entry button). It measures on the full-resolution series of its plot,
// which MarkersInfo hands it with every new frame, and is placed by MarkersInfo,
// which knows the chart. The widget and its readout are children of the chart
// view; everything runs in the GUI thread.
class LineConnection : public QPushButton
{
    Q_OBJECT
public:
    static constexpr int kHandleDiameter = 14;
    static constexpr int kXDecimalsByRule = -1;  // x readout by the 3-decimal rule

    // `number` is shown in the readout ("M1"); `parent` is the chart view.
    LineConnection(int number, QWidget *parent);
    ~LineConnection() override;

    int number() const { return m_number; }
    MarkerValue *menu() const { return m_menu; }
    QFrame *markerRect() const { return m_markerRect; }
    QLabel *lblInfoX() const { return m_lblInfoX; }
    QLabel *lblInfoY() const { return m_lblInfoY; }
    QPushButton *butKeyboardMarker() const { return m_butKeyboard; }

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
    void setCurveColour(const QColor &colour);
    QColor colour() const;
    static QColor colourOf(const QString &name, const QColor &curve);
    void setHidden(bool isHidden);
    bool isHiddenByUser() const { return m_isHidden; }

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

    // Puts the line at pixel column `pixelX` of the chart view over `plot`, with
    // the readout in row `row` of the readouts stacked at the top of the plot.
    void place(const QRectF &plot, int pixelX, int row);
    int pixelX() const { return m_pixelX; }
    // Brings the line and its readout above the other overlays of the plot.
    void raiseAll();

public slots:
    // A position typed by the user: the marker becomes manual and moves there.
    void enterPosition(double x);
    void updateTextInfo();

signals:
    // The handle was dragged to this point of the chart view.
    void signalMoveLine(QPoint pos);
    void signalSendCoord(QPoint pos);
    // Mode, colour, display rule, accuracy or visibility changed by the user.
    void signalChanged();
    void signalKeyboard();
    void signalDelete();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void createReadout(QWidget *parent);
    void applyColour();
    void readAtX();

    const int m_number;
    MarkerValue *m_menu = nullptr;       // child of this object
    QPointer<QFrame> m_markerRect;       // child of the chart view
    QLabel *m_lblInfoX;                  // child of m_markerRect
    QLabel *m_lblInfoY;                  // child of m_markerRect
    QPushButton *m_butKeyboard;          // child of m_markerRect
    QVector<QPointF> m_series;           // full resolution, implicitly shared with the cache
    double m_spacing = 0.0;
    double m_plotWidth = 0.0;
    MarkerMath::Reading m_reading;
    int m_mode = MarkerMath::ModeManual;
    int m_displayRule = MarkerMath::RuleAverage;
    QString m_colourName = QStringLiteral("Yellow");
    QColor m_curveColour;
    bool m_isHidden = false;
    QString m_xUnit, m_yUnit;
    double m_unitFactor = 0.0;
    double m_accuracyHz = 1e3;
    int m_xDecimals = kXDecimalsByRule;
    int m_pixelX = 0;
    int m_dragOffset = 0;
    bool m_isDragging = false;
};
