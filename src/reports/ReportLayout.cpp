#include "ReportLayout.h"

#include "DefinitionError.h"

#include "data/SqlText.h"

namespace pwo::reports {

namespace {

constexpr double pointsPerMm = 72.0 / 25.4;
constexpr double lineFactor = 1.35;
constexpr double cellPadding = 2.0;
constexpr double bandGap = 4.0;

double lineHeight(const TextStyle &style)
{
    return style.size * lineFactor;
}

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

// Running sums and counts of the columns that have totals.
struct Totals {
    std::vector<double> sums;
    std::vector<long> counts;
    explicit Totals(size_t columns = 0) : sums(columns, 0.0), counts(columns, 0) {}
    void reset() { *this = Totals(sums.size()); }
};

class Layouter {
public:
    Layouter(const ReportDefinition &definition, const PrintContext &context)
        : def_(definition), context_(context)
    {
        out_.pageSize = QPageSize(definition.paper);
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
        placePageBands();
        return std::move(out_);
    }

private:
    TextTemplate::Lookup lookupFor(const PartInput *in, const std::vector<Value> *row, int page = 0) const
    {
        return [this, in, row, page](const QString &name) -> std::optional<Value> {
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
                return Value(page);
            if (key == u"pages")
                return Value(int(out_.pages.size()));
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
    }

    bool holds(const TextLine &line, const TextTemplate::Lookup &lookup) const
    {
        if (line.conditionName.isEmpty())
            return true;
        const std::optional<Value> value = lookup(line.conditionName);
        if (!value)
            throw LineError(line.line, QStringLiteral("\"when %1=...\" names no parameter, field or report value")
                                           .arg(line.conditionName));
        return value->text().trimmed().compare(line.conditionValue.trimmed(), Qt::CaseInsensitive) == 0;
    }

    double linesHeight(const std::vector<TextLine> &lines) const
    {
        const auto lookup = lookupFor(mainPart_, nullptr, 1);
        double height = 0, current = 0;
        for (const TextLine &line : lines) {
            if (!holds(line, lookup))
                continue;
            if (!line.sameLine) {
                height += current;
                current = 0;
            }
            current = std::max(current, lineHeight(line.style));
        }
        return height + current;
    }

    // Places the lines from y on `page`; returns the y below them.
    double placeLinesAt(std::vector<PageItem> &items, double y, const std::vector<TextLine> &lines,
                        const TextTemplate::Lookup &lookup, bool breakPages)
    {
        double lineTop = y, current = 0;
        bool first = true;
        for (const TextLine &line : lines) {
            if (!holds(line, lookup))
                continue;
            const double h = lineHeight(line.style);
            if (first || !line.sameLine) {
                y = lineTop + current;
                if (breakPages) {
                    y_ = y;
                    ensure(h);
                    y = y_;
                }
                lineTop = y;
                current = 0;
            }
            first = false;
            current = std::max(current, h);
            std::vector<PageItem> &target = breakPages ? page().items : items;
            target.push_back({PageItem::Kind::Text, QRectF(left_, lineTop, width_, h), line.text.expand(lookup),
                              line.style, line.alignment});
        }
        return lineTop + current;
    }

    void placeLines(const std::vector<TextLine> &lines, const TextTemplate::Lookup &lookup)
    {
        y_ = placeLinesAt(page().items, y_, lines, lookup, true);
    }

    void placePageBands()
    {
        const int pages = int(out_.pages.size());
        const double footerTop = out_.sizePoints.height() - margin_ - linesHeight(pageFooter_);
        for (int i = 0; i < pages; ++i) {
            std::vector<PageItem> &items = out_.pages[size_t(i)].items;
            const auto lookup = lookupFor(mainPart_, nullptr, i + 1);
            placeLinesAt(items, margin_, def_.pageHeader, lookup, false);
            items.push_back(rule(footerTop - bandGap / 2, 0.5));
            placeLinesAt(items, footerTop, pageFooter_, lookup, false);
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
        out_.pages.emplace_back();
        y_ = contentTop_;
        if (rows_)
            placeHeadings();
        pageTop_ = y_;
    }

    void ensure(double height)
    {
        if (y_ + height > contentBottom_ && y_ > pageTop_)
            newPage();
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
                placeLines({title}, lookupFor(&in, first));
            }
        }
        placeLines(part.header, lookupFor(&in, first));
        if (in.rows && !part.columns.empty())
            printRows(in);
        placeLines(part.footer, lookupFor(&in, last));
    }

