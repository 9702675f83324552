// The quarterly report on removed and installed components on a small fleet:
// the movements of the quarter of a ticked aircraft, the kinds and their
// order from the tuned list, each kind's columns, the two variants; the
// report of all components on the aircraft at the quarter's end.
#include "reports/TfrPlanRepZamenyKvartal.h"
#include "data/DemoFleet.h"
#include "support/FrameFixture.h"

namespace {
using namespace frametest;

const QStringList kTables = {"EXPLUATANTY", "OBSHIE",   "REESTR",   "TIPOVYE_DANNYE_VS", "SPRAVKA", "TUNE_DOCS",
                             "ETAAGREGAT",  "DVIGENIE_V_EKSPLUATACII", "DVIGATEL", "REDUCTOR", "LOPAST", "AGREGAT"};

const char* const kName1 = "Квартальный отчет о снятых и установленных компонентах ВС";
const char* const kName2 = "Квартальный отчет об установленных компонентах ВС";

QString move(const char* date, const char* kind, const char* serial, const char* from, const char* to,
             const char* idName = "", const char* owner = "ВЛ1")
{
    return QStringLiteral("INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, ZAVODSKOY_NOMER, OTKUDA, KUDA, "
                          "ID_NAME, SOBSTVENNOST) VALUES ('%1', '%2', '%3', '%4', '%5', '%6', '%7')")
        .arg(QString::fromUtf8(date), QString::fromUtf8(kind), QString::fromUtf8(serial), QString::fromUtf8(from),
             QString::fromUtf8(to), QString::fromUtf8(idName), QString::fromUtf8(owner));
}

QString tune(int line, const char* key, const char* name = "", const char* drawing = "")
{
    return QStringLiteral("INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA) VALUES "
                          "('%1', %2, '%3', '%4', '%5')")
        .arg(QString::fromUtf8(kName1))
        .arg(line)
        .arg(QString::fromUtf8(name), QString::fromUtf8(drawing), QString::fromUtf8(key));
}

QString engine(const char* table, const char* serial, const char* sne, int repairs)
{
    return QStringLiteral("INSERT INTO %1 (%2, ZAVODSKOI_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, REMONT_ZAVOD, REMONT_DATA, "
                          "VSEGO_REMONTOV, DATA_KALENDAR, NARABOTKA_SNE, NARABOTKA_PPR, DO_PERVOGO_CHASOV, DO_PERVOGO_LET, "
                          "MEZHREMONTNYI_CHASOV, MEZHREMONTNYI_LET, NAZNACHENNYI_CHASOV, NAZNACHENNYI_LET, PRODLEN, "
                          "PRODLEN_RESURS, PRODLEN_DATA) VALUES ('М-%3', '%3', 'RA-22001', '2001-02-03', 'АРЗ-12', "
                          "'2020-05-06', %4, '2019-01-02', '%5', '120:45', 2000, '8.00', 1500, '6.00', 6000, '25.00', "
                          "1, '7000', '2025-07-08')")
        .arg(QString::fromUtf8(table), QString::fromUtf8(std::string_view(table) == "DVIGATEL" ? "NAZVANIE_DVIGATELYA"
                                                                                               : "NAZVANIE_REDUCTORA"),
             QString::fromUtf8(serial))
        .arg(repairs)
        .arg(QString::fromUtf8(sne));
}

QString unit(const char* serial, const char* idName, int engineUnit)
{
    return QStringLiteral("INSERT INTO AGREGAT (NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, ID_NAME, ED_IZMERENIA, "
                          "AGR_DVIGATELIA, NARABOTKA_SNE, NARABOTKA_PPR, VSEGO_REMONTOV, GDE_STOIT, NEPRERYVNO, "
                          "MEZHREMONTNYI_CHASOV) VALUES ('датчик', 'Д-1', '%1', '%2', '1', %3, '350', '', 0, 'RA-22001', 0, "
                          "900)")
        .arg(QString::fromUtf8(serial), QString::fromUtf8(idName))
        .arg(engineUnit);
}

const QStringList kFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0)",
    "INSERT INTO OBSHIE (EXPLUATANT, VLADELETS, FIO_IAS) VALUES ('ЮТЭЙР', 'ВЛ1', 'Иванов И.И.')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-22001', 'ЮТЭЙР')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-22002', 'ЮТЭЙР')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU) VALUES ('Ми-8АМТ', '0')",
    // Flown after the blade was installed (counted continuously up to today, 15.06.2026).
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22001', "
    "'2026-06-01', '02:00', '00:30')",
    "INSERT INTO ETAAGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ID_NAME, NAME) VALUES ('Ми-8АМТ', 'Датчик', 'Д-1', '7', "
    "'Датчик давления')",
    "INSERT INTO ETAAGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ID_NAME, NAME) VALUES ('Ми-8АМТ', 'Насос', 'Н-1', '8', "
    "'Насос топливный')",
    // The tuned order: gearboxes before engines; a key of no kind is passed over.
    tune(1, "Reductor"), tune(2, "Dvigatel"), tune(3, "Nonsense"), tune(4, "LopastNV"), tune(5, "Agregat", "Датчик", "Д-1"),
    engine("DVIGATEL", "E1", "1000:00", 0), engine("DVIGATEL", "E2", "2500:30", 1), engine("DVIGATEL", "E4", "1:00", 0),
    engine("REDUCTOR", "G1", "3000:00", 2),
    "INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, NEPRERYVNO, DATA_USTANOVKI, "
    "NARABOTKA_SNE, NARABOTKA_PPR, VSEGO_REMONTOV, RESURS_CHASOV, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8АМТ', 'Несущий', "
    "'8АТ-2710-000', 'L1', 'RA-22001', 1, '2026-05-10', '500:00', '100:00', 1, 9000, 3000)",
    // A tail-rotor blade of the same serial number is not a main-rotor blade.
    "INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT) VALUES ('Ми-8АМТ', 'Хвостовой', "
    "'8АТ-3922-000', 'L2', 'RA-22001')",
    unit("U1", "7", 0), unit("U2", "7", 1), unit("U3", "8", 0),
    move("2026-03-31", "Dvigatel", "E1", "Склад", "RA-22001"), // before the quarter
    move("2026-04-01", "Dvigatel", "E1", "RA-22001", "Склад"), // first day: removed
    move("2026-04-01", "Dvigatel", "E2", "Склад", "RA-22001"), // installed
    move("2026-05-10", "LopastNV", "L1", "Склад", "RA-22001"),
    move("2026-05-11", "LopastNV", "L2", "Склад", "RA-22001"), // no main-rotor blade of that serial
    move("2026-05-12", "Agregat", "U1", "Склад", "RA-22001", "7"),
    move("2026-05-13", "AgrDvig", "U2", "Склад", "RA-22001", "7"),
    move("2026-05-14", "Agregat", "U3", "Склад", "RA-22001", "8"),              // a unit of another tuned line
    move("2026-05-15", "Dvigatel", "EX", "Склад", "RA-22001"),                  // no engine of that serial
    move("2026-05-16", "Dvigatel", "E4", "RA-22002", "Склад"),                  // another aircraft
    move("2026-05-17", "Dvigatel", "E4", "RA-22001", "Склад", "", "ЧУЖОЙ"),     // not an own unit
    move("2026-06-30", "Reductor", "G1", "Склад", "RA-22001"),                  // last day
    move("2026-07-01", "Reductor", "G1", "RA-22001", "Склад"),                  // after the quarter
};

