#include "ColumnFit.h"

#include <algorithm>

namespace pwo::reports {

namespace {

// Takes up to `wanted` points from the wrapping columns, widest first; returns what it found.
double takeRoom(const std::vector<ColumnDemand> &columns, std::vector<double> &widths, double wanted)
{
    double found = 0;
    while (found < wanted) {
        size_t donor = columns.size();
        for (size_t c = 0; c < columns.size(); ++c)
            if (columns[c].wraps && widths[c] > columns[c].floor && (donor == columns.size() || widths[c] > widths[donor]))
                donor = c;
        if (donor == columns.size())
            break;
        // Down to the next widest donor at most, so that the room comes from the widest in turn.
        double next = columns[donor].floor;
        for (size_t c = 0; c < columns.size(); ++c)
            if (c != donor && columns[c].wraps && widths[c] < widths[donor])
                next = std::max(next, widths[c]);
        const double step = std::min(std::max(widths[donor] - next, 0.5), wanted - found);
        const double taken = std::min(step, widths[donor] - columns[donor].floor);
        widths[donor] -= taken;
        found += taken;
    }
    return found;
}

void widen(const std::vector<ColumnDemand> &columns, std::vector<double> &widths, double ColumnDemand::*demand)
{
    for (size_t c = 0; c < columns.size(); ++c) {
        const double wanted = columns[c].*demand - widths[c];
        if (!columns[c].wraps && wanted > 0)
            widths[c] += takeRoom(columns, widths, wanted);
    }
}

} // namespace

std::vector<double> fitColumnWidths(const std::vector<ColumnDemand> &columns)
{
    std::vector<double> widths;
    for (const ColumnDemand &c : columns)
        widths.push_back(c.width);
    widen(columns, widths, &ColumnDemand::floor);
    widen(columns, widths, &ColumnDemand::totals);
    return widths;
}

} // namespace pwo::reports
