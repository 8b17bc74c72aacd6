#pragma once

#include "LoggedInProgram.h"

#include <QString>
#include <QWidget>

// The program logged in, with a window shown and active to hold the intake
// pages under test, so that focus moves as it does on a desk.
class IntakePageTest : public LoggedInProgram {
protected:
    void SetUp() override;
    void showHost();

    // The first value of a query on the program's connection, as text.
    QString firstValue(const QString &query) const;
    long count(const QString &query) const { return firstValue(query).toLong(); }

    QWidget host;
};
