#pragma once

#include "frmEmployeeListingForm.h"

#include <QDialog>
#include <QString>

#include <optional>

namespace pwo {

class EmployeeGridModel;

// The employee list, from which the intake sheet, the assessment and the
// worker report dialog pick the social worker of a record: the office's
// employees searched by text, one of them picked. It runs the search for
// empty text as it is built, so each showing starts with an empty search.
class frmEmployeeListing : public QDialog {
    Q_OBJECT
public:
    explicit frmEmployeeListing(QWidget *parent = nullptr);

    // Shows a new list modal over the active window and returns when the
    // user has closed it; a selection becomes EmployeeListing().WorkerCode.
    static void Show();

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

    EmployeeGridModel *workers_;
    frmEmployeeListingForm ui;
    std::optional<QString> selectedCode_;
};

} // namespace pwo
