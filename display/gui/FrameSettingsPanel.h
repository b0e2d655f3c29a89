#pragma once

#include <QWidget>

class GraphicSignal;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

// A frame's settings: colour, effect, averaging, y limits with their automatic
// modes, layer and number format. Every choice is passed on to the frame's graphic.
class FrameSettingsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit FrameSettingsPanel(GraphicSignal *graphic, QWidget *parent = nullptr);

    // Captions above their fields rather than beside them: for narrow frames.
    void setCompact(bool isCompact);

    // The colour names offered, with Qt colour names as their data.
    static QStringList colourNames();

    double shownMin() const;
    double shownMax() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    // The graphic's limits into the fields, without sending them back.
    void showLimits(double min, double max);
    void sendLimits();
    void retranslate();

    GraphicSignal *m_graphic;  // not owned
    QComboBox *m_colour;
    QComboBox *m_effect;
    QSpinBox *m_average;
    QDoubleSpinBox *m_min;
    QDoubleSpinBox *m_max;
    QCheckBox *m_autoMin;
    QCheckBox *m_autoMax;
    QSpinBox *m_layer;
    QComboBox *m_format;
    QWidget *m_rows[7] = {};  // the fields of the form, in the order of their captions
};
