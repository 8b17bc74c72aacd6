#include "frmIntakeSheetForm.h"

#include "EnvironmentProblemsTab.h"
#include "FamilyCompositionTab.h"
#include "SocialFunctioningTab.h"

#include "core/Twips.h"
#include "widgets/NamedControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pwo {

namespace {

QLineEdit *textBox(const char *name, QWidget *parent)
{
    auto *box = named(new QLineEdit(parent), QString::fromLatin1(name));
    // A long text shows from its beginning when it is put in.
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        if (!box->hasFocus())
            box->setCursorPosition(0);
    });
    return box;
}

// A list with an entry: the worker may pick an item or type another text.
QComboBox *listBox(const char *name, QWidget *parent)
{
    auto *list = named(new QComboBox(parent), QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMinimumContentsLength(14);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return list;
}

QDateEdit *datePicker(const char *name, QWidget *parent)
{
    auto *picker = named(new QDateEdit(QDate::currentDate(), parent), QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    return picker;
}

QLabel *caption(const char *text, QWidget *parent)
{
    return new QLabel(QString::fromUtf8(text), parent);
}

struct ExpenseBox {
    const char *group;
    const char *caption;
};

// Captions of the expense boxes in index order; a group caption starts a group.
constexpr ExpenseBox expenseBoxes[frmIntakeSheetForm::expenseCount] = {
    {"HOUSE AND LOT", "Rent"},         {nullptr, "Owned"},
    {nullptr, "Amortization"},         {"LIGHT SOURCE", "Electricity"},
    {nullptr, "Kerosene"},             {nullptr, "Candle"},
    {"WATER SOURCE", "Artesian Well"}, {nullptr, "Water District"},
    {nullptr, "Public"},               {nullptr, "Owned"},
    {"FOOD:", ""},                     {"CLOTHING:", ""},
    {"FUEL SOURCE", "Gas"},            {nullptr, "Firewood"},
    {nullptr, "Charcoal"},             {"EDUCATION", "MCS"},
    {nullptr, "Tuition Fee"},          {nullptr, "Allowance"},
    {"TRANSPORTATION", "Allowance"},   {nullptr, "Medical"},
    {"MEDICAL EXPENDITURE:", ""},      {"HOUSEHELP:", ""},
    {"INSURANCE PREMIUM:", ""},        {"OTHERS SPECIFY:", ""},
};

} // namespace

QWidget *frmIntakeSheetForm::buildPatientInfo(QWidget *window)
{
    fraPatientInfo = named(new QGroupBox(QStringLiteral("Patient's Information"), window), QStringLiteral("fraPatientInfo"));
    txtHospitalNo = textBox("txtHospitalNo", fraPatientInfo);
    txtCaseNo = textBox("txtCaseNo", fraPatientInfo);
    txtAdmissionDate = textBox("txtAdmissionDate", fraPatientInfo);
    txtWard = textBox("txtWard", fraPatientInfo);
    DTDateInterviewed = datePicker("DTDateInterviewed", fraPatientInfo);
    txtExpiry = datePicker("txtExpiry", fraPatientInfo);
    cboClassCode = listBox("cboClassCode", fraPatientInfo);
    cboClassCode->setMinimumContentsLength(4);
    txtClassification = textBox("txtClassification", fraPatientInfo);

    auto *grid = new QGridLayout(fraPatientInfo);
    placeCaptioned(grid, 0, 0, "Hospital No.", txtHospitalNo);
    placeCaptioned(grid, 0, 2, "PWO No.", txtCaseNo);
    placeCaptioned(grid, 0, 4, "Date Interviewed", DTDateInterviewed);
    placeCaptioned(grid, 1, 0, "Date of Admission", txtAdmissionDate);
    placeCaptioned(grid, 1, 2, "Ward/ Room #", txtWard);
    placeCaptioned(grid, 1, 4, "Expiration Date:", txtExpiry);
    placeCaptioned(grid, 2, 0, "Classification", cboClassCode);
    grid->addWidget(txtClassification, 2, 2, 1, 4);
    return fraPatientInfo;
}

QGroupBox *frmIntakeSheetForm::buildDemographic(QWidget *page)
{
    fraDemographic = named(new QGroupBox(QStringLiteral("Demographic Data"), page), QStringLiteral("fraDemographic"));
    QWidget *f = fraDemographic;
    txtLastname = textBox("txtLastname", f);
    txtFirstname = textBox("txtFirstname", f);
    txtMiddle = textBox("txtMiddle", f);
    txtAge = textBox("txtAge", f);
    cboSex = listBox("cboSex", f);
    cboSex->addItems({QStringLiteral("Female"), QStringLiteral("Male")});
    cboSex->setCurrentIndex(-1);
    cboCivilStatus = listBox("cboCivilStatus", f);
    cboReligion = listBox("cboReligion", f);
    txtBirthdate = textBox("txtBirthdate", f);
    txtBirthPlace = textBox("txtBirthPlace", f);
    txtTelNo = textBox("txtTelNo", f);
    txtOccupation = textBox("txtOccupation", f);
    txtEmployer = textBox("txtEmployer", f);
    txtEducation = textBox("txtEducation", f);
    txtSalary = textBox("txtSalary", f);
    txtPerCapitaIncome = textBox("txtPerCapitaIncome", f);
    txtPermanentAddress = textBox("txtPermanentAddress", f);
    txtTemporaryAdd = textBox("txtTemporaryAdd", f);
    txtCompanionUponAdmission = textBox("txtCompanionUponAdmission", f);
    cmbCategory = listBox("cmbCategory", f);
    cboCategoryType = listBox("cboCategoryType", f);
    cboPhilhealthType = listBox("cboPhilhealthType", f);
    cboAccomodation = listBox("cboAccomodation", f);
    cboLivingArrangement = listBox("cboLivingArrangement", f);
    txtPWOW = textBox("txtPWOW", f);
    cmdAll = namedButton("...", "cmdAll", f);
    cmdAll->setMaximumWidth(twipsToPixelsX(400, f));

    auto *grid = new QGridLayout(fraDemographic);
    placeCaptioned(grid, 0, 0, "Lastname", txtLastname);
    placeCaptioned(grid, 0, 2, "Firstname", txtFirstname);
    placeCaptioned(grid, 0, 4, "Middlename", txtMiddle);
    placeCaptioned(grid, 1, 0, "Age", txtAge);
    placeCaptioned(grid, 1, 2, "Sex", cboSex);
    placeCaptioned(grid, 1, 4, "Civil Status", cboCivilStatus);
    placeCaptioned(grid, 2, 0, "Birth Date", txtBirthdate);
    placeCaptioned(grid, 2, 2, "Birthplace", txtBirthPlace);
    placeCaptioned(grid, 2, 4, "Religion", cboReligion);
    placeCaptioned(grid, 3, 0, "Tel No.:", txtTelNo);
    placeCaptioned(grid, 3, 2, "Occupation", txtOccupation);
    placeCaptioned(grid, 3, 4, "Employer", txtEmployer);
    placeCaptioned(grid, 4, 0, "Education", txtEducation);
    placeCaptioned(grid, 4, 2, "Income", txtSalary);
    placeCaptioned(grid, 4, 4, "Per Capita Income", txtPerCapitaIncome);
    placeCaptioned(grid, 5, 0, "Permanent Address", txtPermanentAddress, 5);
    placeCaptioned(grid, 6, 0, "Temporary Address", txtTemporaryAdd, 5);
    placeCaptioned(grid, 7, 0, "Companion Upon Admission", txtCompanionUponAdmission, 3);
    placeCaptioned(grid, 7, 4, "Accomodation", cboAccomodation);
    placeCaptioned(grid, 8, 0, "Case Category", cmbCategory);
    placeCaptioned(grid, 8, 2, "Category", cboCategoryType);
    placeCaptioned(grid, 8, 4, "PHILHEALTH", cboPhilhealthType);
    placeCaptioned(grid, 9, 0, "Kind of Living Arrangement:", cboLivingArrangement);
    auto *worker = new QHBoxLayout;
    worker->addWidget(txtPWOW, 1);
    worker->addWidget(cmdAll);
    auto *workerLabel = caption("Social Worker", f);
    workerLabel->setBuddy(cmdAll);
    grid->addWidget(workerLabel, 9, 2);
    grid->addLayout(worker, 9, 3, 1, 3);
    return fraDemographic;
}

QGroupBox *frmIntakeSheetForm::buildSectoral(QWidget *page)
{
    fraSectoral = named(new QGroupBox(QStringLiteral("Sectoral Membership"), page), QStringLiteral("fraSectoral"));
    QWidget *f = fraSectoral;
    chkSeniorCitizen = named(new QCheckBox(QStringLiteral("Senior Citizen"), f), QStringLiteral("chkSeniorCitizen"));
    chkBrgyOfficial = named(new QCheckBox(QStringLiteral("Brgy Official"), f), QStringLiteral("chkBrgyOfficial"));
    chkBHW = named(new QCheckBox(QStringLiteral("BHW"), f), QStringLiteral("chkBHW"));
    chkPWD = named(new QCheckBox(QStringLiteral("PWD"), f), QStringLiteral("chkPWD"));
    chkIndigenous = named(new QCheckBox(QStringLiteral("Indigenous"), f), QStringLiteral("chkIndigenous"));
    txtOtherSectorial = textBox("txtOtherSectorial", f);
    auto *row = new QHBoxLayout(fraSectoral);
    for (QCheckBox *box : {chkSeniorCitizen, chkBrgyOfficial, chkBHW, chkPWD, chkIndigenous})
        row->addWidget(box);
    auto *others = caption("Others:", f);
    others->setBuddy(txtOtherSectorial);
    row->addWidget(others);
    row->addWidget(txtOtherSectorial, 1);
    return fraSectoral;
}

QGroupBox *frmIntakeSheetForm::buildReferral(QWidget *page)
{
    fraReferral = named(new QGroupBox(QStringLiteral("Source of Referral"), page), QStringLiteral("fraReferral"));
    QWidget *f = fraReferral;
    txtSourceInfo = textBox("txtSourceInfo", f);
    cboRelationship = listBox("cboRelationship", f);
    txtAdressOfInformant = textBox("txtAdressOfInformant", f);
    cboReferringParty = listBox("cboReferringParty", f);
    txtReferredBy = textBox("txtReferredBy", f);
    txtRefferAd = textBox("txtRefferAd", f);
    txtReferringPartyContactNo = textBox("txtReferringPartyContactNo", f);
    auto *grid = new QGridLayout(fraReferral);
    placeCaptioned(grid, 0, 0, "Informant:", txtSourceInfo);
    placeCaptioned(grid, 0, 2, "Relation To Patient:", cboRelationship);
    placeCaptioned(grid, 1, 0, "Address of Informant:", txtAdressOfInformant, 3);
    placeCaptioned(grid, 2, 0, "Referring Party", cboReferringParty);
    placeCaptioned(grid, 2, 2, "Referred by", txtReferredBy);
    placeCaptioned(grid, 3, 0, "Referring Party Address", txtRefferAd);
    placeCaptioned(grid, 3, 2, "Contact No.", txtReferringPartyContactNo);
    return fraReferral;
}

QGroupBox *frmIntakeSheetForm::buildExpenses(QWidget *page)
{
    fraExpenses = named(new QGroupBox(QStringLiteral("MONTHLY EXPENSES"), page), QStringLiteral("fraExpenses"));
    QWidget *f = fraExpenses;
    auto *grid = new QGridLayout(fraExpenses);
    // Three columns of caption pairs, filled downward.
    constexpr int rowsPerColumn = 9;
    int slot = 0;
    for (int i = 0; i < expenseCount; ++i) {
        txtMExpenses[size_t(i)] = textBox(QStringLiteral("txtMExpenses_%1").arg(i).toLatin1().constData(), f);
        txtMExpenses[size_t(i)]->setAlignment(Qt::AlignRight);
        const ExpenseBox &box = expenseBoxes[i];
        if (box.group && *box.caption) {
            auto *group = caption(box.group, f);
            QFont bold = group->font();
            bold.setBold(true);
            group->setFont(bold);
            grid->addWidget(group, slot % rowsPerColumn, (slot / rowsPerColumn) * 3, 1, 3);
            ++slot;
        }
        const char *text = *box.caption ? box.caption : box.group;
        auto *label = caption(text, f);
        label->setBuddy(txtMExpenses[size_t(i)]);
        const int row = slot % rowsPerColumn;
        const int column = (slot / rowsPerColumn) * 3;
        grid->addWidget(label, row, column);
        grid->addWidget(txtMExpenses[size_t(i)], row, column + 1);
        ++slot;
    }
    txtOthers = textBox("txtOthers", f);
    txtTotalMonthlyExpenditure = textBox("txtTotalMonthlyExpenditure", f);
    txtTotalMonthlyExpenditure->setAlignment(Qt::AlignRight);
    const int last = (slot / rowsPerColumn + 1) * rowsPerColumn;
    placeCaptioned(grid, last, 0, "Others:", txtOthers, 4);
    placeCaptioned(grid, last + 1, 0, "Total Monthly Expenditure :", txtTotalMonthlyExpenditure);
    return fraExpenses;
}

QWidget *frmIntakeSheetForm::buildDemographicPage(QWidget *tabs)
{
    auto *scroll = new QScrollArea(tabs);
    scroll->setWidgetResizable(true);
    auto *page = new QWidget(scroll);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(buildDemographic(page));
    layout->addWidget(buildSectoral(page));
    layout->addWidget(buildReferral(page));
    layout->addWidget(buildExpenses(page));
    layout->addStretch(1);
    scroll->setWidget(page);
    return scroll;
}

QWidget *frmIntakeSheetForm::buildMedicalPage(QWidget *tabs)
{
    auto *page = new QWidget(tabs);
    fraMedical = named(new QGroupBox(QStringLiteral("Medical Data"), page), QStringLiteral("fraMedical"));
    QWidget *f = fraMedical;
    txtAdmDiagnosis = textBox("txtAdmDiagnosis", f);
    txtFinalDiagnosis = textBox("txtFinalDiagnosis", f);
    txtDurationOfProb = textBox("txtDurationOfProb", f);
    txtPreviousTretment = textBox("txtPreviousTretment", f);
    txtPresentPlan = textBox("txtPresentPlan", f);
    opHA[0] = named(new QRadioButton(QStringLiteral("Not Available"), f), QStringLiteral("opHA_0"));
    opHA[1] = named(new QRadioButton(QStringLiteral("Available"), f), QStringLiteral("opHA_1"));
    healthAccessibility = new QButtonGroup(f);
    healthAccessibility->addButton(opHA[0], 0);
    healthAccessibility->addButton(opHA[1], 1);

    auto *grid = new QGridLayout(fraMedical);
    placeCaptioned(grid, 0, 0, "Admitting Diagnosis:", txtAdmDiagnosis);
    placeCaptioned(grid, 1, 0, "Final Diagnosis:", txtFinalDiagnosis);
    placeCaptioned(grid, 2, 0, "Duration of Problem/ Symptoms", txtDurationOfProb);
    placeCaptioned(grid, 3, 0, "Previous Treatment/ Duration", txtPreviousTretment);
    placeCaptioned(grid, 4, 0, "Present Treatment Plan:", txtPresentPlan);
    auto *access = new QHBoxLayout;
    access->addWidget(opHA[0]);
    access->addWidget(opHA[1]);
    access->addStretch(1);
    grid->addWidget(caption("Health Accessibility Problem", f), 5, 0);
    grid->addLayout(access, 5, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(fraMedical);
    layout->addStretch(1);
    return page;
}

void frmIntakeSheetForm::setupUi(QWidget *window)
{
    window->setObjectName(QStringLiteral("frmIntakeSheet"));
    window->setWindowTitle(QStringLiteral("INTAKE SHEET"));

    tabIntake = named(new QTabWidget(window), QStringLiteral("tabIntake"));
    familyTab = new FamilyCompositionTab(tabIntake);
    socialTab = new SocialFunctioningTab(tabIntake);
    environmentTab = new EnvironmentProblemsTab(tabIntake);
    tabIntake->addTab(buildDemographicPage(tabIntake), QStringLiteral("I. Demographic Data"));
    tabIntake->addTab(familyTab, QStringLiteral("Family Composition"));
    tabIntake->addTab(buildMedicalPage(tabIntake), QStringLiteral("II. Medical Data"));
    tabIntake->addTab(socialTab, QStringLiteral("III.Assesmt of Soc Fxning"));
    tabIntake->addTab(environmentTab, QStringLiteral("IV Problems in the Env"));

    cmdSave = namedButton("&Save", "cmdSave", window);
    cmdEdit = namedButton("&Edit", "cmdEdit", window);
    cmdCancel = namedButton("&Close", "cmdCancel", window);
    cmdSavePrint = namedButton("Save/&Print", "cmdSavePrint", window);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(caption("NOTE : Click on the TABS above to Enter other relative data...", window), 1);
    for (QPushButton *b : {cmdEdit, cmdSave, cmdSavePrint, cmdCancel})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(buildPatientInfo(window));
    layout->addWidget(tabIntake, 1);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(14500, window), twipsToPixelsY(10500, window));
}

} // namespace pwo
