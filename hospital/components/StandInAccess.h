#pragma once

namespace hospital::components {

// Makes connection strings of the stand-in server openable; the components
// call it before they open a connection, so none depends on the others.
void ensureStandInProvider();

} // namespace hospital::components
