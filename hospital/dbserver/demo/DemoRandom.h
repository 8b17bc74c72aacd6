#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace hospital::dbserver::demo {

// One independent stream of draws per kind of row, so that adding draws to
// one kind leaves every other kind unchanged.
enum class DemoStream : std::uint64_t { CodeTables = 1, Staff, Persons, PwoCases, Stays, IntakeGrids };

// splitmix64 with our own range reduction: the same numbers on every
// compiler and standard library, which std::*_distribution does not promise.
class DemoRandom {
public:
    DemoRandom(std::uint64_t seed, DemoStream stream);

    std::uint64_t next();
    // Uniform in [0, bound); bound must be positive.
    int below(int bound);
    // Uniform in [low, high].
    int between(int low, int high);
    bool percent(int chance);
    const QString &pick(const QStringList &choices);

private:
    std::uint64_t state_;
};

// A choice with its relative weight.
struct Weighted {
    const char *value;
    int weight;
};

// Any choice type with an int `weight`.
template<typename Choice, std::size_t N>
const Choice &pickWeighted(DemoRandom &random, const Choice (&choices)[N])
{
    int total = 0;
    for (const Choice &choice : choices)
        total += choice.weight;
    int ticket = random.below(total);
    for (const Choice &choice : choices) {
        if (ticket < choice.weight)
            return choice;
        ticket -= choice.weight;
    }
    return choices[N - 1];
}

// Exactly `count` of `population` members, chosen uniformly: quotas keep the
// small demo databases from missing a kind of row by bad luck.
std::vector<bool> chooseMembers(DemoRandom &random, int population, int count);

// round(population * perMille / 1000), at least `minimum`, at most population.
int quota(int population, int perMille, int minimum);

} // namespace hospital::dbserver::demo