    void placeHeadings()
    {
        const ReportPart &part = *rows_->part;
        const TextStyle style{part.fontSize, true, false};
        const double h = lineHeight(style) + 2;
        for (size_t c = 0; c < part.columns.size(); ++c)
            page().items.push_back({PageItem::Kind::Text, cell(c, y_, h), part.columns[c].heading, style,
                                    part.columns[c].alignment});
        y_ += h;
        page().items.push_back(rule(y_, 0.75));
        y_ += 2;
    }

    QRectF cell(size_t column, double y, double h) const
    {
        return QRectF(columnX_[column] + cellPadding, y, columnW_[column] - 2 * cellPadding, h);
    }

    void printRows(const PartInput &in)
    {
        const ReportPart &part = *in.part;
        const ReportRows &rows = *in.rows;
        std::vector<int> fieldOf;
        columnX_.clear();
        columnW_.clear();
        double x = left_;
        for (const Column &c : part.columns) {
            const int index = c.isRowNumber() ? -1 : rows.columnIndex(c.field);
            if (!c.isRowNumber() && index < 0)
                throw LineError(c.line, QStringLiteral("the query returns no field \"%1\"").arg(c.field));
            fieldOf.push_back(index);
            columnX_.push_back(x);
            columnW_.push_back(c.width * pointsPerMm);
            x += c.width * pointsPerMm;
        }
        std::vector<int> groupField;
        for (const Group &g : part.groups) {
            const int index = rows.columnIndex(g.field);
            if (index < 0)
                throw LineError(g.line, QStringLiteral("the query returns no field \"%1\" to group on").arg(g.field));
            groupField.push_back(index);
        }
        y_ += 2;
        ensure(lineHeight({part.fontSize, true, false}) * 3);
        rows_ = &in;
        placeHeadings();

        const TextStyle rowStyle{part.fontSize, false, false};
        const double rowHeight = lineHeight(rowStyle);
        if (rows.rows.empty()) {
            TextLine none;
            none.text = TextTemplate::parse(QStringLiteral("No records found."), part.line);
            none.style = {part.fontSize, false, true};
            placeLines({none}, lookupFor(&in, nullptr));
        }
        std::vector<Totals> groupTotals(part.groups.size(), Totals(part.columns.size()));
        Totals grand(part.columns.size());
        const std::vector<Value> *previous = nullptr;
        long number = 0;
        for (const std::vector<Value> &row : rows.rows) {
            size_t breakLevel = part.groups.size();
            for (size_t g = 0; g < groupField.size(); ++g)
                if (!previous || (*previous)[size_t(groupField[g])].text() != row[size_t(groupField[g])].text()) {
                    breakLevel = g;
                    break;
                }
            if (previous)
                for (size_t g = part.groups.size(); g-- > breakLevel;)
                    closeGroup(in, g, *previous, groupTotals[g]);
            for (size_t g = breakLevel; g < part.groups.size(); ++g)
                openGroup(in, g, row, rowHeight);
            ++number;
            ensure(rowHeight);
            for (size_t c = 0; c < part.columns.size(); ++c) {
                const Column &column = part.columns[c];
                QString text = fieldOf[c] < 0 ? QString::number(number) : column.format.apply(row[size_t(fieldOf[c])]);
                if (text.isEmpty())
                    continue;
                page().items.push_back(
                    {PageItem::Kind::Text, cell(c, y_, rowHeight), std::move(text), rowStyle, column.alignment});
            }
            y_ += rowHeight;
            for (Totals *totals = groupTotals.data(); totals != groupTotals.data() + groupTotals.size(); ++totals)
                add(*totals, part, fieldOf, row);
            add(grand, part, fieldOf, row);
            previous = &row;
        }
        if (previous)
            for (size_t g = part.groups.size(); g-- > 0;)
                closeGroup(in, g, *previous, groupTotals[g]);
        if (part.hasTotals()) {
            const QString label = part.totalLabel.isEmpty() ? QStringLiteral("Grand Total")
                                                            : part.totalLabel.expand(lookupFor(&in, previous));
            totalRow(part, label, grand);
        }
        rows_ = nullptr;
    }

