#include "FSK_IQ_Table.h"

namespace {

constexpr int kFrequencyColumn = 1;
constexpr int kPercentColumn = 2;
constexpr double kPercent = 100.0;
constexpr double kHzPerKHz = 1000.0;
constexpr double kInitialMaxDevHz = 100e3;
constexpr int kInitialLevels = 8;

QVector<double> evenlySpacedPercentages(int levels)
{
    QVector<double> percent;
    for (int s = 0; s < levels; ++s)
        percent.append((s * 2.0 / (levels - 1) - 1.0) * kPercent);
    return percent;
}

} // namespace

FSK_IQ_Table::FSK_IQ_Table(QWidget *parent)
    : IQ_Table({tr("Symbol"), tr("Freq(kHz)"), tr("Value")}, parent), m_maxDevHz(kInitialMaxDevHz)
{
    setPercentages(evenlySpacedPercentages(kInitialLevels));
}

bool FSK_IQ_Table::isEditableColumn(int column) const
{
    return column == kPercentColumn;
}

void FSK_IQ_Table::valueEdited(int row, int)
{
    updateFrequency(row);
}

void FSK_IQ_Table::updateFrequency(int row)
{
    setValue(row, kFrequencyColumn, value(row, kPercentColumn) / kPercent * m_maxDevHz / kHzPerKHz);
}

void FSK_IQ_Table::setMaxDev(double devHz, bool isUpdate)
{
    m_maxDevHz = devHz;
    if (!isUpdate)
        return;
    for (int row = 0; row < rowCount(); ++row)
        updateFrequency(row);
}

void FSK_IQ_Table::setPercentages(const QVector<double> &percent)
{
    resizeRows(0);
    resizeRows(percent.size());
    for (int row = 0; row < percent.size(); ++row) {
        setValue(row, kPercentColumn, percent.at(row));
        updateFrequency(row);
    }
    emit tableChanged();
}

IQ_Table::Rows FSK_IQ_Table::readTable() const
{
    Rows rows;
    for (int row = 0; row < rowCount(); ++row)
        rows.append({value(row, kFrequencyColumn), value(row, kPercentColumn)});
    return rows;
}

void FSK_IQ_Table::setTable(const Rows &rows)
{
    QVector<double> percent;
    for (const QVector<double> &row : rows)
        percent.append(row.value(1));
    setPercentages(percent);
}

bool FSK_IQ_Table::loadFile(const QString &path)
{
    Rows rows;
    if (!readRows(path, 1, &rows))
        return false;
    QVector<double> percent;
    for (const QVector<double> &row : rows)
        percent.append(row.at(0));
    setPercentages(percent);
    return true;
}

bool FSK_IQ_Table::saveFile(const QString &path)
{
    Rows lines;
    for (const QVector<double> &row : readTable())
        lines.append(QVector<double>{row.at(1)});
    return writeRows(path, lines);
}
