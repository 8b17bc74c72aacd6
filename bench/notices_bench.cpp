// The notice windows on a 10 000-patient demo hospital: the time each one
// takes to open (its statements run and its rows shown) and to save, best
// of a few runs (goal: at most 0.2 s each).
// Run: build/bin/notices_bench

#include "DemoDesk.h"
#include "FastestOf.h"

#include "core/ProgramState.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "notices/frmClearPatient.h"
#include "notices/frmDischargeNotice.h"
#include "notices/frmReferralApproval.h"
#include "notices/frmReferralHistory.h"
#include "notices/frmReferralToMedicalTeam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int patients = 10000;
constexpr int runs = 5;

template <typename Window>
void openAndShow()
{
    Window window;
    window.show();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DemoDesk desk(patients);

    const QString notice =
        DemoDesk::firstOf(QStringLiteral("SELECT IDNUM FROM PWO..tbPWODischargeNotice WHERE ClearDate IS NULL ORDER BY IDNUM"),
                QStringLiteral("IDNUM"));
    pwo::DischargeNotice().IDNUM = notice;
    reportWindowSeconds("discharge-notice list opens", fastestOf(runs, openAndShow<pwo::frmDischargeNotice>));
    reportWindowSeconds("clearing window opens", fastestOf(runs, openAndShow<pwo::frmClearPatient>));
    reportWindowSeconds("clearing window saves", fastestOf(runs, [] {
               pwo::frmClearPatient window;
               window.findChild<QAbstractButton *>(QStringLiteral("cmdSave"))->click();
           }));

    reportWindowSeconds("referral list opens", fastestOf(runs, openAndShow<pwo::frmReferralToMedicalTeam>));
    reportWindowSeconds("referral history opens (all)", fastestOf(runs, openAndShow<pwo::frmReferralHistory>));
    pwo::ReferralToMedicalTeam() = {
        DemoDesk::firstOf(QStringLiteral("SELECT IdNum FROM PWO..tbPWOReferral ORDER BY ReferralNo"), QStringLiteral("IdNum")),
        DemoDesk::firstOf(QStringLiteral("SELECT ReferralNo FROM PWO..tbPWOReferral ORDER BY ReferralNo"),
                QStringLiteral("ReferralNo")),
        true};
    reportWindowSeconds("referral answer opens", fastestOf(runs, openAndShow<pwo::frmReferralApproval>));
    reportWindowSeconds("referral answer saves", fastestOf(runs, [] {
               pwo::frmReferralApproval window;
               window.findChild<QRadioButton *>(QStringLiteral("OptApproved"))->setChecked(true);
               window.findChild<QAbstractButton *>(QStringLiteral("cmdSave"))->click();
           }));
    return 0;
}
