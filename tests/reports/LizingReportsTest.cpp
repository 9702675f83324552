// The lessors' reports of one leased aircraft: the monthly form of running
// times and replacements (replacements paired from the movement log, the
// month started at the overhaul, the forms of the month, the aircraft
// without a contract) and the technical-state report (totals and
// remainders back-dated to the end of the date, units counted from the
// aircraft, the overhaul limit by the number of overhauls, the forms of the
// year and the remainder to the next form on the date).
#include "platform/DbError.h"
#include "reports/TfrPlanRepLizGTLKEgMesOtch.h"
#include "reports/TfrPlanRepLizPSBEgMesOtch.h"
#include "reports/TfrPlanRepLizPSBOtcTehSost.h"
#include "support/FrameFixture.h"

namespace {
using namespace frametest;
using plan::StagingRow;

const QStringList kTables = {"EXPLUATANTY", "TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR", "VSU",
                             "HVOSTOVOY_VINT", "LOPAST", "USERS", "LIZING", "DVIGENIE_V_EKSPLUATACII",
                             "VYPOLNENNYE_FORMY", "SOSTOIANIE_PARKA", "PTO_FORMY", "PTO_FORMY_DVIG"};

QString move(const char* date, const char* kind, const char* idName, const char* model, const char* serial,
             const char* from, const char* to, const char* reason)
{
    return QStringLiteral("INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, ID_NAME, NAZVANIE, "
                          "ZAVODSKOY_NOMER, OTKUDA, KUDA, PRICHINA) VALUES ('%1', '%2', '%3', '%4', '%5', '%6', '%7', '%8')")
        .arg(QString::fromLatin1(date), QString::fromUtf8(kind), QString::fromUtf8(idName), QString::fromUtf8(model),
             QString::fromUtf8(serial), QString::fromUtf8(from), QString::fromUtf8(to), QString::fromUtf8(reason));
}

QString form(const char* date, const char* name, const char* time)
{
    return QStringLiteral("INSERT INTO VYPOLNENNYE_FORMY (TIP_VS, BORTOVOY_NOMER, DATA_TO, NAME_FORMY, NARABOTKA) "
                          "VALUES ('Ми-8Т', 'RA-5', '%1', '%2', '%3')")
        .arg(QString::fromLatin1(date), QString::fromUtf8(name), QString::fromLatin1(time));
}

// Ми-8Т RA-5, overhauled on 10.05.2026, leased; the month asked for is May
// 2026 (from the 10th).
const QStringList kMonthFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('0', 'АО «Первый»', 0)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8Т', '0', 0)",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, NARABOTKA_SNE, POSADKI_SNE, REMONT_DATA) VALUES "
    "('Ми-8Т', 'RA-5', '9876', '100:00', 50, '2026-05-10')",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, KOL_VO_POSADOK) VALUES ('RA-5', '2026-05-20', '01:10', 2)",
    "INSERT INTO LIZING (BORTOVOI_NOMER, LIZINGODATEL, NOMER_DOGOVORA, DATA_DOGOVORA) VALUES ('RA-5', 'ПАО «ГТЛК»', "
    "'ДЛ-7/2024', '2024-02-01')",
    // Before the overhaul: not of the report.
    move("2026-05-05", "Dvigatel", "", "ТВ2-117А", "E-0", "RA-5", "Ремонт", "ресурс"),
    // 12.05: an engine replaced (installation entered first), a winch removed on the same day.
    move("2026-05-12", "Dvigatel", "", "ТВ2-117А", "E-2", "Склад", "RA-5", "замена"),
    move("2026-05-12", "Lebedka", "", "ЛПГ-150", "W-1", "RA-5", "Склад", "снята по бюллетеню"),
    move("2026-05-12", "Dvigatel", "", "ТВ2-117А", "E-1", "RA-5", "Ремонт", "стружка в масле"),
    // 20.05: tail-rotor blades (ID_NAME 1) replaced, the hub (ID_NAME 0) only removed.
    move("2026-05-20", "HvostovoyVint", "1", "ЛРВ-2", "T-1", "RA-5", "Рекламация", "трещина"),
    move("2026-05-20", "HvostovoyVint", "0", "ВРВ", "H-1", "RA-5", "Ремонт", ""),
    move("2026-05-20", "HvostovoyVint", "1", "ЛРВ-2", "T-2", "Склад", "RA-5", ""),
    // The aircraft itself passed to another operator; another aircraft's unit; June.
    move("2026-05-25", "Plane", "", "Ми-8Т", "RA-5", "0", "1", ""),
    move("2026-05-25", "Dvigatel", "", "ТВ2-117А", "E-9", "RA-6", "Ремонт", ""),
    move("2026-06-01", "Dvigatel", "", "ТВ2-117А", "E-3", "Склад", "RA-5", ""),
    form("2026-05-05", "Ф-2", "10:00"),
    form("2026-05-15", "Ф-1", "12:30"),
    form("2026-05-31", "Ф-2", "13:40"),
    form("2026-06-01", "Ф-1", "14:00"),
};

