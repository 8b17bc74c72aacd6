#include "IntakeWidths.h"

namespace pwo {

namespace {

constexpr TextWidth widths[] = {
    // the case and the demographic data
    {"txtCaseNo", "PWO No.", 15},
    {"txtLastname", "Lastname", 50},
    {"txtFirstname", "Firstname", 50},
    {"txtMiddle", "Middlename", 50},
    {"txtAge", "Age", 20},
    {"cboSex", "Sex", 10},
    {"cboCivilStatus", "Civil Status", 30},
    {"txtBirthdate", "Birth Date", 20},
    {"txtBirthPlace", "Birthplace", 100},
    {"cboReligion", "Religion", 50},
    {"txtTelNo", "Tel No.", 20},
    {"txtOccupation", "Occupation", 50},
    {"txtEmployer", "Employer", 100},
    {"txtEducation", "Education", 100},
    {"txtSalary", "Income", 50},
    {"txtPerCapitaIncome", "Per Capita Income", 50},
    {"txtPermanentAddress", "Permanent Address", 200},
    {"txtTemporaryAdd", "Temporary Address", 200},
    {"txtCompanionUponAdmission", "Companion Upon Admission", 100},
    {"cboAccomodation", "Accomodation", 50},
    {"cmbCategory", "Case Category", 50},
    {"cboCategoryType", "Category", 50},
    {"cboPhilhealthType", "PHILHEALTH", 50},
    {"cboLivingArrangement", "Kind of Living Arrangement", 50},
    {"txtOtherSectorial", "Other sectoral membership", 100},
    // the referral
    {"txtSourceInfo", "Informant", 100},
    {"cboRelationship", "Relation To Patient", 30},
    {"txtAdressOfInformant", "Address of Informant", 200},
    {"cboReferringParty", "Referring Party", 50},
    {"txtReferredBy", "Referred by", 100},
    {"txtRefferAd", "Referring Party Address", 200},
    {"txtReferringPartyContactNo", "Contact No.", 50},
    // the monthly expenses
    {"txtMExpenses_0", "Rent", 20},
    {"txtMExpenses_1", "House and lot owned", 20},
    {"txtMExpenses_2", "Amortization", 20},
    {"txtMExpenses_3", "Electricity", 20},
    {"txtMExpenses_4", "Kerosene", 20},
    {"txtMExpenses_5", "Candle", 20},
    {"txtMExpenses_6", "Artesian Well", 20},
    {"txtMExpenses_7", "Water District", 20},
    {"txtMExpenses_8", "Public water", 20},
    {"txtMExpenses_9", "Water owned", 20},
    {"txtMExpenses_10", "Food", 20},
    {"txtMExpenses_11", "Clothing", 20},
    {"txtMExpenses_12", "Gas", 20},
    {"txtMExpenses_13", "Firewood", 20},
    {"txtMExpenses_14", "Charcoal", 20},
    {"txtMExpenses_15", "MCS", 20},
    {"txtMExpenses_16", "Tuition Fee", 20},
    {"txtMExpenses_17", "Education allowance", 20},
    {"txtMExpenses_18", "Transportation allowance", 20},
    {"txtMExpenses_19", "Medical transportation", 20},
    {"txtMExpenses_20", "Medical expenditure", 20},
    {"txtMExpenses_21", "Househelp", 20},
    {"txtMExpenses_22", "Insurance premium", 20},
    {"txtMExpenses_23", "Other expenses amount", 20},
    {"txtOthers", "Others", 100},
    // the medical data and the assessment
    {"txtAdmDiagnosis", "Admitting Diagnosis", 500},
    {"txtFinalDiagnosis", "Final Diagnosis", 500},
    {"txtDurationOfProb", "Duration of Problem/ Symptoms", 100},
    {"txtPreviousTretment", "Previous Treatment/ Duration", 200},
    {"txtPresentPlan", "Present Treatment Plan", 500},
    {"txtAssessment", "ASSESSMENT", 4000},
    {"txtRecommendedInterventions", "RECOMMENDED INTERVENTIONS", 4000},
};

} // namespace

std::span<const TextWidth> intakeTextWidths()
{
    return widths;
}

} // namespace pwo
