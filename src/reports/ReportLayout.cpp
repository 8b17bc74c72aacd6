#include "ReportLayout.h"

#include "ColumnFit.h"
#include "DefinitionError.h"
#include "FormBand.h"
#include "TextMeasure.h"
#include "Totals.h"

#include "data/SqlText.h"

#include <QHash>

#include <limits>

namespace pwo::reports {

namespace {

constexpr double cellPadding = 2.0;
constexpr double bandGap = 4.0;

// Stands for the page count in the texts of the body until the count is known.
const QString pagesMark = QStringLiteral("\uE000");

std::vector<TextLine> standardPageFooter(double size)
{
    const auto line = [size](const QString &text, Qt::Alignment alignment, bool same) {
        TextLine l;
        l.text = TextTemplate::parse(text, 0);
        l.alignment = alignment;
        l.style.size = size;
        l.sameLine = same;
        return l;
    };
    return {line(QStringLiteral("Printed {printdate} {printtime} by {user}"), Qt::AlignLeft, false),
            line(QStringLiteral("Page {page} of {pages}"), Qt::AlignRight, true)};
}

// The totals of a list's columns, by column.
using Totals = std::vector<Accumulator>;

// The rows [first, second) an aggregate adds up.
using RowRange = std::pair<size_t, size_t>;

// A list's columns as they print: where they stand, how wide, their headings.
struct ListColumns {
    std::vector<double> x, width;       // points
    std::vector<QStringList> headings;  // wrapped to the width
    double headingHeight = 0;

    QRectF cell(size_t column, double y, double h) const
    {
        return QRectF(x[column] + cellPadding, y, width[column] - 2 * cellPadding, h);
    }
    double room(size_t column) const { return width[column] - 2 * cellPadding; }
};

// Every cell of a list formatted once, with its width.
struct ListCells {
    size_t columns = 0;
    std::vector<QString> texts;
    std::vector<double> widths;
    const QString &text(size_t row, size_t column) const { return texts[row * columns + column]; }
    double width(size_t row, size_t column) const { return widths[row * columns + column]; }
};

bool mayWrap(const Column &column)
{
    return !column.isRowNumber() && column.total == TotalKind::None && column.running == TotalKind::None &&
           column.format.isEmpty();
}

QString totalText(const Column &column, double sum)
{
    return column.format.isNumber() ? column.format.apply(Value(sum)) : sql::numberText(sum);
}

// A total as it prints in its column: counts as whole numbers, the rest in the column's format.
QString figureText(const Column &column, const Accumulator &totals, TotalKind kind)
{
    const Value v = totals.result(kind);
    if (v.isNull())
        return {};
    if (kind == TotalKind::Count || kind == TotalKind::Distinct)
        return v.text();
    return totalText(column, v.toNumber());
}

// The list being printed; a subreport printed inside it sets it aside.
struct ListState {
    const PartInput *rows = nullptr;  // the part whose rows are being printed
    ListColumns columns;
    std::vector<int> fieldOf;     // by column: the field's index, -1 for a row number or expression
    std::vector<int> groupField;  // by group level: the field's index
    Totals running;
    const ListCells *cells = nullptr;                     // the cells of the list being printed
    std::vector<std::pair<size_t, RowRange>> openGroups;  // the groups open, outermost first
};

class Layouter {
public:
    Layouter(const ReportDefinition &definition, const PrintContext &context, const SubreportRows &subreportRows)
        : def_(definition), context_(context), subreportRows_(subreportRows)
    {
        out_.pageSize = definition.paper;
        out_.landscape = definition.landscape;
        const QSizeF size = out_.pageSize.size(QPageSize::Point);
        out_.sizePoints = definition.landscape ? size.transposed() : size;
        margin_ = definition.marginMm * pointsPerMm;
        left_ = margin_;
        width_ = out_.sizePoints.width() - 2 * margin_;
        pageFooter_ = def_.pageFooter.empty() ? standardPageFooter(def_.report.fontSize - 1) : def_.pageFooter;
    }

    LaidOutReport run(const std::vector<PartInput> &parts)
    {
        mainPart_ = parts.empty() ? nullptr : &parts.front();
        const double headerHeight = linesHeight(def_.pageHeader);
        const double footerHeight = linesHeight(pageFooter_);
        contentTop_ = margin_ + (headerHeight > 0 ? headerHeight + bandGap : 0);
        contentBottom_ = out_.sizePoints.height() - margin_ - footerHeight - bandGap;
        newPage();
        for (const PartInput &part : parts)
            printPart(part);
        fillInPageCount();
        placePageBands();
        return std::move(out_);
    }

private:
    // A subreport inside a band: printed on one endless page in its place's
    // width, for the band to move onto the report's pages.
    LaidOutBand placeInBand(const BandItem &item, const EvaluationScope &scope)
    {
        Layouter inner(def_, context_, subreportRows_);
        inner.left_ = 0;  // the band moves it to its place
        inner.width_ = item.rect.width();
        inner.contentTop_ = 0;
        inner.contentBottom_ = std::numeric_limits<double>::max();
        inner.newPage();
        inner.endless_ = true;
        inner.printPlaced(item.subreport, scope, item.line);
        pagesDeferred_ = pagesDeferred_ || inner.pagesDeferred_;
        return {std::move(inner.page().items), inner.y_};
    }

