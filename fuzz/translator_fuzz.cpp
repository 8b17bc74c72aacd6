// A batch as the client sends it, through the whole translator.
#include "hospital/dbserver/sql/BatchTranslator.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString batch = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        hospital::dbserver::translateBatch(batch);
    } catch (const hospital::dbserver::TranslationError &) {
        // refusing a batch is the right answer to most inputs
    }
    return 0;
}
