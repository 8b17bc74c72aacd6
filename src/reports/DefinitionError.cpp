#include "DefinitionError.h"

#include <QDir>

namespace pwo::reports {

QString displayPath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

namespace {
std::string describe(const QString &file, int line, const QString &reason)
{
    const QString where = line > 0 ? QStringLiteral("%1, line %2").arg(displayPath(file)).arg(line)
                                   : displayPath(file);
    return QStringLiteral("Report %1: %2").arg(where, reason).toStdString();
}
} // namespace

DefinitionError::DefinitionError(const QString &file, int line, const QString &reason)
    : std::runtime_error(describe(file, line, reason)), file_(file), line_(line), reason_(reason)
{
}

LineError::LineError(int line, const QString &reason)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(reason).toStdString()), line_(line),
      reason_(reason)
{
}

} // namespace pwo::reports
