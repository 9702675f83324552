// The forecast arithmetic on its own: monthly flying, the date marks.
#include "forecast/ForecastMath.h"

#include <gtest/gtest.h>

using namespace plan::forecast;

namespace {

TEST(ForecastMath, MonthlyFlyingText)
{
    const struct {
        double rate;
        const char* text;
    } cases[] = {{255 / 30.0, "4:15"}, {40.0, "20:00"}, {268 / 30.0, "4:28"}, {0.0, "0:00"}, {425 / 30.0, "7:05"},
                 {plannedDailyRate(20), "20:00"}};
    for (const auto& c : cases) EXPECT_EQ(monthlyFlyingText(c.rate), c.text) << c.rate;
}

TEST(ForecastMath, ForecastDateText)
{
    const QDate today(2026, 6, 15);
    const struct {
        long long remaining;
        double rate;
        int calendar;
        const char* text;
    } cases[] = {
        {3000, 30.0, 3, "23.09.26"},          // 100 days: beyond three months
        {3000, 30.0, 4, "<i>23.09.26</i>"},   // within four
        {92 * 60, 60.0, 3, "<i>15.09.26</i>"}, // exactly three months on: on the boundary, italic
        {93 * 60, 60.0, 3, "16.09.26"},
        {-600, 60.0, 3, "<i>05.06.26</i>"},   // overrun: a date in the past
        {3000, 0.0, 3, "<b>===</b>"},         // no flying
        {6000000, 1 / 30.0, 3, "<b>===</b>"}, // beyond the calendar's range
        {59, 60.0, 3, "<i>15.06.26</i>"},     // less than a day: today
    };
    for (const auto& c : cases)
        EXPECT_EQ(forecastDateText(today, c.remaining, c.rate, c.calendar, noDateMark()), c.text) << c.remaining;
}

TEST(ForecastMath, RemainingTextAndLimit)
{
    EXPECT_EQ(remainingText("100:00", 100), "<i>100:00</i>");
    EXPECT_EQ(remainingText("101:00", 100), "101:00");
    EXPECT_EQ(remainingText("-5:30", 100), "<i>-5:30</i>");
    EXPECT_EQ(remainingText("", 100), "");
    EXPECT_EQ(chooseLimitPosition(0, true, 14, 16), 14);
    EXPECT_EQ(chooseLimitPosition(0, false, 14, 16), 16);
    EXPECT_EQ(chooseLimitPosition(1, true, 14, 16), 16);
}

} // namespace
