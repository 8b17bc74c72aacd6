// The assessment window's saving and printing.
#include "frmARR.h"

#include "AssessmentSave.h"
#include "AssessmentWidths.h"
#include "ExpiryDate.h"

#include "core/HourGlass.h"
#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Recordset.h"
#include "data/SqlText.h"
#include "reports/modReports.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace pwo {

namespace {


QString flag(bool set)
{
    return set ? QStringLiteral("1") : QString();
}

// The last selected entry of a list; empty when none is.
QString selectedEntry(const QListWidget &list)
{
    const QList<QListWidgetItem *> selected = list.selectedItems();
    return selected.isEmpty() ? QString() : selected.last()->text();
}

QDate dateOfIntake(const QString &text)
{
    const QDate intake = QDate::fromString(text, entryDateForm);
    if (!intake.isValid())
        throw DatabaseError(GatewayError::ConversionFailed,
                            QStringLiteral("The date of intake ") + text + QStringLiteral(" is not a date."));
    return intake;
}

} // namespace

void frmARR::cmdSave_Click()
{
    if (expiryAccepted() && textsFit() && verified(QStringLiteral("***VERIFICATION***")))
        SaveAssessment();
}

void frmARR::cmdPrint_Click()
{
    if (!expiryAccepted() || !textsFit())
        return;
    if (verified(QStringLiteral("*VERIFICATION*")))
        SaveAssessment();
    if (AssessmentSaved)
        printAssessment(QStringLiteral("Assessment and Referal report"));
}

void frmARR::cmdRePrint_Click()
{
    printAssessment(QStringLiteral("Reprint Assessment and Referal report"));
}

void frmARR::cmdTrans_Click()
{
    OpenReport(reportFilePath(QStringLiteral("\\ARRTransactionReport.rpt")), {Value(ui.txtHospNum->text().trimmed())});
    accept();
    ShowReport(QStringLiteral("Assessment Transaction Report"));
}

void frmARR::printAssessment(const QString &title)
{
    OpenReport(reportFilePath(QStringLiteral("\\ARR_New.rpt")),
               {Value(ui.txtHospNum->text().trimmed()), Value(ui.txtIDNum->text().trimmed()),
                Value(globals().CurrentUser->EmployeeName()), Value(WorkerLicence), Value(ui.txtDoctor->text())});
    accept();
    ShowReport(title);
}

bool frmARR::expiryAccepted()
{
    const QString text = ui.mskRange1->text();
    const QDate expiry = QDate::fromString(text, entryDateForm);
    if (!expiry.isValid()) {
        showMessage(QStringLiteral("You have entered an invalid date ") + text + QStringLiteral("."), QMessageBox::Ok,
                    QMessageBox::Critical);
        ui.mskRange1->setFocus();
        return false;
    }
    if (!farExpiryAccepted(expiry)) {
        ui.mskRange1->setFocus();
        return false;
    }
    return true;
}

