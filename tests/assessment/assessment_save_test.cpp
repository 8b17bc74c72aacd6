#include "AssessmentWindow.h"

#include "core/ProgramState.h"
#include "data/StatementTrace.h"
#include "reports/Report.h"
#include "reports/frmReportViewer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace pwo;

namespace {

const QString dateForm = QStringLiteral("MM/dd/yyyy");
const QString worker = QStringLiteral("10002");

frmReportViewer *onlyViewer()
{
    QList<frmReportViewer *> viewers;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("frmReportViewer"))
            viewers << static_cast<frmReportViewer *>(w);
    return viewers.size() == 1 ? viewers.front() : nullptr;
}

// An in-patient's assessment with every value known, and a daily bill that
// holds the office's discount line under its case number beside others.
class AssessmentSave : public AssessmentWindow {
protected:
    void SetUp() override
    {
        AssessmentWindow::SetUp();
        stay = stayOf(QStringLiteral("SELECT TOP 1 a.IDNUM, a.HospNum FROM PWO..tbPWOAssessment a "
                                     "JOIN PATIENT_DATA..tbPatient2 p ON p.IdNum = a.IDNUM ORDER BY a.IDNUM DESC"));
        intake = QDate::currentDate().addDays(-3);
        expiry = QDate::currentDate().addMonths(6);
        program.database().sqlite(
            QStringLiteral(
                "UPDATE PWO.tbPWOAssessment SET PWONum = '2026-77777', Code = 'C2', PWODiscountValidity = '%1', "
                "PWODiscountExpiry = '%2', CaseCategory = '02', parentcategory = '1', ReferringPartyID = '4', "
                "PWOW = '%3', IsCDF = '', IsPCSO = '1', IsSpecial = '', pcsotype = 'G', NC = 1500.5, "
                "REMARKS = 'O''Brien''s note', casestatus = 'O', Active = 'Y', "
                "docs = '1|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1|', serviceid = '1.1|1.2|', activityid = '1.1.1|' "
                "WHERE IDNUM = '%4';"
                "UPDATE PATIENT_DATA.tbMaster SET PWONum = '2026-77777' WHERE HospNum = '%5';"
                "DELETE FROM BILLING.tbBillDailyBill WHERE IdNum = '%4';"
                "INSERT INTO BILLING.tbBillDailyBill (IdNum, TransDate, RevenueID, RefNum, Description, Amount) VALUES "
                "('%4', '2026-12-01', 'QF', '2026-77777', 'Discount', -900),"
                "('%4', '2026-12-01', 'QF', '2025-00001', 'Older case', -100),"
                "('%4', '2026-12-01', 'RB', '2026-77777', 'Room', 4500);")
                .arg(intake.toString(Qt::ISODate) + QStringLiteral(" 00:00:00"),
                     expiry.toString(Qt::ISODate) + QStringLiteral(" 00:00:00"), worker, stay.IDNUM, stay.HospNum));
    }

    QStringList expectedStatements(const QString &counterpart = QStringLiteral("1500.5")) const
    {
        const QString in = intake.toString(dateForm);
        const QString out = expiry.toString(dateForm);
        return {"PWO..sp_PWO_SaveAssessment_NEW'" + stay.HospNum + "','" + stay.IDNUM + "','2026-77777','C2',"
                "'Financial Assistance','02','O''Brien''s note','" + in + "','" + out + "','" + worker + "','demo',"
                "'1','','','" + counterpart + "','G','1','02','4','Y','O','1.1|1.2|'",
                "PWO..sp_PWO_SaveTransaction '" + stay.HospNum + "','" + stay.IDNUM + "','2026-77777','C2','" + in +
                    "','" + out + "','Financial Assistance','" + worker + "','demo','O''Brien''s note'",
                "DELETE   FROM BILLING..tbBillDailyBill WHERE revenueid = 'QF' and refNum = '2026-77777' and IdNum = '" +
                    stay.IDNUM + "'",
                "Pwo..spPWO_SaveDocumentation '" + stay.HospNum + "', '" + stay.IDNUM + "', 'Y', 'O','1|0|0|0|0|0|0|0|"
                "0|0|0|0|0|0|0|0|0|1|', '" + in + "','demo','" + worker + "','1.1.1|'"};
    }

