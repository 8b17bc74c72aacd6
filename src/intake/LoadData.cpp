#include "LoadData.h"

#include "EnvironmentProblemsTab.h"
#include "FamilyCompositionTab.h"
#include "IntakeFields.h"
#include "SocialFunctioningTab.h"
#include "frmIntakeSheetForm.h"

#include "core/ProgramState.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace pwo {

namespace {

const char *const expenseColumns[frmIntakeSheetForm::expenseCount] = {
    "rent",         "Owned",         "Amortize",    "Electric",   "Kerosine",   "Candle",
    "ArtesianWell", "WaterDistrict", "WaterPublic", "WaterOwned", "Food",       "Clothing",
    "Gas",          "Firewood",      "Charcoal",    "MCS",        "TuitionFee", "Allowance",
    "TranspoAllowance", "TranspoMed", "MedicalExpenditure", "HouseHelp", "InsurancePremium", "OtherAmount",
};

// The record set the four sheet loads share, closed before each reuse.
Recordset &sheetRows()
{
    static Recordset rows;
    if (rows.State() == adStateOpen)
        rows.Close();
    return rows;
}

void openSheetRows(Recordset &rows, const QString &statement, bool clientSide)
{
    if (clientSide)
        rows.setCursorLocation(adUseClient);
    rows.Open(statement, *globals().Connection, adOpenForwardOnly, adLockReadOnly, -1);
}

QString text(const Recordset &rows, const char *column)
{
    return rows.value(QString::fromLatin1(column)).text();
}

QString hospitalNumber(const frmIntakeSheetForm &form)
{
    return form.txtHospitalNo->text();
}

// The fragments of a rating load joined with blanks, as the statement is sent.
QString ratingStatement(const QStringList &fragments)
{
    return fragments.join(QLatin1Char(' '));
}

QString socialFunctioningStatement(const QString &hospNum, int code)
{
    return ratingStatement({
        QStringLiteral("Select b.Code as codeIndex,"),
        QStringLiteral("isnull(cast(c.id as varchar(3)) + '. ' + c.types,'')   as SocialInteractValue,"),
        QStringLiteral("isnull(cast(d.id as varchar(3)) + '. ' + d.type,'')   as SeverityIndexValue,"),
        QStringLiteral("isnull(cast(e.id as varchar(3)) + '. ' + e.type,'')   as DurationIndexValue,"),
        QStringLiteral("isnull(cast(f.id as varchar(3)) + '. ' + f.type,'')   as CopingIndexValue,  *"),
        QStringLiteral("from pwo..tbPWOSocialFunctioning a"),
        QStringLiteral("left outer join tbPWORoles b  on a.Description = b.ID"),
        QStringLiteral("left outer join build_file..tbcoPWOTypesSocialInteract c on  c.id = a.Interaction"),
        QStringLiteral("left outer join build_file..tbcoPWOSeverityIndex d on d.id = a.SeverityIndex"),
        QStringLiteral("left outer join build_file..tbcoPWODurationIndex e on e.id  = a.DurationIndex"),
        QStringLiteral("left outer join build_file..tbcoPWOCopingIndex f on f.id = a.CopingIndex"),
        QStringLiteral("where a.hospnum =") + sql::quoted(hospNum) + QLatin1Char(' '),
        QStringLiteral("      and b.code = ") + sql::quoted(QString::number(code)),
        QStringLiteral("order by b.code asc"),
    });
}

QString environmentProblemsStatement(const QString &hospNum, int code)
{
    return ratingStatement({
        QStringLiteral("Select b.Code as codeIndex,"),
        QStringLiteral("isnull(cast(d.id as varchar(3)) + '. ' + d.type,'')   as SeverityIndexValue,"),
        QStringLiteral("isnull(cast(e.id as varchar(3)) + '. ' + e.type,'')   as DurationIndexValue"),
        QStringLiteral("from pwo..tbPWOEnvironmentProblems a"),
        QStringLiteral("left outer join tbPWOProblems b  on a.Description = b.ID"),
        QStringLiteral("left outer join build_file..tbcoPWOSeverityIndex d on d.id = a.SeverityIndex"),
        QStringLiteral("left outer join build_file..tbcoPWODurationIndex e on e.id  = a.DurationIndex"),
        QStringLiteral("where a.hospnum =") + sql::quoted(hospNum),
        QStringLiteral("      and b.code = ") + sql::quoted(QString::number(code)),
        QStringLiteral("order by b.code asc"),
    });
}

// Runs one rating load a code inside one transaction; a failure ends the
// transaction before it is reported, so the connection is not left in one.
void loadRatings(int codeCount, const std::function<QString(int)> &statementOf,
                 const std::function<void(int, Recordset &)> &show)
{
    Connection &connection = *globals().CurrentUser->sqlconnection();
    connection.BeginTrans();
    try {
        for (int code = 0; code < codeCount; ++code) {
            Recordset ratings;
            ratings.OpenReadOnly(statementOf(code), connection);
            if (!ratings.Eof())
                show(code, ratings);
            ratings.Close();
        }
    } catch (...) {
        if (connection.inTransaction())
            connection.RollbackTrans();
        throw;
    }
    connection.CommitTrans();
}

} // namespace

