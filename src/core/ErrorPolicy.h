#pragma once

#include <QString>

#include <exception>
#include <utility>

namespace pwo {

// Where every failure that no handler catches ends: its number and
// description in a message box titled with the program's title. The action
// is abandoned; the program and its windows keep running, so nothing typed
// elsewhere is lost.
void reportUnhandledFailure(const std::exception &failure);

// The description of a failure as the user is told it: a database error's
// own description, otherwise the failure's text.
QString failureDescription(const std::exception &failure);

// Runs one user action under the policy.
template <typename Action>
void guarded(Action &&action)
{
    try {
        std::forward<Action>(action)();
    } catch (const std::exception &failure) {
        reportUnhandledFailure(failure);
    }
}

// A slot that runs the member function under the policy:
//   connect(button, &QPushButton::clicked, this, guardedSlot(this, &frmX::cmdSave_Click));
template <typename Object, typename... Args>
auto guardedSlot(Object *object, void (Object::*handler)(Args...))
{
    return [object, handler](Args... args) { guarded([&] { (object->*handler)(args...); }); };
}

} // namespace pwo
