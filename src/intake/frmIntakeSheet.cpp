#include "frmIntakeSheet.h"

#include "EnvironmentProblemsTab.h"
#include "ExpenseTotal.h"
#include "FamilyCompositionTab.h"
#include "IntakeLists.h"
#include "IntakeWidths.h"
#include "LoadData.h"
#include "SocialFunctioningTab.h"

#include "core/ErrorPolicy.h"
#include "core/HourGlass.h"
#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Recordset.h"
#include "data/SqlText.h"
#include "patients/clsPatientSearch.h"
#include "reports/modReports.h"
#include "widgets/WorkerLookup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pwo {

namespace {

bool endsInB(const QString &admission)
{
    return admission.endsWith(QLatin1Char('B'), Qt::CaseInsensitive);
}

QString registryDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

} // namespace

frmIntakeSheet::frmIntakeSheet(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.cmdSave, &QPushButton::clicked, this, guardedSlot(this, &frmIntakeSheet::cmdSave_Click));
    connect(ui.cmdSavePrint, &QPushButton::clicked, this, guardedSlot(this, &frmIntakeSheet::cmdSavePrint_Click));
    connect(ui.cmdEdit, &QPushButton::clicked, this, guardedSlot(this, &frmIntakeSheet::cmdEdit_Click));
    connect(ui.cmdCancel, &QPushButton::clicked, this, guardedSlot(this, &frmIntakeSheet::cmdCancel_Click));
    connect(ui.cmdAll, &QPushButton::clicked, this, guardedSlot(this, &frmIntakeSheet::cmdAll_Click));
    for (QLineEdit *box : ui.txtMExpenses)
        box->installEventFilter(this);
    // A category or referring party picked from its list sends its own id,
    // not the one of the name it replaced.
    connect(ui.cboReferringParty, &QComboBox::activated, this, [this](int index) {
        const QVariant code = ui.cboReferringParty->itemData(index);
        if (code.isValid())
            referringPartyTag_ = code.toString();
    });
    connect(ui.cmbCategory, &QComboBox::activated, this, guardedSlot(this, &frmIntakeSheet::cmbCategory_Click));

    for (QLineEdit *never : {ui.txtHospitalNo, ui.txtWard, ui.txtAdmissionDate, ui.txtClassification, ui.txtPWOW,
                             ui.txtCaseNo})
        never->setEnabled(false);
    ui.cboClassCode->setEnabled(false);
    EnableEditing(false);
    // A failing statement while opening is reported; the window stays open.
    guarded([this] {
        Form_Load();
        loaded_ = true;
    });
    // Only now: a limit in place while the stored texts are put in would cut them.
    limitTextBoxes(*this, intakeTextWidths());
}

bool frmIntakeSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut)
        guarded([this] { ComputeExpensesTotal(); });
    return QWidget::eventFilter(watched, event);
}

void frmIntakeSheet::Form_Load()
{
    const CurrentPatientProperties &current = CurrentPatient();
    patient_ = {current.IDNUM(), current.HospNum(), current.ERNum()};
    loadClassification();
    ui.familyTab->SetupFamilyGrid();

    const QString type = CurrentPatient().PatientType();
    if (type == QLatin1String("0"))
        LoadInPatientDemographics();
    else if (type == QLatin1String("1"))
        LoadOutPatientDemographics();
    else if (type == QLatin1String("2") || type == QLatin1String("3")) {
        if (endsInB(patient_.IDNUM))
            LoadOutPatientDemographics();
        else
            LoadInPatientDemographics();
    }
    setPatientKind();
    loadStoredSheetHeader();

    LoadData::LoadIntakeSheet(ui);
    LoadData::LoadOtherPatientInfo(ui);
    LoadData::LoadFamilyComposition(ui);
    LoadData::LoadMonthlyExpenses(ui);
    LoadData::LoadSocialFunctioning(ui, patient_.HospNum);
    LoadData::LoadEnvironmentProblems(ui, patient_.HospNum);
    FillLists(ui);
}

void frmIntakeSheet::loadClassification()
{
    Recordset classification;
    classification.Open(QStringLiteral(" sp_SearchCategoryandClassification ") + sql::quoted(patient_.IDNUM),
                        *globals().Connection, adOpenDynamic, adLockReadOnly, -1);
    if (!classification.Eof()) {
        const auto text = [&](const char *column) { return classification.value(QString::fromLatin1(column)).text(); };
        ui.txtClassification->setText(text("Classification"));
        ui.cboClassCode->setCurrentText(text("classificationid"));
        ui.cmbCategory->setCurrentText(text("category"));
        categoryTag_ = text("categoryid");
        if (categoryTag_.isEmpty())
            categoryTag_ = QStringLiteral("0");
        ui.txtCaseNo->setText(text("PWO"));
    }
    classification.Close();
}

