#include "StandInSession.h"

#include "DatabaseSet.h"
#include "SqliteErrors.h"

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {
const QString serverSource = QStringLiteral("Stand-in server");
}

StandInSession::StandInSession(const QString &folder, std::shared_ptr<const ProcedureRegistry> procedures)
    : db_(openDatabaseSet(folder, DatabaseSetMode::OpenExisting)),
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
    const std::vector<Statement> *statements = nullptr;
    try {
        statements = &translator_.translate(batch);
    } catch (const TranslationError &error) {
        throw pwo::DatabaseError(50010, error.message(), serverSource);
    }
    pwo::BatchResult result;
    for (const Statement &statement : *statements) {
        if (const auto *procedure = std::get_if<ProcedureCall>(&statement))
            call(*procedure, result);
        else
            runner_->run(std::get<SqlStatement>(statement).sqlite, result);
    }
    return result;
}

void StandInSession::call(const ProcedureCall &procedure, pwo::BatchResult &into)
{
    const QString database = procedure.database.isEmpty() ? defaultDatabase_ : procedure.database;
    const Procedure *found = procedures_->find(database, procedure.name);
    if (!found)
        throw pwo::DatabaseError(2812,
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

void StandInSession::beginTransaction()
{
    execute("BEGIN");
}

void StandInSession::commit()
{
    execute("COMMIT");
}

void StandInSession::rollback()
{
    execute("ROLLBACK");
}

void StandInSession::setDefaultDatabase(const QString &name)
{
    for (const QString &known : databaseNames())
        if (known.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            defaultDatabase_ = known;
            return;
        }
    throw pwo::DatabaseError(911, QStringLiteral("Database '%1' does not exist. Make sure that the name is entered correctly.")
                                      .arg(name),
                             serverSource);
}

} // namespace hospital::dbserver
