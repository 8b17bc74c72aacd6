#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace hospital::dbserver::testing {

QString sqliteOf(const QString &batch)
{
    const std::vector<Statement> statements = translateBatch(batch);
    if (statements.size() != 1 || !std::holds_alternative<SqlStatement>(statements.front())) {
        ADD_FAILURE() << "expected one SQL statement from " << batch.toStdString();
        return {};
    }
    return std::get<SqlStatement>(statements.front()).sqlite;
}

ProcedureCall callOf(const QString &batch)
{
    const std::vector<Statement> statements = translateBatch(batch);
    if (statements.size() != 1 || !std::holds_alternative<ProcedureCall>(statements.front())) {
        ADD_FAILURE() << "expected one procedure call from " << batch.toStdString();
        return {};
    }
    return std::get<ProcedureCall>(statements.front());
}

QString refusalOf(const QString &batch, const QString &quoted)
{
    try {
        translateBatch(batch);
    } catch (const TranslationError &error) {
        const QString expectedMessage = QStringLiteral("The stand-in server cannot run this statement (%1): %2")
                                            .arg(error.reason(), quoted);
        EXPECT_EQ(error.message(), expectedMessage);
        EXPECT_EQ(QString::fromStdString(error.what()), expectedMessage);
        return error.reason();
    }
    ADD_FAILURE() << "accepted: " << batch.toStdString();
    return {};
}

} // namespace hospital::dbserver::testing
