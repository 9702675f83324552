// The database-reading routines on a small database of their own: each
// table holds just the columns the routine reads.
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/Heartbeat.h"
#include "platform/Paths.h"
#include "rarozidi/Func.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace rarozidi;

namespace {
class FuncDbTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        path = plantest::scratchDir() + "/rarozidi.fdb";
        plan::Connection::createDatabase(path);
        plan::Connection c;
        c.open(path);
        // AGREGAT: position 28 tells an engine unit from an airframe unit.
        QString agr = "CREATE TABLE AGREGAT (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), GDE_STOIT VARCHAR(20), "
                      "NAR VARCHAR(12), DATA_USTANOVKI DATE";
        for (int i = 5; i < 28; ++i) agr += QStringLiteral(", F%1 VARCHAR(5)").arg(i);
        agr += ", PRINADL VARCHAR(5))";
        c.executeScript(
            "CREATE TABLE CASES (ID INTEGER NOT NULL PRIMARY KEY, LIM VARCHAR(12), USED VARCHAR(12), EXPECTED VARCHAR(20), "
            "D DATE, N1 INTEGER, N2 INTEGER);\n"
            "CREATE TABLE TIPOVYE_DANNYE_VS (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), UCHITYVAT_ZEMLU VARCHAR(1), "
            "ZEMLIA_LOPASTY VARCHAR(1), KOL_VO_ZEMLIA_LOPASTY DOUBLE PRECISION, ZEMLIA_AGREGATY VARCHAR(1), "
            "KOL_VO_ZEMLIA_AGREGATY VARCHAR(8), ZEMLIA_AGR_DVIG VARCHAR(1), KOL_VO_ZEMLIA_AGR_DVIG DOUBLE PRECISION, "
            "ZEMLIA_DVIGATEL VARCHAR(1), KOL_VO_ZEMLIA_DVIGATEL DOUBLE PRECISION, KOL_VO_ZEMLIA_PLANER DOUBLE PRECISION);\n"
            "CREATE TABLE SPRAVKA (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), BORTOVOI_NOMER VARCHAR(20), "
            "DATA_POLETA DATE, V_VOZDUHE TIME, NA_ZEMLE TIME, KOL_VO_POSADOK INTEGER);\n"
            "CREATE TABLE LOPAST (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), GDE_STOIT VARCHAR(20), "
            "NAR VARCHAR(12), DATA_USTANOVKI DATE);\n" +
            agr + ";\n"
            "CREATE TABLE PTO_FORMY (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), VREMIA_F1 INTEGER, VREMIA_FORMA INTEGER);\n"
            "CREATE TABLE R (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), NAR VARCHAR(12), IDX INTEGER, EXPECTED VARCHAR(12));\n"
            "CREATE TABLE REESTR (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), BORTOVOI_NOMER VARCHAR(20), "
            "SOBSTVENNOST VARCHAR(20));\n"
            "CREATE TABLE OBSHIE (ID INTEGER NOT NULL PRIMARY KEY, VLADELETS VARCHAR(20));\n"
            "CREATE TABLE SOBSTVENNIKI (ID INTEGER NOT NULL PRIMARY KEY, ID_NAME VARCHAR(20), HIDE INTEGER);\n"
            // Ground running: blades count half of it, airframe units a share kept as text.
            "INSERT INTO TIPOVYE_DANNYE_VS VALUES (1, 'Ми-8', '1', '1', 0.5, '1', '0,5', '0', 1.0, '1', 1.0, 0.5);\n"
            "INSERT INTO TIPOVYE_DANNYE_VS VALUES (2, 'Ка-32', '0', '1', 0.5, '1', '0,5', '1', 1.0, '1', 1.0, 0.5);\n"
            // Board 22001 (Ми-8): flights before and after the installation on 10.01.2024.
            "INSERT INTO SPRAVKA VALUES (1, 'Ми-8', '22001', '1,5,2024', '01:00', '00:25', 2);\n"
            "INSERT INTO SPRAVKA VALUES (2, 'Ми-8', '22001', '1,10,2024', '01:30', '02:05', 3);\n"
            "INSERT INTO SPRAVKA VALUES (3, 'Ми-8', '22001', '1,20,2024', '00:30', '00:25', 1);\n"
            "INSERT INTO SPRAVKA VALUES (4, 'Ка-32', '31001', '1,20,2024', '00:30', '00:25', 1);\n"
            "INSERT INTO REESTR VALUES (1, 'Ми-8', '22001', 'OWN');\n"
            "INSERT INTO REESTR VALUES (2, 'Ми-8', '22002', 'LES');\n"
            "INSERT INTO REESTR VALUES (3, 'Ми-8', '22003', NULL);\n"
            "INSERT INTO REESTR VALUES (4, 'Ка-32', '31001', 'OWN2');\n"
            "INSERT INTO OBSHIE VALUES (1, 'OWN');\n"
            "INSERT INTO OBSHIE VALUES (2, NULL);\n"
            "INSERT INTO OBSHIE VALUES (3, 'OWN2');\n"
            "INSERT INTO SOBSTVENNIKI VALUES (1, 'OWN', 0);\n"
            "INSERT INTO SOBSTVENNIKI VALUES (2, 'LES', 0);\n"
            "INSERT INTO SOBSTVENNIKI VALUES (3, 'HID', 1);\n"
            "INSERT INTO PTO_FORMY VALUES (1, 'Ми-8', 50, 100);\n");
    }
    void SetUp() override { conn = plantest::connect(path); }
    void TearDown() override { plan::Clock::reset(); }

    // Fills CASES afresh and opens it on `select`.
    void cases(const QStringList& inserts)
    {
        conn->execute("DELETE FROM CASES");
        for (const QString& v : inserts) conn->execute("INSERT INTO CASES (ID, LIM, USED, EXPECTED, D, N1, N2) VALUES (" + v + ")");
    }
    QStringList boards(const QString& fragment)
    {
        plan::Dataset ds(conn.get());
        ds.setCommandText("Select BORTOVOI_NOMER From REESTR Where TIP_VS<>'!' " + fragment + " Order By ID;");
        ds.open();
        QStringList out;
        for (ds.first(); !ds.eof(); ds.next()) out << ds.str(0);
        return out;
    }
    static QString path;
    std::unique_ptr<plan::Connection> conn;
};
QString FuncDbTest::path;
} // namespace

