#include "NameCheck.h"

#include <algorithm>

namespace pwo::reports {

namespace {

ValueKind kindOfParameter(ParameterType type)
{
    switch (type) {
    case ParameterType::Text: return ValueKind::Text;
    case ParameterType::Date: return ValueKind::Date;
    case ParameterType::Number: return ValueKind::Number;
    case ParameterType::Boolean: return ValueKind::Boolean;
    }
    return ValueKind::Unknown;
}

class PartNames {
public:
    PartNames(const ReportPart &part, const QStringList *fields, std::vector<LineError> &faults)
        : part_(part), fields_(fields), faults_(faults)
    {
    }

    std::optional<ValueKind> kindOf(const QString &name) const
    {
        const QString key = name.toLower();
        if (key == u"page" || key == u"pages")
            return ValueKind::Number;
        if (specialNames.contains(key))
            return ValueKind::Text;
        const int p = part_.parameterIndex(name);
        if (p >= 0)
            return kindOfParameter(part_.parameters[size_t(p)].type);
        if (part_.query.isEmpty())
            return std::nullopt;
        if (!fields_ || fields_->contains(name, Qt::CaseInsensitive))
            return ValueKind::Unknown;
        return std::nullopt;
    }

    void expression(const Expression &e)
    {
        if (e.isEmpty())
            return;
        try {
            e.check([this](const QString &name) { return kindOf(name); });
        } catch (const LineError &fault) {
            faults_.push_back(fault);
        }
    }

    void text(const TextTemplate &t)
    {
        for (const Expression *e : t.expressions())
            expression(*e);
    }

    void lines(const std::vector<TextLine> &lines)
    {
        for (const TextLine &line : lines) {
            expression(line.condition);
            text(line.text);
        }
    }

    void field(const QString &name, int line, const char *what)
    {
        if (fields_ && !fields_->contains(name, Qt::CaseInsensitive))
            faults_.emplace_back(line, QStringLiteral("the query returns no field \"%1\"%2").arg(name, QLatin1String(what)));
    }

    // A placed subreport's parameters take the values of the same names where it is placed.
    void binding(const ReportPart *subreport, int line)
    {
        if (!subreport)
            return;  // the parser has said so
        for (const ParameterField &field : subreport->parameters)
            if (!kindOf(field.name))
                faults_.emplace_back(line, QStringLiteral("subreport \"%1\" takes %2, which nothing has here")
                                               .arg(subreport->name, field.name));
    }

private:
    const ReportPart &part_;
    const QStringList *fields_;
    std::vector<LineError> &faults_;
};

} // namespace

void checkPartNames(const ReportDefinition &definition, const ReportPart &part, const QStringList *fields,
                    std::vector<LineError> &faults)
{
    const size_t first = faults.size();
    PartNames names(part, fields, faults);
    names.lines(part.header);
    names.lines(part.footer);
    names.text(part.totalLabel);
    if (&part == &definition.report) {
        names.lines(definition.pageHeader);
        names.lines(definition.pageFooter);
    }
    for (const Column &c : part.columns) {
        names.expression(c.expression);
        if (!c.isRowNumber() && c.expression.isEmpty())
            names.field(c.field, c.line, "");
    }
    if (const CrossTab &x = part.crossTab; !x.isEmpty()) {
        if (!x.rowField.isEmpty())
            names.field(x.rowField, x.line, " for the cross-tab's rows");
        if (!x.columnField.isEmpty())
            names.field(x.columnField, x.line, " for the cross-tab's columns");
        names.expression(x.value);
    }
    for (const Group &g : part.groups) {
        names.field(g.field, g.line, " to group on");
        names.lines(g.header);
        names.text(g.footer);
        names.lines(g.footerTexts);
        for (const QString &name : g.subreports)
            names.binding(definition.subreport(name), g.line);
    }
    for (const Band &band : part.bands)
        for (const BandItem &item : band.items) {
            names.expression(item.text.condition);
            names.text(item.text.text);
            names.expression(item.flag);
            if (item.kind == BandItem::Kind::Subreport)
                names.binding(definition.subreport(item.subreport), item.line);
        }
    std::stable_sort(faults.begin() + qsizetype(first), faults.end(),
                     [](const LineError &a, const LineError &b) { return a.line() < b.line(); });
}

} // namespace pwo::reports
