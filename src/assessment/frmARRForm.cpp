#include "frmARRForm.h"

#include "AssessmentWidths.h"
#include "EntryDelegate.h"

#include "core/Twips.h"
#include "widgets/SearchIcon.h"
#include "widgets/NamedControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace pwo {

namespace {

const char *const documentCaptions[frmARRForm::documentCount] = {
    "Intake Sheet", "Patients Profile", "Registration Logbook", "Service Card", "Patients Data Card",
    "Transfer Summary", "Closing Summary", "Groupwork Recording", "Eligibility Study Report",
    "Social Case Study Report", "Home Visit Report", "Work Plan", "Daily Accomplishment ",
    "Monthly Census of Cases", "FeedBack", "Annual Report", "Progress Note", "Others",
};

bool isReporting(int document)
{
    return (document >= 11 && document <= 15) || document == 17;
}

QLineEdit *box(const char *name, QWidget *parent, bool editable = false)
{
    auto *edit = named(new QLineEdit(parent), QString::fromLatin1(name));
    edit->setReadOnly(!editable);
    return edit;
}

QLineEdit *dateBox(const char *name, QWidget *parent)
{
    auto *edit = box(name, parent, true);
    edit->setInputMask(QStringLiteral("99/99/9999"));
    return edit;
}

QComboBox *list(const char *name, QWidget *parent, bool editable = false)
{
    auto *combo = named(new QComboBox(parent), QString::fromLatin1(name));
    combo->setEditable(editable);
    combo->setMinimumContentsLength(18);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

// Entries carry their id after a long run of blanks; only the description shows.
QListWidget *entryList(const char *name, QWidget *parent)
{
    auto *entries = named(new QListWidget(parent), QString::fromLatin1(name));
    entries->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    entries->setTextElideMode(Qt::ElideNone);
    entries->setItemDelegate(new EntryDelegate(entries));
    return entries;
}

void addPair(QGridLayout *grid, int row, int column, const char *label, QWidget *field)
{
    auto *caption = new QLabel(QString::fromUtf8(label), field->parentWidget());
    caption->setBuddy(field);
    grid->addWidget(caption, row, column * 2);
    grid->addWidget(field, row, column * 2 + 1);
}

} // namespace

QWidget *frmARRForm::buildPatientFrame(QDialog *window)
{
    auto *frame = new QGroupBox(QStringLiteral("Patient's Information"), window);
    txtHospNum = box("txtHospNum", frame);
    QPalette lightBlue = txtHospNum->palette();
    lightBlue.setColor(QPalette::Base, QColor(0xDE, 0xE3, 0xF8));
    txtHospNum->setPalette(lightBlue);
    txtLastname = box("txtLastname", frame);
    txtFirstname = box("txtFirstname", frame);
    txtMiddleName = box("txtMiddleName", frame);
    mskIntake = dateBox("mskIntake", frame);
    mskRange1 = dateBox("mskRange1", frame);
    cboactive = list("cboactive", frame, true);
    chkActive = named(new QCheckBox(QStringLiteral("&Active"), frame), QStringLiteral("chkActive"));
    txtPWONum = box("txtPWONum", frame);
    txtIDNum = box("txtIDNum", frame);
    txtRoomID = box("txtRoomID", frame);
    cboClassification = list("cboClassification", frame);
    cboReferring = list("cboReferring", frame);
    lblCode = named(new QLabel(frame), QStringLiteral("lblCode"));
    QFont large = lblCode->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() * 2 + 4);
    lblCode->setFont(large);
    lblCode->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtDoctor = box("txtDoctor", frame);
    txtDoctor->hide();

    auto *grid = new QGridLayout(frame);
    addPair(grid, 0, 0, " HOSP. NUM.", txtHospNum);
    addPair(grid, 1, 0, " LASTNAME  ", txtLastname);
    addPair(grid, 2, 0, " FIRSTNAME", txtFirstname);
    addPair(grid, 3, 0, " MIDDLENAME", txtMiddleName);
    addPair(grid, 0, 1, " PWO NUM.", txtPWONum);
    addPair(grid, 1, 1, " ADM NUM.", txtIDNum);
    addPair(grid, 2, 1, " ROOM NUM", txtRoomID);
    addPair(grid, 3, 1, " CLASSIFICATION", cboClassification);
    addPair(grid, 0, 2, " DT of INTAKE", mskIntake);
    addPair(grid, 1, 2, " VALIDITY", mskRange1);
    addPair(grid, 2, 2, " STATUS", cboactive);
    addPair(grid, 3, 2, " Referring Party", cboReferring);
    grid->addWidget(chkActive, 4, 5);
    grid->addWidget(lblCode, 0, 6, 3, 1);
    return frame;
}

