// The plans of withdrawal for periodic maintenance on the rows they stage.
#include "sheets/FormReckoning.h"
#include "sheets/WithdrawalPlans.h"
#include "support/FrameFixture.h"

#include <QHash>

using namespace plan::sheets;

namespace {

const char* const kOtvod = "frmPlanSpravka";

// Today is 15.06.2026.
//   Ми-8  halfway (F1 50 h, forms 100 h, 4 forms), forms interleaved with F1;
//         engines with forms of their own every 250 h.
//   Ан-2  plain (F1 50 h, forms 150 h, 6 forms); no ground running counted.
//   Ка-32 no PTO_FORMY row.
const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "TIPOVYE_DANNYE_VS", "PTO_FORMY", "PTO_FORMY_DVIG", "REESTR",
                             "DVIGATEL", "SPRAVKA"};

QString aircraft(const char* type, const char* board, const char* used, const char* idx, const char* idxF1,
                 const char* formDate, const char* f1Date)
{
    return QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, NARABOTKA_PPR, INDEX_FORMY, INDEX_F1, "
                          "DATA_FORMY, DATA_F1, STATUS_TO, UCHET_TO) VALUES ('%1', '%2', 'UT', '%3', %4, %5, %6, %7, 0, 1)")
        .arg(QString::fromUtf8(type), QString::fromUtf8(board), QString::fromUtf8(used), QString::fromUtf8(idx),
             QString::fromUtf8(idxF1), QString::fromUtf8(formDate), QString::fromUtf8(f1Date));
}

QString flight(const char* type, const char* board, const char* date, const char* air, const char* ground = "0:00")
{
    return QStringLiteral("INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) "
                          "VALUES ('%1', '%2', '%3', '%4', '%5')")
        .arg(QString::fromUtf8(type), QString::fromUtf8(board), QString::fromUtf8(date), QString::fromUtf8(air),
             QString::fromUtf8(ground));
}

