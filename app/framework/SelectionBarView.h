#pragma once

#include <QWidget>

// The visible selection bar: the whole recording as a track, the analysed window
// on it, and its start, width and stop in samples. Dragging the window or pressing
// the arrow keys asks for a new start; Home and End jump to the ends.
class SelectionBarView : public QWidget
{
    Q_OBJECT
public:
    explicit SelectionBarView(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QString readout() const;

signals:
    void startRequested(int start);

public slots:
    void showWindow(int start, int length, int total);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRect trackRect() const;
    int sampleAt(int x) const;
    void moveTo(int start);

    int m_start = 0;
    int m_length = 0;
    int m_total = 0;
    int m_dragOffset = -1;  // samples between the grab point and the window start; -1: no drag
};
