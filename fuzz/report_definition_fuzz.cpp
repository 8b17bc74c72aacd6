// The text of a report-definition file through the definition parser.
#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        pwo::reports::parseDefinition(text, QStringLiteral("fuzz.rpt"));
    } catch (const pwo::reports::DefinitionError &) {
        // refusing a definition is the right answer to most inputs
    }
    return 0;
}
