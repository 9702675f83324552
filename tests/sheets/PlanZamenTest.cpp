// The replacement plan as a planning engineer makes it: aircraft ticked in
// the grid, the staging rows read back by position. Today is 15.06.2026, so
// the calendar column reaches 15.12.2026.
#include "support/FrameFixture.h"

#include "sheets/TfrPlanSprPlanZamen.h"

using namespace frametest;

namespace {

const QString kWindow = QStringLiteral("frmPlanSpravka");
const QString kItem = QStringLiteral("План замены агрегатов");
const QString kStaging = QStringLiteral("SELECT * FROM REPORT_PLAN_ZAMEN ORDER BY ID;");

const QStringList kTables = {"TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR", "VSU",
                             "VOZDUSHNY_VINT", "LOPAST", "VTULKA_NV", "ETA_VTULKA_NV", "HVOSTOVOY_VINT", "LEBEDKA",
                             "AGREGAT", "ETAAGREGAT", "SHLANG", "SOBSTVENNIKI"};

QString engine(const char* serial, const char* board, int repairs, const char* ppr, int first, int between,
               int star = 0)
{
    return QStringLiteral("INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, "
                          "NARABOTKA_PPR, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, ZVEZDA) VALUES ('Ми-8Т', 'ТВ2-117', "
                          "'%1', '%2', %3, '%4', %5, %6, %7)")
        .arg(QString::fromUtf8(serial), QString::fromUtf8(board))
        .arg(repairs)
        .arg(QString::fromUtf8(ppr))
        .arg(first)
        .arg(between)
        .arg(star);
}

// An engine with calendar limits only (no running time since overhaul).
QString calendarEngine(const char* serial, const char* made, int repairs, const char* assigned, const char* first,
                       const char* between)
{
    return QStringLiteral("INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, "
                          "IZGOTOVLEN_DATA, REMONT_DATA, DATA_KALENDAR, NAZNACHENNYI_LET, DO_PERVOGO_LET, MEZHREMONTNYI_LET) "
                          "VALUES ('Ми-8Т', 'ТВ2-117', '%1', 'RA-3', %2, '%3', '%3', '%3', '%4', %5, %6)")
        .arg(QString::fromUtf8(serial))
        .arg(repairs)
        .arg(QString::fromUtf8(made), QString::fromUtf8(assigned))
        .arg(first ? QStringLiteral("'%1'").arg(QString::fromUtf8(first)) : QStringLiteral("NULL"))
        .arg(between ? QStringLiteral("'%1'").arg(QString::fromUtf8(between)) : QStringLiteral("NULL"));
}

QString unit(const char* idName, const char* serial, const char* ppr, int between)
{
    return QStringLiteral("INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ID_NAME, CHERT_NOMER, ZAVODSKOY_NOMER, ED_IZMERENIA, "
                          "PLAN_DVIG_VSU, VSEGO_REMONTOV, NARABOTKA_PPR, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'RA-4', "
                          "'%1', 'X', '%2', '0', '0', 1, '%3', %4)")
        .arg(QString::fromUtf8(idName), QString::fromUtf8(serial), QString::fromUtf8(ppr))
        .arg(between);
}

QString reference(const char* idName, const char* drawing, const char* name)
{
    return QStringLiteral("INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, CHERT_NOMER, NAME) VALUES ('Ми-8Т', '%1', '%2', '%3')")
        .arg(QString::fromUtf8(idName), QString::fromUtf8(drawing), QString::fromUtf8(name));
}

QStringList fleet()
{
    QStringList f = {
        "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т')",
        "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ка-26')",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, NARABOTKA_PPR) VALUES ('Ми-8Т', 'RA-1', '1234:56')",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, NARABOTKA_PPR) VALUES ('Ми-8Т', 'RA-2', '10:00')",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, NARABOTKA_PPR) VALUES ('Ми-8Т', 'RA-3', '10:00')",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, NARABOTKA_PPR) VALUES ('Ми-8Т', 'RA-4', '10:00')",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, NARABOTKA_PPR) VALUES ('Ка-26', 'RA-9', '10:00')",
        // APU never repaired: starts to the first overhaul (1000 - 400), bleeds
        // between overhauls since none to the first is set (3000 - 500).
        "INSERT INTO VSU (TIP_VS, MESTO_USTANOVKI, VSEGO_REMONTOV, ZAPUSKI_PPR, ZAPUSKI_MEGREMONTNY, ZAPUSKI_DO_PERVOGO, "
        "OTBORY_PPR, OTBORY_MEGREMONTNY) VALUES ('Ми-8Т', 'RA-1', 0, 400, 2000, 1000, 500, 3000)",
        // A main-rotor blade kept by its assigned life only: 1000 - 900.
        "INSERT INTO LOPAST (TIP_VS, TIP_VINTA, ZAVODSKOY_NOMER, GDE_STOIT, NARABOTKA_SNE, RESURS_CHASOV) VALUES "
        "('Ми-8Т', 'Несущий', 'B-1', 'RA-4', '900:00', 1000)",
        // A tail-rotor hub between overhauls: 1000 - 690; a winch to its first overhaul: 500 - 480.
        "INSERT INTO HVOSTOVOY_VINT (TIP_VS, ZAVODSKOY_NOMER, ZAVODSKOY_NOMER_VTULKA, GDE_STOIT, VSEGO_REMONTOV, "
        "NARABOTKA_PPR, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'T-1', 'V-1', 'RA-4', 2, '690:00', 1000)",
        "INSERT INTO LEBEDKA (TIP_VS, ZAVODSKOY_NOMER_LEBEDKA, GDE_STOIT, VSEGO_REMONTOV, NARABOTKA_PPR, "
        "DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'L-1', 'RA-4', 0, '480:00', 500, 2000)",
        // A hose by hours (1000 - 820) and one by the calendar from its
        // installation: 01.02.2022 + 4.10 = 01.12.2026.
        "INSERT INTO SHLANG (TIP_VS, GDE_STOIT, ZAVODSKOY_NOMER, VID_UCHETA, NARABOTKA_SNE, RESURS_CHASOV) VALUES "
        "('Ми-8Т', 'RA-4', 'H-1', '1', '820:00', 1000)",
        "INSERT INTO SHLANG (TIP_VS, GDE_STOIT, ZAVODSKOY_NOMER, VID_UCHETA, UCHET_OT_DATY_UST, DATA_VYPUSKA_RUKAVA, "
        "DATA_USTANOVKI, RESURS) VALUES ('Ми-8Т', 'RA-4', 'H-2', '0', 1, '2010-01-01', '2022-02-01', '4.10')",
        // A propeller repaired once: between overhauls 2000 - 1990.
        "INSERT INTO VOZDUSHNY_VINT (TIP_VS, ZAVODSKOY_NOMER, GDE_STOIT, VSEGO_REMONTOV, NARABOTKA_PPR, "
        "DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'P-1', 'RA-4', 1, '1990:00', 1000, 2000)",
        // A main-rotor hub named by its reference row.
        "INSERT INTO ETA_VTULKA_NV (TIP_VS, ID_NAME, CHERT_NOMER, NAME) VALUES ('Ми-8Т', '7', '8-1930', 'Втулка несущего винта')",
        "INSERT INTO VTULKA_NV (TIP_VS, GDE_STOIT, ID_NAME, ZAVODSKOY_NOMER, VSEGO_REMONTOV, NARABOTKA_PPR, "
        "MEZHREMONTNYI_CHASOV) VALUES ('Ми-8Т', 'RA-4', '7', 'N-1', 1, '3000:00', 4000)",
        // Ka-26 RA-9: an engine whose running time cannot be read.
        "INSERT INTO DVIGATEL (TIP_VS, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, NARABOTKA_PPR, MEZHREMONTNYI_CHASOV) "
        "VALUES ('Ка-26', 'E-X', 'RA-9', 1, '12:7x', 1000)",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ка-26', 'RA-8')",
        "INSERT INTO DVIGATEL (TIP_VS, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, IZGOTOVLEN_DATA, DATA_KALENDAR, "
        "NAZNACHENNYI_LET) VALUES ('Ка-26', 'E-Y', 'RA-8', 1, '2020-01-01', '2020-01-01', '7 лет')",
    };
    // RA-1: 150 left (never repaired: to the first overhaul), 151 left
    // (repaired: between overhauls), a gearbox with 100 left and its mark.
    f << engine("E-150", "RA-1", 0, "1350:00", 1500, 2000) << engine("E-151", "RA-1", 1, "1849:00", 1500, 2000)
      << QStringLiteral("INSERT INTO REDUCTOR (TIP_VS, ZAVODSKOI_NOMER, GDE_STOIT, VSEGO_REMONTOV, NARABOTKA_PPR, "
                        "DO_PERVOGO_CHASOV, ZVEZDA) VALUES ('Ми-8Т', 'R-1', 'RA-1', 0, '900:00', 1000, 1)");
    // RA-2: 4500 left, 4501 left, 40 minutes left, 30 minutes past the limit.
    f << engine("E-4500", "RA-2", 1, "500:00", 0, 5000) << engine("E-4501", "RA-2", 1, "499:00", 0, 5000)
      << engine("E-0", "RA-2", 1, "4999:20", 0, 5000) << engine("E-OVER", "RA-2", 1, "5000:30", 0, 5000);
    // RA-3: calendar limits. Made 15.12.2019: 7 years -> 15.12.2026 (within
    // six months); made 15.01.2020: 7 years -> 15.01.2027 (seven months);
    // never repaired with 6.00 to the first overhaul from 15.06.2020 ->
    // 15.06.2026; repaired, so 6.00 to the first overhaul does not count.
    f << calendarEngine("C-6", "2019-12-15", 1, "7.00", nullptr, nullptr)
      << calendarEngine("C-7", "2020-01-15", 1, "7.00", nullptr, nullptr)
      << calendarEngine("C-F", "2020-06-15", 0, "20.00", "6.00", "9.00")
      << calendarEngine("C-R", "2020-06-15", 1, "20.00", "6.00", "9.00");
    // RA-4: units named by their reference rows.
    f << reference("1", "2ГП-1", "Генератор постоянного тока") << reference("2", "8Н-2", "Насос")
      << reference("3", "ГС-18", "Генератор") << reference("4", "15К-3", "Клапан обратный")
      << reference("5", "1-5", "Фара") << unit("1", "U-1", "10:00", 100) << unit("2", "U-2", "20:00", 100)
      << unit("3", "U-3", "30:00", 100) << unit("4", "U-4", "40:00", 100) << unit("5", "U-5", "50:00", 100)
      << unit("99", "U-6", "60:00", 100);
    return f;
}

