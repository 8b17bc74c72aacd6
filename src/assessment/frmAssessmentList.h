#pragma once

#include "frmAssessmentListForm.h"

#include <QDialog>

namespace pwo {

class Recordset;

// A patient's previous assessments, read-only, shown from the assessment window.
class frmAssessmentList : public QDialog {
    Q_OBJECT
public:
    explicit frmAssessmentList(QWidget *parent = nullptr);

    // Shows the rows of the previous-assessment statement, in their order,
    // modal over `parent`; their columns fill grid columns 1 to 7.
    static void Show(QWidget *parent, Recordset &previousAssessments);

private:
    void Form_Load();
    void showRows(Recordset &previousAssessments);

    frmAssessmentListForm ui;
};

} // namespace pwo
