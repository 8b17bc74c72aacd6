#include "CsvOutput.h"

namespace hospital::dbserver {

namespace {
QString csvField(const QString &text)
{
    const bool needsQuotes = text == QLatin1String("NULL") || text.contains(QLatin1Char(',')) ||
                             text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
                             text.contains(QLatin1Char('\r'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

QString csvText(const pwo::ResultSet &result)
{
    QStringList lines;
    QStringList header;
    for (const QString &column : result.columns)
        header << csvField(column);
    lines << header.join(QLatin1Char(','));
    for (size_t row = 0; row < result.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < result.columns.size(); ++column) {
            const pwo::Value value = result.value(row, column);
            fields << (value.isNull() ? QStringLiteral("NULL") : csvField(value.toText()));
        }
        lines << fields.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace hospital::dbserver
