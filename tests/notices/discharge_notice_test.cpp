#include "LoggedInProgram.h"
#include "ModalWindows.h"
#include "TestPrinters.h"

#include "core/GeneralDate.h"
#include "core/ProgramState.h"
#include "data/Recordset.h"
#include "data/StatementTrace.h"
#include "frame/mdiPWO.h"
#include "notices/StatusIcons.h"
#include "notices/frmDischargeNotice.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

using namespace pwo;

namespace {

const QString list = QStringLiteral("frmDischargeNotice");
const QString clearing = QStringLiteral("frmClearPatient");

struct Stay {
    QString IDNUM;
    QString HospNum;
};

QString boxText(QWidget &window, const QString &name)
{
    if (auto *box = window.findChild<QLineEdit *>(name))
        return box->text();
    return child<QPlainTextEdit>(window, name).toPlainText();
}

QTreeWidget &rows(QWidget &window)
{
    return child<QTreeWidget>(window, QStringLiteral("lvwRequest"));
}

QString iconOf(const QTreeWidgetItem &row)
{
    const qint64 key = row.icon(0).cacheKey();
    if (key == statusIcon(QStringLiteral("clear")).cacheKey())
        return QStringLiteral("clear");
    if (key == statusIcon(QStringLiteral("open")).cacheKey())
        return QStringLiteral("open");
    return QStringLiteral("none");
}

// Chooses the row of the admission in the list and presses "&Select".
void selectNotice(QWidget &window, const QString &admission)
{
    QTreeWidget &notices = rows(window);
    const QList<QTreeWidgetItem *> found = notices.findItems(admission, Qt::MatchExactly, 2);
    if (found.isEmpty())
        throw std::logic_error(("no notice for " + admission).toStdString());
    notices.setCurrentItem(found.first());
    click(window, QStringLiteral("cmdSelect"));
}

class DischargeNotices : public LoggedInProgram {
protected:
    void SetUp() override
    {
        LoggedInProgram::SetUp();
        Recordset stays;
        stays.OpenReadOnly(QStringLiteral("SELECT IdNum, HospNum FROM PATIENT_DATA..tbPatient2 WHERE DcrDate IS NULL "
                                          "ORDER BY IdNum"),
                           *globals().Connection);
        stay = {stays.value(QStringLiteral("IdNum")).text(), stays.value(QStringLiteral("HospNum")).text()};
        stays.MoveNext();
        other = {stays.value(QStringLiteral("IdNum")).text(), stays.value(QStringLiteral("HospNum")).text()};
        stays.Close();
        program.database().sqlite(QStringLiteral("DELETE FROM PWO.tbPWODischargeNotice; "
                                                 "DELETE FROM PWO.tbPWOAssessment WHERE IDNUM IN ('%1','%2');")
                                      .arg(stay.IDNUM, other.IDNUM));
        program.prompter().clear();
        StatementTrace::instance().clear();
    }

    void addNotice(const Stay &notice, const QString &cleared = QStringLiteral("NULL, NULL, NULL"))
    {
        program.database().sqlite(
            QStringLiteral("INSERT INTO PWO.tbPWODischargeNotice (IDNUM, HospNum, DischargeNurse, OrderedDate, "
                           "NoticeDate, REMARKS, UserId, ClearDate, ClearRemarks) VALUES ('%1', '%2', 'LIZA TAN', "
                           "'2026-12-09 08:00:00', '2026-12-09 09:30:00', 'Home today', %3)")
                .arg(notice.IDNUM, notice.HospNum, cleared));
    }

    void addAssessment(const QString &cdf, const QString &pcso, const QString &special, const QString &nc)
    {
        program.database().sqlite(
            QStringLiteral("INSERT INTO PWO.tbPWOAssessment (IDNUM, HospNum, PWONum, Code, CaseCategory, NC, IsPCSO, "
                           "IsCDF, IsSpecial, DateAssessed) VALUES ('%1', '%2', '2026-00042', 'C2', '01', %3, '%4', "
                           "'%5', '%6', '2026-12-01 09:00:00')")
                .arg(stay.IDNUM, stay.HospNum, nc, pcso, cdf, special));
    }

    QString stored(const QString &column)
    {
        Recordset row;
        row.OpenReadOnly(QStringLiteral("SELECT %1 FROM PWO..tbPWODischargeNotice WHERE IDNUM = '%2'")
                             .arg(column, stay.IDNUM),
                         *globals().Connection);
        return row.value(column).text();
    }

