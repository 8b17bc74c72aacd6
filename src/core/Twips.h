#pragma once

class QWidget;

namespace pwo {

// Sizes in the office's window descriptions are in twips: 1440 to the inch
// at the screen's logical resolution.
int twipsToPixelsX(int twips, const QWidget *widget = nullptr);
int twipsToPixelsY(int twips, const QWidget *widget = nullptr);
int pixelsToTwipsX(int pixels, const QWidget *widget = nullptr);

} // namespace pwo