class LizingReportsTest : public FrameTest {
protected:
    // The texts of one staged row by position, 1..last.
    static QStringList texts(const StagingRow& r, int last)
    {
        QStringList t;
        for (int pos = 0; pos <= last; ++pos) t << (r.has(pos) ? r.at(pos).toString() : QString());
        return t;
    }
    static plan::reports::LizPsbOptions may()
    {
        plan::reports::LizPsbOptions o;
        o.operatorName = QStringLiteral("АО «Первый»");
        o.type = QStringLiteral("Ми-8Т");
        o.board = QStringLiteral("RA-5");
        o.year = 2026;
        o.monthIndex = 3; // April: moved to May by the overhaul
        return o;
    }
};

TEST_F(LizingReportsTest, MonthlyReplacementsPairedFromTheMovementLog)
{
    fill(kTables, kMonthFleet);
    const plan::reports::StagedTables t = plan::reports::buildLizGtlk(conn.get(), may());
    ASSERT_EQ(t.tables.size(), 3u);
    // The running-time row is that of the PSB monthly form for the same month.
    ASSERT_EQ(t.tables[0].size(), 1u);
    EXPECT_EQ(t.tables[0][0].at(plan::reports::lizpsb::Month).toString(), QStringLiteral("май"));
    EXPECT_EQ(t.tables[0][0].at(plan::reports::lizpsb::AirframeMonth).toString(), QStringLiteral("1 час 10 мин"));
    EXPECT_TRUE(t.doubts.isEmpty()) << t.doubts.join(';').toStdString();

    // number, date, kind, removed model/serial/to, installed model/serial/from, reason
    const std::vector<std::vector<const char*>> expected = {
        {"1", "12.05.2026", "Двигатель", "ТВ2-117А", "E-1", "Ремонт", "ТВ2-117А", "E-2", "Склад", "стружка в масле"},
        {"2", "12.05.2026", "Электролебедка", "ЛПГ-150", "W-1", "Склад", "", "", "", "снята по бюллетеню"},
        {"3", "20.05.2026", "Лопасть РВ", "ЛРВ-2", "T-1", "Рекламация", "ЛРВ-2", "T-2", "Склад", "трещина"},
        {"4", "20.05.2026", "Рулевой винт", "ВРВ", "H-1", "Ремонт", "", "", "", ""},
    };
    const auto& rows = t.tables[1];
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const QStringList got = texts(rows[i], 10);
        for (int pos = 1; pos <= 10; ++pos)
            EXPECT_EQ(got[pos], QString::fromUtf8(expected[i][static_cast<size_t>(pos - 1)]))
                << "replacement " << i + 1 << ", position " << pos;
    }

    // The forms from the overhaul to the month's end.
    const auto& forms = t.tables[2];
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(texts(forms[0], 4).mid(1), (QStringList{"1", "Ф-1", "15.05.2026", "12:30"}));
    EXPECT_EQ(texts(forms[1], 4).mid(1), (QStringList{"2", "Ф-2", "31.05.2026", "13:40"}));
}

