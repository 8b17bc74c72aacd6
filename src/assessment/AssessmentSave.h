#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace pwo {

class Connection;

// What one save of an assessment writes, gathered from the window.
struct AssessmentValues {
    QString hospitalNumber;   // the window's HospNum, untrimmed
    QString admissionNumber;  // the window's IDNUM, untrimmed
    QString shownHospitalNumber;   // txtHospNum, trimmed
    QString shownAdmissionNumber;  // txtIDNum as it stands
    QString caseNumber;
    QString classCode;
    QString categoryName;
    QString categoryId;
    QString parentCategoryId;
    QString remarks;
    QDate intake;
    QDate expiry;
    QString workerCode;
    QString pcsoFlag;
    QString pcsoType;
    QString sponsorFlag;
    QString specialFlag;
    QString counterpart;
    QString referringPartyCode;
    QString activeFlag;
    QString caseStatusCode;
    QString serviceCodes;
    QString activityCodes;
    QString documentationFlags;
};

// Who saves: the program's employee code and the logged-in user's.
struct AssessmentSaver {
    QString globalEmployeeCode;
    QString userEmployeeCode;
};

// The statements of one save in their order: the assessment, its transaction
// record, the removal of the office's discount lines from the stay's daily
// bill (none for a special assessment) and the documentation.
QStringList assessmentSaveStatements(const AssessmentValues &values, const AssessmentSaver &saver);

// Runs the statements in one transaction: all of them or, on any failure,
// none; the failure is thrown after the rollback.
void executeInOneTransaction(Connection &connection, const QStringList &statements);

// A counterpart amount as statements carry it: "" is 0, 1500.50 is 1500.5.
QString counterpartText(const QString &typed);

// The text of the box that asks the user to confirm the essentials.
struct VerificationFacts {
    QString lastName, firstName, middleName, hospitalNumber, caseNumber, classification, expiry;
};
QString verificationText(const QString &heading, const VerificationFacts &facts);

} // namespace pwo
