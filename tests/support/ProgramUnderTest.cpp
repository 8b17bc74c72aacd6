#include "ProgramUnderTest.h"

#include "hospital/components/HospitalComponents.h"
#include "hospital/dbserver/ServerFaults.h"
#include "hospital/dbserver/StandInProvider.h"

#include "core/ProgramState.h"
#include "frame/ProgramLifetime.h"
#include "frame/mdiPWO.h"
#include "frame/modMain.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace pwo;

ProgramUnderTest::ProgramUnderTest(const ComponentMaker &makeComponents)
    : components_(makeComponents ? makeComponents(database_.folder())
                                 : std::make_unique<hospital::components::HospitalComponents>(database_.folder()))
{
    qunsetenv("PWO_SERVER");
    hospital::dbserver::registerStandInProvider();
    // Everything that lives as long as the program starts afresh with it.
    startProgramStateAfresh();
    globals().Components = components_.get();
    Prompter::install(&prompter_);
    ProgramLifetime::instance().setEndAction([this] { ended_ = true; });
    StatementTrace::instance().clear();
    qApp->installEventFilter(this);
}

ProgramUnderTest::~ProgramUnderTest()
{
    qApp->removeEventFilter(this);
    unloadMainWindow();
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    settle();
    ProgramLifetime::instance().setEndAction([] {});
    Prompter::install(nullptr);
    startProgramStateAfresh();
    hospital::dbserver::ServerFaults::instance().clear();
}

void ProgramUnderTest::scriptLogin(const QString &user, const QString &password)
{
    logins_.push_back({false, user, password});
}

void ProgramUnderTest::scriptLoginCancel()
{
    logins_.push_back({true, {}, {}});
}

void ProgramUnderTest::start()
{
    RunStartup();
    settle();
}

void ProgramUnderTest::startAs(const QString &user, const QString &password)
{
    scriptLogin(user, password);
    start();
}

bool ProgramUnderTest::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("frmLogin")) {
        auto *dialog = static_cast<QWidget *>(watched);
        QTimer::singleShot(0, this, [this, dialog] { answerLogin(dialog); });
    }
    return false;
}

void ProgramUnderTest::answerLogin(QWidget *dialog)
{
    if (logins_.empty()) {
        ADD_FAILURE() << "a login dialog appeared that the test did not script";
        logins_.push_back({true, {}, {}});
    }
    const LoginAnswer answer = logins_.front();
    logins_.pop_front();
    if (answer.cancel) {
        dialog->findChild<QAbstractButton *>(QStringLiteral("cmdCancel"))->click();
        return;
    }
    dialog->findChild<QLineEdit *>(QStringLiteral("txtEmployeeCode"))->setText(answer.user);
    dialog->findChild<QLineEdit *>(QStringLiteral("txtPassword"))->setText(answer.password);
    dialog->findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
}

mdiPWO *ProgramUnderTest::mainWindow() const
{
    return pwo::mainWindow();
}

QWidget *ProgramUnderTest::window(const QString &name) const
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (top->objectName() == name)
            return top;
        for (QWidget *child : top->findChildren<QWidget *>(name))
            if (child->isVisible())
                return child;
    }
    return nullptr;
}

void ProgramUnderTest::fireTimer(const QString &timerName)
{
    mdiPWO *frame = mainWindow();
    if (!frame)
        throw std::logic_error("no main window to fire a timer of");
    auto *timer = frame->findChild<QTimer *>(timerName);
    if (!timer)
        throw std::logic_error("no such timer: " + timerName.toStdString());
    // Emitted as the timer itself would, so the handler runs through its real
    // connection (and the error policy) exactly once.
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    settle();
}

void ProgramUnderTest::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void ProgramUnderTest::failNextStatementMatching(const QString &pattern, long number, const QString &text)
{
    hospital::dbserver::ServerFaults::instance().failNextMatching(pattern, number, text);
}

void ProgramUnderTest::dropConnectionAt(const QString &pattern)
{
    hospital::dbserver::ServerFaults::instance().dropConnectionAt(pattern);
}
