#pragma once

namespace pwo::odbc {

// Owns one ODBC handle and frees it. Plain types stand in for SQLHANDLE and
// SQLSMALLINT so that this header does not pull the ODBC headers into its users.
class Handle {
public:
    // Allocates a handle of the given type under parent (none for an environment);
    // throws DatabaseError with the parent's diagnostics on failure.
    Handle(short type, const Handle *parent);
    Handle(Handle &&other) noexcept;
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    Handle &operator=(Handle &&) = delete;
    ~Handle();

    void *get() const { return handle_; }
    short type() const { return type_; }

private:
    short type_;
    void *handle_ = nullptr;
};

} // namespace pwo::odbc