    // The rows a save touches, as text.
    QStringList touchedRows() const
    {
        QStringList all;
        for (const QString &select :
             {"SELECT * FROM PWO..tbPWOAssessment WHERE IDNUM = '" + stay.IDNUM + "'",
              "SELECT * FROM PATIENT_DATA..tbMaster WHERE HospNum = '" + stay.HospNum + "'",
              "SELECT * FROM PWO..tbPWOPatClassHistory WHERE IDNUM = '" + stay.IDNUM + "'",
              "SELECT * FROM PWO..tbPWOAssessmentTransaction WHERE IDNUM = '" + stay.IDNUM + "'",
              "SELECT * FROM BILLING..tbBillDailyBill WHERE IdNum = '" + stay.IDNUM + "' ORDER BY RefNum, RevenueID"})
            all << rows(select);
        return all;
    }

    // Saves from the window with the verification answered Yes.
    void save(const std::function<void(QWidget &)> &before = {})
    {
        open(stay, [&](QWidget &window) {
            if (before)
                before(window);
            program.prompter().clear();
            StatementTrace::instance().clear();
            program.prompter().answer(QMessageBox::Yes);
            click(window, "cmdSave");
        });
    }

    QStringList writes() const
    {
        QStringList texts;
        for (const TracedStatement &s : trace())
            if (s.kind == TracedStatement::Kind::Execute)
                texts << s.text;
        return texts;
    }

    Stay stay;
    QDate intake;
    QDate expiry;
};

TEST_F(AssessmentSave, OneSaveSendsItsFourStatementsInOneTransactionAndStoresTheClassification)
{
    const QStringList name =
        single("SELECT LastName, FirstName, isnull(MiddleName, '') FROM PATIENT_DATA..tbMaster WHERE HospNum = '" +
               stay.HospNum + "'")
            .split('|');
    const QString classification = single("SELECT Code + ' -' + Classification FROM PWO..tbPWOClassificationScheme "
                                          "WHERE Code = 'C2'");
    save();
    ASSERT_EQ(writes().size(), 4);
    const QStringList asked = program.prompter().texts();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], "***VERIFICATION***\n \n  PATIENT NAME: " + name[0] + ", " + name[1] + " " + name[2] +
                            "\n  HOSP. NO. : " + stay.HospNum + "\n  PWO NO.: 2026-77777   CLASSIFICATION: " +
                            classification + "\n  EXPIRY DATE: " + expiry.toString(dateForm) +
                            "\nIs that a valid information?");
    EXPECT_EQ(asked[1], "Clasification for " + name[0] + ", " + name[1] + " saved.\n    HospNum : " + stay.HospNum +
                            "\n    Expriy Date : " + expiry.toString(dateForm) + " 11:59 PM");

    EXPECT_EQ(sent().first(), "PWO..sp_PWO_GetExistsPWONumber '2026-77777','" + stay.HospNum + "'");
    EXPECT_EQ(writes(), expectedStatements());
    EXPECT_EQ(trace()[1].kind, TracedStatement::Kind::BeginTrans);
    EXPECT_EQ(trace().back().kind, TracedStatement::Kind::CommitTrans);

    EXPECT_EQ(single("SELECT PWONum, PWOClassification, PWODiscountValidity, PWODiscountExpiry FROM "
                     "PATIENT_DATA..tbMaster WHERE HospNum = '" + stay.HospNum + "'"),
              "2026-77777|C2|" + intake.toString(dateForm) + "|" + expiry.toString(Qt::ISODate) + " 00:00:00");
    EXPECT_EQ(rows("SELECT Class FROM PWO..tbPWOPatClassHistory WHERE IDNUM = '" + stay.IDNUM + "'"), QStringList{"C2"});
    EXPECT_EQ(rows("SELECT RefNum, RevenueID FROM BILLING..tbBillDailyBill WHERE IdNum = '" + stay.IDNUM +
                   "' ORDER BY RefNum, RevenueID"),
              (QStringList{"2025-00001|QF", "2026-77777|RB"}));
}

