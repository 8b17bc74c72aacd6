#include "ExpenseTotal.h"

#include "FamilyRows.h"

#include <QLineEdit>

namespace pwo {

namespace {

void markNotANumber(QLineEdit &box, bool notANumber)
{
    box.setStyleSheet(notANumber ? QStringLiteral("QLineEdit { background: #ffd6d6; }") : QString());
    box.setToolTip(notANumber ? QStringLiteral("Not a number: counted as 0 in the total.") : QString());
}

} // namespace

double totalOfExpenses(const std::array<QLineEdit *, frmIntakeSheetForm::expenseCount> &boxes)
{
    double total = 0;
    for (QLineEdit *box : boxes) {
        const QString text = box->text();
        const std::optional<double> amount = amountOf(text);
        markNotANumber(*box, !amount && !text.trimmed().isEmpty());
        total += amount.value_or(0);
    }
    return total;
}

} // namespace pwo
