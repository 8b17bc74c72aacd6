#include "LoggedInProgram.h"
#include "ModalWindows.h"
#include "TestPrinters.h"

#include "core/GeneralDate.h"
#include "core/ProgramState.h"
#include "data/Recordset.h"
#include "data/StatementTrace.h"
#include "frame/mdiPWO.h"
#include "notices/StatusIcons.h"
#include "notices/frmReferralApproval.h"
#include "notices/frmReferralHistory.h"
#include "notices/frmReferralToMedicalTeam.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

using namespace pwo;

namespace {

const QString noticeList = QStringLiteral("frmReferralToMedicalTeam");
const QString answerWindow = QStringLiteral("frmReferralApproval");

QTreeWidget &rows(QWidget &window)
{
    return child<QTreeWidget>(window, QStringLiteral("lvwRequest"));
}

bool showsOpenIcon(const QTreeWidgetItem &row)
{
    return row.icon(0).cacheKey() == statusIcon(QStringLiteral("open")).cacheKey();
}

class Referrals : public LoggedInProgram {
protected:
    void SetUp() override
    {
        LoggedInProgram::SetUp();
        Recordset stays;
        stays.OpenReadOnly(QStringLiteral("SELECT IdNum, HospNum FROM PATIENT_DATA..tbPatient2 WHERE DcrDate IS NULL "
                                          "ORDER BY IdNum"),
                           *globals().Connection);
        idnum = stays.value(QStringLiteral("IdNum")).text();
        hospnum = stays.value(QStringLiteral("HospNum")).text();
        stays.Close();
        program.database().sqlite(QStringLiteral("DELETE FROM PWO.tbPWOReferral"));
        StatementTrace::instance().clear();
    }

    void addReferral(const QString &number, const QString &status, const QString &referralDate = QStringLiteral("NULL"),
                     const QString &scheduleDate = QStringLiteral("NULL"))
    {
        program.database().sqlite(
            QStringLiteral("INSERT INTO PWO.tbPWOReferral (ReferralNo, IdNum, HospNum, ReferralDate, Diagnosis, "
                           "Category, ReferredBy, Tick1, Tick5, Others, Status, ScheduleDate) VALUES ('%1', '%2', '%3', "
                           "%4, 'PNEUMONIA', 'MEDICAL', 'DR. ANA CRUZ', 'Y', 'Y', 'No watcher', '%5', %6)")
                .arg(number, idnum, hospnum, referralDate, status, scheduleDate));
    }

    // The answer window for a referral as the notice list hands it over.
    std::unique_ptr<frmReferralApproval> answerFor(const QString &number)
    {
        ReferralToMedicalTeam() = {idnum, number, true};
        auto window = std::make_unique<frmReferralApproval>();
        ReferralToMedicalTeam() = {};
        return window;
    }

    QString stored(const QString &number, const QString &column)
    {
        Recordset row;
        row.OpenReadOnly(QStringLiteral("SELECT %1 FROM PWO..tbPWOReferral WHERE ReferralNo = '%2'").arg(column, number),
                         *globals().Connection);
        return row.value(column).text();
    }

    QString idnum;
    QString hospnum;
};

} // namespace

TEST_F(Referrals, TheNoticeListShowsIconsByStatusAndHandsTheChoiceToAnEditableAnswer)
{
    addReferral(QStringLiteral("RF1"), QStringLiteral("P"));
    addReferral(QStringLiteral("RF2"), QStringLiteral("A"), QStringLiteral("'2026-12-01 10:00:00'"));
    program.mainWindow()->findChild<QToolButton *>(QStringLiteral("btnReferralNotice"))->click();
    QWidget *list = program.window(noticeList);
    ASSERT_TRUE(list);
    EXPECT_EQ(sent(), QStringList{QStringLiteral("PWO..sp_PWO_LoadReferralNotice")});
    QTreeWidget &referrals = rows(*list);
    ASSERT_EQ(referrals.topLevelItemCount(), 2);
    QTreeWidgetItem &pending = *referrals.topLevelItem(0);
    EXPECT_TRUE(showsOpenIcon(pending));
    EXPECT_EQ(pending.text(4), QString()) << "no referral date";
    EXPECT_TRUE(referrals.isColumnHidden(5));
    EXPECT_FALSE(showsOpenIcon(*referrals.topLevelItem(1)));
    EXPECT_EQ(referrals.topLevelItem(1)->text(4), generalDateText(QDateTime(QDate(2026, 12, 1), QTime(10, 0))));

    referrals.setCurrentItem(&pending);
    click(*list, QStringLiteral("cmdSelect"));
    program.settle();
    EXPECT_FALSE(program.window(noticeList));
    QWidget *answer = program.window(answerWindow);
    ASSERT_TRUE(answer);
    EXPECT_EQ(sent().last(), QStringLiteral("PWO..sp_PWO_LoadReferralNoticePatient'%1','RF1'").arg(idnum));
    EXPECT_TRUE(child<QPushButton>(*answer, QStringLiteral("cmdEdit")).isHidden());
    EXPECT_TRUE(child<QPushButton>(*answer, QStringLiteral("cmdSave")).isEnabled());
    EXPECT_TRUE(child<QGroupBox>(*answer, QStringLiteral("frmApprovedBy")).isHidden());
    EXPECT_EQ(child<QLineEdit>(*answer, QStringLiteral("txtOtherReason")).text(), QStringLiteral("No watcher"));
    EXPECT_FALSE(ReferralToMedicalTeam().Valid);
    answer->close();
}

