#include "hospital/dbserver/demo/DemoCalendar.h"
#include "hospital/dbserver/demo/DemoNumbering.h"
#include "hospital/dbserver/demo/DemoRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace hospital::dbserver::demo;

namespace {

// This seed cancels the mixing of stream CodeTables, leaving state 0, whose
// splitmix64 sequence is published.
DemoRandom fromStateZero()
{
    return DemoRandom(0xD1B54A32D192ED03ULL, DemoStream::CodeTables);
}

} // namespace

TEST(DemoRandom, FollowsTheReferenceSplitmix64Sequence)
{
    DemoRandom random = fromStateZero();
    EXPECT_EQ(random.next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(random.next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(random.next(), 0x06C45D188009454FULL);
}

TEST(DemoRandom, StreamsDiffer)
{
    DemoRandom persons(42, DemoStream::Persons);
    DemoRandom stays(42, DemoStream::Stays);
    EXPECT_NE(persons.next(), stays.next());
}

TEST(DemoRandom, BelowAndBetweenStayInRangeAndReachEveryValue)
{
    DemoRandom random(7, DemoStream::Stays);
    std::set<int> seenBelow;
    std::set<int> seenBetween;
    for (int i = 0; i < 2000; ++i) {
        const int b = random.below(5);
        ASSERT_GE(b, 0);
        ASSERT_LT(b, 5);
        seenBelow.insert(b);
        const int w = random.between(-2, 2);
        ASSERT_GE(w, -2);
        ASSERT_LE(w, 2);
        seenBetween.insert(w);
    }
    EXPECT_EQ(seenBelow.size(), 5u);
    EXPECT_EQ(seenBetween.size(), 5u);
    EXPECT_EQ(random.below(1), 0);
    EXPECT_THROW(random.below(0), std::invalid_argument);
}

TEST(DemoRandom, BelowIsNotSkewedTowardsLowValues)
{
    DemoRandom random(11, DemoStream::Persons);
    int low = 0;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i)
        low += random.below(1000) < 500 ? 1 : 0;
    EXPECT_NEAR(low, draws / 2, draws / 50);
}

TEST(DemoRandom, WeightedPickFollowsWeightsAndSkipsZeroWeights)
{
    static constexpr Weighted choices[] = {{"never", 0}, {"rare", 1}, {"common", 3}};
    DemoRandom random(3, DemoStream::Staff);
    int common = 0;
    for (int i = 0; i < 4000; ++i) {
        const QString value = QString::fromLatin1(pickWeighted(random, choices).value);
        ASSERT_NE(value, QStringLiteral("never"));
        common += value == QStringLiteral("common") ? 1 : 0;
    }
    EXPECT_NEAR(common, 3000, 150);
}

TEST(DemoRandom, ChooseMembersPicksExactlyTheQuotaAndRepeats)
{
    DemoRandom first(5, DemoStream::Stays);
    DemoRandom second(5, DemoStream::Stays);
    const std::vector<bool> a = chooseMembers(first, 1000, 65);
    EXPECT_EQ(std::count(a.begin(), a.end(), true), 65);
    EXPECT_EQ(a, chooseMembers(second, 1000, 65));

    const std::vector<bool> all = chooseMembers(first, 10, 50);
    EXPECT_EQ(std::count(all.begin(), all.end(), true), 10);
    EXPECT_TRUE(chooseMembers(first, 0, 3).empty());
}

TEST(DemoRandom, QuotaRoundsAndRespectsItsBounds)
{
    EXPECT_EQ(quota(1000, 65, 1), 65);
    EXPECT_EQ(quota(100, 65, 1), 7);     // 6.5 rounds up
    EXPECT_EQ(quota(100, 10, 2), 2);     // the minimum wins
    EXPECT_EQ(quota(200000, 65, 1), 13000);
    EXPECT_EQ(quota(1, 10, 5), 1);       // never more than the population
}

TEST(DemoCalendar, StoresDateTimesInTheServerForm)
{
    const Moment moment = Moment::at(QDate(2026, 1, 31), 7, 5);
    EXPECT_EQ(storedDateTime(moment), QStringLiteral("2026-01-31 07:05:00"));
    EXPECT_EQ(storedDateTime(moment.plusDays(1).plusMinutes(17 * 60)), QStringLiteral("2026-02-02 00:05:00"));
    EXPECT_EQ(storedDateTime(moment.plusMinutes(-8 * 60)), QStringLiteral("2026-01-30 23:05:00"));
    EXPECT_EQ(storedDateTime(QDate(1931, 12, 1)), QStringLiteral("1931-12-01 00:00:00"));
    EXPECT_EQ(moment.plusMinutes(-8 * 60).date(), QDate(2026, 1, 30));
}

TEST(DemoNumbering, NumbersFollowTheHospitalForms)
{
    EXPECT_EQ(hospitalNumber(0), QStringLiteral("00010001"));
    EXPECT_EQ(hospitalNumber(199999), QStringLiteral("00210000"));
    EXPECT_EQ(admissionNumber({2026, 123}), QStringLiteral("260000123"));
    EXPECT_EQ(outPatientNumber({2025, 4567}), QStringLiteral("250004567B"));
    EXPECT_EQ(emergencyNumber({2026, 1234}), QStringLiteral("ER26-001234"));
    EXPECT_EQ(pwoCaseNumber({2026, 123}), QStringLiteral("2026-00123"));
    EXPECT_EQ(admissionNumber({2100, 1}), QStringLiteral("000000001"));
}

TEST(DemoNumbering, CountsInOrderOfTimeAndRestartsEachYear)
{
    const QDate newYear(2026, 1, 1);
    const std::vector<Moment> when{
        Moment::at(newYear, 9),                 // second of 2026
        Moment::at(newYear.addDays(-1), 23),    // last of 2025
        Moment::at(newYear, 8),                 // first of 2026
        Moment::at(newYear.addDays(-300), 1),   // first of 2025
        Moment::at(newYear, 9),                 // same moment as the first: later by index
    };
    const std::vector<YearSequence> numbers = numberWithinYears(when);
    const auto expect = [&numbers](std::size_t index, int year, int sequence) {
        EXPECT_EQ(numbers[index].year, year) << index;
        EXPECT_EQ(numbers[index].sequence, sequence) << index;
    };
    expect(0, 2026, 2);
    expect(1, 2025, 2);
    expect(2, 2026, 1);
    expect(3, 2025, 1);
    expect(4, 2026, 3);
}
