#include "LoggedInProgram.h"
#include "ModalWindows.h"
#include "TestPrinters.h"

#include "core/ProgramState.h"
#include "data/Recordset.h"
#include "data/StatementTrace.h"
#include "frame/mdiPWO.h"
#include "reports/dialogs/ReportPeriodWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace pwo;

namespace {

const QString sheetWindow = QStringLiteral("frmIntakeSheet");

struct Stay {
    QString IDNUM;
    QString HospNum;
};

// The statement's quoting: the value as typed, quotes doubled.
QString q(const QString &value)
{
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString call(const QString &procedure, const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &argument : arguments)
        quoted << q(argument);
    return procedure + quoted.join(QLatin1Char(','));
}

// The text boxes and lists a worker types into, with the save argument that
// carries each.
const QStringList typedFields = {
    QStringLiteral("txtSalary"),           QStringLiteral("txtEducation"),        QStringLiteral("txtLastname"),
    QStringLiteral("txtFirstname"),        QStringLiteral("txtMiddle"),           QStringLiteral("txtBirthdate"),
    QStringLiteral("txtOccupation"),       QStringLiteral("txtAge"),              QStringLiteral("txtTelNo"),
    QStringLiteral("txtBirthPlace"),       QStringLiteral("cboReligion"),         QStringLiteral("txtEmployer"),
    QStringLiteral("txtTemporaryAdd"),     QStringLiteral("txtPermanentAddress"), QStringLiteral("txtOtherSectorial"),
    QStringLiteral("cboCivilStatus"),      QStringLiteral("cboReferringParty"),   QStringLiteral("txtReferredBy"),
    QStringLiteral("txtRefferAd"),         QStringLiteral("txtReferringPartyContactNo"),
    QStringLiteral("txtSourceInfo"),       QStringLiteral("txtCompanionUponAdmission"),
    QStringLiteral("txtPerCapitaIncome"),  QStringLiteral("cboLivingArrangement"), QStringLiteral("cboRelationship"),
    QStringLiteral("txtAdressOfInformant"), QStringLiteral("txtAdmDiagnosis"),    QStringLiteral("txtFinalDiagnosis"),
    QStringLiteral("txtDurationOfProb"),   QStringLiteral("txtPreviousTretment"), QStringLiteral("txtPresentPlan"),
    QStringLiteral("txtAssessment"),       QStringLiteral("txtRecommendedInterventions"),
    QStringLiteral("cboPhilhealthType"),   QStringLiteral("cboCategoryType"),     QStringLiteral("cboAccomodation"),
    QStringLiteral("cmbCategory"),         QStringLiteral("txtOthers"),
};

// Fields that the stored sheet gives back on the next opening (the others
// come from the registry again).
const QStringList reloadedFields = {
    QStringLiteral("txtSalary"),         QStringLiteral("txtEducation"),       QStringLiteral("txtTemporaryAdd"),
    QStringLiteral("txtPermanentAddress"), QStringLiteral("txtOtherSectorial"), QStringLiteral("cboReferringParty"),
    QStringLiteral("txtReferredBy"),     QStringLiteral("txtRefferAd"),        QStringLiteral("txtReferringPartyContactNo"),
    QStringLiteral("txtSourceInfo"),     QStringLiteral("txtCompanionUponAdmission"),
    QStringLiteral("txtPerCapitaIncome"), QStringLiteral("cboLivingArrangement"), QStringLiteral("cboRelationship"),
    QStringLiteral("txtAdressOfInformant"), QStringLiteral("txtFinalDiagnosis"), QStringLiteral("txtDurationOfProb"),
    QStringLiteral("txtPreviousTretment"), QStringLiteral("txtPresentPlan"),   QStringLiteral("txtAssessment"),
    QStringLiteral("txtRecommendedInterventions"), QStringLiteral("cboPhilhealthType"),
    QStringLiteral("cboCategoryType"),   QStringLiteral("cboAccomodation"),    QStringLiteral("cmbCategory"),
    QStringLiteral("txtOthers"),
};

class IntakeSheet : public LoggedInProgram {
protected:
    void SetUp() override
    {
        LoggedInProgram::SetUp();
        stored = firstStay(QStringLiteral("SELECT s.IDNUM, s.HospNum FROM PWO..tbPWOIntakeSheet s "
                                          "JOIN PATIENT_DATA..tbPatient2 p ON p.IdNum = s.IDNUM ORDER BY s.HospNum"));
        program.prompter().clear();
        StatementTrace::instance().clear();
    }

    Stay firstStay(const QString &statement)
    {
        Recordset rows;
        rows.OpenReadOnly(statement, *globals().Connection);
        if (rows.Eof())
            throw std::logic_error(("no stay for " + statement).toStdString());
        return {rows.value(QStringLiteral("IDNUM")).text(), rows.value(QStringLiteral("HospNum")).text()};
    }

    QString storedValue(const QString &statement, const QString &column)
    {
        Recordset row;
        row.OpenReadOnly(statement, *globals().Connection);
        return row.Eof() ? QStringLiteral("<no row>") : row.value(column).text();
    }