void frmIntakeSheet::loadRegistryPatient(bool outPatient)
{
    std::shared_ptr<PatientMasterObject> master = globals().PatientSearch->PatientMaster();
    if (!master->LoadPatient(patient_.HospNum))
        return;
    if (master->Sex() == QLatin1String("M"))
        ui.cboSex->setCurrentText(QStringLiteral("Male"));
    else if (master->Sex() == QLatin1String("F"))
        ui.cboSex->setCurrentText(QStringLiteral("Female"));
    ui.DTDateInterviewed->setDate(QDate::currentDate());
    ui.txtHospitalNo->setText(master->HospitalNumber());
    ui.txtLastname->setText(master->LastName());
    ui.txtFirstname->setText(master->FirstName());
    ui.txtMiddle->setText(master->MiddleName());
    ui.txtAge->setText(master->Age());
    ui.cboReligion->setCurrentText(master->Religion().Description());
    ui.cboCivilStatus->setCurrentText(master->CivilStatus().Description());
    ui.txtOccupation->setText(master->Occupation());
    ui.txtBirthdate->setText(registryDate(master->BirthDate()));
    ui.txtBirthPlace->setText(master->BirthPlace());
    ui.txtEmployer->setText(master->Employer());
    if (outPatient)
        ui.txtTelNo->setText(master->TelNumber());
}

void frmIntakeSheet::LoadInPatientDemographics()
{
    loadRegistryPatient(false);
    clsPatientSearch &search = *globals().PatientSearch;
    if (!search.ValidateAdmission(patient_.IDNUM))
        return;
    std::shared_ptr<AdmissionObject> admission = search.Admission();
    ui.txtAdmissionDate->setText(registryDate(admission->AdmissionDate()));
    ui.txtWard->setText(admission->Room().RoomID());
    ui.txtReferredBy->setText(admission->ReferringDoctor());
    ui.txtAdmDiagnosis->setText(admission->History().AdmittingDiagnosis());
    ui.txtFinalDiagnosis->setText(admission->History().AdmittingDiagnosis());
}

void frmIntakeSheet::LoadOutPatientDemographics()
{
    loadRegistryPatient(true);
    Recordset visit;
    visit.OpenReadOnly(QStringLiteral("Radiology..spGlobal_RegisteredOPD ") +
                           sql::quotedList({QString(), QStringLiteral("1"), patient_.IDNUM}),
                       *globals().Connection);
    if (visit.RecordCount() > 0) {
        ui.txtAdmissionDate->setText(registryDate(visit.value(QStringLiteral("AdmDate")).toDate()));
        ui.txtWard->setText(QStringLiteral("OPD"));
    }
    visit.Close();
}

void frmIntakeSheet::cmbCategory_Click()
{
    Recordset category;
    category.OpenReadOnly(QStringLiteral("select Code from tbPwoCaseCategory where category = ") +
                              sql::quoted(ui.cmbCategory->currentText()),
                          *globals().Connection);
    if (!category.Eof())
        categoryTag_ = category.value(QStringLiteral("Code")).text();
    category.Close();
}

void frmIntakeSheet::setPatientKind()
{
    if (endsInB(patient_.IDNUM))
        ui.cboAccomodation->setCurrentText(patient_.ERNum.isEmpty() ? QStringLiteral("OUTPATIENT")
                                                                    : QStringLiteral("ER PATIENT"));
    else
        ui.cboAccomodation->setCurrentText(QStringLiteral("INPATIENT"));
}

void frmIntakeSheet::loadStoredSheetHeader()
{
    Recordset header;
    header.OpenReadOnly(QStringLiteral("PWO..sp_PWO_LoadExistIntakeSheet ") + sql::quoted(ui.txtHospitalNo->text().trimmed()),
                        *globals().Connection);
    if (header.RecordCount() >= 1) {
        showStoredDate(*ui.txtExpiry, header.value(QStringLiteral("ExpiryDate")));
        referringPartyTag_ = header.value(QStringLiteral("refpartyid")).text();
        ui.cboReferringParty->setCurrentText(header.value(QStringLiteral("ReferringParty")).text());
        ui.cmbCategory->setCurrentText(header.value(QStringLiteral("categoryDescription")).text());
        categoryTag_ = header.value(QStringLiteral("CategoryNum")).text();
    }
    header.Close();
}

void frmIntakeSheet::EnableEditing(bool enabled)
{
    ui.cmdSave->setEnabled(enabled);
    for (QGroupBox *frame : {ui.fraPatientInfo, ui.fraDemographic, ui.fraSectoral, ui.fraReferral, ui.fraExpenses,
                             ui.fraMedical})
        frame->setEnabled(enabled);
    ui.familyTab->setEditable(enabled);
    ui.socialTab->setEditable(enabled);
    ui.environmentTab->setEditable(enabled);
}

QMessageBox::StandardButton frmIntakeSheet::PopMessage(const QString &prompt, QMessageBox::StandardButtons buttons,
                                                       const QString &title)
{
    return showMessage(prompt, buttons, QMessageBox::NoIcon, title);
}

void frmIntakeSheet::ComputeExpensesTotal()
{
    ui.txtTotalMonthlyExpenditure->setText(sql::numberText(totalOfExpenses(ui.txtMExpenses)));
}

