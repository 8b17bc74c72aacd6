#include "ProgramLifetime.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace pwo {

ProgramLifetime &ProgramLifetime::instance()
{
    static ProgramLifetime lifetime;
    return lifetime;
}

ProgramLifetime::ProgramLifetime() : end_([] { QCoreApplication::quit(); })
{
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(this);
}

bool ProgramLifetime::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->isWindow() && !checkPending_) {
        checkPending_ = true;
        QTimer::singleShot(0, this, [this] {
            checkPending_ = false;
            checkForEnd();
        });
    }
    return false;
}

void ProgramLifetime::checkForEnd()
{
    if (startupDepth_ > 0)
        return;
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return;
    end_();
}

ProgramLifetime::StartupGuard::StartupGuard()
{
    ++instance().startupDepth_;
}

ProgramLifetime::StartupGuard::~StartupGuard()
{
    // A start-up that opened nothing ends the program once it has returned.
    if (--instance().startupDepth_ == 0)
        QTimer::singleShot(0, &instance(), [] { instance().checkForEnd(); });
}

} // namespace pwo
