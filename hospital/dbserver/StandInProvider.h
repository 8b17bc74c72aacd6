#pragma once

#include <QString>

namespace hospital::dbserver {

// Connection strings that reach the stand-in server name it as provider:
//   Provider=PWO.StandIn;Data Source=<database folder>
inline const QString standInProvider = QStringLiteral("PWO.StandIn");

QString standInConnectionString(const QString &folder);

class ProcedureRegistry;

// Makes Connection::Open accept stand-in connection strings; sessions opened
// from then on use the given procedures (tests replace some).
void registerStandInProvider();
void registerStandInProvider(const ProcedureRegistry &procedures);

} // namespace hospital::dbserver
