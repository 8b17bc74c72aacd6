#pragma once

#include <QString>
#include <QStringList>

// Code strings ("1.1|1.6.2|") and the list entries that show them
// (description, a run of blanks, code).
namespace pwo {

// The codes of a code string: every piece between "|" but the last, trimmed.
// A string that does not end in "|" therefore loses its last code.
QStringList codesOf(const QString &codeString);
// description + `blanks` blanks + code.
QString entryText(const QString &description, int blanks, const QString &code);
// The code of an entry: its last ten characters, trimmed.
QString codeOfEntry(const QString &entry);
// The code string of entries in their order: each code followed by "|".
QString codeStringOf(const QStringList &entries);

} // namespace pwo
