#include "frmClearPatient.h"

#include "core/HourGlass.h"

#include "core/ErrorPolicy.h"
#include "core/GeneralDate.h"
#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace pwo {

QString assessmentOtherInfo(bool cdf, bool pcso, bool special, const QString &nc)
{
    QString text;
    if (cdf)
        text = QStringLiteral("with CDF; ");
    if (pcso)
        text += QStringLiteral("with PCSO; ");
    if (special && nc != QLatin1String("0.00"))
        text += QStringLiteral("Special Arrangement (NC: ") + nc + QLatin1Char(')');
    else if (special)
        text += QStringLiteral("Special Arrangement");
    return text;
}

frmClearPatient::frmClearPatient(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    connect(ui.cmdSave, &QPushButton::clicked, this, guardedSlot(this, &frmClearPatient::cmdSave_Click));
    connect(ui.cmdIgnore, &QPushButton::clicked, this, guardedSlot(this, &frmClearPatient::cmdIgnore_Click));
    connect(ui.txtClearRemarks, &QPlainTextEdit::textChanged, this, &frmClearPatient::txtClearRemarks_Change);
    Form_Load();
    ui.txtClearRemarks->setFocus();
}

void frmClearPatient::Form_Load()
{
    Recordset notice;
    notice.Open(QStringLiteral("PWO..sp_PWO_LoadDischargeNoticePatient ") + sql::quoted(DischargeNotice().IDNUM),
                *globals().CurrentUser->sqlconnection(), adOpenDynamic, adLockOptimistic, -1);
    if (!notice.Eof())
        fillFromNotice(notice);
    notice.Close();
    LoadAssessmentSummary();
}

void frmClearPatient::fillFromNotice(Recordset &notice)
{
    const auto text = [&](const char *column) { return notice.value(QString::fromLatin1(column)).text(); };
    const auto date = [&](const char *column) { return generalDateText(notice.value(QString::fromLatin1(column))); };
    ui.txtSname->setText(text("LastName"));
    ui.txtFname->setText(text("FirstName"));
    ui.txtMname->setText(text("MiddleName"));
    ui.txtHospNo->setText(text("HospNum"));
    ui.txtAdmNo->setText(text("IDNUM"));
    ui.txtAdmDate->setText(date("AdmDate"));
    ui.txtDoctor->setText(text("Doctor"));
    ui.txtRoomNo->setText(text("RoomID"));
    ui.txtNoticeDate->setText(date("NoticeDate"));
    ui.txtOrderDate->setText(date("OrderedDate"));
    ui.txtDischargeNurse->setText(text("DischargeNurse"));
    ui.txtRemarks->setPlainText(text("REMARKS"));

    const CurrentUserComponent &user = *globals().CurrentUser;
    const Value clearedBy = notice.value(QStringLiteral("UserId"));
    ui.txtClearedBy->setText(clearedBy.isNull()
                                 ? QStringLiteral("(") + user.employeecode() + QStringLiteral(") ") + user.EmployeeName()
                                 : clearedBy.text());
    const Value cleared = notice.value(QStringLiteral("ClearDate"));
    if (cleared.isNull()) {
        ui.txtClearDate->setText(QStringLiteral("For clearing"));
        return;
    }
    ui.txtClearDate->setText(generalDateText(cleared));
    ui.txtClearRemarks->setPlainText(text("ClearRemarks"));
    ui.txtClearRemarks->setReadOnly(true);
    ui.cmdSave->setEnabled(false);
    ui.cmdIgnore->setText(QStringLiteral("&Close"));
}

void frmClearPatient::LoadAssessmentSummary()
{
    Recordset assessment;
    assessment.OpenReadOnly(QStringLiteral("PWO..sp_PWO_PrintAssessment ") +
                                sql::quotedList({ui.txtHospNo->text().trimmed(), ui.txtAdmNo->text().trimmed()}),
                            *globals().Connection);
    QString otherInfo;
    if (assessment.RecordCount() > 0) {
        const auto flag = [&](const char *column) {
            return assessment.value(QString::fromLatin1(column)).toNumber() == 1;
        };
        ui.txtPWONum->setText(assessment.value(QStringLiteral("HospNum")).toText());
        ui.txtCategory->setText(assessment.value(QStringLiteral("category")).toText());
        ui.lblClassification->setText(assessment.value(QStringLiteral("Code")).toText());
        ui.lblClassification->show();
        otherInfo = assessmentOtherInfo(flag("CDF"), flag("PCSO"), flag("special"),
                                        assessment.value(QStringLiteral("NC")).toText());
    }
    ui.txtOtherInfo->setPlainText(otherInfo);
    assessment.Close();
}

void frmClearPatient::txtClearRemarks_Change()
{
    QPlainTextEdit &box = *ui.txtClearRemarks;
    const QString text = box.toPlainText();
    if (text.size() <= clearRemarksLength)
        return;
    box.setPlainText(text.left(clearRemarksLength));
    box.moveCursor(QTextCursor::End);
}

void frmClearPatient::cmdSave_Click()
{
    {
        const HourGlass wait;
        QString remarks = ui.txtClearRemarks->toPlainText();
        remarks.replace(QLatin1Char('\''), QLatin1Char('`'));
        globals().CurrentUser->sqlconnection()->Execute(
            QStringLiteral("PWO..sp_PWO_ClearPatientForDischarge ") +
            sql::quotedList({ui.txtAdmNo->text(), globals().CurrentUser->employeecode(), remarks}));
    }
    showMessage(QStringLiteral("Patient has been cleared for discharge."), QMessageBox::Ok, QMessageBox::Information);
    accept();
}

void frmClearPatient::cmdIgnore_Click()
{
    reject();
}

} // namespace pwo
