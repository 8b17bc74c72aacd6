#pragma once

// The ODBC headers, in the order every platform accepts: Windows needs its own
// types declared before them.
#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>