TEST_F(LizingReportsTest, MonthlyAircraftWithoutContractIsNamedAmongDataToCheck)
{
    fill(kTables, kMonthFleet);
    conn->execute(QStringLiteral("DELETE FROM LIZING"));
    const plan::reports::StagedTables t = plan::reports::buildLizGtlk(conn.get(), may());
    ASSERT_EQ(t.doubts.size(), 1);
    EXPECT_TRUE(t.doubts[0].contains(QStringLiteral("RA-5"))) << t.doubts[0].toStdString();
    EXPECT_EQ(t.tables[1].size(), 4u);
}

TEST_F(LizingReportsTest, MonthlyFormRunsFromTheWindowIntoThreeTables)
{
    fill(kTables, kMonthFleet);
    const auto r = run("frmPlanReport", "Лизинг ГТЛК. Ежемесячная форма - Сведения о наработках и заменах",
                       {set("cboExpl", "АО «Первый»"), set("cboYear", "2026"), set("cboMonth", "Апрель"),
                        select("Ми-8Т RA-5")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    EXPECT_EQ(staging(QStringLiteral("Select * From REPORT_LIZING_MONTH_P1 Order By ID;"), 4),
              QStringList{QStringLiteral("май;2026;Ми-8Т;RA-5")});
    EXPECT_EQ(staging(QStringLiteral("Select * From REPORT_LIZING_MONTH_P2 Order By ID;"), 3).size(), 4);
    EXPECT_EQ(staging(QStringLiteral("Select * From REPORT_LIZING_PTO Order By ID;"), 2),
              (QStringList{QStringLiteral("1;Ф-1"), QStringLiteral("2;Ф-2")}));
}

// Ми-8Т RA-5 on 05.06.2026: flights on 01.06 (1:00, ground 0:20) and on 10.06
// (after the date: airborne 1:30, ground 0:20, 2 landings; engine 2 1:00 and
// 0:30 of ground running). Ground running counts for the airframe at 0.5,
// for engines and blades at 1.0.
const QStringList kTechFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('0', 'АО «Первый»', 0)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER, ZEMLIA_DVIGATEL, "
    "KOL_VO_ZEMLIA_DVIGATEL, ZEMLIA_LOPASTY, KOL_VO_ZEMLIA_LOPASTY, PTO_DVIG_SEPAR) VALUES "
    "('Ми-8Т', '1', 0.5, '1', 1.0, '1', 1.0, '0')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, NARABOTKA_SNE, POSADKI_SNE, NARABOTKA_PPR, "
    "POSADKI_PPR, RESURS_NAZN_CHASOV, MEZHREM_CHASOV, VSEGO_REMONTOV, REMONT_DATA, REMONT_ZAVOD, INDEX_FORMY, "
    "INDEX_F1, DATA_FORMY) VALUES ('Ми-8Т', 'RA-5', '9876', '100:00', 50, '40:00', 20, 120, 45, 1, '2025-01-10', "
    "'АРЗ-3', 1, 1, '2026-05-31')",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES "
    "('RA-5', '2026-06-01', '01:00', '00:20', 1)",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK, V_VOZDUHE_2, NA_ZEMLE_2) "
    "VALUES ('RA-5', '2026-06-10', '01:30', '00:20', 2, '01:00', '00:30')",
    "INSERT INTO SOSTOIANIE_PARKA (TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS, PRIMECHANIE) VALUES "
    "('Ми-8Т', 'RA-5', '2026-05-31', 1, 'на ТО')",
    "INSERT INTO SOSTOIANIE_PARKA (TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS, PRIMECHANIE) VALUES "
    "('Ми-8Т', 'RA-5', '2026-06-01', 0, '')",
    "INSERT INTO SOSTOIANIE_PARKA (TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS, PRIMECHANIE) VALUES "
    "('Ми-8Т', 'RA-5', '2026-06-08', 4, 'на АРЗ')",
    // Engine 2, overhauled once: to the first overhaul 1000, between 150.
    "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, ODIN_DVA, NARABOTKA_SNE, "
    "NARABOTKA_PPR, VSEGO_REMONTOV, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, NAZNACHENNYI_CHASOV) VALUES "
    "('Ми-8Т', 'RA-5', 'ТВ2-117А', 'E-2', '1', '500:00', '100:00', 1, 1000, 150, 2000)",
    // Engine 1, never overhauled, no limit to the first overhaul given.
    "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, ODIN_DVA, NARABOTKA_SNE, "
    "VSEGO_REMONTOV, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'RA-5', 'ТВ2-117А', 'E-1', '0', '790:00', 0, 800)",
    // A blade counted from the aircraft since 01.06; its stored time is that at installation.
    "INSERT INTO LOPAST (TIP_VS, GDE_STOIT, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, DATA_USTANOVKI, NARABOTKA_SNE, "
    "NEPRERYVNO, RESURS_CHASOV, VSEGO_REMONTOV) VALUES ('Ми-8Т', 'RA-5', 'Несущий', 'ЛНВ-8', 'B-1', '2026-06-01', "
    "'10:00', 1, 12, 0)",
    form("2025-06-05", "Ф-1", "1:00"),
    form("2025-06-06", "Ф-2", "2:00"),
    form("2026-05-31", "Ф-2", "39:00"),
    "INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3) VALUES "
    "('Ми-8Т', 50, 150, 3, 'Ф-1', 'Ф-2', 'Ф-3')",
};

