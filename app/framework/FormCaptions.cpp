#include "FormCaptions.h"

#include <QFormLayout>
#include <QLabel>

void FormCaptions::apply(QFormLayout *form, std::initializer_list<QPair<QWidget *, QString>> captions)
{
    for (const auto &caption : captions) {
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(caption.first)))
            label->setText(caption.second);
    }
}
