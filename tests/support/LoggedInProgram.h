#pragma once

#include "ProgramUnderTest.h"

#include <gtest/gtest.h>

// The program logged in as demo, with the objects that live as long as the
// program made fresh (as in a new program) and the trace emptied of the
// start-up's statements.
class LoggedInProgram : public ::testing::Test {
protected:
    void SetUp() override;

    // Every statement a test caused, with how it was sent.
    const std::deque<pwo::TracedStatement> &trace() const { return program.trace(); }
    QStringList sent() const { return program.statementTexts(); }

    ProgramUnderTest program;
};