QWidget *frmARRForm::buildTaggingFrame(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("Tagging/Remarks/Counterpart"), parent);
    txtRemarks = named(new QPlainTextEdit(frame), QStringLiteral("txtRemarks"));
    txtRemarks->setTabChangesFocus(true);
    txtNC = box("txtNC", frame, true);
    txtPWOW = box("txtPWOW", frame);
    cmdSearch = named(new QPushButton(frame), QStringLiteral("cmdSearch"));
    cmdSearch->setIcon(searchIcon());
    cmdSearch->setAutoDefault(false);
    cmdSearch->setToolTip(QStringLiteral("Look up the social worker"));
    chkPCSO = named(new QCheckBox(QStringLiteral("c/o PCSO"), frame), QStringLiteral("chkPCSO"));
    chkSponsor = named(new QCheckBox(QStringLiteral("c/o Sponsor"), frame), QStringLiteral("chkSponsor"));
    chkSpecial = named(new QCheckBox(QStringLiteral("Special"), frame), QStringLiteral("chkSpecial"));

    auto *types = new QGroupBox(QStringLiteral("Types of PCSO Allocation"), frame);
    pcsoTypes = new QButtonGroup(types);
    auto *typesLayout = new QHBoxLayout(types);
    const char *const captions[] = {"Endowment", "Guarantee Letter", "Check"};
    for (int index = 0; index < 3; ++index) {
        auto *option = named(new QRadioButton(QString::fromLatin1(captions[index]), types),
                             QStringLiteral("optPCSO_%1").arg(index));
        optPCSO << option;
        pcsoTypes->addButton(option, index);
        typesLayout->addWidget(option);
    }

    auto *grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("        REMARKS"), frame), 0, 0, Qt::AlignTop);
    auto *remarks = new QVBoxLayout;
    remarks->addWidget(txtRemarks);
    remarks->addWidget(charactersLeftLabel(*txtRemarks, widthOf(assessmentTextWidths(), "txtRemarks"), frame));
    grid->addLayout(remarks, 0, 1, 1, 3);
    addPair(grid, 1, 0, " Neg. Counterpart", txtNC);
    auto *worker = new QHBoxLayout;
    worker->addWidget(txtPWOW, 1);
    worker->addWidget(cmdSearch);
    grid->addWidget(new QLabel(QStringLiteral(" PWOW"), frame), 2, 0);
    grid->addLayout(worker, 2, 1, 1, 3);
    auto *tags = new QHBoxLayout;
    tags->addWidget(chkPCSO);
    tags->addWidget(chkSponsor);
    tags->addWidget(chkSpecial);
    tags->addStretch(1);
    grid->addLayout(tags, 3, 0, 1, 4);
    grid->addWidget(types, 4, 0, 1, 4);
    return frame;
}

QWidget *frmARRForm::buildCategoryTab(QWidget *tabs)
{
    auto *tab = new QWidget(tabs);
    auto *category = new QGroupBox(QStringLiteral("Patient's Category"), tab);
    lstParentCategory = entryList("lstParentCategory", category);
    lstCategory = entryList("lstCategory", category);
    auto *categoryLayout = new QVBoxLayout(category);
    categoryLayout->addWidget(lstParentCategory, 1);
    categoryLayout->addWidget(lstCategory, 2);

    fmeService = named(new QGroupBox(QStringLiteral("Services"), tab), QStringLiteral("fmeService"));
    lstServices = entryList("lstServices", fmeService);
    cmdService = namedButton("Add/ Search Services", "cmdService", fmeService);
    cmdCloseServices = namedButton("&Close", "cmdCloseServices", fmeService);
    auto *serviceButtons = new QHBoxLayout;
    serviceButtons->addWidget(cmdService);
    serviceButtons->addStretch(1);
    serviceButtons->addWidget(cmdCloseServices);
    auto *serviceLayout = new QVBoxLayout(fmeService);
    serviceLayout->addWidget(lstServices, 1);
    serviceLayout->addLayout(serviceButtons);

    auto *layout = new QHBoxLayout(tab);
    layout->addWidget(category, 1);
    layout->addWidget(fmeService, 1);
    layout->addWidget(buildTaggingFrame(tab), 1);
    return tab;
}

