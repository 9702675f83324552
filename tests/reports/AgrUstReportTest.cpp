// The units installed in a period (REPORT_AGR_UST_ZA_PER): the period
// clipped to the last overhaul, the kinds in their order and each kind by
// installation date, names from the reference lists, the "_" of main-rotor
// blades, the operator's row by its index in the list.
#include "reports/TfrPlanRepAgrUstZaPeriod.h"
#include "shell/FrameDriver.h"
#include "support/FrameFixture.h"

#include <QDateEdit>
#include <QPushButton>

#include <algorithm>

namespace {
using namespace frametest;

const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "TIPOVYE_DANNYE_VS", "REESTR", "DVIGATEL", "AGREGAT",
                             "ETAAGREGAT", "AGR_VSU", "ETA_AGR_VSU", "VTULKA_NV", "ETA_VTULKA_NV", "LOPAST",
                             "HVOSTOVOY_VINT", "VOZDUSHNY_VINT", "ZCU", "ETA_ZCU"};

QString unit(const char* table, const char* columns, const char* values)
{
    return QStringLiteral("INSERT INTO %1 (TIP_VS, GDE_STOIT, %2) VALUES ('Ми-8Т', 'RA-1', %3)")
        .arg(QString::fromLatin1(table), QString::fromLatin1(columns), QString::fromUtf8(values));
}

const QStringList kFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('0', 'АО «Первый»', 0)",
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('1', 'АО «Второй»', 0)",
    "INSERT INTO OBSHIE (EXPLUATANT, DOLGNOST_PDO, NACH_PDO) VALUES ('1', 'Начальник ПДО', 'Петров П.П.')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, REMONT_DATA) VALUES ('Ми-8Т', 'RA-1', '95001', "
    "'2026-03-01')",
    "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, NAZVANIE_DVIGATELYA) VALUES ('Ми-8Т', 'RA-1', 'ТВ2-117А')",
    "INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, NAME, CHERT_NOMER) VALUES ('Ми-8Т', '5', 'Генератор ГТ-40ПЧ6', 'ГТ-40ПЧ6')",
    "INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, NAME, CHERT_NOMER) VALUES ('Ми-8Т', '6', 'Насос', '123-45')",
    // Airframe units: by date, then ID; one before the overhaul is left out.
    unit("AGREGAT", "PLAN_DVIG_VSU, ID_NAME, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, DATA_USTANOVKI",
         "'0', '5', 'x', 'y', 'G1', '2026-03-05'"),
    unit("AGREGAT", "PLAN_DVIG_VSU, ID_NAME, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, DATA_USTANOVKI",
         "'0', '6', 'x', 'y', 'N1', '2026-03-02'"),
    unit("AGREGAT", "PLAN_DVIG_VSU, ID_NAME, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, DATA_USTANOVKI",
         "'0', '6', 'x', 'y', 'N0', '2026-02-15'"),
    // An engine unit not in the reference list: its own name and number.
    unit("AGREGAT", "PLAN_DVIG_VSU, ID_NAME, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, DATA_USTANOVKI",
         "'1', '99', 'Стартер', 'СТ-1', 'S1', '2026-03-03'"),
    "INSERT INTO ETA_AGR_VSU (TIP_VS, ID_NAME, NAME, CHERT_NOMER) VALUES ('Ми-8Т', '3', 'Стартер ВСУ', 'СТВ-3')",
    unit("AGR_VSU", "ID_NAME, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, DATA_USTANOVKI", "'3', 'x', 'y', 'V1', '2026-04-01'"),
    "INSERT INTO ETA_VTULKA_NV (TIP_VS, ID_NAME, NAME, CHERT_NOMER) VALUES ('Ми-8Т', '1', 'Втулка НВ', '8-1930-000')",
    unit("VTULKA_NV", "ID_NAME, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, DATA_USTANOVKI", "'1', 'x', 'y', 'H1', '2026-04-02'"),
    // The same serial on a main-rotor and a tail-rotor blade.
    unit("LOPAST", "TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, DATA_USTANOVKI", "'Хвостовой', '246-3922-00', 'A_1', '2026-03-10'"),
    unit("LOPAST", "TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, DATA_USTANOVKI", "'Несущий', '8-2710-00', 'A_1', '2026-03-10'"),
    unit("HVOSTOVOY_VINT", "NAZVANIE_VINT, ZAVODSKOY_NOMER, DATA_USTANOVKI", "'246-3925-00', 'R1', '2026-05-01'"),
    "INSERT INTO ETA_ZCU (TIP_VS, ID_NAME, NAME, CHERT_NOMER) VALUES ('Ми-8Т', '7', 'Гидроусилитель', 'КАУ-30Б')",
    unit("ZCU", "ID_NAME, NAZVANIE, CHERT_NOMER, ZAVOD_NOMER, DATA_USTANOVKI", "'7', 'x', 'y', 'Z1', '2026-06-30'"),
    // Installed after the period.
    unit("ZCU", "ID_NAME, NAZVANIE, CHERT_NOMER, ZAVOD_NOMER, DATA_USTANOVKI", "'7', 'x', 'y', 'Z2', '2026-07-01'"),
};

class AgrUstReportTest : public FrameTest {};

