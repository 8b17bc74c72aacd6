#include "frmEmployeeListingForm.h"

#include "HeaderWidths.h"
#include "NamedControls.h"
#include "SearchIcon.h"

#include "core/Twips.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <iterator>

namespace pwo {

namespace {

constexpr int columnWidthsInTwips[] = {100, 1100, 3000};

} // namespace

void frmEmployeeListingForm::setupUi(QDialog *window, QAbstractItemModel *workers)
{
    window->setObjectName(QStringLiteral("frmEmployeeListing"));
    window->setWindowTitle(QStringLiteral("Patient Welfare Office"));

    auto *title = new QLabel(QStringLiteral("List of PWO Employees"), window);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);

    txtSearch = new QLineEdit(window);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    btnSearch = namedButton(QString(), QStringLiteral("btnSearch"), window);
    btnSearch->setIcon(searchIcon());
    btnSearch->setToolTip(QStringLiteral("Search"));

    GridListWorkers = new QTableView(window);
    GridListWorkers->setObjectName(QStringLiteral("GridListWorkers"));
    GridListWorkers->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridListWorkers->setSelectionMode(QAbstractItemView::SingleSelection);
    GridListWorkers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridListWorkers->verticalHeader()->hide();
    GridListWorkers->horizontalHeader()->setMinimumSectionSize(1);
    GridListWorkers->horizontalHeader()->setStretchLastSection(true);
    GridListWorkers->setModel(workers);  // before the widths: they apply to existing columns
    for (int column = 0; column < int(std::size(columnWidthsInTwips)); ++column)
        resizeSectionKeepingCaption(*GridListWorkers->horizontalHeader(), column,
                                    twipsToPixelsX(columnWidthsInTwips[column], GridListWorkers));

    txtRecCount = new QLineEdit(window);
    txtRecCount->setObjectName(QStringLiteral("txtRecCount"));
    txtRecCount->setReadOnly(true);
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setStyleHint(QFont::TypeWriter);
    txtRecCount->setFont(fixedPitch);
    // Room for "1234 of 1234" with the box's frame.
    txtRecCount->setMinimumWidth(txtRecCount->fontMetrics().horizontalAdvance(QStringLiteral("  0000 of 0000  ")));

    cmdSelect = namedButton(QStringLiteral("&Select"), QStringLiteral("cmdSelect"), window);
    cmdClose = namedButton(QStringLiteral("&Close"), QStringLiteral("cmdClose"), window);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Search Text :"), window));
    searchRow->addWidget(txtSearch, 1);
    searchRow->addWidget(btnSearch);

    auto *results = new QGroupBox(QStringLiteral("Search Results"), window);
    auto *resultsLayout = new QVBoxLayout(results);
    resultsLayout->addWidget(GridListWorkers);

    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(new QLabel(QStringLiteral("No. of Records Listed :"), window));
    bottomRow->addWidget(txtRecCount);
    bottomRow->addStretch(1);
    bottomRow->addWidget(cmdSelect);
    bottomRow->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(title);
    layout->addLayout(searchRow);
    layout->addWidget(results, 1);
    layout->addLayout(bottomRow);
    window->resize(twipsToPixelsX(6000, window), twipsToPixelsY(5800, window));
}

} // namespace pwo
