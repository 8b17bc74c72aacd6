#pragma once

#include "LaidOutReport.h"
#include "DefinitionError.h"
#include "QueryBinding.h"
#include "ReportRows.h"
#include "ReportDefinition.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

namespace pwo {
class Connection;
}

namespace pwo {

// The values handed to a report or subreport, in the order of its parameter
// fields; texts as a rule, dates and numbers where a caller has them so.
using ReportParameters = std::vector<Value>;

// Where the report was told to read its tables. The engine reads through
// the logged-in user's own connection, so the password is not kept.
struct ReportLogOn {
    QString serverName;
    QString database;
    QString userName;
    bool given = false;
};

// An opened report file with what the program gave it: the title text, the
// log-on, and the parameter values of the report and its subreports.
class Report {
public:
    // Reads the definition; throws reports::DefinitionError.
    static std::shared_ptr<Report> open(const QString &path);
    explicit Report(reports::ReportDefinition definition);

    const reports::ReportDefinition &definition() const { return definition_; }
    QString fileName() const { return definition_.fileName; }

    void setTitleText(const QString &text) { titleText_ = text; }
    QString titleText() const { return titleText_; }

    // The report itself, or a subreport by name; throws DefinitionError for a
    // name the file does not define.
    void setLogOnInfo(const QString &subreport, const QString &server, const QString &database,
                      const QString &user, const QString &password);
    ReportLogOn logOnInfo(const QString &subreport = {}) const;

    // Element i goes to parameter field i; extra elements are ignored, fields
    // past the end keep no value, and an empty list gives none at all.
    void setParameterValues(const QString &subreport, const ReportParameters &values);
    const reports::ParameterValues &parameterValues(const QString &subreport = {}) const;

    // Runs the queries on the connection and pages the result. Throws
    // DefinitionError naming the file and line of a fault found on the way,
    // including a query the server refuses.
    reports::LaidOutReport render(Connection &connection, const QString &user,
                                  const QDateTime &printedAt = QDateTime::currentDateTime()) const;

    // Runs the queries only, each part's rows by part ([0] the report); throws as render does.
    // A placed subreport's query runs (without values) only `withPlaced`.
    std::vector<reports::ReportRows> fetch(Connection &connection, bool withPlaced = false) const;
    // What binding the definition against the database finds: the names its
    // texts and columns use that the queries do not return, each with its line.
    std::vector<reports::DefinitionError> check(Connection &connection) const;

private:
    size_t partIndex(const QString &subreport) const;
    reports::ReportRows runQuery(Connection &connection, const reports::ReportPart &part,
                                 const reports::ParameterValues &values) const;

    reports::ReportDefinition definition_;
    QString titleText_;
    // [0] the report, [1..] its subreports in file order.
    std::vector<reports::ParameterValues> values_;
    std::vector<ReportLogOn> logOns_;
};

} // namespace pwo
