#pragma once

#include <QString>

namespace pwo {

// True when the text, blanks around it aside, reads as a number; empty text
// does not. An admission number that is numeric is an in-patient's.
bool isNumeric(const QString &text);

} // namespace pwo