plan::reports::PsbTechOptions techOn(const QDate& date)
{
    plan::reports::PsbTechOptions o;
    o.operatorName = QStringLiteral("АО «Первый»");
    o.type = QStringLiteral("Ми-8Т");
    o.board = QStringLiteral("RA-5");
    o.date = date;
    return o;
}

TEST_F(LizingReportsTest, TechnicalStateBackDatedToTheEndOfTheDate)
{
    fill(kTables, kTechFleet);
    namespace P = plan::reports::psbts;
    const plan::reports::StagedTables t = plan::reports::buildPsbTech(conn.get(), techOn(QDate(2026, 6, 5)));
    ASSERT_EQ(t.tables.size(), 3u);
    ASSERT_EQ(t.tables[0].size(), 1u);
    const QStringList a = texts(t.tables[0][0], 28);
    const std::vector<std::pair<int, const char*>> aircraft = {
        // 10.06 backed out: 90 + half of 20 = 100 minutes, 2 landings.
        {P::SinceNew, "98:20"}, {P::LandingsNew, "48"}, {P::SinceOverhaul, "38:20"}, {P::LandingsOverhaul, "18"},
        // 120 h less 98:20; 45 h less 38:20 (overhauled: counted since the overhaul).
        {P::AssignedLeft, "21:40"}, {P::OverhaulLeft, "6:40"}, {P::Repairs, "1"}, {P::OverhaulDate, "10.01.2025"},
        {P::OverhaulPlant, "АРЗ-3"},
        // The state in force on the date, not the later one; the last flight on or before it.
        {P::State, "исправен"}, {P::StateSince, "01.06.2026"}, {P::LastFlight, "01.06.2026"},
        {P::Lessor, ""}, {P::ReportDate, "05.06.2026"}};
    for (const auto& [pos, value] : aircraft) EXPECT_EQ(a[pos], QString::fromUtf8(value)) << "P1 position " << pos;

    // kind, model, serial, made, installed, repairs, SNE, PPR, assigned, left, overhaul limit, left
    const std::vector<std::vector<const char*>> units = {
        // Engine 1 never overhauled: limit between overhauls (none to the first given), counted since new.
        {"Двигатель № 1", "ТВ2-117А", "E-1", "", "", "0", "790:00", "", "", "", "800", "10:00"},
        // Engine 2 by its own columns after the date: 60 + 30 minutes.
        {"Двигатель № 2", "ТВ2-117А", "E-2", "", "", "1", "498:30", "98:30", "2000", "1501:30", "150", "51:30"},
        // From installation to the date: 60 + 20 minutes of ground running at 1.0; 40 minutes left of its 12 h.
        {"Лопасть НВ", "ЛНВ-8", "B-1", "", "01.06.2026", "0", "11:20", "", "12", "0:40", "", ""},
    };
    const auto& rows = t.tables[1];
    ASSERT_EQ(rows.size(), units.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const QStringList got = texts(rows[i], 12);
        for (int pos = 1; pos <= 12; ++pos)
            EXPECT_EQ(got[pos], QString::fromUtf8(units[i][static_cast<size_t>(pos - 1)]))
                << "unit " << i + 1 << ", position " << pos;
    }
    // No contract: named among the data to check.
    ASSERT_FALSE(t.doubts.isEmpty());
    EXPECT_TRUE(t.doubts.join(';').contains(QStringLiteral("LIZING")));
}