class ZamenyKvartal : public FrameTest {
protected:
    std::vector<QStringList> rows()
    {
        std::vector<QStringList> out;
        for (const QString& r : staging(QStringLiteral("Select * From REPORT_ZAMENY_KVARTAL Order By ID;"), 25)) {
            QStringList p = r.split(QLatin1Char(';'));
            p.prepend(QString());
            while (p.size() <= 25) p << QString();
            out.push_back(p);
        }
        return out;
    }
    plan::shell::RunResult report(const char* item, const char* quarter = "#1")
    {
        return run("frmPlanReport", QString::fromUtf8(item),
                   {set("cboExpl", "АО «ЮТэйр»"), set("cboYear", "2026"), set("cboCvartal", quarter), tick("Ми-8АМТ RA-22001")});
    }
};

struct Expect {
    int pos;
    const char* value;
};

void expectRows(const std::vector<QStringList>& got, const std::vector<std::vector<Expect>>& want, const char* what)
{
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < got.size(); ++i)
        for (const Expect& e : want[i])
            EXPECT_EQ(got[i].value(e.pos), QString::fromUtf8(e.value)) << what << ", row " << i << ", position " << e.pos;
}

TEST_F(ZamenyKvartal, MovementsOfTheQuarterByTunedKindInBothVariants)
{
    fill(kTables, kFleet);
    struct Case {
        const char* item;
        std::vector<std::vector<Expect>> rows;
    } cases[] = {
        {kName1,
         {{{1, "Главный редуктор"}, {3, "G1"}, {4, "RA-22001"}, {5, "Ми-8АМТ"}, {16, "5"}},
          // Removed: no board, no type.
          {{1, "Двигатель"}, {3, "E1"}, {4, ""}, {5, ""}},
          {{1, "Двигатель"}, {3, "E2"}, {4, "RA-22001"}, {5, "Ми-8АМТ"}},
          // Counted continuously: 100:00 at installation plus 2:00 flown since.
          {{1, "Лопасть НВ"}, {2, "8АТ-2710-000"}, {3, "L1"}, {10, "502"}, {12, "102"}, {11, "9000"}, {13, "3000"},
           {9, "час"}, {16, "1"}},
          {{1, "Датчик давления"}, {2, "Д-1"}, {3, "U1"}, {9, "пос"}, {10, "350"}, {13, "900"}},
          {{1, "Датчик давления"}, {3, "U2"}, {9, "цик"}}}},
        {kName2,
         {{{3, "G1"}, {4, "RA-22001"}}, {{3, "E2"}, {4, "RA-22001"}}, {{3, "L1"}}, {{3, "U1"}}, {{3, "U2"}}}},
    };
    for (const Case& c : cases) {
        const auto r = report(c.item);
        ASSERT_EQ(r.status, 0) << c.item << ": " << r.errors.join('\n').toStdString();
        expectRows(rows(), c.rows, c.item);
    }
}

