// The aircraft information sheet as a planning engineer makes it: an
// aircraft picked in the tree, the staging rows read back by position.
// Today is 15.01.2026 unless a case says otherwise, so the previous month is
// December 2025.
#include "support/FrameFixture.h"

#include "rarozidi/Func.h"
#include "sheets/SvedVSSheet.h"
#include "shell/FrameDriver.h"

#include <QDir>
#include <QFile>

using namespace frametest;

namespace {

const QString kWindow = QStringLiteral("frmPlanSpravka");
const QString kItem = QStringLiteral("Сведения о ВС");
const QString kStaging = QStringLiteral("SELECT * From REPORT_PRODLENIE_OSN_AGREGATY ORDER BY NOMER_PP;");

const QStringList kTables = {"TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR", "VSU", "VOZDUSHNY_VINT",
                             "LOPAST", "VTULKA_NV", "ETA_VTULKA_NV", "HVOSTOVOY_VINT", "LEBEDKA", "AGREGAT",
                             "ETAAGREGAT", "ZCU", "ETA_ZCU", "SHLANG", "ETASHLANG", "TUNE_DOCS", "OBSHIE"};

// RA-1 (Ми-8Т, airframe ground running counted at 0.5) with one component of
// each edge; RA-2 with no component at all; RA-3 with an engine whose
// running time cannot be read.
const QStringList kFleet = {
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8Т', '1', 0.5)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ка-26')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, "
    "VSEGO_REMONTOV, RESURS_NAZN_CHASOV, MEZHREM_CHASOV, NARABOTKA_SNE, NARABOTKA_PPR, DATA_POSL_POLETA) VALUES "
    "('Ми-8Т', 'RA-1', '8001', '2010-05-01', 'АРЗ-3', '2021-02-03', 2, 20000, 1500, '12345:40', '1505:30', '2025-12-31')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER) VALUES ('Ми-8Т', 'RA-2', '8002')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ка-26', 'RA-3')",
    // December: 2:00 in the air with 3 minutes on the ground (1.5 -> 2), and 5
    // minutes on the ground alone (2.5 -> 3); November and January do not count.
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8Т', 'RA-1', '2025-12-31', '02:00:00', '00:03:00')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8Т', 'RA-1', '2025-12-01', '00:00:00', '00:05:00')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8Т', 'RA-1', '2025-11-30', '05:00:00', '00:00:00')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8Т', 'RA-1', '2026-01-02', '01:00:00', '00:00:00')",
    // Engine 1 never repaired: its first-overhaul limit counts; engine 2
    // repaired: the overhaul limit, 0:40 left shows 0.
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, REMONT_DATA, VSEGO_REMONTOV, "
    "NARABOTKA_SNE, NARABOTKA_PPR, NAZNACHENNYI_CHASOV, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, ODIN_DVA) VALUES "
    "('Ми-8Т', 'ТВ2-117', 'E-B', 'RA-1', '2018-01-01', '2023-03-10', 1, '2000:00', '1999:20', 6000, 1500, 2000, '1')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, REMONT_DATA, VSEGO_REMONTOV, "
    "NARABOTKA_SNE, NARABOTKA_PPR, NAZNACHENNYI_CHASOV, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, ODIN_DVA, REMONT_ZAVOD) VALUES "
    "('Ми-8Т', 'ТВ2-117', 'E-A', 'RA-1', '2020-01-01', '2019-01-01', 0, '1600:00', '1450:00', 6000, 1500, 2000, '0', 'УЗГА')",
    "UPDATE DVIGATEL SET REMONT_ZAVOD='УЗГА' WHERE ZAVODSKOI_NOMER='E-B'",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, NARABOTKA_SNE, ODIN_DVA) "
    "VALUES ('Ка-26', 'М-14', 'E-X', 'RA-3', '12:7x', '0')",
    // Gearbox never repaired but with a repair date: since repair is shown.
    "INSERT INTO REDUCTOR (TIP_VS, NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, GDE_STOIT, REMONT_DATA, VSEGO_REMONTOV, NARABOTKA_SNE, "
    "NARABOTKA_PPR, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'ВР-8А', 'R-1', 'RA-1', '2015-06-01', 0, "
    "'3000:10', '1200:00', 1500, 2000)",
    // APU: the total hours and the starts have limits, the other counters none.
    "INSERT INTO VSU (TIP_VS, NAZVANIE, ZAVODSKOY_NOMER, MESTO_USTANOVKI, VSEGO_REMONTOV, OBSHAIA_SNE, OBSHAIA_PPR, "
    "OBSHAIA_NAZN, OBSHAIA_DO_PERVOGO, OBSHAIA_MEGREMONTNY, ZAPUSKI_SNE, ZAPUSKI_NAZN) VALUES "
    "('Ми-8Т', 'АИ-9В', 'V-1', 'RA-1', 0, '1000:00', '100:00', 6000, 500, 1000, 2000, 15000)",
    // A single propeller whatever its position says.
    "INSERT INTO VOZDUSHNY_VINT (TIP_VS, NAZVANIE_VINTA, ZAVODSKOY_NOMER, GDE_STOIT, ODIN_DVA, VSEGO_REMONTOV, NARABOTKA_SNE, "
    "NARABOTKA_PPR, NAZNACHENNYI_CHASOV, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'АВ-2', 'P-1', 'RA-1', '1', 0, '10:00', '10:00', 4000, 1000)",
    // Three main-rotor blades; the first has overrun its life by 5:30.
    "INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, NARABOTKA_SNE, RESURS_CHASOV) "
    "VALUES ('Ми-8Т', 'Несущий', '8АТ', '12_345', 'RA-1', '1005:30', 1000)",
    "INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, NARABOTKA_SNE, RESURS_CHASOV) "
    "VALUES ('Ми-8Т', 'Несущий', '8АТ', '12_346', 'RA-1', '100:00', 1000)",
    "INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, NARABOTKA_SNE, RESURS_CHASOV) "
    "VALUES ('Ми-8Т', 'Несущий', '8АТ', '12_347', 'RA-1', '12:30', 1000)",
    // Units: by hours (drawing ГС-18), by landings, by the calendar.
    "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAME, ID_NAME) VALUES ('Ми-8Т', 'ГС-18', 'Генератор', '1')",
    "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAME, ID_NAME) VALUES ('Ми-8Т', 'ШН-1', 'Колесо', '2')",
    "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAME, ID_NAME) VALUES ('Ми-8Т', 'УБШ', 'Огнетушитель', '3')",
    "INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ID_NAME, CHERT_NOMER, ZAVODSKOY_NOMER, ED_IZMERENIA, PLAN_DVIG_VSU, "
    "TIP_OBORUDOVANIA, SYSTEMA, VSEGO_REMONTOV, NARABOTKA_SNE, NARABOTKA_PPR, NAZNACHENNYI_RESURS, MEZHREMONTNYI_CHASOV) "
    "VALUES ('Ми-8Т', 'RA-1', '1', 'ГС-18', 'U-1', '0', '0', '0', 'Э', 0, '700:00', '700:00', '3000', 1000)",
    "INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ID_NAME, CHERT_NOMER, ZAVODSKOY_NOMER, ED_IZMERENIA, PLAN_DVIG_VSU, "
    "TIP_OBORUDOVANIA, SYSTEMA, VSEGO_REMONTOV, NARABOTKA_SNE, NARABOTKA_PPR, NAZNACHENNYI_RESURS, DO_PERVOGO_CHASOV) "
    "VALUES ('Ми-8Т', 'RA-1', '2', 'ШН-1', 'U-2', '1', '0', '0', 'Ш', 0, '500', '120', '3000', 1000)",
    "INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ID_NAME, CHERT_NOMER, ZAVODSKOY_NOMER, ED_IZMERENIA, PLAN_DVIG_VSU, "
    "TIP_OBORUDOVANIA, SYSTEMA, VSEGO_REMONTOV, IZGOTOVLEN_DATA, NAZNACHENNYI_RESURS, MEZHREMONTNYI_CHASOV) "
    "VALUES ('Ми-8Т', 'RA-1', '3', 'УБШ', 'U-3', '2', '0', '0', 'П', 0, '2020-01-10', '10', 5)",
};

