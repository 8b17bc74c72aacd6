#include "CodeList.h"

namespace pwo {

namespace {
constexpr int codeWidth = 10;
}

QStringList codesOf(const QString &codeString)
{
    QStringList pieces = codeString.split(QLatin1Char('|'));
    pieces.removeLast();
    for (QString &piece : pieces)
        piece = piece.trimmed();
    return pieces;
}

QString entryText(const QString &description, int blanks, const QString &code)
{
    return description + QString(blanks, QLatin1Char(' ')) + code;
}

QString codeOfEntry(const QString &entry)
{
    return entry.right(codeWidth).trimmed();
}

QString codeStringOf(const QStringList &entries)
{
    QString codeString;
    for (const QString &entry : entries)
        codeString += codeOfEntry(entry) + QLatin1Char('|');
    return codeString;
}

} // namespace pwo
