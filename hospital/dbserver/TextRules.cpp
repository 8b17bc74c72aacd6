#include "TextRules.h"

#include "SqliteErrors.h"
#include "TsqlFunctions.h"

#include <QString>

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {

int trimmedLength(const char *text, int length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

unsigned char asciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

int collate(void *, int aLength, const void *a, int bLength, const void *b)
{
    return compareHospitalText(static_cast<const char *>(a), aLength, static_cast<const char *>(b), bLength);
}

// LIKE with % and _ over case-folded text; SQLite's own folds ASCII only.
bool likeMatch(const QString &pattern, int p, const QString &text, int t, QChar escape)
{
    while (p < pattern.size()) {
        const QChar c = pattern[p];
        if (!escape.isNull() && c == escape && p + 1 < pattern.size()) {
            if (t >= text.size() || text[t] != pattern[p + 1])
                return false;
            p += 2;
            ++t;
            continue;
        }
        if (c == QLatin1Char('%')) {
            while (p < pattern.size() && pattern[p] == QLatin1Char('%'))
                ++p;
            if (p == pattern.size())
                return true;
            for (int start = t; start <= text.size(); ++start)
                if (likeMatch(pattern, p, text, start, escape))
                    return true;
            return false;
        }
        if (t >= text.size())
            return false;
        if (c != QLatin1Char('_') && c != text[t])
            return false;
        ++p;
        ++t;
    }
    return t == text.size();
}

void likeFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    const auto text = [](sqlite3_value *v) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
    };
    const QString pattern = text(argv[0]).toCaseFolded();
    const QString subject = text(argv[1]).toCaseFolded();
    QChar escape;
    if (argc == 3) {
        const QString e = text(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    sqlite3_result_int(context, likeMatch(pattern, 0, subject, 0, escape) ? 1 : 0);
}

void check(sqlite3 *db, int rc)
{
    if (rc != SQLITE_OK)
        throw serverError(db, QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

int compareHospitalText(const char *a, int aLength, const char *b, int bLength)
{
    aLength = trimmedLength(a, aLength);
    bLength = trimmedLength(b, bLength);
    const int common = std::min(aLength, bLength);
    for (int i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80) {
            // Beyond ASCII: let Qt fold the rest (Ñ and ñ compare equal).
            const int r = QString::compare(QString::fromUtf8(a + i, aLength - i), QString::fromUtf8(b + i, bLength - i),
                                           Qt::CaseInsensitive);
            return r < 0 ? -1 : (r > 0 ? 1 : 0);
        }
        const unsigned char la = asciiLower(ca);
        const unsigned char lb = asciiLower(cb);
        if (la != lb)
            return la < lb ? -1 : 1;
    }
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

void installTextRules(sqlite3 *db)
{
    check(db, sqlite3_create_collation(db, "HOSPITAL", SQLITE_UTF8, nullptr, collate));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    check(db, sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr));
    check(db, sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr));
    installTsqlFunctions(db);
}

} // namespace hospital::dbserver
