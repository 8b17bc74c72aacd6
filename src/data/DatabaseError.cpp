#include "DatabaseError.h"

namespace pwo {

namespace {
std::string firstDescription(const std::vector<ErrorInfo> &errors)
{
    return errors.empty() ? std::string("unknown database error") : errors.front().description.toStdString();
}
} // namespace

DatabaseError::DatabaseError(std::vector<ErrorInfo> errors)
    : std::runtime_error(firstDescription(errors)), errors_(std::move(errors))
{
    if (errors_.empty())
        errors_.push_back({-1, QStringLiteral("unknown database error"), QStringLiteral("Gateway"), {}});
}

DatabaseError::DatabaseError(long number, const QString &description, const QString &source)
    : DatabaseError(std::vector<ErrorInfo>{{number, description, source, {}}})
{
}

} // namespace pwo
