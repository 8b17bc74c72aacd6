#include "frmAssessmentListForm.h"

#include "core/Twips.h"
#include "widgets/HeaderWidths.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>

namespace pwo {

namespace {
// The first column is the grid's fixed, untitled one.
const char *const columnTitles[] = {"",        "Adm. Num.", "Code",    "Classification",
                                    "Category", "AssessDate", "Remarks", "ExpiryDate"};
constexpr int columnWidthsInTwips[] = {100, 1050, 850, 1200, 1200, 1900, 3000, 1200};
} // namespace

void frmAssessmentListForm::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("frmAssessmentList"));
    window->setWindowTitle(QStringLiteral("Patient Welfare Office"));

    auto *frame = new QGroupBox(QStringLiteral("List of Previous Assessment"), window);
    GridAssessment = new QTableWidget(frame);
    GridAssessment->setObjectName(QStringLiteral("GridAssessment"));
    GridAssessment->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridAssessment->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridAssessment->setSelectionMode(QAbstractItemView::SingleSelection);
    GridAssessment->verticalHeader()->hide();
    GridAssessment->horizontalHeader()->setMinimumSectionSize(1);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(GridAssessment);

    cmdClose = new QPushButton(QStringLiteral("&Close"), window);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(11000, window), twipsToPixelsY(4500, window));
}

void frmAssessmentListForm::formatGrid()
{
    GridAssessment->setColumnCount(int(std::size(columnTitles)));
    QStringList titles;
    for (const char *title : columnTitles)
        titles << QString::fromLatin1(title);
    GridAssessment->setHorizontalHeaderLabels(titles);
    for (int column = 0; column < int(std::size(columnWidthsInTwips)); ++column)
        GridAssessment->horizontalHeader()->resizeSection(
            column, twipsToPixelsX(columnWidthsInTwips[column], GridAssessment));
}

} // namespace pwo
