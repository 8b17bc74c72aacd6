#include "frmReferralHistory.h"

#include "core/HourGlass.h"
#include "NoticeList.h"
#include "ReferralRows.h"
#include "frmDischargeNotice.h"
#include "frmReferralApproval.h"

#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

namespace pwo {

namespace {
constexpr int admissionColumn = 1;
constexpr int referralNumberColumn = 7;

void endHandOver()
{
    ReferralHistory().IDNUM.clear();
    ReferralHistory().Valid = false;
}
} // namespace

frmReferralHistory::frmReferralHistory(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    connect(ui.cmdSearch, &QPushButton::clicked, this, guardedSlot(this, &frmReferralHistory::cmdSearch_Click));
    connect(ui.cmdSelect, &QPushButton::clicked, this, guardedSlot(this, &frmReferralHistory::cmdSelect_Click));
    connect(ui.lvwRequest, &QTreeWidget::itemDoubleClicked, this,
            [this] { guarded([this] { cmdSelect_Click(); }); });
    connect(ui.cmdClose, &QPushButton::clicked, this, guardedSlot(this, &frmReferralHistory::cmdClose_Click));
    LoadReferralHistory(QString(), QString(), QString());
}

void frmReferralHistory::Show()
{
    QWidget *caller = activeCaller();
    {
        frmReferralHistory history(caller);
        history.exec();
    }
    if (!ReferralHistory().Valid)
        return;
    const auto handedOver = qScopeGuard(endHandOver);
    frmReferralApproval answer(caller);
    answer.exec();
}

void frmReferralHistory::LoadReferralHistory(const QString &hospitalNumber, const QString &lastName,
                                             const QString &firstName)
{
    endHandOver();
    const HourGlass wait;
    Recordset referrals;
    referrals.Open(QStringLiteral("PWO..sp_PWO_LoadReferralHistory") + sql::quoted(hospitalNumber.trimmed()) +
                       QStringLiteral(", ") + sql::quotedList({lastName.trimmed(), firstName.trimmed()}),
                   *globals().Connection, adOpenDynamic, adLockOptimistic, -1);
    replaceColumns(*ui.lvwRequest, {{"Patient", 3000},
                                    {"Admission #", std::nullopt},
                                    {"Hosp #", std::nullopt},
                                    {"Date Modified", 2100},
                                    {"Referral Date", 2100},
                                    {"Status", std::nullopt},
                                    {"Diagnosis", std::nullopt},
                                    {"Refnum", 0},
                                    {"ReferredBy", 2100},
                                    {"ApprovedBy", 2100}});
    for (; !referrals.Eof(); referrals.MoveNext())
        addListRow(*ui.lvwRequest,
                   {referralText(referrals, "PatientName"), referralText(referrals, "IDNUM"),
                    referralText(referrals, "HospNum"), referralDate(referrals, "DateApproved"),
                    referralDate(referrals, "ReferralDate"), referralText(referrals, "Status"),
                    referralText(referrals, "Diagnosis"), referralText(referrals, "ReferralNo"),
                    referralText(referrals, "ReferredBy"), referralText(referrals, "ApprovedBy")},
                   referralStatusIcon(referralText(referrals, "Status")));
    referrals.Close();
}

void frmReferralHistory::cmdSearch_Click()
{
    LoadReferralHistory(ui.txtHospNum->text(), ui.txtLastname->text(), ui.txtFirstname->text());
}

void frmReferralHistory::cmdSelect_Click()
{
    const std::optional<QString> admission = selectedText(*ui.lvwRequest, admissionColumn);
    if (!admission)
        return;
    ReferralHistory() = {*admission, *selectedText(*ui.lvwRequest, referralNumberColumn), true};
    accept();
}

void frmReferralHistory::cmdClose_Click()
{
    endHandOver();
    reject();
}

} // namespace pwo