class WithdrawalPlanTest : public frametest::FrameTest {
protected:
    void fillFleet(const QStringList& extra = {})
    {
        QStringList s = {
            "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('UT', 'ЮТэйр', 0)",
            "INSERT INTO OBSHIE (EXPLUATANT, NACH_PDO, DOLGNOST_PDO) VALUES ('UT', 'Иванов И.И.', 'Начальник ПДО')",
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, PTO_DVIG_SEPAR, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER, ZEMLIA_DVIGATEL, "
            "KOL_VO_ZEMLIA_DVIGATEL) VALUES ('Ми-8', '1', '1', 0.5, '0', 0)",
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, PTO_DVIG_SEPAR, UCHITYVAT_ZEMLU) VALUES ('Ан-2', '0', '0')",
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, PTO_DVIG_SEPAR, UCHITYVAT_ZEMLU) VALUES ('Ка-32', '0', '0')",
            "INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3, FORMA_4, FORMA_5, "
            "FORMA_6, FORMA_7, FORMA_8, FORMA_9) VALUES ('Ми-8', 50, 100, 4, 'Ф-2', 'Ф-1', 'Ф-3', 'Ф-1', 'Ф-2', 'Ф-1', "
            "'Ф-4', 'Ф-1', 'Ф-2')",
            "INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3, FORMA_4, FORMA_5, "
            "FORMA_6, FORMA_7) VALUES ('Ан-2', 50, 150, 6, 'Ф-2', 'Ф-3', 'Ф-2', 'Ф-4', 'Ф-2', 'Ф-3', 'Ф-2')",
            "INSERT INTO PTO_FORMY_DVIG (TIP_VS, DVIGATEL, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3) "
            "VALUES ('Ми-8', 'ТВ3-117', 250, 3, 'Ф-1Д', 'Ф-2Д', 'Ф-3Д')",
            // On schedule after periodic form 2 at 200 h: 70 h to the form, 20 h to F1.
            aircraft("Ми-8", "RA-001", "230:00", "2", "2", "'5,1,2026'", "'5,1,2026'"),
            // Last an F1 (number 2, at 150 h): 40 h to form 2, 90 h to the F1 after it; no flights.
            aircraft("Ми-8", "RA-002", "160:00", "1", "2", "'3,1,2026'", "'6,10,2026'"),
            // Nothing performed since the overhaul: 30 h to the first F1.
            aircraft("Ми-8", "RA-003", "20:00", "0", "0", "NULL", "NULL"),
            // Form 2 missed: 75 h overdue.
            aircraft("Ми-8", "RA-004", "275:00", "1", "1", "'1,10,2026'", "'1,10,2026'"),
            // No periodic form recorded, the F1 index 0.
            aircraft("Ми-8", "RA-010", "20:00", "-1", "0", "NULL", "NULL"),
            // Index outside the cycle.
            aircraft("Ми-8", "RA-007", "230:00", "7", "7", "'5,1,2026'", "'5,1,2026'"),
            // Plain: 100 h to the form; the F1 after form 1 (due now) does not shorten it.
            aircraft("Ан-2", "RA-005", "200:00", "1", "1", "'5,20,2026'", "'5,20,2026'"),
            // Half an hour left, 100 minutes a day flown.
            aircraft("Ан-2", "RA-008", "299:30", "1", "1", "'5,20,2026'", "'5,20,2026'"),
            aircraft("Ка-32", "RA-006", "10:00", "1", "1", "'5,20,2026'", "'5,20,2026'"),
            "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, NARABOTKA_PPR, GDE_STOIT, SVOI_FORMY, "
            "DATA_FORMY, INDEX_FORMY) VALUES ('Ми-8', 'ТВ3-117', 'E1', '300:00', 'RA-001', 1, '4,1,2026', 1)",
            "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, NARABOTKA_PPR, GDE_STOIT, SVOI_FORMY, "
            "DATA_FORMY, INDEX_FORMY) VALUES ('Ми-8', 'ТВ3-117', 'E2', '300:00', 'RA-001', 0, '4,1,2026', 1)",
            // 2400 min airborne (+ 13 of ground for the airframe) in the 30 days; one flight before them.
            flight("Ми-8", "RA-001", "6,1,2026", "20:00", "0:25"),
            flight("Ми-8", "RA-001", "6,10,2026", "20:00"),
            flight("Ми-8", "RA-001", "5,14,2026", "20:00"),
            flight("Ми-8", "RA-003", "6,5,2026", "15:00"),
            flight("Ми-8", "RA-004", "6,1,2026", "10:00"),
            flight("Ан-2", "RA-005", "6,2,2026", "23:00"),
            flight("Ан-2", "RA-005", "6,3,2026", "23:00"),
            flight("Ан-2", "RA-005", "6,4,2026", "4:00", "9:00"),
            flight("Ан-2", "RA-005", "8,20,2025", "20:00"), // a year before the first step of the annual plan
            flight("Ан-2", "RA-008", "6,2,2026", "23:00"),
            flight("Ан-2", "RA-008", "6,3,2026", "23:00"),
            flight("Ан-2", "RA-008", "6,4,2026", "4:00"),
        };
        s << extra;
        fill(kTables, s);
    }

    // Rows by "board item" -> columns 1..11.
    QHash<QString, QStringList> rowsOf(const char* query)
    {
        QHash<QString, QStringList> out;
        for (const QString& line : staging(QString::fromUtf8(query), 11)) {
            QStringList c = line.split(QLatin1Char(';'));
            while (c.size() < 11) c << QString();
            c.prepend(QString()); // c[pos]
            out.insert(c[2] + QLatin1Char(' ') + (c[10].isEmpty() ? QStringLiteral("Планер") : c[10]), c);
        }
        return out;
    }
};

TEST_F(WithdrawalPlanTest, NextFormAndDateOfEveryTickedAircraftAndEngine)
{
    fillFleet();
    const auto r = run(kOtvod, "План отвода ВС на ТО", {frametest::tick("Ан-2"), frametest::tick("Ка-32"), frametest::tick("Ми-8")});
    ASSERT_EQ(r.status, 0) << r.errors.join("\n").toStdString();
    const auto rows = rowsOf(kOtvodQuery);
    struct Case { const char* key; const char* last; const char* next; const char* date; const char* lastDate; const char* overdue; };
    const Case cases[] = {
        // 1200 min to F1 / (2413 / 30) a day = 14 days; ground running counted for the airframe.
        {"RA-001 Планер", "Ф-2", "Ф-1", "29.06.2026", "01.05.2026", "0"},
        // The engine: its own 250 h forms (200 h left), airborne time only: 12000 / 80 = 150 days.
        {"RA-001 ТВ3-117 №E1", "Ф-1Д", "Ф-2Д", "12.11.2026", "01.04.2026", "0"},
        {"RA-002 Планер", "Ф-1", "Ф-2", "15.07.2026", "10.06.2026", "0"},   // no flights: a month on
        {"RA-003 Планер", "-", "Ф-1", "14.08.2026", "-", "0"},               // index 0; 1800 / 30
        {"RA-004 Планер", "Ф-3", "Ф-1", "15.06.2026", "10.01.2026", "1"},    // overdue: today
        {"RA-010 Планер", "-", "Ф-2", "15.07.2026", "-", "0"},               // no F1 number 0
        {"RA-007 Планер", "", "", "15.07.2026", "", "0"},                     // index outside the cycle
        {"RA-005 Планер", "Ф-3", "Ф-2", "14.08.2026", "20.05.2026", "0"},    // plain: 6000 / 100 = 60 days
        {"RA-008 Планер", "Ф-3", "Ф-2", "15.06.2026", "20.05.2026", "0"},    // 30 min left, 100 a day
        {"RA-006 Планер", "", "", "15.07.2026", "", "0"},                     // no forms of the type
    };
    EXPECT_EQ(rows.size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const QStringList row = rows.value(QString::fromUtf8(c.key));
        ASSERT_EQ(row.size(), 12);
        EXPECT_EQ(row[3], "ЮТэйр");
        EXPECT_EQ(row[4], "Начальник ПДО");
        EXPECT_EQ(row[5], "Иванов И.И.");
        EXPECT_EQ(row[6], QString::fromUtf8(c.last));
        EXPECT_EQ(row[7], QString::fromUtf8(c.next));
        EXPECT_EQ(row[8], QString::fromUtf8(c.date));
        EXPECT_EQ(row[9], QString::fromUtf8(c.lastDate));
        EXPECT_EQ(row[11], QString::fromUtf8(c.overdue));
    }
}

