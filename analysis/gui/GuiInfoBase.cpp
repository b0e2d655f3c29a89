#include "GuiInfoBase.h"

#include <QGridLayout>
#include <QLabel>

GuiInfoBase::GuiInfoBase(QWidget *parent) : QWidget(parent), m_grid(new QGridLayout(this))
{
    m_grid->setHorizontalSpacing(12);
    m_grid->setVerticalSpacing(2);
}

QLabel *GuiInfoBase::addLabel(int row, int column, const QString &text, const QString &name)
{
    auto *label = new QLabel(text, this);
    if (!name.isEmpty()) {
        label->setObjectName(name);
        m_labels.insert(name, label);
    }
    m_grid->addWidget(label, row, column);
    return label;
}
