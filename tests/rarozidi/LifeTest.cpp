// Hand-computed cases of the pure life arithmetic.
#include "platform/DbError.h"
#include "rarozidi/Func.h"

#include <gtest/gtest.h>

using namespace rarozidi;

TEST(RunningTime, ParsesAndFormatsMinutes)
{
    struct Case { const char* text; int minutes; const char* formatted; };
    const Case cases[] = {
        {"1450:05", 1450 * 60 + 5, "1450:05"},
        {"0:00", 0, "0:00"},
        {" 12:59 ", 12 * 60 + 59, "12:59"},
        {"-5:30", -330, "-5:30"},
        {"1500", 90000, "1500:00"}, // a bare number is whole hours
        {"0:07", 7, "0:07"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseRunningTime(QString::fromUtf8(c.text), "test"), c.minutes);
        EXPECT_EQ(formatRunningTime(c.minutes), QString::fromUtf8(c.formatted));
    }
    // Minutes carry past 60 in both directions.
    EXPECT_EQ(formatRunningTime(parseRunningTime("1:45", "a") + parseRunningTime("0:30", "b")), "2:15");
    EXPECT_EQ(formatRunningTime(parseRunningTime("2:10", "a") - parseRunningTime("0:20", "b")), "1:50");
    EXPECT_EQ(formatRunningTime(-59), "-0:59");
}

TEST(RunningTime, MalformedTextRaisesConversionErrorNamingIt)
{
    for (const char* bad : {"12:7x", "abc", "", "1:75", "12:5", "12:345", "1,5:00", "--1:00"}) {
        SCOPED_TRACE(bad);
        try {
            parseRunningTime(QString::fromUtf8(bad), "NARABOTKA_PPR");
            FAIL() << "no conversion error";
        } catch (const plan::ConversionError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(bad))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains("NARABOTKA_PPR")) << e.message().toStdString();
        }
    }
    EXPECT_EQ(parseRunningTimeOrZero("  ", "x"), 0);
}

TEST(RunningTime, WholeHoursAreTheTextLessItsLastThreeCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1450:05", "1450"}, {"-5:30", "-5"}, {"0:40", "0"}, {"12:30", "12"}, {"", "0"}};
    for (const auto& [text, hours] : cases) EXPECT_EQ(wholeHoursText(text), hours) << text;
}

TEST(Life, BookYear)
{
    const std::pair<int, const char*> cases[] = {
        {1, "г. "}, {3, "г. "}, {5, "л. "}, {11, "л. "}, {14, "л. "}, {21, "г. "},
        {25, "л. "}, {111, "г. "}, {12, "л. "}, {2, "г. "}, {0, "л. "}, {20, "л. "}, {104, "г. "}};
    for (const auto& [n, text] : cases) EXPECT_EQ(FunBookYear(n), QString::fromUtf8(text)) << n;
}

TEST(Life, GroundShareIsRoundedHalfUpPerFlight)
{
    struct Case { int ground; double share; int counted; };
    const Case cases[] = {
        {25, 0.5, 13}, {125, 0.5, 63}, {3, 0.5, 2}, {5, 0.3, 2}, {10, 0.0, 0}, {7, 1.0, 7}, {1, 0.49, 0}, {0, 0.5, 0}};
    for (const Case& c : cases) EXPECT_EQ(countedGroundMinutes(c.ground, c.share), c.counted) << c.ground << "*" << c.share;

    // Each flight is rounded on its own: two flights of 25 ground minutes at
    // 0.5 count 13 + 13, not round(25) = 25.
    const GroundRule half{true, 0.5};
    std::vector<FlightEntry> f(2);
    f[0].date = f[1].date = QDate(2024, 1, 1);
    f[0].groundMinutes = f[1].groundMinutes = 25;
    f[0].airborneMinutes = 60;
    EXPECT_EQ(countedMinutes(f, half), 60 + 13 + 13);
    EXPECT_EQ(countedMinutes(f, GroundRule{false, 0.5}), 60);
}

