#include "hospital/dbserver/demo/DemoClassifications.h"

#include "hospital/dbserver/demo/DemoStatements.h"

namespace hospital::dbserver::demo {

namespace {

struct ClassRow {
    const char *code;
    const char *name;
};

// In display order, which is also the order the server keeps them in.
constexpr ClassRow classes[] = {
    {"A", "Financially capable (pays in full)"},
    {"B", "Partially capable (10% discount)"},
    {"C1", "Partially capable (25% discount)"},
    {"C2", "Financially limited (50% discount)"},
    {"C3", "Financially limited (75% discount)"},
    {"D", "Indigent (free service)"},
    // Billing grants the statutory senior discount itself, so the office's
    // fraction table has no row for this class.
    {"SC", "Senior citizen (discount given by billing)"},
};

struct FractionRow {
    const char *type;
    double procedures, supplies, medicines, room;
    double procedures2, supplies2, medicines2;
};

// Medicines get a little less than the rest below class D: the pharmacy's
// margin is thinner.
constexpr FractionRow fractions[] = {
    {"A", 0, 0, 0, 0, 0, 0, 0},
    {"B", 0.10, 0.10, 0.05, 0.10, 0.10, 0.10, 0.05},
    {"C1", 0.25, 0.25, 0.20, 0.25, 0.25, 0.25, 0.20},
    {"C2", 0.50, 0.50, 0.40, 0.50, 0.50, 0.50, 0.40},
    {"C3", 0.75, 0.75, 0.60, 0.75, 0.75, 0.75, 0.60},
    {"D", 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0},
};

struct CategoryRow {
    const char *code;
    const char *category;
};

constexpr CategoryRow categories[] = {
    {"01", "Medical Assistance"},     {"02", "Financial Assistance"},   {"03", "Abandoned/Neglected"},
    {"04", "Senior Citizen"},         {"05", "Person with Disability"}, {"06", "Victim of Abuse"},
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

void writeClassifications(sqlite3 *db)
{
    RowInserter schemeRows(db, QStringLiteral("PWO.tbPWOClassificationScheme"),
                           {QStringLiteral("Code"), QStringLiteral("Classification")});
    for (const ClassRow &row : classes)
        schemeRows.insert({text(row.code), text(row.name)});

    RowInserter fractionRows(db, QStringLiteral("PWO.tbPWOClassification"),
                             {QStringLiteral("Type"), QStringLiteral("Procedures"), QStringLiteral("Supplies"),
                              QStringLiteral("Medicines"), QStringLiteral("Room"), QStringLiteral("Procedures2"),
                              QStringLiteral("Supplies2"), QStringLiteral("Medicines2")});
    for (const FractionRow &row : fractions)
        fractionRows.insert({text(row.type), row.procedures, row.supplies, row.medicines, row.room, row.procedures2,
                             row.supplies2, row.medicines2});

    RowInserter categoryRows(db, QStringLiteral("PWO.tbPWOCaseCategory"),
                             {QStringLiteral("Code"), QStringLiteral("category")});
    for (const CategoryRow &row : categories)
        categoryRows.insert({text(row.code), text(row.category)});
}

} // namespace hospital::dbserver::demo
