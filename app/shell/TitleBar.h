#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The title row of the frameless main window: title text, minimise,
// maximise/restore and close. Dragging it moves the window, a double click
// maximises or restores it. It acts on the window it belongs to.
class TitleBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 32;

    explicit TitleBar(QWidget *parent = nullptr);

    QString title() const;
    QToolButton *minimiseButton() const { return m_butMinimise; }
    QToolButton *maximiseButton() const { return m_butMaximise; }
    QToolButton *closeButton() const { return m_butClose; }

public slots:
    void setTitle(const QString &title);
    // Maximised windows are restored, others maximised.
    void toggleMaximised();
    // Follows the window's state: the maximise button becomes a restore button.
    void updateMaximiseButton();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *addButton(const QString &name, const QString &glyph);
    void retranslateUi();

    QLabel *m_lblTitle;
    QToolButton *m_butMinimise;
    QToolButton *m_butMaximise;
    QToolButton *m_butClose;
    QPoint m_dragOffset;
    bool m_isDragging = false;
    QWidget *m_watched = nullptr;
};
