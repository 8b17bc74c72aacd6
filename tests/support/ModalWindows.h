#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <stdexcept>

// Modal windows block the test until they close, so a test arranges first
// what to do with a window once it shows, then opens it. The window is
// closed after the action if the action left it open, so that a failing
// test cannot hang.
void whenShown(const QString &windowName, std::function<void(QWidget &window)> action);

// A control of a window by object name; throws when there is none.
template <typename T>
T &child(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        throw std::logic_error(("no control " + name + " in " + window.objectName()).toStdString());
    return *found;
}

// Clicks the named button of a window.
void click(QWidget &window, const QString &buttonName);

// The text a named box, list, label or multi-line box of a window shows.
QString textOf(QWidget &window, const QString &name);
// Puts a text into a named box, list or multi-line box, as if typed.
void setTextOf(QWidget &window, const QString &name, const QString &text);
