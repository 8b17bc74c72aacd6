#pragma once

#include "data/Value.h"

#include <QStringList>

#include <vector>

namespace pwo {
class Connection;
}

namespace pwo::reports {

// The rows a part's query returned, in the order returned.
struct ReportRows {
    QStringList columns;
    std::vector<std::vector<Value>> rows;

    int columnIndex(const QString &name) const;  // case-insensitive; -1 when absent
};

// Runs the statement as a read-only record set on the connection.
ReportRows fetchRows(Connection &connection, const QString &statement);

} // namespace pwo::reports
