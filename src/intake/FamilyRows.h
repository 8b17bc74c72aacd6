#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pwo {

// The rules of the family grid's member rows, and their storing.

// The columns of a member that are typed (member to income); the grid's
// last column is never stored from the grid.
constexpr int familyTypedColumns = 8;
constexpr int familyIncomeColumn = 7;

// The width of each typed column's parameter in sp_PWO_SaveFamilyComposition;
// 0 for the income, which goes as an amount.
constexpr int familyColumnWidths[familyTypedColumns] = {100, 30, 10, 20, 50, 200, 50, 0};

// An income or total as typed: a plain decimal number, blanks around it
// allowed. Empty or anything else gives nothing.
std::optional<double> amountOf(const QString &text);

// Why the members cannot be stored, naming the first bad row (1 = the
// first member); nothing when they can. Rows with every typed column empty
// are left out of the family wherever they stand.
std::optional<QString> familyRowsProblem(const QList<QStringList> &rows);

bool isEmptyMemberRow(const QStringList &row);

// Replaces the family stored under clearKey with the rows (empty rows left
// out) under hospNum, each with the total, in one transaction. Rows with a
// problem are refused before anything is cleared.
void storeFamily(const QList<QStringList> &rows, const QString &totalText, const QString &clearKey,
                 const QString &hospNum);

} // namespace pwo
