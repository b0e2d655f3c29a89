#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

// One coloured channel band over the ACLR spectrum: a translucent column with a
// solid label that names the band and, on a second line, its level.
class unitACLRFrequency : public QWidget
{
    Q_OBJECT
public:
    // style: index into the fixed list of colours (taken modulo its size).
    explicit unitACLRFrequency(int style, QWidget *parent = nullptr);
    ~unitACLRFrequency() override;

    static int styleCount();
    void setText(const QString &name, const QString &value);
    QLabel *label() const { return m_label; }
    // Places the band over [left, right] x [top, bottom] of its parent, label at the top.
    void place(int left, int right, int top, int bottom);
    // Hides the band and its label.
    void conceal();

private:
    QWidget *m_band;   // child
    QPointer<QLabel> m_label;  // child of the parent, so that it may be wider than a narrow band
};
