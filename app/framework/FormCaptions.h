#pragma once

#include <QPair>
#include <QString>
#include <initializer_list>

class QFormLayout;
class QWidget;

// Captions of a form's fields, set (again) in the interface language: each field is
// added with an empty caption label, and this gives the labels their texts.
class FormCaptions
{
public:
    static void apply(QFormLayout *form, std::initializer_list<QPair<QWidget *, QString>> captions);
};