    // A placed subreport printed here, its parameters taking the values of
    // the same names where it is placed; the list around it waits.
    void printPlaced(const QString &name, const EvaluationScope &scope, int line)
    {
        const ReportPart *part = def_.subreport(name);
        if (!part)
            throw LineError(line, QStringLiteral("the file has no subreport \"%1\"").arg(name));
        ParameterValues values;
        for (const ParameterField &field : part->parameters) {
            std::optional<Value> value = scope.lookup(field.name);
            if (!value)
                throw LineError(line, QStringLiteral("subreport \"%1\" takes %2, which nothing has here")
                                          .arg(part->name, field.name));
            values.push_back(std::move(value));
        }
        const ReportRows *rows = part->query.isEmpty() || !subreportRows_ ? nullptr : subreportRows_(*part, values);
        const PartInput in{part, &values, rows};
        ListState outer = std::exchange(list_, {});
        printPart(in);
        list_ = std::move(outer);
    }

    void printBands(const PartInput &in)
    {
        const BandPrinter printer{def_.fontFamily,
                                  [this](const QString &text, double room, const TextStyle &style) {
                                      return wrap(text, room, style);
                                  },
                                  [this](const BandItem &item, const EvaluationScope &scope) {
                                      return placeInBand(item, scope);
                                  }};
        const auto printRow = [&](const std::vector<Value> *row) {
            const EvaluationScope scope = scopeFor(&in, row, 0, allRows(in));
            for (const Band &band : in.part->bands) {
                if (band.newPage && y_ > pageTop_)
                    newPage();
                LaidOutBand laidOut = layOutBand(band, left_, scope, printer);
                // Moved to the next page, it is laid out again: its {page} is that page's.
                if (laidOut.height <= contentBottom_ - pageTop_ && ensure(laidOut.height))
                    laidOut = layOutBand(band, left_, scope, printer);
                placeBand(std::move(laidOut));
            }
        };
        if (!in.rows) {
            printRow(nullptr);
            return;
        }
        if (in.rows->rows.empty())
            placeNoRecords(*in.part, in);
        for (const std::vector<Value> &row : in.rows->rows)
            printRow(&row);
    }

    // A band that fits on a page moves whole to the next when it does not fit
    // here; a taller one breaks before the first item that would cross a
    // page's bottom, and the lines running down past a break go on beyond it.
    void placeBand(LaidOutBand band)
    {
        if (band.height <= contentBottom_ - pageTop_) {
            ensure(band.height);
            for (PageItem &item : band.items) {
                item.rect.translate(0, y_);
                page().items.push_back(std::move(item));
            }
            y_ += band.height;
            return;
        }
        const auto runsDown = [](const PageItem &item) {
            return item.kind == PageItem::Kind::Rule && item.rect.height() > item.rect.width();
        };
        std::vector<const PageItem *> atoms;
        for (const PageItem &item : band.items)
            if (!runsDown(item))
                atoms.push_back(&item);
        std::stable_sort(atoms.begin(), atoms.end(),
                         [](const PageItem *a, const PageItem *b) { return a->rect.top() < b->rect.top(); });
        if (y_ > pageTop_ && !atoms.empty() && y_ + atoms.front()->rect.bottom() > contentBottom_)
            newPage();
        std::vector<double> breaks{0};
        double room = contentBottom_ - y_;
        for (const PageItem *atom : atoms)
            if (atom->rect.bottom() - breaks.back() > room && atom->rect.top() > breaks.back()) {
                breaks.push_back(atom->rect.top());
                room = contentBottom_ - contentTop_;
            }
        breaks.push_back(std::numeric_limits<double>::max());
        for (size_t w = 0; w + 1 < breaks.size(); ++w) {
            if (w > 0)
                newPage();
            const double from = breaks[w], to = breaks[w + 1], shift = y_ - from;
            for (const PageItem &item : band.items) {
                const double top = item.rect.top();
                if (runsDown(item) && top < to && item.rect.bottom() > from) {
                    PageItem piece = item;
                    piece.rect.setTop(std::max(top, from));
                    piece.rect.setBottom(std::min(item.rect.bottom(), to));
                    page().items.push_back(piece);
                    page().items.back().rect.translate(0, shift);
                } else if (!runsDown(item) && top >= from && top < to) {
                    page().items.push_back(item);
                    page().items.back().rect.translate(0, shift);
                }
            }
            if (w + 2 == breaks.size())
                y_ += band.height - from;
        }
    }

