#pragma once

struct sqlite3;

namespace hospital::dbserver::demo {

// The office's socio-economic classes (A to D, and a senior-citizen class
// that carries no discount row of its own) with their discount fractions,
// and the case categories.
void writeClassifications(sqlite3 *db);

} // namespace hospital::dbserver::demo
