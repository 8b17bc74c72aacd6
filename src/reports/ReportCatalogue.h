#pragma once

#include <QString>

#include <functional>

class QAction;

namespace pwo {

// The report items of the main window's Reports menu that this program
// has: each asks for its period, builds its values and shows its report.
void mnuRptListOfGrantees_Click();
void mnuRptListOfAssessments_Click();
void mnuRptDailyERAdmission_Click();
void mnuRptDailyERDischarges_Click();
void mnuRptMonthlyPerformance_Click();

// Connects and enables those items; `menuItem` finds an item by its name.
void wireReportMenu(const std::function<QAction *(const QString &name)> &menuItem);

} // namespace pwo