TEST_F(FuncDbTest, HourAndCountRemainders)
{
    cases({"1, '1500', '1450:45', '49:15', NULL, 300, 120",
           "2, '100', '105:30', '-5:30', NULL, 100, 100",
           "3, '100', '100:00', '0:00', NULL, 10, 12",
           "4, '2000', '0:59', '1999:01', NULL, NULL, 5",
           "5, '1500:30', '1450:45', '49:45', NULL, 5, NULL",
           "6, NULL, '10:00', '', NULL, NULL, NULL"});
    const char* const counts[] = {"180", "0", "-2", "", ""};
    plan::Dataset ds(conn.get());
    ds.setCommandText("Select LIM, USED, EXPECTED, N1, N2 From CASES Order By ID;");
    ds.open();
    int i = 0;
    for (ds.first(); !ds.eof(); ds.next(), ++i) {
        SCOPED_TRACE(ds.str(1).toStdString());
        EXPECT_EQ(FunOstatChas(ds, 0, 1), ds.str(2));
        if (i < 5) EXPECT_EQ(FunOstatInteger(ds, 3, 4), QString::fromLatin1(counts[i]));
    }
    cases({"1, '1500', '12:7x', '', NULL, NULL, NULL", "2, 'abc', '10:00', '', NULL, NULL, NULL"});
    ds.requery();
    try {
        FunOstatChas(ds, 0, 1);
        FAIL() << "no conversion error";
    } catch (const plan::ConversionError& e) {
        EXPECT_TRUE(e.message().contains("12:7x")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("USED")) << e.message().toStdString();
    }
    ds.next();
    EXPECT_THROW(FunOstatChas(ds, 0, 1), plan::ConversionError);
}