// Every component of the tuned kinds on the aircraft at the quarter's end:
// those on it today less those put on after the quarter, plus those taken
// off after it (E5, in store today); the first movement after the quarter
// decides (U2 moved as an engine unit counts for the unit line too). The
// tuned order and the kinds' filters hold as in the movement report.
TEST_F(ZamenyKvartal, AllComponentsOnTheAircraftAtTheQuartersEnd)
{
    // APUs stand by MESTO_USTANOVKI; A2 is in store.
    const char* apu = "INSERT INTO VSU (NAZVANIE, ZAVODSKOY_NOMER, MESTO_USTANOVKI, OBSHAIA_SNE, VSEGO_REMONTOV, TIP_VS) "
                      "VALUES ('АИ-9В', '%1', '%2', '50:00', 0, 'Ми-8АМТ')";
    fill(QStringList(kTables) << "VSU",
         QStringList(kFleet) << engine("DVIGATEL", "E5", "10:00", 0)
                             << "UPDATE DVIGATEL SET GDE_STOIT='Склад' WHERE ZAVODSKOI_NOMER='E5'"
                             << move("2026-07-02", "Dvigatel", "E5", "RA-22001", "Склад") << tune(6, "VSU")
                             << QString::fromUtf8(apu).arg(QStringLiteral("A1"), QStringLiteral("RA-22001"))
                             << QString::fromUtf8(apu).arg(QStringLiteral("A2"), QStringLiteral("Склад")));
    const char* all = "Квартальный отчет о всех компонентах ВС";
    struct Case {
        const char* quarter;
        std::vector<const char*> serials;
    } cases[] = {
        // 30.06: G1 came on the last day and went after the quarter; E5 went after it.
        {"#1", {"G1", "E1", "E2", "E4", "E5", "L1", "U1", "U2", "A1"}},
        // 31.03: E2, L1, U1, U2 and G1 came on later; E1, E4 and E5 went later.
        {"#0", {"E1", "E4", "E5", "A1"}},
    };
    for (const Case& c : cases) {
        const auto r = report(all, c.quarter);
        ASSERT_EQ(r.status, 0) << c.quarter << ": " << r.errors.join('\n').toStdString();
        const auto got = rows();
        std::vector<std::vector<Expect>> want;
        for (const char* serial : c.serials)
            want.push_back({{3, serial}, {4, "RA-22001"}, {5, "Ми-8АМТ"}, {22, "1"}, {17, "1"}});
        expectRows(got, want, c.quarter);
    }
    // The lines are those of the movement report: the engine's own columns.
    const auto got = rows();
    expectRows({got[0]}, {{{1, "Двигатель"}, {2, "М-E1"}, {10, "1000"}, {16, "5"}, {9, "час"}}}, "E1");
}

