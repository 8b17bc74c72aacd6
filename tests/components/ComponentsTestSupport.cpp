#include "ComponentsTestSupport.h"

#include "hospital/dbserver/DatabaseSet.h"

#include <QApplication>
#include <QDialog>

#include <sqlite3.h>

#include <stdexcept>

QStringList firstRow(const QString &folder, const QString &sql)
{
    sqlite3 *db = hospital::dbserver::openDatabaseSet(folder, hospital::dbserver::DatabaseSetMode::OpenExisting);
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        const std::string error = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error(sql.toStdString() + ": " + error);
    }
    QStringList row;
    if (sqlite3_step(statement) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            row << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, c)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return row;
}

ScopedEnvironment::~ScopedEnvironment()
{
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->second)
            qputenv(it->first.constData(), *it->second);
        else
            qunsetenv(it->first.constData());
    }
}

void ScopedEnvironment::remember(const char *name)
{
    saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
}

void ScopedEnvironment::set(const char *name, const QString &value)
{
    remember(name);
    qputenv(name, value.toLocal8Bit());
}

void ScopedEnvironment::unset(const char *name)
{
    remember(name);
    qunsetenv(name);
}

ModalDialogDriver::ModalDialogDriver(std::function<void(QDialog &)> drive) : drive_(std::move(drive))
{
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        appeared_ = true;
        poll_.stop();
        drive_(*dialog);
    });
    poll_.start(10);
}
