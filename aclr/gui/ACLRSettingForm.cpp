#include "ACLRSettingForm.h"

#include "ParamACLR.h"
#include "UnitText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

ACLRSettingForm::ACLRSettingForm(QWidget *parent) : QWidget(parent), m_form(new QFormLayout(this))
{
    m_form->setContentsMargins(0, 0, 0, 0);
    const ParamACLR defaults;
    setValues(defaults);
}

QString ACLRSettingForm::suffix() const
{
    return m_standard == ParamACLR::kLTE ? QStringLiteral("LTE") : m_standard == ParamACLR::kNR ? QStringLiteral("NR")
                                                                                                 : QStringLiteral("CUSTOM");
}

void ACLRSettingForm::setStandard(const QString &standard)
{
    if (standard == m_standard && !m_fields.isEmpty())
        return;
    m_standard = standard;
    rebuild();
}

void ACLRSettingForm::setValues(const ParamACLR &param)
{
    const QString text = param.text(ParamSignal::FormProfile);
    for (const QString &item : text.mid(1, text.size() - 2).split(QStringLiteral("}{"))) {
        const auto keyValue = ParamSignal::splitItem(item);
        m_values.insert(keyValue.first, keyValue.second);
    }
    for (const Field &field : qAsConst(m_fields))
        fill(field);
}

QMap<QString, QString> ACLRSettingForm::values() const
{
    QMap<QString, QString> shown;
    for (const Field &field : m_fields)
        shown.insert(field.key, m_values.value(field.key));
    return shown;
}

QWidget *ACLRSettingForm::field(const QString &key) const
{
    for (const Field &field : m_fields) {
        if (field.key == key)
            return field.widget;
    }
    return nullptr;
}

void ACLRSettingForm::rebuild()
{
    while (m_form->rowCount() > 0)
        m_form->removeRow(0);
    m_fields.clear();
    buildFields();
    retranslate();
}

void ACLRSettingForm::addChoice(const QString &key, const char *caption, const QStringList &choices, int number)
{
    auto *box = new QComboBox(this);
    box->setObjectName(QStringLiteral("aclrSet_") + key);
    box->addItems(choices);
    const Field field{key, caption, number, new QLabel(this), box};
    m_fields.append(field);
    m_form->addRow(field.label, box);
    fill(field);
    connect(box, QOverload<int>::of(&QComboBox::activated), this, [this, field] { take(field); });
}

void ACLRSettingForm::addEntry(const QString &key, const char *caption, int number)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("aclrSet_") + key);
    const Field field{key, caption, number, new QLabel(this), edit};
    m_fields.append(field);
    m_form->addRow(field.label, edit);
    fill(field);
    connect(edit, &QLineEdit::editingFinished, this, [this, field] { take(field); });
}

void ACLRSettingForm::fill(const Field &field)
{
    const QString value = m_values.value(field.key);
    if (auto *box = qobject_cast<QComboBox *>(field.widget)) {
        // A value from a file that the list does not offer is shown as it is.
        if (box->findText(value) < 0 && !value.isEmpty())
            box->addItem(value);
        box->setCurrentText(value);
    } else if (auto *edit = qobject_cast<QLineEdit *>(field.widget)) {
        edit->setText(value);
    }
}

void ACLRSettingForm::take(const Field &field)
{
    QString value;
    if (auto *box = qobject_cast<QComboBox *>(field.widget)) {
        value = box->currentText();
    } else if (auto *edit = qobject_cast<QLineEdit *>(field.widget)) {
        double number = 0.0;
        if (!UnitText::read(edit->text().trimmed(), number) || !std::isfinite(number)) {
            fill(field);  // not a number: the last good value stays
            return;
        }
        value = edit->text().trimmed();
    }
    if (value == m_values.value(field.key))
        return;
    m_values.insert(field.key, value);
    emit changed();
}

void ACLRSettingForm::retranslate()
{
    for (const Field &field : qAsConst(m_fields)) {
        const QString caption = QCoreApplication::translate("ACLRSettingForm", field.caption);
        field.label->setText(field.number > 0 ? caption.arg(field.number) : caption);
    }
}

void ACLRSettingForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
