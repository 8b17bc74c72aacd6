#include "IntakeFields.h"

#include "EnvironmentProblemsTab.h"
#include "frmIntakeSheetForm.h"

#include "core/ProgramState.h"
#include "data/SqlText.h"
#include "reports/dialogs/ReportPeriodWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace pwo {

namespace {

QString flag(const QCheckBox *box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

QString call(const QString &procedure, const QStringList &arguments)
{
    return procedure + sql::quotedList(arguments);
}

} // namespace

void showStoredDate(QDateEdit &picker, const Value &stored)
{
    if (stored.isNull() || (stored.isText() && stored.toText().trimmed().isEmpty()))
        return;
    bool readable = stored.isDateTime();
    QDate date;
    if (readable)
        date = stored.toDate();
    else
        date = parseDateTimeText(stored.text().trimmed(), &readable).date();
    if (readable && date.isValid())
        picker.setDate(date);
}

QString healthAccessibilityText(const frmIntakeSheetForm &form)
{
    if (form.opHA[0]->isChecked())
        return QStringLiteral("Not Available");
    if (form.opHA[1]->isChecked())
        return QStringLiteral("Available");
    return {};
}

QString saveIntakeSheetDataStatement(const frmIntakeSheetForm &form, const IntakePatient &patient)
{
    const QString interviewed = shortDateText(form.DTDateInterviewed->date());
    return call(QStringLiteral("PWO..sp_PWO_SaveIntakeSheetData "),
                {patient.HospNum,
                 interviewed,
                 form.txtClassification->text(),
                 form.cmbCategory->currentText(),
                 form.txtSalary->text(),
                 form.txtEducation->text(),
                 form.txtWard->text(),
                 form.txtLastname->text(),
                 form.txtFirstname->text(),
                 form.txtMiddle->text(),
                 form.cboSex->currentText(),
                 form.txtBirthdate->text(),
                 form.cboCivilStatus->currentText(),
                 form.txtOccupation->text(),
                 form.txtAge->text(),
                 form.txtTelNo->text(),
                 form.txtBirthPlace->text(),
                 form.cboReligion->currentText(),
                 form.txtEmployer->text(),
                 patient.IDNUM,
                 form.txtAdmissionDate->text(),
                 interviewed,
                 shortDateText(form.txtExpiry->date()),
                 form.txtTemporaryAdd->text(),
                 form.txtPermanentAddress->text(),
                 form.txtCaseNo->text(),
                 flag(form.chkSeniorCitizen),
                 flag(form.chkBrgyOfficial),
                 flag(form.chkBHW),
                 flag(form.chkPWD),
                 flag(form.chkIndigenous),
                 form.txtOtherSectorial->text()});
}

QString saveOtherPatientInfoStatement(const frmIntakeSheetForm &form, const IntakePatient &patient)
{
    return call(QStringLiteral("PWO..sp_PWO_SaveOtherPatientInfo "),
                {patient.HospNum,
                 form.cboReferringParty->currentText(),
                 form.txtReferredBy->text(),
                 form.txtRefferAd->text(),
                 form.txtReferringPartyContactNo->text(),
                 form.txtSourceInfo->text(),
                 form.txtCompanionUponAdmission->text(),
                 form.txtPerCapitaIncome->text(),
                 form.cboLivingArrangement->currentText(),
                 form.cboRelationship->currentText(),
                 form.txtAdressOfInformant->text(),
                 form.txtAdmDiagnosis->text(),
                 form.txtFinalDiagnosis->text(),
                 form.txtDurationOfProb->text(),
                 form.txtPreviousTretment->text(),
                 form.txtPresentPlan->text(),
                 healthAccessibilityText(form),
                 form.environmentTab->txtAssessment()->toPlainText(),
                 form.environmentTab->txtRecommendedInterventions()->toPlainText(),
                 form.cboPhilhealthType->currentText(),
                 form.cboCategoryType->currentText(),
                 form.cboAccomodation->currentText()});
}

QString savePatientDataStatement(const frmIntakeSheetForm &form, const IntakePatient &patient,
                                 const QString &categoryTag, const QString &referringPartyTag)
{
    return call(QStringLiteral("PWO..sp_PWO_SavePatientData"),
                {patient.HospNum, patient.IDNUM, form.txtCaseNo->text(), form.cboClassCode->currentText(),
                 form.cmbCategory->currentText(), categoryTag, sql::dateText(form.DTDateInterviewed->date()),
                 sql::dateText(form.txtExpiry->date()), form.txtPWOW->text(), globals().EmployeeCode,
                 referringPartyTag});
}

QString saveMonthlyExpensesStatement(const frmIntakeSheetForm &form, const IntakePatient &patient)
{
    QStringList arguments{patient.HospNum};
    const int other = frmIntakeSheetForm::expenseCount - 1;
    for (int i = 0; i < other; ++i)
        arguments << form.txtMExpenses[size_t(i)]->text();
    arguments << form.txtOthers->text() << form.txtMExpenses[size_t(other)]->text()
              << form.txtTotalMonthlyExpenditure->text();
    return call(QStringLiteral("PWO..sp_PWO_SaveMonthlyExpenses "), arguments);
}

} // namespace pwo
