#include "DefinitionParser.h"

#include "BandItemParser.h"
#include "DefinitionLines.h"

#include "DefinitionError.h"
#include "NameCheck.h"
#include "ReadOnlyQuery.h"

#include <QFile>
#include <QRegularExpression>
#include <QSizeF>

#include <algorithm>

namespace pwo::reports {

namespace {

enum class Section { Settings, Parameters, Query, Header, Footer, PageHeader, PageFooter, Columns, Group, CrossTab, Band, Unknown };

const QRegularExpression sectionLine(QStringLiteral("^\\s*\\[([^\\]]*)\\]\\s*$"));
const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
const QRegularExpression condition(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)=(.*)$"));

bool isYes(const QString &word, int line)
{
    if (word.compare(u"yes", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"no", Qt::CaseInsensitive) == 0)
        return false;
    throw LineError(line, QStringLiteral("\"%1\" should be yes or no").arg(word));
}


Qt::Alignment alignmentWord(const QString &word, int line)
{
    const QString w = word.trimmed().toLower();
    if (w.isEmpty() || w == u"left")
        return Qt::AlignLeft;
    if (w == u"right")
        return Qt::AlignRight;
    if (w == u"center" || w == u"centre")
        return Qt::AlignHCenter;
    throw LineError(line, QStringLiteral("alignment \"%1\" should be left, center or right").arg(word.trimmed()));
}

// The options of a text split into words; a "when (...)" condition is one
// word however many blanks it holds. Each word comes with its column.
std::vector<std::pair<QString, int>> optionWords(const QString &options, int line)
{
    std::vector<std::pair<QString, int>> words;
    for (qsizetype i = 0; i < options.size();) {
        if (options[i].isSpace()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        if (options[i] == u'(') {
            int depth = 0;
            QChar quote;
            for (; end < options.size(); ++end) {
                const QChar c = options[end];
                if (!quote.isNull())
                    quote = c == quote ? QChar() : quote;
                else if (c == u'\'' || c == u'"')
                    quote = c;
                else if (c == u'(')
                    ++depth;
                else if (c == u')' && --depth == 0)
                    break;
            }
            if (end >= options.size())
                throw LineError(line, QStringLiteral("column %1: a \"(\" without its \")\"").arg(i + 1));
            ++end;
        } else {
            while (end < options.size() && !options[end].isSpace())
                ++end;
        }
        words.emplace_back(options.mid(i, end - i), int(i + 1));
        i = end;
    }
    return words;
}

// "when (expression)", or the short "when name=value" (value compared as
// text; "when worker=" means empty).
Expression conditionOf(const QString &word, int line, int column)
{
    if (word.startsWith(u'('))
        return Expression::parse(word.mid(1, word.size() - 2), line, column + 1);
    const auto m = condition.match(word);
    if (!m.hasMatch())
        return Expression::parse(word, line, column);
    QString value = m.captured(2);
    value.replace(QStringLiteral("'"), QStringLiteral("''"));
    // Columns of the short form point at the name, where the author looks.
    return Expression::parse(QStringLiteral("%1 = '%2'").arg(m.captured(1), value), line, column);
}


TotalKind totalWord(const QString &word, int line)
{
    static const QHash<QString, TotalKind> kinds{
        {QStringLiteral("sum"), TotalKind::Sum},         {QStringLiteral("count"), TotalKind::Count},
        {QStringLiteral("avg"), TotalKind::Average},     {QStringLiteral("average"), TotalKind::Average},
        {QStringLiteral("min"), TotalKind::Minimum},     {QStringLiteral("max"), TotalKind::Maximum},
        {QStringLiteral("distinct"), TotalKind::Distinct}};
    const auto found = kinds.constFind(word);
    if (found == kinds.constEnd())
        throw LineError(line, QStringLiteral("total \"%1\" should be sum, count, avg, min, max or distinct, "
                                             "or running sum [per group | per page]")
                                  .arg(word));
    return *found;
}

// "sum", or "running sum [per group | per page]".
void totalCell(const QString &cell, int line, Column &c)
{
    const QStringList words = cell.simplified().toLower().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    if (words[0] != u"running") {
        if (words.size() > 1)
            throw LineError(line, QStringLiteral("total \"%1\" should be one word, or running ...").arg(cell.trimmed()));
        c.total = totalWord(words[0], line);
        return;
    }
    if (words.size() < 2)
        throw LineError(line, QStringLiteral("\"running\" needs a total: running sum, running count ..."));
    c.running = totalWord(words[1], line);
    c.runningReset = RunningReset::Never;
    if (words.size() == 4 && words[2] == u"per" && (words[3] == u"group" || words[3] == u"page"))
        c.runningReset = words[3] == u"group" ? RunningReset::Group : RunningReset::Page;
    else if (words.size() != 2)
        throw LineError(line, QStringLiteral("a running total restarts \"per group\" or \"per page\", not \"%1\"")
                                  .arg(words.mid(2).join(u' ')));
}

Column columnLine(const QString &raw, int line)
{
    const QStringList cells = raw.split(u'|');
    if (cells.size() < 3 || cells.size() > 6)
        throw LineError(line, QStringLiteral("a column is: field | heading | width mm [| align [| format [| total]]]"));
    Column c;
    c.line = line;
    const QString field = cells[0].trimmed();
    if (field.startsWith(u'=')) {
        c.expression = Expression::parse(field.mid(1), line, int(raw.indexOf(u'=')) + 2);
    } else {
        c.field = field;
        if (!identifier.match(c.field).hasMatch())
            throw LineError(line, QStringLiteral("\"%1\" is not a field name (a computed column begins with =)").arg(c.field));
    }
    c.heading = cells[1].trimmed();
    c.width = positiveNumber(cells[2], QStringLiteral("width"), line);
    if (cells.size() > 3)
        c.alignment = alignmentWord(cells[3], line);
    if (cells.size() > 4)
        c.format = ValueFormat::parse(cells[4], line);
    if (cells.size() > 5)
        totalCell(cells[5], line, c);
    return c;
}

class Parser {
public:
    explicit Parser(ReportDefinition &definition) : def_(definition) {}

    void parse(const QString &text)
    {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            if (line.endsWith(u'\r'))
                line.chop(1);
            lineNumber_ = int(i + 1);
            const auto header = sectionLine.match(line);
            try {
                if (header.hasMatch())
                    beginSection(header.captured(1).simplified());
                else if (section_ != Section::Unknown)
                    content(line);
            } catch (const LineError &fault) {
                faults_.push_back(fault);
                if (header.hasMatch() && !started_)
                    return;  // nothing after a missing [report] can be read
                if (header.hasMatch())
                    section_ = Section::Unknown;  // its lines would only repeat the fault
            }
        }
        finish();
    }

    // Every fault found, in the order of the file.
    std::vector<LineError> faults_;

private:
    void beginSection(const QString &title)
    {
        endQuery();
        const QString lower = title.toLower();
        if (lower == u"report") {
            if (started_)
                fail(QStringLiteral("[report] must come once, first"));
            started_ = true;
            part_ = &def_.report;
            part_->line = lineNumber_;
            section_ = Section::Settings;
            return;
        }
        if (!started_)
            fail(QStringLiteral("the file must begin with [report]"));
        if (lower.startsWith(u"subreport ")) {
            const QString name = title.mid(10).trimmed();
            if (def_.subreport(name))
                fail(QStringLiteral("subreport \"%1\" is defined twice").arg(name));
            def_.subreports.emplace_back();
            part_ = &def_.subreports.back();
            part_->name = name;
            part_->fontSize = def_.report.fontSize;
            part_->line = lineNumber_;
            section_ = Section::Settings;
            seen_.clear();
            return;
        }
        if (lower == u"band") {
            part_->bands.emplace_back();
            part_->bands.back().line = lineNumber_;
            unitScale_ = pointsPerMm;
            bandMeasured_ = false;
            section_ = Section::Band;
            return;
        }
        if (lower.startsWith(u"group ")) {
            const QString field = title.mid(6).trimmed();
            if (!identifier.match(field).hasMatch())
                fail(QStringLiteral("\"%1\" is not a field name").arg(field));
            Group group;
            group.field = field;
            group.line = lineNumber_;
            part_->groups.push_back(std::move(group));
            section_ = Section::Group;
            return;
        }
        static const QHash<QString, Section> sections{
            {QStringLiteral("parameters"), Section::Parameters}, {QStringLiteral("query"), Section::Query},
            {QStringLiteral("header"), Section::Header},         {QStringLiteral("footer"), Section::Footer},
            {QStringLiteral("page header"), Section::PageHeader}, {QStringLiteral("page footer"), Section::PageFooter},
            {QStringLiteral("columns"), Section::Columns},        {QStringLiteral("crosstab"), Section::CrossTab}};
        const auto found = sections.constFind(lower);
        if (found == sections.constEnd())
            fail(QStringLiteral("unknown section [%1]").arg(title));
        if ((*found == Section::PageHeader || *found == Section::PageFooter) && part_ != &def_.report)
            fail(QStringLiteral("[%1] belongs to the report, before any [subreport]").arg(title));
        if (seen_.contains(lower))
            fail(QStringLiteral("[%1] appears twice in the same %2").arg(title, partWord()));
        seen_.insert(lower);
        section_ = *found;
        if (section_ == Section::Query)
            part_->queryLine = lineNumber_ + 1;
        if (section_ == Section::CrossTab)
            part_->crossTab.line = lineNumber_;
    }

    void content(const QString &line)
    {
        if (section_ == Section::Query) {
            queryLines_ << line;
            return;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            return;
        if (!started_)
            fail(QStringLiteral("the file must begin with [report]"));
        switch (section_) {
        case Section::Settings: setting(trimmed); break;
        case Section::Parameters: parameter(trimmed); break;
        case Section::Header: part_->header.push_back(textLine(line, lineNumber_, part_->fontSize)); break;
        case Section::Footer: part_->footer.push_back(textLine(line, lineNumber_, part_->fontSize)); break;
        case Section::PageHeader: def_.pageHeader.push_back(textLine(line, lineNumber_, part_->fontSize)); break;
        case Section::PageFooter: def_.pageFooter.push_back(textLine(line, lineNumber_, part_->fontSize)); break;
        case Section::Columns: part_->columns.push_back(columnLine(line, lineNumber_)); break;
        case Section::Group: groupSetting(trimmed); break;
        case Section::CrossTab: crossTabSetting(trimmed); break;
        case Section::Band: bandLine(line); break;
        case Section::Query:
        case Section::Unknown: break;
        }
    }

    std::pair<QString, QString> keyValue(const QString &line)
    {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            fail(QStringLiteral("expected \"name = value\""));
        return {line.left(eq).simplified().toLower(), line.mid(eq + 1).trimmed()};
    }

    void setting(const QString &line)
    {
        const auto [key, value] = keyValue(line);
        const bool isReport = part_ == &def_.report;
        if (key == u"font size") {
            part_->fontSize = positiveNumber(value, QStringLiteral("font size"), lineNumber_);
        } else if (key == u"total label") {
            part_->totalLabel = TextTemplate::parse(value, lineNumber_);
        } else if (isReport && key == u"paper") {
            static const QHash<QString, QPageSize::PageSizeId> papers{
                {QStringLiteral("letter"), QPageSize::Letter}, {QStringLiteral("a4"), QPageSize::A4},
                {QStringLiteral("legal"), QPageSize::Legal}};
            static const QRegularExpression millimetres(
                QStringLiteral("^(\\d+(?:\\.\\d+)?)\\s*[x\u00D7]\\s*(\\d+(?:\\.\\d+)?)(?:\\s*mm)?$"),
                QRegularExpression::CaseInsensitiveOption);
            const auto size = millimetres.match(value);
            if (size.hasMatch())
                def_.paper = QPageSize(QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()),
                                       QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
            else if (papers.contains(value.toLower()))
                def_.paper = QPageSize(papers.value(value.toLower()));
            else
                fail(QStringLiteral("paper \"%1\" should be letter, a4, legal or width x height in mm (216 x 140)")
                         .arg(value));
        } else if (isReport && key == u"orientation") {
            if (value.compare(u"landscape", Qt::CaseInsensitive) == 0)
                def_.landscape = true;
            else if (value.compare(u"portrait", Qt::CaseInsensitive) == 0)
                def_.landscape = false;
            else
                fail(QStringLiteral("orientation \"%1\" should be portrait or landscape").arg(value));
        } else if (isReport && key == u"font") {
            def_.fontFamily = value;
        } else if (isReport && key == u"margin") {
            def_.marginMm = positiveNumber(value, QStringLiteral("margin"), lineNumber_);
        } else if (!isReport && key == u"title") {
            part_->title = value;
        } else if (!isReport && key == u"new page") {
            part_->newPage = isYes(value, lineNumber_);
        } else {
            fail(QStringLiteral("unknown setting \"%1\" of a %2").arg(key, partWord()));
        }
    }

    void parameter(const QString &line)
    {
        const auto [key, value] = keyValue(line);
        const QString name = line.left(line.indexOf(u'=')).trimmed();
        if (!identifier.match(name).hasMatch())
            fail(QStringLiteral("\"%1\" is not a parameter name").arg(name));
        if (specialNames.contains(key))
            fail(QStringLiteral("\"%1\" is a report value's name; call the parameter otherwise").arg(name));
        if (part_->parameterIndex(name) >= 0)
            fail(QStringLiteral("parameter \"%1\" is defined twice").arg(name));
        static const QHash<QString, ParameterType> types{{QStringLiteral("text"), ParameterType::Text},
                                                         {QStringLiteral("date"), ParameterType::Date},
                                                         {QStringLiteral("number"), ParameterType::Number},
                                                         {QStringLiteral("boolean"), ParameterType::Boolean}};
        if (!types.contains(value.toLower()))
            fail(QStringLiteral("parameter type \"%1\" should be text, date, number or boolean").arg(value));
        part_->parameters.push_back({name, types.value(value.toLower()), lineNumber_});
    }

    void groupSetting(const QString &line)
    {
        const auto [key, value] = keyValue(line);
        Group &group = part_->groups.back();
        if (key == u"header")
            group.header.push_back(textLine(line.mid(line.indexOf(u'=') + 1), lineNumber_, part_->fontSize));
        else if (key == u"footer")
            group.footer = TextTemplate::parse(value, lineNumber_);
        else if (key == u"footer text")
            group.footerTexts.push_back(textLine(line.mid(line.indexOf(u'=') + 1), lineNumber_, part_->fontSize));
        else if (key == u"new page")
            group.newPage = isYes(value, lineNumber_);
        else if (key == u"repeat header")
            group.repeatHeader = isYes(value, lineNumber_);
        else if (key == u"keep together")
            group.keepTogether = isYes(value, lineNumber_);
        else if (key == u"subreport")
            group.subreports << value;
        else
            fail(QStringLiteral("a group has header, footer, footer text, new page, repeat header, keep together and "
                                "subreport, not \"%1\"")
                     .arg(key));
    }

    void crossTabSetting(const QString &line)
    {
        const auto [key, value] = keyValue(line);
        CrossTab &x = part_->crossTab;
        if (key == u"rows") {
            const QStringList cells = value.split(u'|');
            x.rowField = cells[0].trimmed();
            if (!identifier.match(x.rowField).hasMatch())
                fail(QStringLiteral("rows = field | heading | width mm, not \"%1\"").arg(value));
            x.rowHeading = cells.size() > 1 ? cells[1].trimmed() : x.rowField;
            if (cells.size() > 2)
                x.rowWidth = positiveNumber(cells[2], QStringLiteral("width"), lineNumber_);
        } else if (key == u"columns") {
            x.columnField = value;
            if (!identifier.match(value).hasMatch())
                fail(QStringLiteral("\"%1\" is not a field name").arg(value));
        } else if (key == u"value") {
            x.value = Expression::parse(value, lineNumber_, int(line.indexOf(u'=')) + 2);
        } else if (key == u"format") {
            x.format = ValueFormat::parse(value, lineNumber_);
        } else if (key == u"total heading") {
            x.totalHeading = value;
        } else {
            fail(QStringLiteral("a cross-tab has rows, columns, value, format and total heading, not \"%1\"").arg(key));
        }
    }

    void bandLine(const QString &line)
    {
        const auto [key, value] = keyValue(line);
        Band &band = part_->bands.back();
        if (key == u"unit") {
            if (bandMeasured_)
                fail(QStringLiteral("the unit comes before the band's measures"));
            if (value.compare(u"mm", Qt::CaseInsensitive) == 0)
                unitScale_ = pointsPerMm;
            else if (value.compare(u"twips", Qt::CaseInsensitive) == 0)
                unitScale_ = pointsPerTwip;
            else
                fail(QStringLiteral("unit \"%1\" should be mm or twips").arg(value));
            return;
        }
        bandMeasured_ = true;
        if (key == u"height")
            band.height = positiveNumber(value, QStringLiteral("height"), lineNumber_) * unitScale_;
        else if (key == u"new page")
            band.newPage = isYes(value, lineNumber_);
        else
            band.items.push_back(parseBandItem(key, line, lineNumber_, unitScale_, part_->fontSize, def_.fileName));
    }

    void endQuery()
    {
        if (section_ != Section::Query)
            return;
        while (!queryLines_.isEmpty() && queryLines_.last().trimmed().isEmpty())
            queryLines_.removeLast();
        part_->query = queryLines_.join(u'\n');
        queryLines_.clear();
        // A fault here is the query's own; the section that follows is read all the same.
        if (part_->query.trimmed().isEmpty()) {
            faults_.emplace_back(part_->queryLine - 1, QStringLiteral("[query] holds no statement"));
            return;
        }
        try {
            checkReadOnlyQuery(part_->query, part_->queryLine);
        } catch (const LineError &fault) {
            faults_.push_back(fault);
        }
    }

    void finish()
    {
        endQuery();
        if (!started_) {
            if (faults_.empty())
                faults_.emplace_back(1, QStringLiteral("the file must begin with [report]"));
            return;
        }
        checkPart(def_.report);
        for (const ReportPart &part : def_.subreports)
            checkPart(part);
        placeSubreports(def_.report, 0);
        for (size_t i = 0; i < def_.subreports.size(); ++i)
            placeSubreports(def_.subreports[i], i + 1);
        std::stable_sort(faults_.begin(), faults_.end(),
                         [](const LineError &a, const LineError &b) { return a.line() < b.line(); });
    }

    // A part places only subreports defined after it, so that none holds itself.
    void placeSubreports(const ReportPart &part, size_t firstAllowed)
    {
        const auto place = [&](const QString &name, int line) {
            for (size_t i = 0; i < def_.subreports.size(); ++i)
                if (def_.subreports[i].name.compare(name, Qt::CaseInsensitive) == 0) {
                    if (i < firstAllowed)
                        faults_.emplace_back(line, QStringLiteral("subreport \"%1\" is defined before the part that "
                                                                  "places it; place only later ones")
                                                       .arg(name));
                    def_.subreports[i].placed = true;
                    return;
                }
            faults_.emplace_back(line, QStringLiteral("the file has no subreport \"%1\"").arg(name));
        };
        for (const Group &group : part.groups)
            for (const QString &name : group.subreports)
                place(name, group.line);
        for (const Band &band : part.bands)
            for (const BandItem &item : band.items)
                if (item.kind == BandItem::Kind::Subreport)
                    place(item.subreport, item.line);
    }

    void checkPart(const ReportPart &part)
    {
        if (!part.bands.empty() && (!part.columns.empty() || !part.crossTab.isEmpty() || !part.groups.empty()))
            faults_.emplace_back(part.bands.front().line,
                                 QStringLiteral("a part is a list ([columns], [group], [crosstab]) or a form ([band]), "
                                                "not both"));
        if (const CrossTab &x = part.crossTab; !x.isEmpty()) {
            if (x.rowField.isEmpty() || x.columnField.isEmpty() || x.value.isEmpty())
                faults_.emplace_back(x.line, QStringLiteral("a cross-tab needs rows, columns and value"));
            if (!part.columns.empty())
                faults_.emplace_back(x.line, QStringLiteral("a part has [columns] or [crosstab], not both"));
            if (part.query.isEmpty())
                faults_.emplace_back(x.line, QStringLiteral("a cross-tab without a [query] to fill it"));
        }
        if (!part.columns.empty() && part.query.isEmpty())
            faults_.emplace_back(part.columns.front().line, QStringLiteral("columns without a [query] to fill them"));
        double width = 0;
        for (const Column &c : part.columns) {
            width += c.width;
            if (width > def_.bodyWidthMm() + 0.01) {
                faults_.emplace_back(c.line, QStringLiteral("the columns are %1 mm wide up to here; the page has %2 mm")
                                                 .arg(width, 0, 'f', 1)
                                                 .arg(def_.bodyWidthMm(), 0, 'f', 1));
                break;
            }
        }
        checkPartNames(def_, part, nullptr, faults_);
    }

    QString partWord() const { return part_ == &def_.report ? QStringLiteral("report") : QStringLiteral("subreport"); }
    [[noreturn]] void fail(const QString &reason) const { throw LineError(lineNumber_, reason); }

    ReportDefinition &def_;
    ReportPart *part_ = nullptr;
    Section section_ = Section::Settings;
    bool started_ = false;
    int lineNumber_ = 0;
    QSet<QString> seen_;
    QStringList queryLines_;
    double unitScale_ = pointsPerMm;  // the current band's unit in points
    bool bandMeasured_ = false;       // the current band has given a measure
};

} // namespace

double positiveNumber(const QString &text, const QString &what, int line)
{
    bool ok = false;
    const double n = text.trimmed().toDouble(&ok);
    if (!ok || n <= 0)
        throw LineError(line, QStringLiteral("%1 \"%2\" is not a positive number").arg(what, text.trimmed()));
    return n;
}

TextLine textLine(const QString &raw, int line, double defaultSize, bool isExpression)
{
    TextLine result;
    result.line = line;
    result.style.size = defaultSize;
    QString text = raw.trimmed();
    int textColumn = int(raw.indexOf(text)) + 1;
    const qsizetype bar = raw.indexOf(u'|');
    if (bar >= 0) {
        text = raw.mid(bar + 1).trimmed();
        textColumn = int(raw.indexOf(text, bar + 1)) + 1;
        const auto words = optionWords(raw.left(bar), line);
        for (size_t i = 0; i < words.size(); ++i) {
            const QString w = words[i].first.toLower();
            bool isNumber = false;
            const double size = w.toDouble(&isNumber);
            if (w == u"left" || w == u"center" || w == u"centre" || w == u"right")
                result.alignment = alignmentWord(w, line);
            else if (w == u"bold")
                result.style.bold = true;
            else if (w == u"italic")
                result.style.italic = true;
            else if (w == u"same")
                result.sameLine = true;
            else if (w == u"size" && i + 1 < words.size())
                result.style.size = positiveNumber(words[++i].first, QStringLiteral("size"), line);
            else if (isNumber && size > 0)
                result.style.size = size;
            else if (w == u"when" && i + 1 < words.size()) {
                ++i;
                result.condition = conditionOf(words[i].first, line, words[i].second);
            } else
                throw LineError(line, QStringLiteral("unknown text option \"%1\" (left, center, right, bold, italic, "
                                                     "size N, same, when (condition))")
                                          .arg(words[i].first));
        }
    }
    if (isExpression)
        result.text = TextTemplate::parse(u'{' + text + u'}', line, std::max(textColumn, 1) - 1);
    else
        result.text = TextTemplate::parse(text, line, std::max(textColumn, 1));
    return result;
}

std::vector<DefinitionError> definitionFaults(const QString &text, const QString &fileName,
                                              ReportDefinition *definition)
{
    ReportDefinition read;
    read.fileName = fileName;
    Parser parser(read);
    parser.parse(text);
    std::vector<DefinitionError> faults;
    for (const LineError &fault : parser.faults_)
        faults.emplace_back(fileName, fault.line(), fault.reason());
    if (definition)
        *definition = std::move(read);
    return faults;
}

ReportDefinition parseDefinition(const QString &text, const QString &fileName)
{
    ReportDefinition definition;
    const std::vector<DefinitionError> faults = definitionFaults(text, fileName, &definition);
    if (!faults.empty())
        throw faults.front();
    return definition;
}

ReportDefinition loadDefinition(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw DefinitionError(path, 0, QStringLiteral("the file does not exist"));
    if (!file.open(QIODevice::ReadOnly))
        throw DefinitionError(path, 0, QStringLiteral("the file cannot be read: %1").arg(file.errorString()));
    return parseDefinition(QString::fromUtf8(file.readAll()), path);
}

} // namespace pwo::reports
