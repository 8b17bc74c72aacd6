// One statement through the stand-in's procedure-call parser alone.
#include "hospital/dbserver/sql/ProcedureCallParser.h"
#include "hospital/dbserver/sql/TranslationError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace hospital::dbserver;
    const QString statement = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::vector<Token> tokens = tokenize(statement);
    try {
        TokenCursor cursor(tokens, statement);
        parseProcedureCall(cursor);
    } catch (const TranslationError &) {
        // refusing a call is the right answer to most inputs
    }
    return 0;
}
