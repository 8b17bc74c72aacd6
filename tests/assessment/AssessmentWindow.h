#pragma once

#include "LoggedInProgram.h"
#include "ModalWindows.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The program logged in, with ways to open the assessment window on a stay
// through the File menu and to read rows back.
class AssessmentWindow : public LoggedInProgram {
protected:
    struct Stay {
        QString IDNUM;
        QString HospNum;
    };

    // The first stay the statement returns (columns IDNUM and HospNum).
    static Stay stayOf(const QString &select);
    // Every row the statement returns, each as its values joined by "|".
    static QStringList rows(const QString &select);
    static QString single(const QString &select);

    // Opens the window for the stay from the File menu, runs the action in it
    // and closes it if the action left it open.
    void open(const Stay &stay, std::function<void(QWidget &)> action);
};

