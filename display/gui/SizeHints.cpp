#include "SizeHints.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QWidget>

void refitComboBox(QComboBox *box)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(box, &styleChange);
    box->updateGeometry();
}

void refreshSizeHints(QWidget *root)
{
    for (QComboBox *box : root->findChildren<QComboBox *>())
        refitComboBox(box);
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->layout())
            widget->layout()->invalidate();
        widget->updateGeometry();
    }
    if (root->layout())
        root->layout()->invalidate();
}
