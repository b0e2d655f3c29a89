#pragma once

#include "IQ_Table.h"

// Editor of the FSK User levels: one row per symbol. Column 2 ("Value") is the
// editable deviation of the symbol in percent of the maximum deviation (−100 … 100);
// column 1 ("Freq(kHz)") shows the same deviation as a frequency offset,
// value/100 · maximum deviation, in kHz, and follows every edit and every change of
// the maximum deviation. Rows reach the FSK scheme as (kHz, percent), whose second
// value is what FSK::setTable() takes. Files hold the percentages, one per line, so
// that a saved table does not depend on the deviation in use.
// Starts with the eight 8FSK levels and a maximum deviation of 100 kHz.
class FSK_IQ_Table : public IQ_Table
{
    Q_OBJECT
public:
    explicit FSK_IQ_Table(QWidget *parent = nullptr);

    bool loadFile(const QString &path) override;
    bool saveFile(const QString &path) override;
    Rows readTable() const override;
    void setTable(const Rows &rows) override;

    // Sets the maximum deviation in Hz; with isUpdate the kHz column is recomputed now.
    void setMaxDev(double devHz, bool isUpdate);
    double maxDev() const { return m_maxDevHz; }
    void setPercentages(const QVector<double> &percent);

protected:
    bool isEditableColumn(int column) const override;
    void valueEdited(int row, int column) override;

private:
    void updateFrequency(int row);
    double m_maxDevHz;
};
