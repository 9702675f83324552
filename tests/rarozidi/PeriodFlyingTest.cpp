// The period sums of flight entries: which positions each selector and
// measure adds, ground running rounded entry by entry, the date bounds, and
// the hours text of the lessor's forms.
#include "platform/DbError.h"
#include "rarozidi/PeriodFlying.h"

#include <gtest/gtest.h>

using namespace rarozidi;

namespace {

FlightRow entry(const QDate& d, std::initializer_list<std::pair<int, int>> values)
{
    FlightRow r;
    r.date = d;
    for (const auto& [pos, v] : values) r.at[pos] = v;
    return r;
}

// Every position a measure may read holds its own power of ten-ish marker,
// so that a sum names the positions it took.
std::vector<FlightRow> markedEntries()
{
    std::vector<FlightRow> rows;
    rows.push_back(entry(QDate(2026, 5, 1), {{6, 1}, {3, 20}, {7, 3}, {8, 4}, {15, 5}, {16, 6}, {17, 7}, {18, 8},
                                             {19, 9}, {21, 40}, {25, 11}, {26, 12}, {27, 60}, {31, 13}, {32, 14},
                                             {44, 80}, {48, 15}, {49, 16}, {50, 100}, {51, 200}, {52, 300},
                                             {53, 400}, {54, 100}}));
    return rows;
}

TEST(PeriodFlyingTest, EachSelectorAndMeasureAddsItsOwnPositions)
{
    struct Case {
        const char* measure;
        int selector;
        bool ground;
        long long expected;
    } cases[] = {
        // Airborne only, then with half the ground running.
        {"HOUR", -1, false, 1},    {"HOUR", -1, true, 1 + 10},   {"HOUR", 0, false, 100},  {"HOUR", 0, true, 100 + 40},
        {"HOUR", 1, true, 200 + 20}, {"HOUR", 2, true, 300 + 30}, {"HOUR", 100, true, 400 + 50},
        // A selector not listed counts as the first engine.
        {"HOUR", 7, true, 100 + 40}, {"CICL", 5, false, 16},
        // Cycles and starts: the airframe's cycles are the first engine's, its starts position 7.
        {"CICL", -1, false, 16},   {"CICL", 0, false, 16},      {"CICL", 1, false, 12},   {"CICL", 2, false, 14},
        {"CICL", 100, false, 9},   {"ZAPUSK", -1, false, 3},    {"ZAPUSK", 0, false, 15}, {"ZAPUSK", 1, false, 11},
        {"ZAPUSK", 2, false, 13},  {"ZAPUSK", 100, false, 3},
        // Landings and the APU counters do not depend on the selector.
        {"POSADKI", 1, true, 4},   {"VSU_HOUR", 0, true, 8},    {"VSU_HOUR_TA14", 0, true, 15},
        {"VSU_ZAPUSK", 0, true, 5}, {"VSU_OTBOR", 0, true, 6},  {"VSU_GENERAT", 0, true, 7},
    };
    const auto rows = markedEntries();
    for (const Case& c : cases)
        EXPECT_EQ(sumFlying(rows, {}, {}, QString::fromLatin1(c.measure), c.selector, c.ground, 0.5), c.expected)
            << c.measure << " selector " << c.selector << " ground " << c.ground;
}

TEST(PeriodFlyingTest, GroundRunningIsRoundedEntryByEntryAndDatesBoundBothEnds)
{
    // Three entries of 25 minutes of ground running at half: 13 each (39),
    // not 37.5 rounded once (38).
    std::vector<FlightRow> rows;
    for (int day : {1, 15, 31}) rows.push_back(entry(QDate(2026, 5, day), {{6, 60}, {3, 25}, {8, 2}}));
    rows.push_back(entry(QDate(2026, 6, 1), {{6, 30}, {3, 0}, {8, 1}}));
    const BoardFlying f(rows);
    struct Case {
        QDate from, to;
        const char* measure;
        long long expected;
    } cases[] = {
        {QDate(2026, 5, 1), QDate(2026, 5, 31), "HOUR", 3 * 73},
        {QDate(2026, 5, 15), QDate(2026, 5, 15), "HOUR", 73},
        {QDate(2026, 5, 2), QDate(2026, 5, 30), "POSADKI", 2},
        {QDate(2026, 5, 31), QDate(), "POSADKI", 3},
        {QDate(2026, 6, 2), QDate(), "HOUR", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(f.sum(c.from, c.to, QString::fromLatin1(c.measure), -1, true, 0.5), c.expected)
            << c.measure << " " << c.from.toString().toStdString();
    // After the month: only the entry of 1 June; the month's text.
    EXPECT_EQ(f.FunNarDateStopPer(QDate(2026, 5, 31), QStringLiteral("HOUR"), -1, true, 0.5), 30);
    EXPECT_EQ(f.FunNarZaPer(QDate(2026, 5, 1), QDate(2026, 5, 31), QStringLiteral("HOUR"), -1, true, 0.5),
              QStringLiteral("3 час 39 мин"));
    EXPECT_EQ(f.FunNarZaPer(QDate(2026, 5, 1), QDate(2026, 5, 31), QStringLiteral("POSADKI"), -1, true, 0.5),
              QStringLiteral("6"));
    EXPECT_THROW(f.sum({}, {}, QStringLiteral("MINUTES"), 0, false, 0), plan::ConversionError);
}

TEST(PeriodFlyingTest, HoursTextWritesTwoDigitsOfMinutes)
{
    const std::pair<long long, const char*> cases[] = {
        {0, "0 час 00 мин"},     {9, "0 час 09 мин"},   {10, "0 час 10 мин"}, {60, "1 час 00 мин"},
        {125, "2 час 05 мин"},   {7810, "130 час 10 мин"}, {-65, "-1 час 05 мин"},
    };
    for (const auto& [minutes, text] : cases) EXPECT_EQ(hoursText(minutes), QString::fromUtf8(text)) << minutes;
}

} // namespace
