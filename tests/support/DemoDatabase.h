#pragma once

#include <QTemporaryDir>

// A fresh demo hospital in a temporary folder. The demo is generated once
// per test program and copied for each test, so every test starts from the
// same rows and nothing one test writes reaches another.
class DemoDatabase {
public:
    static constexpr int patients = 400;

    DemoDatabase();
    QString folder() const { return dir_.path(); }
    // Runs SQLite text directly on the folder, behind the client's back.
    void sqlite(const QString &text) const;

private:
    QTemporaryDir dir_;
};