    void placeNoRecords(const ReportPart &part, const PartInput &in)
    {
        TextLine none;
        none.text = TextTemplate::parse(QStringLiteral("No records found."), part.line);
        none.style = {part.fontSize, false, true};
        placeLines({none}, scopeFor(&in, nullptr));
    }

    // page 0: the page being filled, and the page count still to come.
    // Aggregates add up the rows of `rows`; without them there is nothing to add.
    EvaluationScope scopeFor(const PartInput *in, const std::vector<Value> *row, int page = 0,
                             std::optional<RowRange> rows = std::nullopt) const
    {
        EvaluationScope scope;
        scope.lookup = [this, in, row, page](const QString &name) -> std::optional<Value> {
            const QString key = name.toLower();
            if (key == u"company")
                return Value(context_.company);
            if (key == u"user")
                return Value(context_.user);
            if (key == u"printdate")
                return Value(context_.printedAt.toString(QStringLiteral("MM/dd/yyyy")));
            if (key == u"printtime")
                return Value(QLocale::c().toString(context_.printedAt, QStringLiteral("hh:mm AP")));
            if (key == u"page")
                return Value(page > 0 ? page : int(out_.pages.size()));
            if (key == u"pages") {
                if (page > 0)
                    return Value(int(out_.pages.size()));
                pagesDeferred_ = true;
                return Value(pagesMark);
            }
            if (in) {
                const int p = in->part->parameterIndex(name);
                if (p >= 0) {
                    const auto &values = *in->values;
                    return size_t(p) < values.size() && values[size_t(p)] ? *values[size_t(p)] : Value(QString());
                }
                if (in->rows) {
                    const int c = in->rows->columnIndex(name);
                    if (c >= 0)
                        return row ? (*row)[size_t(c)] : Value::null();
                }
            }
            return std::nullopt;
        };
        if (rows && in && in->rows)
            scope.aggregate = [this, in, range = *rows](const QString &function, const Expression &argument) {
                Accumulator totals;
                for (size_t r = range.first; r < range.second; ++r)
                    totals.add(argument.isEmpty() ? Value(1) : argument.evaluate(scopeFor(in, &in->rows->rows[r])));
                return totals.result(totalKindOf(function));
            };
        return scope;
    }

    static RowRange allRows(const PartInput &in) { return {0, in.rows ? in.rows->rows.size() : 0}; }

    static bool holds(const TextLine &line, const EvaluationScope &scope)
    {
        return line.condition.isEmpty() || line.condition.isTrue(scope);
    }

    QStringList wrapped(const TextLine &line, const EvaluationScope &scope) const
    {
        return wrap(line.text.expand(scope), width_, line.style);
    }

    double linesHeight(const std::vector<TextLine> &lines) const
    {
        return linesHeight(lines, scopeFor(mainPart_, nullptr, 1));
    }

    // Measured with the values they print with: a subreport's group header
    // names fields the main query does not have.
    double linesHeight(const std::vector<TextLine> &lines, const EvaluationScope &scope) const
    {
        double height = 0, current = 0;
        for (const TextLine &line : lines) {
            if (!holds(line, scope))
                continue;
            if (!line.sameLine) {
                height += current;
                current = 0;
            }
            current = std::max(current, lineHeight(line.style) * double(wrapped(line, scope).size()));
        }
        return height + current;
    }

    void addText(std::vector<PageItem> &items, const QRectF &rect, QString text, const TextStyle &style,
                 Qt::Alignment alignment)
    {
        items.push_back({PageItem::Kind::Text, rect, std::move(text), inFamily(style), alignment, {}});
    }

    // Every text prints in the report's family; the measures are taken in it too.
    TextStyle inFamily(TextStyle style) const
    {
        style.family = def_.fontFamily;
        return style;
    }
    double width(const QString &text, const TextStyle &style) const { return textWidth(text, inFamily(style)); }
    TextExtent extent(const QString &text, const TextStyle &style) const { return measureText(text, inFamily(style)); }
    QStringList wrap(const QString &text, double room, const TextStyle &style) const
    {
        return wrapText(text, room, inFamily(style));
    }

    // Places the lines from y; a text wider than the page wraps. With
    // breakPages they go on the current page and may start new ones;
    // otherwise into `items`. Returns the y below them.
    double placeLinesAt(std::vector<PageItem> *items, double y, const std::vector<TextLine> &lines,
                        const EvaluationScope &scope)
    {
        const bool breakPages = items == nullptr;
        double lineTop = y, current = 0;
        bool first = true;
        for (const TextLine &line : lines) {
            if (!holds(line, scope))
                continue;
            const double h = lineHeight(line.style);
            QStringList texts = wrapped(line, scope);
            if (first || !line.sameLine) {
                y = lineTop + current;
                if (breakPages) {
                    y_ = y;
                    if (ensure(h * double(texts.size())) && line.text.mentions(QStringLiteral("page")))
                        texts = wrapped(line, scope);
                    y = y_;
                }
                lineTop = y;
                current = 0;
            }
            first = false;
            current = std::max(current, h * double(texts.size()));
            std::vector<PageItem> &target = breakPages ? page().items : *items;
            double top = lineTop;
            for (QString &text : texts) {
                addText(target, QRectF(left_, top, width_, h), std::move(text), line.style, line.alignment);
                top += h;
            }
        }
        return lineTop + current;
    }