    // Opens the clearing window of the stay's notice from the list and runs
    // the action in it; the list shown again afterwards is closed.
    void inClearingWindow(const std::function<void(QWidget &)> &action)
    {
        whenShown(list, [&](QWidget &notices) {
            whenShown(clearing, [&](QWidget &window) {
                whenShown(list, [](QWidget &) {});
                action(window);
            });
            selectNotice(notices, stay.IDNUM);
        });
        frmDischargeNotice::Show();
    }

    Stay stay;
    Stay other;
};

} // namespace

TEST_F(DischargeNotices, ListShowsEveryNoticeWithItsStateAndSelectWithoutARowDoesNothing)
{
    addNotice(stay);
    addNotice(other, QStringLiteral("'demo', '2026-12-09 10:00:00', 'ok'"));
    whenShown(list, [&](QWidget &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Discharge Notice"));
        QTreeWidget &notices = rows(window);
        ASSERT_EQ(notices.topLevelItemCount(), 2);
        const QTreeWidgetItem &open = *notices.topLevelItem(0);
        EXPECT_EQ(open.text(2), stay.IDNUM);
        EXPECT_EQ(open.text(3), QStringLiteral("LIZA TAN"));
        EXPECT_EQ(open.text(4), generalDateText(QDateTime(QDate(2026, 12, 9), QTime(9, 30))));
        EXPECT_EQ(iconOf(open), QStringLiteral("open"));
        EXPECT_EQ(iconOf(*notices.topLevelItem(1)), QStringLiteral("clear"));
        EXPECT_EQ(notices.headerItem()->text(4), QStringLiteral("Notice Time"));
        notices.clearSelection();
        click(window, QStringLiteral("cmdSelect"));
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(DischargeNotice().Valid);
    });
    frmDischargeNotice::Show();
    ASSERT_EQ(sent().first(), QStringLiteral("PWO..sp_PWO_LoadDischargeNotice "));
    EXPECT_EQ(trace().front().lockType, adLockOptimistic);
    EXPECT_EQ(sent().size(), 1) << "no clearing window opened";
}

TEST_F(DischargeNotices, AnEmptyListSelectsNothing)
{
    whenShown(list, [](QWidget &window) {
        EXPECT_EQ(rows(window).topLevelItemCount(), 0);
        click(window, QStringLiteral("cmdSelect"));
        EXPECT_TRUE(window.isVisible());
    });
    frmDischargeNotice::Show();
    EXPECT_FALSE(DischargeNotice().Valid);
}

TEST_F(DischargeNotices, SavingClearsWithBackquotesAndTheListShowsItCleared)
{
    addNotice(stay);
    whenShown(list, [&](QWidget &notices) {
        whenShown(clearing, [&](QWidget &window) {
            EXPECT_EQ(boxText(window, QStringLiteral("txtAdmNo")), stay.IDNUM);
            EXPECT_EQ(boxText(window, QStringLiteral("txtClearDate")), QStringLiteral("For clearing"));
            EXPECT_EQ(boxText(window, QStringLiteral("txtClearedBy")),
                      QStringLiteral("(") + globals().CurrentUser->employeecode() + QStringLiteral(") ") +
                          globals().CurrentUser->EmployeeName());
            EXPECT_EQ(boxText(window, QStringLiteral("txtRemarks")), QStringLiteral("Home today"));
            child<QPlainTextEdit>(window, QStringLiteral("txtClearRemarks")).setPlainText(QStringLiteral("watcher's OK"));
            whenShown(list, [&](QWidget &again) {
                const QTreeWidgetItem &row = *rows(again).topLevelItem(0);
                EXPECT_EQ(iconOf(row), QStringLiteral("clear"));
                click(again, QStringLiteral("cmdClose"));
            });
            click(window, QStringLiteral("cmdSave"));
        });
        selectNotice(notices, stay.IDNUM);
    });
    frmDischargeNotice::Show();

    const QString expected = QStringLiteral("PWO..sp_PWO_ClearPatientForDischarge '%1','%2','watcher`s OK'")
                                 .arg(stay.IDNUM, globals().CurrentUser->employeecode());
    EXPECT_TRUE(sent().contains(expected)) << qPrintable(sent().join(QLatin1Char('\n')));
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Patient has been cleared for discharge.")});
    EXPECT_EQ(program.prompter().asked().first().prompt.icon, QMessageBox::Information);
    EXPECT_EQ(stored(QStringLiteral("ClearRemarks")), QStringLiteral("watcher`s OK"));
    EXPECT_FALSE(stored(QStringLiteral("ClearDate")).isEmpty());
    EXPECT_FALSE(DischargeNotice().Valid) << "closing the list ends the choice";
}

