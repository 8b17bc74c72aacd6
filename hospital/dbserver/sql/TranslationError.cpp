#include "TranslationError.h"

namespace hospital::dbserver {

namespace {
QString composeMessage(const QString &reason, QStringView statement)
{
    return QStringLiteral("The stand-in server cannot run this statement (%1): %2").arg(reason, statement);
}
} // namespace

TranslationError::TranslationError(const QString &reason, QStringView statement)
    : std::runtime_error(composeMessage(reason, statement).toStdString()),
      reason_(reason),
      statement_(statement.toString()),
      message_(composeMessage(reason, statement))
{
}

} // namespace hospital::dbserver
