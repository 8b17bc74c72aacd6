#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <variant>

namespace pwo {

// One field value as the server returned it. Null is a value of its own,
// distinct from empty text, because several windows treat the two differently.
class Value {
public:
    Value() = default;  // null
    Value(std::int64_t number) : data_(number) {}
    Value(int number) : data_(std::int64_t{number}) {}
    Value(double number) : data_(number) {}
    Value(QString text) : data_(std::move(text)) {}
    Value(const char *text) : data_(QString::fromUtf8(text)) {}
    Value(QDateTime moment) : data_(std::move(moment)) {}

    static Value null() { return {}; }

    bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(data_); }
    bool isReal() const { return std::holds_alternative<double>(data_); }
    bool isNumber() const { return isInteger() || isReal(); }
    bool isText() const { return std::holds_alternative<QString>(data_); }
    bool isDateTime() const { return std::holds_alternative<QDateTime>(data_); }

    // The "" & value reading: null becomes empty text.
    QString text() const;
    // A direct conversion to text; a null here is a fault of the caller.
    QString toText() const;
    // Numbers, and text that is one; anything else throws DatabaseError.
    double toNumber() const;
    std::int64_t toInteger() const;
    // Dates and date-times, and text in the forms the servers send.
    QDateTime toDateTime() const;
    QDate toDate() const { return toDateTime().date(); }

    bool operator==(const Value &other) const { return data_ == other.data_; }

private:
    std::variant<std::monostate, std::int64_t, double, QString, QDateTime> data_;
};

// Date-time text as both backends give it when read as text.
QString dateTimeText(const QDateTime &moment);
// Parses "yyyy-mm-dd[ hh:mm[:ss[.zzz]]]", "mm/dd/yyyy[ ...]" and ISO 'T' forms.
QDateTime parseDateTimeText(const QString &text, bool *ok);

} // namespace pwo