TEST_F(ZamenyKvartal, EngineColumnsOverhauledAndNeverOverhauled)
{
    fill(kTables, kFleet);
    ASSERT_EQ(report(kName1).status, 0);
    const auto got = rows();
    ASSERT_EQ(got.size(), 6u);
    // Never overhauled: no repair date, since overhaul, plant or count; the limit between overhauls.
    expectRows({got[1]},
               {{{2, "М-E1"}, {6, "03.02.2001"}, {7, ""}, {8, "02.01.2019"}, {9, "час"}, {10, "1000"}, {11, "6000"},
                 {12, ""}, {13, "1500"}, {14, "25.00"}, {15, "6.00"}, {16, "5"}, {17, "1"}, {18, ""}, {19, ""},
                 {20, "08.07.2025"}, {21, "7000"}, {22, ""}}},
               "E1");
    // One overhaul: to the first overhaul.
    expectRows({got[2]},
               {{{7, "06.05.2020"}, {10, "2500"}, {12, "120"}, {13, "2000"}, {15, "8.00"}, {18, "АРЗ-12"}, {19, "1"}}},
               "E2");
    // Two overhauls: between overhauls again.
    expectRows({got[0]}, {{{13, "1500"}, {15, "6.00"}, {19, "2"}}}, "G1");
}

TEST_F(ZamenyKvartal, TheTunedListDecidesKindsAndOrder)
{
    struct Case {
        const char* name;
        QStringList tuning;
        std::vector<const char*> serials;
    } cases[] = {
        {"engines first", {tune(1, "Dvigatel"), tune(2, "Reductor")}, {"E1", "E2", "G1"}},
        {"no engine line", {tune(1, "Reductor"), tune(2, "LopastNV")}, {"G1", "L1"}},
        {"no tuned line", {}, {}},
        {"a unit line without reference rows", {tune(1, "Agregat", "Нет", "Х-0")}, {}},
    };
    for (const Case& c : cases) {
        QStringList fleet;
        for (const QString& s : kFleet)
            if (!s.startsWith(QStringLiteral("INSERT INTO TUNE_DOCS"))) fleet << s;
        fill(kTables, fleet + c.tuning);
        const auto r = report(kName1);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.errors.join('\n').toStdString();
        const auto got = rows();
        ASSERT_EQ(got.size(), c.serials.size()) << c.name;
        for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i][3], QString::fromUtf8(c.serials[i])) << c.name;
    }
}

TEST_F(ZamenyKvartal, AnotherQuarterHasOtherMovements)
{
    fill(kTables, kFleet);
    ASSERT_EQ(report(kName1, "#0").status, 0);
    expectRows(rows(), {{{3, "E1"}, {4, "RA-22001"}}}, "1st quarter");
    ASSERT_EQ(report(kName1, "#2").status, 0);
    expectRows(rows(), {{{3, "G1"}, {4, ""}}}, "3rd quarter");
}

TEST_F(ZamenyKvartal, AMalformedRunningTimeStopsTheReportNamingTheComponent)
{
    fill(kTables, QStringList(kFleet) << engine("DVIGATEL", "E-BAD", "12:7x", 0)
                                      << move("2026-05-20", "Dvigatel", "E-BAD", "Склад", "RA-22001"));
    const auto r = report(kName1);
    EXPECT_NE(r.status, 0);
    const QString all = r.errors.join(QStringLiteral(" "));
    for (const char* part : {"E-BAD", "NARABOTKA_SNE", "12:7x", "Двигатель"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(part))) << part << ": " << all.toStdString();
}

} // namespace

