#include "modGlobals.h"

#include "ProgramState.h"

#include <QDir>

namespace pwo {

Globals &globals()
{
    return programState().Globals;
}

QString reportFilePath(const QString &fileName)
{
    QString name = fileName;
    if (QDir::separator() != QLatin1Char('\\'))
        name.replace(QLatin1Char('\\'), QDir::separator());
    // The folder ends with a separator and the callers' names begin with one.
    const QString folder = globals().ReportFolder;
    if (folder.endsWith(QDir::separator()) && name.startsWith(QDir::separator()))
        name.remove(0, 1);
    return QDir::toNativeSeparators(folder + name);
}

} // namespace pwo
