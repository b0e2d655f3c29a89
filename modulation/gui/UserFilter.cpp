#include "UserFilter.h"

#include <QTableWidget>

namespace {
constexpr int kUnusedColumn = 1;
constexpr int kCoefficientColumn = 2;
} // namespace

UserFilter::UserFilter(QWidget *parent)
    : IQ_Table({tr("Tap"), QString(), tr("Coefficient")}, parent)
{
    tableWidget()->setColumnHidden(kUnusedColumn, true);
    setCoefficients({1.0});
}

bool UserFilter::isEditableColumn(int column) const
{
    return column == kCoefficientColumn;
}

QVector<double> UserFilter::coefficients() const
{
    QVector<double> taps;
    for (int row = 0; row < rowCount(); ++row)
        taps.append(value(row, kCoefficientColumn));
    return taps;
}

void UserFilter::setCoefficients(const QVector<double> &coefficients)
{
    resizeRows(0);
    resizeRows(coefficients.size());
    for (int row = 0; row < coefficients.size(); ++row)
        setValue(row, kCoefficientColumn, coefficients.at(row));
    emit tableChanged();
}

IQ_Table::Rows UserFilter::readTable() const
{
    Rows rows;
    for (double c : coefficients())
        rows.append(QVector<double>{c});
    return rows;
}

void UserFilter::setTable(const Rows &rows)
{
    QVector<double> taps;
    for (const QVector<double> &row : rows)
        taps.append(row.value(0));
    setCoefficients(taps);
}

bool UserFilter::loadFile(const QString &path)
{
    Rows rows;
    if (!readRows(path, 1, &rows))
        return false;
    setTable(rows);
    return true;
}

bool UserFilter::saveFile(const QString &path)
{
    return writeRows(path, readTable());
}
