#pragma once

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace pwo {

class EnvironmentProblemsTab;
class FamilyCompositionTab;
class SocialFunctioningTab;

// The controls of the intake sheet. The family grid and the two rating
// pages are pages of their own, embedded as tabs.
struct frmIntakeSheetForm {
    static constexpr int expenseCount = 24;

    // "Patient's Information"
    QGroupBox *fraPatientInfo = nullptr;
    QLineEdit *txtHospitalNo = nullptr;
    QLineEdit *txtCaseNo = nullptr;
    QLineEdit *txtAdmissionDate = nullptr;
    QLineEdit *txtWard = nullptr;
    QDateEdit *DTDateInterviewed = nullptr;
    QDateEdit *txtExpiry = nullptr;
    QComboBox *cboClassCode = nullptr;
    QLineEdit *txtClassification = nullptr;

    QTabWidget *tabIntake = nullptr;

    // "I. Demographic Data"
    QGroupBox *fraDemographic = nullptr;
    QLineEdit *txtLastname = nullptr;
    QLineEdit *txtFirstname = nullptr;
    QLineEdit *txtMiddle = nullptr;
    QLineEdit *txtAge = nullptr;
    QComboBox *cboSex = nullptr;
    QComboBox *cboCivilStatus = nullptr;
    QComboBox *cboReligion = nullptr;
    QLineEdit *txtBirthdate = nullptr;
    QLineEdit *txtBirthPlace = nullptr;
    QLineEdit *txtTelNo = nullptr;
    QLineEdit *txtOccupation = nullptr;
    QLineEdit *txtEmployer = nullptr;
    QLineEdit *txtEducation = nullptr;
    QLineEdit *txtSalary = nullptr;
    QLineEdit *txtPerCapitaIncome = nullptr;
    QLineEdit *txtPermanentAddress = nullptr;
    QLineEdit *txtTemporaryAdd = nullptr;
    QLineEdit *txtCompanionUponAdmission = nullptr;
    QComboBox *cmbCategory = nullptr;
    QComboBox *cboCategoryType = nullptr;
    QComboBox *cboPhilhealthType = nullptr;
    QComboBox *cboAccomodation = nullptr;
    QComboBox *cboLivingArrangement = nullptr;
    QLineEdit *txtPWOW = nullptr;
    QPushButton *cmdAll = nullptr;

    QGroupBox *fraSectoral = nullptr;
    QCheckBox *chkSeniorCitizen = nullptr;
    QCheckBox *chkBrgyOfficial = nullptr;
    QCheckBox *chkBHW = nullptr;
    QCheckBox *chkPWD = nullptr;
    QCheckBox *chkIndigenous = nullptr;
    QLineEdit *txtOtherSectorial = nullptr;

    QGroupBox *fraReferral = nullptr;
    QLineEdit *txtSourceInfo = nullptr;
    QComboBox *cboRelationship = nullptr;
    QLineEdit *txtAdressOfInformant = nullptr;
    QComboBox *cboReferringParty = nullptr;
    QLineEdit *txtReferredBy = nullptr;
    QLineEdit *txtRefferAd = nullptr;
    QLineEdit *txtReferringPartyContactNo = nullptr;

    QGroupBox *fraExpenses = nullptr;
    std::array<QLineEdit *, expenseCount> txtMExpenses{};
    QLineEdit *txtOthers = nullptr;
    QLineEdit *txtTotalMonthlyExpenditure = nullptr;

    // "II. Medical Data"
    QGroupBox *fraMedical = nullptr;
    QLineEdit *txtAdmDiagnosis = nullptr;
    QLineEdit *txtFinalDiagnosis = nullptr;
    QLineEdit *txtDurationOfProb = nullptr;
    QLineEdit *txtPreviousTretment = nullptr;
    QLineEdit *txtPresentPlan = nullptr;
    std::array<QRadioButton *, 2> opHA{};
    QButtonGroup *healthAccessibility = nullptr;

    FamilyCompositionTab *familyTab = nullptr;
    SocialFunctioningTab *socialTab = nullptr;
    EnvironmentProblemsTab *environmentTab = nullptr;

    QPushButton *cmdSave = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdSavePrint = nullptr;

    void setupUi(QWidget *window);

private:
    QWidget *buildPatientInfo(QWidget *window);
    QWidget *buildDemographicPage(QWidget *tabs);
    QGroupBox *buildDemographic(QWidget *page);
    QGroupBox *buildSectoral(QWidget *page);
    QGroupBox *buildReferral(QWidget *page);
    QGroupBox *buildExpenses(QWidget *page);
    QWidget *buildMedicalPage(QWidget *tabs);
};

} // namespace pwo
