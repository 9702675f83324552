// The documents of the airworthiness-certificate application on a small
// fleet: RA-1 (Ми-8Т) with flights on the document date 10.06.2026 and on the
// two days after it (1:00 airborne and 0:25 on the ground each, ground
// running counted at 0.5 for the airframe and the engines), RA-2 (Ми-2)
// without a tuned list. Today is 15.06.2026.
#include "applications/SlgCommon.h"
#include "applications/SlgUnits.h"
#include "applications/TfrPlanZaiavSLGActOtcenkiTS.h"
#include "applications/TfrPlanZaiavSLGOgrResurs.h"
#include "applications/TfrPlanZaiavSLGOtchetKP.h"
#include "data/Positions.h"
#include "platform/Dataset.h"
#include "support/FrameFixture.h"

using namespace frametest;
using namespace plan::applications;
using plan::shell::RunStep;

namespace {

const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR",
                             "VSU", "LOPAST", "HVOSTOVOY_VINT", "VTULKA_NV", "AGREGAT", "SHLANG", "ETAAGREGAT",
                             "ETA_VTULKA_NV", "TUNE_REPORTS", "REPORT_SLG_OGR_RES", "REPORT_SLG_KIP",
                             "REPORT_SLG_PRIL_ZAIAVKA", "REPORT_ACT_OTSEN_TS_P1", "REPORT_ACT_OTSEN_TS_P2"};

QString flight(const char* date)
{
    return QStringLiteral("INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK, "
                          "V_VOZDUHE_1, NA_ZEMLE_1, V_VOZDUHE_2, NA_ZEMLE_2, V_VOZDUHE_3, NA_ZEMLE_3, V_VOZDUHE_RED, "
                          "NA_ZEMLE_RED, VSU_POLNOE_VREMYA, VSU_V_GENERATORNOM, VSU_KOL_VO_ZAPUSKOV, VSU_KOL_VO_OTBOROV) "
                          "VALUES ('Ми-8Т', 'RA-1', '%1', '01:00', '00:25', 2, '01:00', '00:25', '00:50', '00:25', "
                          "'00:40', '00:00', '01:00', '00:00', '00:30', '00:10', 1, 1)")
        .arg(QString::fromLatin1(date));
}

QStringList fleet()
{
    return {
        "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('E1', 'Авиакомпания', 0)",
        "INSERT INTO OBSHIE (EXPLUATANT, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, EMAIL_PREDPRIATIE) "
        "VALUES ('E1', 'Иванов И.И.', 'Начальник ИАС', 'Петров П.П.', '12-34', 'ias@avia.ru')",
        "INSERT INTO TIPOVYE_DANNYE_VS (KOD_VS, TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER, ZEMLIA_DVIGATEL, "
        "KOL_VO_ZEMLIA_DVIGATEL) VALUES (1, 'Ми-8Т', '1', 0.5, '1', 0.5)",
        "INSERT INTO TIPOVYE_DANNYE_VS (KOD_VS, TIP_VS) VALUES (1, 'Ми-2')",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, DATA_IGOTOVLEN, NARABOTKA_SNE, POSADKI_SNE, "
        "NARABOTKA_PPR, POSADKI_PPR, VSEGO_REMONTOV, RESURS_NAZN_CHASOV, RESURS_NAZN_LET, MEZHREM_CHASOV, MEZHREM_LET, "
        "MASSA_PUSTOGO) VALUES ('Ми-8Т', 'RA-1', '9876', '2000-06-20', '1000:00', 500, '100:00', 50, 0, 0, '30.00', "
        "1500, '5.00', 7000)",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-2', 'RA-2')",
        flight("2026-06-10"), flight("2026-06-11"), flight("2026-06-12"),
        "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, IZGOTOVITEL, IZGOTOVLEN_DATA, VSEGO_REMONTOV, "
        "DATA_KALENDAR, NARABOTKA_SNE, NARABOTKA_PPR, GDE_STOIT, NAZNACHENNYI_CHASOV, NAZNACHENNYI_LET, "
        "MEZHREMONTNYI_CHASOV, MEZHREMONTNYI_LET, ODIN_DVA) VALUES ('Ми-8Т', 'ТВ3-117', 'E-1', 'Завод Климова', "
        "'2025-06-01', 0, '2025-07-01', '1000:00', '', 'RA-1', 1000, '1.00', 500, '3.00', '0')",
        "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, IZGOTOVLEN_DATA, VSEGO_REMONTOV, REMONT_DATA, "
        "REMONT_ZAVOD, NARABOTKA_SNE, NARABOTKA_PPR, GDE_STOIT, NAZNACHENNYI_CHASOV, MEZHREMONTNYI_CHASOV, "
        "MEZHREMONTNYI_LET, ODIN_DVA) VALUES ('Ми-8Т', 'ТВ3-117', 'E-2', '2010-01-15', 1, '2024-06-01', 'ОАО 570 АРЗ', "
        "'1000:00', '200:00', 'RA-1', 0, 1500, '2.06', '1')",
        "INSERT INTO VSU (NAZVANIE, ZAVODSKOY_NOMER, TIP_VS, IZGOTOVLEN_DATA, MESTO_USTANOVKI, SUMMA_SNE, SUMMA_PPR, "
        "OBSHAIA_SNE, ZAPUSKI_SNE, VSEGO_REMONTOV) VALUES ('ТА-14-130', 'A-1', 'Ми-8Т', '2015-01-01', 'RA-1', "
        "'100:00', '', '', 300, 0)",
        "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ID_NAME) VALUES ('Ми-8Т', '8-1', 'Насос', 'Насос НШ', '7')",
    };
}