    void placeLines(const std::vector<TextLine> &lines, const EvaluationScope &scope)
    {
        y_ = placeLinesAt(nullptr, y_, lines, scope);
    }

    void fillInPageCount()
    {
        if (!pagesDeferred_)
            return;
        const QString count = QString::number(out_.pages.size());
        for (LaidOutPage &p : out_.pages)
            for (PageItem &item : p.items)
                if (item.kind == PageItem::Kind::Text && item.text.contains(pagesMark))
                    item.text.replace(pagesMark, count);
    }

    void placePageBands()
    {
        const int pages = int(out_.pages.size());
        const double footerTop = out_.sizePoints.height() - margin_ - linesHeight(pageFooter_);
        for (int i = 0; i < pages; ++i) {
            std::vector<PageItem> &items = out_.pages[size_t(i)].items;
            const auto scope = scopeFor(mainPart_, nullptr, i + 1);
            placeLinesAt(&items, margin_, def_.pageHeader, scope);
            items.push_back(rule(footerTop - bandGap / 2, 0.5));
            placeLinesAt(&items, footerTop, pageFooter_, scope);
        }
    }

    PageItem rule(double y, double thickness) const
    {
        PageItem item;
        item.kind = PageItem::Kind::Rule;
        item.rect = QRectF(left_, y, width_, thickness);
        return item;
    }

    LaidOutPage &page() { return out_.pages.back(); }

    void newPage()
    {
        // A band's subreport has one endless page; it breaks where the band does.
        if (endless_ && !out_.pages.empty())
            return;
        out_.pages.emplace_back();
        y_ = contentTop_;
        if (list_.rows) {
            placeHeadings();
            repeatGroupHeaders();
        }
        pageTop_ = y_;
    }

    // Starts a new page when `height` does not fit below y; true when it did.
    bool ensure(double height)
    {
        if (y_ + height > contentBottom_ && y_ > pageTop_) {
            newPage();
            return true;
        }
        return false;
    }

    void printPart(const PartInput &in)
    {
        const ReportPart &part = *in.part;
        const bool isMain = &in == mainPart_;
        const std::vector<Value> *first = in.rows && !in.rows->rows.empty() ? &in.rows->rows.front() : nullptr;
        const std::vector<Value> *last = in.rows && !in.rows->rows.empty() ? &in.rows->rows.back() : nullptr;
        if (!isMain) {
            if (part.newPage && y_ > pageTop_)
                newPage();
            else if (y_ > pageTop_)
                y_ += bandGap * 2;
            if (!part.title.isEmpty()) {
                TextLine title;
                title.text = TextTemplate::parse(part.title, part.line);
                title.style = {part.fontSize + 2, true, false};
                placeLines({title}, scopeFor(&in, first));
            }
        }
        placeLines(part.header, scopeFor(&in, first, 0, allRows(in)));
        if (in.rows && !part.crossTab.isEmpty())
            printCrossTab(in);
        else if (in.rows && !part.columns.empty())
            printRows(in);
        else if (!part.bands.empty())
            printBands(in);
        placeLines(part.footer, scopeFor(&in, last, 0, allRows(in)));
    }

    void placeHeadings()
    {
        const ReportPart &part = *list_.rows->part;
        const TextStyle style{part.fontSize, true, false};
        const double h = lineHeight(style);
        for (size_t c = 0; c < part.columns.size(); ++c) {
            double top = y_;
            for (const QString &text : list_.columns.headings[c]) {
                addText(page().items, list_.columns.cell(c, top, h), text, style, part.columns[c].alignment);
                top += h;
            }
        }
        y_ += list_.columns.headingHeight;
        page().items.push_back(rule(y_, 0.75));
        y_ += 2;
    }

    // The value a column takes from row r: its field, its expression, or 1 for a row number.
    Value valueOf(const PartInput &in, size_t r, size_t c) const
    {
        const Column &column = in.part->columns[c];
        if (!column.expression.isEmpty())
            return column.expression.evaluate(scopeFor(&in, &in.rows->rows[r]));
        return list_.fieldOf[c] < 0 ? Value(1) : in.rows->rows[r][size_t(list_.fieldOf[c])];
    }

