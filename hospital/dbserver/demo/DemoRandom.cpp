#include "hospital/dbserver/demo/DemoRandom.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace hospital::dbserver::demo {

DemoRandom::DemoRandom(std::uint64_t seed, DemoStream stream)
    : state_(seed ^ (static_cast<std::uint64_t>(stream) * 0xD1B54A32D192ED03ULL))
{
}

std::uint64_t DemoRandom::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int DemoRandom::below(int bound)
{
    if (bound <= 0)
        throw std::invalid_argument("DemoRandom::below needs a positive bound");
    const auto range = static_cast<std::uint64_t>(bound);
    // Rejecting the short top slice keeps every value equally likely.
    const std::uint64_t threshold = (0 - range) % range;
    std::uint64_t x = next();
    while (x < threshold)
        x = next();
    return static_cast<int>(x % range);
}

int DemoRandom::between(int low, int high)
{
    return low + below(high - low + 1);
}

bool DemoRandom::percent(int chance)
{
    return below(100) < chance;
}

const QString &DemoRandom::pick(const QStringList &choices)
{
    return choices.at(below(static_cast<int>(choices.size())));
}

std::vector<bool> chooseMembers(DemoRandom &random, int population, int count)
{
    std::vector<int> order(static_cast<std::size_t>(population));
    std::iota(order.begin(), order.end(), 0);
    std::vector<bool> chosen(order.size(), false);
    count = std::clamp(count, 0, population);
    for (int i = 0; i < count; ++i) {
        std::swap(order[i], order[i + random.below(population - i)]);
        chosen[order[i]] = true;
    }
    return chosen;
}

int quota(int population, int perMille, int minimum)
{
    const long long rounded = (static_cast<long long>(population) * perMille + 500) / 1000;
    return static_cast<int>(std::clamp<long long>(std::max<long long>(rounded, minimum), 0, population));
}

} // namespace hospital::dbserver::demo
