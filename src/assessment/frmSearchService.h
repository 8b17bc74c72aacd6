#pragma once

#include "CodePicker.h"
#include "frmSearchServiceForm.h"

namespace pwo {

// The service picker: the services' code tree, from which the assessment
// gathers the services the office gave.
class frmSearchService : public CodePicker {
    Q_OBJECT
public:
    explicit frmSearchService(QWidget *parent = nullptr);

    // Shows the picker modal over `parent`, starting from and handing back
    // SearchService().
    static void Show(QWidget *parent);

private:
    frmSearchServiceForm searchUi;
};

} // namespace pwo
