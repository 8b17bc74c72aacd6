#pragma once

#include "data/Value.h"

#include <QString>

#include <variant>
#include <vector>

namespace hospital::dbserver {

struct ProcedureCall {
    QString database;                   // as written ("Billing"), empty when unqualified
    QString name;                       // as written
    std::vector<pwo::Value> arguments;  // text, whole numbers, decimals, or null
};

struct SqlStatement {
    QString sqlite;    // text to prepare
    bool returnsRows;  // SELECT, with or without UNION
};

using Statement = std::variant<ProcedureCall, SqlStatement>;

} // namespace hospital::dbserver
