#pragma once

#include "widgets/TextWidths.h"

#include <span>

namespace pwo {

// The typed texts of the intake sheet with the widths of the parameters
// they are saved into (sp_PWO_SaveIntakeSheetData, sp_PWO_SaveOtherPatientInfo,
// sp_PWO_SaveMonthlyExpenses).
std::span<const TextWidth> intakeTextWidths();

} // namespace pwo