    QWidget &open(const Stay &stay, const QString &patientType, const QString &erNum = {})
    {
        CurrentPatient().setValues({stay.IDNUM, stay.HospNum, QStringLiteral("A PATIENT"), QString(), erNum, patientType});
        program.mainWindow()->menuItem(QStringLiteral("mnuIntakeSheet"))->trigger();
        QWidget *window = program.window(sheetWindow);
        if (!window)
            throw std::logic_error("the intake sheet did not open");
        return *window;
    }

    void closeSheet(QWidget &window)
    {
        click(window, QStringLiteral("cmdCancel"));
        program.settle();
    }

    // Edit, Save and the answer at the confirmation.
    void save(QWidget &window, QMessageBox::StandardButton answer = QMessageBox::Yes,
              const QString &button = QStringLiteral("cmdSave"))
    {
        click(window, QStringLiteral("cmdEdit"));
        program.prompter().answer(answer);
        click(window, button);
    }

    Stay stored;
};

} // namespace

TEST_F(IntakeSheet, OpensAStoredSheetForViewingWithEveryStoredValue)
{
    QWidget &window = open(stored, QStringLiteral("0"));
    EXPECT_EQ(program.prompter().texts(), QStringList{}) << "no failure while opening";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("INTAKE SHEET"));

    const QStringList texts = sent();
    ASSERT_GE(texts.size(), 8);
    EXPECT_EQ(texts[0], QStringLiteral(" sp_SearchCategoryandClassification ") + q(stored.IDNUM));
    EXPECT_TRUE(texts.contains(QStringLiteral("PWO..sp_PWO_LoadExistIntakeSheet ") + q(stored.HospNum)));
    const int sheet = int(texts.indexOf(QStringLiteral("PWO..sp_PWO_LoadExistIntakeSheet") + q(stored.HospNum)));
    ASSERT_GT(sheet, 0);
    EXPECT_EQ(texts[sheet + 1], QStringLiteral("PWO..sp_PWO_LoadOtherPatientInfo ") + q(stored.HospNum));
    EXPECT_EQ(texts[sheet + 2], QStringLiteral("PWO..sp_PWO_LoadExistFamilyComposition ") + q(stored.HospNum));
    EXPECT_EQ(texts[sheet + 3], QStringLiteral("PWO..sp_PWO_LoadMonthlyExpenses ") + q(stored.HospNum));
    EXPECT_EQ(trace()[size_t(sheet)].cursorType, adOpenForwardOnly);
    EXPECT_EQ(trace()[size_t(sheet)].lockType, adLockReadOnly);
    EXPECT_EQ(texts.last(), QStringLiteral("SELECT  isnull(Description,'') [Description] FROM PWO..tbPWOAccomodation ORDER BY code "));

    const QString sheetRow = QStringLiteral("PWO..sp_PWO_LoadExistIntakeSheet ") + q(stored.HospNum);
    const QString otherRow = QStringLiteral("PWO..sp_PWO_LoadOtherPatientInfo ") + q(stored.HospNum);
    const QString expenseRow = QStringLiteral("PWO..sp_PWO_LoadMonthlyExpenses ") + q(stored.HospNum);
    EXPECT_EQ(textOf(window, QStringLiteral("txtHospitalNo")), stored.HospNum);
    EXPECT_EQ(textOf(window, QStringLiteral("txtCaseNo")), storedValue(sheetRow, QStringLiteral("PWONumber")));
    EXPECT_EQ(textOf(window, QStringLiteral("txtPWOW")), storedValue(sheetRow, QStringLiteral("PWOW")));
    EXPECT_EQ(textOf(window, QStringLiteral("cboClassCode")), storedValue(sheetRow, QStringLiteral("classCode")));
    EXPECT_EQ(textOf(window, QStringLiteral("txtClassification")),
              storedValue(sheetRow, QStringLiteral("ClassificationDescription")));
    EXPECT_EQ(textOf(window, QStringLiteral("txtPermanentAddress")), storedValue(sheetRow, QStringLiteral("PermanentAddress")));
    EXPECT_EQ(child<QCheckBox>(window, QStringLiteral("chkSeniorCitizen")).isChecked(),
              storedValue(sheetRow, QStringLiteral("SenCitizen")) == QLatin1String("1"));
    EXPECT_EQ(child<QDateEdit>(window, QStringLiteral("txtExpiry")).date(),
              QDate::fromString(storedValue(sheetRow, QStringLiteral("ExpiryDate")).left(10), QStringLiteral("yyyy-MM-dd")));
    EXPECT_EQ(child<QDateEdit>(window, QStringLiteral("DTDateInterviewed")).date(),
              QDate::fromString(storedValue(sheetRow, QStringLiteral("InterviewDate")).left(10), QStringLiteral("yyyy-MM-dd")));
    for (const char *name : {"ReferringParty", "ReferredBy", "CompanionUponAdmission", "PerCapitaIncome",
                             "LivingArrangement", "FinalDiagnosis", "PhilhealthType", "CategoryType", "Accomodation",
                             "Assessment", "RecommendedInterventions"}) {
        const QString column = QString::fromLatin1(name);
        QString control = column == QLatin1String("Assessment") || column == QLatin1String("RecommendedInterventions") ||
                                  column == QLatin1String("PerCapitaIncome") || column == QLatin1String("FinalDiagnosis") ||
                                  column == QLatin1String("CompanionUponAdmission") || column == QLatin1String("ReferredBy")
                              ? QStringLiteral("txt") + column
                              : QStringLiteral("cbo") + column;
        EXPECT_EQ(textOf(window, control), storedValue(otherRow, column)) << name;
    }
    const QString access = storedValue(otherRow, QStringLiteral("HealthAccessibility"));
    EXPECT_EQ(child<QRadioButton>(window, QStringLiteral("opHA_1")).isChecked(), access == QLatin1String("Available"));
    EXPECT_EQ(child<QRadioButton>(window, QStringLiteral("opHA_0")).isChecked(), access == QLatin1String("Not Available"));
    EXPECT_EQ(textOf(window, QStringLiteral("txtMExpenses_0")), storedValue(expenseRow, QStringLiteral("rent")));
    EXPECT_EQ(textOf(window, QStringLiteral("txtMExpenses_23")), storedValue(expenseRow, QStringLiteral("OtherAmount")));
    EXPECT_EQ(textOf(window, QStringLiteral("txtOthers")), storedValue(expenseRow, QStringLiteral("OTher")));
    EXPECT_EQ(textOf(window, QStringLiteral("txtTotalMonthlyExpenditure")),
              storedValue(expenseRow, QStringLiteral("TotalMonthlyExpenditure")));

    // View mode: only Edit, Save/Print and Close answer.
    EXPECT_FALSE(child<QPushButton>(window, QStringLiteral("cmdSave")).isEnabled());
    EXPECT_FALSE(child<QLineEdit>(window, QStringLiteral("txtLastname")).isEnabled());
    EXPECT_FALSE(child<QLineEdit>(window, QStringLiteral("txtMExpenses_5")).isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, QStringLiteral("cmdSavePrint")).isEnabled());
    click(window, QStringLiteral("cmdEdit"));
    EXPECT_TRUE(child<QLineEdit>(window, QStringLiteral("txtLastname")).isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, QStringLiteral("cmdAll")).isEnabled());
    EXPECT_FALSE(child<QLineEdit>(window, QStringLiteral("txtHospitalNo")).isEnabled());
    EXPECT_FALSE(child<QLineEdit>(window, QStringLiteral("txtPWOW")).isEnabled());
    EXPECT_FALSE(child<QLineEdit>(window, QStringLiteral("txtCaseNo")).isEnabled());
}

