#include "OdbcResults.h"

#include "OdbcDiagnostics.h"
#include "OdbcText.h"

#include <QByteArray>

#include <optional>

namespace pwo::odbc {

namespace {

// Long values arrive in pieces of this many units; big enough that typical values take one call.
constexpr std::size_t PieceUnits = 4096;

struct Column {
    QString name;
    ColumnKind kind;
};

Column describeColumn(const Handle &statement, SQLUSMALLINT column)
{
    std::vector<SQLWCHAR> name(256);
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT sqlType = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    auto describe = [&] {
        return SQLDescribeColW(statement.get(), column, name.data(), static_cast<SQLSMALLINT>(name.size()),
                               &nameLength, &sqlType, &size, &digits, &nullable);
    };
    check(describe(), statement, "SQLDescribeColW");
    if (nameLength >= static_cast<SQLSMALLINT>(name.size())) {
        name.resize(static_cast<std::size_t>(nameLength) + 1);
        check(describe(), statement, "SQLDescribeColW");
    }
    return {fromSqlWideBuffer(name, nameLength), columnKindOf(sqlType)};
}

// A fixed-size value; empty for null.
template <typename T>
std::optional<T> readFixed(const Handle &statement, SQLUSMALLINT column, SQLSMALLINT cType)
{
    T value{};
    SQLLEN indicator = 0;
    check(SQLGetData(statement.get(), column, cType, &value, sizeof value, &indicator), statement, "SQLGetData");
    if (indicator == SQL_NULL_DATA)
        return std::nullopt;
    return value;
}

// A value of any length, read with SQLGetData until the driver has no more of it;
// terminatorUnits is what the driver keeps free at the end of each piece. Empty for null.
template <typename Unit>
std::optional<std::vector<Unit>> readPieces(const Handle &statement, SQLUSMALLINT column, SQLSMALLINT cType,
                                            std::size_t terminatorUnits)
{
    std::vector<Unit> value;
    std::vector<Unit> piece(PieceUnits);
    const auto room = static_cast<SQLLEN>((PieceUnits - terminatorUnits) * sizeof(Unit));
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement.get(), column, cType, piece.data(),
                                        static_cast<SQLLEN>(piece.size() * sizeof(Unit)), &indicator);
        if (rc == SQL_NO_DATA)
            return value;
        check(rc, statement, "SQLGetData");
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        const bool truncated = rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator > room);
        const SQLLEN bytes = truncated ? room : indicator;
        value.insert(value.end(), piece.begin(), piece.begin() + bytes / static_cast<SQLLEN>(sizeof(Unit)));
        if (!truncated)
            return value;
    }
}

QDateTime toDateTime(const SQL_TIMESTAMP_STRUCT &moment)
{
    constexpr SQLUINTEGER NanosecondsPerMillisecond = 1000000;
    return QDateTime(QDate(moment.year, moment.month, moment.day),
                     QTime(moment.hour, moment.minute, moment.second,
                           static_cast<int>(moment.fraction / NanosecondsPerMillisecond)));
}

Value readValue(const Handle &statement, SQLUSMALLINT column, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Integer:
        if (auto number = readFixed<SQLBIGINT>(statement, column, SQL_C_SBIGINT))
            return Value(static_cast<std::int64_t>(*number));
        return {};
    case ColumnKind::Real:
        if (auto number = readFixed<SQLDOUBLE>(statement, column, SQL_C_DOUBLE))
            return Value(static_cast<double>(*number));
        return {};
    case ColumnKind::DateTime:
        if (auto moment = readFixed<SQL_TIMESTAMP_STRUCT>(statement, column, SQL_C_TYPE_TIMESTAMP))
            return Value(toDateTime(*moment));
        return {};
    case ColumnKind::Text:
        if (auto text = readPieces<SQLWCHAR>(statement, column, SQL_C_WCHAR, 1))
            return Value(fromSqlWide(text->data(), static_cast<qsizetype>(text->size())));
        return {};
    case ColumnKind::Binary:
        if (auto bytes = readPieces<char>(statement, column, SQL_C_BINARY, 0))
            return Value(QString::fromLatin1(
                QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())).toHex().toUpper()));
        return {};
    }
    return {};
}

ResultSet fetchResultSet(const Handle &statement, SQLSMALLINT columnCount)
{
    ResultSet result;
    std::vector<ColumnKind> kinds;
    for (SQLUSMALLINT column = 1; column <= columnCount; ++column) {
        Column described = describeColumn(statement, column);
        result.columns << described.name;
        kinds.push_back(described.kind);
    }
    for (;;) {
        const SQLRETURN rc = SQLFetch(statement.get());
        if (rc == SQL_NO_DATA)
            return result;
        check(rc, statement, "SQLFetch");
        for (SQLUSMALLINT column = 1; column <= columnCount; ++column)
            result.appendValue(readValue(statement, column, kinds[column - 1]));
    }
}

// Takes the result the statement is positioned on: a result set, or the row count of a statement without one.
void collectCurrentResult(const Handle &statement, BatchResult &batch)
{
    SQLSMALLINT columnCount = 0;
    check(SQLNumResultCols(statement.get(), &columnCount), statement, "SQLNumResultCols");
    if (columnCount > 0) {
        batch.resultSets.push_back(fetchResultSet(statement, columnCount));
        return;
    }
    SQLLEN count = -1;
    check(SQLRowCount(statement.get(), &count), statement, "SQLRowCount");
    if (count >= 0)
        batch.rowsAffected = count;
}

} // namespace

ColumnKind columnKindOf(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_BIT:
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return ColumnKind::Integer;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
    case SQL_FLOAT:
    case SQL_REAL:
    case SQL_DOUBLE:
        return ColumnKind::Real;
    case SQL_DATE:
    case SQL_TIME:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
        return ColumnKind::DateTime;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return ColumnKind::Binary;
    default:
        return ColumnKind::Text;
    }
}

BatchResult executeBatch(const Handle &statement, const QString &batch)
{
    BatchResult result;
    std::vector<SQLWCHAR> text = toSqlWide(batch);
    const SQLRETURN executed = SQLExecDirectW(statement.get(), text.data(), static_cast<SQLINTEGER>(batch.size()));
    if (executed == SQL_NO_DATA) {
        result.rowsAffected = 0;  // a searched UPDATE or DELETE that matched no row
    } else {
        check(executed, statement, "SQLExecDirectW");
        collectCurrentResult(statement, result);
    }
    for (;;) {
        const SQLRETURN more = SQLMoreResults(statement.get());
        if (more == SQL_NO_DATA)
            return result;
        check(more, statement, "SQLMoreResults");
        collectCurrentResult(statement, result);
    }
}

} // namespace pwo::odbc