TEST_F(Referrals, TheScheduleDateIsTodayWhenMissingOrTheServersEmptyDate)
{
    addReferral(QStringLiteral("RF1"), QStringLiteral("P"));
    addReferral(QStringLiteral("RF2"), QStringLiteral("A"), QStringLiteral("NULL"), QStringLiteral("'1900-01-01'"));
    addReferral(QStringLiteral("RF3"), QStringLiteral("C"), QStringLiteral("NULL"), QStringLiteral("'2026-12-20'"));
    const auto schedule = [&](const QString &number) {
        return answerFor(number)->findChild<QDateEdit *>(QStringLiteral("dtSchedDate"))->date();
    };
    EXPECT_EQ(schedule(QStringLiteral("RF1")), QDate::currentDate());
    EXPECT_EQ(schedule(QStringLiteral("RF2")), QDate::currentDate());
    EXPECT_EQ(schedule(QStringLiteral("RF3")), QDate(2026, 12, 20));
    EXPECT_TRUE(answerFor(QStringLiteral("RF3"))->findChild<QRadioButton *>(QStringLiteral("OptCash"))->isChecked());
}

TEST_F(Referrals, SavingWithoutAnOptionWarnsConfirmsPendingAndSendsTheTextsAsTyped)
{
    addReferral(QStringLiteral("RF1"), QStringLiteral("P"));
    auto window = answerFor(QStringLiteral("RF1"));
    child<QLineEdit>(*window, QStringLiteral("txtAdmNo")).setText(QStringLiteral(" ") + idnum + QStringLiteral("  "));
    child<QLineEdit>(*window, QStringLiteral("txtCategory")).setText(QStringLiteral(" MEDICAL "));
    child<QPlainTextEdit>(*window, QStringLiteral("txtRemarks")).setPlainText(QStringLiteral(" Mother's call "));
    child<QDateEdit>(*window, QStringLiteral("dtSchedDate")).setDate(QDate(2026, 12, 24));
    window->show();
    StatementTrace::instance().clear();

    program.prompter().answer(QMessageBox::Ok);
    program.prompter().answer(QMessageBox::Cancel);
    click(*window, QStringLiteral("cmdSave"));
    EXPECT_EQ(sent(), QStringList{}) << "cancelled";
    EXPECT_TRUE(window->isVisible());

    program.prompter().clear();
    program.prompter().answer(QMessageBox::Ok);
    program.prompter().answer(QMessageBox::Ok);
    click(*window, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(),
              (QStringList{QStringLiteral("Please Tag the Patient "),
                           QStringLiteral("Are you sure you want to tag thi Referral as Pending ? "),
                           QStringLiteral("Successfuly saved")}));
    EXPECT_EQ(program.prompter().asked().at(1).prompt.title, QStringLiteral("Confirmation"));
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    ASSERT_EQ(sent().size(), 1);
    EXPECT_EQ(sent().first(), QStringLiteral("PWO..sp_PWO_SaveReferralNoticePatient'%1', '%2','P',' Mother''s call ', "
                                             "' MEDICAL ', '12/24/2026','%3','RF1' ")
                                  .arg(idnum, today, globals().EmployeeCode));
    EXPECT_EQ(stored(QStringLiteral("RF1"), QStringLiteral("Status")), QStringLiteral("P"));
    EXPECT_EQ(stored(QStringLiteral("RF1"), QStringLiteral("Remarks")), QStringLiteral(" Mother's call "));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Referrals, ADischargedPatientCannotBeUpdatedButTheEmptyDateIsNoDischarge)
{
    addReferral(QStringLiteral("RF1"), QStringLiteral("P"));
    program.database().sqlite(QStringLiteral("UPDATE PATIENT_DATA.tbPatient2 SET DcrDate = '2026-12-08 10:00:00' "
                                             "WHERE IdNum = '%1'").arg(idnum));
    auto discharged = answerFor(QStringLiteral("RF1"));
    child<QRadioButton>(*discharged, QStringLiteral("OptApproved")).setChecked(true);
    StatementTrace::instance().clear();
    click(*discharged, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Discharged Patient Cannot Be Updated.")});
    EXPECT_EQ(sent(), QStringList{});

    program.database().sqlite(QStringLiteral("UPDATE PATIENT_DATA.tbPatient2 SET DcrDate = '1900-01-01 00:00:00' "
                                             "WHERE IdNum = '%1'").arg(idnum));
    auto admitted = answerFor(QStringLiteral("RF1"));
    child<QRadioButton>(*admitted, QStringLiteral("OptApproved")).setChecked(true);
    click(*admitted, QStringLiteral("cmdSave"));
    EXPECT_EQ(stored(QStringLiteral("RF1"), QStringLiteral("Status")), QStringLiteral("A"));
    EXPECT_TRUE(isDischargeDate(QStringLiteral("12/08/2026")));
    EXPECT_FALSE(isDischargeDate(QStringLiteral("1/1/1900")));
}

TEST_F(Referrals, TheHistoryListsEverythingForEmptyFiltersAndOpensTheChoiceInViewMode)
{
    addReferral(QStringLiteral("RF1"), QStringLiteral("P"));
    addReferral(QStringLiteral("RF2"), QStringLiteral("D"), QStringLiteral("'2026-11-30 08:00:00'"));
    whenShown(QStringLiteral("frmReferralHistory"), [&](QWidget &history) {
        EXPECT_EQ(sent(), QStringList{QStringLiteral("PWO..sp_PWO_LoadReferralHistory'', '',''")});
        ASSERT_EQ(rows(history).topLevelItemCount(), 2);
        child<QLineEdit>(history, QStringLiteral("txtHospNum")).setText(QStringLiteral(" ") + hospnum);
        click(history, QStringLiteral("cmdSearch"));
        EXPECT_EQ(sent().last(), QStringLiteral("PWO..sp_PWO_LoadReferralHistory'%1', '',''").arg(hospnum));
        whenShown(answerWindow, [](QWidget &answer) {
            EXPECT_FALSE(child<QPushButton>(answer, QStringLiteral("cmdEdit")).isHidden());
            EXPECT_FALSE(child<QPushButton>(answer, QStringLiteral("cmdSave")).isEnabled());
            EXPECT_FALSE(child<QRadioButton>(answer, QStringLiteral("OptDeny")).isEnabled());
            EXPECT_TRUE(child<QRadioButton>(answer, QStringLiteral("OptDeny")).isChecked());
            click(answer, QStringLiteral("cmdEdit"));
            EXPECT_TRUE(child<QPushButton>(answer, QStringLiteral("cmdSave")).isEnabled());
            EXPECT_TRUE(child<QGroupBox>(answer, QStringLiteral("frmApprovedBy")).isHidden());
        });
        QTreeWidget &found = rows(history);
        found.setCurrentItem(found.findItems(QStringLiteral("RF2"), Qt::MatchExactly, 7).first());
        click(history, QStringLiteral("cmdSelect"));
    });
    QAction *item = program.mainWindow()->menuItem(QStringLiteral("mnuReferral"));
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(sent().last(), QStringLiteral("PWO..sp_PWO_LoadReferralNoticePatient'%1','RF2'").arg(idnum));
    EXPECT_FALSE(ReferralHistory().Valid);
}

TEST_F(Referrals, OnceEveryPendingReferralIsAnsweredThePollFindsNoneAndTheButtonKeepsFlashing)
{
    addReferral(QStringLiteral("RF1"), QStringLiteral("P"));
    addReferral(QStringLiteral("RF2"), QStringLiteral("P"));
    auto *button = program.mainWindow()->findChild<QToolButton *>(QStringLiteral("btnReferralNotice"));
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    ASSERT_TRUE(button->isChecked());
    for (const QString &number : {QStringLiteral("RF1"), QStringLiteral("RF2")}) {
        auto window = answerFor(number);
        child<QRadioButton>(*window, QStringLiteral("OptCash")).setChecked(true);
        click(*window, QStringLiteral("cmdSave"));
    }
    Recordset count;
    count.OpenReadOnly(QStringLiteral("PWO..sp_PWO_LoadReferralNoticeCount"), *globals().Connection);
    EXPECT_EQ(count.value(QStringLiteral("recCount")).toInteger(), 0);
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_TRUE(button->isChecked());
}
