#include "PatientListColumns.h"

#include "data/DatabaseError.h"
#include "data/Recordset.h"

#include <vector>

namespace pwo {

namespace {

std::vector<int> resultColumnsOf(const Recordset &result, int filledColumns)
{
    std::vector<int> positions;
    for (int c = 0; c < filledColumns; ++c) {
        const QString name = QString::fromLatin1(patientListColumns[size_t(c)].resultColumn);
        int found = -1;
        for (int r = 0; r < result.columnNames().size() && found < 0; ++r)
            if (result.columnNames().at(r).compare(name, Qt::CaseInsensitive) == 0)
                found = r;
        if (found < 0)
            throw DatabaseError(GatewayError::ItemNotFound,
                                QStringLiteral("The patient list's statement gave no column \"%1\".").arg(name));
        positions.push_back(found);
    }
    return positions;
}

} // namespace

TextRows readPatientListRows(const Recordset &result, int filledColumns, const std::function<void(int)> &rowRead)
{
    const std::vector<int> positions = resultColumnsOf(result, filledColumns);
    const int rows = int(result.RecordCount());
    TextRows texts(int(patientListColumns.size()));
    texts.reserveRows(rows);
    for (int row = 0; row < rows; ++row) {
        for (int c = 0; c < int(patientListColumns.size()); ++c)
            texts.append(c < filledColumns ? result.valueAt(row, positions[size_t(c)]).text() : QString());
        rowRead(row + 1);
    }
    texts.squeeze();
    return texts;
}

} // namespace pwo
