#include "OdbcSession.h"

#include "OdbcApi.h"
#include "OdbcDiagnostics.h"
#include "OdbcResults.h"
#include "OdbcText.h"

#include <algorithm>

namespace pwo {

namespace {

odbc::Handle odbc3Environment()
{
    odbc::Handle environment(SQL_HANDLE_ENV, nullptr);
    const auto version = reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3);
    odbc::check(SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION, version, 0), environment, "SQLSetEnvAttr");
    return environment;
}

void connect(const odbc::Handle &connection, const QString &connectionString)
{
    std::vector<SQLWCHAR> text = odbc::toSqlWide(connectionString);
    odbc::check(SQLDriverConnectW(connection.get(), nullptr, text.data(), SQL_NTS, nullptr, 0, nullptr,
                                  SQL_DRIVER_NOPROMPT),
                connection, "SQLDriverConnectW");
}

// Drivers report these when they do not keep the attribute at all.
bool isUnsupportedAttribute(const std::vector<ErrorInfo> &errors)
{
    return !errors.empty() && std::all_of(errors.begin(), errors.end(), [](const ErrorInfo &error) {
        return error.sqlState == QLatin1StringView("HYC00") || error.sqlState == QLatin1StringView("HY092") ||
               error.sqlState == QLatin1StringView("IM001");
    });
}

QString attributeValue(const QString &value)
{
    static const QString Special = QStringLiteral("[]{}(),;?*=!@");
    const bool needsBraces = value != value.trimmed() ||
                             std::any_of(value.begin(), value.end(), [](QChar c) { return Special.contains(c); });
    if (!needsBraces)
        return value;
    QString escaped = value;
    return QLatin1Char('{') + escaped.replace(QLatin1Char('}'), QLatin1StringView("}}")) + QLatin1Char('}');
}

// SQLSTATE class 08: the connection failed or no longer exists.
bool saysConnectionLost(const DatabaseError &error)
{
    return std::any_of(error.errors().begin(), error.errors().end(),
                       [](const ErrorInfo &e) { return e.sqlState.startsWith(QLatin1StringView("08")); });
}

} // namespace

template <typename Call>
auto OdbcSession::watched(Call &&call)
{
    try {
        return call();
    } catch (const DatabaseError &error) {
        if (saysConnectionLost(error))
            lost_ = true;
        throw;
    }
}

OdbcSession::OdbcSession(const QString &connectionString)
    : environment_(odbc3Environment()), connection_(SQL_HANDLE_DBC, &environment_)
{
    connect(connection_, connectionString);
}

OdbcSession::~OdbcSession()
{
    // A destructor cannot report failures; rolling back an open transaction is
    // what lets the disconnect go through, and the handles are freed regardless.
    if (transactionOpen_)
        SQLEndTran(SQL_HANDLE_DBC, connection_.get(), SQL_ROLLBACK);
    SQLDisconnect(connection_.get());
}

BatchResult OdbcSession::run(const QString &batch)
{
    return watched([&] {
        const odbc::Handle statement(SQL_HANDLE_STMT, &connection_);
        return odbc::executeBatch(statement, batch);
    });
}

void OdbcSession::beginTransaction()
{
    watched([&] { setAutocommit(false); });
    transactionOpen_ = true;
}

void OdbcSession::commit() { endTransaction(SQL_COMMIT); }

void OdbcSession::rollback() { endTransaction(SQL_ROLLBACK); }

void OdbcSession::endTransaction(short completionType)
{
    // On failure autocommit stays off: turning it on would commit what is still open.
    watched([&] {
        odbc::check(SQLEndTran(SQL_HANDLE_DBC, connection_.get(), completionType), connection_, "SQLEndTran");
        transactionOpen_ = false;
        setAutocommit(true);
    });
}

void OdbcSession::setAutocommit(bool on)
{
    const SQLULEN mode = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    odbc::check(SQLSetConnectAttrW(connection_.get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(mode),
                                   SQL_IS_UINTEGER),
                connection_, "SQLSetConnectAttrW");
}

void OdbcSession::setDefaultDatabase(const QString &name)
{
    // Null-terminated rather than sized: unixODBC reads a given length as characters, not bytes, when
    // it hands the name to a driver without wide calls.
    std::vector<SQLWCHAR> text = odbc::toSqlWide(name);
    odbc::check(SQLSetConnectAttrW(connection_.get(), SQL_ATTR_CURRENT_CATALOG, text.data(), SQL_NTS), connection_,
                "SQLSetConnectAttrW");
    defaultDatabase_ = name;
}

QString OdbcSession::defaultDatabase() const
{
    std::vector<SQLWCHAR> text(256);
    SQLINTEGER bytes = 0;
    auto read = [&] {
        return SQLGetConnectAttrW(connection_.get(), SQL_ATTR_CURRENT_CATALOG, text.data(),
                                  static_cast<SQLINTEGER>(text.size() * sizeof(SQLWCHAR)), &bytes);
    };
    SQLRETURN rc = read();
    if (rc == SQL_SUCCESS_WITH_INFO && bytes >= static_cast<SQLINTEGER>(text.size() * sizeof(SQLWCHAR))) {
        text.resize(static_cast<std::size_t>(bytes) / sizeof(SQLWCHAR) + 1);
        rc = read();
    }
    if (rc == SQL_NO_DATA)
        return defaultDatabase_;
    if (!odbc::succeeded(rc)) {
        std::vector<ErrorInfo> errors = odbc::diagnostics(SQL_HANDLE_DBC, connection_.get());
        if (isUnsupportedAttribute(errors))
            return defaultDatabase_;
        odbc::check(rc, connection_, "SQLGetConnectAttrW");
    }
    const QString current = odbc::fromSqlWideBuffer(text, bytes / static_cast<SQLINTEGER>(sizeof(SQLWCHAR)));
    return current.isEmpty() ? defaultDatabase_ : current;
}

QString odbcConnectionString(const QString &connectionString, const QString &user, const QString &password)
{
    QString result = connectionString;
    auto add = [&result](QLatin1StringView keyword, const QString &value) {
        if (value.isEmpty())
            return;
        if (!result.trimmed().isEmpty() && !result.trimmed().endsWith(QLatin1Char(';')))
            result += QLatin1Char(';');
        result += keyword + QLatin1Char('=') + attributeValue(value);
    };
    add(QLatin1StringView("UID"), user);
    add(QLatin1StringView("PWD"), password);
    return result;
}

std::unique_ptr<ServerSession> openOdbcSession(const QString &connectionString, const QString &user,
                                               const QString &password)
{
    return std::make_unique<OdbcSession>(odbcConnectionString(connectionString, user, password));
}

} // namespace pwo
