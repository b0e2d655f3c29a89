#include "IQ_Table.h"

#include "ModulationCatalogue.h"
#include "QamTables.h"
#include "UserTableFile.h"
#include "tableDelegate.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kNumberColumn = 0;
constexpr int kFirstValueColumn = 1;
constexpr int kSecondValueColumn = 2;
constexpr int kColumnCount = 3;
// The exact value behind a cell's text.
constexpr int kValueRole = Qt::UserRole;

QString fileFilter()
{
    return QStringLiteral("Text File (*.txt) ;; CSV File (*.csv)");
}

QToolButton *makeButton(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

} // namespace

IQ_Table::IQ_Table(QWidget *parent)
    : IQ_Table({tr("Symbol"), QStringLiteral("I"), QStringLiteral("Q")}, parent)
{
    setTable(builtInQamTable(ModQAMUser));
}

IQ_Table::IQ_Table(const QStringList &headers, QWidget *parent) : QWidget(parent)
{
    buildLayout(headers);
}

void IQ_Table::buildLayout(const QStringList &headers)
{
    m_expandButton = makeButton(QStringLiteral("\u25BE"), tr("Show or hide the table"), this);
    m_expandButton->setCheckable(true);
    m_expandButton->setChecked(true);
    auto *add = makeButton(QStringLiteral("+"), tr("Add a row"), this);
    auto *remove = makeButton(QStringLiteral("\u2212"), tr("Remove the last row"), this);
    auto *open = makeButton(tr("Open"), tr("Load the table from a file"), this);
    auto *save = makeButton(tr("Save"), tr("Save the table to a file"), this);

    m_body = new QWidget(this);
    m_table = new QTableWidget(0, kColumnCount, m_body);
    m_table->setObjectName(QStringLiteral("userTable"));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(save);
    auto *bodyLayout = new QVBoxLayout(m_body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addLayout(buttons);
    bodyLayout->addWidget(m_table);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_expandButton, 0, Qt::AlignLeft);
    layout->addWidget(m_body);

    connect(m_expandButton, &QToolButton::toggled, this, &IQ_Table::setExpanded);
    connect(add, &QToolButton::clicked, this, &IQ_Table::addRow);
    connect(remove, &QToolButton::clicked, this, &IQ_Table::removeRow);
    connect(open, &QToolButton::clicked, this, &IQ_Table::openData);
    connect(save, &QToolButton::clicked, this, &IQ_Table::saveData);
    connect(m_table, &QTableWidget::cellClicked, this, QOverload<int, int>::of(&IQ_Table::show));
}

int IQ_Table::rowCount() const
{
    return m_table->rowCount();
}

bool IQ_Table::isEditableColumn(int column) const
{
    return column == kFirstValueColumn || column == kSecondValueColumn;
}

void IQ_Table::valueEdited(int, int) {}

void IQ_Table::setNumber(int row)
{
    auto *item = new QTableWidgetItem(QString::number(row));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    m_table->setItem(row, kNumberColumn, item);
}

void IQ_Table::resizeRows(int rows)
{
    closeEditor();
    const int before = m_table->rowCount();
    m_table->setRowCount(rows);
    for (int row = before; row < rows; ++row) {
        setNumber(row);
        setValue(row, kFirstValueColumn, 0.0);
        setValue(row, kSecondValueColumn, 0.0);
    }
}

void IQ_Table::setValue(int row, int column, double value)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, column, item);
    }
    item->setData(kValueRole, value);
    item->setText(QString::number(value, 'g', 10));
}

double IQ_Table::value(int row, int column) const
{
    const QTableWidgetItem *item = m_table->item(row, column);
    return item ? item->data(kValueRole).toDouble() : 0.0;
}

IQ_Table::Rows IQ_Table::readTable() const
{
    Rows rows;
    for (int row = 0; row < rowCount(); ++row)
        rows.append({value(row, kFirstValueColumn), value(row, kSecondValueColumn)});
    return rows;
}

