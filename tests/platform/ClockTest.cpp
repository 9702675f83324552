#include "platform/Clock.h"

#include <gtest/gtest.h>

using plan::Clock;

TEST(Clock, OverridesAndTheirErrors)
{
    Clock::setToday(QDate(2026, 12, 5));
    EXPECT_EQ(Clock::today(), QDate(2026, 12, 5));
    EXPECT_EQ(Clock::now().date(), QDate(2026, 12, 5));

    QDateTime t;
    ASSERT_TRUE(Clock::parseNow("2025-01-31T23:30:00Z", &t));
    Clock::setNow(t);
    EXPECT_EQ(Clock::now().toUTC(), QDateTime(QDate(2025, 1, 31), QTime(23, 30), Qt::UTC));

    QDate d;
    EXPECT_FALSE(Clock::parseToday("2026-13-01", &d));
    EXPECT_FALSE(Clock::parseToday("05.12.2026", &d));
    EXPECT_FALSE(Clock::parseNow("yesterday", &t));

    qputenv("PLAN_TODAY", "2024-02-29");
    qunsetenv("PLAN_NOW");
    Clock::reset();
    EXPECT_TRUE(Clock::initFromEnvironment().isEmpty());
    EXPECT_EQ(Clock::today(), QDate(2024, 2, 29));
    qputenv("PLAN_TODAY", "2024-02-30");
    EXPECT_TRUE(Clock::initFromEnvironment().contains("2024-02-30"));
    qunsetenv("PLAN_TODAY");
    Clock::reset();
    EXPECT_EQ(Clock::today(), QDate::currentDate());
}
