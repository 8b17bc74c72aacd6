#pragma once

#include "Statements.h"
#include "TranslationError.h"

#include <QString>

#include <unordered_map>
#include <vector>

namespace hospital::dbserver {

// Turns one T-SQL batch, as the client sends it, into procedure calls and
// SQLite statements. Not thread-safe: one translator per session.
class BatchTranslator {
public:
    // The batch's statements in order. Throws TranslationError for anything not
    // understood; nothing is returned half translated. The reference stays valid
    // until the next call.
    const std::vector<Statement> &translate(const QString &batch);

    static constexpr std::size_t CacheLimit = 4096;
    std::size_t cachedBatches() const { return cache_.size(); }

private:
    // Nodes keep their address when the table grows, so returned references
    // survive later insertions.
    std::unordered_map<QString, std::vector<Statement>> cache_;
};

// The uncached translation.
std::vector<Statement> translateBatch(QStringView batch);

} // namespace hospital::dbserver
