#pragma once

#include "data/Connection.h"

#include <QTemporaryDir>

#include <memory>

// A fresh stand-in database folder with the hospital schema and one test
// table, PWO..tbTest(Code, Name, Amount, Stamp), and a connection to it.
class ScratchDatabase {
public:
    ScratchDatabase();

    QString folder() const { return dir_.path(); }
    pwo::Connection &connection() { return *connection_; }
    // Runs SQLite text directly, behind the gateway's back.
    void sqlite(const QString &text);
    std::unique_ptr<pwo::Connection> connect() const;

private:
    QTemporaryDir dir_;
    std::unique_ptr<pwo::Connection> connection_;
};
