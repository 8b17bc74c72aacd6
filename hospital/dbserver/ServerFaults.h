#pragma once

#include <QMutex>
#include <QRegularExpression>
#include <QString>

#include <optional>
#include <vector>

namespace hospital::dbserver {

// Failures a test makes the stand-in produce: a chosen statement fails with a
// chosen server error, or the connection drops at it. Only code calls this;
// nothing in the environment or on disk switches it on. A statement is one
// batch, or the start or commit of a transaction ("BEGIN TRANSACTION",
// "COMMIT TRANSACTION"). Every rule fires once.
class ServerFaults {
public:
    static ServerFaults &instance();

    // The session's statement number `ordinal` (from 1) fails.
    void failStatement(int ordinal, long number, const QString &text);
    // The next statement whose text matches the pattern (a case-insensitive
    // regular expression) fails.
    void failNextMatching(const QString &pattern, long number, const QString &text);
    // The connection is lost at the next statement matching the pattern: it
    // fails, and so does every later one of that session.
    void dropConnectionAt(const QString &pattern);
    // While down, no new session can connect.
    void setServerDown(bool down);
    bool serverDown() const;
    void clear();

    struct Fault {
        bool drop = false;
        long number = 0;
        QString text;
    };
    // Asked by a session before it runs its statement number `ordinal`.
    std::optional<Fault> faultFor(int ordinal, const QString &statement);

private:
    struct Rule {
        int ordinal = 0;  // 0: by pattern
        QRegularExpression pattern;
        Fault fault;
    };
    void add(Rule rule);

    mutable QMutex mutex_;
    std::vector<Rule> rules_;
    bool serverDown_ = false;
};

} // namespace hospital::dbserver
