#pragma once

#include "frmReferralToMedicalTeamForm.h"

#include <QDialog>

namespace pwo {

// The referrals from the medical teams, opened without blocking from the
// frame; a chosen referral is answered in frmReferralApproval, handed over
// through ReferralToMedicalTeam().
class frmReferralToMedicalTeam : public QDialog {
    Q_OBJECT
public:
    explicit frmReferralToMedicalTeam(QWidget *parent = nullptr);

    // Shows the list, or brings the one already open to the front.
    static void Show();

private:
    void Form_Load();
    void cmdSelect_Click();
    void cmdClose_Click();

    frmReferralToMedicalTeamForm ui;
};

} // namespace pwo
