// The information sheet for VU z Uz as the planning engineer makes it for
// the foreign operator: the aircraft picked in the tree, the rows of
// REPORT_OSN_AGR_FOR_GD read back by position. Today is 15.01.2026.
#include "support/FrameFixture.h"

#include "shell/FrameDriver.h"
#include "sheets/TfrPlanSprSvedVSforZAdAv.h"

#include <QDir>

using namespace frametest;

namespace {

const QString kWindow = QStringLiteral("frmPlanSpravka");
const QString kItem = QStringLiteral("Сведения о ВС для VU z Uz");
const QString kStaging = QStringLiteral("SELECT * FROM REPORT_OSN_AGR_FOR_GD ORDER BY ID;");

const QStringList kTables = {"TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR", "VSU", "VOZDUSHNY_VINT",
                             "LOPAST", "VTULKA_NV", "HVOSTOVOY_VINT", "LEBEDKA", "AGREGAT", "ETAAGREGAT", "ZCU",
                             "SHLANG", "TUNE_DOCS", "OBSHIE"};

// RA-1 with two engines (one never repaired, one repaired) and a gearbox;
// the sheet of VU z Uz lists engines, then the airframe; the information
// sheet's own list (another order) must not be the one followed.
const QStringList kFleet = {
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8Т', '0', 0)",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, DATA_IGOTOVLEN, VSEGO_REMONTOV, RESURS_NAZN_CHASOV, "
    "MEZHREM_CHASOV, NARABOTKA_SNE, NARABOTKA_PPR, DATA_POSL_POLETA) VALUES "
    "('Ми-8Т', 'RA-1', '8001', '2010-05-01', 0, 20000, 1500, '12345:40', '1505:30', '2025-12-31')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8Т', 'RA-1', '2025-12-31', '02:05:00', '00:10:00')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, REMONT_DATA, REMONT_ZAVOD, "
    "VSEGO_REMONTOV, NARABOTKA_SNE, NARABOTKA_PPR, NAZNACHENNYI_CHASOV, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, ODIN_DVA) VALUES "
    "('Ми-8Т', 'ТВ2-117', 'E-B', 'RA-1', '2018-01-01', '2023-03-10', 'УЗГА', 1, '2000:00', '1999:20', 6000, 1500, 2000, '1')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, VSEGO_REMONTOV, "
    "NARABOTKA_SNE, NARABOTKA_PPR, NAZNACHENNYI_CHASOV, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, ODIN_DVA) VALUES "
    "('Ми-8Т', 'ТВ2-117', 'E-A', 'RA-1', '2020-01-01', 0, '1600:00', '1450:00', 6000, 1500, 2000, '0')",
    "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС для VU z Uz', 2, 'Plane', '')",
    "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС для VU z Uz', 1, 'Dvigatel', '')",
    "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС', 1, 'Plane', '')",
    "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES ('Сведения о ВС', 2, 'Reductor', '')",
};

class SvedVSforZAdAv : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        plan::Clock::setToday(QDate(2026, 1, 15));
        fill(kTables, kFleet);
    }
    QStringList sheet(std::vector<plan::shell::RunStep> more = {})
    {
        std::vector<plan::shell::RunStep> steps{select("Ми-8Т RA-1")};
        steps.insert(steps.end(), more.begin(), more.end());
        lastRun = run(kWindow, kItem, steps);
        return staging(kStaging, 17);
    }
};

} // namespace

