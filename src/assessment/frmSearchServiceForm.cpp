#include "frmSearchServiceForm.h"

#include "widgets/SearchIcon.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace pwo {

QWidget *frmSearchServiceForm::setupUi()
{
    auto *top = new QWidget;
    auto *heading = new QLabel(QStringLiteral("Patient Welfare Offices"), top);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);

    auto *search = new QGroupBox(QStringLiteral("Search Service"), top);
    txtService = new QLineEdit(search);
    txtService->setObjectName(QStringLiteral("txtService"));
    cmdSearchService = new QPushButton(search);
    cmdSearchService->setObjectName(QStringLiteral("cmdSearchService"));
    cmdSearchService->setIcon(searchIcon());
    cmdSearchService->setAutoDefault(false);
    auto *searchLayout = new QHBoxLayout(search);
    searchLayout->addWidget(txtService, 1);
    searchLayout->addWidget(cmdSearchService);

    auto *layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(search);
    return top;
}

} // namespace pwo
