#include "ErrorPolicy.h"

#include "Prompter.h"
#include "data/DatabaseError.h"

#include <QScopedValueRollback>

namespace pwo {

namespace {

// Beyond this the box would outgrow the screen: the rest goes to its details.
constexpr int longestShownText = 500;
constexpr int mostShownLines = 12;

// True while the box about a lost connection is up: the timers that fire
// behind it would only say the same again.
bool lostConnectionShowing = false;

} // namespace

QString failureDescription(const std::exception &failure)
{
    if (const auto *database = dynamic_cast<const DatabaseError *>(&failure))
        return database->description();
    return QString::fromUtf8(failure.what());
}

void reportUnhandledFailure(const std::exception &failure)
{
    Prompt prompt;
    prompt.buttons = QMessageBox::Ok;
    prompt.icon = QMessageBox::Critical;
    prompt.title = programTitle();
    const QString description = failureDescription(failure);
    QString heading;
    bool lostConnection = false;
    if (const auto *database = dynamic_cast<const DatabaseError *>(&failure)) {
        heading = QStringLiteral("Error %1\n\n").arg(database->number());
        lostConnection = database->number() == GatewayError::ConnectionLost;
    }
    if (lostConnection && lostConnectionShowing)
        return;
    const QScopedValueRollback showing(lostConnectionShowing, lostConnectionShowing || lostConnection);
    const QStringList lines = description.split(QLatin1Char('\n'));
    if (description.size() > longestShownText || lines.size() > mostShownLines) {
        QString shown = lines.mid(0, mostShownLines).join(QLatin1Char('\n')).left(longestShownText);
        prompt.text = heading + shown + QStringLiteral(" …\n\nThe whole message is under Show Details.");
        prompt.details = description;
    } else {
        prompt.text = heading + description;
    }
    Prompter::current().ask(prompt);
}

} // namespace pwo
