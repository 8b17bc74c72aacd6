#include "RatingRows.h"

#include "core/Prompter.h"
#include "core/modGlobals.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

#include <optional>

namespace pwo {

namespace {

std::optional<Value> idOfCode(Connection &connection, const QString &codesTable, int code)
{
    Recordset codes;
    codes.setCursorLocation(adUseClient);
    codes.Open(QStringLiteral("Select ID from %1 where code = %2").arg(codesTable, sql::quoted(QString::number(code))),
               connection, adOpenDynamic, adLockReadOnly, -1);
    std::optional<Value> id;
    if (codes.RecordCount() > 0)
        id = codes.value(QStringLiteral("ID"));
    codes.Close();
    return id;
}

void writeRatingRow(Connection &connection, const RatingTables &tables, const QString &hospNum, const Value &id,
                    const QStringList &values)
{
    Recordset row;
    row.setCursorLocation(adUseClient);
    row.Open(QStringLiteral(" SELECT a.* FROM %1 a ").arg(tables.ratingsTable)
                 + QStringLiteral(" where a.hospnum = %1  ").arg(sql::quoted(hospNum))
                 + QStringLiteral(" and a.description = %1").arg(sql::quoted(id.text())),
             connection, adOpenDynamic, adLockOptimistic, -1);
    if (row.RecordCount() == 0) {
        row.AddNew();
        row.Fields(QStringLiteral("Hospnum")).setValue(hospNum);
    }
    row.Fields(QStringLiteral("Description")).setValue(id);
    for (qsizetype i = 0; i < tables.valueColumns.size(); ++i)
        row.Fields(tables.valueColumns[i]).setValue(values.value(i));
    row.Update();
    row.Close();
}

} // namespace

QList<int> saveRatingRows(const RatingTables &tables, const QString &hospNum, int codeCount,
                          const std::function<QStringList(int code)> &valuesOf)
{
    Connection &connection = *globals().CurrentUser->sqlconnection();
    QList<int> missing;
    connection.BeginTrans();
    try {
        for (int code = 0; code < codeCount; ++code) {
            const std::optional<Value> id = idOfCode(connection, tables.codesTable, code);
            if (!id) {
                missing.append(code);
                continue;
            }
            writeRatingRow(connection, tables, hospNum, *id, valuesOf(code));
        }
        connection.CommitTrans();
    } catch (...) {
        // Left open, the transaction would swallow every later statement of the session.
        if (connection.inTransaction())
            connection.RollbackTrans();
        throw;
    }
    return missing;
}

void reportMissingCodes(const QString &codeKind, const QList<int> &codes)
{
    if (codes.isEmpty())
        return;
    QStringList texts;
    for (int code : codes)
        texts.append(QString::number(code));
    showMessage(QStringLiteral("The ratings of %1 code %2 were not saved: the code is missing from the %1 table.")
                    .arg(codeKind, texts.join(QStringLiteral(", "))),
                QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Message"));
}

} // namespace pwo
