#pragma once

#include "IntakeFields.h"
#include "frmIntakeSheetForm.h"

#include <QMessageBox>
#include <QWidget>

namespace pwo {

// The intake sheet of the current patient, a child window of the frame. It
// opens for viewing; Edit unlocks it, Save and Save/Print store it.
class frmIntakeSheet : public QWidget {
    Q_OBJECT
public:
    explicit frmIntakeSheet(QWidget *parent = nullptr);

    QMessageBox::StandardButton PopMessage(const QString &prompt, QMessageBox::StandardButtons buttons,
                                           const QString &title);
    void ComputeExpensesTotal();
    // True once a save has run to its end.
    bool saved() const { return saved_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void loadClassification();
    void loadStoredSheetHeader();
    void LoadInPatientDemographics();
    void LoadOutPatientDemographics();
    void loadRegistryPatient(bool outPatient);
    void setPatientKind();
    void EnableEditing(bool enabled);
    void CheckCaseNumber();
    bool checkBeforeSave();
    void save();
    void cmdSave_Click();
    void cmdSavePrint_Click();
    void cmdEdit_Click();
    void cmdCancel_Click();
    void cmdAll_Click();
    void cmbCategory_Click();

    frmIntakeSheetForm ui;
    IntakePatient patient_;
    QString categoryTag_;
    QString referringPartyTag_;
    bool loaded_ = false;
    bool saved_ = false;
    bool duplicate_ = false;
};

} // namespace pwo
