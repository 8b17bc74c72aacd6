#pragma once

#include "data/ServerSession.h"
#include "data/Value.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace hospital::dbserver {

class StatementRunner;

// A stored procedure of the stand-in: SQL from a file, or C++ where it
// needs logic.
class Procedure {
public:
    virtual ~Procedure() = default;
    virtual void run(StatementRunner &runner, const std::vector<pwo::Value> &arguments,
                     pwo::BatchResult &into) const = 0;
};

// Procedures by database and name, both case-insensitive as on the server.
class ProcedureRegistry {
public:
    // Every procedure the stand-in has: the SQL files embedded under
    // :/procedures/<DATABASE>/<name>.sql.
    static const ProcedureRegistry &standard();

    void add(const QString &database, const QString &name, std::unique_ptr<Procedure> procedure);
    const Procedure *find(const QString &database, const QString &name) const;
    QStringList names() const;

private:
    QHash<QString, std::shared_ptr<Procedure>> procedures_;
};

// The standard registry, shared without being owned.
std::shared_ptr<const ProcedureRegistry> standardProcedures();

} // namespace hospital::dbserver
