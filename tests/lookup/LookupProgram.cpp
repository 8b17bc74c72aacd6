#include "LookupProgram.h"

#include "data/StatementTrace.h"

using namespace pwo;

void LookupProgram::SetUp()
{
    program.startAs();
    ASSERT_NE(program.mainWindow(), nullptr);
    StatementTrace::instance().clear();
}
