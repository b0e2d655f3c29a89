#pragma once

#include <QLineEdit>

// A field for a number with a unit ("1 MHz", "-3 dBm"). Text that is not such a
// number, or lies outside the field's range, is refused: the field turns red,
// says why in its tool tip and keeps its last good value.
class UnitLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    UnitLineEdit(const QString &text, double minimum, double maximum, QWidget *parent = nullptr);

    double value() const;
    // The last accepted text (the field may show refused text in red).
    QString valueText() const { return m_lastGood; }
    // Shows text without announcing it.
    void setValueText(const QString &text);
    static bool isNumberWithUnit(const QString &text);
    // Later entries must lie within the new range.
    void setRange(double minimum, double maximum)
    {
        m_minimum = minimum;
        m_maximum = maximum;
    }

signals:
    // A new, valid value was entered.
    void valueEdited(double value);

private:
    void commit();

    double m_minimum;
    double m_maximum;
    QString m_lastGood;
};
