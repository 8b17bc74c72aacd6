#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;
class QPushButton;
class QTableView;

namespace pwo {

class EmployeeGridModel;

// The window of the employee list (object name frmEmployeeListing): the
// office's employees searched by text, one of them picked. It runs the
// search for empty text as it is built.
class EmployeeListingWindow : public QDialog {
    Q_OBJECT
public:
    explicit EmployeeListingWindow(QWidget *parent = nullptr);

    // The code of the row picked with "&Select" or a double-click; empty
    // when the window was closed without one.
    const std::optional<QString> &selectedCode() const { return selectedCode_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void btnSearch_Click();
    void cmdSelect_Click();
    void search();
    // The grid's current row counted as the grid counts it: the header is
    // row 0, so with no current data row this is 0.
    int currentGridRow() const;

    QLineEdit *txtSearch;
    QPushButton *btnSearch;
    QTableView *GridListWorkers;
    EmployeeGridModel *workers_;
    QLineEdit *txtRecCount;
    QPushButton *cmdSelect;
    QPushButton *cmdClose;
    std::optional<QString> selectedCode_;
};

} // namespace pwo
