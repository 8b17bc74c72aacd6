#pragma once

#include "Connection.h"
#include "Value.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace pwo {

constexpr int adOpenForwardOnly = 0;
constexpr int adOpenKeyset = 1;
constexpr int adOpenDynamic = 2;
constexpr int adOpenStatic = 3;

constexpr int adLockReadOnly = 1;
constexpr int adLockPessimistic = 2;
constexpr int adLockOptimistic = 3;

class Recordset;

// One column of the current row: Fields("name").Value().
class Field {
public:
    pwo::Value Value() const;
    void setValue(const pwo::Value &value);
    QString Name() const;

private:
    friend class Recordset;
    Field(Recordset &owner, int column) : owner_(owner), column_(column) {}
    Recordset &owner_;
    int column_;
};

// A fully fetched result with a current-row cursor. Every open mode gives a
// static client-side result, so RecordCount is exact once open.
class Recordset {
public:
    Recordset() = default;
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;
    ~Recordset() = default;

    void Open(const QString &text, Connection &connection, int cursorType = -1, int lockType = adLockReadOnly,
              int options = -1);
    // The read of nearly every window: a client-side cursor, cursor type 2,
    // read-only, no options.
    void OpenReadOnly(const QString &text, Connection &connection);
    void Close();
    int State() const { return open_ ? adStateOpen : adStateClosed; }

    // Past the last row / before the first row. (Not EOF(): the C library owns that name.)
    bool Eof() const;
    bool Bof() const;
    long RecordCount() const;
    void MoveNext();
    void MoveFirst();

    Field Fields(const QString &name);
    pwo::Value value(const QString &name) const;

    int CursorLocation() const { return cursorLocation_; }
    void setCursorLocation(int location) { cursorLocation_ = location; }

    // Lock types 2 and 3: a new row, and writing the current row's changes back.
    void AddNew();
    void Update();

    // For models over the result: columns, and values by row and column.
    const QStringList &columnNames() const { return result_.columns; }
    pwo::Value valueAt(long row, int column) const { return result_.value(size_t(row), column); }
    long currentRow() const { return position_; }

private:
    friend class Field;
    void requireOpen() const;
    void requireCurrentRow() const;
    int columnIndex(const QString &name) const;
    void setColumn(int column, const pwo::Value &value);
    void writeInsert();
    void writeUpdate();
    void restoreOriginal();
    long rowCount() const { return long(result_.rowCount()); }

    Connection *connection_ = nullptr;
    bool open_ = false;
    int cursorLocation_ = 2;
    int lockType_ = adLockReadOnly;
    QString source_;
    ResultSet result_;
    QHash<QString, int> columnByName_;  // lower-case names
    long position_ = 0;

    // Pending edit of the current row (AddNew or a changed column).
    bool editing_ = false;
    bool adding_ = false;
    std::vector<pwo::Value> original_;
    std::vector<bool> changed_;
};

} // namespace pwo
