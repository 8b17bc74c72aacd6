#include "hospital/dbserver/demo/DemoServiceCodes.h"

#include "hospital/dbserver/demo/DemoStatements.h"

#include <span>

namespace hospital::dbserver::demo {

namespace {

struct CodeNode {
    const char *code;
    const char *description;
};

// The first seven are the services the office counted before the tree grew.
const CodeNode services[] = {
    {"1.1", "Counseling"},
    {"1.1.1", "Individual Counseling"},
    {"1.1.2", "Family Counseling"},
    {"1.1.3", "Crisis Intervention"},
    {"1.2", "Discount on Hospital Bill"},
    {"1.2.1", "Discount on Room and Board"},
    {"1.2.2", "Discount on Medicines"},
    {"1.2.3", "Discount on Laboratory and Procedures"},
    {"1.3", "Referral to Sponsor"},
    {"1.3.1", "Philippine Charity Sweepstakes Office"},
    {"1.3.2", "Department of Social Welfare and Development"},
    {"1.3.3", "Local Government Unit"},
    {"1.3.4", "Non-Government Organizations and Foundations"},
    {"1.4", "Medicine Assistance"},
    {"1.4.1", "Maintenance Medicines"},
    {"1.4.2", "Take-home Medicines"},
    {"1.5", "Transportation Assistance"},
    {"1.5.1", "Fare for Discharged Patient"},
    {"1.5.2", "Ambulance Conduction"},
    {"1.6", "Home Visit"},
    {"1.6.1", "Verification of Socio-economic Status"},
    {"1.6.1.1", "Housing Condition"},
    {"1.6.1.2", "Source of Income"},
    {"1.6.1.3", "Household Composition"},
    {"1.6.2", "Follow-up after Discharge"},
    {"1.7", "Guarantee Letter"},
    {"1.7.1", "Guarantee Letter to PCSO"},
    {"1.7.2", "Guarantee Letter to a Congressional Office"},
    {"1.7.3", "Guarantee Letter to the Provincial Government"},
    {"1.8", "Pre-admission Planning"},
    {"1.9", "Intake Interview"},
    {"1.9.1", "Interview of the Patient"},
    {"1.9.2", "Interview of a Relative or Watcher"},
    {"1.10", "Discharge Planning"},
    {"1.10.1", "Home Conduction"},
    {"1.10.1.1", "Within the City"},
    {"1.10.1.2", "Outside the City"},
    {"1.10.2", "Promissory Note Facilitation"},
    {"1.11", "Case Conference"},
    {"1.11.1", "With the Medical Team"},
    {"1.11.2", "With the Family"},
    {"1.12", "Health Education"},
    {"1.13", "Group Work"},
    {"1.13.1", "Patients' Forum"},
    {"1.13.2", "Watchers' Orientation"},
    {"1.13.3", "Support Group Session"},
    {"1.14", "Tracing of Relatives"},
    {"1.15", "Protective Services"},
    {"1.16", "Referral for Burial Assistance"},
    {"1.17", "Assistance to Abandoned Patients"},
    {"1.18", "Referral to a Rehabilitation Center"},
    {"1.19", "Special Cases"},
    {"1.19.1", "Women and Children Protection"},
    {"1.19.2", "Senior Citizens"},
    {"1.19.3", "Persons with Disability"},
    {"1.20", "Assistance for Prosthesis and Assistive Devices"},
    {"1.21", "Blood Assistance"},
    {"1.22", "Material Assistance"},
    {"1.22.1", "Clothing"},
    {"1.22.2", "Food"},
    {"1.22.3", "Milk Formula"},
    {"1.23", "Documentation Assistance"},
    {"1.23.1", "Late Birth Registration"},
    {"1.23.2", "PhilHealth Membership"},
    {"1.23.3", "Death Certificate"},
    {"1.24", "Follow-up Services"},
    {"1.25", "Community Linkage"},
    {"1.25.1", "Barangay Officials"},
    {"1.25.2", "Parish and Church Groups"},
    {"1.26", "Advocacy and Networking"},
    {"1.26.1", "Networking with Agencies"},
    {"1.26.2", "Resource Mobilization"},
};

const CodeNode activities[] = {
    {"1.1", "Interview"},
    {"1.1.1", "Interview of the Patient"},
    {"1.1.2", "Interview of a Relative or Watcher"},
    {"1.2", "Collateral Contacts"},
    {"1.2.1", "Attending Physician"},
    {"1.2.2", "Nurse on Duty"},
    {"1.2.3", "Other Agencies"},
    {"1.2.3.1", "Department of Social Welfare and Development"},
    {"1.2.3.2", "Philippine Charity Sweepstakes Office"},
    {"1.2.3.3", "Local Government Unit"},
    {"1.3", "Home Visit"},
    {"1.3.1", "Scheduled Visit"},
    {"1.3.2", "Verification Visit"},
    {"1.3.2.1", "Housing"},
    {"1.3.2.2", "Income and Employment"},
    {"1.3.3", "Follow-up Visit"},
    {"1.3.4", "Visit to Relatives"},
    {"1.3.5", "Visit to a Sponsor"},
    {"1.3.5.1", "Government Sponsor"},
    {"1.3.5.2", "Private Sponsor"},
    {"1.4", "Case Conference"},
    {"1.4.1", "With the Medical Team"},
    {"1.4.2", "With the Family"},
    {"1.5", "Counseling Session"},
    {"1.5.1", "Individual"},
    {"1.5.2", "Family"},
    {"1.5.3", "Group"},
    {"1.6", "Referral Letter"},
    {"1.6.1", "To a Sponsor"},
    {"1.6.2", "To Another Hospital"},
    {"1.6.3", "To a Rehabilitation Center"},
    {"1.7", "Documentation"},
    {"1.7.1", "Social Case Study Report"},
    {"1.7.2", "Progress Notes"},
    {"1.7.3", "Closing Summary"},
    {"1.8", "Coordination"},
    {"1.8.1", "With the Billing Section"},
    {"1.8.1.1", "Verification of the Bill"},
    {"1.8.1.2", "Posting of the Discount"},
    {"1.8.2", "With the Pharmacy"},
    {"1.8.3", "With the Admitting Section"},
    {"1.9", "Telephone Follow-up"},
    {"1.10", "Groupwork Session"},
};

// "1.6.1" hangs under "1.6"; codes with one dot are the top level, "0".
QString parentOf(const QString &code)
{
    const QString parent = code.section(QLatin1Char('.'), 0, -2);
    return parent.contains(QLatin1Char('.')) ? parent : QStringLiteral("0");
}

void writeTree(sqlite3 *db, const QString &table, std::span<const CodeNode> nodes)
{
    RowInserter rows(db, table, {"Code", "Description", "ParentCode"});
    for (const CodeNode &node : nodes)
        rows.insert({node.code, node.description, parentOf(QString::fromLatin1(node.code))});
}

} // namespace

void writeServiceCodes(sqlite3 *db)
{
    writeTree(db, QStringLiteral("PWO.tbPWOServiceCategory"), services);
    writeTree(db, QStringLiteral("PWO.tbPWOActivity"), activities);
}

QString serviceDescription(const QString &code)
{
    for (const CodeNode &node : services)
        if (code == QLatin1String(node.code))
            return QString::fromLatin1(node.description);
    return QString();
}

} // namespace hospital::dbserver::demo
