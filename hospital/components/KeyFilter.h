#pragma once

#include "core/SiblingComponents.h"

namespace hospital::components {

// The client creates and keeps it; it offers nothing to call.
class KeyFilter final : public pwo::KeyFilterComponent {};

} // namespace hospital::components
