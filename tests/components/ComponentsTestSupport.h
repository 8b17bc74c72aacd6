#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class QDialog;

// The first row of a query run with plain SQLite on a demo folder, every
// value as text (null as empty); empty when there is no row.
QStringList firstRow(const QString &folder, const QString &sql);

// Sets and unsets environment variables for one test and puts them back.
class ScopedEnvironment {
public:
    ~ScopedEnvironment();
    void set(const char *name, const QString &value);
    void unset(const char *name);

private:
    void remember(const char *name);
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> saved_;
};

// Runs `drive` once on the next modal dialog shown while it lives, from the
// dialog's own event loop.
class ModalDialogDriver {
public:
    explicit ModalDialogDriver(std::function<void(QDialog &)> drive);
    bool appeared() const { return appeared_; }

private:
    QTimer poll_;
    bool appeared_ = false;
    std::function<void(QDialog &)> drive_;
};