TEST_F(LizingReportsTest, TechnicalStateLimitsAndWrongRunningTimes)
{
    fill(kTables, kTechFleet);
    namespace U = plan::reports::psbtsunit;
    struct Case {
        const char* setup;
        int row, pos;
        const char* expected;
    } cases[] = {
        // Past the life between overhauls: a negative remainder.
        {"UPDATE REESTR SET MEZHREM_CHASOV=30", -1, plan::reports::psbts::OverhaulLeft, "-8:20"},
        // A limit to the first overhaul given for a unit never overhauled.
        {"UPDATE DVIGATEL SET DO_PERVOGO_CHASOV=1000 WHERE ZAVODSKOI_NOMER='E-1'", 0, U::OverhaulLimit, "1000"},
        {nullptr, 0, U::OverhaulLeft, "210:00"},
        // The blade no longer counted from the aircraft: its stored total less the flying after the date.
        {"UPDATE LOPAST SET NEPRERYVNO=0", 2, U::SinceNew, "8:10"},
    };
    for (const Case& c : cases) {
        if (c.setup) conn->execute(QString::fromUtf8(c.setup));
        const plan::reports::StagedTables t = plan::reports::buildPsbTech(conn.get(), techOn(QDate(2026, 6, 5)));
        const StagingRow& r = c.row < 0 ? t.tables[0][0] : t.tables[1][static_cast<size_t>(c.row)];
        EXPECT_EQ(r.at(c.pos).toString(), QString::fromUtf8(c.expected)) << (c.setup ? c.setup : "same") << " " << c.pos;
    }
    // A running time not "H:MM" stops the report naming the unit and the value.
    conn->execute(QStringLiteral("UPDATE DVIGATEL SET NARABOTKA_SNE='12-30' WHERE ZAVODSKOI_NOMER='E-2'"));
    try {
        plan::reports::buildPsbTech(conn.get(), techOn(QDate(2026, 6, 5)));
        FAIL() << "no error";
    } catch (const plan::ConversionError& e) {
        const QString m = QString::fromUtf8(e.what());
        EXPECT_TRUE(m.contains(QStringLiteral("E-2")) && m.contains(QStringLiteral("12-30"))) << e.what();
    }
    // Without a running time recorded the cell stays empty and is named.
    conn->execute(QStringLiteral("UPDATE DVIGATEL SET NARABOTKA_SNE=NULL WHERE ZAVODSKOI_NOMER='E-2'"));
    const plan::reports::StagedTables t = plan::reports::buildPsbTech(conn.get(), techOn(QDate(2026, 6, 5)));
    EXPECT_EQ(t.tables[1][1].at(U::SinceNew).toString(), QString());
    EXPECT_TRUE(t.doubts.join(';').contains(QStringLiteral("E-2"))) << t.doubts.join(';').toStdString();
}

