#pragma once

#include "ReportDefinition.h"

#include <QFont>
#include <QStringList>

namespace pwo::reports {

// The family a text prints in: the one asked for when this machine has it,
// otherwise DejaVu Sans, which every desk has (fonts-dejavu-core).
QString availableFamily(const QString &wanted);

// The font a text of that style prints in, its size in points as given; the
// painter rescales it for its device.
QFont reportFont(const TextStyle &style);

// The height in points of one printed line of that style.
inline double lineHeight(const TextStyle &style)
{
    return style.size * 1.35;
}

// The width in points of a text printed in that style. Advances are added up
// without kerning, which never makes a text narrower than it prints.
double textWidth(const QString &text, const TextStyle &style);

// A text's width, and that of its widest run between blanks.
struct TextExtent {
    double width = 0;
    double widestWord = 0;
    bool hasBlank = false;
};
TextExtent measureText(const QString &text, const TextStyle &style);

// The text broken into lines no wider than `width`: at blanks, and inside a
// word only where the word alone is wider than a line. Never empty.
QStringList wrapText(const QString &text, double width, const TextStyle &style);

} // namespace pwo::reports
