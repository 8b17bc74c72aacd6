#include "frmDischargeNoticeForm.h"

#include "NoticeList.h"
#include "WindowHeading.h"

#include "core/Twips.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pwo {

void frmDischargeNoticeForm::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("frmDischargeNotice"));
    window->setWindowTitle(QStringLiteral("Discharge Notice"));

    lvwRequest = newNoticeList(window, "lvwRequest");

    imgClear = new QLabel(window);
    imgClear->setObjectName(QStringLiteral("imgClear"));
    imgOpen = new QLabel(window);
    imgOpen->setObjectName(QStringLiteral("imgOpen"));

    cmdSelect = new QPushButton(QStringLiteral("&Select"), window);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("&Close"), window);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Legend:"), window));
    bottom->addWidget(imgClear);
    bottom->addWidget(new QLabel(QStringLiteral("Cleared"), window));
    bottom->addSpacing(twipsToPixelsX(240, window));
    bottom->addWidget(imgOpen);
    bottom->addWidget(new QLabel(QStringLiteral("Not Cleared"), window));
    bottom->addStretch(1);
    bottom->addWidget(cmdSelect);
    bottom->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(windowHeading(QStringLiteral("Discharge Notice"), window));
    layout->addWidget(lvwRequest, 1);
    layout->addLayout(bottom);
    window->resize(twipsToPixelsX(10200, window), twipsToPixelsY(6000, window));
}

} // namespace pwo
