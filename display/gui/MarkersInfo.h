#pragma once

#include "LineConnection.h"

#include <QFrame>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QToolButton>
#include <QVector>

class DisplayGraphicSignal;
class GuiMenuMarkerData;
class QPainter;

// The markers of one plot and its measurement panel. Markers are added from the
// view's "Add Marker" entry and follow every new frame on the full-resolution
// series that CalculateDate keeps for the view (never the thinned one drawn).
// Measurements: channel power between the first two markers and the occupied
// bandwidth on the spectrum, the RMS power of a stretch of samples chosen with a
// selection over the plot on every view. Markers and readouts are drawn in the
// chart's own paint pass (Graphic::paintOverlay), and the mouse reaches them
// through an event filter on the chart view. GUI thread only; it costs nothing
// per frame while no marker or measurement is shown.
class MarkersInfo : public QObject
{
    Q_OBJECT
public:
    enum Mode { ModeStandard = 0, ModeOccupiedBandwidth = 1 };
    static constexpr double kNewPairShares[2] = {0.4, 0.6};  // where channel power puts missing markers

    // A child of `view`; its widgets are children of the view's chart view.
    explicit MarkersInfo(DisplayGraphicSignal *view);
    ~MarkersInfo() override;

    QList<LineConnection *> markers() const;
    LineConnection *addMarker(double x);
    void removeMarker(LineConnection *marker);
    // Channel power and the occupied bandwidth are offered on spectra only.
    bool isSpectrum() const;

    int mode() const { return m_mode; }
    bool isChannelPower() const { return m_isChannelPower; }
    bool isRms() const { return m_isRms; }
    bool isSelectSignal() const { return m_isSelectSignal; }
    // The last results (dB, dB, and the band's bounds in x units).
    double channelPower() const { return m_channelPower; }
    double rms() const { return m_rms; }
    QPair<double, double> occupiedBand() const { return m_band; }
    // The RMS stretch as shares of the plot width, 0 <= from < to <= 1.
    QPair<double, double> rmsRange() const { return {m_rmsFrom, m_rmsTo}; }
    void setRmsRange(double from, double to);

    // The measurement readout ("POWER: ...", "RMS: ...", "OBW: ...") and where it is drawn.
    QString infoText() const { return m_infoText; }
    QRect infoRect() const { return m_infoRect; }
    QFrame *wgtSelectSignal() const { return m_selection; }
    QToolButton *butMenuMarker() const { return m_butMenu; }
    GuiMenuMarkerData *panel() const;
    // The bound lines of the occupied band (redraw-only markers), while shown.
    QList<LineConnection *> bandLines() const;

    // Units of a readout from an axis title: "Frequency (MHz)" gives "MHz".
    static QString unitOfTitle(const QString &title);

public slots:
    void slotAddMarker(QPointF value);
    // A new frame is on screen: markers and measurements follow it.
    void slotNewData();
    void setChannelPower(bool isShown);
    void setRms(bool isShown);
    void setSelectSignal(bool isShown);
    void setModeOBW(bool isOccupiedBandwidth = true);
    // Places the markers and their readouts at their x values.
    void updateLine();
    // Recomputes the measurements and their readout.
    void updateInfo();
    // Sizes the markers' readouts to their texts.
    void updateTextInfo();
    // Places the measurement readout, the selection and the menu button.
    void resizeInfo();
    void giveWayToOtherReadouts(const QRectF &plot);
    void showPanel();
    void paintOverlay(QPainter *painter);
    // Texts, units and readouts in the interface language.
    void retranslate();

signals:
    // Markers were added, removed or changed.
    void signalUpdate();
    void signalChangePrecision();
    void signalChangeMode();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Removes the event filters and lets go of the chart view before it goes.
    void detachFromGraphic();
    bool selectionEvent(QEvent *event);
    bool plotMouseEvent(QEvent *event);
    LineConnection *markerAt(const QPoint &pos, LineConnection::Hit *hit = nullptr) const;
    void repaint();
    void createWidgets();
    void refreshUnits();
    // The view's full-resolution series from the calculator's cache, when it holds one.
    void takeFullSeries();
    void connectMarker(LineConnection *marker);
    void moveMarker(LineConnection *marker, const QPoint &pos);
    void keyboardEntry(LineConnection *marker);
    void reportMarker(const LineConnection *marker);
    void updateBandLines();
    // The occupied bandwidth in Hz with the prefix of the width itself.
    QString occupiedWidthText() const;
    double computeRms() const;
    bool isActive() const;
    int pixelOf(double x) const;
    double valueAtPixel(int pixelX) const;

    DisplayGraphicSignal *const m_view;         // the parent
    QList<QPointer<LineConnection>> m_markers;  // children of this object
    QPointer<LineConnection> m_bandLines[2];    // children of this object
    QPointer<LineConnection> m_dragged;         // the marker under the mouse while dragging
    QPointer<LineConnection> m_active;          // the marker last touched: arrow keys step it
    int m_dragOffset = 0;
    // Children of the chart view, which may go first.
    QPointer<QFrame> m_selection;
    QPointer<QToolButton> m_butMenu;
    QPointer<GuiMenuMarkerData> m_panel;
    // The objects filtered, held as plain objects: compared and released without a
    // cast, since events reach the filter from widgets in the middle of destruction.
    QPointer<QObject> m_watchedSelection;
    QPointer<QObject> m_watchedView;
    QPointer<QObject> m_watchedViewport;
    QVector<QPointF> m_series;  // the last full-resolution series, shared with the cache
    QString m_xUnit, m_yUnit;
    QString m_infoText;
    QRect m_infoRect;
    int m_nextNumber = 1;
    int m_mode = ModeStandard;
    bool m_isChannelPower = false;
    bool m_isRms = false;
    bool m_isSelectSignal = false;
    double m_channelPower = 0.0;
    double m_rms = 0.0;
    QPair<double, double> m_band{0.0, 0.0};
    double m_rmsFrom = 0.25, m_rmsTo = 0.75;
    // Dragging the RMS selection: which part was grabbed and where.
    enum Grip { GripNone, GripLeft, GripRight, GripBody };
    Grip m_grip = GripNone;
    int m_gripX = 0;
    QPair<double, double> m_gripRange;
};
