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


// A frame of picked entries with the button that opens its picker and a
// close button under the list.
struct EntryFrame {
    QGroupBox *frame;
    QListWidget *list;
    QPushButton *add;
    QPushButton *close;
};

EntryFrame entryFrame(const QString &title, const QString &frameName, const char *listName, const QString &addCaption,
                      const QString &addName, const QString &closeName, QWidget *parent)
{
    auto *frame = named(new QGroupBox(title, parent), frameName);
    const EntryFrame built{frame, entryList(listName, frame), namedButton(addCaption, addName, frame),
                           namedButton(QStringLiteral("&Close"), closeName, frame)};
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(built.add);
    buttons->addStretch(1);
    buttons->addWidget(built.close);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(built.list, 1);
    layout->addLayout(buttons);
    return built;
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
    placeCaptioned(grid, 0, 0, " HOSP. NUM.", txtHospNum);
    placeCaptioned(grid, 1, 0, " LASTNAME  ", txtLastname);
    placeCaptioned(grid, 2, 0, " FIRSTNAME", txtFirstname);
    placeCaptioned(grid, 3, 0, " MIDDLENAME", txtMiddleName);
    placeCaptioned(grid, 0, 2, " PWO NUM.", txtPWONum);
    placeCaptioned(grid, 1, 2, " ADM NUM.", txtIDNum);
    placeCaptioned(grid, 2, 2, " ROOM NUM", txtRoomID);
    placeCaptioned(grid, 3, 2, " CLASSIFICATION", cboClassification);
    placeCaptioned(grid, 0, 4, " DT of INTAKE", mskIntake);
    placeCaptioned(grid, 1, 4, " VALIDITY", mskRange1);
    placeCaptioned(grid, 2, 4, " STATUS", cboactive);
    placeCaptioned(grid, 3, 4, " Referring Party", cboReferring);
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
    placeCaptioned(grid, 1, 0, " Neg. Counterpart", txtNC);
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

    const EntryFrame services = entryFrame(QStringLiteral("Services"), QStringLiteral("fmeService"), "lstServices",
                                           QStringLiteral("Add/ Search Services"), QStringLiteral("cmdService"),
                                           QStringLiteral("cmdCloseServices"), tab);
    fmeService = services.frame;
    lstServices = services.list;
    cmdService = services.add;
    cmdCloseServices = services.close;

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

    const EntryFrame activities = entryFrame(QStringLiteral("Activity"), QStringLiteral("frmactivity"), "lstactivity",
                                             QStringLiteral("Add/ Search Activity"), QStringLiteral("cmdAddActivity"),
                                             QStringLiteral("cmdCloseActivity"), tab);
    frmactivity = activities.frame;
    lstactivity = activities.list;
    cmdAddActivity = activities.add;
    cmdCloseActivity = activities.close;

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
