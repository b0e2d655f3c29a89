#include "GuiRawRatesDialog.h"

#include "SignalFileKind.h"
#include "UnitLineEdit.h"
#include "UnitText.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {
const char kRateKey[] = "RawSampleRate";
const char kFrequencyKey[] = "RawFrequency";
constexpr double kMaxRate = 1e12;
constexpr double kMaxFrequency = 1e12;

QSettings settings() { return QSettings(QStringLiteral("Orvane"), QStringLiteral("Tarnwick Studio")); }

// The name's figure when it has one, else the last answer, else the default.
QString startText(double fromName, const char *key, const QString &fallback)
{
    if (fromName != 0.0)
        return UnitText::format(fromName, QStringLiteral("Hz"));
    return settings().value(QLatin1String(key), fallback).toString();
}
}  // namespace

GuiRawRatesDialog::GuiRawRatesDialog(const QString &path, QWidget *parent)
    : QDialog(parent), m_problem(new QLabel(this))
{
    setWindowTitle(tr("Raw I/Q File"));
    double nameRate = 0.0, nameFrequency = 0.0;
    SignalFileKind::ratesFromName(path, nameRate, nameFrequency);
    m_rate = new UnitLineEdit(startText(nameRate, kRateKey, QStringLiteral("1 MHz")), 1e-3, kMaxRate, this);
    m_frequency = new UnitLineEdit(startText(nameFrequency, kFrequencyKey, QStringLiteral("0 Hz")), -kMaxFrequency,
                                   kMaxFrequency, this);
    m_rate->setObjectName(QStringLiteral("rawRatesRate"));
    m_frequency->setObjectName(QStringLiteral("rawRatesFrequency"));
    auto *intro = new QLabel(tr("%1 holds bare I/Q samples. At what rate were they taken, and around which "
                                "centre frequency?").arg(QFileInfo(path).fileName()), this);
    intro->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #d03030;"));
    m_problem->setVisible(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &GuiRawRatesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GuiRawRatesDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(intro);
    form->addRow(tr("&Sample rate:"), m_rate);
    form->addRow(tr("&Centre frequency:"), m_frequency);
    form->addRow(m_problem);
    form->addRow(buttons);
    m_rate->setFocus();
    m_rate->selectAll();
}

double GuiRawRatesDialog::sampleRate() const { return m_rate->value(); }

double GuiRawRatesDialog::frequency() const { return m_frequency->value(); }

void GuiRawRatesDialog::accept()
{
    // A field whose text was refused keeps its last good value: OK must not pass it on.
    for (UnitLineEdit *field : {m_rate, m_frequency}) {
        emit field->editingFinished();
        if (field->text().trimmed() != field->valueText()) {
            m_problem->setText(tr("Enter a number with a unit, e.g. \"2.4 MHz\"."));
            m_problem->setVisible(true);
            field->setFocus();
            field->selectAll();
            return;
        }
    }
    QSettings store = settings();
    store.setValue(QLatin1String(kRateKey), m_rate->valueText());
    store.setValue(QLatin1String(kFrequencyKey), m_frequency->valueText());
    QDialog::accept();
}

bool GuiRawRatesDialog::ask(QWidget *parent, const QString &path, double &rate, double &frequency)
{
    GuiRawRatesDialog dialog(path, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    rate = dialog.sampleRate();
    frequency = dialog.frequency();
    return true;
}
