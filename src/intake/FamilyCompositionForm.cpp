#include "FamilyCompositionForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pwo {

void FamilyCompositionForm::setupUi(QWidget *page)
{
    lblCaption = new QLabel(QStringLiteral("Family Compositon"), page);

    FCFlexGrid = new QTableWidget(page);
    FCFlexGrid->setObjectName(QStringLiteral("FCFlexGrid"));
    FCFlexGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FCFlexGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FCFlexGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    FCFlexGrid->verticalHeader()->setVisible(false);
    FCFlexGrid->horizontalHeader()->setHighlightSections(false);

    // The editors float over the cell being edited, inside the grid.
    txtFlxg = new QLineEdit(FCFlexGrid->viewport());
    txtFlxg->setObjectName(QStringLiteral("txtFlxg"));
    txtFlxg->hide();
    cmbFlx = new QComboBox(FCFlexGrid->viewport());
    cmbFlx->setObjectName(QStringLiteral("cmbFlx"));
    cmbFlx->addItems({QStringLiteral("SINGLE"), QStringLiteral("MARRIED"), QStringLiteral("WIDOW"),
                      QStringLiteral("WIDOWER"), QStringLiteral("SEPARATED")});
    cmbFlx->hide();

    lblTotFamIncome = new QLabel(QStringLiteral("Total Family Income :"), page);
    txtTotFamIncome = new QLineEdit(page);
    txtTotFamIncome->setObjectName(QStringLiteral("txtTotFamIncome"));
    txtTotFamIncome->setReadOnly(true);  // the sum of the incomes, never typed
    lblTotFamIncome->setBuddy(txtTotFamIncome);
    cmdAdd = new QPushButton(QStringLiteral("&Add Members"), page);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblTotFamIncome);
    bottom->addWidget(txtTotFamIncome);
    bottom->addStretch(1);
    bottom->addWidget(cmdAdd);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblCaption);
    layout->addWidget(FCFlexGrid, 1);
    layout->addLayout(bottom);
}

} // namespace pwo
