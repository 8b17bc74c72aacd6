#pragma once

#include <QString>

// Runs SQLite text directly on a stand-in database folder, behind the
// client's back: for setting up rows and checking what was stored.
// Throws std::runtime_error with SQLite's message.
void runSqliteOnFolder(const QString &folder, const QString &text);