class PlanZamen : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        fill(kTables, fleet());
    }
    // The rows after ticking the aircraft, each split into its positions
    // (position p at index p).
    std::vector<QStringList> plan(std::vector<plan::shell::RunStep> ticks, plan::shell::RunResult* result = nullptr)
    {
        const plan::shell::RunResult r = run(kWindow, kItem, ticks);
        if (result) *result = r;
        else EXPECT_EQ(r.status, 0) << r.errors.join(QLatin1Char('\n')).toStdString();
        std::vector<QStringList> rows;
        for (const QString& row : staging(kStaging, 40)) rows.push_back(QStringList{QString()} + row.split(QLatin1Char(';')));
        return rows;
    }
};

} // namespace

TEST(PlanZamenRules, BandsAbbreviationsAndCells)
{
    using namespace plan::sheets;
    struct Band { long long hours; int pos; };
    for (const Band& b : {Band{0, 5}, Band{1, 5}, Band{150, 5}, Band{151, 6}, Band{300, 6}, Band{301, 7},
                          Band{4350, 33}, Band{4351, 34}, Band{4500, 34}, Band{4501, -1}, Band{-1, -1}})
        EXPECT_EQ(bandPosition(b.hours), b.pos) << b.hours;

    struct Abbr { const char* drawing; const char* name; const char* kind; };
    for (const Abbr& a : {Abbr{"2ГП-1", "Генератор постоянного тока", "Ген.пост."}, // vowel, then not
                          Abbr{"8Н-2", "Насос", "Насос."},                           // no blank, vowel: five letters
                          Abbr{"8Н-2", "Клапан", "Клап."},                           // no blank, no vowel: four
                          Abbr{"15К-3", "Клапан обратный", "Клап.обр."},            // not, then vowel
                          Abbr{"8", "БАК Топливный", "БАК.Топл."},                  // short word, capitals
                          Abbr{"8", "Втулка НВ 8АТ", "Втул.НВ."},                   // a short second word whole
                          Abbr{"ГС-18", "Генератор", "ГС-18"},                      // drawing kept
                          Abbr{"1-5", "Фара", "1-5"},                               // "1", not "15"
                          Abbr{"2А", "", "2А"}})                                     // no name: the drawing
        EXPECT_EQ(unitKind(QString::fromUtf8(a.drawing), QString::fromUtf8(a.name)), QString::fromUtf8(a.kind)) << a.name;

    plan::StagingRow r;
    FunNormalADD(r, 5, QStringLiteral("150"), QStringLiteral("Двиг."));
    FunNormalADD(r, 5, QStringLiteral("100*"), QStringLiteral("Гл.ред."));
    FunNormalADD(r, 6, QStringLiteral("12.26"), QStringLiteral("ЛНВ"));
    EXPECT_EQ(r.at(5).toString(), QStringLiteral("Двиг.-150  Гл.ред.-100*"));
    EXPECT_EQ(r.at(6).toString(), QStringLiteral("ЛНВ-12.26"));
}

