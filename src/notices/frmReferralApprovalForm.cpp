#include "frmReferralApprovalForm.h"

#include "core/Twips.h"
#include "widgets/NamedControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pwo {

namespace {

QLineEdit *shownBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setMinimumWidth(twipsToPixelsX(3600, parent));
    // A long text shows from its beginning.
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { box->setCursorPosition(0); });
    return box;
}

// The reasons are the medical team's: shown, never changed here.
QCheckBox *reason(const char *caption, const char *name, QWidget *parent)
{
    auto *box = named(new QCheckBox(QString::fromUtf8(caption), parent), name);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel *note(const char *text, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setIndent(twipsToPixelsX(360, parent));
    return label;
}

} // namespace

QGroupBox *frmReferralApprovalForm::buildReasons(QDialog *window)
{
    auto *frame = new QGroupBox(QStringLiteral("Reason for Referral"), window);
    chkTick1 = reason(" 1. Emotional/Adjustment Problem", "chkTick1", frame);
    chkTick2 = reason(" 2. After Care Treatment", "chkTick2", frame);
    chktick3 = reason(" 3. Dialysis and Transplant Orientation", "chktick3", frame);
    chktick4 = reason(" 4. Financial Problem", "chktick4", frame);
    chktick5 = reason(" 5. Other Specified  Reason:", "chktick5", frame);
    txtOtherReason = shownBox("txtOtherReason", frame);
    txtOtherReason->setMinimumWidth(0);

    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(chkTick1);
    layout->addWidget(note("a. Inability to follow diet/restriction/medical advises", frame));
    layout->addWidget(note("b.Aggresiveness/Stubborness/Demanding traits", frame));
    layout->addWidget(chkTick2);
    layout->addWidget(note("a. Inability to follow diet/restriction/medical advises", frame));
    layout->addWidget(chktick3);
    layout->addWidget(chktick4);
    layout->addWidget(note("a. Socio-Economic Evalutation for Assistance on Discount and the  Like.", frame));
    auto *other = new QHBoxLayout;
    other->addWidget(chktick5);
    other->addWidget(txtOtherReason, 1);
    layout->addLayout(other);
    return frame;
}

void frmReferralApprovalForm::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("frmReferralApproval"));
    window->setWindowTitle(QStringLiteral("Referral From Medical Team"));

    auto *patient = new QGroupBox(QStringLiteral("Patient's Information"), window);
    txtFullName = shownBox("txtFullName", patient);
    txtHospNo = shownBox("txtHospNo", patient);
    txtAdmNo = shownBox("txtAdmNo", patient);
    txtDiagnosis = shownBox("txtDiagnosis", patient);
    txtCategory = shownBox("txtCategory", patient);
    auto *patientLayout = new QFormLayout(patient);
    patientLayout->addRow(QStringLiteral("Patient's Name"), txtFullName);
    patientLayout->addRow(QStringLiteral("Hospital No."), txtHospNo);
    patientLayout->addRow(QStringLiteral("Admission No."), txtAdmNo);
    patientLayout->addRow(QStringLiteral("Diagnosis/Initial Impression:"), txtDiagnosis);
    patientLayout->addRow(QStringLiteral("Category:"), txtCategory);

    txtReferredBy = shownBox("txtReferredBy", window);
    frmApprovedBy = named(new QGroupBox(window), "frmApprovedBy");
    txtApprovedBy = shownBox("txtApprovedBy", frmApprovedBy);
    auto *approvedLayout = new QFormLayout(frmApprovedBy);
    approvedLayout->addRow(QStringLiteral("Approved By:"), txtApprovedBy);
    auto *referredLayout = new QFormLayout;
    referredLayout->addRow(QStringLiteral("Referred By:"), txtReferredBy);

    auto *remarks = new QGroupBox(QStringLiteral("REMARKS"), window);
    txtRemarks = named(new QPlainTextEdit(remarks), "txtRemarks");
    txtRemarks->setTabChangesFocus(true);
    auto *remarksLayout = new QVBoxLayout(remarks);
    remarksLayout->addWidget(txtRemarks);

    OptApproved = named(new QRadioButton(QStringLiteral("INCLUDE to BILL"), window), "OptApproved");
    OptDeny = named(new QRadioButton(QStringLiteral("For JUSTIFICATION"), window), "OptDeny");
    OptCash = named(new QRadioButton(QStringLiteral("CASH Basis"), window), "OptCash");
    status = new QButtonGroup(window);
    for (QRadioButton *option : {OptApproved, OptDeny, OptCash})
        status->addButton(option);

    dtSchedDate = named(new QDateEdit(window), "dtSchedDate");
    dtSchedDate->setCalendarPopup(true);
    dtSchedDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));

    cmdEdit = namedButton("EDIT", "cmdEdit", window);
    cmdSave = namedButton("SAVE", "cmdSave", window);
    cmdCancel = namedButton("CLOSE", "cmdCancel", window);

    auto *answer = new QHBoxLayout;
    answer->addWidget(OptApproved);
    answer->addWidget(OptDeny);
    answer->addWidget(OptCash);
    answer->addStretch(1);
    answer->addWidget(new QLabel(QStringLiteral("Schedule Date:"), window));
    answer->addWidget(dtSchedDate);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto *left = new QVBoxLayout;
    left->addWidget(patient);
    left->addLayout(referredLayout);
    left->addWidget(frmApprovedBy);
    left->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(buildReasons(window), 1);

    auto *layout = new QVBoxLayout(window);
    layout->addLayout(columns);
    layout->addWidget(remarks, 1);
    layout->addLayout(answer);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(13500, window), twipsToPixelsY(7400, window));
}

} // namespace pwo
