// Form 37-GA on a small fleet: engines, APUs and gearboxes installed on the
// operator's aircraft backed out to the date, then the stored ones with
// their place codes; the owner filter; numbering; a malformed running time.
// The research institute's annex 2a: the installed engines and gearboxes of
// the same fleet, per aircraft, with the hours left to the limit.
#include "reports/TfrPlanRepF37.h"
#include "support/FrameFixture.h"

namespace {
using namespace frametest;

const QStringList kTables = {"EXPLUATANTY", "OBSHIE",   "SOBSTVENNIKI", "TIPOVYE_DANNYE_VS", "REESTR",
                             "SPRAVKA",     "DVIGATEL", "REDUCTOR",     "VSU"};

// name, serial, place, engine position, since new, since overhaul, repairs, owner, type
QString engine(const char* name, const char* serial, const char* place, const char* odinDva, const char* sne,
               const char* ppr, int repairs, const char* owner, const char* type = "Ми-8АМТ")
{
    return QStringLiteral("INSERT INTO DVIGATEL (NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, ODIN_DVA, NARABOTKA_SNE, "
                          "NARABOTKA_PPR, VSEGO_REMONTOV, SOBSTVENNOST, TIP_VS, IZGOTOVLEN_DATA, "
                          "DATA_POSTUPLENIYA_V_PRED, REMONT_DATA, REMONT_ZAVOD, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) "
                          "VALUES ('%1', '%2', '%3', '%4', '%5', '%6', %7, '%8', '%9', '2001-02-03', '2002-03-04', "
                          "'2020-05-06', 'АРЗ-12', 2000, 1500)")
        .arg(QString::fromUtf8(name), QString::fromUtf8(serial), QString::fromUtf8(place), QString::fromUtf8(odinDva),
             QString::fromUtf8(sne), QString::fromUtf8(ppr))
        .arg(repairs)
        .arg(QString::fromUtf8(owner), QString::fromUtf8(type));
}

const QStringList kFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0)",
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('СЕВЕР', 'ООО «Север»', 0)",
    "INSERT INTO OBSHIE (EXPLUATANT, VLADELETS, IMIA_UGA, ADRES_PREDPR, FIO_IAS, DOLGNOST_IAS, IMIA_DVIGATEL_37, "
    "IMIA_REDUCTOR_37, ADRES_37, NOMER_SVIDELSTVA, NACH_PDO, PHONE_PDO) VALUES ('ЮТЭЙР', 'ВЛ1', 'Росавиация', "
    "'г. Тюмень', 'Иванов И.И.', 'Начальник ИАС', 'ЦИАМ', 'ЗМКБ', 'г. Москва', 'СЭ-01', 'Петров П.П.', '49-00-00')",
    "INSERT INTO OBSHIE (EXPLUATANT, VLADELETS) VALUES ('СЕВЕР', 'ВЛ2')",
    "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('ВЛ1', 'ЮТэйр-собственник', 0)",
    "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('ВЛ2', 'Север-собственник', 0)",
    "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('СКР', 'Скрытый', 1)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, ZEMLIA_DVIGATEL, KOL_VO_ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, "
    "KOL_VO_ZEMLIA_REDUCTOR) VALUES ('Ми-8АМТ', '1', 0.5, '1', 1.0)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т HIDE')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-22001', 'ЮТЭЙР')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-22002', 'ЮТЭЙР')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-30001', 'СЕВЕР')",
    // The 10th stays; the 12th is backed out from a report of the 10th.
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE_1, NA_ZEMLE_1) VALUES ('RA-22001', '2026-06-10', "
    "'05:00', '00:00')",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE_1, NA_ZEMLE_1, V_VOZDUHE_2, NA_ZEMLE_2, V_VOZDUHE_RED, "
    "NA_ZEMLE_RED, VSU_POLNOE_VREMYA, VSU_V_GENERATORNOM) VALUES ('RA-22001', '2026-06-12', '01:00', '00:25', "
    "'02:00', '00:10', '01:30', '00:20', '00:40', '00:15')",
    // Engine 1: 60 + 25 * 0.5 = 12.5 -> 13, 73 minutes backed out.
    engine("ТВ3-117ВМ-А", "E1", "RA-22001", "0", "1000:00", "500:00", 1, "ВЛ1"),
    // Engine 2 (ODIN_DVA 1): 120 + 10 * 0.5 = 125 minutes; never overhauled.
    engine("ТВ3-117ВМ-Б", "E2", "RA-22001", "1", "1000:00", "", 0, "ВЛ1"),
    engine("ТВ3-117ВМ", "E3", "RA-22002", "0", "300:59", "10:00", 2, "ВЛ1"),
    engine("ТВ3-117ВМ", "E4", "Склад", "0", "100:30", "50:00", 1, "ВЛ1"),
    engine("ТВ3-117ВМ", "E5", "Рекламация", "0", "200:00", "", 0, "ВЛ2"),
    engine("ТВ3-117ВМ", "E6", "RA-30001", "0", "400:00", "", 0, "ВЛ1"), // another operator's aircraft
    engine("ТВ3-117ВМ", "E7", "Склад", "0", "500:00", "", 0, "СКР"),     // a hidden owner
    engine("ТВ3-117ВМ", "E8", "Ремфонд", "0", "600:00", "", 0, "ВЛ1", "Ми-8Т HIDE"),
    engine("ТВ3-117ВМ", "E9", "Ремфонд", "0", "700:00", "", 0, "ВЛ1"),
    // 90 + 20 * 1.0 = 110 minutes; since overhaul goes below 0 and is written 0.
    "INSERT INTO REDUCTOR (NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, GDE_STOIT, NARABOTKA_SNE, NARABOTKA_PPR, "
    "VSEGO_REMONTOV, SOBSTVENNOST, TIP_VS, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) VALUES ('ВР-14', 'G1', 'RA-22001', "
    "'2000:00', '1:00', 2, 'ВЛ1', 'Ми-8АМТ', 3000, 1000)",
    "INSERT INTO REDUCTOR (NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, GDE_STOIT, NARABOTKA_SNE, NARABOTKA_PPR, "
    "VSEGO_REMONTOV, SOBSTVENNOST, TIP_VS, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) VALUES ('ВР-14', 'G2', "
    "'Рекламация', '700:00', '', 0, 'ВЛ1', 'Ми-8АМТ', 3000, 1000)",
    // APU total time 40 minutes; the model ТА-14-130 keeps its hours in the summed columns.
    "INSERT INTO VSU (NAZVANIE, ZAVODSKOY_NOMER, MESTO_USTANOVKI, OBSHAIA_SNE, OBSHAIA_PPR, VSEGO_REMONTOV, "
    "SOBSTVENNOST, TIP_VS, OBSHAIA_DO_PERVOGO, OBSHAIA_MEGREMONTNY) VALUES ('АИ-9В', 'A1', 'RA-22001', '50:00', '', 0, "
    "'ВЛ1', 'Ми-8АМТ', 1000, 500)",
    "INSERT INTO VSU (NAZVANIE, ZAVODSKOY_NOMER, MESTO_USTANOVKI, OBSHAIA_SNE, SUMMA_SNE, SUMMA_PPR, VSEGO_REMONTOV, "
    "SOBSTVENNOST, TIP_VS, SUMMA_DO_PERVOGO, SUMMA_MEGREM, OBSHAIA_MEGREMONTNY) VALUES ('ТА-14-130', 'A2', 'RA-22002', "
    "'999:00', '80:00', '20:00', 1, 'ВЛ1', 'Ми-8АМТ', 900, 800, 100)",
};

