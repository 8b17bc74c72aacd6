#pragma once

class QHeaderView;
class QString;

namespace pwo {

// How wide a column must be to show `text` whole in the view's font, with
// the header's margins.
int wholeTextWidth(const QHeaderView &header, const QString &text);

// Widens a section to `pixels` or to its whole caption (in the header's
// font, with room for the picture beside it), whichever is more.
void resizeSectionKeepingCaption(QHeaderView &header, int section, int pixels);

} // namespace pwo
