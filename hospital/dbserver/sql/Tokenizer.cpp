#include "Tokenizer.h"

namespace hospital::dbserver {

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Scanner {
public:
    explicit Scanner(QStringView text) : text_(text) { tokens_.reserve(std::size_t(text.size() / 4 + 4)); }

    std::vector<Token> run()
    {
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (c.isSpace())
                ++pos_;
            else if (c == u'-' && at(1) == u'-')
                skipLineComment();
            else if (c == u'/' && at(1) == u'*') {
                if (!skipBlockComment())
                    break;
            } else if (!scanToken(c))
                break;
        }
        return std::move(tokens_);
    }

private:
    QChar at(qsizetype ahead) const
    {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : QChar();
    }

    void add(TokenKind kind, qsizetype start)
    {
        Token token;
        token.kind = kind;
        token.text = text_.sliced(start, pos_ - start);
        if (kind == TokenKind::Word)
            token.keyword = keywordOf(token.text);
        tokens_.push_back(token);
    }

    // The rest of the text is one Invalid token; scanning stops.
    void addUnterminated(qsizetype start)
    {
        pos_ = text_.size();
        add(TokenKind::Invalid, start);
    }

    void skipLineComment()
    {
        while (pos_ < text_.size() && text_[pos_] != u'\n')
            ++pos_;
    }

    // The server nests block comments.
    bool skipBlockComment()
    {
        const qsizetype start = pos_;
        int depth = 0;
        while (pos_ < text_.size()) {
            if (text_[pos_] == u'/' && at(1) == u'*') {
                ++depth;
                pos_ += 2;
            } else if (text_[pos_] == u'*' && at(1) == u'/') {
                pos_ += 2;
                if (--depth == 0)
                    return true;
            } else {
                ++pos_;
            }
        }
        addUnterminated(start);
        return false;
    }

    // Returns false when scanning has to stop.
    bool scanToken(QChar c)
    {
        const qsizetype start = pos_;
        if (c == u'\'')
            return scanQuoted(start, 0, u'\'', TokenKind::String);
        if ((c == u'N' || c == u'n') && at(1) == u'\'')
            return scanQuoted(start, 1, u'\'', TokenKind::String);
        if (c == u'[')
            return scanQuoted(start, 0, u']', TokenKind::QuotedName);
        if (c == u'"')
            return scanQuoted(start, 0, u'"', TokenKind::QuotedName);
        if (isDigit(c) || (c == u'.' && isDigit(at(1)) && !followsName()))
            scanNumber(start);
        else if (c == u'@' || c == u'#')
            scanPrefixedName(start, c);
        else if (isNameStart(c))
            scanWord(start);
        else
            scanSymbol(start);
        return true;
    }

    // `close` doubled inside the quotes stands for itself.
    bool scanQuoted(qsizetype start, qsizetype prefix, QChar close, TokenKind kind)
    {
        pos_ += prefix + 1;
        while (pos_ < text_.size()) {
            if (text_[pos_] == close) {
                if (at(1) != close) {
                    ++pos_;
                    add(kind, start);
                    return true;
                }
                pos_ += 2;
            } else {
                ++pos_;
            }
        }
        addUnterminated(start);
        return false;
    }

    // After a name, ".5" is a dot and a number, not the number 0.5.
    bool followsName() const
    {
        if (tokens_.empty())
            return false;
        return tokens_.back().isName();
    }

    void scanDigits()
    {
        while (isDigit(at(0)))
            ++pos_;
    }

    void scanNumber(qsizetype start)
    {
        scanDigits();
        if (at(0) == u'.') {
            ++pos_;
            scanDigits();
        }
        const bool signedExponent = (at(1) == u'+' || at(1) == u'-') && isDigit(at(2));
        if ((at(0) == u'e' || at(0) == u'E') && (isDigit(at(1)) || signedExponent)) {
            pos_ += signedExponent ? 2 : 1;
            scanDigits();
        }
        add(TokenKind::Number, start);
    }

    void scanPrefixedName(qsizetype start, QChar prefix)
    {
        while (at(0) == prefix)
            ++pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        add(prefix == u'@' ? TokenKind::Variable : TokenKind::TempName, start);
    }

    void scanWord(qsizetype start)
    {
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        add(TokenKind::Word, start);
    }

    void scanSymbol(qsizetype start)
    {
        static constexpr QStringView pairs[] = {u"<>", u"!=", u"<=", u">=", u"!<", u"!>"};
        for (QStringView pair : pairs) {
            if (text_.sliced(pos_).startsWith(pair)) {
                pos_ += 2;
                add(TokenKind::Symbol, start);
                return;
            }
        }
        static constexpr QStringView singles = u"(),.;+-*/%=<>&|^~";
        ++pos_;
        add(singles.contains(text_[start]) ? TokenKind::Symbol : TokenKind::Invalid, start);
    }

    QStringView text_;
    qsizetype pos_ = 0;
    std::vector<Token> tokens_;
};

QString undoubled(QStringView quoted, QChar quote)
{
    QString value = quoted.sliced(1, quoted.size() - 2).toString();
    value.replace(QString(2, quote), QString(quote));
    return value;
}

} // namespace

std::vector<Token> tokenize(QStringView text)
{
    return Scanner(text).run();
}

QString invalidTokenReason(const Token &token)
{
    const QStringView text = token.text;
    if (text.startsWith(u'\'') || text.startsWith(u"N'", Qt::CaseInsensitive))
        return QStringLiteral("unterminated string literal");
    if (text.startsWith(u'[') || text.startsWith(u'"'))
        return QStringLiteral("unterminated quoted name");
    if (text.startsWith(u"/*"))
        return QStringLiteral("unterminated comment");
    return QStringLiteral("unexpected character '%1'").arg(text);
}

QStringView sourceSpan(const Token &first, const Token &last)
{
    const QChar *begin = first.text.data();
    const QChar *end = last.text.data() + last.text.size();
    return QStringView(begin, end - begin);
}

QString sqliteIdentifier(const Token &name)
{
    const bool bracketed = name.kind == TokenKind::QuotedName && name.text.startsWith(u'[');
    if (bracketed || (name.kind == TokenKind::Word && sqliteReserves(name.text)))
        return doubleQuotedIdentifier(plainIdentifier(name));
    return name.text.toString();
}

QString doubleQuotedIdentifier(const QString &plain)
{
    QString inner = plain;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

QString plainIdentifier(const Token &name)
{
    if (name.kind != TokenKind::QuotedName)
        return name.text.toString();
    return undoubled(name.text, name.text.startsWith(u'[') ? u']' : u'"');
}

QString stringLiteralValue(const Token &literal)
{
    return undoubled(sqliteStringLiteral(literal), u'\'');
}

QStringView sqliteStringLiteral(const Token &literal)
{
    return literal.text.startsWith(u'\'') ? literal.text : literal.text.sliced(1);
}

} // namespace hospital::dbserver
