#pragma once

#include <QGridLayout>
#include <QLabel>
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

// A control with its caption before it in a grid, the control `span`
// columns wide; the caption's mnemonic leads to the control.
inline void placeCaptioned(QGridLayout *grid, int row, int column, const QString &caption, QWidget *control,
                           int span = 1)
{
    auto *label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1, 1, span);
}

} // namespace pwo
