// The lessor's monthly form (REPORT_LIZING_PSB_MONTH): the month started at
// the last overhaul, units installed during the month counted from their
// date, starts of PW207K engines, the totals at the month's end, the
// preparer; the period sums read once agree with the routines' own queries.
#include "platform/Heartbeat.h"
#include "rarozidi/PeriodFlying.h"
#include "reports/TfrPlanRepLizPSBEgMesOtch.h"
#include "shell/FrameDriver.h"
#include "support/FrameFixture.h"

#include <QComboBox>
#include <QPushButton>

namespace {
using namespace frametest;

const QStringList kTables = {"EXPLUATANTY", "TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR",
                             "VSU", "HVOSTOVOY_VINT", "LOPAST", "USERS"};

QString flight(const char* date, const char* values)
{
    return QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK, "
                          "V_VOZDUHE_1, KOL_VO_ZAPUSKOV_1, KOL_VO_CIKLOV_1, V_VOZDUHE_2, KOL_VO_CIKLOV_2, V_VOZDUHE_RED, "
                          "NA_ZEMLE_RED, VSU_POLNOE_VREMYA) VALUES ('RA-2', '%1', %2)")
        .arg(QString::fromLatin1(date), QString::fromLatin1(values));
}

QString blade(const char* rotor, const char* name, const char* serial, const char* installed, const char* sne,
              int continuous)
{
    return QStringLiteral("INSERT INTO LOPAST (TIP_VS, GDE_STOIT, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, DATA_USTANOVKI, "
                          "NARABOTKA_SNE, NEPRERYVNO) VALUES ('Ансат', 'RA-2', '%1', '%2', '%3', '%4', '%5', %6)")
        .arg(QString::fromUtf8(rotor), QString::fromUtf8(name), QString::fromUtf8(serial), QString::fromLatin1(installed),
             QString::fromLatin1(sne))
        .arg(continuous);
}

// Overhaul on 10.05.2026. Flights: 05.05 (before it), 12.05 and 20.05 (the
// month), 03.06 (after it).
const QStringList kFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('0', 'АО «Первый»', 0)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER, ZEMLIA_DVIGATEL, "
    "KOL_VO_ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, KOL_VO_ZEMLIA_REDUCTOR, ZEMLIA_LOPASTY, KOL_VO_ZEMLIA_LOPASTY) VALUES "
    "('Ансат', '1', 0.5, '0', 1.0, '1', 1.0, '1', 1.0)",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, NARABOTKA_SNE, POSADKI_SNE, REMONT_DATA) VALUES "
    "('Ансат', 'RA-2', '123', '100:00', 50, '2026-05-10')",
    flight("2026-05-05", "'01:00', '01:00', 1, '01:00', 1, 1, '01:00', 1, '01:00', '01:00', '01:00'"),
    flight("2026-05-12", "'01:00', '00:25', 2, '00:40', 3, 4, '00:50', 5, '01:10', '00:20', '00:15'"),
    flight("2026-05-20", "'02:00', '00:00', 3, '01:30', 2, 6, '01:45', 7, '02:00', NULL, '00:30'"),
    flight("2026-06-03", "'00:30', '00:10', 1, NULL, NULL, NULL, NULL, NULL, '00:30', NULL, '00:05'"),
    // Engine 1 installed mid-month; engine 2 long before.
    "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, ODIN_DVA, DATA_KALENDAR) VALUES "
    "('Ансат', 'RA-2', 'PW207K', 'PCE-1', '0', '2026-05-15')",
    "INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, ODIN_DVA, DATA_KALENDAR) VALUES "
    "('Ансат', 'RA-2', 'PW207D', 'PCE-2', '1', '2020-01-01')",
    "INSERT INTO REDUCTOR (TIP_VS, GDE_STOIT, NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, DATA_KALENDAR, NARABOTKA_SNE) VALUES "
    "('Ансат', 'RA-2', 'ВР-А', 'R-7', '2020-01-01', '500:00')",
    "INSERT INTO VSU (TIP_VS, MESTO_USTANOVKI, NAZVANIE, ZAVODSKOY_NOMER, DATA_USTANOVKI, OBSHAIA_SNE) VALUES "
    "('Ансат', 'RA-2', 'АИ-9', 'A-9', '2026-05-25', '10:00')",
    "INSERT INTO HVOSTOVOY_VINT (TIP_VS, GDE_STOIT, NAZVANIE_VINT, DATA_USTANOVKI) VALUES ('Ансат', 'RA-2', 'РВ-А', "
    "'2024-02-03')",
    blade("Хвостовой", "ЛРВ", "T_1", "2024-01-01", "50:00", 0),
    blade("Хвостовой", "ЛРВ", "T_2", "2024-01-01", "50:00", 0),
    // Main rotor: one blade counted from the aircraft since mid-month, one stored, one fitted after the month.
    blade("Несущий", "НВ-А", "M_1", "2026-05-15", "10:00", 1),
    blade("Несущий", "НВ-А", "M_2", "2024-01-01", "20:00", 0),
    blade("Несущий", "НВ-А", "M_3", "2026-06-05", "1:00", 0),
    "INSERT INTO USERS (FAMILIA, IMIA, OTCHESTVO) VALUES ('Сидоров', 'Петр', 'Ильич')",
    "INSERT INTO USERS (FAMILIA, IMIA, OTCHESTVO) VALUES ('Козлов', '', NULL)",
};

