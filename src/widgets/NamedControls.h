#pragma once

#include <QPushButton>
#include <QString>

namespace pwo {

// A control carries the name the tests and the trace speak of.
template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A window's button: Enter in a box of the window must not press it as well.
inline QPushButton *namedButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

} // namespace pwo