TEST_F(AssessmentSave, AFirstAssessmentGivesThePatientItsCaseNumberClassAndDocumentation)
{
    stay = stayOf(QStringLiteral("SELECT TOP 1 p.IdNum [IDNUM], p.HospNum FROM PATIENT_DATA..tbPatient2 p "
                                 "JOIN PATIENT_DATA..tbMaster m ON m.HospNum = p.HospNum WHERE p.PatientClass = 'S' "
                                 "AND m.PWONum IS NULL AND m.PWODiscountExpiry IS NULL ORDER BY p.IdNum"));
    save([&](QWidget &window) {
        setTextOf(window, "txtPWONum", QStringLiteral("2026-88888"));
        child<QComboBox>(window, "cboClassification").setCurrentIndex(5);
        setTextOf(window, "mskIntake", intake.toString(dateForm));
        setTextOf(window, "mskRange1", expiry.toString(dateForm));
        child<QListWidget>(window, "lstCategory").setCurrentRow(0);
        child<QCheckBox>(window, "chkdoc_3").setChecked(true);
        child<QCheckBox>(window, "chkActive").setChecked(true);
    });
    ASSERT_EQ(writes().size(), 4);
    EXPECT_EQ(single("SELECT PWONum, PWOClassification, PWODiscountValidity FROM PATIENT_DATA..tbMaster "
                     "WHERE HospNum = '" + stay.HospNum + "'"),
              "2026-88888|D|" + intake.toString(dateForm));
    EXPECT_EQ(single("SELECT PWONum, Code, CaseCategory, Active, docs FROM PWO..tbPWOAssessment WHERE IDNUM = '" +
                     stay.IDNUM + "'"),
              QStringLiteral("2026-88888|D|01|Y|0|0|0|1|0|0|0|0|0|0|0|0|0|0|0|0|0|0|"));
}

TEST_F(AssessmentSave, SpecialKeepsTheDiscountLinesAndAnOutPatientsGoFromTheOutPatientBill)
{
    save([](QWidget &window) { child<QCheckBox>(window, "chkSpecial").setChecked(true); });
    EXPECT_EQ(writes().size(), 3);
    EXPECT_FALSE(writes().join(' ').contains(QStringLiteral("DELETE")));
    EXPECT_EQ(rows("SELECT RevenueID FROM BILLING..tbBillDailyBill WHERE IdNum = '" + stay.IDNUM + "'").size(), 3);

    stay = stayOf(QStringLiteral("SELECT TOP 1 a.IDNUM, a.HospNum FROM PWO..tbPWOAssessment a JOIN BILLING..tbBillOPDailyOut b "
                                 "ON b.IdNum = a.IDNUM AND b.RefNum = a.PWONum AND b.RevenueID = 'QF' "
                                 "WHERE isnull(a.IsSpecial, '') = '' ORDER BY a.IDNUM"));
    const QString caseNumber = single("SELECT PWONum FROM PWO..tbPWOAssessment WHERE IDNUM = '" + stay.IDNUM + "'");
    save([](QWidget &window) { child<QComboBox>(window, "cboClassification").setCurrentIndex(2); });
    ASSERT_EQ(writes().size(), 4);
    EXPECT_EQ(writes()[2], "DELETE  FROM BILLING..tbBillOPDailyOut WHERE revenueid = 'QF' and refNum = '" + caseNumber +
                               "' and IdNum = '" + stay.IDNUM + "'");
    EXPECT_TRUE(rows("SELECT * FROM BILLING..tbBillOPDailyOut WHERE RevenueID = 'QF' AND IdNum = '" + stay.IDNUM + "'")
                    .isEmpty());
}

