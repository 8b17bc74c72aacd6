#include "QueryBinding.h"

#include "DefinitionError.h"

#include "data/SqlText.h"

namespace pwo::reports {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool isEmptyValue(const std::optional<Value> &value)
{
    return !value || value->isNull() || (value->isText() && value->text().trimmed().isEmpty());
}

} // namespace

Value typedValue(const ParameterField &field, const std::optional<Value> &value)
{
    if (field.type == ParameterType::Text)
        return value ? Value(value->text()) : Value(QString());
    if (isEmptyValue(value))
        return Value::null();
    if (field.type == ParameterType::Date) {
        if (value->isDateTime())
            return *value;
        bool ok = false;
        const QDateTime moment = parseDateTimeText(value->text().trimmed(), &ok);
        if (!ok)
            throw LineError(field.line, QStringLiteral("parameter %1 was given \"%2\", which is not a date (mm/dd/yyyy)")
                                            .arg(field.name, value->text()));
        return moment;
    }
    if (field.type == ParameterType::Boolean) {
        // The callers pass "true" and "false"; the server takes 1 and 0.
        const QString word = value->text().trimmed().toLower();
        if (word == u"true" || word == u"1" || word == u"yes")
            return Value(1);
        if (word == u"false" || word == u"0" || word == u"no")
            return Value(0);
        throw LineError(field.line, QStringLiteral("parameter %1 was given \"%2\", which is not true or false")
                                        .arg(field.name, value->text()));
    }
    if (value->isNumber())
        return *value;
    bool ok = false;
    const double n = value->text().trimmed().toDouble(&ok);
    if (!ok)
        throw LineError(field.line,
                        QStringLiteral("parameter %1 was given \"%2\", which is not a number").arg(field.name, value->text()));
    return n;
}

namespace {

QString literalFor(const ParameterField &field, const std::optional<Value> &value)
{
    const Value typed = typedValue(field, value);
    switch (field.type) {
    case ParameterType::Text: return sql::quoted(typed.text());
    case ParameterType::Date:
        // Converted where it stands, so that it compares as a date on either server.
        return typed.isNull() ? QStringLiteral("NULL")
                              : QStringLiteral("CONVERT(DATETIME, %1)").arg(sql::quoted(sql::dateText(typed.toDate())));
    case ParameterType::Number:
    case ParameterType::Boolean: return typed.isNull() ? QStringLiteral("NULL") : sql::numberText(typed.toNumber());
    }
    return QStringLiteral("NULL");
}

// Index just past the end of the quoted, bracketed or comment text at i.
qsizetype skipUntouched(const QString &q, qsizetype i)
{
    const QChar c = q[i];
    const auto skipTo = [&](QChar close) {
        for (qsizetype j = i + 1; j < q.size(); ++j) {
            if (q[j] != close)
                continue;
            if (j + 1 < q.size() && q[j + 1] == close && close != u']') {
                ++j;  // a doubled quote inside the text
                continue;
            }
            return j + 1;
        }
        return q.size();
    };
    if (c == u'\'' || c == u'"')
        return skipTo(c);
    if (c == u'[')
        return skipTo(u']');
    if (c == u'-' && i + 1 < q.size() && q[i + 1] == u'-') {
        const qsizetype end = q.indexOf(u'\n', i);
        return end < 0 ? q.size() : end;
    }
    if (c == u'/' && i + 1 < q.size() && q[i + 1] == u'*') {
        const qsizetype end = q.indexOf(QStringLiteral("*/"), i + 2);
        return end < 0 ? q.size() : end + 2;
    }
    return i;
}

} // namespace

QString bindQuery(const ReportPart &part, const ParameterValues &values)
{
    const QString &q = part.query;
    QString out;
    out.reserve(q.size() + 64);
    int line = part.queryLine;
    for (qsizetype i = 0; i < q.size();) {
        const qsizetype past = skipUntouched(q, i);
        if (past > i) {
            const QStringView untouched = QStringView(q).mid(i, past - i);
            line += int(untouched.count(u'\n'));
            out += untouched;
            i = past;
            continue;
        }
        const QChar c = q[i];
        if (c == u'\n')
            ++line;
        if (c != u'@' || (i > 0 && isNameChar(q[i - 1]))) {
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (end < q.size() && q[end] == u'@') {  // @@ROWCOUNT and the like
            while (end < q.size() && (q[end] == u'@' || isNameChar(q[end])))
                ++end;
            out += QStringView(q).mid(i, end - i);
            i = end;
            continue;
        }
        while (end < q.size() && isNameChar(q[end]))
            ++end;
        const QString name = q.mid(i + 1, end - i - 1);
        const int index = part.parameterIndex(name);
        if (index < 0)
            throw LineError(line, QStringLiteral("the query uses @%1, which is not a parameter of this %2")
                                      .arg(name, part.name.isEmpty() ? QStringLiteral("report")
                                                                     : QStringLiteral("subreport")));
        const std::optional<Value> &value = size_t(index) < values.size() ? values[size_t(index)] : std::nullopt;
        out += literalFor(part.parameters[size_t(index)], value);
        i = end;
    }
    return out;
}

} // namespace pwo::reports
