// The complex forecast of chosen aircraft on a small fleet of its own, as a
// user runs it: aircraft ticked, basis chosen, the staging rows read back by
// position. Today is 15.06.2026.
#include "forecast/ForecastFixture.h"

#include "forecast/TfrPlanPrognVS.h"
#include "platform/IniFile.h"
#include "shell/HostWindow.h"
#include "shell/StartPlan.h"

#include <QTreeWidget>

using namespace forecasttest;
using plan::shell::RunStep;

namespace {

const QString kItem = QStringLiteral("Комплексный прогноз для выбранных ВС");

// RA-1 (Ми-8Т): airframe ground running counted at 0.5, engines without it,
// airframe units without it, engine units in full. Flights 1:30 (+0:25 on
// the ground) on the first day of the window, 2:45 five days ago, and 5:00
// a day before the window.
// RA-2 (Ми-2): no flights at all, no gearbox. RA-3 (Ка-26): an engine whose
// running time cannot be read. Type "Ан-3" has no aircraft.
const QStringList kTables = {"TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR", "AGREGAT",
                             "ETAAGREGAT", "ZCU", "ETA_ZCU", "TUNE_DOCS", "LOPAST", "LEBEDKA", "VTULKA_NV",
                             "HVOSTOVOY_VINT", "VOZDUSHNY_VINT"};
const QStringList kFleet = {
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER, ZEMLIA_DVIGATEL, "
    "KOL_VO_ZEMLIA_DVIGATEL, ZEMLIA_AGREGATY, KOL_VO_ZEMLIA_AGREGATY, ZEMLIA_AGR_DVIG, KOL_VO_ZEMLIA_AGR_DVIG) "
    "VALUES ('Ми-8Т', '1', 0.5, '0', 1.0, '0', 1.0, '1', 1.0)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-2')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ка-26')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ан-3')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, DATA_IGOTOVLEN, REMONT_DATA, MEZHREM_CHASOV, NARABOTKA_PPR) "
    "VALUES ('Ми-8Т', 'RA-1', '2010-05-01', '2021-02-03', 1500, '1000:00')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-2', 'RA-2')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ка-26', 'RA-3')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) "
    "VALUES ('Ми-8Т', 'RA-1', '2026-05-16', '01:30:00', '00:25:00')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) "
    "VALUES ('Ми-8Т', 'RA-1', '2026-06-10', '02:45:00', '00:00:00')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) "
    "VALUES ('Ми-8Т', 'RA-1', '2026-05-15', '05:00:00', '00:00:00')",
    // Engine A never repaired: the first-overhaul limit 1500 counts; engine B
    // repaired once: the overhaul limit 2000; engine C has no limit.
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, REMONT_DATA, "
    "VSEGO_REMONTOV, NARABOTKA_PPR, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, ODIN_DVA) "
    "VALUES ('Ми-8Т', 'ТВ2-117', 'E-A', 'RA-1', '2020-01-01', '2019-01-01', 0, '1450:00', 1500, 2000, '1')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, REMONT_DATA, "
    "VSEGO_REMONTOV, NARABOTKA_PPR, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, ODIN_DVA) "
    "VALUES ('Ми-8Т', 'ТВ2-117', 'E-B', 'RA-1', '2018-01-01', '2023-03-10', 1, '1450:00', 1500, 2000, '2')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, NARABOTKA_PPR, "
    "ODIN_DVA) VALUES ('Ми-8Т', 'ТВ2-117', 'E-C', 'RA-1', 0, '10:00', '3')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, NARABOTKA_PPR, "
    "DO_PERVOGO_CHASOV, ODIN_DVA) VALUES ('Ми-2', 'ГТД-350', 'E-M', 'RA-2', 0, '100:00', 1500, '1')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, NARABOTKA_PPR, "
    "DO_PERVOGO_CHASOV, ODIN_DVA) VALUES ('Ка-26', 'М-14', 'E-X', 'RA-3', 0, '12:7x', 1500, '1')",
    // Units of RA-1: U1 an engine unit (position 28 = 1) named by the
    // reference row A / D, U2 an airframe unit named B / D2; U3 counted in
    // landings, not listed.
    "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ID_NAME) VALUES ('Ми-8Т', 'D', 'A', 'Генератор', '1')",
    "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ID_NAME) VALUES ('Ми-8Т', 'D2', 'B', 'Насос', '2')",
    "INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ZAVODSKOY_NOMER, VSEGO_REMONTOV, MEZHREMONTNYI_CHASOV, NARABOTKA_PPR, "
    "PLAN_DVIG_VSU, ED_IZMERENIA, AGR_DVIGATELIA, ID_NAME) VALUES ('Ми-8Т', 'RA-1', 'U1', 1, 100, '50:00', '0', '0', 1, '1')",
    "INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ZAVODSKOY_NOMER, VSEGO_REMONTOV, MEZHREMONTNYI_CHASOV, NARABOTKA_PPR, "
    "PLAN_DVIG_VSU, ED_IZMERENIA, AGR_DVIGATELIA, ID_NAME) VALUES ('Ми-8Т', 'RA-1', 'U2', 1, 100, '50:00', '0', '0', 0, '2')",
    "INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ZAVODSKOY_NOMER, VSEGO_REMONTOV, MEZHREMONTNYI_CHASOV, NARABOTKA_PPR, "
    "PLAN_DVIG_VSU, ED_IZMERENIA, AGR_DVIGATELIA, ID_NAME) VALUES ('Ми-8Т', 'RA-1', 'U3', 1, 100, '50:00', '0', '1', 0, '2')",
    // A ZCU unit of RA-2 (no flights: the ZCU mark).
    "INSERT INTO ETA_ZCU (TIP_VS, NAME, CHERT_NOMER, ID_NAME) VALUES ('Ми-2', 'Агрегат', 'Z', '7')",
    "INSERT INTO ZCU (TIP_VS, GDE_STOIT, ID_NAME, ZAVOD_NOMER, IZGOTOVLEN_DATA, VSEGO_REMONTOV, MEZHREMONTNYI_CHASOV, "
    "NARABOTKA_PPR) VALUES ('Ми-2', 'RA-2', '7', 'Z-1', '2022-02-02', 1, 500, '100:00')",
};

const QString kTune = QStringLiteral(
    "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA) "
    "VALUES ('Комплексный прогноз на замену агрегатов', %1, '%2', '%3', '%4')");

// The lines of RA-1 and RA-2 as the untuned report writes them.
const QString kTitle1 = "!Ми-8Т RA-1;1000:00;4:28;0"; // 1:30 + 0:25 x 0.5 = 0:13 + 2:45
const QString kPlaner1 = ";;;;Вертолет Ми-8Т;RA-1;01.05.10;03.02.21;1000:00;500:00;25.08.35";
const QString kEngineA = ";;;;Двигатель ТВ2-117;E-A;01.01.20;;1450:00;<i>50:00</i>;02.06.27";
const QString kEngineB = ";;;;Двигатель ТВ2-117;E-B;01.01.18;10.03.23;1450:00;550:00;30.01.37";
const QString kEngineC = ";;;;Двигатель ТВ2-117;E-C;;;10:00;;<b>===</b>";
// U1 takes the engine-unit pair (9.33 a day), U2 the unit pair (8.5 a day).
const QString kUnit1 = ";;;;Генератор D;U1;;;50:00;<i>50:00</i>;02.05.27";
const QString kUnit2 = ";;;;Насос D2;U2;;;50:00;<i>50:00</i>;02.06.27";
const QString kTitle2 = "!Ми-2 RA-2;;0:00;0";
const QString kPlaner2 = ";;;;Вертолет Ми-2;RA-2;;;;;<b>===</b>";
const QString kEngineM = ";;;;Двигатель ГТД-350;E-M;;;100:00;1400:00;<b>===</b>";

struct Case {
    const char* name;
    std::vector<RunStep> steps;
    QStringList tuneRows; // key/name/drawing, "|"-separated
    const char* settings;
    QStringList expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ComplexForecastTest : public ForecastTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ComplexForecastTest, WritesTheStagingRows)
{
    const Case& c = GetParam();
    QStringList inserts = kFleet;
    for (int i = 0; i < c.tuneRows.size(); ++i) {
        const QStringList p = c.tuneRows[i].split(QLatin1Char('|'));
        inserts << kTune.arg(i + 1).arg(p.value(1), p.value(2), p.value(0));
    }
    fill(kTables, inserts);
    if (c.settings) writeSettings(QString::fromUtf8(c.settings));
    const auto res = runForecast(kItem, c.steps);
    EXPECT_EQ(res.status, 0) << res.errors.join("\n").toStdString();
    EXPECT_EQ(stagingRows(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComplexForecastTest,
    ::testing::Values(
        // Actual flying: the 31-day window, ground running by each member's pair,
        // the first-overhaul limit only without repairs, no rate without a limit.
        Case{"ActualBasis",
             {tick("Ми-8Т RA-1")},
             {},
             nullptr,
             {kTitle1, "|Планер", kPlaner1, "|Двигатели", kEngineA, kEngineB, kEngineC,
              "|Агрегаты (наработка в часах)", kUnit1, kUnit2}},
        // A wider calendar puts engine A's date (352 days on) in italics.
        Case{"CalendarTwelveMonths",
             {tick("Ми-8Т RA-1")},
             {},
             "[MAIN]\nCALENDAR=12\nRESURS=40\n",
             {kTitle1, "|Планер", kPlaner1, "|Двигатели",
              ";;;;Двигатель ТВ2-117;E-A;01.01.20;;1450:00;50:00;<i>02.06.27</i>", kEngineB, kEngineC,
              "|Агрегаты (наработка в часах)", ";;;;Генератор D;U1;;;50:00;50:00;<i>02.05.27</i>",
              ";;;;Насос D2;U2;;;50:00;50:00;<i>02.06.27</i>"}},
        // Planned 20 hours a month: 40 minutes a day for every member.
        Case{"PlannedBasis",
             {tick("Ми-8Т RA-1"), set("cboSelect", "#1"), set("txtNalet", "20")},
             {},
             nullptr,
             {"!Ми-8Т RA-1;1000:00;20:00;1", "|Планер", ";;;;Вертолет Ми-8Т;RA-1;01.05.10;03.02.21;1000:00;500:00;04.07.28",
              "|Двигатели", ";;;;Двигатель ТВ2-117;E-A;01.01.20;;1450:00;<i>50:00</i>;<i>29.08.26</i>",
              ";;;;Двигатель ТВ2-117;E-B;01.01.18;10.03.23;1450:00;550:00;17.09.28", kEngineC,
              "|Агрегаты (наработка в часах)", ";;;;Генератор D;U1;;;50:00;<i>50:00</i>;<i>29.08.26</i>",
              ";;;;Насос D2;U2;;;50:00;<i>50:00</i>;<i>29.08.26</i>"}},
        // Two types: title and sections of the first, then of the second, whose
        // empty sections write nothing and whose dates without flying are marks.
        Case{"TwoAircraftOfTwoTypes",
             {tick("Ми-2"), tick("Ми-8Т")},
             {},
             nullptr,
             {kTitle2, "|Планер", kPlaner2, "|Двигатели", kEngineM, kTitle1, "|Планер", kPlaner1, "|Двигатели",
              kEngineA, kEngineB, kEngineC, "|Агрегаты (наработка в часах)", kUnit1, kUnit2}},
        // Tuned: the airframe, then only the units of reference A / D, then the
        // engines; an unknown key writes nothing.
        Case{"TunedUnitsThenEngines",
             {tick("Ми-8Т RA-1"), set("chkTune", "1")},
             {"Agregat|A|D", "Dvigatel", "Shlang"},
             nullptr,
             {kTitle1, "|Планер", kPlaner1, "|Агрегаты (наработка в часах)", kUnit1, "|Двигатели", kEngineA, kEngineB,
              kEngineC}},
        // A key twice writes its section twice; ZCU units mark a missing date "=:=".
        Case{"TunedZcuTwice",
             {tick("Ми-2 RA-2"), set("chkTune", "1")},
             {"ZCU", "Agregat|A|NONE", "ZCU"},
             nullptr,
             {kTitle2, "|Планер", kPlaner2, "|Агрегаты ЗЧУ ", ";;;;Агрегат Z;Z-1;02.02.22;-;100:00;400:00;<b>=:=</b>",
              "|Агрегаты ЗЧУ ", ";;;;Агрегат Z;Z-1;02.02.22;-;100:00;400:00;<b>=:=</b>"}},
        // Nothing ticked: an empty table.
        Case{"NothingTicked", {}, {}, nullptr, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Bad input ends the run with a message naming the aircraft, the component
// and the value; the rows written before the error stay.
TEST_F(ForecastTest, BadInputEndsTheRunNamingWhatWasWrong)
{
    fill(kTables, kFleet);
    auto res = runForecast(kItem, {tick("Ка-26 RA-3")});
    ASSERT_EQ(res.errors.size(), 1);
    for (const char* part : {"Ка-26 RA-3", "Двигатель М-14", "E-X", "12:7x"})
        EXPECT_TRUE(res.errors[0].contains(QString::fromUtf8(part))) << res.errors[0].toStdString();
    EXPECT_EQ(stagingRows(), (QStringList{"!Ка-26 RA-3;;0:00;0", "|Планер", ";;;;Вертолет Ка-26;RA-3;;;;;<b>===</b>",
                                          "|Двигатели"}));

    plan::MessageService::clear();
    res = runForecast(kItem, {tick("Ми-8Т RA-1"), set("cboSelect", "#1"), set("txtNalet", "")});
    ASSERT_EQ(res.errors.size(), 1);
    EXPECT_TRUE(res.errors[0].contains("Ми-8Т RA-1")) << res.errors[0].toStdString();
    EXPECT_TRUE(res.errors[0].contains("txtNalet")) << res.errors[0].toStdString();
    EXPECT_TRUE(stagingRows().isEmpty());
}

// The grid: a group row per type that has aircraft, only the tick column
// checkable, a group tick ticking its aircraft (and counting none itself);
// chkTune kept in the user settings.
TEST_F(ForecastTest, AircraftGridGroupsByType)
{
    fill(kTables, kFleet);
    plan::forecast::TfrPlanPrognVS* frame = nullptr;
    plan::Connection hostConnection;
    hostConnection.openDefault();
    plan::Dataset d1(&hostConnection), d2(&hostConnection);
    auto* w = plan::shell::loadHostWindow(QStringLiteral("frmPlanPrognoz"), &d1, &d2, nullptr, QStringLiteral("planner"),
                                          plan::shell::ShowMode::NoLoop);
    frame = qobject_cast<plan::forecast::TfrPlanPrognVS*>(w->openItem(kItem));
    ASSERT_NE(frame, nullptr);
    QTreeWidget* g = frame->grid();
    QStringList groups;
    for (int i = 0; i < g->topLevelItemCount(); ++i) groups << g->topLevelItem(i)->text(2);
    EXPECT_EQ(groups, (QStringList{"Ка-26", "Ми-2", "Ми-8Т"})); // "Ан-3" has no aircraft
    QTreeWidgetItem* mi8 = g->topLevelItem(2);
    EXPECT_EQ(mi8->child(0)->text(2), "Ми-8Т RA-1");
    EXPECT_EQ(mi8->child(0)->text(4), "RA-1");
    EXPECT_TRUE(g->isColumnHidden(3) && g->isColumnHidden(4));
    mi8->setCheckState(1, Qt::Checked);
    EXPECT_EQ(mi8->child(0)->checkState(1), Qt::Checked);
    EXPECT_EQ(frame->tickedCount(), 1);
    mi8->setCheckState(1, Qt::Unchecked);
    EXPECT_EQ(frame->tickedCount(), 0);

    plan::shell::FrameDriver(frame).set(QStringLiteral("chkTune"), QStringLiteral("1"));
    EXPECT_TRUE(plan::IniFile(frame->settingsPath()).readBool("TUNE_PLAN_SPRAVKA", "COMPLEXNY_PROGNOZ", false));
    delete w;
}

} // namespace
