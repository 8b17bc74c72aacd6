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

#include <algorithm>
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

// An author's run takes exactly the values the part asks for, so that a
// missing or extra one is not mistaken for an empty period.
void checkValueCount(const pwo::reports::ReportPart &part, const pwo::ReportParameters &values, const QString &what)
{
    if (values.size() == part.parameters.size())
        return;
    QStringList names;
    for (const pwo::reports::ParameterField &field : part.parameters)
        names << field.name;
    const QString wanted = names.isEmpty() ? QStringLiteral("no values")
                                           : QStringLiteral("%1 value(s): %2").arg(names.size()).arg(names.join(QStringLiteral(", ")));
    throw std::runtime_error(
        QStringLiteral("%1 takes %2; %3 given").arg(what, wanted).arg(values.size()).toStdString());
}

void checkValueCounts(const pwo::reports::ReportDefinition &definition, const Arguments &args)
{
    checkValueCount(definition.report, args.values, QFileInfo(args.definition).fileName());
    for (const auto &[name, values] : args.subreports)
        if (!definition.subreport(name))
            throw std::runtime_error(QStringLiteral("%1 has no subreport \"%2\"")
                                         .arg(QFileInfo(args.definition).fileName(), name)
                                         .toStdString());
    for (const pwo::reports::ReportPart &part : definition.subreports) {
        const auto given = std::find_if(args.subreports.begin(), args.subreports.end(), [&](const auto &sub) {
            return sub.first.compare(part.name, Qt::CaseInsensitive) == 0;
        });
        checkValueCount(part, given == args.subreports.end() ? pwo::ReportParameters() : given->second,
                        QStringLiteral("subreport %1 (--sub %1 ...)").arg(part.name));
    }
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
        const std::shared_ptr<pwo::Report> report = pwo::Report::open(definitionPath(args.definition));
        checkValueCounts(report->definition(), args);
        hospital::dbserver::registerStandInProvider();
        pwo::Connection connection;
        connection.Open(hospital::dbserver::standInConnectionString(args.database));
        connection.setDefaultDatabase(QStringLiteral("PWO"));
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