class SvedVS : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        plan::Clock::setToday(QDate(2026, 1, 15));
        fill(kTables, kFleet);
    }
    // The rows of the sheet after the steps (an aircraft picked first).
    QStringList sheet(const char* aircraft, std::vector<plan::shell::RunStep> more = {},
                      plan::shell::RunResult* result = nullptr)
    {
        std::vector<plan::shell::RunStep> steps{select(aircraft)};
        steps.insert(steps.end(), more.begin(), more.end());
        const plan::shell::RunResult r = run(kWindow, kItem, steps);
        if (result) *result = r;
        else EXPECT_EQ(r.status, 0) << r.errors.join(QLatin1Char('\n')).toStdString();
        return staging(kStaging, 11);
    }
};

} // namespace

// The pure rules: previous month, flying text, remainders, years.
TEST(SvedVSRules, MonthFlyingRemaindersYears)
{
    using namespace plan::sheets;
    struct Month { QDate today, first, last; };
    for (const Month& m : {Month{{2026, 1, 15}, {2025, 12, 1}, {2025, 12, 31}}, Month{{2024, 3, 1}, {2024, 2, 1}, {2024, 2, 29}},
                           Month{{2026, 6, 30}, {2026, 5, 1}, {2026, 5, 31}}}) {
        EXPECT_EQ(previousMonth(m.today).first, m.first) << m.today.toString().toStdString();
        EXPECT_EQ(previousMonth(m.today).last, m.last) << m.today.toString().toStdString();
    }
    struct Text { long long minutes; const char* shown; };
    for (const Text& t : {Text{125, "2:05"}, Text{0, "0:00"}, Text{760, "12:40"}, Text{6000, "100:00"}})
        EXPECT_EQ(flyingText(t.minutes), QString::fromUtf8(t.shown));
    struct Rem { const char* text; bool clamp; const char* shown; };
    for (const Rem& r : {Rem{"-5:30", true, "0"}, Rem{"0:40", true, "0"}, Rem{"12:30", true, "12"}, Rem{"1:00", true, "1"},
                         Rem{"-5:30", false, "-5"}, Rem{"", true, "-"}})
        EXPECT_EQ(remainderShown(QString::fromUtf8(r.text), r.clamp), QString::fromUtf8(r.shown)) << r.text;
    struct Year { int n; const char* book; };
    for (const Year& y : {Year{1, "г. "}, Year{3, "г. "}, Year{5, "л. "}, Year{11, "л. "}, Year{14, "л. "}, Year{21, "г. "},
                          Year{25, "л. "}, Year{111, "г. "}, Year{0, "л. "}})
        EXPECT_EQ(rarozidi::FunBookYear(y.n), QString::fromUtf8(y.book)) << y.n;
}