TEST_F(WithdrawalPlanTest, AirframesOnlyTakeTheTemplateWithoutEngines)
{
    fillFleet();
    plan::Connection& c = *conn;
    PlanOtvodOptions o;
    o.aircraft = {{"Ан-2", "RA-005"}};
    EXPECT_EQ(buildPlanOtvod(c, o, QDate(2026, 6, 15)).templateCode(), "rep10");
    o.aircraft = {{"Ан-2", "RA-005"}, {"Ми-8", "RA-001"}};
    EXPECT_EQ(buildPlanOtvod(c, o, QDate(2026, 6, 15)).templateCode(), "rep15");
}

TEST_F(WithdrawalPlanTest, AnnualPlanStepsToTheLimitWithTheFlyingOfAYearBefore)
{
    fillFleet();
    const auto r = run(kOtvod, "Годовой план отвода ВС на ТО", {frametest::tick("Ан-2")});
    ASSERT_EQ(r.status, 0) << r.errors.join("\n").toStdString();
    const auto rows = rowsOf(kOtvodGodQuery);
    const QStringList row = rows.value("RA-005 Планер");
    ASSERT_EQ(row.size(), 12);
    EXPECT_EQ(row[6], "Ф-3 <b><i>20.05.26</b></i>");
    // First the next form at 60 days; then F1 intervals of 3000 min: 1200 min
    // flown in the 30 days from 14.08.2025 -> 75 days; without flights a year
    // before, a month each; names beyond column N + 4 are not defined; the
    // last entry is the first at or past 15.05.2027.
    const QString undefined = QStringLiteral("Форма не определена ");
    QStringList expected = {"Ф-2 <b><i>14.08.26</b></i>", "Ф-4 <b><i>28.10.26</b></i>", "Ф-2 <b><i>28.11.26</b></i>"};
    for (const char* d : {"28.12.26", "28.01.27", "28.02.27", "28.03.27", "28.04.27", "28.05.27"})
        expected << undefined + QStringLiteral(" <b><i>") + d + QStringLiteral("</b></i>");
    EXPECT_EQ(row[7], expected.join("\r") + "\r");
}

TEST_F(WithdrawalPlanTest, MalformedRunningTimeNamesTheItemAndTheValue)
{
    struct Case { QString statement; const char* tick; QStringList words; };
    const Case cases[] = {
        {aircraft("Ан-2", "RA-009", "12:7x", "1", "1", "NULL", "NULL"), "Ан-2", {"RA-009", "12:7x"}},
        {"INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, NARABOTKA_PPR, GDE_STOIT, SVOI_FORMY, INDEX_FORMY) "
         "VALUES ('Ми-8', 'ТВ3-117', 'E9', 'сто', 'RA-003', 1, 1)",
         "Ми-8", {"ТВ3-117", "E9", "сто"}},
    };
    for (const Case& c : cases) {
        fillFleet({c.statement});
        const auto r = run(kOtvod, "План отвода ВС на ТО", {frametest::tick(c.tick)});
        EXPECT_NE(r.status, 0);
        const QString all = r.errors.join("\n");
        for (const QString& w : c.words) EXPECT_TRUE(all.contains(w)) << all.toStdString();
    }
}

