#include "ToolArguments.h"

#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

const char *const toolUsage =
    "usage: pwo-report --db DIR [--out FILE.pdf] [--png FOLDER] [--check] [--company TEXT] [--user TEXT]\n"
    "                  NAME.rpt [value ...] [--sub SUBREPORT value ...]...\n"
    "Values go to the parameter fields in order; each --sub gives a subreport's values.\n"
    "--png writes one image a page; --check reads the definition and binds it against the\n"
    "database without printing, and lists every fault with its line.\n";

bool parseToolArguments(const QStringList &args, ToolArguments &out)
{
    pwo::ReportParameters *values = nullptr;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasNext = i + 1 < args.size();
        if (a == u"--db" && hasNext)
            out.database = args[++i];
        else if (a == u"--out" && hasNext)
            out.output = args[++i];
        else if (a == u"--png" && hasNext)
            out.pngFolder = args[++i];
        else if (a == u"--check")
            out.checkOnly = true;
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
    const bool somethingToDo = out.checkOnly || !out.output.isEmpty() || !out.pngFolder.isEmpty();
    return !out.database.isEmpty() && !out.definition.isEmpty() && somethingToDo;
}

namespace {

void checkValueCount(const pwo::reports::ReportPart &part, const pwo::ReportParameters &values, const QString &what)
{
    if (values.size() == part.parameters.size())
        return;
    QStringList names;
    for (const pwo::reports::ParameterField &field : part.parameters)
        names << field.name;
    const QString wanted = names.isEmpty() ? QStringLiteral("no values")
                                           : QStringLiteral("%1 value(s): %2").arg(names.size()).arg(names.join(QStringLiteral(", ")));
    throw std::runtime_error(QStringLiteral("%1 takes %2; %3 given").arg(what, wanted).arg(values.size()).toStdString());
}

} // namespace

void checkValueCounts(const pwo::reports::ReportDefinition &definition, const ToolArguments &args)
{
    const QString file = QFileInfo(args.definition).fileName();
    checkValueCount(definition.report, args.values, file);
    for (const auto &sub : args.subreports)
        if (!definition.subreport(sub.first))
            throw std::runtime_error(QStringLiteral("%1 has no subreport \"%2\"").arg(file, sub.first).toStdString());
    for (const pwo::reports::ReportPart &part : definition.subreports) {
        // A placed subreport takes its values from the row it is printed with.
        if (part.placed)
            continue;
        const auto given = std::find_if(args.subreports.begin(), args.subreports.end(), [&](const auto &sub) {
            return sub.first.compare(part.name, Qt::CaseInsensitive) == 0;
        });
        checkValueCount(part, given == args.subreports.end() ? pwo::ReportParameters() : given->second,
                        QStringLiteral("subreport %1 (--sub %1 ...)").arg(part.name));
    }
}
