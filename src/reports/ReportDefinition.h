#pragma once

#include "TextTemplate.h"
#include "ValueFormat.h"

#include <QImage>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <vector>

namespace pwo::reports {

// One report-definition file as read: the report itself and its named
// subreports, each a "part" with its own parameters, query and layout.
// Line numbers are kept so that a fault found while running names its line.

inline constexpr double pointsPerMm = 72.0 / 25.4;
inline constexpr double pointsPerTwip = 1.0 / 20;

enum class ParameterType { Text, Date, Number, Boolean };

struct ParameterField {
    QString name;
    ParameterType type = ParameterType::Text;
    int line = 0;
};

struct TextStyle {
    TextStyle(double size = 9, bool bold = false, bool italic = false) : size(size), bold(bold), italic(italic) {}

    double size;      // points
    bool bold;
    bool italic;
    QString family;   // empty: the engine's own (DejaVu Sans)

    bool operator==(const TextStyle &) const = default;
};

// A line of free text: report and page headers and footers, group headings.
struct TextLine {
    TextTemplate text;
    Qt::Alignment alignment = Qt::AlignLeft;
    TextStyle style;
    bool sameLine = false;       // printed on the line above, in its own alignment
    Expression condition;        // printed only when this holds; empty: always
    int line = 0;
};

enum class TotalKind { None, Sum, Count, Average, Minimum, Maximum, Distinct };

// A column may print, in place of its value, a running total of it.
enum class RunningReset { None, Never, Group, Page };

// The column field that numbers the rows instead of showing a field.
inline const QString rowNumberField = QStringLiteral("rownumber");

struct Column {
    QString field;          // a column of the query's result, or rowNumberField
    Expression expression;  // a computed column ("= expression"); then field is empty
    bool isRowNumber() const { return field.compare(rowNumberField, Qt::CaseInsensitive) == 0; }
    QString heading;
    double width = 0;  // millimetres
    Qt::Alignment alignment = Qt::AlignLeft;
    ValueFormat format;
    TotalKind total = TotalKind::None;
    TotalKind running = TotalKind::None;  // the running total the cells print instead
    RunningReset runningReset = RunningReset::None;
    int line = 0;
};

struct Group {
    QString field;
    std::vector<TextLine> header;  // default: the field's value in bold
    TextTemplate footer;           // label of the subtotal row
    std::vector<TextLine> footerTexts;  // printed after the group's rows and subtotal
    bool newPage = false;        // each group after the first begins a page
    bool repeatHeader = false;   // the header again at the top of a page the group goes on to
    bool keepTogether = false;   // a group that fits on a page is not split over two
    QStringList subreports;      // printed at the end of each group, bound to its last row
    int line = 0;
};

// One freely placed item of a form band; positions in points from the
// band's top left, whatever unit the file gave them in.
struct BandItem {
    enum class Kind { Text, Box, Line, Check, Image, Subreport };
    Kind kind = Kind::Text;
    QRectF rect;           // a line's rect has no width or no height
    TextLine text;         // Text: the text, its style and condition
    Expression flag;       // Check: ticked when it holds
    int flagCharacter = 0; // Check: the character (from 1) of the flag's text that counts; 0: the whole value
    double thickness = 0.5;  // Box, Line: points
    QImage image;          // Image, read when the file is
    QString subreport;     // Subreport: its name
    int line = 0;
};

// A band of a form: printed for every row of its part's query (once when the
// part has no query); text that needs more room than its place grows it.
struct Band {
    double height = 0;  // points; the least it takes
    bool newPage = false;
    std::vector<BandItem> items;
    int line = 0;
};

// A cross-tab: a row for each value of rowField, a column for each value of
// columnField found when the report runs (in the order the query returns
// them), each cell adding up `value`; row totals on the right, column totals below.
struct CrossTab {
    QString rowField;
    QString rowHeading;
    double rowWidth = 50;  // millimetres
    QString columnField;
    Expression value;
    ValueFormat format;
    QString totalHeading = QStringLiteral("Total");
    int line = 0;

    bool isEmpty() const { return line == 0; }
};

struct ReportPart {
    QString name;   // empty for the report itself
    QString title;  // printed above a subreport's rows
    bool newPage = false;
    std::vector<ParameterField> parameters;
    QString query;  // empty: the part has no rows of its own
    int queryLine = 0;
    std::vector<TextLine> header;
    std::vector<Column> columns;
    std::vector<Group> groups;
    CrossTab crossTab;  // in place of columns
    std::vector<Band> bands;  // a form, in place of columns
    bool placed = false;  // a subreport printed inside a band or a group, not after the rows
    TextTemplate totalLabel;
    std::vector<TextLine> footer;
    double fontSize = 9;
    int line = 0;

    bool hasTotals() const;
    int parameterIndex(const QString &name) const;  // -1 when there is none
};

struct ReportDefinition {
    QString fileName;
    QPageSize paper{QPageSize::Letter};
    bool landscape = false;
    double marginMm = 12;
    QString fontFamily;  // as the file names it; empty: the engine's own
    ReportPart report;
    std::vector<ReportPart> subreports;  // in file order; those not placed print in that order
    std::vector<TextLine> pageHeader;
    std::vector<TextLine> pageFooter;

    // The subreport of that name (case-insensitive), or null.
    const ReportPart *subreport(const QString &name) const;
    // The printable width in millimetres.
    double bodyWidthMm() const;
};

// Values every text may show besides parameters and fields.
inline const QStringList specialNames{QStringLiteral("company"), QStringLiteral("page"), QStringLiteral("pages"),
                                      QStringLiteral("printdate"), QStringLiteral("printtime"),
                                      QStringLiteral("user")};

} // namespace pwo::reports