TEST_F(AssessmentSave, RefusalsBeforeTheTransactionWriteNothing)
{
    const QStringList before = touchedRows();
    save([](QWidget &window) { child<QComboBox>(window, "cboClassification").setCurrentIndex(-1); });
    EXPECT_EQ(program.prompter().texts().last(), QStringLiteral("Please enter classification before saving."));
    EXPECT_TRUE(writes().isEmpty());

    const Stay other = stayOf("SELECT TOP 1 IDNUM, HospNum FROM PWO..tbPWOAssessment WHERE HospNum <> '" + stay.HospNum +
                              "' AND PWONum IS NOT NULL ORDER BY IDNUM");
    const QString otherCase = single("SELECT PWONum FROM PATIENT_DATA..tbMaster WHERE HospNum = '" + other.HospNum + "'");
    ASSERT_FALSE(otherCase.isEmpty());
    open(stay, [&](QWidget &window) {
        QLineEdit &caseNumber = child<QLineEdit>(window, "txtPWONum");
        caseNumber.setText(otherCase);
        StatementTrace::instance().clear();
        program.prompter().answer(QMessageBox::Yes);
        click(window, "cmdSave");
        EXPECT_EQ(caseNumber.text(), QString());
        EXPECT_FALSE(caseNumber.isReadOnly());
    });
    EXPECT_TRUE(program.prompter().texts().last().startsWith(QStringLiteral("The CaseNumber already exists. \nIt is owned by ")));
    EXPECT_TRUE(writes().isEmpty());

    program.prompter().answer(QMessageBox::No);
    open(stay, [&](QWidget &window) {
        child<QLineEdit>(window, "mskRange1").setText(QDate::currentDate().addYears(3).toString(dateForm));
        program.prompter().answer(QMessageBox::No);
        StatementTrace::instance().clear();
        click(window, "cmdSave");
        EXPECT_EQ(program.prompter().texts().last(),
                  QStringLiteral("The date you have entered is 2 years ahead of the current date or previous date.\n"
                                 "Is that valid?"));
        child<QLineEdit>(window, "mskRange1").setText(QStringLiteral("13/01/2027"));
        click(window, "cmdSave");
        EXPECT_EQ(program.prompter().texts().last(), QStringLiteral("You have entered an invalid date 13/01/2027."));
        program.prompter().answer(QMessageBox::No);
        child<QLineEdit>(window, "mskRange1").setText(expiry.toString(dateForm));
        click(window, "cmdSave");
    });
    EXPECT_TRUE(program.prompter().texts().last().startsWith(QStringLiteral("***VERIFICATION***")));
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(touchedRows(), before);
}

TEST_F(AssessmentSave, AnEmptyCounterpartIsSentAsZero)
{
    save([](QWidget &window) {
        QLineEdit &nc = child<QLineEdit>(window, "txtNC");
        QSignalBlocker quiet(nc);
        nc.clear();
    });
    EXPECT_EQ(writes().first(), expectedStatements(QStringLiteral("0")).first());
}

TEST_F(AssessmentSave, TheWorkerSentIsThePickedOneEvenWhenNoEmployeeHasIt)
{
    QString told;
    const auto pick = [&](const QString &code) {
        return [this, code, &told](QWidget &window) {
            program.prompter().clear();
            whenShown(QStringLiteral("frmEmployeeListing"), [code](QWidget &) { EmployeeListing().WorkerCode = code; });
            click(window, "cmdSearch");
            told = program.prompter().texts().join('\n');
        };
    };
    save(pick(QStringLiteral("10005")));
    EXPECT_TRUE(told.isEmpty());
    EXPECT_TRUE(writes().first().contains(QStringLiteral("','10005','demo','")));

    save(pick(QStringLiteral("GONE")));
    EXPECT_EQ(told, QStringLiteral("Employee No Longer Exists."));
    EXPECT_TRUE(writes().first().contains(QStringLiteral("','GONE','demo','")));
}

