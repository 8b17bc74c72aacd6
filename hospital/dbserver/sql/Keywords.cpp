#include "Keywords.h"

#include "AsciiUpper.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace hospital::dbserver {

namespace {

const std::unordered_map<std::string_view, Keyword> &reservedWords()
{
    static const std::unordered_map<std::string_view, Keyword> words = [] {
        std::unordered_map<std::string_view, Keyword> table{
            {"ALL", Keyword::All},         {"AND", Keyword::And},
            {"AS", Keyword::As},           {"ASC", Keyword::Asc},
            {"BETWEEN", Keyword::Between}, {"BY", Keyword::By},
            {"CASE", Keyword::Case},       {"CAST", Keyword::Cast},
            {"COALESCE", Keyword::Coalesce}, {"CONVERT", Keyword::Convert},
            {"CROSS", Keyword::Cross},     {"DELETE", Keyword::Delete},
            {"DESC", Keyword::Desc},       {"DISTINCT", Keyword::Distinct},
            {"ELSE", Keyword::Else},       {"END", Keyword::End},
            {"ESCAPE", Keyword::Escape},   {"EXEC", Keyword::Exec},
            {"EXECUTE", Keyword::Execute}, {"EXISTS", Keyword::Exists},
            {"FROM", Keyword::From},       {"FULL", Keyword::Full},
            {"GROUP", Keyword::Group},     {"HAVING", Keyword::Having},
            {"IN", Keyword::In},           {"INNER", Keyword::Inner},
            {"INSERT", Keyword::Insert},   {"INTO", Keyword::Into},
            {"IS", Keyword::Is},           {"JOIN", Keyword::Join},
            {"LEFT", Keyword::Left},       {"LIKE", Keyword::Like},
            {"NOT", Keyword::Not},         {"NULL", Keyword::Null},
            {"NULLIF", Keyword::Nullif},   {"ON", Keyword::On},
            {"OR", Keyword::Or},           {"ORDER", Keyword::Order},
            {"OUTER", Keyword::Outer},     {"PERCENT", Keyword::Percent},
            {"RIGHT", Keyword::Right},     {"SELECT", Keyword::Select},
            {"SET", Keyword::Set},         {"THEN", Keyword::Then},
            {"TOP", Keyword::Top},         {"UNION", Keyword::Union},
            {"UPDATE", Keyword::Update},   {"VALUES", Keyword::Values},
            {"WHEN", Keyword::When},       {"WHERE", Keyword::Where},
            {"WITH", Keyword::With},
        };
        for (std::string_view other :
             {"ADD", "ALTER", "ANY", "AUTHORIZATION", "BACKUP", "BEGIN", "BREAK", "BROWSE", "BULK",
              "CASCADE", "CHECK", "CHECKPOINT", "CLOSE", "CLUSTERED", "COLLATE", "COLUMN", "COMMIT",
              "COMPUTE", "CONSTRAINT", "CONTAINS", "CONTAINSTABLE", "CONTINUE", "CREATE", "CURRENT",
              "CURRENT_DATE", "CURRENT_TIME", "CURRENT_TIMESTAMP", "CURRENT_USER", "CURSOR",
              "DATABASE", "DBCC", "DEALLOCATE", "DECLARE", "DEFAULT", "DENY", "DISK", "DISTRIBUTED",
              "DOUBLE", "DROP", "DUMP", "ERRLVL", "EXCEPT", "EXIT", "EXTERNAL", "FETCH", "FILE",
              "FILLFACTOR", "FOR", "FOREIGN", "FREETEXT", "FREETEXTTABLE", "FUNCTION", "GOTO",
              "GRANT", "HOLDLOCK", "IDENTITY", "IDENTITY_INSERT", "IDENTITYCOL", "IF", "INDEX",
              "INTERSECT", "KEY", "KILL", "LINENO", "LOAD", "MERGE", "NATIONAL", "NOCHECK",
              "NONCLUSTERED", "OF", "OFF", "OFFSETS", "OPEN", "OPENDATASOURCE", "OPENQUERY",
              "OPENROWSET", "OPENXML", "OPTION", "OVER", "PIVOT", "PLAN", "PRECISION", "PRIMARY",
              "PRINT", "PROC", "PROCEDURE", "PUBLIC", "RAISERROR", "READ", "READTEXT", "RECONFIGURE",
              "REFERENCES", "REPLICATION", "RESTORE", "RESTRICT", "RETURN", "REVERT", "REVOKE",
              "ROLLBACK", "ROWCOUNT", "ROWGUIDCOL", "RULE", "SAVE", "SCHEMA", "SECURITYAUDIT",
              "SESSION_USER", "SETUSER", "SHUTDOWN", "SOME", "STATISTICS", "SYSTEM_USER", "TABLE",
              "TABLESAMPLE", "TEXTSIZE", "TO", "TRAN", "TRANSACTION", "TRIGGER", "TRUNCATE",
              "TRY_CONVERT", "TSEQUAL", "UNIQUE", "UNPIVOT", "UPDATETEXT", "USE", "USER", "VARYING",
              "VIEW", "WAITFOR", "WHILE", "WITHIN", "WRITETEXT"})
            table.emplace(other, Keyword::Other);
        return table;
    }();
    return words;
}

} // namespace

Keyword keywordOf(QStringView word)
{
    const auto &words = reservedWords();
    const auto found = words.find(AsciiUpper(word).view());
    return found == words.end() ? Keyword::None : found->second;
}

bool sqliteReserves(QStringView word)
{
    static constexpr std::string_view words[] = {"AUTOINCREMENT", "DEFERRABLE", "ISNULL", "LIMIT", "NOTHING",
                                                 "NOTNULL",       "RAISE",      "RETURNING", "USING"};
    const AsciiUpper upper(word);
    return std::find(std::begin(words), std::end(words), upper.view()) != std::end(words);
}

} // namespace hospital::dbserver
