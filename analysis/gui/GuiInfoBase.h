#pragma once

#include <QMap>
#include <QWidget>

class QGridLayout;
class QLabel;

// Base of the result tables of a frame: a grid of labels, a header row and one row
// per quantity, each value label named after its row so that it is found by name.
class GuiInfoBase : public QWidget
{
    Q_OBJECT
public:
    explicit GuiInfoBase(QWidget *parent = nullptr);

    // The label called `name` (a row's value, "EVMA", a header), or nullptr.
    QLabel *label(const QString &name) const { return m_labels.value(name); }
    QGridLayout *grid() const { return m_grid; }

protected:
    // A label in the grid at (row, column), found later by `name` when one is given.
    QLabel *addLabel(int row, int column, const QString &text, const QString &name = QString());

private:
    QGridLayout *m_grid;
    QMap<QString, QLabel *> m_labels;  // children of this widget
};
