#pragma once

#include "DemoDatabase.h"
#include "ScriptedPrompter.h"

#include "data/StatementTrace.h"

#include <QApplication>
#include <QMainWindow>
#include <QObject>

#include <deque>
#include <functional>
#include <memory>

namespace pwo {
class ComponentFactory;
class mdiPWO;
}

// The whole program in this process, on a fresh demo database: logins and
// prompts come from the test's script, the statement trace and every window
// are there to inspect, and timers fire when the test says so.
class ProgramUnderTest : public QObject {
public:
    using ComponentMaker = std::function<std::unique_ptr<pwo::ComponentFactory>(const QString &demoFolder)>;
    // `makeComponents` replaces the hospital's components (empty: the real ones).
    explicit ProgramUnderTest(const ComponentMaker &makeComponents = {});
    ~ProgramUnderTest() override;

    const DemoDatabase &database() const { return database_; }
    ScriptedPrompter &prompter() { return prompter_; }

    // What the next login dialogs are answered with, in order.
    void scriptLogin(const QString &user, const QString &password);
    void scriptLoginCancel();

    // Runs start-up as the program does when it starts.
    void start();
    // Start-up with one scripted login of the given user.
    void startAs(const QString &user = QStringLiteral("demo"), const QString &password = QStringLiteral("demo"));

    bool ended() const { return ended_; }
    pwo::mdiPWO *mainWindow() const;
    // A visible top-level or child window with that object name, or null.
    QWidget *window(const QString &name) const;
    template <typename T>
    T *control(const QString &windowName, const QString &controlName) const
    {
        QWidget *w = window(windowName);
        return w ? w->findChild<T *>(controlName) : nullptr;
    }

    // Fires a timer of the main window once, through its real connection.
    void fireTimer(const QString &timerName);
    // Lets posted events (deferred deletes, the end-of-program check) run.
    void settle();

    // Server faults for this test: the next statement matching the pattern
    // (a case-insensitive regular expression) fails with that server error,
    // or the connection is lost at it.
    void failNextStatementMatching(const QString &pattern, long number, const QString &text);
    void dropConnectionAt(const QString &pattern);

    const std::deque<pwo::TracedStatement> &trace() const { return pwo::StatementTrace::instance().statements(); }
    QStringList statementTexts() const { return pwo::StatementTrace::instance().texts(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct LoginAnswer {
        bool cancel;
        QString user;
        QString password;
    };
    void answerLogin(QWidget *dialog);

    DemoDatabase database_;
    ScriptedPrompter prompter_;
    std::unique_ptr<pwo::ComponentFactory> components_;
    std::deque<LoginAnswer> logins_;
    bool ended_ = false;
};
