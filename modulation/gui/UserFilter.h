#pragma once

#include "IQ_Table.h"

// Editor of the user filter: one coefficient per row in column 2 ("Coefficient"),
// column 0 the tap number. The coefficient list is the parameter vector of the User
// filter design. Files hold one coefficient per line. Starts as a single tap of 1,
// which passes the signal unchanged.
class UserFilter : public IQ_Table
{
    Q_OBJECT
public:
    explicit UserFilter(QWidget *parent = nullptr);

    bool loadFile(const QString &path) override;
    bool saveFile(const QString &path) override;
    // One-value rows, one per coefficient.
    Rows readTable() const override;
    void setTable(const Rows &rows) override;

    QVector<double> coefficients() const;
    void setCoefficients(const QVector<double> &coefficients);

protected:
    bool isEditableColumn(int column) const override;
};