QString monthlyExpenseColumn(int index)
{
    return QString::fromLatin1(expenseColumns[index]);
}

namespace LoadData {

void LoadIntakeSheet(frmIntakeSheetForm &form)
{
    Recordset &rows = sheetRows();
    openSheetRows(rows, QStringLiteral("PWO..sp_PWO_LoadExistIntakeSheet") + sql::quoted(hospitalNumber(form)), false);
    if (!rows.Eof()) {
        form.chkSeniorCitizen->setChecked(text(rows, "SenCitizen") == QLatin1String("1"));
        form.chkBrgyOfficial->setChecked(text(rows, "brgyOfficial") == QLatin1String("1"));
        form.chkBHW->setChecked(text(rows, "BHW") == QLatin1String("1"));
        form.chkPWD->setChecked(text(rows, "PWD") == QLatin1String("1"));
        form.chkIndigenous->setChecked(text(rows, "Indigenous") == QLatin1String("1"));
        form.txtPWOW->setText(text(rows, "PWOW"));
        form.txtCaseNo->setText(text(rows, "PWONumber"));
        showStoredDate(*form.txtExpiry, rows.value(QStringLiteral("ExpiryDate")));
        showStoredDate(*form.DTDateInterviewed, rows.value(QStringLiteral("InterviewDate")));
        form.txtEducation->setText(text(rows, "Education"));
        form.cmbCategory->setCurrentText(text(rows, "categoryDescription"));
        form.cboClassCode->setCurrentText(text(rows, "classCode"));
        form.txtClassification->setText(text(rows, "ClassificationDescription"));
        form.txtSalary->setText(text(rows, "Salary"));
        form.txtSourceInfo->setText(text(rows, "InfoSource"));
        form.cboReferringParty->setCurrentText(text(rows, "ReferringParty"));
        form.txtReferredBy->setText(text(rows, "ReferredBy"));
        form.txtRefferAd->setText(text(rows, "ReferralAddress"));
        form.txtTemporaryAdd->setText(text(rows, "TemporaryAddress"));
        form.txtPermanentAddress->setText(text(rows, "PermanentAddress"));
        form.txtOtherSectorial->setText(text(rows, "OtherSectorialMembership"));
    }
    rows.Close();
}

void LoadOtherPatientInfo(frmIntakeSheetForm &form)
{
    Recordset &rows = sheetRows();
    openSheetRows(rows, QStringLiteral("PWO..sp_PWO_LoadOtherPatientInfo ") + sql::quoted(hospitalNumber(form)), true);
    if (rows.RecordCount() > 0) {
        form.cboReferringParty->setCurrentText(text(rows, "ReferringParty"));
        form.txtReferredBy->setText(text(rows, "ReferredBy"));
        form.txtReferringPartyContactNo->setText(text(rows, "ReferringPartyContactNo"));
        form.txtRefferAd->setText(text(rows, "ReferralAddress"));
        form.txtSourceInfo->setText(text(rows, "InfoSource"));
        form.txtCompanionUponAdmission->setText(text(rows, "CompanionUponAdmission"));
        form.txtPerCapitaIncome->setText(text(rows, "PerCapitaIncome"));
        form.cboLivingArrangement->setCurrentText(text(rows, "LivingArrangement"));
        form.cboRelationship->setCurrentText(text(rows, "RelationToPatient"));
        form.txtAdressOfInformant->setText(text(rows, "AddressOfInformant"));
        form.txtFinalDiagnosis->setText(text(rows, "FinalDiagnosis"));
        form.txtDurationOfProb->setText(text(rows, "ProbSympDuration"));
        form.txtPreviousTretment->setText(text(rows, "PrevTretmentDuration"));
        form.txtPresentPlan->setText(text(rows, "PresentTreatmentPlan"));
        form.environmentTab->txtAssessment()->setPlainText(text(rows, "Assessment"));
        form.environmentTab->txtRecommendedInterventions()->setPlainText(text(rows, "RecommendedInterventions"));
        form.cboPhilhealthType->setCurrentText(text(rows, "PhilhealthType"));
        form.cboCategoryType->setCurrentText(text(rows, "CategoryType"));
        form.cboAccomodation->setCurrentText(text(rows, "Accomodation"));
        const QString access = text(rows, "HealthAccessibility");
        if (access == QLatin1String("Not Available"))
            form.opHA[0]->setChecked(true);
        else if (access == QLatin1String("Available"))
            form.opHA[1]->setChecked(true);
    }
    rows.Close();
}

void LoadFamilyComposition(frmIntakeSheetForm &form)
{
    Recordset &rows = sheetRows();
    openSheetRows(rows, QStringLiteral("PWO..sp_PWO_LoadExistFamilyComposition ") + sql::quoted(hospitalNumber(form)),
                  true);
    if (rows.RecordCount() > 0)
        form.familyTab->showStoredFamily(rows);
    rows.Close();
}

void LoadMonthlyExpenses(frmIntakeSheetForm &form)
{
    Recordset &rows = sheetRows();
    openSheetRows(rows, QStringLiteral("PWO..sp_PWO_LoadMonthlyExpenses ") + sql::quoted(hospitalNumber(form)), true);
    if (rows.RecordCount() > 0) {
        for (int i = 0; i < frmIntakeSheetForm::expenseCount; ++i)
            form.txtMExpenses[size_t(i)]->setText(rows.value(monthlyExpenseColumn(i)).text());
        form.txtOthers->setText(text(rows, "OTher"));
        form.txtTotalMonthlyExpenditure->setText(text(rows, "TotalMonthlyExpenditure"));
    }
    rows.Close();
}

void LoadSocialFunctioning(frmIntakeSheetForm &form, const QString &hospNum)
{
    SocialFunctioningTab &tab = *form.socialTab;
    loadRatings(
        SocialFunctioningTab::roleCount, [&](int code) { return socialFunctioningStatement(hospNum, code); },
        [&](int code, Recordset &row) {
            tab.cmbSocialInteraction(code)->setCurrentText(text(row, "SocialInteractValue"));
            tab.cmbSeverityIndex(code)->setCurrentText(text(row, "SeverityIndexValue"));
            tab.cmbDurationIndex(code)->setCurrentText(text(row, "DurationIndexValue"));
            tab.cmbCopingIndex(code)->setCurrentText(text(row, "CopingIndexValue"));
        });
}

void LoadEnvironmentProblems(frmIntakeSheetForm &form, const QString &hospNum)
{
    EnvironmentProblemsTab &tab = *form.environmentTab;
    loadRatings(
        EnvironmentProblemsTab::problemCount, [&](int code) { return environmentProblemsStatement(hospNum, code); },
        [&](int code, Recordset &row) {
            tab.cmbPESeverityIndex(code)->setCurrentText(text(row, "SeverityIndexValue"));
            tab.cmbPEDurationIndex(code)->setCurrentText(text(row, "DurationIndexValue"));
        });
}

} // namespace LoadData

} // namespace pwo
