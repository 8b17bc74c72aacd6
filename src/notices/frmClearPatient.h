#pragma once

#include "frmClearPatientForm.h"

#include <QDialog>

namespace pwo {

class Recordset;

// Clears the patient of the chosen discharge notice (DischargeNotice().IDNUM)
// for discharge, with the worker's remarks; a cleared notice only shows.
class frmClearPatient : public QDialog {
    Q_OBJECT
public:
    explicit frmClearPatient(QWidget *parent = nullptr);

    static constexpr int clearRemarksLength = 30;

private:
    void Form_Load();
    void fillFromNotice(Recordset &notice);
    void LoadAssessmentSummary();
    void cmdSave_Click();
    void cmdIgnore_Click();
    // Cuts a longer text at the limit, typed or pasted, where the worker sees it.
    void txtClearRemarks_Change();

    frmClearPatientForm ui;
};

// The other-info text of an assessment row's CDF, PCSO, special and NC.
QString assessmentOtherInfo(bool cdf, bool pcso, bool special, const QString &nc);

} // namespace pwo
