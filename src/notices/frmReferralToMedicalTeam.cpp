#include "frmReferralToMedicalTeam.h"

#include "core/HourGlass.h"
#include "NoticeList.h"
#include "ReferralRows.h"
#include "frmReferralApproval.h"

#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "data/Recordset.h"

#include <QApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

namespace pwo {

namespace {
constexpr int admissionColumn = 1;
constexpr int referralNumberColumn = 5;
} // namespace

frmReferralToMedicalTeam::frmReferralToMedicalTeam(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui.cmdSelect, &QPushButton::clicked, this, guardedSlot(this, &frmReferralToMedicalTeam::cmdSelect_Click));
    connect(ui.lvwRequest, &QTreeWidget::itemDoubleClicked, this,
            [this] { guarded([this] { cmdSelect_Click(); }); });
    connect(ui.cmdClose, &QPushButton::clicked, this, guardedSlot(this, &frmReferralToMedicalTeam::cmdClose_Click));
    Form_Load();
}

void frmReferralToMedicalTeam::Show()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && qobject_cast<frmReferralToMedicalTeam *>(top)) {
            top->raise();
            top->activateWindow();
            return;
        }
    auto *list = new frmReferralToMedicalTeam;
    list->show();
}

void frmReferralToMedicalTeam::Form_Load()
{
    ReferralToMedicalTeam() = {};
    const HourGlass wait;
    Recordset referrals;
    referrals.Open(QStringLiteral("PWO..sp_PWO_LoadReferralNotice"), *globals().Connection, adOpenDynamic,
                   adLockOptimistic, -1);
    replaceColumns(*ui.lvwRequest, {{"Patient", 3000},
                                    {"Admission #", std::nullopt},
                                    {"Hosp #", std::nullopt},
                                    {"Diagnosis", std::nullopt},
                                    {"Referral Date", 2100},
                                    {"Referral No.", 0},
                                    {"Referred By", 2100}});
    for (; !referrals.Eof(); referrals.MoveNext())
        addListRow(*ui.lvwRequest,
                   {referralText(referrals, "PatientName"), referralText(referrals, "IDNUM"),
                    referralText(referrals, "HospNum"), referralText(referrals, "Diagnosis"),
                    referralDate(referrals, "ReferralDate"), referralText(referrals, "ReferralNo"),
                    referralText(referrals, "ReferredBy")},
                   referralStatusIcon(referralText(referrals, "Status")));
    referrals.Close();
}

void frmReferralToMedicalTeam::cmdSelect_Click()
{
    const std::optional<QString> admission = selectedText(*ui.lvwRequest, admissionColumn);
    if (!admission)
        return;
    ReferralToMedicalTeam() = {*admission, *selectedText(*ui.lvwRequest, referralNumberColumn), true};
    close();
    // The hand-over lasts only while the answer window loads.
    const auto handedOver = qScopeGuard([] {
        ReferralToMedicalTeam().IDNUM.clear();
        ReferralToMedicalTeam().Valid = false;
    });
    auto *answer = new frmReferralApproval;
    answer->setAttribute(Qt::WA_DeleteOnClose);
    answer->show();
}

void frmReferralToMedicalTeam::cmdClose_Click()
{
    ReferralToMedicalTeam().IDNUM.clear();
    ReferralToMedicalTeam().Valid = false;
    close();
}

} // namespace pwo
