#pragma once

#include <QComboBox>

// The editor placed in a table cell: an editable combo box whose text is the cell's
// value. It relays what the on-screen keyboard and the table need to know: every
// typed change (textEdit), the moment it takes the focus (openingKeyBoard), the
// confirmed end of editing by Return (editFinish), and the loss of focus without
// confirmation (deactive).
class tableDelegate : public QComboBox
{
    Q_OBJECT
public:
    explicit tableDelegate(const QString &text, QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }

signals:
    void textEdit(const QString &text);
    void openingKeyBoard();
    void editFinish();
    void deactive();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
