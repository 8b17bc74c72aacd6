// Times the report engine on a 10 000-row list: from the query to the first
// page painted in the viewer, and the whole PDF. Goals: first page under 1 s,
// PDF under 5 s. Then a 2 000-row statement with wrapped remarks and a
// running balance, laid out and written to PDF, and a batch of 500 one-page
// patient forms, each with its own table (goal: 50 pages a second or more).
// `report_bench --grab FILE.png` also saves a picture of the viewer showing
// the first page.

#include "reports/PdfExport.h"
#include "reports/Report.h"
#include "reports/ReportView.h"
#include "reports/DefinitionParser.h"

#include "data/Connection.h"
#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int patients = 10000;

const QString patientList = QStringLiteral(R"([report]
orientation = landscape
font size = 8
[header]
center bold 13 | {company}
center bold 11 | LIST OF PATIENTS BY PROVINCE
[query]
SELECT isnull(Province, '') [Province], HospNum, LastName + ', ' + FirstName [PatientName], Sex, BirthDate,
       isnull(Municipality, '') [Municipality], 1 [One]
  FROM PATIENT_DATA..tbMaster
 ORDER BY isnull(Province, ''), LastName, FirstName
[columns]
rownumber    | No.          | 14 | right |            | count
HospNum      | Hosp. No.    | 22
PatientName  | Patient      | 80
Sex          | Sex          | 10 | center
BirthDate    | Born         | 24 | left  | MM/dd/yyyy
Municipality | Municipality | 60
One          | Count        | 20 | right | #,##0      | sum
[group Province]
footer = Patients of {Province}
)");

