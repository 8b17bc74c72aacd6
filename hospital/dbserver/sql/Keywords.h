#pragma once

#include <QStringView>

namespace hospital::dbserver {

// The server's reserved words. Those the translator acts on have their own
// value; every other reserved word is Other, so it can never be taken for a
// name or an alias.
enum class Keyword {
    None,
    Other,
    All, And, As, Asc, Between, By, Case, Cast, Coalesce, Convert, Cross, Delete, Desc, Distinct,
    Else, End, Escape, Exec, Execute, Exists, From, Full, Group, Having, In, Inner, Insert, Into,
    Is, Join, Left, Like, Not, Null, Nullif, On, Or, Order, Outer, Percent, Right, Select, Set,
    Then, Top, Union, Update, Values, When, Where, With,
};

// Keyword::None when the word is not reserved.
Keyword keywordOf(QStringView word);

// Words SQLite reserves although the server does not (a column named Limit);
// SQLite text must quote them.
bool sqliteReserves(QStringView word);

} // namespace hospital::dbserver
