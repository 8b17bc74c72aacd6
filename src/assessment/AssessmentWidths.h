#pragma once

#include "widgets/TextWidths.h"

#include <span>

namespace pwo {

// The typed texts of the assessment window with the widths of the
// parameters they are saved into (sp_PWO_SaveAssessment_NEW, sp_PWO_SaveTransaction).
std::span<const TextWidth> assessmentTextWidths();

} // namespace pwo
