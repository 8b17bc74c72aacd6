// pwo-demodb: writes the deterministic demo hospital into a folder.

#include "hospital/dbserver/demo/DemoHospital.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <exception>
#include <stdexcept>

namespace {

using hospital::dbserver::DemoCounts;

struct DemoRequest {
    QString folder;
    int patients = 0;
    QDate today;
    bool force = false;
};

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

DemoRequest parseRequest(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the demo hospital's five databases into a folder."));
    parser.addHelpOption();
    const QCommandLineOption patients(QStringLiteral("patients"),
                                      QStringLiteral("Number of patients, %1 to %2.")
                                          .arg(hospital::dbserver::minimumDemoPatients)
                                          .arg(hospital::dbserver::maximumDemoPatients),
                                      QStringLiteral("N"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder of the databases (made if missing)."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption today(QStringLiteral("today"),
                                   QStringLiteral("The day the data is as of, yyyy-mm-dd (default: the current date)."),
                                   QStringLiteral("DATE"));
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Replace the databases already in DIR."));
    parser.addOptions({patients, out, today, force});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        throw UsageError(QStringLiteral("Unexpected argument \"%1\".").arg(parser.positionalArguments().first()));
    if (!parser.isSet(patients) || !parser.isSet(out))
        throw UsageError(QStringLiteral("Both --patients N and --out DIR are required."));

    DemoRequest request;
    bool isNumber = false;
    request.patients = parser.value(patients).toInt(&isNumber);
    if (!isNumber)
        throw UsageError(QStringLiteral("--patients needs a whole number, not \"%1\".").arg(parser.value(patients)));
    request.folder = parser.value(out);
    if (request.folder.trimmed().isEmpty())
        throw UsageError(QStringLiteral("--out needs a folder name."));
    request.today = parser.isSet(today) ? QDate::fromString(parser.value(today), QStringLiteral("yyyy-MM-dd"))
                                        : QDate::currentDate();
    if (!request.today.isValid())
        throw UsageError(
            QStringLiteral("--today needs a real date as yyyy-mm-dd, not \"%1\".").arg(parser.value(today)));
    request.force = parser.isSet(force);
    return request;
}

void clearFolder(const DemoRequest &request)
{
    if (!hospital::dbserver::holdsDatabaseFiles(request.folder))
        return;
    if (!request.force)
        throw UsageError(QStringLiteral("\"%1\" already holds hospital databases; add --force to replace them.")
                             .arg(QDir::toNativeSeparators(request.folder)));
    const QStringList kept = hospital::dbserver::removeDatabaseFiles(request.folder);
    if (!kept.isEmpty())
        throw UsageError(QStringLiteral("Cannot delete %1.").arg(kept.join(QStringLiteral(", "))));
}

void report(QTextStream &out, const DemoRequest &request, const DemoCounts &counts)
{
    out << "Demo hospital written to " << QDir::toNativeSeparators(QDir(request.folder).absolutePath()) << " as of "
        << request.today.toString(QStringLiteral("yyyy-MM-dd")) << "\n"
        << "  patients:               " << counts.patients << "\n"
        << "  admissions:             " << counts.admissions << "\n"
        << "  current in-patients:    " << counts.currentInPatients << "\n"
        << "  out-patient visits:     " << counts.outPatientVisits << "\n"
        << "  ER visits:              " << counts.erVisits << "\n"
        << "  in the ER now:          " << counts.inEmergencyRoom << "\n"
        << "  code-table rows:        " << counts.codeRows << "\n"
        << "  employees:              " << counts.employees << "\n"
        << "  users:                  " << counts.users << "\n"
        << "  referrals:              " << counts.referrals << "\n"
        << "  discharge notices:      " << counts.dischargeNotices << "\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pwo-demodb"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        const DemoRequest request = parseRequest(app);
        clearFolder(request);
        const DemoCounts counts = hospital::dbserver::generateDemoHospital(request.folder, request.patients,
                                                                           request.today);
        report(out, request, counts);
        return 0;
    } catch (const std::exception &error) {
        err << "pwo-demodb: " << QString::fromUtf8(error.what()) << "\n";
        return 1;
    }
}