QString tuned(const char* document, int line, const char* kind, const char* id = "0", const char* caption = "Строка")
{
    return QStringLiteral("INSERT INTO TUNE_REPORTS (TIP_VS, TIP_REPORT, NAME_REPORT, NUMBER_LINE, NAZVANIE, "
                          "CHERT_NOMER, TIP_AGREGATA, ID_ETALON) VALUES ('Ми-8Т', 'SLG', '%1', %2, '%3', '8-1', '%4', '%5')")
        .arg(QString::fromUtf8(document)).arg(line).arg(QString::fromUtf8(caption), QString::fromLatin1(kind),
                                                       QString::fromLatin1(id));
}

const char* const kOgr = "Агрегаты с ограниченным ресурсом";
const char* const kKip = "Отчет о контрольном полете ВС";
const char* const kAct = "Акт оценки тех.состояния ВС";
const char* const kPril = "Приложение к заявке на сертификацию";

const QString kOgrQuery = QStringLiteral("SELECT * From REPORT_SLG_OGR_RES ORDER BY NOMER_PP;");
const QString kKipQuery = QStringLiteral("Select * From REPORT_SLG_KIP Order By ID;");
const QString kPrilQuery = QStringLiteral("SELECT * From REPORT_SLG_PRIL_ZAIAVKA ORDER BY ID");
const QString kP1Query = QStringLiteral("Select * From REPORT_ACT_OTSEN_TS_P1 Order by ID;");
const QString kP2Query = QStringLiteral("Select * From REPORT_ACT_OTSEN_TS_P2 Order by ID;");

std::vector<RunStep> onDate(const char* date, const char* aircraft = "Ми-8Т RA-1")
{
    return {select(aircraft), set("picDate", date)};
}

std::vector<RunStep> act(std::vector<RunStep> more = {})
{
    std::vector<RunStep> s = {set("picDateAct", "10.06.2026"), set("cboTipVS", "Ми-8Т"), set("cboNumVS", "RA-1"),
                              set("txtDataOsmotra", "05.06.26")};
    s.insert(s.end(), more.begin(), more.end());
    return s;
}

struct DocCase {
    const char* name;
    QStringList extra; // rows beside the fleet
    const char* item;
    std::vector<RunStep> steps;
    QString query;
    int row;  // 0-based row of the staging query
    int pos;  // position in the row
    const char* expected;
};

class CertificateDocumentTest : public FrameTest, public ::testing::WithParamInterface<DocCase> {};

TEST_P(CertificateDocumentTest, WritesThePositionAsOfTheDocumentDate)
{
    const DocCase& c = GetParam();
    fill(kTables, fleet() + c.extra);
    const auto r = run(QStringLiteral("frmPlanZaiavSLG"), QString::fromUtf8(c.item), c.steps);
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const QStringList rows = staging(c.query);
    ASSERT_GT(rows.size(), c.row) << rows.join('\n').toStdString();
    const QStringList cols = rows[c.row].split(QLatin1Char(';'));
    ASSERT_GE(cols.size(), c.pos) << rows[c.row].toStdString();
    EXPECT_EQ(cols[c.pos - 1], QString::fromUtf8(c.expected)) << rows[c.row].toStdString();
}