TEST_F(AssessmentSave, AFailureAtAnyOfTheFourStatementsLeavesNothingAndTheRetrySavesOnce)
{
    const QStringList at{QStringLiteral("^PWO\\.\\.sp_PWO_SaveAssessment_NEW"), QStringLiteral("^PWO\\.\\.sp_PWO_SaveTransaction"),
                         QStringLiteral("^DELETE"), QStringLiteral("^Pwo\\.\\.spPWO_SaveDocumentation")};
    const QStringList before = touchedRows();
    for (const bool drop : {false, true}) {
        for (const QString &pattern : at) {
            SCOPED_TRACE((pattern + (drop ? " dropped" : " failed")).toStdString());
            if (drop)
                program.dropConnectionAt(pattern);
            else
                program.failNextStatementMatching(pattern, 1205, QStringLiteral("Chosen as the deadlock victim."));
            save();
            ASSERT_FALSE(program.prompter().texts().isEmpty());
            const QString shown = program.prompter().texts().last();
            EXPECT_TRUE(shown.startsWith(QStringLiteral("Data Not Successfully Saved.")));
            if (!drop) {
                EXPECT_EQ(shown, QStringLiteral("Data Not Successfully Saved.Chosen as the deadlock victim."));
            }
            EXPECT_EQ(trace().back().kind, TracedStatement::Kind::RollbackTrans);
            EXPECT_EQ(touchedRows(), before);
        }
    }
    save();
    EXPECT_EQ(trace().back().kind, TracedStatement::Kind::CommitTrans);
    EXPECT_EQ(rows("SELECT Class FROM PWO..tbPWOPatClassHistory WHERE IDNUM = '" + stay.IDNUM + "'").size(), 1);
    EXPECT_EQ(rows("SELECT 1 FROM PWO..tbPWOAssessmentTransaction WHERE IDNUM = '" + stay.IDNUM + "'").size(), 1);
}

