#include "DefinitionParser.h"

#include "DefinitionError.h"

#include <QFile>
#include <QRegularExpression>

namespace pwo::reports {

namespace {

enum class Section { Settings, Parameters, Query, Header, Footer, PageHeader, PageFooter, Columns, Group };

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

double positiveNumber(const QString &text, const QString &what, int line)
{
    bool ok = false;
    const double n = text.trimmed().toDouble(&ok);
    if (!ok || n <= 0)
        throw LineError(line, QStringLiteral("%1 \"%2\" is not a positive number").arg(what, text.trimmed()));
    return n;
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

// "[options] | text", or plain text.
TextLine textLine(const QString &raw, int line, double defaultSize)
{
    TextLine result;
    result.line = line;
    result.style.size = defaultSize;
    QString text = raw.trimmed();
    const qsizetype bar = raw.indexOf(u'|');
    if (bar >= 0) {
        text = raw.mid(bar + 1).trimmed();
        const QStringList words = raw.left(bar).split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString w = words[i].toLower();
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
                result.style.size = positiveNumber(words[++i], QStringLiteral("size"), line);
            else if (isNumber && size > 0)
                result.style.size = size;
            else if (w == u"when" && i + 1 < words.size()) {
                const auto m = condition.match(words[++i]);
                if (!m.hasMatch())
                    throw LineError(line, QStringLiteral("\"when\" needs name=value, not \"%1\"").arg(words[i]));
                result.conditionName = m.captured(1);
                result.conditionValue = m.captured(2);
            } else
                throw LineError(line, QStringLiteral("unknown text option \"%1\" (left, center, right, bold, italic, "
                                                     "size N, same, when name=value)")
                                          .arg(words[i]));
        }
    }
    result.text = TextTemplate::parse(text, line);
    return result;
}

Column columnLine(const QString &raw, int line)
{
    const QStringList cells = raw.split(u'|');
    if (cells.size() < 3 || cells.size() > 6)
        throw LineError(line, QStringLiteral("a column is: field | heading | width mm [| align [| format [| total]]]"));
    Column c;
    c.line = line;
    c.field = cells[0].trimmed();
    if (!identifier.match(c.field).hasMatch())
        throw LineError(line, QStringLiteral("\"%1\" is not a field name").arg(c.field));
    c.heading = cells[1].trimmed();
    c.width = positiveNumber(cells[2], QStringLiteral("width"), line);
    if (cells.size() > 3)
        c.alignment = alignmentWord(cells[3], line);
    if (cells.size() > 4)
        c.format = ValueFormat::parse(cells[4], line);
    if (cells.size() > 5) {
        const QString total = cells[5].trimmed().toLower();
        if (total == u"sum")
            c.total = TotalKind::Sum;
        else if (total == u"count")
            c.total = TotalKind::Count;
        else if (!total.isEmpty())
            throw LineError(line, QStringLiteral("total \"%1\" should be sum or count").arg(cells[5].trimmed()));
    }
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
            if (header.hasMatch())
                beginSection(header.captured(1).simplified());
            else
                content(line);
        }
        finish();
    }

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
        if (lower.startsWith(u"group ")) {
            const QString field = title.mid(6).trimmed();
            if (!identifier.match(field).hasMatch())
                fail(QStringLiteral("\"%1\" is not a field name").arg(field));
            part_->groups.push_back({field, {}, {}, lineNumber_});
            section_ = Section::Group;
            return;
        }
        static const QHash<QString, Section> sections{
            {QStringLiteral("parameters"), Section::Parameters}, {QStringLiteral("query"), Section::Query},
            {QStringLiteral("header"), Section::Header},         {QStringLiteral("footer"), Section::Footer},
            {QStringLiteral("page header"), Section::PageHeader}, {QStringLiteral("page footer"), Section::PageFooter},
            {QStringLiteral("columns"), Section::Columns}};
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
        case Section::Query: break;
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
            if (!papers.contains(value.toLower()))
                fail(QStringLiteral("paper \"%1\" should be letter, a4 or legal").arg(value));
            def_.paper = papers.value(value.toLower());
        } else if (isReport && key == u"orientation") {
            if (value.compare(u"landscape", Qt::CaseInsensitive) == 0)
                def_.landscape = true;
            else if (value.compare(u"portrait", Qt::CaseInsensitive) == 0)
                def_.landscape = false;
            else
                fail(QStringLiteral("orientation \"%1\" should be portrait or landscape").arg(value));
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
                                                         {QStringLiteral("number"), ParameterType::Number}};
        if (!types.contains(value.toLower()))
            fail(QStringLiteral("parameter type \"%1\" should be text, date or number").arg(value));
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
        else
            fail(QStringLiteral("a group has header and footer, not \"%1\"").arg(key));
    }

    void endQuery()
    {
        if (section_ != Section::Query)
            return;
        while (!queryLines_.isEmpty() && queryLines_.last().trimmed().isEmpty())
            queryLines_.removeLast();
        part_->query = queryLines_.join(u'\n');
        queryLines_.clear();
        if (part_->query.trimmed().isEmpty())
            throw LineError(part_->queryLine - 1, QStringLiteral("[query] holds no statement"));
    }

    void finish()
    {
        endQuery();
        if (!started_)
            throw LineError(1, QStringLiteral("the file must begin with [report]"));
        checkPart(def_.report);
        for (const ReportPart &part : def_.subreports)
            checkPart(part);
    }

    void checkPart(const ReportPart &part)
    {
        if (!part.columns.empty() && part.query.isEmpty())
            throw LineError(part.columns.front().line, QStringLiteral("columns without a [query] to fill them"));
        double width = 0;
        for (const Column &c : part.columns) {
            width += c.width;
            if (width > def_.bodyWidthMm() + 0.01)
                throw LineError(c.line, QStringLiteral("the columns are %1 mm wide up to here; the page has %2 mm")
                                            .arg(width, 0, 'f', 1)
                                            .arg(def_.bodyWidthMm(), 0, 'f', 1));
        }
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
};

} // namespace

ReportDefinition parseDefinition(const QString &text, const QString &fileName)
{
    ReportDefinition definition;
    definition.fileName = fileName;
    try {
        Parser(definition).parse(text);
    } catch (const LineError &error) {
        throw DefinitionError(fileName, error.line(), error.reason());
    }
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