const QString kipEngine = tuned(kKip, 1, "Dvigatel");
const QString thirdEngine =
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, NARABOTKA_SNE, GDE_STOIT, ODIN_DVA) "
    "VALUES ('Ми-8Т', 'ТВ3-117', 'E-3', '10:00', 'RA-1', '2')";

INSTANTIATE_TEST_SUITE_P(
    Documents, CertificateDocumentTest,
    ::testing::Values(
        // Back-dating: the flights of the date itself stay; each later flight's
        // ground running 0:25 * 0.5 = 12.5 is rounded to 13 before it is added.
        DocCase{"NoFlightsAfterTheDateKeepsTheStoredTotal", {kipEngine}, kKip, onDate("12.06.2026"), kKipQuery, 0, 15, "1000 ч. 0 м."},
        DocCase{"GroundHalfRoundedPerFlight", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 0, 15, "997 ч. 34 м."},
        DocCase{"SecondEngineByItsOwnColumns", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 1, 15, "997 ч. 54 м."},
        DocCase{"OverhaulDashUntilRepaired", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 0, 16, "-"},
        DocCase{"RepairedEngineSinceOverhaul", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 1, 16, "197 ч. 54 м."},
        DocCase{"AircraftHoursWhole", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 0, 9, "997 час.  /  -"},
        DocCase{"AircraftLandings", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 0, 10, "496 пос.  /  -"},
        DocCase{"HeadAndDate", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 0, 1, "Иванов И.И.!10.06.2026"},
        DocCase{"TwoEnginesLeft", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 0, 11, "Двигатель левый"},
        DocCase{"TwoEnginesRight", {kipEngine}, kKip, onDate("10.06.2026"), kKipQuery, 1, 11, "Двигатель правый"},
        DocCase{"ThreeEnginesFirst", {kipEngine, thirdEngine}, kKip, onDate("10.06.2026"), kKipQuery, 0, 11, "Двигатель первый"},
        DocCase{"ThreeEnginesSecond", {kipEngine, thirdEngine}, kKip, onDate("10.06.2026"), kKipQuery, 1, 11, "Двигатель второй"},
        DocCase{"ThreeEnginesThird", {kipEngine, thirdEngine}, kKip, onDate("10.06.2026"), kKipQuery, 2, 11, "Двигатель третий"},
        // The limited-life list: 12 months of a "1.00" life gone -> "0".
        DocCase{"ZeroMonthsLeftIsZero", {tuned(kOgr, 1, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 4, "1000 ч. 0 м./0"},
        DocCase{"NeverRepairedShowsTheMaker", {tuned(kOgr, 1, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 7, "Завод Климова"},
        DocCase{"RepairedDashesTheAssignedLife", {tuned(kOgr, 1, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 1, 4, "-"},
        DocCase{"RepairedOverhaulLifeLeft", {tuned(kOgr, 1, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 1, 5, "1500 ч. 0 м./0л. 6м."},
        DocCase{"RepairedShowsThePlant", {tuned(kOgr, 1, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 1, 7, "ОАО 570 АРЗ"},
        DocCase{"Ta14SummedHoursBackDated", {tuned(kOgr, 1, "VSU")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 6, "99 ч. 0 м."},
        DocCase{"Ta14SummedCaption", {tuned(kOgr, 1, "VSU")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 2, "ВСУ ТА-14-130 (суммарная)"},
        DocCase{"Ta14StartsSecondAndLast", {tuned(kOgr, 1, "VSU"), tuned(kOgr, 2, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 1, 2, "ВСУ ТА-14-130 (запуски)"},
        DocCase{"Ta14StartsBackDated", {tuned(kOgr, 1, "VSU")}, kOgr, onDate("10.06.2026"), kOgrQuery, 1, 6, "298"},
        DocCase{"UnitNotInstalledNameOnly", {tuned(kOgr, 1, "Agregat", "7")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 2, "Насос НШ 8-1"},
        DocCase{"UnitNotInstalledDashes", {tuned(kOgr, 1, "Agregat", "7")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 6, "-"},
        DocCase{"AircraftHeading", {tuned(kOgr, 1, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 11,
                "Ми-8Т, государственный и регистрационный знаки RA-1, серийный (заводской) номер 9876"},
        DocCase{"PreparerAndPhone", {tuned(kOgr, 1, "Dvigatel")}, kOgr, onDate("10.06.2026"), kOgrQuery, 0, 13, "Петров П.П. тел.12-34"},
        // The appendix.
        DocCase{"AppendixHoursSinceNew", {}, kPril, onDate("10.06.2026"), kPrilQuery, 0, 4, "997"},
        DocCase{"AppendixLandingsSinceNew", {}, kPril, onDate("10.06.2026"), kPrilQuery, 0, 5, "496"},
        DocCase{"AppendixAgeWholeYears", {}, kPril, onDate("10.06.2026"), kPrilQuery, 0, 6, "26"},
        DocCase{"AppendixCalendarYearsLeft", {}, kPril, onDate("10.06.2026"), kPrilQuery, 0, 9, "4"},
        DocCase{"AppendixNoOverhaulPlant", {}, kPril, onDate("10.06.2026"), kPrilQuery, 0, 16, "-"},
        DocCase{"AppendixNoOverhaulLandingsLimit", {}, kPril, onDate("10.06.2026"), kPrilQuery, 0, 14, "-"},
        // The act.
        DocCase{"ActEmptyOrderNumber", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 2, "!10.06.2026"},
        DocCase{"ActOrderNumber", {tuned(kAct, 1, "Dvigatel")}, kAct, act({set("txtRaspNomer", " 15-р ")}), kP1Query, 0, 2, "15-р!10.06.2026"},
        DocCase{"ActLifeZeroNotRegulated", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 24, "не реглам."},
        DocCase{"ActZeroOverhaulsHours", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 27, "нет"},
        DocCase{"ActZeroOverhaulsCount", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 33, "нет"},
        DocCase{"ActHoursRolledBack", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 21, "997 ч. 34 м."},
        DocCase{"ActCalendarAge", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 23, "26г. 0м."},
        DocCase{"ActEmptyMaintenanceDatePasses", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 16, "отсутствует"},
        DocCase{"ActInspectionDate", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP1Query, 0, 12, "05.06.26"},
        DocCase{"ActLeftEngine", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP2Query, 0, 2, "Двигатель левый ТВ3-117 № E-1"},
        DocCase{"ActRightEngine", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP2Query, 1, 2, "Двигатель правый ТВ3-117 № E-2"},
        DocCase{"ActThirdEngine", {tuned(kAct, 1, "Dvigatel"), thirdEngine}, kAct, act(), kP2Query, 2, 2, "Двигатель третий ТВ3-117 № E-3"},
        DocCase{"ActComponentLifeZero", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP2Query, 1, 9, "не реглам."},
        DocCase{"ActComponentNeverRepaired", {tuned(kAct, 1, "Dvigatel")}, kAct, act(), kP2Query, 0, 4, "нет"}),
    [](const auto& info) { return std::string(info.param.name); });

// What stops a document: the message, and the staging tables as they were.
struct StopCase {
    const char* name;
    QStringList extra;
    const char* item;
    std::vector<RunStep> steps;
    QString table;       // a staging table that must keep its row
    const char* message; // the message shown (all of its parts)
};

class CertificateStopTest : public FrameTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(CertificateStopTest, ShowsTheMessageAndTouchesNothing)
{
    const StopCase& c = GetParam();
    fill(kTables, fleet() + c.extra +
                      QStringList{QStringLiteral("INSERT INTO %1 (C2) VALUES ('прежняя строка')").arg(c.table)});
    const auto r = run(QStringLiteral("frmPlanZaiavSLG"), QString::fromUtf8(c.item), c.steps);
    EXPECT_EQ(r.status, 1);
    ASSERT_FALSE(r.errors.isEmpty());
    for (const QString& part : QString::fromUtf8(c.message).split(QLatin1Char('|')))
        EXPECT_TRUE(r.errors.join('\n').contains(part)) << r.errors.join('\n').toStdString() << " / " << part.toStdString();
    const QStringList rows = staging(QStringLiteral("Select * From %1 Order By ID;").arg(c.table));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].contains(QStringLiteral("прежняя строка")));
}

INSTANTIATE_TEST_SUITE_P(
    Stops, CertificateStopTest,
    ::testing::Values(
        StopCase{"NoTunedList", {}, kOgr, onDate("10.06.2026", "Ми-2 RA-2"), "REPORT_SLG_OGR_RES",
                 "Перечень оборудования для типа ВС Ми-2 не найден, продолжение не возможно."},
        StopCase{"NoTunedListCheckFlight", {}, kKip, onDate("10.06.2026", "Ми-2 RA-2"), "REPORT_SLG_KIP",
                 "Перечень оборудования для типа ВС Ми-2 не найден, продолжение не возможно."},
        StopCase{"LimitWithoutPoint",
                 {tuned(kOgr, 1, "Dvigatel"), "UPDATE DVIGATEL SET NAZNACHENNYI_LET='5,06' WHERE ZAVODSKOI_NOMER='E-1'"},
                 kOgr, onDate("10.06.2026"), "REPORT_SLG_OGR_RES", "RA-1|E-1|NAZNACHENNYI_LET|\"5,06\""},
        StopCase{"LimitWithLetters",
                 {tuned(kOgr, 1, "Dvigatel"), "UPDATE DVIGATEL SET NAZNACHENNYI_LET='5 лет' WHERE ZAVODSKOI_NOMER='E-1'"},
                 kOgr, onDate("10.06.2026"), "REPORT_SLG_OGR_RES", "RA-1|NAZNACHENNYI_LET|\"5 лет\""},
        StopCase{"BadRunningTime",
                 {kipEngine, "UPDATE DVIGATEL SET NARABOTKA_SNE='1000-30' WHERE ZAVODSKOI_NOMER='E-2'"}, kKip,
                 onDate("10.06.2026"), "REPORT_SLG_KIP", "RA-1|E-2|NARABOTKA_SNE|\"1000-30\""},
        StopCase{"ActBadInspectionDate", {tuned(kAct, 1, "Dvigatel")}, kAct, act({set("txtDataOsmotra", "31.02.26")}),
                 "REPORT_ACT_OTSEN_TS_P1", "Неверная дата: Дата осмотра"},
        StopCase{"ActBadOrderDate", {tuned(kAct, 1, "Dvigatel")}, kAct, act({set("txtRaspData", "12.13.26")}),
                 "REPORT_ACT_OTSEN_TS_P1", "Неверная дата (поле можно оставить пустым): Дата распоряжения"},
        StopCase{"ActNoTunedListKeepsComponents", {}, kAct, act(), "REPORT_ACT_OTSEN_TS_P2",
                 "Перечень оборудования для типа ВС Ми-8Т не найден, продолжение не возможно."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CertificateChecks, ActChecksInTheirOrder)
{
    struct Case {
        const char* type;
        const char* board;
        const char* inspection;
        const char* maintenance;
        const char* order;
        const char* control; // "" = passes
        int kind;
    } cases[] = {
        {"", "RA-1", "05.06.26", "  .  .  ", "  .  .  ", "cboTipVS", 6},
        {"Ми-8Т", "", "05.06.26", "  .  .  ", "  .  .  ", "cboNumVS", 6},
        {"Ми-8Т", "RA-1", "  .  .  ", "  .  .  ", "  .  .  ", "txtDataOsmotra", 7},
        {"Ми-8Т", "RA-1", "30.02.26", "  .  .  ", "  .  .  ", "txtDataOsmotra", 7},
        {"Ми-8Т", "RA-1", "05.06.26", "  .  .  ", "  .  .  ", "", 0},
        {"Ми-8Т", "RA-1", "05.06.26", "..", "", "", 0},
        {"Ми-8Т", "RA-1", "05.06.26", "01.06.26", "02.06.26", "", 0},
        {"Ми-8Т", "RA-1", "05.06.26", "1 .06.26", "  .  .  ", "txtDataTO", 9},
        {"Ми-8Т", "RA-1", "05.06.26", "  .  .  ", "32.01.26", "txtRaspData", 9},
    };
    for (const Case& c : cases) {
        ActOptions o;
        o.type = QString::fromUtf8(c.type);
        o.board = QString::fromUtf8(c.board);
        o.dataOsmotra = QString::fromUtf8(c.inspection);
        o.dataTO = QString::fromUtf8(c.maintenance);
        o.raspData = QString::fromUtf8(c.order);
        const auto p = checkAct(o);
        if (!*c.control) {
            EXPECT_FALSE(p.has_value()) << c.inspection << " " << c.maintenance << " " << c.order;
            continue;
        }
        ASSERT_TRUE(p.has_value()) << c.control;
        EXPECT_EQ(p->control, QString::fromLatin1(c.control));
        EXPECT_EQ(p->kind, c.kind) << c.control;
    }
}

TEST(CertificateChecks, TemplatesByOperatorAndKind)
{
    EXPECT_EQ(ogrResursTemplate(QStringLiteral("ООО DUZ Авиа")), "rep07");
    EXPECT_EQ(ogrResursTemplate(QStringLiteral("RevoRozuvaro")), "rep07");
    EXPECT_EQ(ogrResursTemplate(QStringLiteral("Duz")), "rep03");
    EXPECT_EQ(actTemplate(QStringLiteral("DUZ")), "rep06");
    EXPECT_EQ(actTemplate(QStringLiteral("ЮТэйр")), "rep01");
    EXPECT_EQ(otchetKPTemplate(1), "rep02");
    EXPECT_EQ(otchetKPTemplate(0), "rep05");
}

} // namespace

namespace {
// The check flight's units of a standard are the aircraft's rows of
// "Select * From AGREGAT Where (TIP_VS='<type>') And (ID_NAME='<id>') Order By ID;",
// in that order, though they are taken from one read of the type's units.
class CheckFlightUnitsTest : public FrameTest {};

QString unit(const char* type, const char* board, const char* idName, const char* serial)
{
    return QStringLiteral("INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ID_NAME, ZAVODSKOY_NOMER, CHERT_NOMER, NARABOTKA_SNE, "
                          "ED_IZMERENIA) VALUES ('%1', '%2', '%3', '%4', '8-1', '10:00', '0')")
        .arg(QString::fromUtf8(type), QString::fromLatin1(board), QString::fromLatin1(idName), QString::fromLatin1(serial));
}
} // namespace

TEST_F(CheckFlightUnitsTest, EachStandardGivesTheRowsOfItsOwnQuery)
{
    QStringList rows = fleet();
    rows << unit("Ми-8Т", "RA-1", "7", "U-1") << unit("Ми-8Т", "RA-1", "8", "U-2") << unit("Ми-8Т", "RA-1", "7 ", "U-3")
         << unit("Ми-8Т", "RA-2", "7", "U-4")  // another aircraft
         << unit("Ми-2", "RA-1", "7", "U-5")   // another type
         << unit("Ми-8Т", "RA-1", "70", "U-6") // an identifier that starts alike
         << unit("Ми-8Т", "RA-1", "8", "U-7") << unit("Ми-8Т", "RA-1", "7", "U-8");
    fill(kTables, rows);
    const struct {
        const char* id;
        QStringList serials; // in the order of the standard's own query
    } cases[] = {{"7", {"U-1", "U-3", "U-8"}}, {"8", {"U-2", "U-7"}}, {"70", {"U-6"}}, {"9", {}}};
    const SlgGround ground = readSlgGround(conn.get(), QStringLiteral("Ми-8Т"));
    SlgUnitReader reader(conn.get(), QStringLiteral("Ми-8Т"), QStringLiteral("RA-1"), QDate(2026, 6, 10), ground,
                         SlgQueries::CheckFlight);
    for (const auto& k : cases) {
        // What the engine answers the standard's own query with, for this aircraft.
        QStringList own;
        for (auto ds = plan::openQuery(conn.get(), QStringLiteral("Select * From AGREGAT Where (TIP_VS='Ми-8Т') And (ID_NAME='%1') "
                                                                  "Order By ID;")
                                                       .arg(QString::fromLatin1(k.id)));
             !ds->eof(); ds->next())
            if (ds->str(plan::pos::agregat::GDE_STOIT).trimmed() == QLatin1String("RA-1"))
                own << ds->str(plan::pos::agregat::ZAVODSKOY_NOMER).trimmed();
        EXPECT_EQ(own, k.serials) << k.id;
        SlgTunedLine line;
        line.kind = QStringLiteral("Agregat");
        line.etalonId = QString::fromLatin1(k.id);
        line.caption = QStringLiteral("Агрегат");
        QStringList got;
        for (const SlgUnit& u : reader.units(line))
            if (u.installed) got << u.serial.trimmed();
        EXPECT_EQ(got, k.serials) << k.id;
    }
}
