#pragma once

#include <QString>

#include <memory>

namespace pwo {
class Connection;
}

namespace hospital::components {

// The registry's connection, shared with the objects the registry hands out:
// callers keep those objects after the registry that made them is gone.
class RegistryLink {
public:
    void use(std::shared_ptr<pwo::Connection> connection) { connection_ = std::move(connection); }
    bool isOpen() const { return connection_ != nullptr; }
    // Throws pwo::DatabaseError when the registry has no open connection.
    pwo::Connection &connection() const;

private:
    std::shared_ptr<pwo::Connection> connection_;
};

} // namespace hospital::components
