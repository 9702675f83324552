// The fleet state sheets on the rows they stage.
#include "sheets/FleetStateSheets.h"
#include "support/FrameFixture.h"

#include <QHash>

using namespace plan::sheets;

namespace {

const char* const kSpravka = "frmPlanSpravka";
const char* const kT1 = "Состояние парка воздушных судов (Отчет - тип 1)";
const char* const kT2 = "Состояние парка воздушных судов (Отчет - тип 2)";

const QStringList kTables = {"EXPLUATANTY", "RASPOLOGENIA", "TIPOVYE_DANNYE_VS", "PTO_FORMY", "REESTR", "SPRAVKA",
                             "TO_AKB", "SEZONNOE_TO", "DVIGATEL", "OBSHIE"};

struct Plane {
    const char* op;
    const char* type;
    const char* board;
    const char* used;
    int index;
    int indexF1;
    int state = 0;
    int kept = 1; // UCHET_TO
    const char* formDate = "NULL";
    const char* place = "1";
};

QString insert(const Plane& p)
{
    return QStringLiteral("INSERT INTO REESTR (EXPLUATANT, TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, DATA_IGOTOVLEN, "
                          "NARABOTKA_PPR, INDEX_FORMY, INDEX_F1, STATUS_TO, UCHET_TO, DATA_FORMY, DATA_F1, ID_MESTO) "
                          "VALUES ('%1', '%2', '%3', 'S-%3', '3,1,1985', '%4', %5, %6, %7, %8, %9, %9, '%10')")
        .arg(QString::fromUtf8(p.op), QString::fromUtf8(p.type), QString::fromUtf8(p.board), QString::fromUtf8(p.used))
        .arg(p.index)
        .arg(p.indexF1)
        .arg(p.state)
        .arg(p.kept)
        .arg(QString::fromUtf8(p.formDate), QString::fromUtf8(p.place));
}

QString flight(const char* board, const char* date, const char* air, const char* ground = "0:00")
{
    return QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('%1', '%2', '%3', '%4')")
        .arg(QString::fromUtf8(board), QString::fromUtf8(date), QString::fromUtf8(air), QString::fromUtf8(ground));
}

// Today is 15.06.2026.
//   Ми-2  plain scheme (F1 30 h, forms 100 h, 4 forms), no ground running counted.
//   Ми-8  halfway scheme (F1 50 h, forms 100 h), ground running counted at 0.5.
//   Ка-32 forms done by the overhaul plant ("АРЗ"): not reckoned.
QStringList fleet()
{
    QStringList s = {
        "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('0', 'Авиакомпания Север', 0)",
        "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('1', 'Вертолеты Юга', 0)",
        "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('9', 'Архив', 1)",
        "INSERT INTO RASPOLOGENIA (NAME, ID_MESTO, HIDE) VALUES ('Сургут', '1', 0)",
        "INSERT INTO RASPOLOGENIA (NAME, ID_MESTO, HIDE) VALUES ('Ханты-Мансийск', '2', 0)",
        "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-2', '0', 0.5)",
        "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8', '1', 0.5)",
        "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU) VALUES ('Ка-32', '0')",
        "INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3, FORMA_4) "
        "VALUES ('Ми-2', 30, 100, 4, 'Ф-1', 'Ф-2', 'Ф-3', 'Ф-2')",
        "INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3, FORMA_4, FORMA_5, "
        "FORMA_6, FORMA_7, FORMA_8, FORMA_9) VALUES ('Ми-8', 50, 100, 4, 'Ф-2', 'Ф-1', 'Ф-3', 'Ф-1', 'Ф-2', 'Ф-1', "
        "'Ф-4', 'Ф-1', 'Ф-2')",
        "INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, CASE1, KOL_VO_FORM, FORMA_1, FORMA_2) "
        "VALUES ('Ка-32', 30, 100, 'АРЗ', 4, 'Ф-1', 'Ф-2')",
        // 99:50 to form 2; flew 1:20 today (its half hour on the ground does not count for the type)
        // and 2:00 yesterday: 200 minutes in 30 days.
        insert({"0", "Ми-2", "RA-1001", "100:10", 1, 1, 0, 1, "'5,20,2026'", "2"}),
        // Form 2 missed (+50:00): overdue although it flies; the same standing at the plant.
        insert({"0", "Ми-2", "RA-1002", "250:00", 1, 1}),
        insert({"0", "Ми-2", "RA-1003", "250:00", 1, 1, 4}),
        // 10:00 and 10:01 to form 1, 100 minutes a day flown.
        insert({"0", "Ми-2", "RA-1004", "90:00", 0, 0}),
        insert({"0", "Ми-2", "RA-1005", "89:59", 0, 0}),
        // 10:00 left but not kept for maintenance (UCHET_TO 0).
        insert({"0", "Ми-2", "RA-1006", "90:00", 0, 0, 0, 0}),
        // 10:00 left, forms done by the plant.
        insert({"0", "Ка-32", "RA-2001", "90:00", 0, 0}),
        // Last a periodic form (index 2) on 01.05.2026 at 230:00 less the flying after that day.
        insert({"1", "Ми-8", "RA-3001", "230:00", 2, 2, 0, 1, "'5,1,2026'"}),
        // A hidden operator and a hidden type.
        insert({"9", "Ми-2", "RA-9001", "10:00", 0, 0}),
        insert({"0", "Ми-2 HIDE", "RA-9002", "10:00", 0, 0}),
        "UPDATE REESTR SET DATA_UDOSNOVERENIE_DO = '12,31,2026' WHERE BORTOVOI_NOMER = 'RA-1001'",
        flight("RA-1001", "6,15,2026", "1:20", "0:30"),
        flight("RA-1001", "6,14,2026", "2:00"), // before the end of yesterday: not taken back
        flight("RA-1002", "6,10,2026", "3:00"),
        flight("RA-3001", "5,1,2026", "5:00"),            // the day of the form itself: not taken back
        flight("RA-3001", "5,20,2026", "10:00", "0:25"),  // 600 + 13 after the form
        flight("RA-3001", "6,15,2026", "1:00", "0:10"),   // 60 + 5 today
        "INSERT INTO TO_AKB (TIP_VS, BORTOVOY_NOMER, ZAVODSKOY_NOMER) VALUES ('Ми-2', 'RA-1001', 'АКБ-1')",
        "INSERT INTO TO_AKB (TIP_VS, BORTOVOY_NOMER, ZAVODSKOY_NOMER) VALUES ('Ми-2', 'RA-1001', 'АКБ-2')",
        "INSERT INTO SEZONNOE_TO (TIP_VS, BORTOVOY_NOMER, VID_TO, DATA_TO) VALUES ('Ми-2', 'RA-1001', 1, '10,1,2025')",
        "INSERT INTO SEZONNOE_TO (TIP_VS, BORTOVOY_NOMER, VID_TO, DATA_TO) VALUES ('Ми-2', 'RA-1002', 0, '4,1,2026')",
        "INSERT INTO SEZONNOE_TO (TIP_VS, BORTOVOY_NOMER, VID_TO, DATA_TO) VALUES ('Ми-2', 'RA-1003', 7, '4,2,2026')",
        "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, ODIN_DVA, NARABOTKA_SNE, NARABOTKA_PPR) VALUES ('Ми-2', 'RA-1001', '2', '1200:00', '300:00')",
        "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, ODIN_DVA, NARABOTKA_SNE, NARABOTKA_PPR) VALUES ('Ми-2', 'RA-1001', '1', '1000:30', '100:05')",
    };
    // 3000 minutes in the last 30 days: 100 a day.
    for (const char* d : {"6,1,2026", "6,2,2026", "6,3,2026", "6,4,2026", "6,5,2026", "6,6,2026"}) {
        s << flight("RA-1004", d, "8:20") << flight("RA-1005", d, "8:20") << flight("RA-1006", d, "8:20")
          << flight("RA-2001", d, "8:20");
    }
    return s;
}

class FleetStateTest : public frametest::FrameTest {
protected:
    // Rows keyed by board number (aircraft) or by their heading column, columns 1..18 as c[pos].
    QHash<QString, QStringList> rowsOf(const char* query, QStringList* order = nullptr)
    {
        QHash<QString, QStringList> out;
        for (const QString& line : staging(QString::fromUtf8(query), 18)) {
            QStringList c = line.split(QLatin1Char(';'));
            while (c.size() < 18) c << QString();
            c.prepend(QString());
            const QString key = !c[1].isEmpty() ? c[1] : !c[2].isEmpty() ? c[2] : c[3];
            if (order) *order << key;
            out.insert(key, c);
        }
        return out;
    }
};

TEST_F(FleetStateTest, WholeFleetByOperatorAndType)
{
    fill(kTables, fleet());
    plan::Clock::setNow(QDateTime(QDate(2026, 6, 15), QTime(9, 0), Qt::UTC));
    const auto r = run(kSpravka, kT1, {});
    ASSERT_EQ(r.status, 0) << r.errors.join("\n").toStdString();
    QStringList order;
    const auto rows = rowsOf(kSostParkQuery, &order);
    EXPECT_EQ(order, QStringList({"!0", "|Ка-32", "RA-2001", "|Ми-2", "RA-1001", "RA-1002", "RA-1003", "RA-1004",
                                  "RA-1005", "RA-1006", "!1", "|Ми-8", "RA-3001"}));
    EXPECT_EQ(rows["!0"][SostPark::OperatorName], "Авиакомпания Север");

    struct Case {
        const char* board;
        const char* yesterday; // 7
        const char* stored;    // 8
        const char* notes;     // 9
        const char* last;      // 10
        const char* next;      // 11
        const char* warning;   // 14
    };
    const Case cases[] = {
        // 1:20 flown today, ground running not counted: 98:50 against 100:10.
        {"RA-1001", "98:50", "100:10", "ТО АКБ - АКБ-1\rОЗП 01.10.2025", "Ф-2\r(20.05.2026, 96:50)", "29.11.2028", "0"},
        // Overdue: 0 days even though it flew, a month on; warning 1, or 2 at the plant.
        {"RA-1002", "250:00", "250:00", "ТО АКБ --\rВЛП 01.04.2026", "Ф-2", "15.07.2026", "1"},
        {"RA-1003", "250:00", "250:00", "ТО АКБ --\rСезонное 02.04.2026", "Ф-2", "15.07.2026", "2"},
        // 600 minutes left give the warning, 601 do not; 6 days at 100 a day.
        {"RA-1004", "90:00", "90:00", "ТО АКБ --\rСезонное --", "---", "21.06.2026", "1"},
        {"RA-1005", "89:59", "89:59", "ТО АКБ --\rСезонное --", "---", "21.06.2026", "0"},
        // Not kept for maintenance, or forms of the plant: no form columns, the warning by the state alone.
        {"RA-1006", "90:00", "90:00", "ТО АКБ --\rСезонное --", "", "", "0"},
        {"RA-2001", "90:00", "90:00", "ТО АКБ --\rСезонное --", "", "", "0"},
        // Halfway scheme, periodic form 2 (column 10): 230:00 less 10:13 flown after 01.05 and 1:05 today;
        // 20:00 to F1 at 678 / 30 minutes a day (ground running counted): 53 days.
        {"RA-3001", "228:55", "230:00", "ТО АКБ --\rСезонное --", "Ф-2\r(01.05.2026, 218:42)", "07.08.2026", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board);
        const QStringList row = rows.value(QString::fromUtf8(c.board));
        ASSERT_EQ(row.size(), 19);
        EXPECT_EQ(row[SostPark::RunningYesterday], QString::fromUtf8(c.yesterday));
        EXPECT_EQ(row[SostPark::RunningStored], QString::fromUtf8(c.stored));
        EXPECT_EQ(row[SostPark::Notes], QString::fromUtf8(c.notes));
        EXPECT_EQ(row[SostPark::LastForm].section(QLatin1Char('\r'), 0, 0),
                  QString::fromUtf8(c.last).section(QLatin1Char('\r'), 0, 0));
        if (QString::fromUtf8(c.last).contains(QLatin1Char('(')))
            EXPECT_EQ(row[SostPark::LastForm], QString::fromUtf8(c.last));
        EXPECT_EQ(row[SostPark::NextDate], QString::fromUtf8(c.next));
        EXPECT_EQ(row[SostPark::Warning], QString::fromUtf8(c.warning));
        EXPECT_EQ(row[SostPark::PrintDate], "15.06.2026");
        EXPECT_EQ(row[SostPark::PrintTime], "12:00:00");
    }
    const QStringList a = rows.value("RA-1001");
    EXPECT_EQ(a[SostPark::Made], "01.03.1985\r(31.12.2026)");
    EXPECT_EQ(a[SostPark::BoardSerial], "<b>RA-1001</b>\rS-RA-1001");
    EXPECT_EQ(a[SostPark::Location], "Ханты-Мансийск");
    EXPECT_EQ(rows.value("RA-1002")[SostPark::Made], "01.03.1985");
    EXPECT_EQ(rows.value("RA-1002")[SostPark::Location], "Сургут");
}

// The moment of printing is Moscow time: UTC plus three hours, also across midnight.
TEST_F(FleetStateTest, MomentOfPrintingIsUtcPlusThreeHours)
{
    fill(kTables, {"INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('0', 'Авиакомпания Север', 0)"});
    struct Case { QDateTime utc; const char* date; const char* time; };
    const Case cases[] = {
        {QDateTime(QDate(2026, 6, 15), QTime(22, 30), Qt::UTC), "16.06.2026", "01:30:00"},
        {QDateTime(QDate(2026, 6, 15), QTime(20, 59, 59), Qt::UTC), "15.06.2026", "23:59:59"},
        {QDateTime(QDate(2026, 12, 31), QTime(21, 0, 0), Qt::UTC), "01.01.2027", "00:00:00"},
    };
    for (const Case& c : cases) {
        plan::Clock::setNow(c.utc);
        const auto r = run(kSpravka, kT1, {});
        ASSERT_EQ(r.status, 0) << r.errors.join("\n").toStdString();
        const QStringList row = rowsOf(kSostParkQuery).value("!0");
        ASSERT_EQ(row.size(), 19);
        EXPECT_EQ(row[SostPark::PrintDate], QString::fromUtf8(c.date)) << c.time;
        EXPECT_EQ(row[SostPark::PrintTime], QString::fromUtf8(c.time));
    }
}

TEST_F(FleetStateTest, TickedAircraftWithEnginesAndStateColumns)
{
    fill(kTables, fleet() << insert({"0", "Ми-2", "RA-1008", "10:00", 0, 0, 2}));
    plan::Clock::setNow(QDateTime(QDate(2026, 6, 15), QTime(9, 0), Qt::UTC));
    const auto r = run(kSpravka, kT2, {frametest::tick("Ми-2"), frametest::tick("Ми-8 RA-3001")});
    ASSERT_EQ(r.status, 0) << r.errors.join("\n").toStdString();
    QStringList order;
    const auto rows = rowsOf(kSostParkT2Query, &order);
    EXPECT_EQ(order, QStringList({"|Ми-2", "RA-1001", "RA-1002", "RA-1003", "RA-1004", "RA-1005", "RA-1006",
                                  "RA-1008", "RA-9001", "|Ми-8", "RA-3001"}));
    struct Case { const char* board; const char* notes; const char* fault; const char* replacement; const char* warning; };
    const Case cases[] = {
        {"RA-1001", "ОЗП 01.10.2025", "", "", "0"},   // no battery note on this sheet
        {"RA-1003", "Сезонное 02.04.2026", "устранение неисправности", "", "2"},
        {"RA-1008", "Сезонное --", "", "замена агрегатов", "2"},
        {"RA-1004", "Сезонное --", "", "", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board);
        const QStringList row = rows.value(QString::fromUtf8(c.board));
        ASSERT_EQ(row.size(), 19);
        EXPECT_EQ(row[SostPark::Notes], QString::fromUtf8(c.notes));
        EXPECT_EQ(row[SostParkT2::Fault], QString::fromUtf8(c.fault));
        EXPECT_EQ(row[SostParkT2::Replacement], QString::fromUtf8(c.replacement));
        EXPECT_EQ(row[SostPark::Warning], QString::fromUtf8(c.warning));
        EXPECT_EQ(row[SostParkT2::PrintDate], "15.06.2026");
        EXPECT_EQ(row[SostParkT2::PrintTime], "12:00:00");
    }
    const QStringList a = rows.value("RA-1001");
    EXPECT_EQ(a[SostPark::RunningYesterday], "98:50");
    EXPECT_EQ(a[SostParkT2::EnginesSinceNew], "СНЭ: 1000:30\rСНЭ: 1200:00"); // engine 1 first
    EXPECT_EQ(a[SostParkT2::EnginesSinceOverhaul], "ППР: 100:05\rППР: 300:00");
    EXPECT_EQ(rows.value("RA-3001")[SostPark::LastForm], "Ф-2\r(01.05.2026, 218:42)");
}

TEST_F(FleetStateTest, MalformedRunningTimeNamesTheAircraft)
{
    fill(kTables, {"INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('0', 'Авиакомпания Север', 0)",
                   insert({"0", "Ми-2", "RA-1009", "12:7x", 0, 0})});
    const auto r = run(kSpravka, kT1, {});
    EXPECT_NE(r.status, 0);
    const QString all = r.errors.join("\n");
    EXPECT_TRUE(all.contains("RA-1009") && all.contains("12:7x")) << all.toStdString();
}

TEST(FleetStateWarning, CodeByStateAndMinutesLeft)
{
    struct Case { int state; bool reckoned; long long minutes; int code; };
    const Case cases[] = {
        {0, true, 600, 1}, {0, true, 601, 0}, {0, true, 0, 1}, {0, false, 0, 0}, {4, true, 601, 2}, {11, false, 0, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(warningCode(c.state, c.reckoned, c.minutes), c.code) << c.state << " " << c.minutes;
}

} // namespace
