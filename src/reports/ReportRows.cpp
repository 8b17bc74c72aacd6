#include "ReportRows.h"

#include "data/Recordset.h"

namespace pwo::reports {

int ReportRows::columnIndex(const QString &name) const
{
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

ReportRows fetchRows(Connection &connection, const QString &statement)
{
    Recordset records;
    records.setCursorLocation(adUseClient);
    records.Open(statement, connection, adOpenStatic, adLockReadOnly, -1);
    ReportRows result;
    result.columns = records.columnNames();
    const long count = records.RecordCount();
    const int width = int(result.columns.size());
    result.rows.reserve(size_t(count));
    for (long r = 0; r < count; ++r) {
        std::vector<Value> row;
        row.reserve(size_t(width));
        for (int c = 0; c < width; ++c)
            row.push_back(records.valueAt(r, c));
        result.rows.push_back(std::move(row));
    }
    records.Close();
    return result;
}

} // namespace pwo::reports
