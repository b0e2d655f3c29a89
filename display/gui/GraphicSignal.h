#pragma once

#include "GraphicCatalogue.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

class GraphicFactory;
class QLabel;
class QStackedLayout;

// The content of one frame: the graphic chosen by name (a plot view, a table) or an
// empty "No Data" state. The mode's factory builds the widget for a kind code and
// connects the settings signals below to it; a kind the mode cannot show yet stays
// empty and says so.
class GraphicSignal : public QWidget
{
    Q_OBJECT
public:
    // factory: not owned; it outlives the frames of its mode.
    GraphicSignal(int mode, GraphicFactory *factory, QWidget *parent = nullptr);

    // The catalogue name of what is shown ("spectrum"), or "NoGraph".
    QString name() const { return m_name; }
    GraphicCatalogue::Kind kind() const { return m_kind; }
    // The pixmap effect chosen for the graphic (GraphicCatalogue::Effect).
    int effect() const { return m_effect; }
    bool isEmpty() const { return m_content.isNull(); }
    // The layer chosen in the frame's settings (1-based).
    int layer() const { return m_layer; }
    QWidget *content() const { return m_content; }

signals:
    void signalSetColor(QColor color);
    void signalSetEffect(QString effect);
    void signalSetAverage(int average);
    void signalSendAverSpectrum(int average);
    // The largest averaging count the graphic can use now.
    void signalMaxAverage(int maximum);
    // The recording now holds this many layers.
    void signalLayerCount(int count);
    void signalSetFormat(QString format);
    void signalSendMin(double value);
    void signalSendMax(double value);
    void signalSendAutoMin(bool isAuto);
    void signalSendAutoMax(bool isAuto);
    void signalSetLayer(int layer);
    void signalSendModeTimePlan(QString mode);
    void graphicChanged(QString name);
    // The y limits now in force in the graphic (for a spectrogram its colour levels),
    // so that the frame settings show what the plot shows.
    void limitsShown(double min, double max);

public slots:
    // Shows the graphic of that name; an unknown name or "No Data" gives the empty state.
    void setGraphic(const QString &name);
    void setEffect(const QString &effect);

protected:
    void changeEvent(QEvent *event) override;

private:
    // The empty state; with a name, it says that graphic needs an analysis this mode lacks.
    void showEmpty(const QString &unavailableName);
    void retranslateEmpty();
    void rebuild(GraphicCatalogue::Kind kind, const QString &name);

    const int m_mode;
    GraphicFactory *const m_factory;  // not owned
    QStackedLayout *m_stack;
    QLabel *m_empty;
    QPointer<QWidget> m_content;
    QString m_unavailableName;
    QString m_name = QStringLiteral("NoGraph");
    GraphicCatalogue::Kind m_kind = GraphicCatalogue::KindNone;
    int m_effect = 0;
    int m_layer = 1;
};
