// The notice windows on a 10 000-patient demo hospital: the time each one
// takes to open (its statements run and its rows shown) and to save, best
// of a few runs (goal: at most 0.2 s each).
// Run: build/bin/notices_bench

#include "FastestOf.h"

#include "hospital/components/HospitalComponents.h"
#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "frame/ProgramLifetime.h"
#include "frame/modMain.h"
#include "notices/frmClearPatient.h"
#include "notices/frmDischargeNotice.h"
#include "notices/frmReferralApproval.h"
#include "notices/frmReferralHistory.h"
#include "notices/frmReferralToMedicalTeam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int patients = 10000;
constexpr int runs = 5;

// Every box answered at once, as a worker who clicks OK would.
class AnsweringPrompter : public pwo::Prompter {
public:
    QMessageBox::StandardButton ask(const pwo::Prompt &) override { return QMessageBox::Ok; }
    QString input(const QString &, const QString &, const QString &defaultText) override { return defaultText; }
};

template <typename Window>
void openAndShow()
{
    Window window;
    window.show();
    QApplication::processEvents();
}

QString firstOf(const QString &statement, const QString &column)
{
    pwo::Recordset rows;
    rows.OpenReadOnly(statement, *pwo::globals().Connection);
    return rows.value(column).text();
}

void report(const char *what, double seconds)
{
    std::printf("%-36s %.3f s %s\n", what, seconds, seconds <= 0.2 ? "" : "(over the goal of 0.2 s)");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::fprintf(stderr, "building a demo hospital of %d patients...\n", patients);
    hospital::dbserver::generateDemoHospital(dir.path(), patients, QDate::currentDate());
    qputenv("PWO_SERVER", dir.path().toLocal8Bit());
    qputenv("PWO_USER", "demo");
    qputenv("PWO_PASSWORD", "demo");

    hospital::dbserver::registerStandInProvider();
    hospital::components::HospitalComponents components(dir.path());
    pwo::globals().Components = &components;
    pwo::ProgramLifetime::instance();
    pwo::RunStartup();
    AnsweringPrompter prompter;
    pwo::Prompter::install(&prompter);

    const QString notice =
        firstOf(QStringLiteral("SELECT IDNUM FROM PWO..tbPWODischargeNotice WHERE ClearDate IS NULL ORDER BY IDNUM"),
                QStringLiteral("IDNUM"));
    pwo::DischargeNotice().IDNUM = notice;
    report("discharge-notice list opens", fastestOf(runs, openAndShow<pwo::frmDischargeNotice>));
    report("clearing window opens", fastestOf(runs, openAndShow<pwo::frmClearPatient>));
    report("clearing window saves", fastestOf(runs, [] {
               pwo::frmClearPatient window;
               window.findChild<QAbstractButton *>(QStringLiteral("cmdSave"))->click();
           }));

    report("referral list opens", fastestOf(runs, openAndShow<pwo::frmReferralToMedicalTeam>));
    report("referral history opens (all)", fastestOf(runs, openAndShow<pwo::frmReferralHistory>));
    pwo::ReferralToMedicalTeam() = {
        firstOf(QStringLiteral("SELECT IdNum FROM PWO..tbPWOReferral ORDER BY ReferralNo"), QStringLiteral("IdNum")),
        firstOf(QStringLiteral("SELECT ReferralNo FROM PWO..tbPWOReferral ORDER BY ReferralNo"),
                QStringLiteral("ReferralNo")),
        true};
    report("referral answer opens", fastestOf(runs, openAndShow<pwo::frmReferralApproval>));
    report("referral answer saves", fastestOf(runs, [] {
               pwo::frmReferralApproval window;
               window.findChild<QRadioButton *>(QStringLiteral("OptApproved"))->setChecked(true);
               window.findChild<QAbstractButton *>(QStringLiteral("cmdSave"))->click();
           }));
    pwo::Prompter::install(nullptr);
    return 0;
}