TEST_F(IntakeSheet, SaveSendsEveryValueAndTheNextOpeningShowsItAgain)
{
    QWidget &window = open(stored, QStringLiteral("0"));
    click(window, QStringLiteral("cmdEdit"));
    const QString longText = QStringLiteral("Household of seven; the father's income is seasonal. ").repeated(75);
    for (const QString &name : typedFields)
        setTextOf(window, name, name.mid(3) + QStringLiteral(" O'Brien"));
    setTextOf(window, QStringLiteral("txtAssessment"), longText);
    setTextOf(window, QStringLiteral("cboSex"), QStringLiteral("Female"));
    for (int i = 0; i < 24; ++i)
        setTextOf(window, QStringLiteral("txtMExpenses_%1").arg(i), QString::number(100 + i));
    setTextOf(window, QStringLiteral("txtTotalMonthlyExpenditure"), QStringLiteral("2676"));
    child<QCheckBox>(window, QStringLiteral("chkSeniorCitizen")).setChecked(true);
    child<QCheckBox>(window, QStringLiteral("chkBrgyOfficial")).setChecked(false);
    child<QCheckBox>(window, QStringLiteral("chkBHW")).setChecked(true);
    child<QCheckBox>(window, QStringLiteral("chkPWD")).setChecked(false);
    child<QCheckBox>(window, QStringLiteral("chkIndigenous")).setChecked(true);
    child<QRadioButton>(window, QStringLiteral("opHA_0")).setChecked(true);
    const QDate interviewed(2026, 11, 30);
    const QDate expiry(2027, 5, 31);
    child<QDateEdit>(window, QStringLiteral("DTDateInterviewed")).setDate(interviewed);
    child<QDateEdit>(window, QStringLiteral("txtExpiry")).setDate(expiry);
    const QString caseNo = textOf(window, QStringLiteral("txtCaseNo"));
    const QString ward = textOf(window, QStringLiteral("txtWard"));
    const QString admitted = textOf(window, QStringLiteral("txtAdmissionDate"));
    const QString classification = textOf(window, QStringLiteral("txtClassification"));
    const QString classCode = textOf(window, QStringLiteral("cboClassCode"));
    const QString worker = textOf(window, QStringLiteral("txtPWOW"));
    const QString caseData = QStringLiteral("SELECT CategoryNum, refpartyid FROM PWO..tbPWOPatientData WHERE HospNum = ") +
                             q(stored.HospNum);
    const QString categoryTag = storedValue(caseData, QStringLiteral("CategoryNum"));
    const QString referringPartyTag = storedValue(caseData, QStringLiteral("refpartyid"));
    StatementTrace::instance().clear();
    program.prompter().answer(QMessageBox::Yes);
    click(window, QStringLiteral("cmdSave"));

    const auto v = [&](const char *name) { return textOf(window, QString::fromLatin1(name)); };
    const QString shortInterview = shortDateText(interviewed);
    const QString intake = call(
        QStringLiteral("PWO..sp_PWO_SaveIntakeSheetData "),
        {stored.HospNum, shortInterview, classification, v("cmbCategory"), v("txtSalary"), v("txtEducation"), ward,
         v("txtLastname"), v("txtFirstname"), v("txtMiddle"), QStringLiteral("Female"), v("txtBirthdate"),
         v("cboCivilStatus"), v("txtOccupation"), v("txtAge"), v("txtTelNo"), v("txtBirthPlace"), v("cboReligion"),
         v("txtEmployer"), stored.IDNUM, admitted, shortInterview, shortDateText(expiry), v("txtTemporaryAdd"),
         v("txtPermanentAddress"), caseNo, QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
         QStringLiteral("0"), QStringLiteral("1"), v("txtOtherSectorial")});
    const QString other = call(
        QStringLiteral("PWO..sp_PWO_SaveOtherPatientInfo "),
        {stored.HospNum, v("cboReferringParty"), v("txtReferredBy"), v("txtRefferAd"), v("txtReferringPartyContactNo"),
         v("txtSourceInfo"), v("txtCompanionUponAdmission"), v("txtPerCapitaIncome"), v("cboLivingArrangement"),
         v("cboRelationship"), v("txtAdressOfInformant"), v("txtAdmDiagnosis"), v("txtFinalDiagnosis"),
         v("txtDurationOfProb"), v("txtPreviousTretment"), v("txtPresentPlan"), QStringLiteral("Not Available"),
         longText, v("txtRecommendedInterventions"), v("cboPhilhealthType"), v("cboCategoryType"), v("cboAccomodation")});
    const QString patientData = call(
        QStringLiteral("PWO..sp_PWO_SavePatientData"),
        {stored.HospNum, stored.IDNUM, caseNo, classCode, v("cmbCategory"), categoryTag, QStringLiteral("11/30/2026"),
         QStringLiteral("05/31/2027"), worker, globals().EmployeeCode, referringPartyTag});
    QStringList expenses{stored.HospNum};
    for (int i = 0; i < 23; ++i)
        expenses << QString::number(100 + i);
    expenses << v("txtOthers") << QStringLiteral("123") << QStringLiteral("2676");
    const QString monthly = call(QStringLiteral("PWO..sp_PWO_SaveMonthlyExpenses "), expenses);

    const QStringList texts = sent();
    ASSERT_TRUE(texts.contains(intake)) << qPrintable(texts.join(QLatin1Char('\n')).left(3000));
    const int first = int(texts.indexOf(intake));
    EXPECT_EQ(texts.value(first + 1), other);
    EXPECT_EQ(texts.value(first + 2), patientData);
    EXPECT_EQ(texts.last(), monthly);
    EXPECT_EQ(program.prompter().texts().last(),
              QStringLiteral("Record of ") + v("txtLastname") + QStringLiteral(", ") + v("txtFirstname") +
                  QStringLiteral(" Saved."));
    const Prompt &confirmation = program.prompter().asked()[program.prompter().asked().size() - 2].prompt;
    EXPECT_EQ(confirmation.text, QStringLiteral("Are you sure you want to save the changes?"));
    EXPECT_EQ(confirmation.title, QStringLiteral("Halvex Program"));
    EXPECT_EQ(storedValue(QStringLiteral("SELECT LastName FROM PWO..tbPWOIntakeSheet WHERE HospNum = ") + q(stored.HospNum),
                          QStringLiteral("LastName")),
              QStringLiteral("Lastname O'Brien"));

    // Typed values come back whole; the registry's own come from the registry again.
    QMap<QString, QString> typed;
    for (const QString &name : reloadedFields)
        typed[name] = textOf(window, name);
    closeSheet(window);
    QWidget &again = open(stored, QStringLiteral("0"));
    for (const QString &name : reloadedFields)
        EXPECT_EQ(textOf(again, name), typed[name]) << qPrintable(name);
    EXPECT_EQ(textOf(again, QStringLiteral("txtAssessment")), longText);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(textOf(again, QStringLiteral("txtMExpenses_%1").arg(i)), QString::number(100 + i));
    EXPECT_EQ(textOf(again, QStringLiteral("txtTotalMonthlyExpenditure")), QStringLiteral("2676"));
    EXPECT_TRUE(child<QCheckBox>(again, QStringLiteral("chkSeniorCitizen")).isChecked());
    EXPECT_FALSE(child<QCheckBox>(again, QStringLiteral("chkBrgyOfficial")).isChecked());
    EXPECT_TRUE(child<QCheckBox>(again, QStringLiteral("chkIndigenous")).isChecked());
    EXPECT_TRUE(child<QRadioButton>(again, QStringLiteral("opHA_0")).isChecked());
    EXPECT_EQ(child<QDateEdit>(again, QStringLiteral("DTDateInterviewed")).date(), interviewed);
    EXPECT_EQ(child<QDateEdit>(again, QStringLiteral("txtExpiry")).date(), expiry);
    EXPECT_EQ(textOf(again, QStringLiteral("txtCaseNo")), caseNo);
}

