#pragma once

#include <QString>

#include <span>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace pwo {

// How many characters the server keeps of a saved text: the width of the
// procedure parameter (and column) it goes into. A longer value would be cut
// without a word by the hospital's server, so it is stopped or refused here.
struct TextWidth {
    const char *control;  // objectName of the box, list or multi-line box
    const char *caption;  // the field as messages name it
    int width;
};

// The width listed for a control; throws when it is not listed.
int widthOf(std::span<const TextWidth> widths, const char *control);

// Stops typing and pasting past the width in every listed single-line box
// and editable list of the window. Call it after the stored values are
// shown: a box holding more (old data) keeps its text whole, gets its limit
// once the worker has shortened it, and the save refuses it until then.
void limitTextBoxes(QWidget &window, std::span<const TextWidth> widths);

// One message naming each listed control whose text is longer than its
// width, with the limit; empty when every text fits.
QString overlongTextsMessage(const QWidget &window, std::span<const TextWidth> widths);

// A small label that counts the characters still free in a multi-line box.
QLabel *charactersLeftLabel(QPlainTextEdit &box, int width, QWidget *parent);

} // namespace pwo
