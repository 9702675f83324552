// Flight-hour reports of single components: months, running totals, and the
// rows the staging table ends up with.
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/Paths.h"
#include "platform/ReportComponent.h"
#include "platform/ReportHost.h"
#include "rarozidi/Report.h"
#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

using namespace rarozidi;

namespace {
FlightEntry flight(QDate d, int air, int ground, int landings)
{
    FlightEntry e;
    e.date = d;
    e.airborneMinutes = air;
    e.groundMinutes = ground;
    e.landings = landings;
    e.apuTotalMinutes = 10;
    e.apuGeneratorMinutes = 5;
    e.apuStarts = 1;
    e.apuBleeds = 2;
    return e;
}

QStringList texts(const QVariantList& row)
{
    QStringList out;
    for (const QVariant& v : row) out << v.toString();
    return out;
}

class Host : public plan::ReportHost {
public:
    QString windowKey() const override { return QStringLiteral("frmPlanSpravka"); }
    plan::ReportComponent* reportComponent() override { return &rc; }
    void progressStart(int) override {}
    void progressStep() override {}
    void progressReset() override {}
    void beginBusy() override {}
    void endBusy() override {}
    plan::ReportComponent rc;
};
} // namespace

TEST(NaletRows, MonthByMonthAcrossAYearEndWithTotals)
{
    const std::vector<FlightEntry> flights = {
        flight(QDate(2023, 11, 30), 600, 0, 9),  // before the period
        flight(QDate(2023, 12, 15), 50, 25, 2),  // 50 + 13
        flight(QDate(2023, 12, 31), 40, 0, 1),
        flight(QDate(2024, 2, 10), 125, 125, 3), // 125 + 63; January is empty
        flight(QDate(2024, 2, 11), 600, 0, 9),   // after the period
    };
    const auto rows = naletRows("T", flights, QDate(2023, 12, 10), QDate(2024, 2, 10), GroundRule{true, 0.5},
                                NaletMeasure::Flying);
    const QStringList expected[] = {
        {"!T", "", "", "", "", "", "", ""},
        {"T", "декабрь 2023", "1:43", "3", "1:43", "3", "", ""},
        {"T", "январь 2024", "0:00", "0", "1:43", "3", "", ""},
        {"T", "февраль 2024", "3:08", "3", "4:51", "6", "", ""},
        {"T", "Итого", "4:51", "6", "4:51", "6", "", ""},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(texts(rows[i]), expected[i]) << i;

    // APU counters: two entries in the period; the TA-14 form sums total and generator hours.
    const auto apu = naletRows("A", flights, QDate(2023, 12, 1), QDate(2023, 12, 31), {}, NaletMeasure::Apu);
    EXPECT_EQ(texts(apu.back()), QStringList({"A", "Итого", "0:20", "2", "0:20", "2", "0:10", "4"}));
    const auto ta14 = naletRows("A", flights, QDate(2023, 12, 1), QDate(2023, 12, 31), {}, NaletMeasure::ApuTa14);
    EXPECT_EQ(texts(ta14.back())[6], "0:30");

    // A period that ends before it starts has the total row only.
    EXPECT_EQ(naletRows("T", flights, QDate(2024, 1, 2), QDate(2024, 1, 1), {}, NaletMeasure::Flying).size(), 2u);
    EXPECT_THROW(parseReportDate("31.02.2024", "x"), plan::ConversionError);
}

TEST(NaletReport, SpellsOnEachAircraftFromTheMovementLog)
{
    const auto isBoard = [](const QString& p) { return p.startsWith(QStringLiteral("RA")); };
    const QDate from(2026, 1, 1), to(2026, 12, 5);
    struct Case {
        const char* what;
        std::vector<Movement> moves;
        QString boardNow;
        QDate installed;
        QStringList spells; // board from..to
    };
    const Case cases[] = {
        {"installed in the period: from its installation only", {}, "RA-1", QDate(2026, 10, 26), {"RA-1 26.10.2026 05.12.2026"}},
        {"installed before the period", {}, "RA-1", QDate(2020, 1, 1), {"RA-1 01.01.2026 05.12.2026"}},
        {"no installation date, no log: the whole period", {}, "RA-1", QDate(), {"RA-1 01.01.2026 05.12.2026"}},
        {"no installation date: from the move onto it", {{QDate(2026, 5, 3), "Склад", "RA-1"}}, "RA-1", QDate(),
         {"RA-1 03.05.2026 05.12.2026"}},
        {"moved between aircraft", {{QDate(2026, 2, 1), "Склад", "RA-2"}, {QDate(2026, 6, 10), "RA-2", "RA-1"}}, "RA-1",
         QDate(2026, 6, 10), {"RA-2 01.02.2026 09.06.2026", "RA-1 10.06.2026 05.12.2026"}},
        {"off an aircraft the log found it on, now in store", {{QDate(2026, 4, 1), "RA-3", "Склад"}}, "", QDate(),
         {"RA-3 01.01.2026 31.03.2026"}},
        {"moves before the period and after its end", {{QDate(2025, 3, 1), "RA-2", "Склад"}, {QDate(2026, 12, 20), "RA-1", "Склад"}},
         "RA-1", QDate(2025, 6, 1), {"RA-1 01.01.2026 05.12.2026"}},
    };
    for (const Case& c : cases) {
        QStringList got;
        for (const InstallSpell& s : installationSpells(c.moves, c.boardNow, c.installed, from, to, isBoard))
            got << s.board + ' ' + s.from.toString("dd.MM.yyyy") + ' ' + s.to.toString("dd.MM.yyyy");
        EXPECT_EQ(got, c.spells) << c.what;
    }
}

TEST(NaletReport, ComponentOnItsAircraftIntoTheStagingTable)
{
    const QString path = plantest::scratchDir() + "/nalet.fdb";
    plan::Connection::createDatabase(path);
    auto c = plantest::connect(path);
    QString staging = "CREATE TABLE REPORT_NARABOTKA_PLANER (ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY";
    for (int i = 1; i <= 8; ++i) staging += QStringLiteral(", C%1 VARCHAR(200)").arg(i);
    c->executeScript(
        staging + ");\n"
        "CREATE TABLE TIPOVYE_DANNYE_VS (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), UCHITYVAT_ZEMLU VARCHAR(1), "
        "ZEMLIA_LOPASTY VARCHAR(1), KOL_VO_ZEMLIA_LOPASTY DOUBLE PRECISION, KOL_VO_ZEMLIA_PLANER DOUBLE PRECISION);\n"
        "CREATE TABLE SPRAVKA (ID INTEGER NOT NULL PRIMARY KEY, BORTOVOI_NOMER VARCHAR(20), DATA_POLETA DATE, "
        "V_VOZDUHE TIME, NA_ZEMLE TIME, KOL_VO_POSADOK INTEGER);\n"
        "CREATE TABLE LOPAST (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), GDE_STOIT VARCHAR(20), "
        "NAZVANIE VARCHAR(20), ZAVODSKOY_NOMER VARCHAR(20), DATA_USTANOVKI DATE);\n"
        "CREATE TABLE REESTR (ID INTEGER NOT NULL PRIMARY KEY, TIP_VS VARCHAR(20), BORTOVOI_NOMER VARCHAR(20), "
        "EXPLUATANT VARCHAR(20));\n"
        "CREATE TABLE DVIGENIE_V_EKSPLUATACII (ID INTEGER NOT NULL PRIMARY KEY, DATA_PEREVODA DATE, "
        "NAIMENOVANIE VARCHAR(20), ZAVODSKOY_NOMER VARCHAR(20), OTKUDA VARCHAR(20), KUDA VARCHAR(20));\n"
        "CREATE TABLE OBSHIE (ID INTEGER NOT NULL PRIMARY KEY, EXPLUATANT VARCHAR(20), FIO_IAS VARCHAR(20), "
        "DOLGNOST_IAS VARCHAR(20));\n"
        "CREATE TABLE EXPLUATANTY (ID INTEGER NOT NULL PRIMARY KEY, ID_NAME VARCHAR(20), NAME VARCHAR(40));\n"
        "INSERT INTO TIPOVYE_DANNYE_VS VALUES (1, 'Ми-8', '1', '0', 0.5, 1.0);\n"
        "INSERT INTO REESTR VALUES (1, 'Ми-8', '22001', 'ОП');\n"
        "INSERT INTO REESTR VALUES (2, 'Ми-8', '22002', 'ОП');\n"
        "INSERT INTO OBSHIE VALUES (1, 'ОП', 'Иванов И.И.', 'Начальник ИАС');\n"
        "INSERT INTO EXPLUATANTY VALUES (1, 'ОП', 'АО «Оператор»');\n"
        "INSERT INTO LOPAST VALUES (1, 'Ми-8', '22001', '8АТ-2710', 'L-17', NULL);\n"
        // L-18 came to 22001 on 15.04 from 22002, where it stood since 01.03 (the log says so).
        "INSERT INTO LOPAST VALUES (2, 'Ми-8', '22001', '8АТ-2710', 'L-18', '4,15,2024');\n"
        "INSERT INTO DVIGENIE_V_EKSPLUATACII VALUES (1, '3,1,2024', 'LopastNV', 'L-18', 'Склад', '22002');\n"
        "INSERT INTO DVIGENIE_V_EKSPLUATACII VALUES (2, '4,15,2024', 'LopastNV', 'L-18', '22002', '22001');\n"
        "INSERT INTO SPRAVKA VALUES (1, '22001', '3,1,2024', '01:00', '00:25', 2);\n"
        "INSERT INTO SPRAVKA VALUES (2, '22001', '4,30,2024', '02:00', '00:10', 1);\n"
        "INSERT INTO SPRAVKA VALUES (3, '22002', '4,10,2024', '00:40', '00:00', 1);\n"
        "INSERT INTO SPRAVKA VALUES (4, '22002', '4,20,2024', '05:00', '00:00', 5);\n");

    // Blades of this type do not count ground running; the airframe counts all of it.
    plan::ReportValues heading;
    const auto blade = naletRowsLopast(*c, "L-17", "01.03.2024", "30.04.2024", &heading);
    ASSERT_EQ(blade.size(), 4u);
    EXPECT_TRUE(blade[0][0].toString().startsWith("!"));
    EXPECT_TRUE(blade[1][0].toString().contains("22001"));
    EXPECT_EQ(texts(blade.back()).mid(1, 5), QStringList({"Итого", "3:00", "3", "3:00", "3"}));
    EXPECT_EQ(heading.value("operator").toString(), QStringLiteral("АО «Оператор»"));
    EXPECT_TRUE(heading.value("covers").toStringList().join('\n').contains("дата установки не указана"));
    EXPECT_EQ(heading.value("signatures").toList().size(), 1);
    const auto airframe = naletRowsPlaner(*c, "22001", "01.03.2024", "30.04.2024");
    EXPECT_EQ(texts(airframe.back()).mid(2, 1), QStringList({"3:35"}));
    // L-18 is credited with 22002's flight of 10.04 and 22001's of 30.04, not
    // with 22001's of 01.03 nor 22002's of 20.04.
    const auto moved = naletRowsLopast(*c, "L-18", "01.03.2024", "30.04.2024", &heading);
    EXPECT_EQ(texts(moved.back()).mid(1, 5), QStringList({"Итого", "2:40", "2", "2:40", "2"}));
    EXPECT_TRUE(heading.value("covers").toStringList().join('\n').contains(
        "22002 с 01.03.2024 по 14.04.2024; 22001 с 15.04.2024 по 30.04.2024"));

    // A number that is not there, or a period the wrong way round, is refused by name.
    struct Refused { const char* what; std::function<void()> call; const char* says; };
    const Refused refused[] = {
        {"unknown serial", [&] { naletRowsLopast(*c, "NONE", "01.03.2024", "30.04.2024"); }, "«NONE»"},
        {"unknown board", [&] { naletRowsPlaner(*c, "RA-0", "01.03.2024", "30.04.2024"); }, "«RA-0»"},
        {"start after end", [&] { naletRowsLopast(*c, "L-17", "30.04.2024", "01.03.2024"); }, "позже"},
        {"not a date", [&] { naletRowsPlaner(*c, "22001", "31.02.2024", "30.04.2024"); }, "«31.02.2024»"},
    };
    for (const Refused& r : refused) {
        try {
            r.call();
            ADD_FAILURE() << r.what << " was not refused";
        } catch (const plan::ConversionError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(r.says))) << r.what << ": " << e.message().toStdString();
        }
    }

    plan::Paths::setHome(plantest::scratchDir() + "/home-nalet");
    Host host;
    plan::Dataset ds(c.get());
    FunNaletReportLopast(*c, host, ds, "L-17", "01.03.2024", "30.04.2024");
    // Read as the template reads it (ORDER BY ID Desc): months in order, total last.
    plan::Dataset check(c.get());
    check.setCommandText("SELECT * FROM REPORT_NARABOTKA_PLANER ORDER BY ID Desc;");
    check.open();
    QStringList periods;
    for (check.first(); !check.eof(); check.next()) periods << check.str(2);
    EXPECT_EQ(periods, QStringList({"", "март 2024", "апрель 2024", "Итого"}));
}
