#pragma once

namespace pwo {

// The hourglass pointer for as long as it lives, so that a failing
// statement cannot leave it showing.
class HourGlass {
public:
    HourGlass();
    ~HourGlass();
    HourGlass(const HourGlass &) = delete;
    HourGlass &operator=(const HourGlass &) = delete;
};

} // namespace pwo
