#pragma once

#include "frmReferralHistoryForm.h"

#include <QDialog>

namespace pwo {

// Past referrals from the medical teams, searched by hospital number and
// name; a chosen one opens in frmReferralApproval in view mode, handed over
// through ReferralHistory().
class frmReferralHistory : public QDialog {
    Q_OBJECT
public:
    explicit frmReferralHistory(QWidget *parent = nullptr);

    // Shows the history modal; a referral chosen there opens modal after it.
    static void Show();

private:
    void LoadReferralHistory(const QString &hospitalNumber, const QString &lastName, const QString &firstName);
    void cmdSearch_Click();
    void cmdSelect_Click();
    void cmdClose_Click();

    frmReferralHistoryForm ui;
};

} // namespace pwo
