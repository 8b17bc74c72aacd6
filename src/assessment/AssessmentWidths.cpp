#include "AssessmentWidths.h"

namespace pwo {

namespace {

constexpr TextWidth widths[] = {
    {"txtPWONum", "PWO NUM.", 15},
    {"txtRemarks", "REMARKS", 500},
};

} // namespace

std::span<const TextWidth> assessmentTextWidths()
{
    return widths;
}

} // namespace pwo
