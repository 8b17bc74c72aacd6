#include "AssessmentSave.h"
#include "ReportedErrors.h"

#include "core/IsNumeric.h"
#include "data/Connection.h"
#include "data/SqlText.h"

namespace pwo {

namespace {

QString assessmentCall(const AssessmentValues &v, const AssessmentSaver &saver)
{
    return QStringLiteral("PWO..sp_PWO_SaveAssessment_NEW") +
           sql::quotedList({v.hospitalNumber, v.admissionNumber, v.caseNumber, v.classCode, v.categoryName,
                            v.categoryId, v.remarks, sql::dateText(v.intake), sql::dateText(v.expiry), v.workerCode,
                            saver.globalEmployeeCode, v.pcsoFlag, v.sponsorFlag, v.specialFlag, v.counterpart,
                            v.pcsoType, v.parentCategoryId, v.categoryId, v.referringPartyCode, v.activeFlag,
                            v.caseStatusCode, v.serviceCodes});
}

QString transactionCall(const AssessmentValues &v, const AssessmentSaver &saver)
{
    return QStringLiteral("PWO..sp_PWO_SaveTransaction ") +
           sql::quotedList({v.hospitalNumber, v.admissionNumber, v.caseNumber, v.classCode, sql::dateText(v.intake),
                            sql::dateText(v.expiry), v.categoryName, v.workerCode, saver.userEmployeeCode,
                            v.remarks});
}

// A numeric admission number is an in-patient's, whose lines are in the
// in-patient daily bill.
QString discountLinesDeletion(const AssessmentValues &v)
{
    const QString table = isNumeric(v.shownAdmissionNumber) ? QStringLiteral("DELETE   FROM BILLING..tbBillDailyBill")
                                    : QStringLiteral("DELETE  FROM BILLING..tbBillOPDailyOut");
    return table + QStringLiteral(" WHERE revenueid = 'QF' and refNum = ") + sql::quoted(v.caseNumber) +
           QStringLiteral(" and IdNum = ") + sql::quoted(v.shownAdmissionNumber);
}

QString documentationCall(const AssessmentValues &v, const AssessmentSaver &saver)
{
    const QString spaced = QStringLiteral(", ");
    const QString tight = QStringLiteral(",");
    return QStringLiteral("Pwo..spPWO_SaveDocumentation ") + sql::quoted(v.shownHospitalNumber) + spaced +
           sql::quoted(v.shownAdmissionNumber) + spaced + sql::quoted(v.activeFlag) + spaced +
           sql::quoted(v.caseStatusCode) + tight + sql::quoted(v.documentationFlags) + spaced +
           sql::quoted(sql::dateText(v.intake)) + tight + sql::quoted(saver.userEmployeeCode) + tight +
           sql::quoted(v.workerCode) + tight + sql::quoted(v.activityCodes);
}

// A rollback that fails too is told with the failure that caused it, since
// the user must then know the save may stand half-done.
void rollBackAfter(Connection &connection, const DatabaseError &cause)
{
    try {
        connection.RollbackTrans();
    } catch (const DatabaseError &rollback) {
        throw DatabaseError(cause.number(), cause.description() +
                                                QStringLiteral(" The save could not be undone either: ") +
                                                rollback.description());
    }
}

} // namespace

QStringList assessmentSaveStatements(const AssessmentValues &values, const AssessmentSaver &saver)
{
    QStringList statements{assessmentCall(values, saver), transactionCall(values, saver)};
    if (values.specialFlag.isEmpty())
        statements << discountLinesDeletion(values);
    statements << documentationCall(values, saver);
    return statements;
}

void executeInOneTransaction(Connection &connection, const QStringList &statements)
{
    connection.BeginTrans();
    try {
        for (const QString &statement : statements) {
            connection.Execute(statement);
            raiseReportedError(connection);
        }
        connection.CommitTrans();
    } catch (const DatabaseError &failure) {
        if (connection.inTransaction())
            rollBackAfter(connection, failure);
        throw;
    }
}

QString counterpartText(const QString &typed)
{
    const QString amount = typed.isEmpty() ? QStringLiteral("0.00") : typed;
    return sql::numberText(amount.trimmed().toDouble());
}

QString verificationText(const QString &heading, const VerificationFacts &f)
{
    const QString br = QStringLiteral("\n");
    return heading + br + QStringLiteral(" ") + br + QStringLiteral("  PATIENT NAME: ") + f.lastName +
           QStringLiteral(", ") + f.firstName + QStringLiteral(" ") + f.middleName + br +
           QStringLiteral("  HOSP. NO. : ") + f.hospitalNumber + br + QStringLiteral("  PWO NO.: ") + f.caseNumber +
           QStringLiteral("   CLASSIFICATION: ") + f.classification + br + QStringLiteral("  EXPIRY DATE: ") +
           f.expiry + br + QStringLiteral("Is that a valid information?");
}

} // namespace pwo
