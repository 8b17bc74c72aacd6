#include "RatingValue.h"

#include <QComboBox>

namespace pwo {

namespace {

QString idOf(const QString &itemText)
{
    const qsizetype dot = itemText.indexOf(QLatin1Char('.'));
    return dot < 0 ? itemText : itemText.left(dot);
}

bool isListedId(const QComboBox &list, const QString &id)
{
    for (int i = 0; i < list.count(); ++i) {
        if (idOf(list.itemText(i)).trimmed() == id)
            return true;
    }
    return false;
}

} // namespace

QString storedRatingValue(const QComboBox &list)
{
    const QString text = list.currentText();
    if (text.contains(QLatin1Char('.')))
        return idOf(text);
    // Typed by hand: anything but a known id would be stored as a rating that
    // does not exist, or fail on the server.
    const QString typed = text.trimmed();
    return !typed.isEmpty() && isListedId(list, typed) ? typed : QString();
}

} // namespace pwo