TEST_F(FuncDbTest, CalendarLifeAgeAndRemovalDate)
{
    plan::Clock::setToday(QDate(2024, 2, 15));
    cases({"1, '2.06', NULL, '1л. 3м.', '11,1,2022', NULL, NULL",
           "2, '1.00', NULL, '0', '2,10,2023', NULL, NULL",
           "3, '1.00', NULL, '0г. 1м.', '3,10,2023', NULL, NULL",
           "4, NULL, NULL, '', '3,10,2023', NULL, NULL",
           "5, '1.00', NULL, '', NULL, NULL, NULL"});
    plan::Dataset ds(conn.get());
    ds.setCommandText("Select LIM, D, EXPECTED From CASES Order By ID;");
    ds.open();
    for (ds.first(); !ds.eof(); ds.next()) EXPECT_EQ(FunOstatLet(ds, 0, 1), ds.str(2)) << ds.recNo();
    ds.first();
    // 01.11.2022 to 15.02.2024: 15 months; as of a document date instead of today.
    EXPECT_EQ(FunNarabLet(ds, 1), QStringLiteral("1л. 3м."));
    EXPECT_EQ(FunNarabLet(ds, 1, QDate(2022, 11, 30)), QStringLiteral("0"));
    EXPECT_EQ(FunOstatLet(ds, 0, 1, QDate(2023, 12, 1)), QStringLiteral("1л. 5м."));
    ds.setRecNo(4);
    EXPECT_EQ(FunNarabLet(ds, 1), QString());

    // Removal: manufactured 01.11.2022, no repair, first-overhaul limit 1.00, assigned 2.06.
    cases({"1, '2.06', '1.00', NULL, '11,1,2022', 0, NULL", "2, '2.06', '1.00', NULL, '11,1,2022', 1, NULL"});
    ds.setCommandText("Select D, N1, LIM, USED, D From CASES Order By ID;");
    ds.open();
    EXPECT_EQ(FunDataSniatia(ds, 0, 1, 2, 3, 4), QStringLiteral("01.11.2023"));
}

TEST_F(FuncDbTest, ContinuousRunningFromTheAircraft)
{
    conn->execute("DELETE FROM LOPAST");
    // 600 minutes at installation on 10.01.2024; the flight of 05.01 does not count.
    // Blades of Ми-8 count half the ground running: 90 + 63 (125 * 0.5) + 30 + 13 (25 * 0.5).
    conn->execute("INSERT INTO LOPAST VALUES (1, 'Ми-8', '22001', '10:00', '1,10,2024')");
    conn->execute("INSERT INTO LOPAST VALUES (2, 'Ми-8', 'Склад', '10:00', '1,10,2024')");
    conn->execute("INSERT INTO LOPAST VALUES (3, 'Ми-8', '22001', '10:00', NULL)");
    // Ка-32 does not count ground running at all, whatever the blade flag says.
    conn->execute("INSERT INTO LOPAST VALUES (4, 'Ка-32', '31001', '10:00', '1,1,2024')");
    const char* const expected[] = {"13:16", "10:00", "10:00", "10:30"};
    plan::Dataset ds(conn.get());
    ds.setCommandText("Select * From LOPAST Order By ID;");
    ds.open();
    int i = 0;
    for (ds.first(); !ds.eof(); ds.next(), ++i) EXPECT_EQ(FunNepNarLopast(*conn, ds, 3), expected[i]) << i;
    // Flights dated after today of the clock are not counted: on 15.01.2024
    // the blade has flown the flight of 10.01 only (90 + 63).
    plan::Clock::setToday(QDate(2024, 1, 15));
    ds.first();
    EXPECT_EQ(FunNepNarLopast(*conn, ds, 3), QStringLiteral("12:33"));
    plan::Clock::reset();

    // Units: an airframe unit takes the units' share (text "0,5"), an engine
    // unit (column 28 = 1) the engine units' rule of its type.
    conn->execute("DELETE FROM AGREGAT");
    conn->execute("INSERT INTO AGREGAT (ID, TIP_VS, GDE_STOIT, NAR, DATA_USTANOVKI, PRINADL) VALUES (1, 'Ми-8', '22001', '0:00', '1,20,2024', '0')");
    conn->execute("INSERT INTO AGREGAT (ID, TIP_VS, GDE_STOIT, NAR, DATA_USTANOVKI, PRINADL) VALUES (2, 'Ми-8', '22001', '0:00', '1,20,2024', '1')");
    ds.setCommandText("Select * From AGREGAT Order By ID;");
    ds.open();
    EXPECT_EQ(FunNepNarAgr(*conn, ds, 3), QStringLiteral("0:43")); // 30 + 13
    ds.next();
    EXPECT_EQ(FunNepNarAgr(*conn, ds, 3), QStringLiteral("0:30")); // ZEMLIA_AGR_DVIG is "0"
}

