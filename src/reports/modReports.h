#pragma once

#include "Report.h"

#include <QString>

namespace pwo {

// The three report operations every caller uses, one directly after the
// other within one handler: OpenReport, any OpenSubreport, ShowReport.

// Opens the definition file (Globals.ReportFolder + "\Name.rpt") as
// Globals.CurrentReport, gives it Globals.Company as its title text, the
// user's log-on, and the values in field order. A missing or malformed file
// throws reports::DefinitionError naming the file and line.
void OpenReport(const QString &filePath, const ReportParameters &values);

// The same for a named subreport of Globals.CurrentReport; its title is not set.
void OpenSubreport(const QString &name, const ReportParameters &values);

// Shows Globals.CurrentReport in a new viewer window with that title. The
// report's queries run here; a failing one is thrown and no viewer stays open.
void ShowReport(const QString &title);

} // namespace pwo