// Bands by hours left: 150, 151, 4500, 4501, under one hour, past the
// limit; two entries in one cell; the first-overhaul rule; the APU.
TEST_F(PlanZamen, HoursGoIntoTheirBands)
{
    plan::shell::RunResult res;
    const auto rows = plan({tick("Ми-8Т RA-1"), tick("Ми-8Т RA-2")}, &res);
    ASSERT_EQ(rows.size(), 2u);
    const QStringList& ra1 = rows[0];
    EXPECT_EQ(ra1.value(2), QStringLiteral("Ми-8Т RA-1"));
    EXPECT_EQ(ra1.value(3), QStringLiteral("1234"));
    EXPECT_EQ(ra1.value(4), QStringLiteral("600 зап 2500 отб"));
    EXPECT_EQ(ra1.value(5), QStringLiteral("Двиг.-150  Гл.ред.-100*"));
    EXPECT_EQ(ra1.value(6), QStringLiteral("Двиг.-151"));
    for (int p = 7; p <= 38; ++p) EXPECT_EQ(ra1.value(p), QString()) << p;

    const QStringList& ra2 = rows[1];
    EXPECT_EQ(ra2.value(4), QStringLiteral("-")); // no APU
    EXPECT_EQ(ra2.value(5), QStringLiteral("Двиг.-0"));
    EXPECT_EQ(ra2.value(34), QStringLiteral("Двиг.-4500"));
    for (int p = 6; p <= 33; ++p) EXPECT_EQ(ra2.value(p), QString()) << p;
    // 4501 left and the overrun are in no band; the overrun is named under the heading.
    EXPECT_EQ(ra2.join(QString()).count(QStringLiteral("Двиг.")), 2);
    EXPECT_EQ(res.status, 0);
    const auto built = plan::sheets::buildPlanZamen(conn.get(), {{{QStringLiteral("Ми-8Т"), QStringLiteral("RA-2")}}},
                                                    plan::Clock::today());
    EXPECT_EQ(built.doubts, QStringList{QStringLiteral("ресурс выработан, в полосы не включены: Ми-8Т RA-2 Двиг. № E-OVER "
                                                       "(остаток -0:30)")});
}