TEST_F(DischargeNotices, AClearedNoticeOpensReadOnly)
{
    addNotice(stay, QStringLiteral("'demo', '2026-12-09 10:15:00', 'Sponsor paid'"));
    inClearingWindow([&](QWidget &window) {
        EXPECT_EQ(boxText(window, QStringLiteral("txtClearDate")),
                  generalDateText(QDateTime(QDate(2026, 12, 9), QTime(10, 15))));
        EXPECT_EQ(boxText(window, QStringLiteral("txtClearRemarks")), QStringLiteral("Sponsor paid"));
        EXPECT_TRUE(child<QPlainTextEdit>(window, QStringLiteral("txtClearRemarks")).isReadOnly());
        EXPECT_TRUE(boxText(window, QStringLiteral("txtClearedBy")).startsWith(QStringLiteral("(demo) ")));
        EXPECT_FALSE(child<QPushButton>(window, QStringLiteral("cmdSave")).isEnabled());
        EXPECT_EQ(child<QPushButton>(window, QStringLiteral("cmdIgnore")).text(), QStringLiteral("&Close"));
        click(window, QStringLiteral("cmdIgnore"));
    });
    EXPECT_EQ(program.prompter().texts(), QStringList{});
}

TEST_F(DischargeNotices, RemarksAreCutAtThirtyCharactersInTheBox)
{
    addNotice(stay);
    inClearingWindow([&](QWidget &window) {
        auto &remarks = child<QPlainTextEdit>(window, QStringLiteral("txtClearRemarks"));
        remarks.insertPlainText(QStringLiteral("1234567890123456789012345678901234567890"));
        EXPECT_EQ(remarks.toPlainText(), QStringLiteral("123456789012345678901234567890"));
    });
}

TEST_F(DischargeNotices, OtherInfoNamesCdfPcsoAndTheSpecialArrangement)
{
    addNotice(stay);
    addAssessment(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("250"));
    inClearingWindow([&](QWidget &window) {
        EXPECT_EQ(boxText(window, QStringLiteral("txtOtherInfo")),
                  QStringLiteral("with CDF; with PCSO; Special Arrangement (NC: 250.00)"));
        EXPECT_EQ(boxText(window, QStringLiteral("txtPWONum")), QStringLiteral("2026-00042"));
        EXPECT_FALSE(boxText(window, QStringLiteral("txtCategory")).isEmpty());
        auto &classification = child<QLabel>(window, QStringLiteral("lblClassification"));
        EXPECT_FALSE(classification.isHidden());
        EXPECT_EQ(classification.text(), QStringLiteral("C2"));
    });
    EXPECT_TRUE(sent().contains(QStringLiteral("PWO..sp_PWO_PrintAssessment '%1','%2'").arg(stay.HospNum, stay.IDNUM)));

    program.database().sqlite(QStringLiteral("UPDATE PWO.tbPWOAssessment SET NC = 0, IsCDF = '', IsPCSO = '' "
                                             "WHERE IDNUM = '%1'").arg(stay.IDNUM));
    inClearingWindow([&](QWidget &window) {
        EXPECT_EQ(boxText(window, QStringLiteral("txtOtherInfo")), QStringLiteral("Special Arrangement"));
    });
}

TEST_F(DischargeNotices, WithoutAssessmentThePwoDataStaysEmpty)
{
    addNotice(stay);
    inClearingWindow([&](QWidget &window) {
        for (const char *box : {"txtPWONum", "txtCategory", "txtOtherInfo"})
            EXPECT_EQ(boxText(window, QString::fromLatin1(box)), QString()) << box;
        EXPECT_TRUE(child<QLabel>(window, QStringLiteral("lblClassification")).isHidden());
    });
}

TEST_F(DischargeNotices, TheFrameOpensTheListFromItsButtonAndItsViewingItem)
{
    addNotice(stay);
    ASSERT_TRUE(program.mainWindow());
    whenShown(list, [](QWidget &window) { EXPECT_EQ(rows(window).topLevelItemCount(), 1); });
    program.mainWindow()->findChild<QToolButton *>(QStringLiteral("btnDischargeNotice"))->click();
    QAction *item = program.mainWindow()->menuItem(QStringLiteral("mnuDischargeNotice"));
    ASSERT_TRUE(item->isEnabled());
    whenShown(list, [](QWidget &window) { EXPECT_EQ(rows(window).topLevelItemCount(), 1); });
    item->trigger();
    EXPECT_EQ(sent().count(QStringLiteral("PWO..sp_PWO_LoadDischargeNotice ")), 2);
}