    // Every cell's text, formatted once; the widths the columns need follow
    // from them. Running totals are known only as the rows are placed.
    ListCells formatCells(const PartInput &in) const
    {
        const ReportPart &part = *in.part;
        const size_t rows = in.rows->rows.size();
        ListCells cells;
        cells.columns = part.columns.size();
        cells.texts.reserve(rows * cells.columns);
        cells.widths.reserve(rows * cells.columns);
        const TextStyle style{part.fontSize, false, false};
        for (size_t r = 0; r < rows; ++r)
            for (size_t c = 0; c < cells.columns; ++c) {
                const Column &column = part.columns[c];
                QString text = column.running != TotalKind::None ? QString()
                               : column.isRowNumber()            ? QString::number(r + 1)
                                                                 : column.format.apply(valueOf(in, r, c));
                cells.widths.push_back(width(text, style));
                cells.texts.push_back(std::move(text));
            }
        return cells;
    }

    // The widest a column's totals can print: a sum reaches no further than
    // the sum of its values' sizes, and no other total further than that.
    QString widestFigure(const PartInput &in, size_t c) const
    {
        const Column &column = in.part->columns[c];
        const TotalKind kind = column.total != TotalKind::None ? column.total : column.running;
        if (kind == TotalKind::Count || kind == TotalKind::Distinct)
            return QString::number(in.rows->rows.size());
        double reach = 0;
        bool negative = false;
        for (size_t r = 0; r < in.rows->rows.size(); ++r)
            if (const auto n = numberOf(valueOf(in, r, c))) {
                reach += std::abs(*n);
                negative = negative || *n < 0;
            }
        return totalText(column, negative ? -reach : reach);
    }

    void fitColumns(const PartInput &in, const ListCells &cells)
    {
        const ReportPart &part = *in.part;
        const size_t rows = in.rows->rows.size();
        const TextStyle rowStyle{part.fontSize, false, false};
        const TextStyle bold{part.fontSize, true, false};
        std::vector<ColumnDemand> demands;
        for (size_t c = 0; c < part.columns.size(); ++c) {
            const Column &column = part.columns[c];
            ColumnDemand d;
            d.width = column.width * pointsPerMm;
            double widestWhole = 0, widestWord = extent(column.heading, bold).widestWord;
            bool hasBlank = false;
            for (size_t r = 0; r < rows; ++r) {
                widestWhole = std::max(widestWhole, cells.width(r, c));
                if (mayWrap(column) && cells.width(r, c) > widestWord) {
                    const TextExtent measured = extent(cells.text(r, c), rowStyle);
                    hasBlank = hasBlank || measured.hasBlank;
                    widestWord = std::max(widestWord, measured.widestWord);
                }
            }
            if (column.running != TotalKind::None)
                widestWhole = width(widestFigure(in, c), rowStyle);
            d.wraps = mayWrap(column) && hasBlank;
            d.floor = (d.wraps ? widestWord : std::max(widestWhole, widestWord)) + 2 * cellPadding;
            if (column.total != TotalKind::None)
                d.totals = width(widestFigure(in, c), bold) + 2 * cellPadding;
            demands.push_back(d);
        }
        list_.columns = {};
        list_.columns.width = fitColumnWidths(demands);
        double x = left_;
        for (size_t c = 0; c < part.columns.size(); ++c) {
            list_.columns.x.push_back(x);
            x += list_.columns.width[c];
            list_.columns.headings.push_back(wrap(part.columns[c].heading, list_.columns.room(c), bold));
            list_.columns.headingHeight =
                std::max(list_.columns.headingHeight, lineHeight(bold) * double(list_.columns.headings.back().size()));
        }
        list_.columns.headingHeight += 2;
    }

    // Places one row of cells, each already broken into lines, from y; a
    // row taller than what is left of the page runs on over pages line by line.
    void placeRow(const std::vector<QStringList> &cells, const std::vector<Qt::Alignment> &alignments,
                  const TextStyle &style)
    {
        const double h = lineHeight(style);
        qsizetype lines = 1;
        for (const QStringList &cell : cells)
            lines = std::max(lines, cell.size());
        for (qsizetype l = 0; l < lines; ++l) {
            ensure(h);
            for (size_t c = 0; c < cells.size(); ++c)
                if (l < cells[c].size() && !cells[c][l].isEmpty())
                    addText(page().items, list_.columns.cell(c, y_, h), cells[c][l], style, alignments[c]);
            y_ += h;
        }
    }

    // Running totals carry on from row to row, and start again where their column says.
    void restartRunning(const ReportPart &part, RunningReset reset)
    {
        for (size_t c = 0; c < part.columns.size(); ++c)
            if (part.columns[c].runningReset == reset)
                list_.running[c].reset();
    }

    // The first group level whose value changes at row r; the number of groups when none does.
    size_t breakLevel(const ReportRows &rows, size_t r) const
    {
        for (size_t g = 0; g < list_.groupField.size(); ++g)
            if (r == 0 || rows.rows[r - 1][size_t(list_.groupField[g])].text() != rows.rows[r][size_t(list_.groupField[g])].text())
                return g;
        return list_.groupField.size();
    }