namespace {

// One movement of each further kind, each component with its own table's columns.
TEST_F(ZamenyKvartal, EachKindWritesTheColumnsOfItsOwnTable)
{
    const QStringList tables = QStringList(kTables) << "VSU" << "HVOSTOVOY_VINT" << "VTULKA_NV" << "VOZDUSHNY_VINT"
                                                    << "LEBEDKA" << "ETA_VTULKA_NV";
    const QStringList fleet = {
        kFleet[0], kFleet[1], kFleet[2], kFleet[4],
        tune(1, "VSU"), tune(2, "LopastHV"), tune(3, "HvostovoyVint"), tune(4, "VtulkaNV"), tune(5, "LopastVV"),
        tune(6, "VozdVint"), tune(7, "Lebedka"),
        "INSERT INTO VSU (NAZVANIE, ZAVODSKOY_NOMER, MESTO_USTANOVKI, OBSHAIA_SNE, VSEGO_REMONTOV, OBSHAIA_NAZN, "
        "OBSHAIA_MEGREMONTNY, SUMMA_SNE) VALUES ('АИ-9В', 'A1', 'RA-22001', '50:10', 0, 3000, 500, '1:00')",
        // The model ТА-14-130 keeps its hours in the summed columns.
        "INSERT INTO VSU (NAZVANIE, ZAVODSKOY_NOMER, MESTO_USTANOVKI, OBSHAIA_SNE, VSEGO_REMONTOV, OBSHAIA_MEGREMONTNY, "
        "SUMMA_SNE, SUMMA_NAZN, SUMMA_MEGREM) VALUES ('ТА-14-130', 'A2', 'RA-22001', '999:00', 0, 100, '80:00', 4000, "
        "800)",
        "INSERT INTO LOPAST (TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, NARABOTKA_SNE, NEPRERYVNO, "
        "MEZHREMONTNYI_CHASOV) VALUES ('Хвостовой', '8АТ-3922-000', 'L3', 'RA-22001', '10:00', 0, 1000)",
        "INSERT INTO HVOSTOVOY_VINT (NAZVANIE_VINT, ZAVODSKOY_NOMER, ZAVODSKOY_NOMER_VTULKA, GDE_STOIT, NARABOTKA_SNE, "
        "NEPRERYVNO, MEZHREMONTNYI_CHASOV) VALUES ('246-3904-000', 'X9', 'H1', 'RA-22001', '20:00', 0, 2000)",
        "INSERT INTO ETA_VTULKA_NV (TIP_VS, ID_NAME, NAME) VALUES ('Ми-8АМТ', '3', 'Втулка несущего винта')",
        "INSERT INTO VTULKA_NV (NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, ID_NAME, GDE_STOIT, NARABOTKA_SNE, NEPRERYVNO, "
        "MEZHREMONTNYI_CHASOV) VALUES ('втулка', '8АМТ-1930-000', 'V1', '3', 'RA-22001', '30:00', 0, 3000)",
        "INSERT INTO LOPAST (TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, NARABOTKA_SNE, NEPRERYVNO) VALUES "
        "('Воздушный', 'АВ-2-Л', 'L4', 'RA-22001', '40:00', 0)",
        "INSERT INTO VOZDUSHNY_VINT (NAZVANIE_VINTA, ZAVODSKOY_NOMER, GDE_STOIT, NARABOTKA_SNE, MEZHREMONTNYI_CHASOV) "
        "VALUES ('АВ-2', 'P1', 'RA-22001', '50:00', 5000)",
        "INSERT INTO LEBEDKA (NAZVANIE_LEBEDKA, ZAVODSKOY_NOMER_LEBEDKA, GDE_STOIT, NARABOTKA_SNE, NEPRERYVNO, "
        "MEZHREMONTNYI_CHASOV) VALUES ('ЛПГ-150М', 'W1', 'RA-22001', '60:00', 0, 6000)",
        move("2026-04-10", "VSU", "A1", "Склад", "RA-22001"), move("2026-04-11", "VSU", "A2", "Склад", "RA-22001"),
        move("2026-04-12", "HvostovoyVint", "L3", "Склад", "RA-22001", "1"),
        move("2026-04-13", "HvostovoyVint", "H1", "Склад", "RA-22001", "0"),
        move("2026-04-14", "VtulkaNV", "V1", "Склад", "RA-22001"),
        move("2026-04-15", "VozdushnyVint", "L4", "Склад", "RA-22001", "1"),
        move("2026-04-16", "VozdushnyVint", "P1", "Склад", "RA-22001", "0"),
        move("2026-04-17", "Lebedka", "W1", "Склад", "RA-22001"),
    };
    fill(tables, fleet);
    const auto r = report(kName1);
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    expectRows(rows(),
               {{{1, "ВСУ"}, {2, "АИ-9В"}, {3, "A1"}, {10, "50"}, {11, "3000"}, {13, "500"}, {16, "5"}},
                {{1, "ВСУ"}, {2, "ТА-14-130"}, {3, "A2"}, {10, "80"}, {11, "4000"}, {13, "800"}, {16, "5"}},
                {{1, "Лопасти РВ"}, {2, "8АТ-3922-000"}, {3, "L3"}, {10, "10"}, {13, "1000"}, {16, "1"}},
                {{1, "Втулка РВ"}, {2, "246-3904-000"}, {3, "H1"}, {10, "20"}, {13, "2000"}},
                {{1, "Втулка несущего винта"}, {2, "8АМТ-1930-000"}, {3, "V1"}, {10, "30"}, {13, "3000"}},
                {{1, "Лопасти ВВ"}, {2, "АВ-2-Л"}, {3, "L4"}, {10, "40"}},
                {{1, "Втулка ВВ"}, {2, "АВ-2"}, {3, "P1"}, {10, "50"}, {13, "5000"}},
                {{1, "Электролебедка"}, {2, "ЛПГ-150М"}, {3, "W1"}, {10, "60"}, {13, "6000"}, {4, "RA-22001"}}},
               "kinds");
}

} // namespace