class LizPsbReportTest : public FrameTest {
protected:
    // The staging row by position (its values hold "; " themselves).
    QStringList row()
    {
        auto ds = plan::openQuery(conn.get(), QStringLiteral("Select * From REPORT_LIZING_PSB_MONTH Order By ID;"));
        QStringList r;
        for (int pos = 0; pos <= 40; ++pos) r << (ds->eof() || pos == 0 ? QString() : ds->str(pos));
        EXPECT_EQ(ds->recordCount(), 1);
        return r;
    }
};

TEST_F(LizPsbReportTest, MonthFromTheOverhaulUnitsFromTheirInstallation)
{
    fill(kTables, kFleet);
    struct Case {
        const char* setup;
        std::vector<std::pair<int, const char*>> expected;
    } cases[] = {
        {nullptr,
         {// April chosen: before the overhaul of 10.05, so May from the 10th.
          {1, "май"}, {2, "2026"}, {3, "Ансат"}, {4, "RA-2"}, {5, "123"}, {6, "Россия"},
          // 100:00 less 03.06 (30 + half of 10); landings 50 - 1.
          {7, "99 час 25 мин"}, {8, "49"},
          // 12.05: 60 + 13 (half of 25 rounded up); 20.05: 120. Not 05.05.
          {9, "3 час 13 мин"}, {10, "5"},
          // PW207K from 15.05: the 20th only, starts.
          {11, "PW207K"}, {12, "PCE-1"}, {13, "1 час 30 мин"}, {14, "2"},
          // The second engine over the month: its own columns and cycles.
          {15, "PW207D"}, {16, "PCE-2"}, {17, "2 час 35 мин"}, {18, "12"},
          // Gearbox with ground running at the full share; after the month 30 minutes.
          {19, "ВР-А"}, {20, "01.01.20"}, {21, "R-7"}, {22, "3 час 30 мин"}, {23, "499 час 30 мин"},
          // APU fitted on 25.05: nothing in the month; 10:00 less 5 minutes of 03.06.
          {24, "АИ-9"}, {25, "25.05.26"}, {26, "A-9"}, {27, "0 час 00 мин"}, {28, "9 час 55 мин"},
          // Tail rotor: the blades keep "_"; one value when both blades agree.
          {29, "РВ-А"}, {30, "03.02.24"}, {31, "T_1; T_2"}, {32, "3 час 25 мин"}, {33, "49 час 20 мин"},
          // Main rotor: "_" as blanks; the blade fitted on 15.05 counted from it and from the aircraft.
          {34, "НВ-А"}, {35, "15.05.26; 01.01.24"}, {36, "M 1; M 2"}, {37, "2 час 00 мин; 3 час 25 мин"},
          {38, "12 час 00 мин; 19 час 20 мин"}, {39, "АО «Первый»"}}},
        // Engine 2 fitted after the month: not written.
        {"UPDATE DVIGATEL SET DATA_KALENDAR='2026-06-02' WHERE ODIN_DVA='1'",
         {{11, "PW207K"}, {15, ""}, {16, ""}, {17, ""}, {18, ""}, {19, "ВР-А"}}},
        // No engine, gearbox or APU rows: their positions empty.
        {"DELETE FROM DVIGATEL",
         {{11, ""}, {14, ""}, {19, ""}, {9, "3 час 13 мин"}}},
    };
    for (const Case& c : cases) {
        if (c.setup) conn->execute(QString::fromUtf8(c.setup));
        if (c.setup && QString::fromUtf8(c.setup).startsWith(QLatin1String("DELETE"))) {
            conn->execute(QStringLiteral("DELETE FROM REDUCTOR"));
            conn->execute(QStringLiteral("DELETE FROM VSU"));
        }
        const auto r = run("frmPlanReport", "ООО ПСБ «Авиализинг». Форма ежемесячного отчета",
                           {set("cboExpl", "АО «Первый»"), set("cboYear", "2026"), set("cboMonth", "Апрель"),
                            select("Ансат RA-2")});
        ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
        const QStringList got = row();
        for (const auto& [pos, value] : c.expected)
            EXPECT_EQ(got[pos], QString::fromUtf8(value)) << (c.setup ? c.setup : "fleet") << ", position " << pos;
    }
}