QWidget *frmARRForm::buildDocumentationTab(QWidget *tabs)
{
    auto *tab = new QWidget(tabs);
    auto *recording = new QGroupBox(QStringLiteral("Documentation-Recording"), tab);
    auto *reporting = new QGroupBox(QStringLiteral("Reporting"), recording);
    auto *recordingLayout = new QVBoxLayout(recording);
    auto *reportingLayout = new QVBoxLayout(reporting);
    for (int index = 0; index < documentCount; ++index) {
        QGroupBox *frame = isReporting(index) ? reporting : recording;
        auto *document = named(new QCheckBox(QString::fromLatin1(documentCaptions[index]), frame),
                               QStringLiteral("chkdoc_%1").arg(index));
        chkdoc << document;
        (isReporting(index) ? reportingLayout : recordingLayout)->addWidget(document);
    }
    recordingLayout->addWidget(reporting);
    recordingLayout->addStretch(1);

    frmactivity = named(new QGroupBox(QStringLiteral("Activity"), tab), QStringLiteral("frmactivity"));
    lstactivity = entryList("lstactivity", frmactivity);
    cmdAddActivity = namedButton("Add/ Search Activity", "cmdAddActivity", frmactivity);
    cmdCloseActivity = namedButton("&Close", "cmdCloseActivity", frmactivity);
    auto *activityButtons = new QHBoxLayout;
    activityButtons->addWidget(cmdAddActivity);
    activityButtons->addStretch(1);
    activityButtons->addWidget(cmdCloseActivity);
    auto *activityLayout = new QVBoxLayout(frmactivity);
    activityLayout->addWidget(lstactivity, 1);
    activityLayout->addLayout(activityButtons);

    auto *layout = new QHBoxLayout(tab);
    layout->addWidget(recording, 1);
    layout->addWidget(frmactivity, 2);
    return tab;
}

QWidget *frmARRForm::buildHints(QDialog *window)
{
    auto *hints = new QWidget(window);
    Label18 = named(new QLabel(QStringLiteral("***Press F1 for Help"), hints), QStringLiteral("Label18"));
    Label7 = named(new QLabel(QStringLiteral("1. Click the button Previous Assessments to view the history of "
                                             "assessments entered.\n"
                                             "2. If the CDF Allocation button is blinking, click on it to view the "
                                             "fund.\n"
                                             "3. To remove services, double-click on the list box."),
                              hints),
                   QStringLiteral("Label7"));
    auto *layout = new QVBoxLayout(hints);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label18);
    layout->addWidget(Label7);
    return hints;
}

void frmARRForm::setupUi(QDialog *window)
{
    window->setObjectName(QStringLiteral("frmARR"));
    window->setWindowTitle(QStringLiteral("Patient Welfare Office Division"));

    auto *heading = new QLabel(QStringLiteral("Assessment and Referral "), window);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    heading->setFont(bold);
    auto *subheading = new QLabel(QStringLiteral("Assessment and Referral entry"), window);
    lblStatus = named(new QLabel(QStringLiteral("Status"), window), QStringLiteral("lblStatus"));

    SSTab1 = named(new QTabWidget(window), QStringLiteral("SSTab1"));
    SSTab1->addTab(buildCategoryTab(SSTab1), QStringLiteral("CATEGORY AND SERVICES"));
    SSTab1->addTab(buildDocumentationTab(SSTab1), QStringLiteral("DOCUMENTATION"));

    cmdSave = namedButton("&Save", "cmdSave", window);
    cmdPrint = namedButton("Save/&Print", "cmdPrint", window);
    cmdRePrint = namedButton("&RePrint", "cmdRePrint", window);
    cmdTrans = namedButton("View ARR &Transactions", "cmdTrans", window);
    cmdPrevious = namedButton("&Previous Assessments", "cmdPrevious", window);
    cmdViewCDF = namedButton("&View CDF Allocation", "cmdViewCDF", window);
    cmdViewCDF->setAutoFillBackground(true);
    cmdClose = namedButton("&Close", "cmdClose", window);
    tmrCDF = named(new QTimer(window), QStringLiteral("tmrCDF"));
    tmrCDF->setInterval(100);

    auto *top = new QHBoxLayout;
    auto *headings = new QVBoxLayout;
    headings->addWidget(heading);
    headings->addWidget(subheading);
    headings->addWidget(lblStatus);
    top->addLayout(headings, 1);
    top->addWidget(buildHints(window));

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {cmdSave, cmdPrint, cmdRePrint, cmdTrans, cmdPrevious, cmdViewCDF})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(window);
    layout->addLayout(top);
    layout->addWidget(buildPatientFrame(window));
    layout->addWidget(SSTab1, 1);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(15000, window), twipsToPixelsY(9600, window));
}

} // namespace pwo
