#include "OdbcHandle.h"

#include "OdbcApi.h"
#include "OdbcDiagnostics.h"

#include <type_traits>
#include <utility>

namespace pwo::odbc {

static_assert(std::is_same_v<SQLHANDLE, void *> && std::is_same_v<SQLSMALLINT, short>,
              "Handle stores the ODBC handle types as plain types");

Handle::Handle(short type, const Handle *parent) : type_(type)
{
    const SQLRETURN rc = SQLAllocHandle(type, parent ? parent->get() : SQL_NULL_HANDLE, &handle_);
    if (parent)
        check(rc, *parent, "SQLAllocHandle");
    else
        check(rc, SQL_HANDLE_ENV, SQL_NULL_HANDLE, "SQLAllocHandle");
}

Handle::Handle(Handle &&other) noexcept : type_(other.type_), handle_(std::exchange(other.handle_, nullptr)) {}

Handle::~Handle()
{
    if (handle_)
        SQLFreeHandle(type_, handle_);
}

} // namespace pwo::odbc