TEST(SvedVSforZAdAvNames, LatinTypesAndEnglishRowNames)
{
    for (const auto& [ru, en] : {std::pair{"Ми-8МТВ", "Mi-8MTV"}, std::pair{"Ка-32А11ВС", "Ka-32A11VS"},
                                 std::pair{"Ан-2", "An-2"}, std::pair{"RA-22501", "RA-22501"},
                                 std::pair{"Ми-26Т Хищник", "Mi-26T Khishchnik"},
                                 std::pair{"ЖУК-Ш", "ZHUK-SH"}})
        EXPECT_EQ(plan::sheets::latinType(QString::fromUtf8(ru)), QString::fromUtf8(en)) << ru;
    struct Case {
        const char* section;
        const char* name;
        const char* english;
    };
    const Case cases[] = {
        {"Dvigatel", "Второй двигатель", "Engine No. 2"},   {"Dvigatel", "Третий двигатель", "Engine No. 3"},
        {"VozdVint", "Воздушный винт", "Propeller"},         {"VozdVint", "Первый воздушный винт", "Propeller No. 1"},
        {"LopastNV", "Лопасть НВ   ", "Main rotor blade"},  {"Shlang", "Шланги систем", "System hoses"},
        {"Shlang", "Гидросистема", "Hoses"},                 {"Agregat", "Генератор  ", "Component"},
        {"VSU", "ВСУ", "APU"},                               {"Plane", "ВС", "Aircraft"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plan::sheets::englishRowName(QString::fromLatin1(c.section), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.english))
            << c.section << " " << c.name;
}

TEST_F(SvedVSforZAdAv, TunedListOfItsOwnWithLimitsAndRemaindersApart)
{
    const QString title = QStringLiteral("Сведения о ВС Ми-8Т RA-1, его основных агрегатах и комплектующих изделиях;"
                                         "Aircraft Mi-8T RA-1: main components and equipment;2:05;31.12.2025");
    // Engine 1 never repaired: the first-overhaul limit 1500 is its second
    // limit (1500 - 1450 = 50 left); engine 2 repaired: 2000 - 1999:20 = 0:40 shows 0.
    const QStringList expected = {
        "1;Первый двигатель;Engine No. 1;ТВ2-117;E-A;01.01.20;-;-;-;1600;-;6000 / 1500;4400 / 50;" + title,
        "2;Второй двигатель;Engine No. 2;ТВ2-117;E-B;01.01.18;1;10.03.23;УЗГА;2000;1999;6000 / 2000;4000 / 0;" + title,
        "3;ВС;Aircraft;Ми-8Т;8001;01.05.10;-;-;-;12345;-;20000 / 1500;7654 / 0;" + title,
    };
    EXPECT_EQ(sheet(), expected) << lastRun.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lastRun.status, 0);

    // Without the tuned list: the standard sections (airframe first, then the engines).
    QStringList names;
    for (const QString& row : sheet({set("chkTune", "0")})) names << row.section(QLatin1Char(';'), 2, 2);
    EXPECT_EQ(names, (QStringList{"Aircraft", "Engine No. 1", "Engine No. 2"}));
    EXPECT_TRUE(settingsText().contains(QStringLiteral("SVEDENIA_O_VS_VU_Z_UZ=0"))) << settingsText().toStdString();
}

TEST_F(SvedVSforZAdAv, NoTunedListStopsWithAMessage)
{
    fill({"TUNE_DOCS"}, {"INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA) VALUES ('Сведения о ВС', 1, 'Plane')"});
    EXPECT_TRUE(sheet().isEmpty());
    EXPECT_NE(lastRun.status, 0);
    ASSERT_EQ(lastRun.messages.size(), 1);
    EXPECT_TRUE(lastRun.messages[0].contains(QStringLiteral("«Сведения о ВС для VU z Uz» не задан список разделов")))
        << lastRun.messages[0].toStdString();
    EXPECT_TRUE(lastRun.html.isEmpty());
}

TEST_F(SvedVSforZAdAv, SheetSizeChoosesTheTemplateAndIsKept)
{
    for (const auto& [button, code, saved] : {std::tuple{"rbtA5", "rep13", "A4_VU_Z_UZ=0"}, std::tuple{"rbtA4", "rep12", "A4_VU_Z_UZ=1"}}) {
        plan::shell::RunRequest r;
        r.window = kWindow;
        r.item = kItem;
        r.steps = {select("Ми-8Т RA-1"), set(button, "1")};
        r.templateDir = base + QStringLiteral("/t-") + QString::fromUtf8(button);
        const plan::shell::RunResult res = plan::shell::runItem(r);
        EXPECT_EQ(res.status, 0) << res.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(QDir(r.templateDir).entryList(QDir::Files),
                  QStringList{QStringLiteral("frmPlanSpravka-%1.html").arg(QString::fromUtf8(code))});
        EXPECT_TRUE(settingsText().contains(QString::fromUtf8(saved))) << settingsText().toStdString();
    }
}
