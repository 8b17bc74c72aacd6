#pragma once

#include "reports/Report.h"

#include <QStringList>

#include <utility>
#include <vector>

// What pwo-report was asked to do.
struct ToolArguments {
    QString database;
    QString output;     // the PDF; empty: none
    QString pngFolder;  // one image a page; empty: none
    bool checkOnly = false;
    QString company;
    bool companyGiven = false;
    QString user;
    QString definition;
    pwo::ReportParameters values;
    std::vector<std::pair<QString, pwo::ReportParameters>> subreports;
};

extern const char *const toolUsage;

// False when the arguments do not make a run.
bool parseToolArguments(const QStringList &args, ToolArguments &out);

// An author's run takes exactly the values each part asks for, so that a
// missing or extra one is not mistaken for an empty period: throws
// std::runtime_error naming the part's parameters in order.
void checkValueCounts(const pwo::reports::ReportDefinition &definition, const ToolArguments &args);
