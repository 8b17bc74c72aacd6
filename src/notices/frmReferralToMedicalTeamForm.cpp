#include "frmReferralToMedicalTeamForm.h"

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

void frmReferralToMedicalTeamForm::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("frmReferralToMedicalTeam"));
    window->setWindowTitle(QStringLiteral("Referral"));

    lvwRequest = newNoticeList(window, "lvwRequest");
    cmdSelect = new QPushButton(QStringLiteral("&Select"), window);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("Close"), window);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(windowHeading(QStringLiteral("Referral from Medical Team"), window));
    layout->addWidget(lvwRequest, 1);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(11000, window), twipsToPixelsY(6000, window));
}

} // namespace pwo
