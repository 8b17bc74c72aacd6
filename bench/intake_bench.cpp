// The intake sheet on a 10 000-patient demo hospital: the time it takes to
// open a stored sheet (every load and list) and to save it, best of a few
// runs (goal: at most 0.2 s each).
// Run: build/bin/intake_bench

#include "DemoDesk.h"
#include "FastestOf.h"

#include "core/ProgramState.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "intake/frmIntakeSheet.h"

#include <QAbstractButton>
#include <QApplication>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int patients = 10000;
constexpr int runs = 5;

void click(QWidget &window, const char *name)
{
    window.findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DemoDesk desk(patients);

    const QString statement = QStringLiteral("SELECT s.IDNUM, s.HospNum FROM PWO..tbPWOIntakeSheet s "
                                             "JOIN PATIENT_DATA..tbPatient2 p ON p.IdNum = s.IDNUM ORDER BY s.HospNum");
    pwo::CurrentPatient().setValues({DemoDesk::firstOf(statement, QStringLiteral("IDNUM")),
                                     DemoDesk::firstOf(statement, QStringLiteral("HospNum")), QStringLiteral("A PATIENT"),
                                     QString(), QString(), QStringLiteral("0")});
    reportWindowSeconds("intake sheet opens", fastestOf(runs, [] {
               pwo::frmIntakeSheet window;
               window.show();
               QApplication::processEvents();
           }));
    // The save alone: each run saves a sheet opened before its clock starts.
    double bestSave = 0;
    for (int i = 0; i < runs; ++i) {
        pwo::frmIntakeSheet window;
        click(window, "cmdEdit");
        const double seconds = fastestOf(1, [&] { click(window, "cmdSave"); });
        bestSave = i == 0 ? seconds : std::min(bestSave, seconds);
    }
    reportWindowSeconds("intake sheet saves", bestSave);
    return 0;
}
