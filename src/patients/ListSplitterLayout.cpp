#include "ListSplitterLayout.h"

#include <algorithm>

namespace pwo {

namespace {
// Bounded above first, so that a window too narrow for both bounds keeps the
// lower one.
int bounded(int value, int margin, int windowWidth)
{
    return std::max(margin, std::min(value, windowWidth - margin));
}
} // namespace

ListSplitterLayout listSplitterLayout(int windowWidth, int x)
{
    ListSplitterLayout layout{};
    layout.x = bounded(x, 750, windowWidth);
    layout.searchWidth = layout.x - 60;
    layout.searchBoxWidth = layout.x - 750;
    // right-aligned with the search boxes, and never left of them
    layout.cmdSearchLeft = std::max(searchBoxLeft, layout.x - 1450);
    layout.splitterLeft = layout.x;
    layout.listFrameLeft = layout.x + 80;
    layout.listFrameWidth = std::max(0, windowWidth - (layout.searchWidth + 240));
    layout.listWidth = std::max(0, layout.listFrameWidth - 150);
    return layout;
}

int boundedSplitterDrag(int windowWidth, int left)
{
    return bounded(left, 500, windowWidth);
}

} // namespace pwo
