#include "AssessmentWindow.h"

#include "core/ProgramState.h"
#include "data/StatementTrace.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace pwo;

namespace {

QStringList selectedIds(QWidget &window, const QString &list)
{
    QStringList ids;
    for (QListWidgetItem *entry : child<QListWidget>(window, list).selectedItems())
        ids << entry->text().right(2).trimmed();
    return ids;
}

class AssessmentOpening : public AssessmentWindow {
protected:
    Stay payStay() const
    {
        return stayOf(QStringLiteral("SELECT TOP 1 p.IdNum [IDNUM], p.HospNum FROM PATIENT_DATA..tbPatient2 p "
                                     "JOIN PATIENT_DATA..tbMaster m ON m.HospNum = p.HospNum WHERE p.PatientClass = 'P' "
                                     "AND m.PWONum IS NULL AND m.PWODiscountValidity IS NULL ORDER BY p.IdNum"));
    }
    Stay serviceStayWithoutCase() const
    {
        return stayOf(QStringLiteral("SELECT TOP 1 p.IdNum [IDNUM], p.HospNum FROM PATIENT_DATA..tbPatient2 p "
                                     "JOIN PATIENT_DATA..tbMaster m ON m.HospNum = p.HospNum WHERE p.PatientClass = 'S' "
                                     "AND m.PWONum IS NULL AND m.PWODiscountValidity IS NULL "
                                     "AND m.PWODiscountExpiry IS NULL ORDER BY p.IdNum"));
    }
};

TEST_F(AssessmentOpening, AStoredAssessmentFillsTheWindowFromItsTwoReads)
{
    const Stay stay = stayOf(QStringLiteral("SELECT TOP 1 a.IDNUM, a.HospNum FROM PWO..tbPWOAssessment a "
                                            "JOIN PATIENT_DATA..tbPatient2 p ON p.IdNum = a.IDNUM ORDER BY a.IDNUM"));
    const QDate expiry = QDate::currentDate().addMonths(5);
    program.database().sqlite(
        QStringLiteral("UPDATE PWO.tbPWOAssessment SET Code = 'C1', PWODiscountValidity = '2026-03-04 00:00:00', "
                       "PWODiscountExpiry = '%1 00:00:00', CaseCategory = '03', parentcategory = '1', "
                       "ReferringPartyID = '4', IsCDF = 'True', IsPCSO = '0', IsSpecial = '1', pcsotype = 'C', "
                       "NC = 250, casestatus = 'O', Active = 'Y', docs = '1|0|1|x|1|', serviceid = '1.2|1.1|', "
                       "activityid = '1.1.1|' WHERE IDNUM = '%2'")
            .arg(expiry.toString(Qt::ISODate), stay.IDNUM));
    open(stay, [&](QWidget &window) {
        const QStringList statements = sent();
        ASSERT_GE(statements.size(), 9);
        EXPECT_EQ(statements.mid(0, 5),
                  (QStringList{"SELECT isnull(Code,'') [Code], isnull(Classification,'') [Classification] FROM "
                               "PWO..tbPWOClassificationScheme ORDER BY Code",
                               "SELECT isnull(Code,'') [Code], isnull(ReferringParty,'') [ReferringParty] FROM "
                               "PWO..tbPWOReferringParty ORDER BY Code",
                               "SELECT isnull(Code,'') [Code], isnull(CaseStatus,'') [CaseStatus] FROM "
                               "PWO..tbPWOActive ORDER BY Code",
                               "SELECT * FROM PWO..tbPWOParentCategory WHERE STATUS = 'A'",
                               "SELECT * FROM PWO..tbPWOCaseCategory WHERE STATUS = 'A'  order by categoryid asc"}));
        EXPECT_EQ(statements.mid(5, 3),
                  (QStringList{"SELECT PWONum, PWODiscountValidity FROM PATIENT_DATA..tbMaster WHERE HospNum = '" +
                                   stay.HospNum + "'",
                               "PWO..sp_PWO_GetAssessmentRecord '" + stay.IDNUM + "'",
                               "Pwo..sp_LoadPatCaseHistory '" + stay.HospNum + "', '" + stay.IDNUM + "'"}));
        EXPECT_EQ(statements.last(), "Billing..sp_Pars_CheckCompany '" + stay.IDNUM + "'");

        EXPECT_EQ(textOf(window, "txtHospNum"), stay.HospNum);
        EXPECT_EQ(textOf(window, "txtIDNum"), stay.IDNUM);
        EXPECT_EQ(textOf(window, "lblCode"), QStringLiteral("C1"));
        EXPECT_TRUE(textOf(window, "cboClassification").startsWith(QStringLiteral("C1 -")));
        EXPECT_EQ(textOf(window, "mskIntake"), QStringLiteral("03/04/2026"));
        EXPECT_EQ(textOf(window, "mskRange1"), expiry.toString(QStringLiteral("MM/dd/yyyy")));
        EXPECT_TRUE(textOf(window, "cboReferring").startsWith(QStringLiteral("4 -")));
        EXPECT_EQ(textOf(window, "txtNC"), QStringLiteral("250.00"));
        EXPECT_EQ(selectedIds(window, "lstCategory"), QStringList{"03"});
        EXPECT_EQ(selectedIds(window, "lstParentCategory"), QStringList{"1"}) << "the first entry is selected too";
        EXPECT_TRUE(child<QCheckBox>(window, "chkSponsor").isChecked()) << "True counts as true";
        EXPECT_FALSE(child<QCheckBox>(window, "chkPCSO").isChecked()) << "0 counts as false";
        EXPECT_TRUE(child<QCheckBox>(window, "chkSpecial").isChecked());
        EXPECT_TRUE(child<QRadioButton>(window, "optPCSO_2").isChecked());
        QList<bool> docs;
        for (int k = 0; k < 6; ++k)
            docs << child<QCheckBox>(window, QStringLiteral("chkdoc_%1").arg(k)).isChecked();
        EXPECT_EQ(docs, (QList<bool>{true, false, true, false, true, false})) << "a value that is no number, or none";
        EXPECT_EQ(textOf(window, "cboactive"), QStringLiteral("Old Case (follow-up)"));
        EXPECT_TRUE(child<QCheckBox>(window, "chkActive").isChecked());
        EXPECT_TRUE(child<QLineEdit>(window, "txtPWONum").isReadOnly());
        QListWidget &services = child<QListWidget>(window, "lstServices");
        ASSERT_EQ(services.count(), 2);
        EXPECT_EQ(services.item(0)->text(), "Discount on Hospital Bill" + QString(150, ' ') + "1.2");
        EXPECT_EQ(child<QListWidget>(window, "lstactivity").count(), 1);
    });
}

TEST_F(AssessmentOpening, AnExpiredClassificationIsShownAsExpiredWithNoneSelected)
{
    const Stay stay = stayOf(QStringLiteral("SELECT TOP 1 IDNUM, HospNum FROM PWO..tbPWOAssessment ORDER BY IDNUM"));
    program.database().sqlite(QStringLiteral("UPDATE PWO.tbPWOAssessment SET PWODiscountExpiry = '2020-01-01 00:00:00' "
                                             "WHERE IDNUM = '%1'")
                                  .arg(stay.IDNUM));
    open(stay, [&](QWidget &window) {
        EXPECT_EQ(textOf(window, "lblStatus"), QStringLiteral("Classification has expired last mads here "));
        EXPECT_EQ(textOf(window, "cboClassification"), QString());
        EXPECT_EQ(textOf(window, "mskRange1"), QStringLiteral("01/01/2020"));
    });
}

TEST_F(AssessmentOpening, APayStayAnsweredYesBecomesAServiceStayReadyForItsFirstAssessment)
{
    const Stay stay = payStay();
    program.prompter().answer(QMessageBox::Yes);
    open(stay, [&](QWidget &window) {
        EXPECT_EQ(textOf(window, "lblStatus"),
                  QStringLiteral("Pay to Service Patient. Enter New PWO Number and PWO Classfication."));
        EXPECT_EQ(textOf(window, "txtHospNum"), stay.HospNum);
        EXPECT_FALSE(textOf(window, "txtLastname").isEmpty());
        EXPECT_FALSE(child<QLineEdit>(window, "txtPWONum").isReadOnly());
    });
    EXPECT_EQ(program.prompter().texts(),
              QStringList{"PAY PATIENT: Does not have an intake sheet. \nWould you like to update patient type to "
                          "SERVICE? "});
    EXPECT_EQ(program.prompter().asked().front().prompt.title, QStringLiteral("Notification"));
    EXPECT_TRUE(sent().contains("SELECT IdNum, PatientClass FROM Patient_Data..tbPatient2 WHERE IdNum = '" + stay.IDNUM +
                                "'"));
    EXPECT_TRUE(sent().contains("PWO..sp_PWO_UpdatePatientClass '" + stay.IDNUM + "','S','demo'"));
    EXPECT_EQ(single("SELECT PatientClass FROM PATIENT_DATA..tbPatient2 WHERE IdNum = '" + stay.IDNUM + "'"),
              QStringLiteral("S"));
}

TEST_F(AssessmentOpening, APayStayAnsweredNoOpensEmptyAndSkipsTheFundCheck)
{
    const Stay stay = payStay();
    program.prompter().answer(QMessageBox::No);
    open(stay, [&](QWidget &window) {
        EXPECT_EQ(textOf(window, "txtHospNum"), QString());
        EXPECT_EQ(textOf(window, "lblStatus"), QStringLiteral("Status"));
        EXPECT_FALSE(child<QTimer>(window, "tmrCDF").isActive());
    });
    EXPECT_EQ(program.prompter().texts().last(), QStringLiteral("Change to Patient type to service before classifiying"));
    EXPECT_FALSE(sent().last().contains(QStringLiteral("CheckCompany")));
    EXPECT_EQ(single("SELECT PatientClass FROM PATIENT_DATA..tbPatient2 WHERE IdNum = '" + stay.IDNUM + "'"),
              QStringLiteral("P"));
}

TEST_F(AssessmentOpening, AServiceStayWithoutACaseIsPreparedAfterTheNotice)
{
    const Stay stay = serviceStayWithoutCase();
    open(stay, [&](QWidget &window) {
        EXPECT_EQ(textOf(window, "lblStatus"), QStringLiteral("No PWO Number and Classification."));
        EXPECT_EQ(textOf(window, "txtIDNum"), stay.IDNUM);
        QString help;
        whenShown(QStringLiteral("frmARRHelp"),
                  [&](QWidget &page) { help = page.findChild<QTextBrowser *>()->toPlainText(); });
        QTest::keyClick(&window, Qt::Key_F1);
        EXPECT_TRUE(help.contains(QStringLiteral("To remove services, double-click on the list box.")));
    });
    EXPECT_EQ(program.prompter().texts(), QStringList{"Patient does not have an intake sheet."});
}

TEST_F(AssessmentOpening, UnknownPatientsAndStaysLoadNothing)
{
    open({QString(), QString()}, [&](QWidget &window) {
        EXPECT_EQ(textOf(window, "txtHospNum"), QString());
        EXPECT_FALSE(child<QTimer>(window, "tmrCDF").isActive());
    });
    EXPECT_TRUE(program.prompter().texts().isEmpty()) << "no patient master row: no message";

    const Stay assessed = stayOf(QStringLiteral("SELECT TOP 1 IDNUM, HospNum FROM PWO..tbPWOAssessment"));
    open({QStringLiteral("999999999"), assessed.HospNum}, [&](QWidget &window) {
        EXPECT_EQ(textOf(window, "txtLastname"), QString());
    });
    EXPECT_EQ(program.prompter().texts(),
              QStringList{"Patient is not existing in the database.Try to search again."});
}

TEST_F(AssessmentOpening, TheCounterpartTakesNumbersOnly)
{
    const Stay stay = serviceStayWithoutCase();
    open(stay, [&](QWidget &window) {
        auto &nc = child<QLineEdit>(window, "txtNC");
        program.prompter().clear();
        QTest::keyClicks(&nc, QStringLiteral("12a"));
        EXPECT_EQ(nc.text(), QStringLiteral("12"));
        EXPECT_EQ(program.prompter().texts(), QStringList{"Can't accept non-numeric values."});
        nc.clear();
        program.prompter().clear();
        QTest::keyClicks(&nc, QStringLiteral("a"));
        EXPECT_EQ(nc.text(), QString());
        EXPECT_EQ(program.prompter().texts().size(), 2) << "once for a, once for the emptied box";
    });
}

TEST_F(AssessmentOpening, LeavingTheExpiryChecksItsDateAndItsYear)
{
    const Stay stay = serviceStayWithoutCase();
    open(stay, [&](QWidget &window) {
        auto &expiry = child<QLineEdit>(window, "mskRange1");
        const auto leave = [&](const QString &typed) {
            program.prompter().clear();
            expiry.setText(typed);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(&expiry, &out);
        };
        const int year = QDate::currentDate().year();
        leave(QStringLiteral("02/30/%1").arg(year));
        EXPECT_EQ(program.prompter().texts(), QStringList{"Invalid date 02/30/" + QString::number(year) + "."});
        leave(QStringLiteral("12/31/%1").arg(year + 2));
        EXPECT_TRUE(program.prompter().texts().isEmpty()) << "the year after next passes";
        leave(QStringLiteral("01/01/%1").arg(year + 3));
        EXPECT_EQ(program.prompter().texts(),
                  QStringList{"The date you have entered is 2 years ahead of the current date or previous date.\n"
                              "Is that valid?"});
    });
}

TEST_F(AssessmentOpening, LeavingTheStatusLooksItsCodeUp)
{
    const Stay stay = stayOf(QStringLiteral("SELECT TOP 1 IDNUM, HospNum FROM PWO..tbPWOAssessment ORDER BY IDNUM"));
    open(stay, [&](QWidget &window) {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        auto &status = child<QComboBox>(window, "cboactive");
        status.setFocus(Qt::TabFocusReason);
        status.setEditText(QStringLiteral("Closed Case"));
        StatementTrace::instance().clear();
        child<QLineEdit>(window, "txtNC").setFocus(Qt::TabFocusReason);
        EXPECT_EQ(sent(), QStringList{"Select * from tbPWOActive where casestatus='Closed Case'"});

        status.setFocus(Qt::TabFocusReason);
        status.setCurrentIndex(0);
        StatementTrace::instance().clear();
        emit status.activated(0);
        EXPECT_EQ(sent(), QStringList{"Select * from tbPWOActive where casestatus='" + status.itemText(0) + "'"});
    });
}

TEST_F(AssessmentOpening, TheFundButtonBlinksInEightStepsForASponsoredStayAndTellsOtherwise)
{
    const Stay sponsored = stayOf(QStringLiteral("SELECT TOP 1 IdNum [IDNUM], HospNum FROM PATIENT_DATA..tbPatient2 "
                                                 "WHERE isnull(AccountNum, '') <> '' ORDER BY IdNum"));
    open(sponsored, [&](QWidget &window) {
        auto &timer = child<QTimer>(window, "tmrCDF");
        auto &button = child<QPushButton>(window, "cmdViewCDF");
        ASSERT_TRUE(timer.isActive());
        EXPECT_EQ(timer.interval(), 100);
        EXPECT_FALSE(button.isEnabled()) << "the fund view is not there yet";
        QStringList colours;
        for (int step = 0; step < 9; ++step) {
            QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
            colours << button.palette().color(QPalette::Button).name().toUpper();
        }
        const QString face = QApplication::palette(&button).color(QPalette::Button).name().toUpper();
        EXPECT_EQ(colours, (QStringList{"#FFFFA4", "#FFFFB3", "#FFFFE1", "#FFFFC8", "#FBFDB3", "#FFFFE1", face, face,
                                        "#FFFFA4"}));
    });
    program.prompter().clear();
    open(serviceStayWithoutCase(), [&](QWidget &window) { click(window, "cmdViewCDF"); });
    EXPECT_EQ(program.prompter().texts().last(), QStringLiteral("Patient has no CDF Allocation"));
    EXPECT_EQ(program.prompter().asked().last().prompt.title, QStringLiteral("message"));
}

} // namespace
