#pragma once

#include "frmDischargeNoticeForm.h"

#include <QDialog>

namespace pwo {

// The discharge notices of the wards, each with its state; a chosen notice
// is cleared in frmClearPatient. The choice is DischargeNotice().IDNUM and
// DischargeNotice().Valid.
class frmDischargeNotice : public QDialog {
    Q_OBJECT
public:
    explicit frmDischargeNotice(QWidget *parent = nullptr);

    // Shows the list modal over the active window, then the clearing window
    // for each notice chosen, the list again after it, until the list is
    // closed.
    static void Show();

private:
    void Form_Load();
    void cmdSelect_Click();
    void cmdClose_Click();

    frmDischargeNoticeForm ui;
};

// The window the modal notice windows open over.
QWidget *activeCaller();

} // namespace pwo
