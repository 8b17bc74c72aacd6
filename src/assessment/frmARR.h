#pragma once

#include "frmARRForm.h"

#include <QDialog>

class QListWidgetItem;

namespace pwo {

struct AssessmentValues;
class Recordset;

// The assessment and referral record of one stay: its classification with
// validity, case number, category, services, activities and documentation;
// loads the stored one, prepares a first one, saves and prints it.
class frmARR : public QDialog {
    Q_OBJECT
public:
    explicit frmARR(QWidget *parent = nullptr);

    // Opens the window modal for the stay.
    static void Show(QWidget *parent, const QString &HospNum, const QString &IDNUM);

    // Set by the opener before the window loads.
    QString HospNum;
    QString IDNUM;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void fillCodeLists();
    void LoadAssessment();
    void showStoredAssessment(Recordset &record);
    void LoadCaseHistory();
    bool PreparePayPatient();
    bool HasDiscountExpiry();
    void makeCaseNumberEditable();

    // Entry rules.
    bool mskRange1_Validate();
    void txtNC_Change();
    void cboactive_LostFocus();
    void cmdSearch_Click();
    void cmdViewCDF_Click();
    void tmrCDF_Timer();
    void cmdPrevious_Click();

    // Services and activities.
    void cmdService_Click();
    void cmdAddActivity_Click();
    void LoadServices();
    void LoadActivities();
    void lstServices_DblClick(QListWidgetItem *entry);

    // Saving and printing.
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdRePrint_Click();
    void cmdTrans_Click();
    bool expiryAccepted();
    // False, after naming them, when texts are longer than the server keeps.
    bool textsFit();
    bool verified(const QString &heading);
    void SaveAssessment();
    bool CheckCaseNumber();
    AssessmentValues gatheredValues() const;
    void printAssessment(const QString &title);

    frmARRForm ui;

    QString AssignedWorkerCode;
    QString PickedWorkerCode;
    QString WorkerLicence;
    bool AssessmentSaved = false;
    QString ServiceCodes;
    QString ActivityCodes;
    int BlinkStep = 0;
    // The status code that cboactive's tag holds.
    QString caseStatusCode_;
    bool validatingExpiry_ = false;
};

} // namespace pwo
