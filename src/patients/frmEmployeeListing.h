#pragma once

#include <QString>

namespace pwo {

// The employee list, from which the intake sheet, the assessment and the
// worker report dialog pick the social worker of a record. The object lives
// as long as the program; its window is made anew on every Show(), so each
// showing starts with an empty search.
class frmEmployeeListing {
public:
    // Shows the list modal and returns when the user has closed it.
    void Show();
    // The code of the row last selected since the program started (empty
    // before the first): closing without a selection keeps it.
    const QString &WorkerCode() const { return workerCode_; }

private:
    QString workerCode_;
};

frmEmployeeListing &EmployeeListing();

} // namespace pwo
