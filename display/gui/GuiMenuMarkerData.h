#pragma once

#include <QList>
#include <QWidget>

class MarkersInfo;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;

// The drop-down panel of a plot's markers: one button per marker that opens its
// settings menu, "Add Marker", and the measurements: "Mode" ("Standard",
// "Occupied Bandwidth") and "View" ("+ Channel Power" / "- Channel Power") on the
// spectrum, "+ RMS" / "- RMS" and "Select Signal" on every plot.
class GuiMenuMarkerData : public QWidget
{
    Q_OBJECT
public:
    // A pop-up child of `parent` (the chart view) showing `info`'s state.
    GuiMenuMarkerData(MarkersInfo *info, QWidget *parent);

    QComboBox *comboMode() const { return m_comboMode; }
    QPushButton *butChannelPower() const { return m_butChannelPower; }
    QPushButton *butRms() const { return m_butRms; }
    QPushButton *butSelectSignal() const { return m_butSelectSignal; }
    QList<QToolButton *> markerButtons() const { return m_markerButtons; }

public slots:
    // Rebuilds the marker buttons and re-reads the measurement switches.
    void updateMarkers();
    void updateView();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    MarkersInfo *const m_info;  // owns nothing here; lives as long as the view
    QHBoxLayout *m_markerRow;
    QList<QToolButton *> m_markerButtons;  // children of this panel
    QComboBox *m_comboMode;
    QPushButton *m_butChannelPower;
    QPushButton *m_butRms;
    QPushButton *m_butSelectSignal;
    QPushButton *m_butAdd;
    QLabel *m_captions[3];  // "Markers", "Mode", "View"
    QWidget *m_spectrumOnly[3] = {};
};
