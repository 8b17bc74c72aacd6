// pwo-report --db DIR --out FILE.pdf NAME.rpt [value ...] [--sub NAME value ...]
// Renders one report definition to PDF (or page images) on a stand-in
// database, without windows, or checks it, so that report authors can try
// their files.

#include "ToolArguments.h"

#include "reports/DefinitionParser.h"
#include "reports/PdfExport.h"
#include "reports/Report.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "hospital/dbserver/StandInProvider.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

// A bare name is looked for in the REPORTS folder beside this program.
QString definitionPath(const QString &given)
{
    if (QFileInfo::exists(given) || given.contains(u'/') || given.contains(u'\\'))
        return given;
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/REPORTS")).filePath(given);
}

QString hospitalName(pwo::Connection &connection)
{
    pwo::Recordset info;
    info.Open(QStringLiteral("SELECT Company FROM PATIENT_DATA..tbHospitalInfo"), connection, 3, pwo::adLockReadOnly);
    return info.Eof() ? QString() : info.Fields(QStringLiteral("Company")).Value().text();
}

void printFaults(const std::vector<pwo::reports::DefinitionError> &faults)
{
    for (const pwo::reports::DefinitionError &fault : faults)
        std::fprintf(stderr, "%s\n", fault.what());
}

// Every fault the file's text holds; the run stops here when there is one.
pwo::reports::ReportDefinition readDefinition(const QString &path, bool *faulty)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw pwo::reports::DefinitionError(path, 0, QStringLiteral("the file cannot be read: %1").arg(file.errorString()));
    pwo::reports::ReportDefinition definition;
    const auto faults = pwo::reports::definitionFaults(QString::fromUtf8(file.readAll()), path, &definition);
    printFaults(faults);
    *faulty = !faults.empty();
    return definition;
}

int run(const ToolArguments &args)
{
    bool faulty = false;
    pwo::reports::ReportDefinition definition = readDefinition(definitionPath(args.definition), &faulty);
    if (faulty)
        return 1;
    checkValueCounts(definition, args);
    pwo::Report report(std::move(definition));
    hospital::dbserver::registerStandInProvider();
    pwo::Connection connection;
    connection.Open(hospital::dbserver::standInConnectionString(args.database));
    connection.setDefaultDatabase(QStringLiteral("PWO"));
    report.setTitleText(args.companyGiven ? args.company : hospitalName(connection));
    if (!args.values.empty())
        report.setParameterValues({}, args.values);
    for (const auto &[name, values] : args.subreports)
        report.setParameterValues(name, values);
    if (args.checkOnly) {
        const auto faults = report.check(connection);
        printFaults(faults);
        if (faults.empty())
            std::printf("%s: no faults found\n", qPrintable(pwo::reports::displayPath(report.fileName())));
        return faults.empty() ? 0 : 1;
    }
    const pwo::reports::LaidOutReport pages = report.render(connection, args.user);
    const QString base = QFileInfo(args.definition).completeBaseName();
    if (!args.output.isEmpty()) {
        pwo::reports::writePdf(pages, args.output, base);
        std::printf("%s: %zu page(s)\n", qPrintable(pwo::reports::displayPath(args.output)), pages.pages.size());
    }
    if (!args.pngFolder.isEmpty()) {
        const QStringList images = pwo::reports::writePageImages(pages, args.pngFolder, base);
        std::printf("%s: %lld image(s)\n", qPrintable(pwo::reports::displayPath(args.pngFolder)),
                    static_cast<long long>(images.size()));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ToolArguments args;
    if (!parseToolArguments(app.arguments(), args)) {
        std::fputs(toolUsage, stderr);
        return 2;
    }
    try {
        return run(args);
    } catch (const pwo::DatabaseError &error) {
        std::fprintf(stderr, "pwo-report: database error %ld: %s\n", error.number(), qPrintable(error.description()));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pwo-report: %s\n", error.what());
    }
    return 1;
}
