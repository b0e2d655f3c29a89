#pragma once

#include "InterfaceGraphicData.h"

#include <QObject>
#include <QPointer>
#include <QPointF>
#include <QVector>
#include <memory>
#include <vector>

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

QT_CHARTS_USE_NAMESPACE

class CalculateDate;
class Graphic;
class GraphicSunset;
class ManagerSignal;
class QLabel;
class LineVerticalZoom;
class MarkersInfo;
class autoLimitOY;

// Base of the plot views: a chart with one line series in a Graphic view, fed by
// its own display worker. Everything here runs in the GUI thread; the worker's
// series arrive by queued signal.
class DisplayGraphicSignal : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 30;
    static constexpr int kMinimumHeight = 50;
    // Below this size the chart drops its title (axes too short for their titles show the unit alone).
    static constexpr int kCompactWidth = 300;
    static constexpr int kCompactHeight = 230;
    // Where the overload label sits: this share of the view's width left of the
    // plot area's right edge, this share of the plot height below its top.
    static constexpr double kOverloadLeftShare = 0.07;
    static constexpr double kOverloadDownShare = 0.1;

    // The Graphic widget becomes a child of `parent`; without a parent this
    // object owns it.
    DisplayGraphicSignal(ManagerSignal *hub, CalculateDate *calculate, QWidget *parent = nullptr);
    ~DisplayGraphicSignal() override;

    Graphic *graphic() const { return m_graphic; }
    QChart *chart() const { return m_chart; }
    QLineSeries *lineSeries() const { return m_series; }
    QValueAxis *axisX() const { return m_axisX; }
    QValueAxis *axisY() const { return m_axisY; }
    autoLimitOY *autoLimit() const { return m_autoLimit; }
    InterfaceGraphicData *worker() const { return m_worker.get(); }
    QLabel *overloadLabel() const { return m_overload; }
    LineVerticalZoom *verticalZoom() const { return m_zoom; }
    // The plot's markers and measurement panel.
    MarkersInfo *markers() const { return m_markers; }
    ManagerSignal *hub() const { return m_hub; }
    CalculateDate *calculate() const { return m_calculate; }

    // The y limits the frame settings show and set: the value axis's range here.
    virtual double lowerLimit() const { return m_axisY->min(); }
    virtual double upperLimit() const { return m_axisY->max(); }

    // An axis's title as set, also while a small view shows only its unit.
    QString axisTitle(Qt::Orientation orientation) const
    {
        return orientation == Qt::Horizontal ? m_fullTitleX : m_fullTitleY;
    }

    // The selection readout: "Start - ", "Width - ", "Stop - ".
    QStringList readoutTexts() const;
    // The sunset effect: earlier traces stay behind the current one and fade out
    // over `frames` frames.
    void setSunset(int frames);
    GraphicSunset *sunset() const { return m_sunset.get(); }
    // The trace colour, for the effect's traces too.
    void setTraceColour(const QColor &colour);
    // The layer (1-based) whose trace, readout and limits this view shows.
    void showLayer(int layer);
    int layer() const;
    // Traces of further layers drawn over the view's own, each in its own colour and
    // named in a legend; empty: the view's layer alone.
    void setOverlayLayers(const QVector<int> &layers);
    QVector<int> overlayLayers() const;
    QList<QLineSeries *> overlaySeries() const;

signals:
    void sendMinOy(double value);
    void sendMaxOy(double value);
    // A new series is on screen (emitted in the GUI thread after the update).
    void dataShown();
    // "Add Marker" was chosen at this point of the plot (value coordinates).
    void signalAddMarker(QPointF value);

public slots:
    // Asks the worker for a fresh series of the current selection.
    void slotRepaint();
    virtual void slotSetData(const QVector<QPointF> &data);
    void slotSwitchAntialiasing();
    // The overload flag passed down by the frame.
    void setOverload(bool isOverload);
    // The selection size changed: the time axis follows it.
    virtual void setValueOx(int size);
    // Re-reads the hub's mode and sets axis titles and ranges to it.
    virtual void updateAxes() {}
    // Titles and axes in the interface language, after it changed. The axes keep
    // their ranges: a window started in the new language shows the same ones.
    virtual void retranslate() { updateAxes(); }
    virtual void setMinOy(double value);
    virtual void setMaxOy(double value);

protected:
    // Hands the view its worker (owned from here on) and wires it up.
    void attachWorker(InterfaceGraphicData *worker);
    void setTitles(const QString &title, const QString &xTitle, const QString &yTitle);
    // x title and range by the hub's mode, as the time views share them.
    void applyTimeAxisMode(bool isPowerView);
    // In the modes that count points or symbols, x spans the selection size.
    void applyPointAxisRange(int size, bool isPowerView);
    // Puts the labels and handles that float over the chart in place.
    virtual void placeOverlays();
    // Hands the plot's geometry to the worker; true when the plot size changed.
    bool pushGeometry();
    // The view's context menu at `pos` (view coordinates): "Add Marker" here.
    virtual void showContextMenu(const QPoint &pos);

private:
    void setupChart();
    void applyOverlayStyle();
    static QString compactTitle(const QString &title);
    void followAxisTitle(QValueAxis *axis, QString &fullTitle, const QString &text);
    void fitTitles();
    void fitAxisTitle(QValueAxis *axis, const QString &fullTitle, bool &isCompact, double length);
    void createOverlays();
    void connectSignals();
    bool isMillisecondAxis(bool isPowerView) const;
    void slotNewSelected();
    // Start, width and stop of the hub's selection of this view's signal, when it has one.
    void updateReadout();
    void slotLayoutChanged();
    void createReadout();
    void showReadout();
    // The overload label and the selection readout, in the interface language.
    void retranslateOverlays();
    void slotLanguageChanged();

    ManagerSignal *const m_hub;         // not owned
    CalculateDate *const m_calculate;   // not owned
    QChart *m_chart;                    // owned by m_graphic
    QPointer<Graphic> m_graphic;        // owned by the parent widget, or by this object
    const bool m_ownsGraphic;
    QLineSeries *m_series;              // owned by m_chart
    QValueAxis *m_axisX = nullptr;      // owned by m_chart
    QValueAxis *m_axisY = nullptr;      // owned by m_chart
    autoLimitOY *m_autoLimit = nullptr; // child of m_chart
    LineVerticalZoom *m_zoom = nullptr; // child of m_graphic
    MarkersInfo *m_markers = nullptr;   // child of this object
    QLabel *m_overload = nullptr;       // child of m_graphic
    QLabel *m_readout[3] = {};          // children of m_graphic: start, width, stop
    int m_readoutStart = 0;
    int m_readoutWidth = 0;
    int m_readoutStop = -1;             // no stop is shown before the first selection
    bool m_isOverload = false;
    bool m_isCompact = false;  // no chart title
    bool m_isCompactX = false, m_isCompactY = false;  // axis titled by its unit alone
    QString m_chartTitle, m_fullTitleX, m_fullTitleY;  // as set, whatever the view's size
    QSize m_lastPlotSize;
    std::unique_ptr<InterfaceGraphicData> m_worker;
    std::unique_ptr<GraphicSunset> m_sunset;  // the effect's renderer, when chosen

    struct Overlay
    {
        int layer;
        std::unique_ptr<InterfaceGraphicData> worker;
        QLineSeries *series;  // owned by m_chart
    };
    void clearOverlays();
    std::vector<Overlay> m_overlays;
};
