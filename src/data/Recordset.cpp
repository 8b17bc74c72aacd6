#include "Recordset.h"

#include "SqlText.h"

#include <QRegularExpression>

namespace pwo {

namespace {

DatabaseError noCurrentRecord()
{
    return DatabaseError(GatewayError::NoCurrentRecord,
                         QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                                        "Requested operation requires a current record."));
}

// The one table a query reads, as written in it ("PWO..tbPWOSocialFunctioning",
// also behind an alias: "FROM pwo..tbPWOSocialFunctioning a"); empty when the
// query joins or reads several.
QString singleSourceTable(const QString &query)
{
    static const QRegularExpression from(
        QStringLiteral("\\bfrom\\s+([A-Za-z_][\\w]*(?:\\.\\.|\\.dbo\\.|\\.)?[\\w]*)"
                       "(?:\\s+(?:as\\s+)?(?!(?:where|order)\\b)[A-Za-z_]\\w*)?"
                       "\\s*(?:\\bwhere\\b|\\border\\b|;|$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression selectStart(QStringLiteral("^\\s*select\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression extraTables(QStringLiteral("\\bjoin\\b|\\bunion\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (!selectStart.match(query).hasMatch() || extraTables.match(query).hasMatch())
        return {};
    const auto m = from.match(query);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

pwo::Value Field::Value() const
{
    owner_.requireCurrentRow();
    return owner_.valueAt(owner_.position_, column_);
}

void Field::setValue(const pwo::Value &value)
{
    owner_.setColumn(column_, value);
}

QString Field::Name() const
{
    return owner_.result_.columns[column_];
}

void Recordset::Open(const QString &text, Connection &connection, int cursorType, int lockType, int options)
{
    if (open_)
        throw DatabaseError(GatewayError::ObjectOpen, QStringLiteral("Operation is not allowed when the object is open."));
    BatchResult result = connection.run(text, {TracedStatement::Kind::Open, text, cursorType, lockType, options});
    connection_ = &connection;
    source_ = text;
    lockType_ = lockType;
    columnByName_.clear();
    result_ = result.resultSets.empty() ? ResultSet() : std::move(result.resultSets.front());
    for (int i = int(result_.columns.size()) - 1; i >= 0; --i)
        columnByName_.insert(result_.columns[i].toLower(), i);  // the first of equal names wins, as on the server
    position_ = 0;
    editing_ = adding_ = false;
    open_ = true;
}

void Recordset::OpenReadOnly(const QString &text, Connection &connection)
{
    setCursorLocation(adUseClient);
    Open(text, connection, adOpenDynamic, adLockReadOnly, -1);
}

void Recordset::Close()
{
    requireOpen();
    if (editing_)
        throw DatabaseError(GatewayError::PendingChanges, QStringLiteral("The record set has changes that were not written back with Update."));
    open_ = false;
    result_ = ResultSet();
    columnByName_.clear();
}

void Recordset::requireOpen() const
{
    if (!open_)
        throw DatabaseError(GatewayError::ObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."));
}

void Recordset::requireCurrentRow() const
{
    requireOpen();
    if (position_ < 0 || position_ >= rowCount())
        throw noCurrentRecord();
}

bool Recordset::Eof() const
{
    requireOpen();
    return position_ >= rowCount();
}

bool Recordset::Bof() const
{
    requireOpen();
    return rowCount() == 0 || position_ < 0;
}

long Recordset::RecordCount() const
{
    requireOpen();
    return rowCount();
}

void Recordset::MoveNext()
{
    requireCurrentRow();
    if (editing_)
        Update();
    ++position_;
}

void Recordset::MoveFirst()
{
    requireOpen();
    if (editing_)
        Update();
    position_ = 0;
}

int Recordset::columnIndex(const QString &name) const
{
    requireOpen();
    const auto found = columnByName_.constFind(name.toLower());
    if (found == columnByName_.constEnd())
        throw DatabaseError(GatewayError::ItemNotFound,
                            QStringLiteral("Item cannot be found in the collection corresponding to the requested "
                                           "name or ordinal: \"%1\".")
                                .arg(name));
    return *found;
}

Field Recordset::Fields(const QString &name)
{
    return Field(*this, columnIndex(name));
}

pwo::Value Recordset::value(const QString &name) const
{
    const int column = columnIndex(name);
    requireCurrentRow();
    return valueAt(position_, column);
}

void Recordset::AddNew()
{
    requireOpen();
    if (lockType_ != adLockOptimistic && lockType_ != adLockPessimistic)
        throw DatabaseError(GatewayError::NotUpdatable,
                            QStringLiteral("Current Recordset does not support updating. This may be a limitation of "
                                           "the provider, or of the selected locktype."));
    if (editing_)
        Update();
    result_.appendEmptyRow();
    position_ = rowCount() - 1;
    original_.assign(size_t(result_.columns.size()), pwo::Value());
    changed_.assign(size_t(result_.columns.size()), false);
    editing_ = adding_ = true;
}

void Recordset::setColumn(int column, const pwo::Value &value)
{
    requireCurrentRow();
    if (lockType_ != adLockOptimistic && lockType_ != adLockPessimistic)
        throw DatabaseError(GatewayError::NotUpdatable,
                            QStringLiteral("Current Recordset does not support updating. This may be a limitation of "
                                           "the provider, or of the selected locktype."));
    if (!editing_) {
        original_.clear();
        for (int c = 0; c < result_.columns.size(); ++c)
            original_.push_back(valueAt(position_, c));
        changed_.assign(size_t(result_.columns.size()), false);
        editing_ = true;
    }
    result_.setValue(size_t(position_), column, value);
    changed_[size_t(column)] = true;
}

void Recordset::Update()
{
    requireCurrentRow();
    if (!editing_)
        return;
    if (adding_)
        writeInsert();
    else
        writeUpdate();
    editing_ = adding_ = false;
}

void Recordset::writeInsert()
{
    const QString table = singleSourceTable(source_);
    if (table.isEmpty())
        throw DatabaseError(GatewayError::NotUpdatable,
                            QStringLiteral("A row cannot be added: the query does not read one table: %1").arg(source_));
    QStringList names, values;
    for (int c = 0; c < result_.columns.size(); ++c)
        if (changed_[size_t(c)]) {
            names << result_.columns[c];
            values << sql::literal(valueAt(position_, c));
        }
    const QString text = names.isEmpty()
                             ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                             : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(table, names.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
    try {
        connection_->run(text, {TracedStatement::Kind::Execute, text, -1, -1, -1});
    } catch (...) {
        result_.removeLastRow();  // the row was not stored: no phantom row stays behind
        position_ = rowCount();
        editing_ = adding_ = false;
        throw;
    }
}

// The row as it was read: the server did not take the change.
void Recordset::restoreOriginal()
{
    for (int c = 0; c < result_.columns.size(); ++c)
        result_.setValue(size_t(position_), c, original_[size_t(c)]);
    editing_ = false;
}

// Optimistic: the row is found by every original value it was read with, so
// a row someone else changed meanwhile is not overwritten.
void Recordset::writeUpdate()
{
    const QString table = singleSourceTable(source_);
    if (table.isEmpty())
        throw DatabaseError(GatewayError::NotUpdatable,
                            QStringLiteral("A row cannot be changed: the query does not read one table: %1").arg(source_));
    QStringList assignments, conditions;
    for (int c = 0; c < result_.columns.size(); ++c) {
        const QString &name = result_.columns[c];
        const pwo::Value now = valueAt(position_, c);
        if (changed_[size_t(c)] && !(now == original_[size_t(c)]))
            assignments << name + QStringLiteral(" = ") + sql::literal(now);
        const pwo::Value &was = original_[size_t(c)];
        conditions << (was.isNull() ? name + QStringLiteral(" IS NULL") : name + QStringLiteral(" = ") + sql::literal(was));
    }
    if (assignments.isEmpty())
        return;
    const QString text = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                             .arg(table, assignments.join(QStringLiteral(", ")), conditions.join(QStringLiteral(" AND ")));
    const BatchResult result = [&] {
        try {
            return connection_->run(text, {TracedStatement::Kind::Execute, text, -1, -1, -1});
        } catch (...) {
            restoreOriginal();
            throw;
        }
    }();
    if (result.rowsAffected != 1) {
        restoreOriginal();
        throw DatabaseError(GatewayError::RowNotLocated,
                            result.rowsAffected == 0
                                ? QStringLiteral("Row cannot be located for updating. Some values may have been "
                                                 "changed since it was last read.")
                                : QStringLiteral("Key column information is insufficient or incorrect. Too many rows "
                                                 "were affected by update."));
    }
}

} // namespace pwo
