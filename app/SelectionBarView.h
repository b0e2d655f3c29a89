#pragma once

#include <QWidget>

class SelectionSignal;

// The visible selection bar: the whole recording as a track, the analysed window
// on it, and its start, width and stop in samples. Dragging the window or pressing
// the arrow keys moves it; Home and End jump to the ends.
class SelectionBarView : public QWidget
{
    Q_OBJECT
public:
    explicit SelectionBarView(SelectionSignal *selection, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QString readout() const;

public slots:
    void showWindow(int start, int length);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRect trackRect() const;
    int sampleAt(int x) const;
    void moveTo(int start);

    SelectionSignal *m_selection;  // not owned
    int m_start = 0;
    int m_length = 0;
    int m_dragOffset = -1;  // samples between the grab point and the window start; -1: no drag
};
