#include "ProgramState.h"

#include <memory>

namespace pwo {

namespace {

std::unique_ptr<ProgramState> &stateHolder()
{
    static std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    return state;
}

} // namespace

ProgramState &programState()
{
    return *stateHolder();
}

void startProgramStateAfresh()
{
    stateHolder() = std::make_unique<ProgramState>();
}

} // namespace pwo
