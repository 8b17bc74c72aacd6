#pragma once

#include "TokenCursor.h"

#include <QString>

#include <array>

namespace hospital::dbserver {

// A dotted name as written: PWO..tbX has three parts, the middle one omitted
// (nullptr). A trailing * counts as a part.
struct MultipartName {
    static constexpr std::size_t MaxParts = 4;
    std::array<const Token *, MaxParts> parts{};
    std::size_t count = 0;
    const Token *first = nullptr;
    const Token *last = nullptr;

    QStringView written() const { return sourceSpan(*first, *last); }
};

// Reads a name starting at the cursor (a name token must be there).
MultipartName readMultipartName(TokenCursor &cursor, bool allowStar);

// Table names: Db..t and Db.dbo.t -> Db.t, dbo.t -> t; Db must be a known database.
QString sqliteTableName(const MultipartName &name, const TokenCursor &cursor);
// Column references: t.col unchanged, Db..t.col -> Db.t.col.
QString sqliteColumnName(const MultipartName &name, const TokenCursor &cursor);

struct ProcedureName {
    QString database;  // as written, empty when not given
    QString name;
};
ProcedureName procedureName(const MultipartName &name, const TokenCursor &cursor);

} // namespace hospital::dbserver