// The standard sheet of RA-1, row by row.
TEST_F(SvedVS, StandardSheetRowByRow)
{
    const QStringList rows = sheet("Ми-8Т RA-1");
    const QStringList expected = {
        // 7654:20 left of the assigned life; -5:30 between overhauls shows 0.
        "1;ВС;Ми-8Т;8001;01.05.10;2;03.02.21;АРЗ-3;12345;1505;20000 / 1500!7654 / 0",
        // Never repaired: to the first overhaul; ordered by position.
        "2;Первый двигатель;ТВ2-117;E-A;01.01.20;-;-;-;1600;-;6000 / 1500!4400 / 50",
        // Repaired once: between overhauls, 0:40 left shows 0.
        "3;Второй двигатель;ТВ2-117;E-B;01.01.18;1;10.03.23;УЗГА;2000;1999;6000 / 2000!4000 / 0",
        // The gearbox shows since repair by its repair date; no assigned life.
        "4;Главный редуктор;ВР-8А;R-1;;-;-;-;3000;1200;- / 1500!- / 300",
        // The APU counters that have limits, each with its suffix.
        "5;ВСУ;АИ-9В;V-1;;-;-;-;1000;-;6000 / 500 общ.!5000 / 400 общ.",
        "6;ВСУ;АИ-9В;V-1;;-;-;-;2000;-;15000 / - зап.!13000 / - зап.",
        // A single propeller whatever its position; one blank after its texts.
        "7;Воздушный винт;АВ-2 ;P-1 ; ;- ;- ;- ;10;-;4000 / 1000!3990 / 990",
        // Main-rotor blades: one, two, three blanks; "_" as a blank; the
        // overrun shown as it is.
        "8;Лопасть НВ ;8АТ ;12 345 ; ;- ;- ;- ;1005;-;1000 / -!-5 / -",
        "9;Лопасть НВ  ;8АТ  ;12 346  ;  ;-  ;-  ;-  ;100;-;1000 / -!900 / -",
        "10;Лопасть НВ   ;8АТ   ;12 347   ;   ;-   ;-   ;-   ;12;-;1000 / -!987 / -",
        // Units by hours or landings (" пос.") in the order of their systems,
        // then by the calendar.
        "11;Колесо;ШН-1 ;U-2 ; ;- ;- ;- ;500;-;3000 / 1000 пос.!2500 / 880 пос.",
        "12;Генератор;ГС-18  ;U-1  ;  ;-  ;-  ;-  ;700;-;3000 / 1000!2300 / 300",
        "13;Огнетушитель;УБШ   ;U-3   ;10.01.20   ;-   ;-   ;-   ;6г. 0м.;-;10л. 0м. / 5л. 0м.!4л. 0м. / 0",
    };
    EXPECT_EQ(rows, expected);
    // The title: January's previous month is December of the year before;
    // ground running 1.5 -> 2 and 2.5 -> 3 minutes, rounded per flight.
    EXPECT_EQ(staging(kStaging, 12).value(0).section(QLatin1Char(';'), 11),
              QStringLiteral("о ВС Ми-8Т RA-1, его основных агрегатах и комплектующих изделиях!(Наработка ВС за "
                             "предыдущий месяц: 2:05. Дата последнего полета: 31.12.2025.)"));
}