// The calendar column takes limits up to six months ahead: seven months is
// out; the first-overhaul limit counts only while never repaired.
TEST_F(PlanZamen, CalendarWithinSixMonths)
{
    const auto rows = plan({tick("Ми-8Т RA-3")});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value(38), QStringLiteral("Двиг.-12.26  Двиг.-06.26"));
    for (int p = 5; p <= 34; ++p) EXPECT_EQ(rows[0].value(p), QString()) << p;
    // 15.06.2026 is not past: only a date before today is named under the heading.
    EXPECT_TRUE(plan::sheets::buildPlanZamen(conn.get(), {{{QStringLiteral("Ми-8Т"), QStringLiteral("RA-3")}}},
                                             QDate(2026, 6, 15))
                    .doubts.isEmpty());
    EXPECT_EQ(plan::sheets::buildPlanZamen(conn.get(), {{{QStringLiteral("Ми-8Т"), QStringLiteral("RA-3")}}},
                                           QDate(2026, 6, 16))
                  .doubts,
              QStringList{QStringLiteral("календарный срок уже истек: Ми-8Т RA-3 Двиг. № C-F (15.06.2026)")});
}

// Every other kind follows the engine's rule with its own columns; units
// and hubs are named by their reference rows, abbreviated by the drawing.
TEST_F(PlanZamen, EveryKindWithItsOwnColumns)
{
    const auto rows = plan({tick("Ми-8Т RA-4")});
    ASSERT_EQ(rows.size(), 1u);
    const QStringList& r = rows[0];
    EXPECT_EQ(r.value(5), QStringLiteral("В.винт-10  Лебедка-20  ЛНВ-100  Ген.пост.-90  Насос.-80  ГС-18-70  "
                                         "Клап.обр.-60  1-5-50  X-40"));
    EXPECT_EQ(r.value(6), QStringLiteral("Шланги-180"));
    EXPECT_EQ(r.value(7), QStringLiteral("Рул.винт-310"));
    EXPECT_EQ(r.value(11), QStringLiteral("Втул.нес.-1000"));
    EXPECT_EQ(r.value(38), QStringLiteral("Шланги-12.26"));
}

// A running time that cannot be read stops the plan with a message naming
// the aircraft, the component, the value and its column.
TEST_F(PlanZamen, UnreadableRunningTimeIsTold)
{
    plan::shell::RunResult r;
    plan({tick("Ка-26 RA-9")}, &r);
    EXPECT_NE(r.status, 0);
    const QString message = r.errors.join(QLatin1Char('\n'));
    for (const char* part : {"Ка-26 RA-9", "Двиг.", "E-X", "12:7x", "NARABOTKA_PPR"})
        EXPECT_TRUE(message.contains(QString::fromUtf8(part))) << part << ": " << message.toStdString();
    // A calendar limit that is not "years.months" likewise.
    plan({tick("Ка-26 RA-8")}, &r);
    EXPECT_NE(r.status, 0);
    const QString calendar = r.errors.join(QLatin1Char('\n'));
    for (const char* part : {"Ка-26 RA-8", "E-Y", "7 лет", "NAZNACHENNYI_LET", "годы.месяцы"})
        EXPECT_TRUE(calendar.contains(QString::fromUtf8(part))) << part << ": " << calendar.toStdString();
}
