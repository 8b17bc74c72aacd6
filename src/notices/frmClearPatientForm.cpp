#include "frmClearPatientForm.h"

#include "WindowHeading.h"

#include "core/Twips.h"

#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pwo {

namespace {

QLineEdit *readOnlyBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    return box;
}

QPlainTextEdit *linesBox(const char *name, QWidget *parent, int lines)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 2 * box->frameWidth() + 8);
    return box;
}

// A frame of labelled boxes, one a row.
QGroupBox *labelledFrame(const QString &title, std::initializer_list<std::pair<const char *, QWidget *>> rows,
                         QWidget *parent)
{
    auto *frame = new QGroupBox(title, parent);
    auto *layout = new QFormLayout(frame);
    for (const auto &[label, box] : rows)
        layout->addRow(QString::fromUtf8(label), box);
    return frame;
}

} // namespace

void frmClearPatientForm::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("frmClearPatient"));
    window->setWindowTitle(QStringLiteral("Clear Patient"));

    txtSname = readOnlyBox("txtSname", window);
    txtFname = readOnlyBox("txtFname", window);
    txtMname = readOnlyBox("txtMname", window);
    txtHospNo = readOnlyBox("txtHospNo", window);
    txtAdmNo = readOnlyBox("txtAdmNo", window);
    txtAdmDate = readOnlyBox("txtAdmDate", window);
    txtRoomNo = readOnlyBox("txtRoomNo", window);
    txtDoctor = readOnlyBox("txtDoctor", window);
    txtNoticeDate = readOnlyBox("txtNoticeDate", window);
    txtOrderDate = readOnlyBox("txtOrderDate", window);
    txtDischargeNurse = readOnlyBox("txtDischargeNurse", window);
    txtRemarks = linesBox("txtRemarks", window, 3);
    txtRemarks->setReadOnly(true);
    txtClearedBy = readOnlyBox("txtClearedBy", window);
    txtClearDate = readOnlyBox("txtClearDate", window);
    txtClearRemarks = linesBox("txtClearRemarks", window, 2);
    txtPWONum = readOnlyBox("txtPWONum", window);
    txtCategory = readOnlyBox("txtCategory", window);
    txtOtherInfo = linesBox("txtOtherInfo", window, 2);
    txtOtherInfo->setReadOnly(true);

    lblClassification = new QLabel(window);
    lblClassification->setObjectName(QStringLiteral("lblClassification"));
    QFont large = lblClassification->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 3);
    lblClassification->setFont(large);
    lblClassification->setAlignment(Qt::AlignCenter);
    lblClassification->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));
    lblClassification->hide();

    cmdSave = new QPushButton(QStringLiteral("&Save"), window);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setAutoDefault(false);
    cmdIgnore = new QPushButton(QStringLiteral("&Ignore"), window);
    cmdIgnore->setObjectName(QStringLiteral("cmdIgnore"));
    cmdIgnore->setAutoDefault(false);

    auto *name = labelledFrame(QStringLiteral("Patient's Name"),
                               {{"Last Name", txtSname}, {"First Name", txtFname}, {"Middle Name", txtMname}}, window);
    auto *hospital = labelledFrame(QStringLiteral("Hospital Information"),
                                   {{"Hospital No.", txtHospNo},
                                    {"Admission No.", txtAdmNo},
                                    {"Admission Date", txtAdmDate},
                                    {"Room No.", txtRoomNo},
                                    {"Attending Dr.", txtDoctor}},
                                   window);
    auto *notice = labelledFrame(QStringLiteral("Notice Information"),
                                 {{"Notice Date/Time", txtNoticeDate},
                                  {"Order Date/Time", txtOrderDate},
                                  {"Discharge Nurse", txtDischargeNurse},
                                  {"Remarks", txtRemarks}},
                                 window);
    auto *clearing = labelledFrame(QStringLiteral("Clearing Information"),
                                   {{"Cleared by:", txtClearedBy},
                                    {"Cleared Date:", txtClearDate},
                                    {"Remarks", txtClearRemarks}},
                                   window);
    auto *pwo = labelledFrame(QStringLiteral("PWO Data"),
                              {{"PWO Number :", txtPWONum}, {"Category :", txtCategory}, {"Other Info. :", txtOtherInfo}},
                              window);
    static_cast<QFormLayout *>(pwo->layout())->addRow(lblClassification);

    auto *frames = new QGridLayout;
    frames->addWidget(name, 0, 0);
    frames->addWidget(hospital, 1, 0);
    frames->addWidget(pwo, 2, 0);
    frames->addWidget(notice, 0, 1, 2, 1);
    frames->addWidget(clearing, 2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdIgnore);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(windowHeading(QStringLiteral("Clear Patient for Discharge"), window));
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(9600, window), twipsToPixelsY(7200, window));
}

} // namespace pwo