TEST_F(IntakeSheet, ChecksStopTheSaveBeforeAnythingIsWritten)
{
    const auto writes = [&] {
        QStringList saves;
        for (const QString &text : sent())
            if (text.contains(QLatin1String("_Save")) || text.contains(QLatin1String("_Clear")))
                saves << text;
        return saves;
    };

    QWidget &window = open(stored, QStringLiteral("0"));
    click(window, QStringLiteral("cmdEdit"));
    child<QLineEdit>(window, QStringLiteral("txtCaseNo")).clear();
    click(window, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Can't save incomplete data Case Number is Missing.")});
    EXPECT_EQ(program.prompter().asked().last().prompt.icon, QMessageBox::Information);
    EXPECT_TRUE(child<QLineEdit>(window, QStringLiteral("txtCaseNo")).isEnabled());
    // Blanks are no case number either.
    program.prompter().clear();
    child<QLineEdit>(window, QStringLiteral("txtCaseNo")).setText(QStringLiteral("   "));
    click(window, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Can't save incomplete data Case Number is Missing.")});

    // A case number held by another patient names him and is emptied.
    const Stay owner = firstStay(QStringLiteral("SELECT HospNum, PWONumber AS IDNUM FROM PWO..tbPWOPatientData "
                                                "WHERE HospNum <> ") + q(stored.HospNum) + QStringLiteral(" ORDER BY HospNum"));
    const QString ownerName = storedValue(
        QStringLiteral("SELECT LastName + ', ' + FirstName AS Name FROM PATIENT_DATA..tbMaster WHERE HospNum = ") + q(owner.HospNum),
        QStringLiteral("Name"));
    program.prompter().clear();
    setTextOf(window, QStringLiteral("txtCaseNo"), owner.IDNUM);
    click(window, QStringLiteral("cmdSave"));
    EXPECT_TRUE(sent().contains(QStringLiteral("PWO..sp_PWO_GetExistsPWONumber ") + q(owner.IDNUM) + QStringLiteral(", ") +
                                q(stored.HospNum)));
    ASSERT_EQ(program.prompter().texts().size(), 1);
    EXPECT_TRUE(program.prompter().texts().first().startsWith(
        QStringLiteral("The CaseNumber already exists and is owned by ") + ownerName));
    EXPECT_EQ(textOf(window, QStringLiteral("txtCaseNo")), QString());

    program.prompter().clear();
    setTextOf(window, QStringLiteral("txtCaseNo"), QStringLiteral("2026-99999"));
    setTextOf(window, QStringLiteral("cboCivilStatus"), QString());
    click(window, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Civil Status is Missing.")});

    // No at the confirmation: nothing written, and Save/Print opens no report.
    program.prompter().clear();
    setTextOf(window, QStringLiteral("cboCivilStatus"), QStringLiteral("MARRIED"));
    program.prompter().answer(QMessageBox::No);
    click(window, QStringLiteral("cmdSavePrint"));
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Are you sure you want to save the changes?")});
    EXPECT_EQ(writes(), QStringList{});
    EXPECT_EQ(program.window(QStringLiteral("frmReportViewer")), nullptr);
}

TEST_F(IntakeSheet, SavePrintOpensThePrintedSheetAfterASave)
{
    QWidget &window = open(stored, QStringLiteral("0"));
    save(window, QMessageBox::Yes, QStringLiteral("cmdSavePrint"));
    EXPECT_TRUE(program.prompter().texts().last().endsWith(QStringLiteral(" Saved.")));
    QWidget *viewer = program.window(QStringLiteral("frmReportViewer"));
    ASSERT_NE(viewer, nullptr) << qPrintable(program.prompter().texts().join(QLatin1Char('\n')));
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Intake Sheet Data"));
    viewer->close();
}

TEST_F(IntakeSheet, ThePatientKindChoosesTheDemographicsAndTheAccomodation)
{
    // An out-patient visit through the service list: registry data, the visit date, "OPD".
    const Stay visit = firstStay(QStringLiteral("SELECT IdNum AS IDNUM, HospNum FROM PATIENT_DATA..tbOutPatient ORDER BY IdNum"));
    QWidget &outPatient = open(visit, QStringLiteral("2"));
    EXPECT_TRUE(sent().contains(QStringLiteral("Radiology..spGlobal_RegisteredOPD '','1',") + q(visit.IDNUM)));
    EXPECT_EQ(textOf(outPatient, QStringLiteral("txtHospitalNo")), visit.HospNum);
    EXPECT_EQ(textOf(outPatient, QStringLiteral("txtWard")), QStringLiteral("OPD"));
    EXPECT_FALSE(textOf(outPatient, QStringLiteral("txtAdmissionDate")).isEmpty());
    EXPECT_EQ(textOf(outPatient, QStringLiteral("cboAccomodation")).isEmpty(), false);
    const bool hasSheet = storedValue(QStringLiteral("SELECT HospNum FROM PWO..tbPWOOtherPatientInfo WHERE HospNum = ") +
                                          q(visit.HospNum),
                                      QStringLiteral("HospNum")) == visit.HospNum;
    if (!hasSheet) {
        EXPECT_EQ(textOf(outPatient, QStringLiteral("cboAccomodation")), QStringLiteral("OUTPATIENT"));
    }
    closeSheet(outPatient);

    // The same number with an ER number is an ER patient.
    const Stay erVisit = firstStay(QStringLiteral(
        "SELECT o.IdNum AS IDNUM, o.HospNum FROM PATIENT_DATA..tbOutPatient o WHERE o.HospNum NOT IN "
        "(SELECT HospNum FROM PWO..tbPWOOtherPatientInfo) ORDER BY o.IdNum"));
    QWidget &er = open(erVisit, QStringLiteral("3"), QStringLiteral("ER-000123"));
    EXPECT_EQ(textOf(er, QStringLiteral("cboAccomodation")), QStringLiteral("ER PATIENT"));
    closeSheet(er);

    // An admission number of digits is an in-patient: the room and the diagnosis of the stay.
    const Stay admission = firstStay(QStringLiteral(
        "SELECT p.IdNum AS IDNUM, p.HospNum FROM PATIENT_DATA..tbPatient2 p WHERE p.HospNum NOT IN "
        "(SELECT HospNum FROM PWO..tbPWOOtherPatientInfo) AND p.AdmittingDiagnosis <> '' ORDER BY p.IdNum"));
    StatementTrace::instance().clear();
    QWidget &inPatient = open(admission, QStringLiteral("2"));
    EXPECT_EQ(textOf(inPatient, QStringLiteral("cboAccomodation")), QStringLiteral("INPATIENT"));
    EXPECT_EQ(textOf(inPatient, QStringLiteral("txtWard")),
              storedValue(QStringLiteral("SELECT RoomID FROM PATIENT_DATA..tbPatient2 WHERE IdNum = ") + q(admission.IDNUM),
                          QStringLiteral("RoomID")));
    EXPECT_EQ(textOf(inPatient, QStringLiteral("txtFinalDiagnosis")), textOf(inPatient, QStringLiteral("txtAdmDiagnosis")));
    EXPECT_FALSE(textOf(inPatient, QStringLiteral("txtAdmDiagnosis")).isEmpty());
    EXPECT_FALSE(sent().join(QLatin1Char('\n')).contains(QLatin1String("spGlobal_RegisteredOPD")));
    closeSheet(inPatient);

    // The department's own list gives no registry data: the loads run with no hospital number.
    QWidget &department = open(stored, QStringLiteral("5"));
    EXPECT_EQ(textOf(department, QStringLiteral("txtHospitalNo")), QString());
    EXPECT_EQ(textOf(department, QStringLiteral("txtLastname")), QString());
    EXPECT_TRUE(sent().contains(QStringLiteral("PWO..sp_PWO_LoadExistIntakeSheet''")));
    EXPECT_EQ(program.prompter().texts(), QStringList{});
    // Its empty boxes are not written over the patient's stored sheet.
    save(department);
    EXPECT_TRUE(program.prompter().texts().value(0).contains(QLatin1String("cannot be saved")));
    EXPECT_FALSE(sent().join(QLatin1Char('\n')).contains(QLatin1String("_Save")));
}

TEST_F(IntakeSheet, ExpenseTotalAddsTheBoxesAndMarksTextThatIsNoNumber)
{
    const Stay fresh = firstStay(QStringLiteral(
        "SELECT p.IdNum AS IDNUM, p.HospNum FROM PATIENT_DATA..tbPatient2 p WHERE p.HospNum NOT IN "
        "(SELECT HospNum FROM PWO..tbPWOMonthlyExpenses) ORDER BY p.IdNum"));
    QWidget &window = open(fresh, QStringLiteral("0"));
    click(window, QStringLiteral("cmdEdit"));
    auto &rent = child<QLineEdit>(window, QStringLiteral("txtMExpenses_0"));
    auto &food = child<QLineEdit>(window, QStringLiteral("txtMExpenses_10"));
    auto &gas = child<QLineEdit>(window, QStringLiteral("txtMExpenses_12"));
    rent.setFocus();
    QTest::keyClicks(&rent, QStringLiteral("1500"));
    food.setFocus();
    QTest::keyClicks(&food, QStringLiteral("3000"));
    rent.setFocus();
    EXPECT_EQ(textOf(window, QStringLiteral("txtTotalMonthlyExpenditure")), QStringLiteral("4500"));

    gas.setText(QStringLiteral("about 300"));
    gas.setFocus();
    food.setFocus();
    EXPECT_EQ(textOf(window, QStringLiteral("txtTotalMonthlyExpenditure")), QStringLiteral("4500"));
    EXPECT_FALSE(gas.toolTip().isEmpty()) << "the box the total left out is marked";
    gas.setText(QStringLiteral("300.5"));
    gas.setFocus();
    food.setFocus();
    EXPECT_EQ(textOf(window, QStringLiteral("txtTotalMonthlyExpenditure")), QStringLiteral("4800.5"));
    EXPECT_TRUE(gas.toolTip().isEmpty());
}

TEST_F(IntakeSheet, WithoutACurrentPatientTheMenuShowsThePatientList)
{
    CurrentPatient().setValues({});
    program.mainWindow()->menuItem(QStringLiteral("mnuIntakeSheet"))->trigger();
    EXPECT_EQ(program.window(sheetWindow), nullptr);
    EXPECT_NE(program.window(QStringLiteral("frmListPatient")), nullptr);
}

TEST_F(IntakeSheet, ACategoryOrReferringPartyPickedFromItsListIsSavedWithItsOwnId)
{
    QWidget &window = open(stored, QStringLiteral("0"));
    click(window, QStringLiteral("cmdEdit"));
    auto &category = child<QComboBox>(window, QStringLiteral("cmbCategory"));
    auto &party = child<QComboBox>(window, QStringLiteral("cboReferringParty"));
    const int categoryIndex = category.findText(QStringLiteral("Abandoned/Neglected"));
    const int partyIndex = party.findText(QStringLiteral("Relatives and Friends"));
    ASSERT_GE(categoryIndex, 0);
    ASSERT_GE(partyIndex, 0);
    category.setCurrentIndex(categoryIndex);
    emit category.activated(categoryIndex);
    party.setCurrentIndex(partyIndex);
    emit party.activated(partyIndex);
    const QString categoryCode = storedValue(
        QStringLiteral("SELECT Code FROM PWO..tbPWOCaseCategory WHERE category = 'Abandoned/Neglected'"), QStringLiteral("Code"));
    program.prompter().answer(QMessageBox::Yes);
    click(window, QStringLiteral("cmdSave"));
    const QString caseData = QStringLiteral("SELECT categoryDescription, CategoryNum, refpartyid FROM PWO..tbPWOPatientData "
                                            "WHERE HospNum = ") + q(stored.HospNum);
    EXPECT_EQ(storedValue(caseData, QStringLiteral("categoryDescription")), QStringLiteral("Abandoned/Neglected"));
    EXPECT_EQ(storedValue(caseData, QStringLiteral("CategoryNum")), categoryCode);
    EXPECT_EQ(storedValue(caseData, QStringLiteral("refpartyid")), QStringLiteral("7"));
}

TEST_F(IntakeSheet, AFailingSaveStopsWhereItFailedAndOpensNoReport)
{
    QWidget &window = open(stored, QStringLiteral("0"));
    program.failNextStatementMatching(QStringLiteral("sp_PWO_SavePatientData"), 547,
                                      QStringLiteral("The INSERT statement conflicted with a constraint."));
    save(window, QMessageBox::Yes, QStringLiteral("cmdSavePrint"));
    EXPECT_TRUE(program.prompter().texts().last().contains(QLatin1String("conflicted with a constraint")));
    const QString all = sent().join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QLatin1String("sp_PWO_SaveOtherPatientInfo")));
    EXPECT_FALSE(all.contains(QLatin1String("sp_PWO_SaveMonthlyExpenses")));
    EXPECT_EQ(program.window(QStringLiteral("frmReportViewer")), nullptr);
    EXPECT_TRUE(window.isVisible()) << "what was typed stays on the screen";
}

TEST_F(IntakeSheet, TypingAndPastingStopAtTheWidthOfWhatTheTextIsSavedInto)
{
    QWidget &window = open(stored, QStringLiteral("0"));
    click(window, QStringLiteral("cmdEdit"));
    const QList<std::pair<QString, int>> boxes = {{QStringLiteral("txtLastname"), 50},
                                                  {QStringLiteral("txtPermanentAddress"), 200},
                                                  {QStringLiteral("cboReligion"), 50},
                                                  {QStringLiteral("txtMExpenses_0"), 20}};
    for (const auto &[name, width] : boxes) {
        QLineEdit *line = window.findChild<QLineEdit *>(name);
        if (!line)
            line = child<QComboBox>(window, name).lineEdit();
        line->clear();
        line->setFocus();
        QTest::keyClicks(line, QString(width + 5, QLatin1Char('7')));
        EXPECT_EQ(line->text().size(), width) << name.toStdString();
        line->selectAll();
        line->insert(QString(width + 5, QLatin1Char('8')));  // as a paste does
        EXPECT_EQ(line->text(), QString(width, QLatin1Char('8'))) << name.toStdString();
    }

    // The family grid's editor takes the width of the column it stands in.
    auto &grid = child<QTableWidget>(window, QStringLiteral("FCFlexGrid"));
    auto &editor = child<QLineEdit>(window, QStringLiteral("txtFlxg"));
    child<QTabWidget>(window, QStringLiteral("tabIntake")).setCurrentIndex(1);
    emit grid.cellClicked(0, 5);
    editor.clear();
    QTest::keyClicks(&editor, QString(205, QLatin1Char('a')));
    EXPECT_EQ(grid.item(0, 5)->text().size(), 200);
    emit grid.cellClicked(0, 2);
    editor.clear();
    QTest::keyClicks(&editor, QStringLiteral("123456789012"));
    EXPECT_EQ(grid.item(0, 2)->text(), QStringLiteral("1234567890"));
}

TEST_F(IntakeSheet, OverlongNarrativesAreRefusedByNameBeforeTheConfirmationAndNothingIsWritten)
{
    QWidget &window = open(stored, QStringLiteral("0"));
    click(window, QStringLiteral("cmdEdit"));
    setTextOf(window, QStringLiteral("txtAssessment"), QString(4300, QLatin1Char('a')));
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("txtAssessmentLeft")).text(),
              QStringLiteral("300 characters too many"));
    StatementTrace::instance().clear();
    click(window, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(),
              QStringList{QStringLiteral("ASSESSMENT: 4 300 characters, at most 4 000 fit. Shorten it before saving.")});

    program.prompter().clear();
    setTextOf(window, QStringLiteral("txtRecommendedInterventions"), QString(4001, QLatin1Char('b')));
    click(window, QStringLiteral("cmdSavePrint"));
    EXPECT_EQ(program.prompter().texts(),
              QStringList{QStringLiteral("ASSESSMENT: 4 300 characters, at most 4 000 fit.\n"
                                         "RECOMMENDED INTERVENTIONS: 4 001 characters, at most 4 000 fit.\n"
                                         "Shorten them before saving.")});
    for (const QString &text : sent())
        EXPECT_FALSE(text.contains(QLatin1String("_Save")) || text.contains(QLatin1String("_Clear"))) << text.toStdString();
    EXPECT_EQ(program.window(QStringLiteral("frmReportViewer")), nullptr);
}

