#include "PatientClassSwitch.h"
#include "ReportedErrors.h"

#include "core/IsNumeric.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

namespace pwo {

namespace {

// Writes "S" over a pay class. The in-patient table's class is read as it
// stands, so a null there fails; elsewhere a null counts as pay.
void switchRow(Connection &connection, const QString &statement, const QString &column, bool nullIsPay)
{
    Recordset stay;
    stay.Open(statement, connection, adOpenDynamic, adLockOptimistic);
    raiseReportedError(connection);
    if (stay.RecordCount() > 0) {
        const Value stored = stay.Fields(column).Value();
        QString patientClass = nullIsPay ? stored.text() : stored.toText();
        if (patientClass.isEmpty())
            patientClass = QStringLiteral("P");
        if (patientClass.startsWith(QLatin1Char('P'))) {
            stay.Fields(column).setValue(Value(QStringLiteral("S")));
            stay.Update();
            raiseReportedError(connection);
        }
    }
    stay.Close();
}

} // namespace

void SwitchToServiceClass(Connection &connection, const QString &IDNUM, const QString &employeeCode)
{
    if (isNumeric(IDNUM)) {
        switchRow(connection,
                  QStringLiteral("SELECT IdNum, PatientClass FROM Patient_Data..tbPatient2 WHERE IdNum = ") +
                      sql::quoted(IDNUM),
                  QStringLiteral("PatientClass"), false);
    } else {
        switchRow(connection,
                  QStringLiteral("SELECT IdNum, PatientType FROM Patient_Data..tbOutPatient WHERE IdNum = ") +
                      sql::quoted(IDNUM) + QStringLiteral(" "),
                  QStringLiteral("PatientType"), true);
        switchRow(connection,
                  QStringLiteral("SELECT IdNum, PatientClassification FROM Patient_Data..tbERMaster WHERE IdNum = ") +
                      sql::quoted(IDNUM) + QStringLiteral(" "),
                  QStringLiteral("PatientClassification"), true);
    }
    connection.Execute(QStringLiteral("PWO..sp_PWO_UpdatePatientClass ") +
                       sql::quotedList({IDNUM.trimmed(), QStringLiteral("S"), employeeCode}));
    raiseReportedError(connection);
}

} // namespace pwo