namespace {

// The movements read once and taken from memory are the rows of the form's
// own query per aircraft and kind, in the same order.
TEST_F(ZamenyKvartal, ReadingOnceGivesTheRowsOfTheQueriesPerAircraft)
{
    fill(kTables, QStringList(kFleet)
                      // Trailing blanks do not count in the database's comparisons, nor in memory.
                      << move("2026-05-18", "Agregat", "U1", "Склад", "RA-22001 ", "7 ")
                      << move("2026-05-19", "Dvigatel ", "E2", "RA-22002", "RA-22001")
                      << move("2026-05-19", "Dvigatel", "E4", "RA-22001", "RA-22002"));
    using namespace plan::reports;
    for (bool installedOnly : {false, true}) {
        for (int quarter : {0, 1, 2}) {
            ZamenyOptions o;
            o.installedOnly = installedOnly;
            o.quarter = plan::frames::quarterOf(2026, quarter);
            o.aircraft = {{"Ми-8АМТ", "RA-22001"}, {"Ми-8АМТ", "RA-22002"}};
            const auto once = buildZamenyKvartal(conn.get(), o);
            o.queryPerItem = true;
            const auto literal = buildZamenyKvartal(conn.get(), o);
            ASSERT_EQ(once.size(), literal.size()) << installedOnly << " " << quarter;
            for (size_t i = 0; i < once.size(); ++i)
                EXPECT_EQ(once[i].texts(), literal[i].texts()) << installedOnly << " " << quarter << " row " << i;
            if (quarter == 1) EXPECT_GE(once.size(), installedOnly ? 7u : 9u);
        }
    }
}

} // namespace

namespace {

// On the demo fleet (every kind, units, hubs, continuously counted parts with
// their aircraft's flying) the tables and lists read whole once and searched
// in memory give the staging rows of the form's own queries per aircraft,
// kind, moved component, unit line and type, row for row, in all three
// variants over a year of quarters.
TEST(ZamenyKvartalDemoFleet, ReadingInSetsGivesTheRowsOfTheQueriesPerItem)
{
    plan::Clock::setToday(QDate(2026, 6, 15));
    const QString path = plantest::scratchDir() + QStringLiteral("/zameny-demo.fdb");
    plan::DemoFleet::create(path, {12, 1, 3});
    const auto conn = plantest::connect(path);
    using namespace plan::reports;
    std::vector<plan::frames::AircraftRef> aircraft;
    for (auto r = plan::openQuery(conn.get(), QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Order By ID;"));
         !r->eof(); r->next())
        aircraft.push_back({r->str(0).trimmed(), r->str(1).trimmed()});
    ASSERT_GE(aircraft.size(), 12u);
    // The four quarters of the demo fleet's year of flying and movements.
    const std::pair<int, int> quarters[] = {{2025, 2}, {2025, 3}, {2026, 0}, {2026, 1}};
    struct Case {
        const char* name;
        bool installedOnly, allInstalled;
        size_t atLeast; // rows the demo fleet gives over the year
    } cases[] = {
        {"removed and installed", false, false, 12},
        {"installed", true, false, 8},
        {"all", false, true, 600},
    };
    for (const Case& c : cases) {
        size_t rows = 0;
        for (const auto& [year, quarter] : quarters) {
            ZamenyOptions o;
            o.installedOnly = c.installedOnly;
            o.allInstalled = c.allInstalled;
            o.quarter = plan::frames::quarterOf(year, quarter);
            o.aircraft = aircraft;
            const auto sets = buildZamenyKvartal(conn.get(), o);
            o.queryPerItem = true;
            const auto perItem = buildZamenyKvartal(conn.get(), o);
            const std::string what = std::string(c.name) + " " + std::to_string(year) + "/" + std::to_string(quarter + 1);
            ASSERT_EQ(sets.size(), perItem.size()) << what;
            for (size_t i = 0; i < sets.size(); ++i)
                EXPECT_EQ(sets[i].texts(), perItem[i].texts()) << what << ", row " << i;
            rows += sets.size();
        }
        EXPECT_GE(rows, c.atLeast) << c.name;
    }
}

} // namespace