    // Where the group of that level that begins at row r ends.
    size_t groupEnd(const ReportRows &rows, size_t level, size_t r) const
    {
        size_t end = r + 1;
        while (end < rows.rows.size() && breakLevel(rows, end) > level)
            ++end;
        return end;
    }

    void printRows(const PartInput &in)
    {
        const ReportPart &part = *in.part;
        const ReportRows &rows = *in.rows;
        list_.fieldOf.clear();
        std::vector<Qt::Alignment> alignments;
        for (const Column &c : part.columns) {
            const bool fromField = !c.isRowNumber() && c.expression.isEmpty();
            const int index = fromField ? rows.columnIndex(c.field) : -1;
            if (fromField && index < 0)
                throw LineError(c.line, QStringLiteral("the query returns no field \"%1\"").arg(c.field));
            list_.fieldOf.push_back(index);
            alignments.push_back(c.alignment);
        }
        list_.groupField.clear();
        for (const Group &g : part.groups) {
            const int index = rows.columnIndex(g.field);
            if (index < 0)
                throw LineError(g.line, QStringLiteral("the query returns no field \"%1\" to group on").arg(g.field));
            list_.groupField.push_back(index);
        }
        const ListCells cells = formatCells(in);
        list_.cells = &cells;
        list_.openGroups.clear();
        fitColumns(in, cells);
        y_ += 2;
        ensure(lineHeight({part.fontSize, true, false}) * 3);
        list_.rows = &in;
        placeHeadings();

        const TextStyle rowStyle{part.fontSize, false, false};
        const double rowHeight = lineHeight(rowStyle);
        if (rows.rows.empty())
            placeNoRecords(part, in);
        std::vector<Totals> groupTotals(part.groups.size(), Totals(part.columns.size()));
        std::vector<size_t> groupStart(part.groups.size(), 0);
        Totals grand(part.columns.size());
        list_.running.assign(part.columns.size(), Accumulator());
        size_t runningPage = out_.pages.size();
        std::vector<QStringList> rowCells(part.columns.size());
        for (size_t r = 0; r < rows.rows.size(); ++r) {
            const size_t level = breakLevel(rows, r);
            if (r > 0)
                for (size_t g = part.groups.size(); g-- > level;)
                    closeGroup(in, g, {groupStart[g], r}, groupTotals[g]);
            for (size_t g = level; g < part.groups.size(); ++g) {
                groupStart[g] = r;
                openGroup(in, g, {r, groupEnd(rows, g, r)}, rowHeight);
            }
            if (level < part.groups.size())
                restartRunning(part, RunningReset::Group);
            qsizetype lines = 1;
            for (size_t c = 0; c < part.columns.size(); ++c) {
                rowCells[c] = cells.width(r, c) <= list_.columns.room(c)
                                  ? QStringList{cells.text(r, c)}
                                  : wrap(cells.text(r, c), list_.columns.room(c), rowStyle);
                lines = std::max(lines, rowCells[c].size());
            }
            // A row that fits on a page moves whole to the next when it does not fit here.
            if (rowHeight * double(lines) <= contentBottom_ - pageTop_)
                ensure(rowHeight * double(lines));
            if (out_.pages.size() != runningPage) {
                restartRunning(part, RunningReset::Page);
                runningPage = out_.pages.size();
            }
            for (size_t c = 0; c < part.columns.size(); ++c) {
                const Column &column = part.columns[c];
                if (column.running == TotalKind::None)
                    continue;
                list_.running[c].add(valueOf(in, r, c));
                rowCells[c] = QStringList{figureText(column, list_.running[c], column.running)};
            }
            placeRow(rowCells, alignments, rowStyle);
            for (Totals &totals : groupTotals)
                add(totals, in, r);
            add(grand, in, r);
        }
        if (!rows.rows.empty())
            for (size_t g = part.groups.size(); g-- > 0;)
                closeGroup(in, g, {groupStart[g], rows.rows.size()}, groupTotals[g]);
        if (part.hasTotals()) {
            const std::vector<Value> *last = rows.rows.empty() ? nullptr : &rows.rows.back();
            const QString label = part.totalLabel.isEmpty()
                                      ? QStringLiteral("Grand Total")
                                      : part.totalLabel.expand(scopeFor(&in, last, 0, allRows(in)));
            totalRow(part, label, grand);
        }
        list_.rows = nullptr;
        list_.cells = nullptr;
    }