void IQ_Table::setTable(const Rows &rows)
{
    resizeRows(0);
    resizeRows(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        setValue(row, kFirstValueColumn, rows.at(row).value(0));
        setValue(row, kSecondValueColumn, rows.at(row).value(1));
    }
    emit tableChanged();
}

bool IQ_Table::readRows(const QString &path, int fields, Rows *rows)
{
    return UserTableFile::read(path, fields, rows, &m_error);
}

bool IQ_Table::writeRows(const QString &path, const Rows &rows)
{
    return UserTableFile::write(path, rows, &m_error);
}

bool IQ_Table::loadFile(const QString &path)
{
    Rows rows;
    if (!readRows(path, 2, &rows))
        return false;
    setTable(rows);
    return true;
}

bool IQ_Table::saveFile(const QString &path)
{
    return writeRows(path, readTable());
}

void IQ_Table::openData()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open User Customize"), QString(), fileFilter());
    if (!path.isEmpty() && !loadFile(path))
        QMessageBox::warning(this, tr("Open User Customize"), errorString());
}

void IQ_Table::saveData()
{
    QString selected;
    QString path = QFileDialog::getSaveFileName(this, tr("Save User Customize"), QString(), fileFilter(), &selected);
    if (path.isEmpty())
        return;
    // A name typed without a suffix takes the one of the chosen file type.
    if (QFileInfo(path).suffix().isEmpty())
        path += selected.contains(QLatin1String("csv")) ? QStringLiteral(".csv") : QStringLiteral(".txt");
    if (!saveFile(path))
        QMessageBox::warning(this, tr("Save User Customize"), errorString());
}

void IQ_Table::show(int row, int column)
{
    if (row < 0 || row >= rowCount() || !isEditableColumn(column))
        return;
    // Moving to another cell keeps what was typed in the previous one.
    commitEditor();
    m_editRow = row;
    m_editColumn = column;
    m_editor = new tableDelegate(m_table->item(row, column)->text());
    connect(m_editor, &tableDelegate::editFinish, this, &IQ_Table::commitEditor);
    connect(m_editor, &tableDelegate::deactive, this, &IQ_Table::commitEditor);
    connect(m_editor, &tableDelegate::openingKeyBoard, this, &IQ_Table::openingKeyBoard);
    connect(m_editor, &tableDelegate::textEdit, this, &IQ_Table::textEdit);
    m_table->setCellWidget(row, column, m_editor);
    m_editor->setFocus();
}

void IQ_Table::currentItemEdit(const QString &text)
{
    if (m_editor) {
        m_editor->setText(text);
        return;
    }
    const int row = m_table->currentRow();
    const int column = m_table->currentColumn();
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || row < 0 || !isEditableColumn(column))
        return;
    setValue(row, column, number);
    valueEdited(row, column);
    emit tableChanged();
}

void IQ_Table::commitEditor()
{
    if (!m_editor)
        return;
    const int row = m_editRow;
    const int column = m_editColumn;
    bool ok = false;
    const double number = m_editor->text().trimmed().toDouble(&ok);
    closeEditor();
    if (!ok)
        return;
    setValue(row, column, number);
    valueEdited(row, column);
    emit tableChanged();
}

void IQ_Table::closeEditor()
{
    if (!m_editor)
        return;
    // Silence the editor first: removing it moves the focus, which it would report.
    m_editor->disconnect(this);
    m_table->removeCellWidget(m_editRow, m_editColumn);
    m_editor = nullptr;
    m_editRow = -1;
    m_editColumn = -1;
}

void IQ_Table::addRow()
{
    resizeRows(rowCount() + 1);
    emit tableChanged();
}

void IQ_Table::removeRow()
{
    if (rowCount() == 0)
        return;
    resizeRows(rowCount() - 1);
    emit tableChanged();
}

void IQ_Table::setExpanded(bool expanded)
{
    m_body->setVisible(expanded);
    const QSignalBlocker quiet(m_expandButton);
    m_expandButton->setChecked(expanded);
    m_expandButton->setText(expanded ? QStringLiteral("\u25BE") : QStringLiteral("\u25B8"));
    emit signalExpand(expanded);
}
