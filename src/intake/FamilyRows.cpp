#include "FamilyRows.h"

#include "core/modGlobals.h"
#include "data/Connection.h"
#include "data/SqlText.h"

#include <QLocale>

#include <cmath>
#include <stdexcept>

namespace pwo {

namespace {

const char *const columnCaptions[familyTypedColumns] = {"Family Member", "Relationship", "Age", "Civil Status",
                                                       "Educ'l Attainment", "Address", "Occupation", "Income"};

std::optional<QString> overlongCell(const QStringList &row, int memberRow)
{
    for (int column = 0; column < familyTypedColumns; ++column) {
        const int width = familyColumnWidths[column];
        if (width > 0 && row.value(column).size() > width)
            return QStringLiteral("Family member row %1, %2: %3 characters, at most %4 fit. Shorten it before saving.")
                .arg(memberRow)
                .arg(QString::fromLatin1(columnCaptions[column]))
                .arg(row.value(column).size())
                .arg(width);
    }
    return std::nullopt;
}

} // namespace

std::optional<double> amountOf(const QString &text)
{
    bool ok = false;
    const double amount = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(amount))
        return std::nullopt;
    return amount;
}

bool isEmptyMemberRow(const QStringList &row)
{
    for (int column = 0; column < familyTypedColumns; ++column) {
        if (!row.value(column).isEmpty())
            return false;
    }
    return true;
}

std::optional<QString> familyRowsProblem(const QList<QStringList> &rows)
{
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        if (isEmptyMemberRow(row))
            continue;
        const int memberRow = int(r) + 1;
        for (int column = 0; column < familyTypedColumns; ++column) {
            if (row.value(column).isEmpty())
                return QStringLiteral("Family member row %1 is incomplete: fill in every column or empty the row.")
                    .arg(memberRow);
        }
        if (!amountOf(row.value(familyIncomeColumn)))
            return QStringLiteral("The income of family member row %1 is not a number.").arg(memberRow);
        if (std::optional<QString> overlong = overlongCell(row, memberRow))
            return overlong;
    }
    return std::nullopt;
}

void storeFamily(const QList<QStringList> &rows, const QString &totalText, const QString &clearKey,
                 const QString &hospNum)
{
    // The window checks first; clearing a family that cannot be stored again would lose it.
    if (const std::optional<QString> problem = familyRowsProblem(rows))
        throw std::runtime_error(problem->toStdString());
    const QString total = sql::numberText(amountOf(totalText).value_or(0.0));

    Connection &connection = *globals().Connection;
    connection.BeginTrans();
    try {
        connection.Execute(QStringLiteral("PWO..sp_PWO_ClearFamilyComposition ") + sql::quoted(clearKey), nullptr, -1);
        for (const QStringList &row : rows) {
            if (isEmptyMemberRow(row))
                continue;
            QStringList arguments{hospNum};
            arguments += row.mid(0, familyIncomeColumn);
            arguments << sql::numberText(*amountOf(row[familyIncomeColumn])) << total;
            connection.Execute(QStringLiteral("PWO..sp_PWO_SaveFamilyComposition ") + sql::quotedList(arguments),
                               nullptr, -1);
        }
        connection.CommitTrans();
    } catch (...) {
        // A family cleared and half stored again is worse than the one before.
        if (connection.inTransaction())
            connection.RollbackTrans();
        throw;
    }
}

} // namespace pwo