    // The cross-tab is turned into a list of its own (a row heading, a column
    // for each value found, the row's total) and printed as one.
    void printCrossTab(const PartInput &in)
    {
        const CrossTab &x = in.part->crossTab;
        const ReportRows &rows = *in.rows;
        const int rowField = rows.columnIndex(x.rowField);
        const int columnField = rows.columnIndex(x.columnField);
        if (rowField < 0 || columnField < 0)
            throw LineError(x.line, QStringLiteral("the query returns no field \"%1\" for the cross-tab")
                                        .arg(rowField < 0 ? x.rowField : x.columnField));
        QStringList rowKeys, columnKeys;
        QHash<QString, qsizetype> rowAt, columnAt;
        QHash<QPair<qsizetype, qsizetype>, double> cells;
        for (const std::vector<Value> &row : rows.rows) {
            const QString rowKey = row[size_t(rowField)].text();
            const QString columnKey = row[size_t(columnField)].text();
            if (!rowAt.contains(rowKey)) {
                rowAt.insert(rowKey, rowKeys.size());
                rowKeys << rowKey;
            }
            if (!columnAt.contains(columnKey)) {
                columnAt.insert(columnKey, columnKeys.size());
                columnKeys << columnKey;
            }
            if (const auto n = numberOf(x.value.evaluate(scopeFor(&in, &row))))
                cells[{rowAt.value(rowKey), columnAt.value(columnKey)}] += *n;
        }
        ReportRows table;
        table.columns << QStringLiteral("row");
        ReportPart list;
        list.name = in.part->name;
        list.parameters = in.part->parameters;
        list.fontSize = in.part->fontSize;
        list.totalLabel = in.part->totalLabel;
        list.line = x.line;
        Column heading;
        heading.field = QStringLiteral("row");
        heading.heading = x.rowHeading;
        heading.width = x.rowWidth;
        heading.line = x.line;
        list.columns.push_back(heading);
        const double figureWidth =
            std::min(30.0, (def_.bodyWidthMm() - x.rowWidth) / double(columnKeys.size() + 1));
        for (qsizetype c = 0; c <= columnKeys.size(); ++c) {
            Column figures;
            figures.field = QStringLiteral("c%1").arg(c);
            figures.heading = c < columnKeys.size() ? columnKeys[c] : x.totalHeading;
            figures.width = figureWidth;
            figures.alignment = Qt::AlignRight;
            figures.format = x.format;
            figures.total = TotalKind::Sum;
            figures.line = x.line;
            list.columns.push_back(figures);
            table.columns << figures.field;
        }
        for (qsizetype r = 0; r < rowKeys.size(); ++r) {
            std::vector<Value> line{Value(rowKeys[r])};
            double total = 0;
            for (qsizetype c = 0; c < columnKeys.size(); ++c) {
                const auto cell = cells.constFind({r, c});
                line.push_back(cell == cells.constEnd() ? Value::null() : Value(*cell));
                total += cell == cells.constEnd() ? 0 : *cell;
            }
            line.emplace_back(total);
            table.rows.push_back(std::move(line));
        }
        const PartInput pivoted{&list, in.values, &table};
        printRows(pivoted);
    }

    void add(Totals &totals, const PartInput &in, size_t r) const
    {
        for (size_t c = 0; c < in.part->columns.size(); ++c)
            if (in.part->columns[c].total != TotalKind::None)
                totals[c].add(valueOf(in, r, c));
    }

    std::vector<TextLine> groupHeader(const PartInput &in, size_t level) const
    {
        const Group &group = in.part->groups[level];
        if (!group.header.empty())
            return group.header;
        TextLine line;
        line.text = TextTemplate::parse(QStringLiteral("{%1}").arg(group.field), group.line);
        line.style = {in.part->fontSize, true, false};
        return {line};
    }

    // About how tall the group prints: its header, rows and subtotal.
    double groupHeight(const PartInput &in, size_t level, RowRange rows) const
    {
        const ReportPart &part = *in.part;
        const TextStyle rowStyle{part.fontSize, false, false};
        double height = linesHeight(groupHeader(in, level), scopeFor(&in, &in.rows->rows[rows.first], 0, rows)) + 2;
        for (size_t r = rows.first; r < rows.second; ++r) {
            qsizetype lines = 1;
            for (size_t c = 0; c < part.columns.size(); ++c)
                if (list_.cells->width(r, c) > list_.columns.room(c))
                    lines = std::max(lines, wrap(list_.cells->text(r, c), list_.columns.room(c), rowStyle).size());
            height += lineHeight(rowStyle) * double(lines);
        }
        if (part.hasTotals())
            height += lineHeight({part.fontSize, true, false}) + 3;
        return height;
    }

    void openGroup(const PartInput &in, size_t level, RowRange rows, double rowHeight)
    {
        const Group &group = in.part->groups[level];
        const std::vector<TextLine> header = groupHeader(in, level);
        if (group.newPage && rows.first > 0 && y_ > pageTop_) {
            newPage();
        } else if (group.keepTogether) {
            const double height = groupHeight(in, level, rows);
            if (height <= contentBottom_ - pageTop_)
                ensure(height);
        }
        const EvaluationScope scope = scopeFor(&in, &in.rows->rows[rows.first], 0, rows);
        ensure(linesHeight(header, scope) + rowHeight + 2);
        y_ += 2;
        placeLines(header, scope);
        list_.openGroups.emplace_back(level, rows);
    }

