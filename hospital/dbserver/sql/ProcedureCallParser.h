#pragma once

#include "Statements.h"
#include "TokenCursor.h"

namespace hospital::dbserver {

// [EXEC] [Db..]name [literal {, literal}] where a literal is quoted text, a
// number (optionally negative) or NULL.
ProcedureCall parseProcedureCall(TokenCursor &cursor);

} // namespace hospital::dbserver
