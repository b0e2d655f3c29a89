#pragma once

#include "GraphicSignal.h"

#include <QFrame>

class FrameSettingsPanel;
class QLabel;
class QScrollArea;
class QToolButton;

// One frame of the grid: a header with the graphic's name, its settings and its
// menu (change graphic, "Separate window", "Close"), and the graphic itself. A
// graphic name dropped on the frame, or dragged from another frame's header,
// replaces what it shows.
class FrameGraphicSignal : public QFrame
{
    Q_OBJECT
public:
    // factory: not owned.
    FrameGraphicSignal(int mode, GraphicFactory *factory, QWidget *parent = nullptr);

    GraphicSignal *graphic() const { return m_graphic; }
    QString graphicName() const { return m_graphic->name(); }
    int horizontalWeight() const { return m_hWeight; }
    int verticalWeight() const { return m_vWeight; }
    void setWeights(int horizontal, int vertical);
    bool isSeparate() const { return m_isSeparate; }

signals:
    void dropSignal(QString name);
    void changeGraphic(QString name);
    void separateWindow(FrameGraphicSignal *frame);
    void closeFrame(FrameGraphicSignal *frame);

public slots:
    void setGraphic(const QString &name);
    void setSeparate(bool isSeparate);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenu();
    void retranslate();
    // The settings column as wide as the settings want, in the present language.
    void fitSettingsArea();
    void showTitle();
    void placeSettings();

    const int m_mode;
    GraphicFactory *const m_factory;  // not owned
    GraphicSignal *m_graphic;
    QLabel *m_title;
    QToolButton *m_butSettings;
    QToolButton *m_butMenu;
    FrameSettingsPanel *m_settings;
    QScrollArea *m_settingsArea;
    int m_hWeight = 1;
    int m_vWeight = 1;
    bool m_isSeparate = false;
    QPoint m_dragStart;
};
