#include "hospital/components/user/LoginThrottle.h"

namespace hospital::components {

std::chrono::seconds LoginThrottle::refused()
{
    ++refusals_;
    const int slowed = refusals_ - freeRefusals;
    if (slowed <= 0)
        return std::chrono::seconds(0);
    // Stop doubling at the cap, before the shift could overflow.
    if (slowed >= 6)
        return longestWait;
    return std::chrono::seconds(1LL << slowed);
}

} // namespace hospital::components
