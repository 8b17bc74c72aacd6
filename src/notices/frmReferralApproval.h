#pragma once

#include "frmReferralApprovalForm.h"

#include <QDialog>
#include <QString>

namespace pwo {

class Recordset;

// The office's answer to one referral from the medical team: the referral
// handed over by the notice list (edit mode) or the history (view mode).
class frmReferralApproval : public QDialog {
    Q_OBJECT
public:
    explicit frmReferralApproval(QWidget *parent = nullptr);

private:
    void Form_Load();
    void fillFromReferral(Recordset &referral);
    void SetViewMode();
    void SetEditMode();
    void setAnswerEnabled(bool enabled);
    void cmdEdit_Click();
    void cmdSave_Click();

    frmReferralApprovalForm ui;
    QString dischargeDate_;
    QString referralNo_;
};

// True for a discharge date of a patient already gone home: neither empty
// nor 1/1/1900, the server's empty date.
bool isDischargeDate(const QString &text);

} // namespace pwo
