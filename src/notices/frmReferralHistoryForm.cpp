#include "frmReferralHistoryForm.h"

#include "NoticeList.h"
#include "WindowHeading.h"

#include "core/Twips.h"
#include "widgets/NamedControls.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pwo {

namespace {

QLineEdit *searchBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

void frmReferralHistoryForm::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("frmReferralHistory"));
    window->setWindowTitle(QStringLiteral("Referral from Medical Team"));

    txtLastname = searchBox("txtLastname", window);
    txtFirstname = searchBox("txtFirstname", window);
    txtHospNum = searchBox("txtHospNum", window);
    cmdSearch = namedButton(QStringLiteral("Search"), "cmdSearch", window);
    // Enter in a search box searches.
    cmdSearch->setDefault(true);
    lvwRequest = newNoticeList(window, "lvwRequest");
    cmdSelect = namedButton(QStringLiteral("&Select"), "cmdSelect", window);
    cmdClose = namedButton(QStringLiteral("Close"), "cmdClose", window);

    auto *search = new QGroupBox(QStringLiteral("Search"), window);
    auto *searchRow = new QHBoxLayout(search);
    searchRow->addWidget(new QLabel(QStringLiteral("Lastname:"), search));
    searchRow->addWidget(txtLastname, 1);
    searchRow->addWidget(new QLabel(QStringLiteral("Firstname:"), search));
    searchRow->addWidget(txtFirstname, 1);
    searchRow->addWidget(new QLabel(QStringLiteral("Hospita #:"), search));
    searchRow->addWidget(txtHospNum);
    searchRow->addWidget(cmdSearch);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(windowHeading(QStringLiteral("History(Referral from Medical Team)"), window));
    layout->addWidget(search);
    layout->addWidget(lvwRequest, 1);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(13000, window), twipsToPixelsY(6600, window));
}

} // namespace pwo
