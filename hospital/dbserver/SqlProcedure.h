#pragma once

#include "ProcedureRegistry.h"

#include <QString>

namespace hospital::dbserver {

// A procedure written in SQL. The file starts with its parameter list, as the
// server declares one:
//   -- parameters: @IdNum varchar(20), @Unused varchar(20) = ''
// and the body uses the parameters by name (@IdNum). Arguments arrive in
// order and are converted to the declared types: varchar, int, money/decimal/
// float, datetime (sent as mm/dd/yyyy or ISO text; stored as yyyy-mm-dd hh:mm:ss).
class SqlProcedure : public Procedure {
public:
    struct Parameter {
        QString name;       // with its @
        QString type;       // lower case, without a length
        bool hasDefault = false;
        pwo::Value defaultValue;
    };

    static std::unique_ptr<SqlProcedure> fromFile(const QString &path);
    SqlProcedure(QString name, std::vector<Parameter> parameters, QString body);

    void run(StatementRunner &runner, const std::vector<pwo::Value> &arguments, pwo::BatchResult &into) const override;
    const std::vector<Parameter> &parameters() const { return parameters_; }

private:
    pwo::Value converted(const Parameter &parameter, const pwo::Value &argument) const;

    QString name_;
    std::vector<Parameter> parameters_;
    QString body_;
};

} // namespace hospital::dbserver