TEST(Life, ContinuousRunningCountsOnlyFlightsFromInstallation)
{
    auto flight = [](QDate d, int air, int ground) {
        FlightEntry e;
        e.date = d;
        e.airborneMinutes = air;
        e.groundMinutes = ground;
        return e;
    };
    const std::vector<FlightEntry> flights = {
        flight(QDate(2024, 1, 5), 60, 25),   // before installation
        flight(QDate(2024, 1, 10), 90, 125), // the day of installation: counts
        flight(QDate(2024, 1, 20), 30, 25),
    };
    const GroundRule half{true, 0.5};
    struct Case { QDate installed; GroundRule rule; long long expected; };
    const Case cases[] = {
        {QDate(2024, 1, 10), half, 600 + 90 + 63 + 30 + 13},
        {QDate(2024, 1, 10), GroundRule{false, 0.5}, 600 + 90 + 30},
        {QDate(2024, 1, 1), half, 600 + 60 + 13 + 90 + 63 + 30 + 13},
        {QDate(2024, 2, 1), half, 600},
        {QDate(), half, 600}, // no installation date: the stored value
    };
    for (const Case& c : cases)
        EXPECT_EQ(continuousMinutes(600, flights, c.installed, c.rule), c.expected) << c.installed.toString().toStdString();
}

