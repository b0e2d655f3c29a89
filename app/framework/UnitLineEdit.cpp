#include "UnitLineEdit.h"

#include "UnitText.h"

#include <QRegularExpression>

UnitLineEdit::UnitLineEdit(const QString &text, double minimum, double maximum, QWidget *parent)
    : QLineEdit(text, parent), m_minimum(minimum), m_maximum(maximum), m_lastGood(text)
{
    connect(this, &QLineEdit::editingFinished, this, &UnitLineEdit::commit);
}

bool UnitLineEdit::isNumberWithUnit(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?( [^ ]*)?$"));
    return form.match(text).hasMatch();
}

double UnitLineEdit::value() const
{
    return UnitText::toDouble(m_lastGood);
}

void UnitLineEdit::setValueText(const QString &text)
{
    m_lastGood = text;
    setText(text);
    setStyleSheet(QString());
    setToolTip(QString());
}

void UnitLineEdit::commit()
{
    const QString entered = text().trimmed();
    if (entered == m_lastGood)
        return;
    const double number = UnitText::toDouble(entered);
    if (!isNumberWithUnit(entered) || number < m_minimum || number > m_maximum) {
        setStyleSheet(QStringLiteral("color: #d03030;"));
        setToolTip(tr("Not accepted: enter a number from %1 to %2 with a unit, e.g. \"1 MHz\".")
                       .arg(m_minimum, 0, 'g', 6)
                       .arg(m_maximum, 0, 'g', 6));
        return;
    }
    setValueText(entered);
    emit valueEdited(number);
}