TEST_F(AgrUstReportTest, PeriodFromTheOverhaulKindsInOrderNamesAndSerials)
{
    fill(kTables, kFleet);
    const auto r = run("frmPlanReport", "Перечень агрегатов, установленных за отчетный период",
                       {set("cboExpl", "АО «Второй»"), select("Ми-8Т RA-1"), set("picDateStart", "01.01.2026"),
                        set("picDateStop", "30.06.2026")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    QStringList got;
    const QStringList rows = staging(QStringLiteral("Select * From REPORT_AGR_UST_ZA_PER Order By ID;"), 11);
    for (const QString& row : rows) got << row.section(';', 5, 8);
    EXPECT_EQ(got, (QStringList{
                       // Airframe units by date; the name holding its number shows the name only.
                       "02.03.2026;Насос;123-45;N1",
                       "05.03.2026;Генератор ГТ-40ПЧ6;;G1",
                       // Engine units; not in the list: the unit's own name and number.
                       "03.03.2026;Стартер;СТ-1;S1",
                       "01.04.2026;Стартер ВСУ;СТВ-3;V1",
                       "02.04.2026;Втулка НВ;8-1930-000;H1",
                       // Main-rotor blade: "_" becomes a blank; the tail-rotor blade keeps it.
                       "10.03.2026;Лопасть НВ ;8-2710-00;A 1",
                       "01.05.2026;Винт рулевой;246-3925-00;R1",
                       "10.03.2026;Лопасти РВ ;246-3922-00;A_1",
                       "30.06.2026;Гидроусилитель;КАУ-30Б;Z1",
                   }));
    // The aircraft, engine, today and the row of the operator's index (1) on every row.
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0].section(';', 0, 4), QStringLiteral("Ми-8Т;RA-1;95001;ТВ2-117А;15.06.2026"));
    EXPECT_EQ(rows[0].section(';', 9, 10), QStringLiteral("Начальник ПДО;Петров П.П."));

    // The first operator's index has no header row: columns 10 and 11 empty, the list printed all the same.
    ASSERT_EQ(run("frmPlanReport", "Перечень агрегатов, установленных за отчетный период",
                  {set("cboExpl", "АО «Первый»"), select("Ми-8Т RA-1"), set("picDateStop", "30.06.2026")})
                  .status,
              0);
    const QStringList first = staging(QStringLiteral("Select * From REPORT_AGR_UST_ZA_PER Order By ID;"), 11);
    ASSERT_EQ(first.size(), 9);
    EXPECT_EQ(first[0].split(';').size(), 9); // nothing after the serial number
}

TEST_F(AgrUstReportTest, TheButtonWaitsForAnAircraftWhosePickSetsTheStart)
{
    fill(kTables, kFleet);
    auto* frame =
        openFrame(QStringLiteral("frmPlanReport"), QStringLiteral("Перечень агрегатов, установленных за отчетный период"));
    ASSERT_NE(frame, nullptr);
    ASSERT_FALSE(frame->isPlaceholder());
    auto* show = frame->findChild<QPushButton*>(QStringLiteral("cmdReport"));
    auto* start = frame->findChild<QDateEdit*>(QStringLiteral("picDateStart"));
    ASSERT_TRUE(show && start);
    EXPECT_FALSE(show->isEnabled());
    EXPECT_EQ(start->date(), QDate(2026, 6, 15));
    plan::shell::FrameDriver drive(frame);
    drive.select(QStringLiteral("Ми-8Т RA-1"));
    EXPECT_TRUE(show->isEnabled());
    EXPECT_EQ(start->date(), QDate(2026, 3, 1));
    // "Очистить поле" clears the choice and keeps index -1 in the frame's own section.
    drive.set(QStringLiteral("cboExpl"), QStringLiteral("Очистить поле"));
    EXPECT_TRUE(settingsText().contains(QStringLiteral("[AGR_ZA_PER]"))) << settingsText().toStdString();
    EXPECT_TRUE(settingsText().contains(QStringLiteral("CBOEXPL=-1"))) << settingsText().toStdString();
}

TEST_F(AgrUstReportTest, PickingAnAircraftStartsThePeriodAtItsOverhaul)
{
    fill(kTables, kFleet);
    struct Case {
        const char* overhaul; // REMONT_DATA, NULL for none
        const char* chosen;
        QDate start;
    } cases[] = {
        {"'2026-03-01'", "01.01.2026", QDate(2026, 3, 1)},
        {"'2026-03-01'", "01.04.2026", QDate(2026, 4, 1)},
        {"NULL", "01.01.2026", QDate(2026, 1, 1)},
    };
    for (const Case& c : cases) {
        conn->execute(QStringLiteral("UPDATE REESTR SET REMONT_DATA=%1").arg(QString::fromLatin1(c.overhaul)));
        plan::reports::AgrUstOptions o;
        o.operatorIndex = 1;
        o.type = QStringLiteral("Ми-8Т");
        o.board = QStringLiteral("RA-1");
        o.start = QDate::fromString(QString::fromLatin1(c.chosen), QStringLiteral("dd.MM.yyyy"));
        o.stop = QDate(2026, 6, 30);
        QDate used;
        const auto staged = plan::reports::buildAgrUst(conn.get(), o, &used);
        EXPECT_EQ(used, c.start) << c.overhaul << " " << c.chosen;
        // The unit of 15.02 is listed only when the period starts before it.
        const bool early = std::any_of(staged.rows.begin(), staged.rows.end(), [](const plan::StagingRow& r) {
            return r.at(plan::reports::agrust::ItemSerial).toString() == QLatin1String("N0");
        });
        EXPECT_EQ(early, c.start <= QDate(2026, 2, 15)) << c.overhaul << " " << c.chosen;
    }
}

} // namespace