TEST_F(FuncDbTest, BackDatingAndPlannedRunningTime)
{
    const GroundRule half = readGroundRule(*conn, "Ми-8", GroundKind::Lopasty);
    EXPECT_TRUE(half.counts);
    EXPECT_DOUBLE_EQ(half.share, 0.5);
    struct Case { QDate asOf; const char* stored; const char* expected; int landings; };
    const Case cases[] = {
        {QDate(2024, 1, 20), "100:00", "100:00", 10}, // nothing after the last flight
        {QDate(2024, 1, 10), "100:00", "99:17", 9},   // less 30 + 13
        {QDate(2024, 1, 9), "100:00", "96:44", 6},    // less 90 + 63 + 30 + 13
        {QDate(2024, 1, 4), "3:00", "-1:29", 4},      // less everything: 60 + 13 + 196
    };
    for (const Case& c : cases) {
        const BackDating b(*conn, "22001", c.asOf, half);
        EXPECT_EQ(b.runningTime(c.stored, "x"), c.expected) << c.asOf.toString().toStdString();
        EXPECT_EQ(b.landingCount(10), c.landings);
    }

    // Removal planned 10 days ahead: the last 30 days (to 25.01.2024) flew
    // 60+13 + 90+63 + 30+13 = 269 minutes: 269 / 30 * 10 = 89.67 -> 90.
    plan::Clock::setToday(QDate(2024, 1, 25));
    conn->execute("DELETE FROM LOPAST");
    conn->execute("INSERT INTO LOPAST VALUES (1, 'Ми-8', '22001', '10:00', '1,10,2024')");
    plan::Dataset ds(conn.get());
    ds.setCommandText("Select ID, TIP_VS, GDE_STOIT, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, F, NAR "
                      "From (Select L.*, '' As F From LOPAST L) Order By ID;");
    ds.open();
    ASSERT_EQ(ds.fieldName(26), "NAR");
    EXPECT_EQ(FunPPRPlanDliaSniatLopast(*conn, ds, "22001", QDate(2024, 2, 4)), QStringLiteral("11:30"));
    EXPECT_EQ(FunPPRPlanDliaSniatLopast(*conn, ds, "22001", QDate(2024, 1, 25)), QStringLiteral("10:00"));
    EXPECT_EQ(FunPPRPlanDliaSniatLopast(*conn, ds, "22001", QDate(2024, 1, 10)), QStringLiteral("9:17"));
}

TEST_F(FuncDbTest, PeriodicFormsAndAnOverdueForm)
{
    conn->execute("DELETE FROM R");
    conn->execute("INSERT INTO R VALUES (1, 'Ми-8', '1450:00', 14, '50:00')");
    conn->execute("INSERT INTO R VALUES (2, 'Ми-8', '1505:30', 14, '+5:30')");
    conn->execute("INSERT INTO R VALUES (3, 'Ми-8', '1500:00', 14, '0:00')");
    conn->execute("INSERT INTO R VALUES (4, 'Ми-8', '30:00', -1, '70:00')");
    conn->execute("INSERT INTO R VALUES (5, 'Ан-2', '30:00', 1, '0:00')"); // no PTO_FORMY row
    plan::Dataset ds(conn.get());
    ds.setCommandText("Select ID, TIP_VS, NAR, IDX, EXPECTED From R Order By ID;");
    ds.open();
    for (ds.first(); !ds.eof(); ds.next()) EXPECT_EQ(GetOstatTO(*conn, ds, 2, 1, 3), ds.str(4)) << ds.recNo();
    ds.first(); // F1 after form 14: 1400 + 50 = 1450 h, due now
    EXPECT_EQ(GetOstatF1(*conn, ds, 2, 1, 3), QStringLiteral("0:00"));
    ds.next();
    EXPECT_EQ(GetOstatF1(*conn, ds, 2, 1, 3), QStringLiteral("+55:30"));
}

TEST_F(FuncDbTest, OwnershipFragmentsSelectTheRightAircraft)
{
    EXPECT_EQ(FunOnlyOwn(*conn, "And "), QStringLiteral("And (SOBSTVENNOST='OWN' Or SOBSTVENNOST='OWN2')"));
    EXPECT_EQ(boards(FunOnlyOwn(*conn, "And ")), QStringList({"22001", "31001"}));
    EXPECT_EQ(boards(FunArenda(*conn, "And ")), QStringList({"22002"}));
    // No choice saved: every owner offered in lists.
    plan::Paths::setHome(plantest::scratchDir() + "/home");
    plantest::writeFile(plantest::scratchDir() + "/home/res.dat", "[APPLICATION]\nINIFILE=rarozidi.ini\n");
    plantest::writeFile(plan::Paths::userRoot() + "rarozidi.ini", "[MAIN]\nSCALE=1\n");
    EXPECT_EQ(boards(FunSobst(*conn, "And ")), QStringList({"22001", "22002"}));
    // The owner chosen in the settings: index 0 of the offered list ordered by ID_NAME (LES, OWN).
    plantest::writeFile(plan::Paths::userRoot() + "rarozidi.ini", "[MAIN]\nCBOSOBST=0\n");
    EXPECT_EQ(FunSobst(*conn, "And "), QStringLiteral("And (SOBSTVENNOST='LES')"));

    plan::Dataset ds(conn.get());
    ds.setCommandText("Select BORTOVOI_NOMER, 'Склад', 'Уфа', '' From REESTR Order By ID;");
    ds.open();
    EXPECT_TRUE(FunIsBN(ds, 0));
    EXPECT_FALSE(FunIsBN(ds, 1));
    EXPECT_FALSE(FunIsBN(ds, 2));
    EXPECT_FALSE(FunIsBN(ds, 3));
}

