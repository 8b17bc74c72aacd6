#pragma once

namespace pwo {

// The search boxes' left inside their frame.
inline constexpr int searchBoxLeft = 120;

// Where the patient list's parts go across the window for a splitter at x,
// everything in twips: the search side left of the splitter, the list right
// of it.
struct ListSplitterLayout {
    int x;                // the splitter's position, kept 750 from either edge
    int searchWidth;      // the two search frames and the panel below them
    int searchBoxWidth;   // txtLastname, txtHospNum, txtIDNum
    int cmdSearchLeft;
    int splitterLeft;
    int listFrameLeft;
    int listFrameWidth;
    int listWidth;        // the list inside its frame
};

ListSplitterLayout listSplitterLayout(int windowWidth, int x);

// Where the drag bar may go while the splitter is dragged: 500 from either edge.
int boundedSplitterDrag(int windowWidth, int left);

} // namespace pwo
