#include "ReadOnlyQuery.h"

#include "DefinitionError.h"

#include <QSet>

#include <vector>

namespace pwo::reports {

namespace {

struct Token {
    QString word;  // upper case; empty for a symbol
    QChar symbol;
    int line = 0;
};

// Words that write, call procedures, hold transactions or change the
// session; none has a place in a query that only reads.
const QSet<QString> refusedWords{
    QStringLiteral("INSERT"),   QStringLiteral("UPDATE"),      QStringLiteral("DELETE"),
    QStringLiteral("MERGE"),    QStringLiteral("TRUNCATE"),    QStringLiteral("INTO"),
    QStringLiteral("EXEC"),     QStringLiteral("EXECUTE"),     QStringLiteral("DROP"),
    QStringLiteral("CREATE"),   QStringLiteral("ALTER"),       QStringLiteral("GRANT"),
    QStringLiteral("REVOKE"),   QStringLiteral("DENY"),        QStringLiteral("DECLARE"),
    QStringLiteral("SET"),      QStringLiteral("BEGIN"),       QStringLiteral("COMMIT"),
    QStringLiteral("ROLLBACK"), QStringLiteral("SAVE"),        QStringLiteral("USE"),
    QStringLiteral("BACKUP"),   QStringLiteral("RESTORE"),     QStringLiteral("DBCC"),
    QStringLiteral("KILL"),     QStringLiteral("SHUTDOWN"),    QStringLiteral("WAITFOR"),
    QStringLiteral("RECONFIGURE"), QStringLiteral("OPENROWSET"), QStringLiteral("OPENQUERY"),
    QStringLiteral("OPENDATASOURCE"), QStringLiteral("BULK"),  QStringLiteral("PRAGMA"),
    QStringLiteral("ATTACH"),   QStringLiteral("DETACH"),      QStringLiteral("VACUUM"),
    QStringLiteral("REINDEX")};

const QSet<QString> setOperators{QStringLiteral("UNION"), QStringLiteral("ALL"), QStringLiteral("EXCEPT"),
                                 QStringLiteral("INTERSECT")};

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// The words and symbols of the query; quoted text, bracketed names and
// comments are passed over, counting their lines.
std::vector<Token> tokens(const QString &q, int firstLine)
{
    std::vector<Token> out;
    int line = firstLine;
    const auto skipTo = [&](qsizetype from, const QString &close) {
        const qsizetype end = q.indexOf(close, from);
        const qsizetype past = end < 0 ? q.size() : end + close.size();
        line += int(QStringView(q).mid(from, past - from).count(u'\n'));
        return past;
    };
    for (qsizetype i = 0; i < q.size();) {
        const QChar c = q[i];
        const QChar next = i + 1 < q.size() ? q[i + 1] : QChar();
        if (c == u'\n') {
            ++line;
            ++i;
        } else if (c.isSpace()) {
            ++i;
        } else if (c == u'\'' || c == u'"') {
            // A doubled quote inside the text reads as the end and a new start: the same skip.
            i = skipTo(i + 1, QString(c));
        } else if (c == u'[') {
            i = skipTo(i + 1, QStringLiteral("]"));
        } else if (c == u'-' && next == u'-') {
            const qsizetype end = q.indexOf(u'\n', i);  // the newline is counted when reached
            i = end < 0 ? q.size() : end;
        } else if (c == u'/' && next == u'*') {
            i = skipTo(i + 2, QStringLiteral("*/"));
        } else if (isWordChar(c)) {
            qsizetype end = i;
            while (end < q.size() && (isWordChar(q[end]) || q[end] == u'.'))
                ++end;
            out.push_back({q.mid(i, end - i).toUpper(), {}, line});
            i = end;
        } else {
            out.push_back({{}, c, line});
            ++i;
        }
    }
    return out;
}

[[noreturn]] void refuse(const Token &token, const QString &reason)
{
    throw LineError(token.line, reason);
}

} // namespace

void checkReadOnlyQuery(const QString &query, int firstLine)
{
    const std::vector<Token> list = tokens(query, firstLine);
    if (list.empty())
        throw LineError(firstLine, QStringLiteral("the query holds no statement"));
    const Token &first = list.front();
    if (first.word != u"SELECT" && first.word != u"WITH")
        refuse(first, QStringLiteral("a report only reads: its query must be one SELECT (or WITH ... SELECT), not \"%1\"")
                          .arg(first.word.isEmpty() ? QString(first.symbol) : first.word));
    int depth = 0;
    int topLevelSelects = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        const Token &t = list[i];
        if (t.word.isEmpty()) {
            if (t.symbol == u'(')
                ++depth;
            else if (t.symbol == u')')
                depth = std::max(0, depth - 1);
            else if (t.symbol == u';' && i + 1 < list.size())
                refuse(list[i + 1], QStringLiteral("a report's query is one statement; another begins after the \";\""));
            continue;
        }
        // The words of a qualified name (PWO..tbX.Col) are checked one by one.
        for (const QString &part : t.word.split(u'.', Qt::SkipEmptyParts))
            if (refusedWords.contains(part))
                refuse(t, QStringLiteral("a report only reads: %1 has no place in its query").arg(part));
        if (t.word == u"SELECT" && depth == 0) {
            const bool joined = i > 0 && setOperators.contains(list[i - 1].word);
            if (topLevelSelects > 0 && !joined)
                refuse(t, QStringLiteral("a report's query is one SELECT; a second statement begins here"));
            ++topLevelSelects;
        }
    }
    if (topLevelSelects == 0)
        refuse(first, QStringLiteral("a report only reads: WITH must lead to a SELECT"));
}

} // namespace pwo::reports
