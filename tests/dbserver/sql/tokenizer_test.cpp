#include "TranslatorTestSupport.h"

#include "hospital/dbserver/sql/Tokenizer.h"

#include <gtest/gtest.h>

using namespace hospital::dbserver;

namespace {

// Each token as kind:text, joined by blanks.
QString shapeOf(const QString &text)
{
    static const char *const kinds[] = {"word", "name", "string", "number", "variable",
                                        "temp", "symbol", "invalid", "end"};
    QStringList shape;
    for (const Token &token : tokenize(text))
        shape << QString::fromLatin1(kinds[int(token.kind)]) + u':' + token.text.toString();
    return shape.join(u' ');
}

TEST(Tokenizer, SplitsEveryKindOfToken)
{
    EXPECT_EQ(shapeOf(QStringLiteral("select [a b], N'it''s', 1.5e3, @x, ##t from t")),
              QStringLiteral("word:select name:[a b] symbol:, string:N'it''s' symbol:, number:1.5e3 symbol:, "
                             "variable:@x symbol:, temp:##t word:from word:t"));
}

TEST(Tokenizer, DropsLineAndNestedBlockComments)
{
    EXPECT_EQ(shapeOf(QStringLiteral("a -- x ; y\nb /* c /* d */ e */ c")),
              QStringLiteral("word:a word:b word:c"));
    EXPECT_EQ(shapeOf(QStringLiteral("a--b")), QStringLiteral("word:a"));
}

TEST(Tokenizer, KeepsSemicolonsAndCommentMarksInsideQuotes)
{
    EXPECT_EQ(shapeOf(QStringLiteral("'x''; DELETE --' ; \"a;b\" [c--]]d]")),
              QStringLiteral("string:'x''; DELETE --' symbol:; name:\"a;b\" name:[c--]]d]"));
}

TEST(Tokenizer, QuoteRightAfterAWordStartsAString)
{
    EXPECT_EQ(shapeOf(QStringLiteral("sp_x'a'")), QStringLiteral("word:sp_x string:'a'"));
    EXPECT_EQ(shapeOf(QStringLiteral("n'a'")), QStringLiteral("string:n'a'"));
}

TEST(Tokenizer, ReadsDotsNumbersAndOperators)
{
    EXPECT_EQ(shapeOf(QStringLiteral("PWO..tb.c")),
              QStringLiteral("word:PWO symbol:. symbol:. word:tb symbol:. word:c"));
    EXPECT_EQ(shapeOf(QStringLiteral("x=.5 and y<>2.")),
              QStringLiteral("word:x symbol:= number:.5 word:and word:y symbol:<> number:2."));
    EXPECT_EQ(shapeOf(QStringLiteral("a!=b<=c>=-1e-2")),
              QStringLiteral("word:a symbol:!= word:b symbol:<= word:c symbol:>= symbol:- number:1e-2"));
    EXPECT_EQ(shapeOf(QStringLiteral("2e")), QStringLiteral("number:2 word:e"));
}

TEST(Tokenizer, UnterminatedTextBecomesOneInvalidTokenToTheEnd)
{
    const std::vector<Token> string = tokenize(QStringLiteral("select 'abc; select 1"));
    ASSERT_EQ(string.size(), 2u);
    EXPECT_EQ(string[1].kind, TokenKind::Invalid);
    EXPECT_EQ(string[1].text, QStringLiteral("'abc; select 1"));
    EXPECT_EQ(invalidTokenReason(string[1]), QStringLiteral("unterminated string literal"));

    EXPECT_EQ(invalidTokenReason(tokenize(QStringLiteral("a [b")).back()), QStringLiteral("unterminated quoted name"));
    EXPECT_EQ(invalidTokenReason(tokenize(QStringLiteral("a /* b /* c */")).back()),
              QStringLiteral("unterminated comment"));
    EXPECT_EQ(invalidTokenReason(tokenize(QStringLiteral("a 'it''")).back()),
              QStringLiteral("unterminated string literal"));
}

TEST(Tokenizer, StrayCharacterIsInvalidButScanningGoesOn)
{
    EXPECT_EQ(shapeOf(QStringLiteral("a { b")), QStringLiteral("word:a invalid:{ word:b"));
    EXPECT_EQ(invalidTokenReason(tokenize(QStringLiteral("{")).front()), QStringLiteral("unexpected character '{'"));
}

TEST(Tokenizer, KnowsReservedWordsOnly)
{
    const std::vector<Token> tokens = tokenize(QStringLiteral("SeLeCt left Type Code declare"));
    EXPECT_EQ(tokens[0].keyword, Keyword::Select);
    EXPECT_EQ(tokens[1].keyword, Keyword::Left);
    EXPECT_EQ(tokens[2].keyword, Keyword::None);
    EXPECT_EQ(tokens[3].keyword, Keyword::None);
    EXPECT_EQ(tokens[4].keyword, Keyword::Other);
}

TEST(Tokenizer, UnquotesNamesAndLiterals)
{
    const std::vector<Token> tokens = tokenize(QStringLiteral("[a]]b\"c] \"x\" N'it''s'"));
    EXPECT_EQ(plainIdentifier(tokens[0]), QStringLiteral("a]b\"c"));
    EXPECT_EQ(sqliteIdentifier(tokens[0]), QStringLiteral("\"a]b\"\"c\""));
    EXPECT_EQ(sqliteIdentifier(tokens[1]), QStringLiteral("\"x\""));
    EXPECT_EQ(plainIdentifier(tokens[1]), QStringLiteral("x"));
    EXPECT_EQ(stringLiteralValue(tokens[2]), QStringLiteral("it's"));
    EXPECT_EQ(sqliteStringLiteral(tokens[2]), QStringLiteral("'it''s'"));
}

} // namespace
