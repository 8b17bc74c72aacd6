#pragma once

class QAbstractItemModel;
class QDialog;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pwo {

// The controls of the employee list and where they go.
struct frmEmployeeListingForm {
    QLineEdit *txtSearch = nullptr;
    QPushButton *btnSearch = nullptr;
    QTableView *GridListWorkers = nullptr;
    QLineEdit *txtRecCount = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdClose = nullptr;

    void setupUi(QDialog *window, QAbstractItemModel *workers);
};

} // namespace pwo
