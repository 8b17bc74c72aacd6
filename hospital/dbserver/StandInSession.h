#pragma once

#include "ProcedureRegistry.h"
#include "StatementRunner.h"
#include "sql/BatchTranslator.h"

#include "data/ServerSession.h"

#include <memory>

struct sqlite3;

namespace hospital::dbserver {

// One client connection to the stand-in server: its own SQLite connection
// over the folder's five databases, its translations and prepared statements.
class StandInSession : public pwo::ServerSession {
public:
    explicit StandInSession(const QString &folder,
                            std::shared_ptr<const ProcedureRegistry> procedures = standardProcedures());
    ~StandInSession() override;

    pwo::BatchResult run(const QString &batch) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    void setDefaultDatabase(const QString &name) override;
    QString defaultDatabase() const override { return defaultDatabase_; }
    bool connectionLost() const override { return lost_; }

private:
    void call(const ProcedureCall &procedure, pwo::BatchResult &into);
    void execute(const char *sql);
    // Counts the statement and lets the faults a test planned happen to it.
    void admit(const QString &statement);
    [[noreturn]] void loseConnection();
    void runBatch(const QString &batch, pwo::BatchResult &into);

    sqlite3 *db_;
    std::unique_ptr<StatementRunner> runner_;
    BatchTranslator translator_;
    std::shared_ptr<const ProcedureRegistry> procedures_;
    QString defaultDatabase_ = QStringLiteral("PWO");
    int statements_ = 0;
    bool lost_ = false;
};

} // namespace hospital::dbserver
