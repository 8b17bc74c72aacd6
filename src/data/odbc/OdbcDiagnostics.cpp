#include "OdbcDiagnostics.h"

#include "OdbcText.h"

#include <algorithm>

namespace pwo::odbc {

namespace {

const QString Source = QStringLiteral("ODBC");

} // namespace

std::vector<ErrorInfo> diagnostics(SQLSMALLINT handleType, SQLHANDLE handle)
{
    std::vector<ErrorInfo> errors;
    if (handle == SQL_NULL_HANDLE)
        return errors;
    std::vector<SQLWCHAR> message(1024);
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        auto read = [&] {
            return SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                  static_cast<SQLSMALLINT>(message.size()), &length);
        };
        SQLRETURN rc = read();
        if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
            message.resize(static_cast<std::size_t>(length) + 1);
            rc = read();
        }
        if (!succeeded(rc))
            return errors;
        const qsizetype stateLength = std::find(state, state + 5, SQLWCHAR{0}) - state;
        errors.push_back({native, fromSqlWideBuffer(message, length), Source, fromSqlWide(state, stateLength)});
    }
}

void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char *call)
{
    if (succeeded(rc))
        return;
    std::vector<ErrorInfo> errors = diagnostics(handleType, handle);
    if (errors.empty()) {
        const QString text = QStringLiteral("%1 failed with return code %2 and left no diagnostic record")
                                 .arg(QLatin1StringView(call))
                                 .arg(rc);
        errors.push_back({0, text, Source, QString()});
    }
    throw DatabaseError(std::move(errors));
}

} // namespace pwo::odbc
