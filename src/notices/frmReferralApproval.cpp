#include "frmReferralApproval.h"

#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pwo {

namespace {

const QDate serverEmptyDate(1900, 1, 1);

struct Answer {
    QString code;
    QString text;
};

} // namespace

bool isDischargeDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    const QDateTime moment = parseDateTimeText(trimmed, &ok);
    // Text that is no date at all refuses the update rather than risk it.
    const QDate date = ok ? moment.date() : QDate::fromString(trimmed, QStringLiteral("M/d/yyyy"));
    return date != serverEmptyDate;
}

frmReferralApproval::frmReferralApproval(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    connect(ui.cmdEdit, &QPushButton::clicked, this, guardedSlot(this, &frmReferralApproval::cmdEdit_Click));
    connect(ui.cmdSave, &QPushButton::clicked, this, guardedSlot(this, &frmReferralApproval::cmdSave_Click));
    connect(ui.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void frmReferralApproval::Form_Load()
{
    ReferralChoice chosen;
    if (ReferralToMedicalTeam().Valid)
        chosen = ReferralToMedicalTeam();
    else if (ReferralHistory().Valid)
        chosen = ReferralHistory();
    if (ReferralHistory().Valid)
        SetViewMode();
    else
        SetEditMode();
    ui.dtSchedDate->setDate(QDate::currentDate());

    Recordset referral;
    referral.Open(QStringLiteral("PWO..sp_PWO_LoadReferralNoticePatient") + sql::quotedList({chosen.IDNUM, chosen.REFNUM}),
                  *globals().Connection, adOpenDynamic, adLockOptimistic, -1);
    if (!referral.Eof())
        fillFromReferral(referral);
    referral.Close();
}

void frmReferralApproval::fillFromReferral(Recordset &referral)
{
    const auto text = [&](const char *column) { return referral.value(QString::fromLatin1(column)).text(); };
    ui.txtFullName->setText(text("PatientName"));
    ui.txtHospNo->setText(text("HospNum"));
    ui.txtAdmNo->setText(text("IDNUM"));
    ui.txtDiagnosis->setText(text("Diagnosis"));
    ui.txtCategory->setText(text("category"));
    ui.txtRemarks->setPlainText(text("REMARKS"));
    ui.txtReferredBy->setText(text("ReferredBy"));
    ui.txtApprovedBy->setText(text("ApprovedBy"));

    const Value schedule = referral.value(QStringLiteral("ScheduleDate"));
    const bool missing = schedule.isNull() || (schedule.isText() && schedule.toText().trimmed().isEmpty());
    if (!missing && schedule.toDate() != serverEmptyDate)
        ui.dtSchedDate->setDate(schedule.toDate());

    const QString status = text("Status").trimmed();
    if (status == QLatin1String("A"))
        ui.OptApproved->setChecked(true);
    else if (status == QLatin1String("D"))
        ui.OptDeny->setChecked(true);
    else if (status == QLatin1String("C"))
        ui.OptCash->setChecked(true);

    const std::pair<QCheckBox *, const char *> ticks[] = {
        {ui.chkTick1, "Tick1"}, {ui.chkTick2, "Tick2"}, {ui.chktick3, "tick3"}, {ui.chktick4, "tick4"}, {ui.chktick5, "tick5"}};
    for (const auto &[box, column] : ticks)
        box->setChecked(text(column) == QLatin1String("Y"));
    if (ui.chktick5->isChecked())
        ui.txtOtherReason->setText(text("Others"));

    dischargeDate_ = text("DischargeDate");
    referralNo_ = text("ReferralNo");
}

void frmReferralApproval::setAnswerEnabled(bool enabled)
{
    ui.txtRemarks->setEnabled(enabled);
    for (QRadioButton *option : {ui.OptApproved, ui.OptDeny, ui.OptCash})
        option->setEnabled(enabled);
    ui.dtSchedDate->setEnabled(enabled);
}

void frmReferralApproval::SetViewMode()
{
    ui.cmdEdit->setVisible(true);
    ui.cmdSave->setEnabled(false);
    setAnswerEnabled(false);
    ui.frmApprovedBy->setVisible(true);
}

void frmReferralApproval::SetEditMode()
{
    ui.cmdEdit->setVisible(false);
    ui.cmdSave->setEnabled(true);
    setAnswerEnabled(true);
    ui.frmApprovedBy->setVisible(false);
}

void frmReferralApproval::cmdEdit_Click()
{
    SetEditMode();
}

void frmReferralApproval::cmdSave_Click()
{
    Answer answer;
    if (ui.OptApproved->isChecked())
        answer = {QStringLiteral("A"), QStringLiteral("Include to Bill")};
    else if (ui.OptDeny->isChecked())
        answer = {QStringLiteral("D"), QStringLiteral("For Justification")};
    else if (ui.OptCash->isChecked())
        answer = {QStringLiteral("C"), QStringLiteral("For Cash Basis")};

    if (isDischargeDate(dischargeDate_)) {
        showMessage(QStringLiteral("Discharged Patient Cannot Be Updated."), QMessageBox::Ok, QMessageBox::Warning,
                    QStringLiteral("Message"));
        return;
    }
    if (answer.code.isEmpty()) {
        answer = {QStringLiteral("P"), QStringLiteral("Pending")};
        showMessage(QStringLiteral("Please Tag the Patient "), QMessageBox::Ok, QMessageBox::Warning,
                    QStringLiteral("Message"));
    }
    if (showMessage(QStringLiteral("Are you sure you want to tag thi Referral as ") + answer.text + QStringLiteral(" ? "),
                    QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question,
                    QStringLiteral("Confirmation")) != QMessageBox::Ok)
        return;

    const QString comma = QStringLiteral(",");
    const QString commaBlank = QStringLiteral(", ");
    globals().Connection->Execute(
        QStringLiteral("PWO..sp_PWO_SaveReferralNoticePatient") + sql::quoted(ui.txtAdmNo->text().trimmed()) +
        commaBlank + sql::quoted(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))) + comma +
        sql::quoted(answer.code) + comma + sql::quoted(ui.txtRemarks->toPlainText()) + commaBlank +
        sql::quoted(ui.txtCategory->text()) + commaBlank + sql::quoted(sql::dateText(ui.dtSchedDate->date())) + comma +
        sql::quoted(globals().EmployeeCode) + comma + sql::quoted(referralNo_) + QLatin1Char(' '));
    showMessage(QStringLiteral("Successfuly saved"), QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Message"));
    accept();
}

} // namespace pwo
