#include "StandInSession.h"

#include "DatabaseSet.h"
#include "ServerErrorNumbers.h"
#include "ServerFaults.h"
#include "SqliteErrors.h"

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {
const QString serverSource = QStringLiteral("Stand-in server");

sqlite3 *connect(const QString &folder)
{
    if (ServerFaults::instance().serverDown())
        throw pwo::DatabaseError(ServerError::ServerUnavailable,
                                 QStringLiteral("SQL Server does not exist or access denied."), serverSource);
    return openDatabaseSet(folder, DatabaseSetMode::OpenExisting);
}
} // namespace

StandInSession::StandInSession(const QString &folder, std::shared_ptr<const ProcedureRegistry> procedures)
    : db_(connect(folder)),
      runner_(std::make_unique<StatementRunner>(db_)),
      procedures_(std::move(procedures))
{
}

StandInSession::~StandInSession()
{
    runner_.reset();  // its statements must go before the connection
    sqlite3_close(db_);
}

pwo::BatchResult StandInSession::run(const QString &batch)
{
    admit(batch);
    pwo::BatchResult result;
    try {
        runBatch(batch, result);
    } catch (const pwo::DatabaseError &error) {
        // The server ends the victim's transaction itself; should that fail,
        // the caller's rollback ends it and reports why.
        if (error.number() == ServerError::Deadlock && !sqlite3_get_autocommit(db_))
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return result;
}

void StandInSession::runBatch(const QString &batch, pwo::BatchResult &into)
{
    const std::vector<Statement> *statements = nullptr;
    try {
        statements = &translator_.translate(batch);
    } catch (const TranslationError &error) {
        throw pwo::DatabaseError(ServerError::NotTranslatable, error.message(), serverSource);
    }
    for (const Statement &statement : *statements) {
        if (const auto *procedure = std::get_if<ProcedureCall>(&statement))
            call(*procedure, into);
        else
            runner_->run(std::get<SqlStatement>(statement).sqlite, into);
    }
}

void StandInSession::admit(const QString &statement)
{
    if (lost_)
        loseConnection();
    const auto fault = ServerFaults::instance().faultFor(++statements_, statement);
    if (!fault)
        return;
    if (fault->drop)
        loseConnection();
    throw pwo::DatabaseError(fault->number, fault->text, serverSource);
}

void StandInSession::loseConnection()
{
    // As when the server drops a session: its open transaction is rolled back.
    if (!lost_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    lost_ = true;
    throw pwo::DatabaseError(ServerError::ConnectionLost,
                             QStringLiteral("A transport-level error has occurred when sending the request to the "
                                            "server. (An existing connection was forcibly closed by the remote host.)"),
                             serverSource);
}

void StandInSession::call(const ProcedureCall &procedure, pwo::BatchResult &into)
{
    const QString database = procedure.database.isEmpty() ? defaultDatabase_ : procedure.database;
    const Procedure *found = procedures_->find(database, procedure.name);
    if (!found)
        throw pwo::DatabaseError(ServerError::ProcedureNotFound,
                                 QStringLiteral("Could not find stored procedure '%1'.")
                                     .arg(procedure.database.isEmpty() ? procedure.name
                                                                       : procedure.database + QStringLiteral("..") + procedure.name),
                                 serverSource);
    found->run(*runner_, procedure.arguments, into);
}

void StandInSession::execute(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db_));
        sqlite3_free(message);
        throw serverError(db_, text);
    }
}

// Deferred, as the server's own: the write lock is taken at the first write,
// so a desk that only reads inside a transaction never holds up the other.
void StandInSession::beginTransaction()
{
    admit(QStringLiteral("BEGIN TRANSACTION"));
    execute("BEGIN");
}

void StandInSession::commit()
{
    admit(QStringLiteral("COMMIT TRANSACTION"));
    execute("COMMIT");
}

void StandInSession::rollback()
{
    if (lost_)
        loseConnection();
    // A deadlock victim's transaction is already gone.
    if (!sqlite3_get_autocommit(db_))
        execute("ROLLBACK");
}

void StandInSession::setDefaultDatabase(const QString &name)
{
    for (const QString &known : databaseNames())
        if (known.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            defaultDatabase_ = known;
            return;
        }
    throw pwo::DatabaseError(ServerError::DatabaseNotFound, QStringLiteral("Database '%1' does not exist. Make sure that the name is entered correctly.")
                                      .arg(name),
                             serverSource);
}

} // namespace hospital::dbserver
