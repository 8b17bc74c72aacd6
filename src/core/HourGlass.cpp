#include "HourGlass.h"

#include <QCursor>
#include <QGuiApplication>

namespace pwo {

HourGlass::HourGlass()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

HourGlass::~HourGlass()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace pwo
