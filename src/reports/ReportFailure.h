#pragma once

#include "data/DatabaseError.h"
#include "core/ErrorPolicy.h"

#include <QString>

#include <exception>
#include <utility>

namespace pwo {

// Shows a failure of the report code itself (a definition's fault, a file
// that cannot be written) under a heading that says what failed.
void showReportFailure(const QString &heading, const std::exception &failure);

// Runs one report action for the user. A server's error goes to the
// program's error policy with its number; any other failure is shown with
// `heading` ("The report could not be opened."). The program goes on.
template <typename Action>
void runReportAction(const QString &heading, Action &&action)
{
    try {
        std::forward<Action>(action)();
    } catch (const DatabaseError &failure) {
        reportUnhandledFailure(failure);
    } catch (const std::exception &failure) {
        showReportFailure(heading, failure);
    }
}

} // namespace pwo