class Form37 : public FrameTest {
protected:
    std::vector<QStringList> rows()
    {
        std::vector<QStringList> out;
        for (const QString& r : staging(QStringLiteral("SELECT * FROM REPORT_FORMA_37_GA ORDER BY ID, Gde_stoit;"), 30)) {
            QStringList p = r.split(QLatin1Char(';'));
            p.prepend(QString());
            while (p.size() <= 30) p << QString();
            out.push_back(p);
        }
        return out;
    }
    plan::shell::RunResult report(const char* item, const char* owner, const char* date = "10.06.2026")
    {
        return run("frmPlanReport", QString::fromUtf8(item),
                   {set("cboSobst", owner), set("cboExpl", "АО «ЮТэйр»"), set("picDate", date)});
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

TEST_F(Form37, InstalledBackedOutToTheDateThenStoredWithPlaceCodes)
{
    fill(kTables, kFleet);
    struct Case {
        const char* name;
        const char* item;
        const char* owner;
        const char* date;
        std::vector<std::vector<Expect>> rows;
    } cases[] = {
        {"engines of the operator's owner on the 10th",
         "Форма 37-ГА (СВ) - Двигатели",
         "ЮТэйр-собственник",
         "10.06.2026",
         {{{6, "E1"}, {12, "998"}, {14, "498"}, {16, "1500"}, {18, "RA-22001"}, {3, "1"}, {21, "1"}},
          {{6, "E2"}, {12, "997"}, {14, ""}, {16, "2000"}, {9, ""}, {18, "RA-22001"}, {21, "2"}},
          {{6, "E3"}, {12, "300"}, {14, "10"}, {18, "RA-22002"}, {21, "3"}},
          {{6, "E9"}, {12, "700"}, {18, "4"}, {3, "4"}, {21, "4"}},
          {{6, "E4"}, {12, "100"}, {14, "50"}, {18, "3"}, {21, "5"}}}},
        // Today: nothing flown after it, the stored hours.
        {"engines today", "Форма 37-ГА (СВ) - Двигатели", "ЮТэйр-собственник", "15.06.2026",
         {{{6, "E1"}, {12, "1000"}, {14, "500"}}, {{6, "E2"}, {12, "1000"}}, {{6, "E3"}}, {{6, "E9"}}, {{6, "E4"}}}},
        // Any owner that is not hidden: the claim of the other owner too, not the hidden owner's unit.
        {"engines of any owner", "Форма 37-ГА (СВ) - Двигатели", "Любая собственность", "10.06.2026",
         {{{6, "E1"}}, {{6, "E2"}}, {{6, "E3"}}, {{6, "E5"}, {18, "5"}}, {{6, "E9"}}, {{6, "E4"}}}},
        {"gearboxes", "Форма 37-ГА (СВ) - Редукторы", "ЮТэйр-собственник", "10.06.2026",
         {{{6, "G1"}, {12, "1998"}, {14, "0"}, {16, "1000"}, {18, "RA-22001"}, {22, "ЗМКБ"}},
          {{6, "G2"}, {12, "700"}, {16, "3000"}, {18, "5"}}}},
        {"APUs", "Форма 37-ГА (СВ) - ВСУ", "ЮТэйр-собственник", "10.06.2026",
         {{{6, "A1"}, {12, "49"}, {16, "1000"}, {18, "RA-22001"}, {22, "ЦИАМ"}},
          {{6, "A2"}, {12, "80"}, {14, "20"}, {16, "800"}, {18, "RA-22002"}}}},
    };
    for (const Case& c : cases) {
        const auto r = report(c.item, c.owner, c.date);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.errors.join('\n').toStdString();
        expectRows(rows(), c.rows, c.name);
    }
}

TEST_F(Form37, EveryPositionOfAnInstalledEngine)
{
    fill(kTables, kFleet);
    ASSERT_EQ(report("Форма 37-ГА (СВ) - Двигатели", "ЮТэйр-собственник").status, 0);
    expectRows({rows()[0]},
               {{{1, "ЮТЭЙР"}, {2, "г. Тюмень"}, {3, "1"}, {4, "10.06.2026"}, {5, "ТВ3-117ВМ-А"}, {6, "E1"},
                 {7, "03.02.01"}, {8, "04.03.02"}, {9, "06.05.20"}, {10, "АРЗ-12"}, {11, "1"}, {19, "Иванов И.И."},
                 {22, "ЦИАМ"}, {23, "г. Москва"}, {24, "СЭ-01"}, {25, "Петров П.П. тел.49-00-00"}, {26, "Ми-8АМТ"},
                 {27, "Начальник ИАС"}}},
               "E1");
    EXPECT_EQ(staging(QStringLiteral("SELECT ID, IMIA_UGA FROM REPORT_FORMA_37_GA ORDER BY ID, Gde_stoit;"), 1).value(0),
              "Росавиация");
}

TEST_F(Form37, AnOperatorWithoutAircraftListsOnlyTheStore)
{
    fill(kTables, kFleet);
    writeSettings(QStringLiteral("[MAIN]\nEXPL_F37=7\n"));
    const auto r = run("frmPlanReport", "Форма 37-ГА (СВ) - Двигатели",
                       {set("cboSobst", "ЮТэйр-собственник"), set("picDate", "10.06.2026")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    expectRows(rows(), {{{6, "E9"}, {18, "4"}, {1, ""}, {21, "1"}}, {{6, "E4"}, {18, "3"}, {21, "2"}}}, "no operator");
}

TEST_F(Form37, AMalformedRunningTimeStopsTheFormNamingTheUnit)
{
    fill(kTables, QStringList(kFleet) << engine("ТВ3-117ВМ", "E-BAD", "Склад", "0", "12:7x", "", 0, "ВЛ1"));
    const auto r = report("Форма 37-ГА (СВ) - Двигатели", "ЮТэйр-собственник");
    EXPECT_NE(r.status, 0);
    const QString all = r.errors.join(QStringLiteral(" "));
    for (const char* part : {"E-BAD", "NARABOTKA_SNE", "12:7x"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(part))) << part << ": " << all.toStdString();
}

// Annex 2a: every owner's engines and gearboxes on the operator's aircraft
// (none from the store, none from another operator's aircraft), per
// aircraft with the engines first, backed out to the date, with the hours
// left: the limit less the hours since overhaul, or since new for a unit
// never overhauled, negative past the limit.
TEST_F(Form37, ResearchAnnexListsInstalledEnginesAndGearboxesPerAircraftWithHoursLeft)
{
    fill(kTables, QStringList(kFleet)
                      << engine("ТВ3-117ВМ-В", "E10", "RA-22002", "1", "100:00", "", 0, "СКР")
                      << "INSERT INTO REDUCTOR (NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, GDE_STOIT, NARABOTKA_SNE, "
                         "NARABOTKA_PPR, VSEGO_REMONTOV, SOBSTVENNOST, TIP_VS, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) "
                         "VALUES ('ВР-14', 'G3', 'RA-22002', '5000:00', '1200:00', 1, 'ВЛ2', 'Ми-8АМТ', 3000, 1000)");
    struct Case {
        const char* name;
        const char* date;
        std::vector<std::vector<Expect>> rows;
    } cases[] = {
        {"on the 10th",
         "10.06.2026",
         {{{3, "1"}, {21, "1"}, {6, "E1"}, {13, "Двигатель"}, {20, "Ми-8АМТ RA-22001"}, {12, "998"}, {14, "498"},
           {16, "1500"}, {17, "1002"}, {4, "10.06.2026"}},
          {{3, "2"}, {6, "E2"}, {12, "997"}, {14, ""}, {16, "2000"}, {17, "1003"}},
          {{3, "3"}, {6, "G1"}, {13, "Главный редуктор"}, {12, "1998"}, {14, "0"}, {16, "1000"}, {17, "1000"}},
          {{3, "4"}, {6, "E3"}, {20, "Ми-8АМТ RA-22002"}, {12, "300"}, {14, "10"}, {16, "1500"}, {17, "1490"}},
          {{3, "5"}, {6, "E10"}, {12, "100"}, {16, "2000"}, {17, "1900"}},
          {{3, "6"}, {21, "6"}, {6, "G3"}, {14, "1200"}, {16, "1000"}, {17, "-200"}}}},
        {"today: the stored hours",
         "15.06.2026",
         {{{6, "E1"}, {12, "1000"}, {14, "500"}, {17, "1000"}},
          {{6, "E2"}, {17, "1000"}},
          {{6, "G1"}, {14, "1"}, {17, "999"}},
          {{6, "E3"}},
          {{6, "E10"}},
          {{6, "G3"}}}},
    };
    for (const Case& c : cases) {
        const auto r = run("frmPlanReport", QStringLiteral("Отчет в ГосНИИ ГА (Приложение 2а)"),
                           {set("cboExpl", "АО «ЮТэйр»"), set("picDate", c.date)});
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.errors.join('\n').toStdString();
        expectRows(rows(), c.rows, c.name);
    }
}

TEST(Form37Kinds, CaptionsTemplatesAndStoreCodes)
{
    using namespace plan::reports;
    EXPECT_EQ(f37Template(f37KindOf(QStringLiteral("Форма 37-ГА (СВ) - Двигатели"))), "rep04");
    EXPECT_EQ(f37Template(f37KindOf(QStringLiteral("Форма 37-ГА (СВ) - ВСУ"))), "rep04");
    EXPECT_EQ(f37Template(f37KindOf(QStringLiteral("Форма 37-ГА (СВ) - Редукторы"))), "rep08");
    EXPECT_EQ(f37KindOf(QStringLiteral("Форма 37-ГА (СВ) - ВСУ")), F37Kind::Apu);
    const char* codes[][2] = {{"Склад", "3"}, {"Ремфонд", "4"}, {"Ремонт", "5"}, {"Рекламация", "5"}, {"RA-1", ""}};
    for (const auto& c : codes) EXPECT_EQ(f37StoreCode(QString::fromUtf8(c[0])), QString::fromUtf8(c[1])) << c[0];
}

} // namespace
