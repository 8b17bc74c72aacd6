#pragma once

class QDialog;
class QPushButton;
class QTableWidget;

namespace pwo {

// The controls of the previous-assessments list and where they go.
struct frmAssessmentListForm {
    QTableWidget *GridAssessment = nullptr;
    QPushButton *cmdClose = nullptr;

    void setupUi(QDialog *window);
    // The grid's header and column widths.
    void formatGrid();
};

} // namespace pwo