    // The headers of the groups a new page goes on with.
    void repeatGroupHeaders()
    {
        const double top = pageTop_;
        pageTop_ = y_;  // nothing here starts yet another page
        for (const auto &[level, rows] : list_.openGroups)
            if (list_.rows->part->groups[level].repeatHeader)
                placeLines(groupHeader(*list_.rows, level), scopeFor(list_.rows, &list_.rows->rows->rows[rows.first], 0, rows));
        pageTop_ = top;
    }

    void closeGroup(const PartInput &in, size_t level, RowRange rows, Totals &totals)
    {
        const Group &group = in.part->groups[level];
        const EvaluationScope scope = scopeFor(&in, &in.rows->rows[rows.second - 1], 0, rows);
        if (in.part->hasTotals()) {
            const QString label = group.footer.isEmpty() ? QStringLiteral("Total") : group.footer.expand(scope);
            totalRow(*in.part, label, totals);
        }
        for (const QString &name : group.subreports)
            printPlaced(name, scope, group.line);
        placeLines(group.footerTexts, scope);
        for (Accumulator &a : totals)
            a.reset();
        list_.openGroups.pop_back();
    }

    // The label takes the first run of columns without figures; a figure too
    // wide for its column prints whole on a line of its own below.
    void totalRow(const ReportPart &part, const QString &label, const Totals &totals)
    {
        const TextStyle style{part.fontSize, true, false};
        const double h = lineHeight(style);
        size_t labelFrom = 0;
        while (labelFrom < part.columns.size() && part.columns[labelFrom].total != TotalKind::None)
            ++labelFrom;
        size_t labelTo = labelFrom;
        while (labelTo < part.columns.size() && part.columns[labelTo].total == TotalKind::None)
            ++labelTo;
        const bool labelAbove = labelFrom == labelTo;  // every column has figures
        const double labelRight = labelAbove || labelTo >= list_.columns.x.size() ? left_ + width_ : list_.columns.x[labelTo];
        const double labelLeft = labelAbove ? left_ : list_.columns.x[labelFrom];
        const QRectF labelRoom(labelLeft + cellPadding, 0, labelRight - labelLeft - 2 * cellPadding, h);
        const QStringList labelLines = wrap(label, labelRoom.width(), style);

        std::vector<std::pair<size_t, QString>> figures, ownLine;
        for (size_t c = 0; c < part.columns.size(); ++c) {
            const Column &column = part.columns[c];
            if (column.total == TotalKind::None)
                continue;
            QString text = figureText(column, totals[c], column.total);
            (width(text, style) <= list_.columns.room(c) ? figures : ownLine).emplace_back(c, std::move(text));
        }
        const double labelHeight = h * double(labelLines.size());
        const double height = (labelAbove ? labelHeight + h : std::max(labelHeight, h)) + h * double(!ownLine.empty());
        ensure(height + 3);
        page().items.push_back(rule(y_, 0.5));
        y_ += 1;
        double top = y_;
        for (const QString &text : labelLines) {
            addText(page().items, labelRoom.translated(0, top), text, style, Qt::AlignLeft);
            top += h;
        }
        const double figuresTop = labelAbove ? top : y_;
        for (auto &[c, text] : figures)
            addText(page().items, list_.columns.cell(c, figuresTop, h), std::move(text), style, part.columns[c].alignment);
        const double ownTop = std::max(top, figuresTop + h);
        for (auto &[c, text] : ownLine) {
            const double right = list_.columns.x[c] + list_.columns.width[c] - cellPadding;
            addText(page().items, QRectF(left_, ownTop, right - left_, h), std::move(text), style, Qt::AlignRight);
        }
        y_ = (ownLine.empty() ? std::max(top, figuresTop + h) : ownTop + h) + 2;
    }

    const ReportDefinition &def_;
    const PrintContext &context_;
    LaidOutReport out_;
    std::vector<TextLine> pageFooter_;
    const PartInput *mainPart_ = nullptr;
    SubreportRows subreportRows_;
    ListState list_;
    mutable bool pagesDeferred_ = false;
    bool endless_ = false;  // printing a subreport inside a band
    double margin_ = 0, left_ = 0, width_ = 0;
    double contentTop_ = 0, contentBottom_ = 0, pageTop_ = 0, y_ = 0;
};

} // namespace

LaidOutReport layOutReport(const ReportDefinition &definition, const std::vector<PartInput> &parts,
                           const PrintContext &context, const SubreportRows &subreportRows)
{
    return Layouter(definition, context, subreportRows).run(parts);
}

} // namespace pwo::reports
