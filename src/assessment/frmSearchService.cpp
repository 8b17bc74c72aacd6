#include "frmSearchService.h"

#include "core/ProgramState.h"

namespace pwo {

namespace {
const CodePickerItems &serviceItems()
{
    static const CodePickerItems items{
        CodeTree::Services,
        QStringLiteral("frmSearchService"),
        QStringLiteral("Select Service"),
        QStringLiteral("lstServices"),
        true,
        {"A1.6", "A1.6.1", "A1.7", "A1.9", "A1.10", "A1.10.1", "A1.11", "A1.13", "A1.19", "A1.22", "A1.23", "A1.25",
         "A1.26"}};
    return items;
}
} // namespace

frmSearchService::frmSearchService(QWidget *parent) : CodePicker(parent, serviceItems(), SearchService())
{
    addAboveLists(searchUi.setupUi());
}

void frmSearchService::Show(QWidget *parent)
{
    frmSearchService(parent).showModal();
}

} // namespace pwo
