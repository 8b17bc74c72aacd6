#pragma once

#include <QString>

#include <memory>

namespace pwo {
class Connection;
}

namespace hospital::components {

// The server a login connects to: a stand-in database folder, or a real
// server reached through an ODBC connection string.
class ServerChoice {
public:
    static ServerChoice standInFolder(const QString &folder);
    static ServerChoice odbc(const QString &connectionString);

    bool isStandIn() const { return standIn_; }
    // What the user must fix before this choice can be tried; empty when nothing.
    QString problem() const;
    QString connectionString() const;
    // How reports log on: the folder (absolute), or the string's Server= value.
    QString serverName() const;
    // Empty for the stand-in, which has none; the string's PWD= value otherwise.
    QString serverPassword() const;
    // A new connection, open on this server. Throws pwo::DatabaseError.
    std::shared_ptr<pwo::Connection> open() const;

private:
    ServerChoice(bool standIn, QString location);

    bool standIn_;
    QString location_;  // the absolute folder, or the connection string as typed
};

} // namespace hospital::components