TEST_F(LizingReportsTest, TechnicalStateFormsOfTheYearAndTheNextForm)
{
    fill(kTables, kTechFleet);
    namespace T = plan::reports::psbtsto;
    auto maintenance = [&](const QDate& d) {
        const plan::reports::StagedTables t = plan::reports::buildPsbTech(conn.get(), techOn(d));
        QStringList out;
        for (const StagingRow& r : t.tables[2])
            out << QStringList{r.at(T::Item).toString(), r.at(T::Form).toString(), r.at(T::Date).toString(),
                               r.at(T::RunningTime).toString(), r.at(T::Note).toString()}
                       .join(';');
        return std::make_pair(out, t.doubts.join(';'));
    };
    // On 05.06.2026 the year runs from 06.06.2025: the form of 05.06.2025 is not in it.
    const auto [onDate, doubts] = maintenance(QDate(2026, 6, 5));
    ASSERT_EQ(onDate.size(), 5);
    EXPECT_TRUE(onDate[0].startsWith(QStringLiteral("|Выполненные формы технического обслуживания с 06.06.2025 по "
                                                     "05.06.2026")));
    EXPECT_EQ(onDate[1], QStringLiteral("Планер;Ф-2;06.06.2025;2:00;"));
    EXPECT_EQ(onDate[2], QStringLiteral("Планер;Ф-2;31.05.2026;39:00;"));
    EXPECT_TRUE(onDate[3].startsWith(QLatin1Char('|')));
    const QStringList next = onDate[4].split(';');
    EXPECT_EQ(next[1], QStringLiteral("Ф-3"));
    EXPECT_EQ(next[4], QStringLiteral("Ф-2 от 31.05.2026"));
    EXPECT_FALSE(doubts.contains(QStringLiteral("выполнена форма"))) << doubts.toStdString();

    // After every flight the remainder is the stored one; on the date it is
    // larger by the flying after the date (90 + half of 20 minutes).
    const auto later = maintenance(QDate(2026, 6, 12)).first.last().split(';');
    auto minutes = [](const QString& hm) { return hm.section(':', 0, 0).toInt() * 60 + hm.section(':', 1, 1).toInt(); };
    EXPECT_EQ(minutes(next[3]) - minutes(later[3]), 100) << next[3].toStdString() << " " << later[3].toStdString();

    // A form performed after the date: what comes next is reckoned from the current records, and said so.
    conn->execute(form("2026-06-07", "Ф-3", "40:00"));
    EXPECT_TRUE(maintenance(QDate(2026, 6, 5)).second.contains(QStringLiteral("Ф-3")));
}

TEST_F(LizingReportsTest, TechnicalStateRunsFromTheWindowIntoThreeTables)
{
    fill(kTables, kTechFleet);
    const auto r = run("frmPlanReport", "ООО ПСБ «Авиализинг». Отчет о техническом состоянии",
                       {set("cboExpl", "АО «Первый»"), set("picDate", "05.06.2026"), select("Ми-8Т RA-5")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    EXPECT_EQ(staging(QStringLiteral("Select * From REPORT_LIZING_PSB_P1 Order By ID;"), 2),
              QStringList{QStringLiteral("Ми-8Т;RA-5")});
    EXPECT_EQ(staging(QStringLiteral("Select * From REPORT_LIZING_PSB_P2 Order By ID;"), 1).size(), 3);
    EXPECT_EQ(staging(QStringLiteral("Select * From REPORT_LIZING_PSB_P3 Order By ID;"), 1).size(), 5);
}

} // namespace
