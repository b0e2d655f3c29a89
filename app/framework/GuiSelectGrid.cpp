#include "GuiSelectGrid.h"

#include "PluralRule.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

GuiSelectGrid::GuiSelectGrid(QWidget *parent) : QFrame(parent), m_label(new QLabel(this))
{
    setFocusPolicy(Qt::StrongFocus);
    auto *cells = new QGridLayout;
    cells->setSpacing(2);
    for (int row = 1; row <= kMaxRows; ++row) {
        for (int column = 1; column <= kMaxColumns; ++column) {
            auto *cell = new QFrame(this);
            cell->setObjectName(QStringLiteral("wgt%1%2").arg(row).arg(column));
            cell->setFixedSize(18, 18);
            cell->setFrameShape(QFrame::Box);
            cell->setAutoFillBackground(true);
            cell->setProperty("row", row);
            cell->setProperty("column", column);
            cell->installEventFilter(this);
            cells->addWidget(cell, row - 1, column - 1);
            m_cells.append(cell);
        }
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(cells);
    layout->addWidget(m_label);
    highlight(m_rows, m_columns);
}

void GuiSelectGrid::setRussian(bool isRussian)
{
    m_isRussian = isRussian;
    highlight(m_rows, m_columns);
}

QString GuiSelectGrid::sizeText(int rows, int columns) const
{
    if (m_isRussian) {
        return QStringLiteral("%1 %2 \u00D7 %3 %4")
            .arg(rows)
            .arg(PluralRule::russian(rows, QStringLiteral("строка"), QStringLiteral("строки"), QStringLiteral("строк")))
            .arg(columns)
            .arg(PluralRule::russian(columns, QStringLiteral("столбец"), QStringLiteral("столбца"),
                                     QStringLiteral("столбцов")));
    }
    const QString rowsText = rows == 1 ? tr("1 row") : tr("%1 rows").arg(rows);
    const QString columnsText = columns == 1 ? tr("1 column") : tr("%1 columns").arg(columns);
    return rowsText + QStringLiteral(" \u00D7 ") + columnsText;
}

void GuiSelectGrid::setGrid(int rows, int columns)
{
    m_rows = qBound(1, rows, kMaxRows);
    m_columns = qBound(1, columns, kMaxColumns);
    highlight(m_rows, m_columns);
}

void GuiSelectGrid::highlight(int rows, int columns)
{
    for (QWidget *cell : qAsConst(m_cells)) {
        const bool isInside = cell->property("row").toInt() <= rows && cell->property("column").toInt() <= columns;
        cell->setBackgroundRole(isInside ? QPalette::Highlight : QPalette::Base);
    }
    m_label->setText(sizeText(rows, columns));
}

bool GuiSelectGrid::eventFilter(QObject *watched, QEvent *event)
{
    auto *cell = qobject_cast<QWidget *>(watched);
    if (cell && m_cells.contains(cell)) {
        const int row = cell->property("row").toInt();
        const int column = cell->property("column").toInt();
        if (event->type() == QEvent::Enter)
            highlight(row, column);
        else if (event->type() == QEvent::MouseButtonRelease) {
            setGrid(row, column);
            emit gridChosen(m_rows, m_columns);
            return true;
        }
    }
    if (event->type() == QEvent::Leave)
        highlight(m_rows, m_columns);
    return QFrame::eventFilter(watched, event);
}

void GuiSelectGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        highlight(m_rows, m_columns);
    QFrame::changeEvent(event);
}

void GuiSelectGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: setGrid(m_rows - 1, m_columns); break;
    case Qt::Key_Down: setGrid(m_rows + 1, m_columns); break;
    case Qt::Key_Left: setGrid(m_rows, m_columns - 1); break;
    case Qt::Key_Right: setGrid(m_rows, m_columns + 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit gridChosen(m_rows, m_columns); break;
    default: QFrame::keyPressEvent(event);
    }
}