    static void add(Totals &totals, const ReportPart &part, const std::vector<int> &fieldOf,
                    const std::vector<Value> &row)
    {
        for (size_t c = 0; c < part.columns.size(); ++c) {
            if (part.columns[c].total == TotalKind::None)
                continue;
            const Value &v = fieldOf[c] < 0 ? Value(1) : row[size_t(fieldOf[c])];
            if (v.isNull())
                continue;
            ++totals.counts[c];
            if (const auto n = numberOf(v))
                totals.sums[c] += *n;
        }
    }

    void openGroup(const PartInput &in, size_t level, const std::vector<Value> &row, double rowHeight)
    {
        const Group &group = in.part->groups[level];
        std::vector<TextLine> header = group.header;
        if (header.empty()) {
            TextLine line;
            line.text = TextTemplate::parse(QStringLiteral("{%1}").arg(group.field), group.line);
            line.style = {in.part->fontSize, true, false};
            header.push_back(line);
        }
        ensure(linesHeight(header) + rowHeight + 2);
        y_ += 2;
        placeLines(header, lookupFor(&in, &row));
    }

    void closeGroup(const PartInput &in, size_t level, const std::vector<Value> &lastRow, Totals &totals)
    {
        const Group &group = in.part->groups[level];
        if (in.part->hasTotals()) {
            const QString label = group.footer.isEmpty() ? QStringLiteral("Total")
                                                         : group.footer.expand(lookupFor(&in, &lastRow));
            totalRow(*in.part, label, totals);
        }
        totals.reset();
    }

    void totalRow(const ReportPart &part, const QString &label, const Totals &totals)
    {
        const TextStyle style{part.fontSize, true, false};
        const double h = lineHeight(style) + 2;
        ensure(h + 2);
        page().items.push_back(rule(y_, 0.5));
        y_ += 1;
        // The label takes the first run of columns without figures.
        size_t labelFrom = 0;
        while (labelFrom < part.columns.size() && part.columns[labelFrom].total != TotalKind::None)
            ++labelFrom;
        size_t labelTo = labelFrom;
        while (labelTo < part.columns.size() && part.columns[labelTo].total == TotalKind::None)
            ++labelTo;
        if (labelFrom == labelTo) {  // every column has figures: the label goes above them
            page().items.push_back({PageItem::Kind::Text, cell(0, y_, h), label, style, Qt::AlignLeft});
            y_ += h;
        } else {
            const double right = labelTo < columnX_.size() ? columnX_[labelTo] : columnX_.back() + columnW_.back();
            const QRectF span(columnX_[labelFrom] + cellPadding, y_, right - columnX_[labelFrom] - 2 * cellPadding, h);
            page().items.push_back({PageItem::Kind::Text, span, label, style, Qt::AlignLeft});
        }
        for (size_t c = 0; c < part.columns.size(); ++c) {
            const Column &column = part.columns[c];
            if (column.total == TotalKind::None)
                continue;
            const QString text = column.total == TotalKind::Count ? QString::number(totals.counts[c])
                                 : column.format.isNumber()       ? column.format.apply(Value(totals.sums[c]))
                                                                  : sql::numberText(totals.sums[c]);
            page().items.push_back({PageItem::Kind::Text, cell(c, y_, h), text, style, column.alignment});
        }
        y_ += h + 2;
    }

    const ReportDefinition &def_;
    const PrintContext &context_;
    LaidOutReport out_;
    std::vector<TextLine> pageFooter_;
    const PartInput *mainPart_ = nullptr;
    const PartInput *rows_ = nullptr;  // the part whose rows are being printed
    std::vector<double> columnX_, columnW_;
    double margin_ = 0, left_ = 0, width_ = 0;
    double contentTop_ = 0, contentBottom_ = 0, pageTop_ = 0, y_ = 0;
};

} // namespace

LaidOutReport layOutReport(const ReportDefinition &definition, const std::vector<PartInput> &parts,
                           const PrintContext &context)
{
    return Layouter(definition, context).run(parts);
}

} // namespace pwo::reports
