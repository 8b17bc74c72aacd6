#include "ScriptedPrompter.h"

#include "core/ErrorPolicy.h"
#include "data/DatabaseError.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace pwo;

namespace {

Prompt reported(const std::exception &failure)
{
    ScriptedPrompter prompter;
    Prompter::install(&prompter);
    reportUnhandledFailure(failure);
    Prompter::install(nullptr);
    return prompter.asked().value(0).prompt;
}

} // namespace

TEST(ErrorPolicy, AServerErrorShowsItsNumberAndDescription)
{
    const Prompt box = reported(DatabaseError(208, QStringLiteral("Invalid object name 'PWO..tbGone'.")));
    EXPECT_EQ(box.text, QStringLiteral("Error 208\n\nInvalid object name 'PWO..tbGone'."));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(box.details.isEmpty());
}

TEST(ErrorPolicy, ALongStatementGoesToTheDetailsSoTheBoxFitsTheScreen)
{
    const QString statement = QStringLiteral("SELECT ") + QStringLiteral("a, ").repeated(2000) + QStringLiteral("b");
    const QString description = QStringLiteral("The statement is not understood:\n") + statement;
    const Prompt box = reported(DatabaseError(102, description));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Error 102\n\nThe statement is not understood:")));
    EXPECT_LT(box.text.size(), 700);
    EXPECT_EQ(box.details, description);

    const Prompt manyLines = reported(DatabaseError(102, QStringLiteral("line\n").repeated(40)));
    EXPECT_LT(manyLines.text.count(QLatin1Char('\n')), 20);
}

TEST(ErrorPolicy, AFailureNotFromTheServerIsShownWithoutAnErrorNumber)
{
    const Prompt box = reported(std::runtime_error("The report file could not be written."));
    EXPECT_EQ(box.text, QStringLiteral("The report file could not be written."));
}