TEST_F(AssessmentSave, SavePrintPrintsAfterAnEarlierSaveEvenWhenTheVerificationIsAnsweredNo)
{
    open(stay, [&](QWidget &window) {
        program.prompter().answer(QMessageBox::No);
        click(window, "cmdPrint");
        EXPECT_EQ(onlyViewer(), nullptr) << "nothing saved, nothing printed";
        program.prompter().answer(QMessageBox::Yes);
        click(window, "cmdSave");
        program.prompter().answer(QMessageBox::No);
        click(window, "cmdPrint");
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(program.prompter().texts().last().startsWith(QStringLiteral("*VERIFICATION*\n")));
    frmReportViewer *viewer = onlyViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Assessment and Referal report"));
    EXPECT_TRUE(viewer->report()->fileName().endsWith(QStringLiteral("ARR_New.rpt")));
    QStringList values;
    for (const auto &value : viewer->report()->parameterValues())
        values << (value ? value->text() : QStringLiteral("<none>"));
    EXPECT_EQ(values.mid(0, 3), (QStringList{stay.HospNum, stay.IDNUM, globals().CurrentUser->EmployeeName()}));
    viewer->close();
    program.settle();
}

TEST_F(AssessmentSave, ARemovedServiceIsStillSavedUntilAPickerHandsTheListBack)
{
    save([](QWidget &window) {
        QListWidget &services = child<QListWidget>(window, "lstServices");
        ASSERT_EQ(services.count(), 2);
        const QRect first = services.visualItemRect(services.item(0));
        const QPoint at(first.left() + 5, first.center().y());
        QTest::mouseClick(services.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(services.viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(services.count(), 1);
    });
    EXPECT_TRUE(writes().first().endsWith(QStringLiteral("'1.1|1.2|'")));

    SearchService().Selected = true;  // an earlier OK in this run
    save([](QWidget &window) {
        QListWidget &services = child<QListWidget>(window, "lstServices");
        delete services.takeItem(0);
        whenShown(QStringLiteral("frmSearchService"), [](QWidget &picker) { click(picker, "cmdCancel"); });
        click(window, "cmdService");
        EXPECT_EQ(services.count(), 1);
    });
    EXPECT_TRUE(writes().first().endsWith(QStringLiteral("'1.2|'")));
}

} // namespace

TEST_F(AssessmentSave, TheCaseNumberStopsAtItsWidthAndOverlongRemarksAreRefusedBeforeTheVerification)
{
    const QStringList before = touchedRows();
    open(stay, [&](QWidget &window) {
        QLineEdit &caseNumber = child<QLineEdit>(window, "txtPWONum");
        caseNumber.setReadOnly(false);
        caseNumber.clear();
        QTest::keyClicks(&caseNumber, QStringLiteral("2026-1234567890123"));
        EXPECT_EQ(caseNumber.text(), QStringLiteral("2026-1234567890"));
        caseNumber.setText(QStringLiteral("2026-77777"));

        setTextOf(window, "txtRemarks", QString(501, QLatin1Char('r')));
        EXPECT_EQ(textOf(window, "txtRemarksLeft"), QStringLiteral("1 character too many"));
        program.prompter().clear();
        StatementTrace::instance().clear();
        click(window, "cmdSave");
        EXPECT_EQ(program.prompter().texts(),
                  QStringList{QStringLiteral("REMARKS: 501 characters, at most 500 fit. Shorten it before saving.")});
        program.prompter().clear();
        click(window, "cmdPrint");
        EXPECT_EQ(program.prompter().texts().size(), 1);
    });
    EXPECT_TRUE(writes().isEmpty());
    EXPECT_EQ(touchedRows(), before);
}

TEST_F(AssessmentSave, RemarksAtTheLimitAreStoredInBothRecordsAndOpenAgainWhole)
{
    const QString remarks = QStringLiteral("Father's tricycle was sold for the dialysis.\n").repeated(12).left(500);
    save([&](QWidget &window) { setTextOf(window, "txtRemarks", remarks); });
    ASSERT_EQ(writes().size(), 4);
    EXPECT_EQ(single("SELECT REMARKS FROM PWO..tbPWOAssessment WHERE IDNUM = '" + stay.IDNUM + "'"), remarks);
    EXPECT_EQ(single("SELECT REMARKS FROM PWO..tbPWOAssessmentTransaction WHERE IDNUM = '" + stay.IDNUM +
                     "' ORDER BY rowid DESC"),
              remarks);
    open(stay, [&](QWidget &window) {
        EXPECT_EQ(textOf(window, "txtRemarks"), remarks);
        EXPECT_EQ(textOf(window, "txtRemarksLeft"), QStringLiteral("0 characters left"));
    });
}

TEST_F(AssessmentSave, AStoredCaseNumberLongerThanItsBoxOpensWholeAndIsRefused)
{
    const QString oldNumber = QStringLiteral("2019-000000012345");
    program.database().sqlite("UPDATE PWO.tbPWOAssessment SET PWONum = '" + oldNumber + "' WHERE IDNUM = '" +
                              stay.IDNUM + "';");
    const QStringList before = touchedRows();
    save([&](QWidget &window) { EXPECT_EQ(textOf(window, "txtPWONum"), oldNumber); });
    EXPECT_EQ(program.prompter().texts(),
              QStringList{QStringLiteral("PWO NUM.: 17 characters, at most 15 fit. Shorten it before saving.")});
    EXPECT_TRUE(writes().isEmpty());
    EXPECT_EQ(touchedRows(), before);
}