void frmIntakeSheet::CheckCaseNumber()
{
    duplicate_ = false;
    Recordset owners;
    owners.OpenReadOnly(QStringLiteral("PWO..sp_PWO_GetExistsPWONumber ") + sql::quoted(ui.txtCaseNo->text().trimmed()) +
                            QStringLiteral(", ") + sql::quoted(ui.txtHospitalNo->text().trimmed()),
                        *globals().Connection);
    if (owners.RecordCount() > 0 &&
        owners.value(QStringLiteral("HospNum")).text().trimmed() != ui.txtHospitalNo->text().trimmed()) {
        showMessage(QStringLiteral("The CaseNumber already exists and is owned by ") +
                        owners.value(QStringLiteral("PatientName")).text(),
                    QMessageBox::Ok, QMessageBox::NoIcon, QStringLiteral("Message"));
        ui.txtCaseNo->clear();
        ui.txtCaseNo->setEnabled(true);
        duplicate_ = true;
    }
    owners.Close();
}

bool frmIntakeSheet::checkBeforeSave()
{
    // Without the registry's record the boxes are empty, and the save would
    // write them over the patient's stored sheet.
    if (ui.txtHospitalNo->text().trimmed().isEmpty()) {
        showMessage(QStringLiteral("The patient's record was not found in the registry, so this intake sheet "
                                   "cannot be saved."),
                    QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Message"));
        return false;
    }
    // The hospital's server would cut a longer text without a word.
    const QString overlong = overlongTextsMessage(*this, intakeTextWidths());
    if (!overlong.isEmpty()) {
        showMessage(overlong, QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Message"));
        return false;
    }
    // Blanks would be stored as the case number and match nobody's.
    if (ui.txtCaseNo->text().trimmed().isEmpty()) {
        showMessage(QStringLiteral("Can't save incomplete data Case Number is Missing."), QMessageBox::Ok,
                    QMessageBox::Information, QStringLiteral("Message"));
        ui.txtCaseNo->setEnabled(true);
        return false;
    }
    CheckCaseNumber();
    if (duplicate_)
        return false;
    if (ui.cboCivilStatus->currentText().isEmpty()) {
        showMessage(QStringLiteral("Civil Status is Missing."), QMessageBox::Ok, QMessageBox::Warning,
                    QStringLiteral("Message"));
        return false;
    }
    // An incomplete member row would stop the family save half-way.
    return ui.familyTab->checkRowsBeforeSave();
}

void frmIntakeSheet::save()
{
    saved_ = false;
    // Saving a half-loaded sheet would write its empty controls over the stored data.
    if (!loaded_) {
        showMessage(QStringLiteral("The intake sheet was not loaded completely and cannot be saved. "
                                   "Close it and open it again."),
                    QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Message"));
        return;
    }
    if (!checkBeforeSave())
        return;
    if (PopMessage(QStringLiteral("Are you sure you want to save the changes?"), QMessageBox::Yes | QMessageBox::No,
                   QStringLiteral("Halvex Program")) == QMessageBox::No)
        return;

    const HourGlass hourGlass;
    Connection &connection = *globals().Connection;
    connection.Execute(saveIntakeSheetDataStatement(ui, patient_));
    connection.Execute(saveOtherPatientInfoStatement(ui, patient_));
    connection.Execute(savePatientDataStatement(ui, patient_, categoryTag_, referringPartyTag_));
    if (!connection.Errors().empty())
        throw DatabaseError(connection.Errors());
    ui.socialTab->Save_SocialFunctioning(patient_.HospNum);
    ui.environmentTab->Save_EnvironmentProblems(patient_.HospNum);
    ui.familyTab->Save_FamilyComposition(ui.txtHospitalNo->text(), patient_.HospNum);
    connection.Execute(saveMonthlyExpensesStatement(ui, patient_));

    saved_ = true;
    showMessage(QStringLiteral("Record of ") + ui.txtLastname->text() + QStringLiteral(", ") + ui.txtFirstname->text() +
                    QStringLiteral(" Saved."),
                QMessageBox::Ok, QMessageBox::NoIcon, QStringLiteral("Message"));
}

void frmIntakeSheet::cmdSave_Click()
{
    save();
}

void frmIntakeSheet::cmdSavePrint_Click()
{
    save();
    if (!saved_)
        return;
    const QString hospitalNo = ui.txtHospitalNo->text().trimmed();
    OpenReport(reportFilePath(QStringLiteral("\\AssessmentTool.rpt")),
               {QStringLiteral("PATIENT WELFARE OFFICE"), globals().Address1, hospitalNo, hospitalNo});
    ShowReport(QStringLiteral("Intake Sheet Data"));
}

void frmIntakeSheet::cmdEdit_Click()
{
    EnableEditing(true);
}

void frmIntakeSheet::cmdCancel_Click()
{
    close();
}

void frmIntakeSheet::cmdAll_Click()
{
    const LookedUpWorker worker = lookUpWorker();
    if (worker.found)
        ui.txtPWOW->setText(worker.name);
}

} // namespace pwo
