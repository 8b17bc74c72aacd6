// pwo-report --db DIR --out FILE.pdf NAME.rpt [value ...] [--sub NAME value ...]
// Renders one report definition to PDF on a stand-in database, without
// windows, so that report authors can try their files.

#include "reports/PdfExport.h"
#include "reports/Report.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Recordset.h"
#include "hospital/dbserver/StandInProvider.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

const char *const usage =
    "usage: pwo-report --db DIR --out FILE.pdf [--company TEXT] [--user TEXT] NAME.rpt [value ...]\n"
    "                  [--sub SUBREPORT value ...]...\n"
    "Values go to the parameter fields in order; each --sub gives a subreport's values.\n";

struct Arguments {
    QString database;
    QString output;
    QString company;
    bool companyGiven = false;
    QString user;
    QString definition;
    pwo::ReportParameters values;
    std::vector<std::pair<QString, pwo::ReportParameters>> subreports;
};

bool parseArguments(const QStringList &args, Arguments &out)
{
    pwo::ReportParameters *values = nullptr;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasNext = i + 1 < args.size();
        if (a == u"--db" && hasNext)
            out.database = args[++i];
        else if (a == u"--out" && hasNext)
            out.output = args[++i];
        else if (a == u"--company" && hasNext) {
            out.company = args[++i];
            out.companyGiven = true;
        } else if (a == u"--user" && hasNext)
            out.user = args[++i];
        else if (a == u"--sub" && hasNext) {
            out.subreports.push_back({args[++i], {}});
            values = &out.subreports.back().second;
        } else if (a.startsWith(u"--"))
            return false;
        else if (out.definition.isEmpty()) {
            out.definition = a;
            values = &out.values;
        } else if (values)
            values->push_back(pwo::Value(a));
        else
            return false;
    }
    return !out.database.isEmpty() && !out.output.isEmpty() && !out.definition.isEmpty();
}

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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Arguments args;
    if (!parseArguments(app.arguments(), args)) {
        std::fputs(usage, stderr);
        return 2;
    }
    try {
        hospital::dbserver::registerStandInProvider();
        pwo::Connection connection;
        connection.Open(hospital::dbserver::standInConnectionString(args.database));
        connection.setDefaultDatabase(QStringLiteral("PWO"));
        const std::shared_ptr<pwo::Report> report = pwo::Report::open(definitionPath(args.definition));
        report->setTitleText(args.companyGiven ? args.company : hospitalName(connection));
        if (!args.values.empty())
            report->setParameterValues({}, args.values);
        for (const auto &[name, values] : args.subreports)
            report->setParameterValues(name, values);
        const pwo::reports::LaidOutReport pages = report->render(connection, args.user);
        pwo::reports::writePdf(pages, args.output, QFileInfo(args.definition).completeBaseName());
        std::printf("%s: %zu page(s)\n", qPrintable(QDir::toNativeSeparators(args.output)), pages.pages.size());
        return 0;
    } catch (const pwo::DatabaseError &error) {
        std::fprintf(stderr, "pwo-report: database error %ld: %s\n", error.number(), qPrintable(error.description()));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pwo-report: %s\n", error.what());
    }
    return 1;
}
