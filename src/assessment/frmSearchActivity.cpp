#include "frmSearchActivity.h"

#include "core/ProgramState.h"

namespace pwo {

namespace {
const CodePickerItems &activityItems()
{
    static const CodePickerItems items{
        CodeTree::Activities,
        QStringLiteral("frmSearchActivity"),
        QStringLiteral("Servies"),
        QStringLiteral("lstactivity"),
        false,
        {"A1.2", "A1.2.3", "A1.3", "A1.3.2", "A1.3.5", "A1.4", "A1.5", "A1.6", "A1.7", "A1.8", "A1.8.1", "A1.8.2",
         "A1.8.3"}};
    return items;
}
} // namespace

frmSearchActivity::frmSearchActivity(QWidget *parent) : CodePicker(parent, activityItems(), SearchActivity())
{
}

void frmSearchActivity::Show(QWidget *parent)
{
    frmSearchActivity(parent).showModal();
}

} // namespace pwo
