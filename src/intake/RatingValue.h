#pragma once

#include <QString>

class QComboBox;

namespace pwo {

// The value a rating list stores: the id before the first "." of its text
// ("2. Moderate" stores "2"), empty text for an empty list. A text without
// "." is stored only when it is one of the list's ids, else as empty text.
QString storedRatingValue(const QComboBox &list);

} // namespace pwo
