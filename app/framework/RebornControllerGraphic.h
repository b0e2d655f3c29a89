#pragma once

#include <QVector>
#include <QWidget>

class GuiSelectGrid;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

// The run control bar: play continuously, play once, read from the instrument,
// stop, frame rate up and down with its readout, window length with its unit word
// and up/down steps, and the grid of frames.
class RebornControllerGraphic : public QWidget
{
    Q_OBJECT
public:
    enum Unit { Points, Symbols, Subframes };
    static constexpr int kMaxSamples = 999999;

    explicit RebornControllerGraphic(QWidget *parent = nullptr);

    void setUnit(Unit unit);
    void setRussian(bool isRussian);
    // The unit word that follows n in the window-length field.
    QString unitWord(int n) const;
    int samples() const;
    // 0 for all layers, else the layer number (1-based).
    int currentLayer() const;
    QString fpsText() const;

signals:
    void runCont();
    void runSingle();
    void runRead();
    void stopRead();
    void stopRun();
    void signalSendSamples(int samples);
    void signalSetGrid(int row, int column);
    void hideMenu(bool isHide);
    void hideGuiSignal(bool isHide);
    void decreaseFPS();
    void increaseFPS();
    void deacreaseSamples();
    void increaseSamples();
    void requestChangeLayer();
    // The play button was pressed while playing.
    void pausePlay(bool isPause);

protected:
    void changeEvent(QEvent *event) override;

public slots:
    void slotStopRead();
    void setGrig(int row, int column, bool isSendGrid = true);
    void setSamples(int samples);
    void setFPS(int fps);
    void showFPS();
    void hideFPS();
    void setMaxPoints(int max);
    void unlockPlay(bool isUnlock);
    void showButtRead();
    void hideButtRead();
    // While playing, the play button offers a pause.
    void setPlaying(bool isPlaying);
    // Takes the grid size from a grid text: its distribution's rows and widest row.
    void setGrid(QString text);
    // Offers the layers of a recording; hidden for a single layer.
    void setLayerCount(int count);
    // Shows which layers are analysed: one layer, or all of them.
    void showLayers(const QVector<int> &layers);

private:
    QToolButton *addButton(const QString &name, const QString &text);
    void retranslate();
    void updateUnitWord();
    void updatePlayButton();

    QToolButton *m_butRun;
    QToolButton *m_butSingle;
    QToolButton *m_butRead;
    QToolButton *m_butStop;
    QToolButton *m_butSlower;
    QLabel *m_lblFps;
    QToolButton *m_butFaster;
    QSpinBox *m_spinSamples;
    QLabel *m_lblUnit;
    QToolButton *m_butGrid;
    GuiSelectGrid *m_selectGrid;
    QComboBox *m_comboLayer;
    QToolButton *m_butLess;
    QToolButton *m_butMore;
    QToolButton *m_butPlotsOnly;
    int m_layerCount = 1;
    Unit m_unit = Points;
    bool m_isRussian = false;
    bool m_isReading = false;
    bool m_isPlaying = false;
};
