#include "TextTemplate.h"

#include "DefinitionError.h"

namespace pwo::reports {

TextTemplate TextTemplate::parse(const QString &text, int line)
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
            throw LineError(line, QStringLiteral("a \"}\" without its \"{\" (write \"}}\" for the brace itself)"));
        if (c != u'{') {
            literal += c;
            continue;
        }
        const qsizetype close = text.indexOf(u'}', i + 1);
        if (close < 0)
            throw LineError(line, QStringLiteral("a \"{\" without its \"}\" (write \"{{\" for the brace itself)"));
        const QString inside = text.mid(i + 1, close - i - 1);
        const qsizetype colon = inside.indexOf(u':');
        const QString name = (colon < 0 ? inside : inside.left(colon)).trimmed();
        if (name.isEmpty())
            throw LineError(line, QStringLiteral("\"{%1}\" names no value").arg(inside));
        flushLiteral();
        result.pieces_.push_back({{}, name, colon < 0 ? ValueFormat() : ValueFormat::parse(inside.mid(colon + 1), line)});
        i = close;
    }
    flushLiteral();
    return result;
}

QString TextTemplate::expand(const Lookup &lookup) const
{
    QString out;
    for (const Piece &piece : pieces_) {
        if (piece.name.isEmpty()) {
            out += piece.literal;
            continue;
        }
        const std::optional<Value> value = lookup(piece.name);
        if (!value)
            throw LineError(line_, QStringLiteral("\"{%1}\" is no parameter, field or report value").arg(piece.name));
        out += piece.format.apply(*value);
    }
    return out;
}

bool TextTemplate::mentions(const QString &name) const
{
    for (const Piece &piece : pieces_)
        if (piece.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace pwo::reports