TEST_F(LizPsbReportTest, PickingRunsTheReportAndMovesTheCombosToTheOverhaulMonth)
{
    fill(kTables, kFleet);
    auto* frame = openFrame(QStringLiteral("frmPlanReport"),
                            QStringLiteral("ООО ПСБ «Авиализинг». Форма ежемесячного отчета"), QStringLiteral("Сидоров"));
    ASSERT_NE(frame, nullptr);
    ASSERT_FALSE(frame->isPlaceholder());
    auto* month = frame->findChild<QComboBox*>(QStringLiteral("cboMonth"));
    auto* year = frame->findChild<QComboBox*>(QStringLiteral("cboYear"));
    auto* show = frame->findChild<QPushButton*>(QStringLiteral("cmdReport"));
    ASSERT_TRUE(month && year && show);
    EXPECT_FALSE(show->isEnabled());
    // The year list runs from the first flight's year to the clock's.
    EXPECT_EQ(year->count(), 1);
    EXPECT_EQ(month->currentText(), QStringLiteral("Июнь"));
    plan::shell::FrameDriver drive(frame);
    drive.set(QStringLiteral("cboMonth"), QStringLiteral("Апрель"));
    drive.select(QStringLiteral("Ансат RA-2"));
    EXPECT_TRUE(show->isEnabled());
    EXPECT_EQ(month->currentText(), QStringLiteral("Май"));
    EXPECT_EQ(year->currentText(), QStringLiteral("2026"));
    EXPECT_EQ(row()[1], QStringLiteral("май"));
    EXPECT_EQ(row()[40], QStringLiteral("Сидоров П.И."));
    // A month after the overhaul stays as chosen.
    drive.set(QStringLiteral("cboMonth"), QStringLiteral("Июнь"));
    drive.press(QStringLiteral("cmdReport"));
    EXPECT_EQ(month->currentText(), QStringLiteral("Июнь"));
    EXPECT_EQ(row()[9], QStringLiteral("0 час 35 мин"));
}

TEST_F(LizPsbReportTest, SumsReadOnceAgreeWithTheRoutinesQueries)
{
    fill(kTables, kFleet);
    const rarozidi::BoardFlying once(*conn, QStringLiteral("RA-2"));
    const QDate start(2026, 5, 10), end(2026, 5, 31);
    for (const char* m : {"HOUR", "POSADKI", "CICL", "ZAPUSK", "VSU_HOUR", "VSU_HOUR_TA14", "VSU_GENERAT"})
        for (int selector : {-1, 0, 1, 2, 100})
            for (bool ground : {false, true}) {
                const QString measure = QString::fromLatin1(m);
                EXPECT_EQ(once.FunNarZaPer(start, end, measure, selector, ground, 0.5),
                          rarozidi::FunNarZaPer(*conn, start, end, QStringLiteral("RA-2"), measure, selector, ground, 0.5))
                    << m << " " << selector;
                EXPECT_EQ(once.FunNarDateStopPer(end, measure, selector, ground, 0.5),
                          rarozidi::FunNarDateStopPer(*conn, end, QStringLiteral("RA-2"), measure, selector, ground, 0.5))
                    << m << " " << selector;
            }
}

TEST_F(LizPsbReportTest, PreparerFromUsersExceptBuiltInAccounts)
{
    fill(kTables, kFleet);
    const std::pair<const char*, const char*> cases[] = {
        {"Сидоров", "Сидоров П.И."}, {"Козлов", "Козлов"}, {"Гость", "Гость"},
        {"Администратор", ""},       {"User", ""},         {"SYSDBA", ""},
    };
    for (const auto& [user, expected] : cases)
        EXPECT_EQ(plan::reports::preparerName(conn.get(), QString::fromUtf8(user)), QString::fromUtf8(expected)) << user;
    EXPECT_EQ(plan::reports::lizPsbTemplate(QStringLiteral("Ансат-У")), QStringLiteral("rep18"));
    EXPECT_EQ(plan::reports::lizPsbTemplate(QStringLiteral("Ми-8Т")), QStringLiteral("rep17"));
}

} // namespace

namespace {
// `plan run` presses the show button only when the picks did not already show
// the report with the options as they stand: a pick that shows it is one
// run, an option set after it needs the press.
TEST_F(LizPsbReportTest, PlanRunShowsAPickedReportOnceAndAgainAfterAChange)
{
    fill(kTables, kFleet);
    const char* const item = "ООО ПСБ «Авиализинг». Форма ежемесячного отчета";
    const struct {
        const char* name;
        std::vector<plan::shell::RunStep> steps;
        long long runs;    // staging rows written: one a run
        const char* month; // position 1 of the row shown
    } cases[] = {
        {"pick", {select("Ансат RA-2")}, 1, "июнь"},
        {"month then pick", {set("cboMonth", "Апрель"), select("Ансат RA-2")}, 1, "май"},
        {"pick then month", {select("Ансат RA-2"), set("cboMonth", "Апрель")}, 2, "май"},
    };
    for (const auto& k : cases) {
        const long long before = plan::Heartbeat::sent(plan::Heartbeat::Sent::Write);
        const auto r = run("frmPlanReport", item, k.steps);
        ASSERT_EQ(r.status, 0) << k.name << ": " << r.errors.join("; ").toStdString();
        EXPECT_EQ(plan::Heartbeat::sent(plan::Heartbeat::Sent::Write) - before, k.runs) << k.name;
        const plan::shell::StagedTable* t = r.stagedTable(QStringLiteral("REPORT_LIZING_PSB_MONTH"));
        ASSERT_TRUE(t && t->rows.size() == 1) << k.name;
        EXPECT_EQ(t->rows[0].value(1), QString::fromUtf8(k.month)) << k.name;
    }
}
} // namespace
