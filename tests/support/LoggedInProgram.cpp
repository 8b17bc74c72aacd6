#include "LoggedInProgram.h"

#include "data/StatementTrace.h"

using namespace pwo;

void LoggedInProgram::SetUp()
{
    program.startAs();
    ASSERT_NE(program.mainWindow(), nullptr);
    StatementTrace::instance().clear();
}
