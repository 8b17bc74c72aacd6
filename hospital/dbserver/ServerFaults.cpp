#include "ServerFaults.h"

#include <QMutexLocker>

namespace hospital::dbserver {

ServerFaults &ServerFaults::instance()
{
    static ServerFaults faults;
    return faults;
}

void ServerFaults::add(Rule rule)
{
    const QMutexLocker lock(&mutex_);
    rules_.push_back(std::move(rule));
}

void ServerFaults::failStatement(int ordinal, long number, const QString &text)
{
    add({ordinal, {}, {false, number, text}});
}

void ServerFaults::failNextMatching(const QString &pattern, long number, const QString &text)
{
    add({0, QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption), {false, number, text}});
}

void ServerFaults::dropConnectionAt(const QString &pattern)
{
    add({0, QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption), {true, 0, {}}});
}

void ServerFaults::setServerDown(bool down)
{
    const QMutexLocker lock(&mutex_);
    serverDown_ = down;
}

bool ServerFaults::serverDown() const
{
    const QMutexLocker lock(&mutex_);
    return serverDown_;
}

void ServerFaults::clear()
{
    const QMutexLocker lock(&mutex_);
    rules_.clear();
    serverDown_ = false;
}

std::optional<ServerFaults::Fault> ServerFaults::faultFor(int ordinal, const QString &statement)
{
    const QMutexLocker lock(&mutex_);
    for (auto rule = rules_.begin(); rule != rules_.end(); ++rule) {
        const bool hit = rule->ordinal > 0 ? rule->ordinal == ordinal : rule->pattern.match(statement).hasMatch();
        if (hit) {
            Fault fault = rule->fault;
            rules_.erase(rule);
            return fault;
        }
    }
    return std::nullopt;
}

} // namespace hospital::dbserver
