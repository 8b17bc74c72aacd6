#include "Report.h"

#include "DefinitionError.h"
#include "DefinitionParser.h"
#include "NameCheck.h"
#include "ReportLayout.h"
#include "ReportRows.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"

#include <map>

namespace pwo {

using namespace reports;

std::shared_ptr<Report> Report::open(const QString &path)
{
    return std::make_shared<Report>(loadDefinition(path));
}

Report::Report(ReportDefinition definition)
    : definition_(std::move(definition)), logOns_(definition_.subreports.size() + 1)
{
    values_.emplace_back(definition_.report.parameters.size());
    for (const ReportPart &part : definition_.subreports)
        values_.emplace_back(part.parameters.size());
}

size_t Report::partIndex(const QString &subreport) const
{
    if (subreport.isEmpty())
        return 0;
    for (size_t i = 0; i < definition_.subreports.size(); ++i)
        if (definition_.subreports[i].name.compare(subreport, Qt::CaseInsensitive) == 0)
            return i + 1;
    throw DefinitionError(definition_.fileName, 0, QStringLiteral("the file has no subreport \"%1\"").arg(subreport));
}

void Report::setLogOnInfo(const QString &subreport, const QString &server, const QString &database,
                          const QString &user, const QString &)
{
    logOns_[partIndex(subreport)] = {server, database, user, true};
}

ReportLogOn Report::logOnInfo(const QString &subreport) const
{
    return logOns_[partIndex(subreport)];
}

void Report::setParameterValues(const QString &subreport, const ReportParameters &values)
{
    const size_t index = partIndex(subreport);
    const ReportPart &part = index == 0 ? definition_.report : definition_.subreports[index - 1];
    ParameterValues assigned(part.parameters.size());
    for (size_t i = 0; i < part.parameters.size() && i < values.size(); ++i)
        assigned[i] = values[i];
    values_[index] = std::move(assigned);
}

const ParameterValues &Report::parameterValues(const QString &subreport) const
{
    return values_[partIndex(subreport)];
}

namespace {

// Report queries run inside a transaction that is always rolled back, so that
// a statement that slipped past the read-only check still changes nothing. A
// transaction the caller holds is left to the caller.
class ReadOnlyScope {
public:
    explicit ReadOnlyScope(Connection &connection) : connection_(connection), owns_(!connection.inTransaction())
    {
        if (owns_)
            connection_.BeginTrans();
    }
    ~ReadOnlyScope()
    {
        if (owns_ && connection_.inTransaction()) {
            try {
                connection_.RollbackTrans();
            } catch (const DatabaseError &) {
                // Only reached while another failure is on its way out; that one is reported.
            }
        }
    }
    void end()
    {
        if (owns_)
            connection_.RollbackTrans();
    }

private:
    Connection &connection_;
    bool owns_;
};

} // namespace

ReportRows Report::runQuery(Connection &connection, const ReportPart &part, const ParameterValues &values) const
{
    QString statement;
    try {
        statement = bindQuery(part, values);
    } catch (const LineError &error) {
        throw DefinitionError(definition_.fileName, error.line(), error.reason());
    }
    try {
        return fetchRows(connection, statement);
    } catch (const DatabaseError &error) {
        // The server's number stays with its error; the file and line say which query.
        throw DatabaseError(error.number(), QStringLiteral("Report %1, line %2: the server refused the query: %3")
                                                .arg(displayPath(definition_.fileName))
                                                .arg(part.queryLine)
                                                .arg(error.description()),
                            error.errors().front().source);
    }
}

std::vector<ReportRows> Report::fetch(Connection &connection, bool withPlaced) const
{
    const size_t partCount = definition_.subreports.size() + 1;
    std::vector<ReportRows> rows(partCount);
    ReadOnlyScope readOnly(connection);
    for (size_t i = 0; i < partCount; ++i) {
        const ReportPart &part = i == 0 ? definition_.report : definition_.subreports[i - 1];
        if (!part.query.isEmpty() && (withPlaced || !part.placed))
            rows[i] = runQuery(connection, part, values_[i]);
    }
    readOnly.end();
    return rows;
}

LaidOutReport Report::render(Connection &connection, const QString &user, const QDateTime &printedAt) const
{
    ReadOnlyScope readOnly(connection);
    const std::vector<ReportRows> rows = fetch(connection);
    std::vector<PartInput> inputs;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ReportPart &part = i == 0 ? definition_.report : definition_.subreports[i - 1];
        if (!part.placed)
            inputs.push_back({&part, &values_[i], part.query.isEmpty() ? nullptr : &rows[i]});
    }
    // A placed subreport's query runs for every row it is printed with; rows
    // that bind it alike share one answer.
    std::map<std::pair<const ReportPart *, QString>, ReportRows> placedRows;
    const SubreportRows subreportRows = [&](const ReportPart &part, const ParameterValues &values) {
        QString statement;
        try {
            statement = bindQuery(part, values);
        } catch (const LineError &error) {
            throw DefinitionError(definition_.fileName, error.line(), error.reason());
        }
        const auto key = std::make_pair(&part, statement);
        auto found = placedRows.find(key);
        if (found == placedRows.end())
            found = placedRows.emplace(key, runQuery(connection, part, values)).first;
        return &found->second;
    };
    try {
        LaidOutReport laidOut = layOutReport(definition_, inputs, {titleText_, user, printedAt}, subreportRows);
        readOnly.end();
        return laidOut;
    } catch (const LineError &error) {
        throw DefinitionError(definition_.fileName, error.line(), error.reason());
    }
}

std::vector<DefinitionError> Report::check(Connection &connection) const
{
    // A placed subreport's query runs once without values, to name its fields.
    const std::vector<ReportRows> rows = fetch(connection, true);
    std::vector<LineError> faults;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ReportPart &part = i == 0 ? definition_.report : definition_.subreports[i - 1];
        checkPartNames(definition_, part, part.query.isEmpty() ? nullptr : &rows[i].columns, faults);
    }
    std::vector<DefinitionError> found;
    for (const LineError &fault : faults)
        found.emplace_back(definition_.fileName, fault.line(), fault.reason());
    return found;
}

} // namespace pwo
