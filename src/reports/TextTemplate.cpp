#include "TextTemplate.h"

#include "DefinitionError.h"

namespace pwo::reports {

namespace {

// The end of the braced text from `from`, and its first colon outside quotes
// (-1 when none); quotes may hold braces and colons.
std::pair<qsizetype, qsizetype> bracedEnd(const QString &text, qsizetype from)
{
    QChar quote;
    qsizetype colon = -1;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u':' && colon < 0) {
            colon = i;
        } else if (c == u'}') {
            return {i, colon};
        }
    }
    return {-1, colon};
}

} // namespace

TextTemplate TextTemplate::parse(const QString &text, int line, int column)
{
    TextTemplate result;
    result.line_ = line;
    QString literal;
    const auto flushLiteral = [&] {
        if (!literal.isEmpty())
            result.pieces_.push_back({literal, {}, {}});
        literal.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == u'{' || c == u'}') && i + 1 < text.size() && text[i + 1] == c) {
            literal += c;
            ++i;
            continue;
        }
        if (c == u'}')
            throw LineError(line, QStringLiteral("column %1: a \"}\" without its \"{\" (write \"}}\" for the brace itself)")
                                      .arg(column + int(i)));
        if (c != u'{') {
            literal += c;
            continue;
        }
        const auto [close, colon] = bracedEnd(text, i + 1);
        if (close < 0)
            throw LineError(line, QStringLiteral("column %1: a \"{\" without its \"}\" (write \"{{\" for the brace itself)")
                                      .arg(column + int(i)));
        const qsizetype expressionEnd = colon < 0 ? close : colon;
        const QString inside = text.mid(i + 1, expressionEnd - i - 1);
        if (inside.trimmed().isEmpty())
            throw LineError(line, QStringLiteral("column %1: \"{%2}\" names no value")
                                      .arg(column + int(i))
                                      .arg(text.mid(i + 1, close - i - 1)));
        flushLiteral();
        result.pieces_.push_back({{},
                                  Expression::parse(inside, line, column + int(i) + 1),
                                  colon < 0 ? ValueFormat() : ValueFormat::parse(text.mid(colon + 1, close - colon - 1), line)});
        i = close;
    }
    flushLiteral();
    return result;
}

QString TextTemplate::expand(const EvaluationScope &scope) const
{
    QString out;
    for (const Piece &piece : pieces_) {
        if (piece.expression.isEmpty())
            out += piece.literal;
        else
            out += piece.format.apply(piece.expression.evaluate(scope));
    }
    return out;
}

bool TextTemplate::mentions(const QString &name) const
{
    for (const Piece &piece : pieces_)
        if (piece.expression.mentions(name))
            return true;
    return false;
}

std::vector<const Expression *> TextTemplate::expressions() const
{
    std::vector<const Expression *> out;
    for (const Piece &piece : pieces_)
        if (!piece.expression.isEmpty())
            out.push_back(&piece.expression);
    return out;
}

} // namespace pwo::reports