TEST_F(WithdrawalPlanTest, PlannedHoursThatAreNotANumberStopTheForecastBeforeAnythingIsWritten)
{
    fillFleet();
    // The rows of the plan shown before stay as they were.
    conn->execute("DELETE FROM REPORT_PLAN_OTVOD_TO_GOD");
    conn->execute("INSERT INTO REPORT_PLAN_OTVOD_TO_GOD (C1) VALUES ('прежний')");
    std::vector<plan::shell::RunStep> steps = {frametest::set("cboTipVS", "Ан-2"), frametest::set("cboNumVS", "RA-005")};
    for (int i = 1; i <= 12; ++i)
        steps.push_back(frametest::set(QStringLiteral("txt%1").arg(i).toUtf8().constData(), i == 5 ? "abc" : "30"));
    const auto r = run(kOtvod, "Годовой план-прогноз отвода ВС на ТО", steps);
    EXPECT_NE(r.status, 0);
    const QString all = r.errors.join("\n");
    EXPECT_TRUE(all.contains("txt5") && all.contains("Октябрь 2026 г.") && all.contains("abc")) << all.toStdString();
    EXPECT_EQ(staging(kOtvodGodQuery, 1), QStringList{"прежний"});
}

// ---------------------------------------------------------------- widget-free reckoning

TEST(WithdrawalReckoning, MinutesLeftAndDays)
{
    struct Case { const char* toForm; const char* toF1; double perDay; long long minutes; int days; };
    const Case cases[] = {
        {"120:00", "40:30", 90, 2430, 27}, // the smaller remainder
        {"+5:30", "40:30", 90, 0, 0},      // overdue: at once
        {"1450:05", "1450:05", 60, 87005, 1450},
        {"0:30", "0:30", 100, 30, 0},      // less than one day's flying
        {"70:00", "70:00", 0, 4200, 0},    // no average
    };
    for (const Case& c : cases) {
        const long long m = std::min(remainderMinutes(QString::fromUtf8(c.toForm)), remainderMinutes(QString::fromUtf8(c.toF1)));
        EXPECT_EQ(m, c.minutes) << c.toForm;
        EXPECT_EQ(daysToForm(m, c.perDay), c.days) << c.toForm;
    }
    EXPECT_EQ(expectedDate(QDate(2026, 1, 31), 27, false), QDate(2026, 2, 28));
    EXPECT_EQ(expectedDate(QDate(2026, 1, 31), 27, true), QDate(2026, 2, 27));
}

TEST(WithdrawalReckoning, PlannedFlyingWalksDayByDayAcrossPeriods)
{
    const QStringList thirty(12, QStringLiteral("30"));
    QStringList weeks(12, QStringLiteral("0"));
    weeks[6] = QStringLiteral("21");  // July, 15..21: 180 min a day
    weeks[7] = QStringLiteral("18");  // July, 22..31: 10 days, 108 min a day
    struct Case { PlanGrain grain; QStringList hours; QDate today, start; long long minutes; QDate expected; };
    const Case cases[] = {
        // June: 60 min a day; totals 0, 60, 120, 180 on the 10th to the 13th.
        {PlanGrain::Month, thirty, QDate(2026, 6, 1), QDate(2026, 6, 10), 150, QDate(2026, 6, 13)},
        {PlanGrain::Month, thirty, QDate(2026, 6, 1), QDate(2026, 6, 10), 180, QDate(2026, 6, 13)},
        {PlanGrain::Month, thirty, QDate(2026, 6, 1), QDate(2026, 6, 10), 0, QDate(2026, 6, 10)},
        // Across months: 60 + 60 in June, then 58.065 a day in July.
        {PlanGrain::Month, thirty, QDate(2026, 6, 1), QDate(2026, 6, 29), 150, QDate(2026, 7, 2)},
        // Not reached in twelve months: today less a month plus a year.
        {PlanGrain::Month, thirty, QDate(2026, 6, 1), QDate(2026, 6, 1), 1000000, QDate(2027, 5, 1)},
        // Weeks of June to August 2026 from 01.06.2026.
        {PlanGrain::Week, weeks, QDate(2026, 6, 1), QDate(2026, 7, 15), 500, QDate(2026, 7, 18)},
        {PlanGrain::Week, weeks, QDate(2026, 6, 1), QDate(2026, 7, 20), 500, QDate(2026, 7, 24)}, // 180 + 180 + 108 + 108
        {PlanGrain::Week, weeks, QDate(2026, 6, 1), QDate(2026, 8, 3), 500, QDate(2026, 8, 13)},  // not reached: + (31 - 21)
    };
    for (const Case& c : cases) {
        const auto periods = plannedPeriods(c.grain, c.today, c.hours);
        EXPECT_EQ(FunNextDate(periods, c.grain, c.today, c.start, c.minutes), c.expected)
            << c.start.toString().toStdString() << " " << c.minutes;
    }
    EXPECT_EQ(periodCaptions(PlanGrain::Month, QDate(2026, 12, 5)).mid(0, 2),
              QStringList({"Декабрь 2026 г.", "Январь 2027 г."}));
    EXPECT_EQ(periodCaptions(PlanGrain::Week, QDate(2026, 6, 15))[7], "Июль 2026 неделя 4");
}

} // namespace
