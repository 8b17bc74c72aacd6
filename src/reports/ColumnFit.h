#pragma once

#include <vector>

namespace pwo::reports {

// What one column of a list asks of its width, in points.
struct ColumnDemand {
    double width = 0;     // as the definition gives it
    bool wraps = false;   // text that may wrap at blanks, and so may give width away
    double floor = 0;     // the narrowest it may become: its widest word, or its widest whole value
    double totals = 0;    // the width its totals need; 0 without totals
};

// The widths the columns print at. A column whose whole values (or then its
// totals) would not fit is widened, the room taken from the widest wrapping
// column first, never below a wrapping column's own floor. The sum stays
// that of the given widths; what cannot be found is not given.
std::vector<double> fitColumnWidths(const std::vector<ColumnDemand> &columns);

} // namespace pwo::reports
