#pragma once

#include <chrono>

namespace hospital::components {

// Slows guessing at the login: from the third refusal in a row on, each
// further attempt has to wait, twice as long as the one before (capped).
class LoginThrottle {
public:
    static constexpr int freeRefusals = 2;
    static constexpr std::chrono::seconds longestWait{60};

    // Counts one refusal; returns how long the next attempt must wait.
    std::chrono::seconds refused();
    int refusalsInRow() const { return refusals_; }

private:
    int refusals_ = 0;
};

} // namespace hospital::components
