#include "tableDelegate.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLineEdit>

tableDelegate::tableDelegate(const QString &text, QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // The list keeps the value the cell had, so that the user can go back to it.
    setInsertPolicy(QComboBox::NoInsert);
    addItem(text);
    setEditText(text);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &tableDelegate::textEdit);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &tableDelegate::editFinish);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &tableDelegate::editFinish);
}

bool tableDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()) {
        if (event->type() == QEvent::FocusIn)
            emit openingKeyBoard();
        else if (event->type() == QEvent::FocusOut && !view()->isVisible())
            emit deactive();
    }
    return QComboBox::eventFilter(watched, event);
}
