// The assessment window on a 10 000-patient demo hospital: the time it takes
// to open on an assessed stay (its reads run and its lists filled) and to
// save (the case-number check and the four statements of the transaction),
// best of a few runs (goal: at most 0.2 s each).
// Run: build/bin/assessment_bench

#include "DemoDesk.h"
#include "FastestOf.h"

#include "assessment/frmARR.h"
#include "core/ProgramState.h"
#include "data/Recordset.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int patients = 10000;
constexpr int runs = 5;

QWidget *assessmentWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == QLatin1String("frmARR"))
            return top;
    return nullptr;
}

// Opens the window on the stay, runs the action once it shows, and closes it.
void withWindow(const QString &hospNum, const QString &idNum, const std::function<void(QWidget &)> &action)
{
    QTimer::singleShot(0, [&] {
        if (QWidget *window = assessmentWindow()) {
            action(*window);
            window->close();
        }
    });
    pwo::frmARR::Show(nullptr, hospNum, idNum);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DemoDesk desk(patients);

    pwo::Recordset stay;
    stay.OpenReadOnly(QStringLiteral("SELECT TOP 1 a.IDNUM, a.HospNum FROM PWO..tbPWOAssessment a "
                                     "JOIN PATIENT_DATA..tbPatient2 p ON p.IdNum = a.IDNUM "
                                     "WHERE a.PWODiscountExpiry > getdate() ORDER BY a.IDNUM"),
                      *pwo::globals().Connection);
    const QString idNum = stay.value(QStringLiteral("IDNUM")).text();
    const QString hospNum = stay.value(QStringLiteral("HospNum")).text();
    stay.Close();
    if (idNum.isEmpty()) {
        std::fprintf(stderr, "the demo hospital has no assessed in-patient stay\n");
        return 1;
    }
    std::fprintf(stderr, "on the stay %s of %s\n", qPrintable(idNum), qPrintable(hospNum));

    reportWindowSeconds("assessment window opens", fastestOf(runs, [&] { withWindow(hospNum, idNum, [](QWidget &) {}); }));
    double bestSave = 0;
    for (int run = 0; run < runs; ++run)
        withWindow(hospNum, idNum, [&](QWidget &window) {
            QElapsedTimer clock;
            clock.start();
            window.findChild<QAbstractButton *>(QStringLiteral("cmdSave"))->click();
            const double seconds = double(clock.nsecsElapsed()) / 1e9;
            bestSave = run == 0 ? seconds : std::min(bestSave, seconds);
        });
    reportWindowSeconds("assessment window saves", bestSave);
    return 0;
}