TEST_F(IntakeSheet, ANarrativeAtTheLimitIsStoredAndOpensAgainWhole)
{
    const QString narrative = (QStringLiteral("The mother's pension ends in March.\n").repeated(112)).left(4000);
    ASSERT_EQ(narrative.size(), 4000);
    QWidget &window = open(stored, QStringLiteral("0"));
    click(window, QStringLiteral("cmdEdit"));
    setTextOf(window, QStringLiteral("txtAssessment"), narrative);
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("txtAssessmentLeft")).text(), QStringLiteral("0 characters left"));
    program.prompter().answer(QMessageBox::Yes);
    click(window, QStringLiteral("cmdSave"));
    ASSERT_TRUE(program.prompter().texts().last().startsWith(QStringLiteral("Record of "))) << program.prompter().texts().join('|').toStdString();
    EXPECT_EQ(storedValue(QStringLiteral("SELECT Assessment FROM PWO..tbPWOOtherPatientInfo WHERE HospNum = ") +
                              q(stored.HospNum),
                          QStringLiteral("Assessment")),
              narrative);
    closeSheet(window);
    EXPECT_EQ(textOf(open(stored, QStringLiteral("0")), QStringLiteral("txtAssessment")), narrative);
}

TEST_F(IntakeSheet, AStoredTextLongerThanItsBoxOpensWholeAndIsRefusedUntilShortened)
{
    const QString address = QStringLiteral("Purok 7, Barangay San Isidro, ").repeated(9);  // 270 characters
    const QString member = QStringLiteral("Ma. Cristina ").repeated(9);                  // 117 characters
    program.database().sqlite(QStringLiteral("UPDATE PWO.tbPWOIntakeSheet SET PermanentAddress = %1 WHERE HospNum = %2;"
                                             "DELETE FROM PWO.tbPWOFamilyComposition WHERE HospNum = %2;"
                                             "INSERT INTO PWO.tbPWOFamilyComposition (Number, HospNum, FamilyMember, "
                                             "Relationship, Age, CivilStatus, Education, Address, Occupation, Income, "
                                             "TotalIncome) VALUES (90001, %2, %3, 'Daughter', '12', 'SINGLE', "
                                             "'Grade 6', 'Purok 7', 'Student', 0, 0);")
                                  .arg(q(address), q(stored.HospNum), q(member)));
    QWidget &window = open(stored, QStringLiteral("0"));
    QLineEdit &box = child<QLineEdit>(window, QStringLiteral("txtPermanentAddress"));
    EXPECT_EQ(box.text(), address);
    click(window, QStringLiteral("cmdEdit"));
    click(window, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(),
              QStringList{QStringLiteral("Permanent Address: 270 characters, at most 200 fit. Shorten it before saving.")});

    // Once it fits, the box holds it to its width like any other.
    box.setText(address.left(200));
    box.end(false);
    QTest::keyClicks(&box, QStringLiteral("xyz"));
    EXPECT_EQ(box.text(), address.left(200));

    auto &grid = child<QTableWidget>(window, QStringLiteral("FCFlexGrid"));
    ASSERT_TRUE(grid.item(0, 0)) << "the demo sheet has no stored family";
    child<QTabWidget>(window, QStringLiteral("tabIntake")).setCurrentIndex(1);
    emit grid.cellClicked(0, 0);
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtFlxg")).text(), member);
    program.prompter().clear();
    click(window, QStringLiteral("cmdSave"));
    EXPECT_EQ(program.prompter().texts(),
              QStringList{QStringLiteral("Family member row 1, Family Member: 117 characters, at most 100 fit. "
                                         "Shorten it before saving.")});
    for (const QString &text : sent())
        EXPECT_FALSE(text.contains(QLatin1String("_Save")) || text.contains(QLatin1String("_Clear"))) << text.toStdString();
}
