#pragma once

namespace pwo {

// Logs a user in and opens the main window; run at program start and again
// by "Change Active User". When the login is cancelled or refused, or the
// connection check fails, no window is opened.
void RunStartup();

} // namespace pwo