// Remarks long enough to wrap over three or four lines, and a running balance.
const QString statement = QStringLiteral(R"([report]
font size = 8
total label = Balance due
[header]
center bold 13 | {company}
center bold 11 | STATEMENT OF ACCOUNT
[query]
SELECT TOP 2000 isnull(Province, '') [Province], HospNum, LastName + ', ' + FirstName [PatientName],
       'Seen at the desk for ' + FirstName + ' ' + LastName + ' of ' + isnull(Municipality, 'no town given') +
       ', ' + isnull(Province, 'no province given') + '; the family asked for help with the bill and the medicines.'
       [Remarks], 125.75 [Charge], 20.5 [Paid]
  FROM PATIENT_DATA..tbMaster
 ORDER BY isnull(Province, ''), HospNum
[columns]
rownumber     | No.      | 12 | right |          | running count per group
HospNum       | Hosp. No.| 20
PatientName   | Patient  | 40
Remarks       | Remarks  | 60
Charge        | Charges  | 18 | right | #,##0.00 | sum
Paid          | Paid     | 18 | right | #,##0.00 | sum
= Charge - Paid | Balance | 22 | right | #,##0.00 | running sum
[group Province]
footer = Total for {Province}
[footer]
bold | Balance due: {sum(Charge) - sum(Paid):#,##0.00}
)");

// A page a patient: the logo, boxes, check boxes, a narrative that wraps and
// a table of the patient's own assessments.
const QString forms = QStringLiteral(R"([report]
[query]
SELECT TOP 500 a.HospNum, a.PWONum, m.LastName + ', ' + m.FirstName [Patient], isnull(a.IsPCSO, '') [IsPCSO],
       isnull(a.docs, '') [Docs], 'Seen at the desk for ' + m.FirstName + ' ' + m.LastName + ' of ' +
       isnull(m.Municipality, 'no town given') + '; the family asked for help with the bill and the medicines, ' +
       'and was told of the documents the case still needs. ' + isnull(a.REMARKS, '') [Narrative]
  FROM PWO..tbPWOAssessment a
  JOIN PATIENT_DATA..tbMaster m ON m.HospNum = a.HospNum
 ORDER BY a.PWONum
[band]
new page = yes
height = 150
image = 0, 0, 18, 18 | HospitalLogo.png
label = 22, 1, 110, 6 | bold 13 | {company}
field = 130, 1, 60, 5 | right bold | 'PWO No. ' & PWONum
box   = 0, 24, 190, 12
field = 2, 25, 120, 5 | Patient
check = 130, 25.5, 3.5 | IsPCSO
label = 135, 25, 20, 5 | PCSO
check = 155, 25.5, 3.5 | char 3 | Docs
label = 160, 25, 20, 5 | Profile
box   = 0, 40, 190, 20
field = 2, 42, 186, 15 | Narrative
subreport = 0, 64, 190, 20 | History
[subreport History]
[parameters]
HospNum = text
[query]
SELECT PWONum, PWODiscountValidity, NC FROM PWO..tbPWOAssessment WHERE HospNum = @HospNum ORDER BY PWODiscountValidity
[columns]
PWONum              | PWO No.     | 40
PWODiscountValidity | Valid from  | 40 | left  | MM/dd/yyyy
NC                  | Counterpart | 40 | right | #,##0.00 | sum
)");

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype grabAt = args.indexOf(QStringLiteral("--grab"));
    QTemporaryDir dir;
    std::printf("writing a demo hospital of %d patients...\n", patients);
    hospital::dbserver::generateDemoHospital(dir.filePath(QStringLiteral("db")), patients, QDate::currentDate());
    hospital::dbserver::registerStandInProvider();
    pwo::Connection connection;
    connection.Open(hospital::dbserver::standInConnectionString(dir.filePath(QStringLiteral("db"))));
    pwo::Report report(pwo::reports::parseDefinition(patientList, QStringLiteral("Bench.rpt")));
    report.setTitleText(QStringLiteral("BENCH GENERAL HOSPITAL"));

    QElapsedTimer clock;
    clock.start();
    pwo::ReportView view;
    view.resize(1300, 850);
    view.setReport(report.render(connection, QStringLiteral("BENCH")));
    view.show();
    view.repaint();
    app.processEvents();
    const double firstPage = clock.elapsed() / 1000.0;
    std::printf("%d rows, %d pages: first page shown in %.3f s (goal < 1 s)\n", patients, view.pageCount(), firstPage);
    if (grabAt > 0 && grabAt + 1 < args.size())
        view.grab().save(args[grabAt + 1]);

    clock.restart();
    pwo::reports::writePdf(view.report(), dir.filePath(QStringLiteral("bench.pdf")), QStringLiteral("Bench"));
    std::printf("whole PDF written in %.3f s (goal < 5 s)\n", clock.elapsed() / 1000.0);

    pwo::Report statementReport(pwo::reports::parseDefinition(statement, QStringLiteral("Statement.rpt")));
    statementReport.setTitleText(QStringLiteral("BENCH GENERAL HOSPITAL"));
    clock.restart();
    const pwo::reports::LaidOutReport statementPages = statementReport.render(connection, QStringLiteral("BENCH"));
    const double laidOut = clock.elapsed() / 1000.0;
    clock.restart();
    pwo::reports::writePdf(statementPages, dir.filePath(QStringLiteral("statement.pdf")), QStringLiteral("Statement"));
    std::printf("2000-row statement, %zu pages: laid out in %.3f s, PDF in %.3f s\n", statementPages.pages.size(),
                laidOut, clock.elapsed() / 1000.0);

    // Read as from the reports' folder, where the logo is.
    pwo::Report formReport(pwo::reports::parseDefinition(forms, QStringLiteral(PWO_REPORTS_SOURCE "/Forms.rpt")));
    formReport.setTitleText(QStringLiteral("BENCH GENERAL HOSPITAL"));
    clock.restart();
    const pwo::reports::LaidOutReport formPages = formReport.render(connection, QStringLiteral("BENCH"));
    const double formsLaidOut = clock.elapsed() / 1000.0;
    clock.restart();
    pwo::reports::writePdf(formPages, dir.filePath(QStringLiteral("forms.pdf")), QStringLiteral("Forms"));
    const double formsWritten = clock.elapsed() / 1000.0;
    std::printf("%zu one-page forms: laid out in %.3f s, PDF in %.3f s, %.0f pages a second (goal >= 50)\n",
                formPages.pages.size(), formsLaidOut, formsWritten,
                double(formPages.pages.size()) / (formsLaidOut + formsWritten));
    return 0;
}