TEST_F(FuncDbTest, ConnectionFailureNamesTheTarget)
{
    plan::Connection::setDefaultTarget(plantest::scratchDir() + "/missing.fdb");
    plan::Connection c;
    try {
        FunConnection(c);
        FAIL() << "no error";
    } catch (const plan::DbError& e) {
        EXPECT_TRUE(e.message().contains("missing.fdb")) << e.message().toStdString();
    }
    plan::Connection::setDefaultTarget(path);
    FunConnection(c);
    EXPECT_TRUE(c.isOpen());
}

namespace {
// Inside a flight cache every window of dates gives what the database gives,
// whichever window was asked first.
TEST_F(FuncDbTest, FlightCacheServesEveryWindowAsTheDatabaseDoes)
{
    auto dates = [](const std::vector<FlightEntry>& f) {
        QStringList d;
        for (const auto& e : f) d << e.date.toString("dd.MM");
        return d.join(',');
    };
    const QDate late(2024, 1, 10), early(2024, 1, 1), end(2024, 1, 15);
    const QString lateAll = dates(readFlights(*conn, "22001", late, QDate()));
    const QString earlyAll = dates(readFlights(*conn, "22001", early, QDate()));
    const QString bounded = dates(readFlights(*conn, "22001", early, end));
    const QString every = dates(readFlights(*conn, "22001", QDate(), QDate()));
    ASSERT_EQ(earlyAll, "05.01,10.01,20.01");
    FlightCache cache;
    EXPECT_EQ(dates(readFlights(*conn, "22001", late, QDate())), lateAll);
    // Earlier than the first read: only the records before it are fetched,
    // and the board's records come whole and in order.
    const long long reads = plan::Heartbeat::sent(plan::Heartbeat::Sent::Read);
    EXPECT_EQ(dates(readFlights(*conn, "22001", early, QDate())), earlyAll);
    EXPECT_EQ(plan::Heartbeat::sent(plan::Heartbeat::Sent::Read), reads + 1);
    EXPECT_EQ(dates(readFlights(*conn, "22001", early, end)), bounded);
    EXPECT_EQ(dates(readFlights(*conn, "22001", late, QDate())), lateAll);
    EXPECT_EQ(dates(readFlights(*conn, "22001", QDate(), QDate())), every); // from the first record on
    EXPECT_EQ(dates(readFlights(*conn, "31001", QDate(), QDate())), "20.01"); // another board
    {
        FlightCache inner; // nested: the same cache
        EXPECT_EQ(dates(readFlights(*conn, "22001", late, QDate())), lateAll);
    }
    EXPECT_EQ(dates(readFlights(*conn, "22001", late, QDate())), lateAll);
}

// Boards read each since a date of its own (the earliest of a board's dates
// counts, from the start of its quarter) are then served from memory, with
// the records the database gives.
TEST_F(FuncDbTest, FlightCacheReadsBoardsSinceDatesOfTheirOwn)
{
    auto dates = [this](const QString& board, const QDate& from) {
        QStringList d;
        for (const auto& e : readFlights(*conn, board, from, QDate())) d << e.date.toString("dd.MM");
        return d.join(',');
    };
    FlightCache cache;
    FlightCache::readBoardsSince(*conn, {{"22001", QDate(2024, 4, 20)}, {"31001", QDate(2024, 3, 31)},
                                         {"22001", QDate(2024, 1, 10)}, {"22002", QDate()}});
    const long long before = plan::Heartbeat::sent(plan::Heartbeat::Sent::Read);
    EXPECT_EQ(dates("22001", QDate(2024, 1, 10)), "10.01,20.01");
    EXPECT_EQ(dates("22001", QDate(2024, 1, 1)), "05.01,10.01,20.01");
    EXPECT_EQ(dates("31001", QDate(2024, 3, 31)), "");
    EXPECT_EQ(dates("31001", QDate(2024, 1, 1)), "20.01");
    EXPECT_EQ(plan::Heartbeat::sent(plan::Heartbeat::Sent::Read), before);
}
} // namespace
