#pragma once

#include <QDialog>

class QLabel;
class UnitLineEdit;

// Asks for the sample rate and centre frequency of a raw I/Q file (.cf32, .cu8 ...),
// which its bytes do not say. The fields start from the figures in the file's
// name where it has them, else from the last answers, which OK remembers. Enter
// accepts, Escape cancels; a value that is not a number with a unit keeps the
// dialog open with the field marked.
class GuiRawRatesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GuiRawRatesDialog(const QString &path, QWidget *parent = nullptr);

    double sampleRate() const;
    double frequency() const;
    UnitLineEdit *rateField() const { return m_rate; }
    UnitLineEdit *frequencyField() const { return m_frequency; }

    // Shows the dialog; false when the user cancels.
    static bool ask(QWidget *parent, const QString &path, double &rate, double &frequency);

public slots:
    void accept() override;

private:
    UnitLineEdit *m_rate;
    UnitLineEdit *m_frequency;
    QLabel *m_problem;
};