TEST(Life, CalendarValuesAndRemainders)
{
    const std::pair<const char*, int> months[] = {{"5.06", 66}, {"12", 144}, {"0.11", 11}, {"5,6", 66}, {"2.00", 24}};
    for (const auto& [t, m] : months) EXPECT_EQ(calendarMonths(t, "c"), m) << t;
    for (const char* bad : {"5.12", "abc", "5.6.1", "-1.00"}) EXPECT_THROW(calendarMonths(bad, "c"), plan::ConversionError) << bad;

    struct Case { int limit; QDate stored; QDate asOf; const char* text; };
    const Case cases[] = {
        // across a year end: 30 - (2024*12+2 - (2022*12+11)) = 30 - 15 = 15 months
        {30, QDate(2022, 11, 1), QDate(2024, 2, 15), "1л. 3м."},
        {12, QDate(2023, 12, 15), QDate(2024, 1, 10), "0л. 11м."},
        // on the exact month the life is used up
        {12, QDate(2023, 3, 10), QDate(2024, 3, 31), "0"},
        {12, QDate(2023, 3, 10), QDate(2024, 2, 28), "0г. 1м."},
        {12, QDate(2020, 3, 10), QDate(2024, 2, 28), "0"}, // long past
        {300, QDate(2000, 1, 1), QDate(2000, 1, 1), "25л. 0м."},
        {59, QDate(2024, 5, 31), QDate(2024, 5, 1), "4л. 11м."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(remainingCalendarText(c.limit, c.stored, c.asOf), QString::fromUtf8(c.text))
            << c.limit << " " << c.stored.toString().toStdString();

    EXPECT_EQ(monthsBetween(QDate(2023, 12, 31), QDate(2024, 1, 1)), 1);
    EXPECT_EQ(yearsMonthsText(14), QStringLiteral("1л. 2м."));
    EXPECT_EQ(yearsMonthsText(25), QStringLiteral("2л. 1м."));
    EXPECT_EQ(yearsMonthsText(-3), QStringLiteral("0"));
}

TEST(Life, PeriodicFormRemainders)
{
    struct Case { long long used; int interval; int index; long long minutes; const char* text; };
    const Case cases[] = {
        {1450 * 60, 100, 14, 50 * 60, "50:00"},    // next form at 1500 h
        {1500 * 60, 100, 14, 0, "0:00"},           // due now, not overdue
        {1505 * 60 + 30, 100, 14, -330, "+5:30"},  // overdue
        {40 * 60 + 15, 100, -1, 59 * 60 + 45, "59:45"}, // none performed: the first form
        {40 * 60 + 15, 100, 0, 59 * 60 + 45, "59:45"},
    };
    for (const Case& c : cases) {
        const long long m = minutesToNextForm(c.used, c.interval, c.index, 1);
        EXPECT_EQ(m, c.minutes);
        EXPECT_EQ(formRemainderText(m), QString::fromUtf8(c.text));
    }
    // F1 halfway between periodic forms (F1 50 h, forms 100 h): after form 3
    // (or after the F1 before it, index 3) the next F1 is at 350 h.
    EXPECT_EQ(minutesToNextF1(330 * 60, 100, 50, 3, 1), 20 * 60);
    EXPECT_EQ(formRemainderText(minutesToNextF1(360 * 60, 100, 50, 3, 1)), QStringLiteral("+10:00"));
}

// The index of the last form is its place in the type's cycle of N forms,
// not a count since the overhaul: an aircraft far past its first round of
// the cycle is not overdue because its index is small.
TEST(Life, FormsInACycleCountFromTheRoundTheRunningTimeReached)
{
    struct Case { int usedHours; int index; int count; const char* toForm; const char* toF1; };
    const Case cases[] = {
        // forms 100 h, F1 50 h, 4 forms: 1230 h is form 12 = place 0 of round 3.
        {1230, 0, 4, "70:00", "20:00"},
        {1230, 3, 4, "+30:00", "+80:00"}, // place 3 = form 11 at 1100 h: form 12 (1200 h) missed
        {1230, 2, 4, "+130:00", "+180:00"}, // two places behind: form 10
        {1195, 0, 4, "105:00", "55:00"},  // form 12 done 5 h early: next at 1300 h
        {1195, 3, 4, "5:00", "+45:00"},   // on schedule before form 12
        {30, 0, 4, "70:00", "20:00"},     // first round: as counted from the overhaul
        {30, -1, 4, "70:00", "20:00"},    // none performed
        {1230, 7, 4, "+430:00", "+480:00"}, // outside the cycle: counted from the overhaul
        {1230, 12, 0, "70:00", "20:00"},  // no cycle known: counted from the overhaul
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formRemainderText(minutesToNextForm(c.usedHours * 60LL, 100, c.index, 1, c.count)),
                  QString::fromUtf8(c.toForm)) << c.usedHours << " " << c.index;
        EXPECT_EQ(formRemainderText(minutesToNextF1(c.usedHours * 60LL, 100, 50, c.index, 1, c.count)),
                  QString::fromUtf8(c.toF1)) << c.usedHours << " " << c.index;
    }
}

TEST(Life, PlannedRemovalDateIsTheEarlierLimit)
{
    struct Case { QDate made; QDate repaired; int repairs; int assigned; int overhaul; QDate expected; };
    const Case cases[] = {
        {QDate(2010, 5, 20), QDate(), 0, 240, 96, QDate(2018, 5, 20)},
        {QDate(2010, 5, 20), QDate(2020, 3, 1), 2, 240, 60, QDate(2025, 3, 1)},
        {QDate(2010, 5, 20), QDate(2028, 3, 1), 2, 240, 60, QDate(2030, 5, 20)},
        {QDate(2010, 5, 20), QDate(2020, 3, 1), 0, 0, 60, QDate(2015, 5, 20)}, // never repaired: from manufacture
        {QDate(2010, 5, 20), QDate(), 0, 0, 0, QDate()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plannedRemovalDate(c.made, c.repaired, c.repairs, c.assigned, c.overhaul), c.expected);
}

TEST(Life, ProjectionAtTheThirtyDayAverage)
{
    struct Case { long long stored; long long last30; int days; long long expected; };
    const Case cases[] = {
        {600, 900, 10, 900}, {600, 31, 1, 601}, {600, 45, 1, 602} /* 1.5 -> 2 */, {600, 0, 100, 600}};
    for (const Case& c : cases) EXPECT_EQ(projectedMinutes(c.stored, c.last30, c.days), c.expected);
}

TEST(Services, MessageTextsAndOwnershipFragments)
{
    EXPECT_EQ(msgText("тип ВС", 6), QStringLiteral("Не выбран тип ВС"));
    EXPECT_EQ(msgText("бортовой номер ВС", 2), QStringLiteral("Не выбран бортовой номер ВС"));
    EXPECT_EQ(msgText("Дата осмотра", 7), QStringLiteral("Неверная дата: Дата осмотра"));
    EXPECT_TRUE(msgText("Дата ТО", 9).endsWith(QStringLiteral(": Дата ТО")));
    EXPECT_NE(msgText("Дата ТО", 9), msgText("Дата ТО", 7));

    EXPECT_EQ(ownFragment("And ", {"A", "B"}), "And (SOBSTVENNOST='A' Or SOBSTVENNOST='B')");
    EXPECT_EQ(ownFragment("And ", {}), "And (SOBSTVENNOST='!')");
    EXPECT_EQ(leasedFragment("And ", {"A"}), "And (SOBSTVENNOST<>'' And SOBSTVENNOST<>'A')");
}
