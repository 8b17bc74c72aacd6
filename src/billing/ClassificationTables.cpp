#include "ClassificationTables.h"

#include "data/Recordset.h"
#include "data/SqlText.h"

namespace pwo {

namespace {

const QString schemeQuery = QStringLiteral(
    "SELECT isnull(Code,'') [Code], isnull(Classification,'') [Classification] FROM PWO..tbPWOClassificationScheme");

std::vector<ClassificationEntry> readClasses(Connection &connection, const QString &statement)
{
    Recordset classes;
    classes.OpenReadOnly(statement, connection);
    std::vector<ClassificationEntry> entries;
    while (!classes.Eof()) {
        entries.push_back({classes.Fields(QStringLiteral("Code")).Value().text(),
                           classes.Fields(QStringLiteral("Classification")).Value().text()});
        classes.MoveNext();
    }
    classes.Close();
    return entries;
}

} // namespace

std::vector<ClassificationEntry> classificationsByCode(Connection &connection)
{
    return readClasses(connection, schemeQuery + QStringLiteral(" ORDER BY Code"));
}

std::vector<ClassificationEntry> classificationsInServerOrder(Connection &connection)
{
    return readClasses(connection, schemeQuery);
}

DiscountFractions discountFractions(Connection &connection, const QString &classificationCode)
{
    Recordset rates;
    rates.OpenReadOnly(
        QStringLiteral("SELECT * FROM PWO..tbPWOClassification where Type = ") + sql::quoted(classificationCode),
        connection);
    DiscountFractions fractions;
    if (!rates.Eof()) {
        const auto fraction = [&rates](const char *column) {
            return rates.Fields(QString::fromLatin1(column)).Value().toNumber();
        };
        fractions = {fraction("Procedures"),  fraction("Supplies"),  fraction("Medicines"), fraction("Room"),
                     fraction("Procedures2"), fraction("Supplies2"), fraction("Medicines2")};
    }
    rates.Close();
    return fractions;
}

} // namespace pwo