// Bad and thin input: no components, no flights, an unreadable running time.
TEST_F(SvedVS, NoComponentsNoFlightsAndAnUnreadableRunningTime)
{
    EXPECT_EQ(sheet("Ми-8Т RA-2"), QStringList{"1;ВС;Ми-8Т;8002;;-;-;-;-;-;- / -!- / -"});
    EXPECT_TRUE(staging(kStaging, 12).value(0).endsWith(
        QStringLiteral("(Наработка ВС за предыдущий месяц: 0:00. Дата последнего полета: .)")));

    plan::shell::RunResult r;
    sheet("Ка-26 RA-3", {}, &r);
    EXPECT_NE(r.status, 0);
    const QString message = r.errors.join(QLatin1Char('\n'));
    for (const char* part : {"Ка-26 RA-3", "Первый двигатель", "E-X", "12:7x", "NARABOTKA_SNE"})
        EXPECT_TRUE(message.contains(QString::fromUtf8(part))) << part << ": " << message.toStdString();
}

// Ticking the tuning box with an aircraft chosen makes the tuned sheet at
// once: the sections in the saved order, a section named twice comes twice,
// a unit line only its drawing, an unknown key nothing. The size buttons
// choose the template and are saved.
TEST_F(SvedVS, TunedSheetAndSizeRemakeTheSheetAtOnce)
{
    fill({"TUNE_DOCS"},
         {"INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС', 1, 'Dvigatel', '')",
          "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС', 2, 'Plane', '')",
          "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС', 3, 'Agregat', 'ШН-1')",
          "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС', 4, 'Bogus', '')",
          "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС', 5, 'Dvigatel', '')",
          "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Другая справка', 1, 'VSU', '')"});
    QStringList names;
    for (const QString& row : sheet("Ми-8Т RA-1", {set("chkTune", "1")})) names << row.section(QLatin1Char(';'), 1, 2);
    EXPECT_EQ(names, (QStringList{"Первый двигатель;ТВ2-117", "Второй двигатель;ТВ2-117", "ВС;Ми-8Т", "Колесо;ШН-1 ",
                                  "Первый двигатель;ТВ2-117", "Второй двигатель;ТВ2-117"}));
    EXPECT_TRUE(settingsText().contains(QStringLiteral("SVEDENIA_O_VS=1"))) << settingsText().toStdString();

    // A4 until another size is kept; a click on the other size remakes the
    // sheet on its template at once and is kept.
    for (const auto& [button, code, saved] : {std::tuple{"rbtA5", "rep11", "A4=0"}, std::tuple{"rbtA4", "rep01", "A4=1"}}) {
        plan::shell::RunRequest r;
        r.window = kWindow;
        r.item = kItem;
        r.steps = {select("Ми-8Т RA-2"), set(button, "1")};
        r.templateDir = base + QStringLiteral("/t-") + QString::fromUtf8(button);
        const plan::shell::RunResult res = plan::shell::runItem(r);
        EXPECT_EQ(res.status, 0) << res.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(QDir(r.templateDir).entryList(QDir::Files),
                  QStringList{QStringLiteral("frmPlanSpravka-%1.html").arg(QString::fromUtf8(code))});
        EXPECT_TRUE(settingsText().contains(QString::fromUtf8(saved))) << settingsText().toStdString();
    }
}