bool frmARR::textsFit()
{
    // The hospital's server would cut a longer text without a word.
    const QString overlong = overlongTextsMessage(*this, assessmentTextWidths());
    if (overlong.isEmpty())
        return true;
    showMessage(overlong, QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Message"));
    return false;
}

bool frmARR::verified(const QString &heading)
{
    const VerificationFacts facts{ui.txtLastname->text(),  ui.txtFirstname->text(),
                                  ui.txtMiddleName->text(), ui.txtHospNum->text(),
                                  ui.txtPWONum->text(),     ui.cboClassification->currentText(),
                                  ui.mskRange1->text()};
    return showMessage(verificationText(heading, facts), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
           QMessageBox::Yes;
}

void frmARR::SaveAssessment()
{
    AssessmentSaved = false;
    if (ui.cboClassification->currentText().isEmpty()) {
        showMessage(QStringLiteral("Please enter classification before saving."), QMessageBox::Ok,
                    QMessageBox::Information, QStringLiteral("Message"));
        return;
    }
    QDate expiry;
    try {
        if (CheckCaseNumber())
            return;
        const AssessmentValues values = gatheredValues();
        expiry = values.expiry;
        const HourGlass wait;
        executeInOneTransaction(*globals().Connection,
                                assessmentSaveStatements(values, {globals().EmployeeCode,
                                                                  globals().CurrentUser->employeecode()}));
    } catch (const std::exception &failure) {
        showMessage(QStringLiteral("Data Not Successfully Saved.") + failureDescription(failure), QMessageBox::Ok,
                    QMessageBox::Critical, QStringLiteral("Message"));
        return;
    }
    showMessage(QStringLiteral("Clasification for ") + ui.txtLastname->text() + QStringLiteral(", ") +
                    ui.txtFirstname->text() + QStringLiteral(" saved.\n    HospNum : ") + ui.txtHospNum->text() +
                    QStringLiteral("\n    Expriy Date : ") + expiry.toString(entryDateForm) +
                    QStringLiteral(" 11:59 PM"),
                QMessageBox::Ok, QMessageBox::Information, QStringLiteral("Message"));
    AssessmentSaved = true;
}

bool frmARR::CheckCaseNumber()
{
    Recordset holders;
    holders.OpenReadOnly(QStringLiteral("PWO..sp_PWO_GetExistsPWONumber ") +
                             sql::quotedList({ui.txtPWONum->text().trimmed(), ui.txtHospNum->text().trimmed()}),
                         *globals().Connection);
    bool taken = false;
    QString owner;
    if (holders.RecordCount() > 0 &&
        holders.value(QStringLiteral("HospNum")).text().trimmed() != ui.txtHospNum->text().trimmed()) {
        taken = true;
        owner = holders.value(QStringLiteral("PatientName")).text();
    }
    holders.Close();
    if (taken) {
        showMessage(QStringLiteral("The CaseNumber already exists. \nIt is owned by ") + owner, QMessageBox::Ok,
                    QMessageBox::NoIcon, QStringLiteral("Message"));
        ui.txtPWONum->clear();
        ui.txtPWONum->setReadOnly(false);
    }
    return taken;
}

AssessmentValues frmARR::gatheredValues() const
{
    AssessmentValues v;
    v.hospitalNumber = HospNum;
    v.admissionNumber = IDNUM;
    v.shownHospitalNumber = ui.txtHospNum->text().trimmed();
    v.shownAdmissionNumber = ui.txtIDNum->text();
    v.caseNumber = ui.txtPWONum->text().trimmed();
    v.classCode = ui.cboClassification->currentText().left(2).trimmed();
    const QString category = selectedEntry(*ui.lstCategory);
    v.categoryName = category.left(category.size() - 2).trimmed();
    v.categoryId = category.right(2).trimmed();
    v.parentCategoryId = selectedEntry(*ui.lstParentCategory).right(2).trimmed();
    v.remarks = ui.txtRemarks->toPlainText();
    v.intake = dateOfIntake(ui.mskIntake->text());
    v.expiry = QDate::fromString(ui.mskRange1->text(), entryDateForm);
    v.workerCode = PickedWorkerCode.isEmpty() ? AssignedWorkerCode : PickedWorkerCode;
    v.pcsoFlag = flag(ui.chkPCSO->isChecked());
    if (ui.chkPCSO->isChecked()) {
        const char *const types[] = {"E", "G", "C"};
        for (int index = 0; index < ui.optPCSO.size(); ++index)
            if (ui.optPCSO[index]->isChecked())
                v.pcsoType = QString::fromLatin1(types[index]);
    }
    v.sponsorFlag = flag(ui.chkSponsor->isChecked());
    v.specialFlag = flag(ui.chkSpecial->isChecked());
    v.counterpart = counterpartText(ui.txtNC->text());
    const QString party = ui.cboReferring->currentText();
    if (party.contains(QLatin1Char('-')))
        v.referringPartyCode = party.section(QLatin1Char('-'), 0, 0).trimmed();
    v.activeFlag = ui.chkActive->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    v.caseStatusCode = caseStatusCode_;
    v.serviceCodes = ServiceCodes;
    v.activityCodes = ActivityCodes;
    for (const QCheckBox *document : ui.chkdoc)
        v.documentationFlags += document->isChecked() ? QStringLiteral("1|") : QStringLiteral("0|");
    return v;
}

} // namespace pwo
