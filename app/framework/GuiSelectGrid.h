#pragma once

#include <QFrame>
#include <QVector>

class QLabel;

// Picker of a grid size: a square of cells ("wgt<row><column>") where hovering
// shows the size and a click or Enter chooses it. Arrow keys move the choice.
class GuiSelectGrid : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kMaxRows = 4;
    static constexpr int kMaxColumns = 4;

    explicit GuiSelectGrid(QWidget *parent = nullptr);

    void setRussian(bool isRussian);
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // "2 rows x 3 columns", or with Russian unit words.
    QString sizeText(int rows, int columns) const;

signals:
    void gridChosen(int row, int column);

public slots:
    void setGrid(int rows, int columns);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void highlight(int rows, int columns);

    QVector<QWidget *> m_cells;
    QLabel *m_label;
    int m_rows = 1;
    int m_columns = 1;
    bool m_isRussian = false;
};
