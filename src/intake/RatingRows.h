#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace pwo {

// Where one kind of rating is stored: the table of the codes ("role" or
// "problem") and the patient's rating rows with their value columns.
struct RatingTables {
    QString codesTable;
    QString ratingsTable;
    QStringList valueColumns;
};

// Writes one rating row a code 0..codeCount-1 for the patient through the
// record set, adding it when the patient has none, in one transaction that
// is rolled back when a statement fails. A code missing from the codes table
// gets no row; those codes are returned.
QList<int> saveRatingRows(const RatingTables &tables, const QString &hospNum, int codeCount,
                          const std::function<QStringList(int code)> &valuesOf);

// Tells the worker which codes could not be stored, when there are any.
void reportMissingCodes(const QString &codeKind, const QList<int> &codes);

} // namespace pwo
