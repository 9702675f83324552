// The frame kit: periods, the type split, SQL text, the aircraft grid, the
// code selectors and back-dating.
#include "frames/AircraftGrid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/LaterFlights.h"
#include "frames/OperatorHeader.h"
#include "frames/Period.h"
#include "frames/SqlText.h"
#include "frames/TypeSplit.h"
#include "platform/IniFile.h"
#include "support/FrameFixture.h"

#include <QTreeWidgetItem>

namespace {
using namespace plan::frames;

TEST(Period, QuartersAndMonthsEndOnTheCalendarsLastDay)
{
    struct Case {
        int year, index;
        QDate first, last;
    } cases[] = {
        {2026, 0, {2026, 1, 1}, {2026, 3, 31}},  {2026, 1, {2026, 4, 1}, {2026, 6, 30}},
        {2026, 2, {2026, 7, 1}, {2026, 9, 30}},  {2026, 3, {2026, 10, 1}, {2026, 12, 31}},
        {2026, 7, {2026, 1, 1}, {2026, 3, 31}},  {2026, -1, {2026, 1, 1}, {2026, 3, 31}},
    };
    for (const Case& c : cases) {
        const Period p = quarterOf(c.year, c.index);
        EXPECT_EQ(p.first, c.first) << c.index;
        EXPECT_EQ(p.last, c.last) << c.index;
    }
    EXPECT_EQ(monthOf(2024, 1).last, QDate(2024, 2, 29));
    EXPECT_EQ(monthOf(2026, 1).last, QDate(2026, 2, 28));
    EXPECT_EQ(monthOf(2026, 11).last, QDate(2026, 12, 31));
    EXPECT_EQ(quarterOf(2026, 0).days(), 90);
    // The report date: the period's last day when that is past, today otherwise.
    EXPECT_EQ(reportDate(monthOf(2026, 4), QDate(2026, 6, 15)), QDate(2026, 5, 31));
    EXPECT_EQ(reportDate(monthOf(2026, 5), QDate(2026, 6, 15)), QDate(2026, 6, 15));
    EXPECT_EQ(reportDate(monthOf(2026, 5), QDate(2026, 6, 30)), QDate(2026, 6, 30));
}

TEST(TypeSplit, TheTwoRulesOfTheRegisters)
{
    struct Case {
        const char* type;
        TypeSplit mi8, any;
    } cases[] = {
        {"Ми-8АМТ", {"Ми-8", "АМТ", true}, {"Ми-8", "АМТ", true}},
        {"Ми-8", {"Ми-8", "Т", true}, {"Ми-8", "Т", true}},
        {"Ми-8МТВ-1", {"Ми-8", "МТВ-1", true}, {"Ми-8", "МТВ-1", true}},
        {"Ка-32А11ВС", {"Ка-32А11ВС", "", false}, {"Ка-32", "А11ВС", true}},
        {"Ми-171", {"Ми-171", "", false}, {"Ми-171", "Т", true}},
        {"Ансат", {"Ансат", "", false}, {"", "Ансат", true}},
    };
    for (const Case& c : cases) {
        const QString t = QString::fromUtf8(c.type);
        EXPECT_EQ(splitTypeMi8(t), c.mi8) << c.type;
        EXPECT_EQ(splitTypeAny(t), c.any) << c.type;
    }
}

TEST(SqlText, QuotesDoubledDatesAndConditions)
{
    EXPECT_EQ(sqlText(QStringLiteral("RA-0'1")), QStringLiteral("'RA-0''1'"));
    EXPECT_EQ(sqlText(QStringLiteral("RA-1' Or '1'='1")), QStringLiteral("'RA-1'' Or ''1''=''1'"));
    EXPECT_EQ(sqlDate(QDate(2026, 3, 5)), QStringLiteral("'3,5,2026'"));
    EXPECT_EQ(orCondition(QStringLiteral("BORTOVOI_NOMER"), {QStringLiteral("RA-1"), QStringLiteral("RA-2")}),
              QStringLiteral("BORTOVOI_NOMER='RA-1' Or BORTOVOI_NOMER='RA-2'"));
    EXPECT_EQ(orCondition(QStringLiteral("BORTOVOI_NOMER"), {}), QStringLiteral("BORTOVOI_NOMER='!'"));
    EXPECT_EQ((splitAircraft(QStringLiteral("Ми-8 АМТ RA-22000"))),
              (AircraftRef{QStringLiteral("Ми-8 АМТ"), QStringLiteral("RA-22000")}));
}

class KitDbTest : public frametest::FrameTest {};

TEST_F(KitDbTest, GridGroupsTickTheirRowsAndSplitAtTheLastBlank)
{
    fill({QStringLiteral("REESTR")},
         {QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT) VALUES ('Ми-8АМТ', 'RA-2', 'ЮТЭЙР')"),
          QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-8АМТ', 'RA-1')"),
          QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ка-32', 'RA-3')"),
          QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-2 HIDE', 'RA-4')")});
    AircraftGrid grid;
    grid.fillTypesWithAircraft(conn.get(), QString::fromUtf8(kRegisterTypesQuery));
    ASSERT_EQ(grid.topLevelItemCount(), 2); // the hidden type is not offered
    EXPECT_EQ(grid.topLevelItem(1)->child(0)->text(2), QStringLiteral("Ми-8АМТ RA-1"));
    grid.topLevelItem(1)->setCheckState(1, Qt::Checked);
    EXPECT_EQ(grid.tickedTexts(), (QStringList{QStringLiteral("Ми-8АМТ RA-1"), QStringLiteral("Ми-8АМТ RA-2")}));
    grid.topLevelItem(1)->child(0)->setCheckState(1, Qt::Unchecked);
    ASSERT_EQ(grid.tickedAircraft().size(), 1u);
    EXPECT_EQ(grid.tickedAircraft()[0].board, QStringLiteral("RA-2"));
    const auto groups = grid.groups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_TRUE(groups[0].ticked.isEmpty());
    EXPECT_EQ(groups[1].ticked.size(), 1);

    // A query of the frame's own choosing per type, here one operator's aircraft.
    const QString op = QStringLiteral("ЮТЭЙР");
    grid.fillTypesWithAircraft(conn.get(), QString::fromUtf8(kRegisterTypesQuery), false, [&op](const QString& type) {
        return QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Where TIP_VS=") + sqlText(type) +
               QStringLiteral(" And EXPLUATANT=") + sqlText(op) + QStringLiteral(" Order By BORTOVOI_NOMER;");
    });
    ASSERT_EQ(grid.topLevelItemCount(), 2);
    EXPECT_EQ(grid.topLevelItem(0)->childCount(), 0); // the type stays, without aircraft of this operator
    ASSERT_EQ(grid.topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(grid.topLevelItem(1)->child(0)->text(2), QStringLiteral("Ми-8АМТ RA-2"));

    grid.fillTypesOwnLeased(conn.get(), QString::fromUtf8(kRegisterTypesQuery));
    ASSERT_EQ(grid.topLevelItemCount(), 1);
    EXPECT_EQ(grid.topLevelItem(0)->text(2), QStringLiteral("Выбрать все ВС"));
    EXPECT_EQ(grid.topLevelItem(0)->childCount(), 4);
    grid.topLevelItem(0)->setCheckState(1, Qt::Checked);
    EXPECT_EQ(grid.tickedCount(), 4);

    // From the keyboard: Space on a row ticks it, on the group row all of them.
    grid.setAllTicked(false);
    // Reached by Tab before any row was current: Space ticks the first row's group.
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        grid.setCurrentItem(nullptr);
        QCoreApplication::sendEvent(&grid, &in);
        EXPECT_EQ(grid.currentItem(), grid.topLevelItem(0));
    }
    auto space = [&grid] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(&grid, &press);
    };
    grid.setCurrentItem(grid.topLevelItem(0)->child(1));
    space();
    EXPECT_EQ(grid.tickedCount(), 1);
    space();
    EXPECT_EQ(grid.tickedCount(), 0);
    grid.setCurrentItem(grid.topLevelItem(0));
    space();
    EXPECT_EQ(grid.tickedCount(), 4);
}

TEST_F(KitDbTest, SelectorsGiveMinusOneForWhatIsNotInTheList)
{
    fill({QStringLiteral("EXPLUATANTY")},
         {QStringLiteral("INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('E2', 'Авиакомпания Б', 0)"),
          QStringLiteral("INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('E1', 'Авиакомпания А', 0)"),
          QStringLiteral("INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('E3', 'Скрытая', 1)")});
    const QString ini = base + QStringLiteral("/user/DerOvorav.ini");
    plan::IniFile(ini).writeInteger(QStringLiteral("MAIN"), QStringLiteral("CBOEXPL"), 1);
    OperatorSelector cbo(nullptr, ini);
    cbo.FunCboExpl(conn.get(), true);
    ASSERT_EQ(cbo.count(), 3); // E1, E2 by code, then "Очистить поле"
    EXPECT_EQ(cbo.currentText(), QStringLiteral("Авиакомпания Б"));
    EXPECT_EQ(cbo.code(), QStringLiteral("E2"));
    cbo.setCurrentIndex(0);
    EXPECT_EQ(plan::IniFile(ini).readInteger(QStringLiteral("MAIN"), QStringLiteral("CBOEXPL"), 9), 0);
    cbo.setCurrentIndex(2); // "Очистить поле" clears the choice
    EXPECT_EQ(cbo.currentIndex(), -1);
    EXPECT_EQ(cbo.code(), QStringLiteral("-1"));
    EXPECT_EQ(plan::IniFile(ini).readInteger(QStringLiteral("MAIN"), QStringLiteral("CBOEXPL"), 9), -1);
    EXPECT_EQ(cbo.codeOf(QStringLiteral("Скрытая")), QStringLiteral("-1"));
}

TEST_F(KitDbTest, BackDatingSubtractsOnlyFlightsAfterTheDate)
{
    fill({QStringLiteral("SPRAVKA")},
         {// On the date itself: not subtracted.
          QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK, "
                         "V_VOZDUHE_1, NA_ZEMLE_1, V_VOZDUHE_2, V_VOZDUHE_RED, NA_ZEMLE_RED) VALUES "
                         "('RA-1', '2026-06-10', '05:00', '01:00', 3, '05:00', '01:00', '04:00', '06:00', '00:10')"),
          QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK, "
                         "V_VOZDUHE_1, NA_ZEMLE_1, V_VOZDUHE_2, V_VOZDUHE_RED, NA_ZEMLE_RED) VALUES "
                         "('RA-1', '2026-06-11', '01:30', '00:25', 2, '01:20', '00:25', '01:10', '01:40', '00:03')"),
          QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK, "
                         "V_VOZDUHE_1, NA_ZEMLE_1, V_VOZDUHE_2, V_VOZDUHE_RED, NA_ZEMLE_RED) VALUES "
                         "('RA-1', '2026-06-12', '02:45', '00:03', 1, '02:40', '00:03', '02:30', '02:50', '00:03')"),
          QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, KOL_VO_POSADOK) VALUES "
                         "('RA-2', '2026-06-12', '09:00', 7)")});
    LaterFlights later(conn.get(), QDate(2026, 6, 10));
    const rarozidi::GroundRule none;
    const rarozidi::GroundRule half{true, 0.5};
    struct Case {
        FlightColumns cols;
        rarozidi::GroundRule rule;
        long long minutes;
    } cases[] = {
        {FlightColumns::Aircraft, none, 90 + 165},
        {FlightColumns::Aircraft, half, 90 + 13 + 165 + 2}, // 25 * 0.5 = 12.5 -> 13, 3 * 0.5 = 1.5 -> 2
        {selectorColumns(0), none, 80 + 160},
        {selectorColumns(7), none, 80 + 160},
        {selectorColumns(1), none, 70 + 150},
        {selectorColumns(3), half, 100 + 2 + 170 + 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(later.minutesAfter(QStringLiteral("RA-1"), c.cols, c.rule), c.minutes) << static_cast<int>(c.cols);
    EXPECT_EQ(later.landingsAfter(QStringLiteral("RA-1")), 3);
    const auto [sne, ppr] =
        later.correctHours(QStringLiteral("RA-1"), QStringLiteral("1000:00"), QStringLiteral("10:00"),
                           FlightColumns::Aircraft, none, QStringLiteral("REESTR"));
    EXPECT_EQ(sne, 60000 - 255);
    EXPECT_EQ(ppr, 600 - 255);
    // Totals kept in whole minutes are backed out the same way.
    EXPECT_EQ(later.correctMinutes(QStringLiteral("RA-1"), 60000, 600, FlightColumns::Aircraft, half),
              (std::pair<long long, long long>{60000 - 270, 600 - 270}));
    EXPECT_EQ(later.correctMinutes(QStringLiteral("RA-3"), 60000, 600, FlightColumns::Aircraft, half),
              (std::pair<long long, long long>{60000, 600}));
    // The whole fleet read at once gives each board the same flights.
    LaterFlights all(conn.get(), QDate(2026, 6, 10));
    all.readAll();
    for (const char* board : {"RA-1", "RA-2", "RA-3"})
        EXPECT_EQ(all.minutesAfter(QString::fromUtf8(board), FlightColumns::Aircraft, half),
                  later.minutesAfter(QString::fromUtf8(board), FlightColumns::Aircraft, half))
            << board;
    EXPECT_EQ(all.landingsAfter(QStringLiteral("RA-2")), 7);
    // Read for the airframe only: the same airframe figures; any other asked
    // for is an error, never a silent zero.
    LaterFlights airframe(conn.get(), QDate(2026, 6, 10));
    airframe.readAll(true);
    for (const char* board : {"RA-1", "RA-2", "RA-3"}) {
        const QString b = QString::fromUtf8(board);
        EXPECT_EQ(airframe.minutesAfter(b, FlightColumns::Aircraft, half), later.minutesAfter(b, FlightColumns::Aircraft, half))
            << board;
        EXPECT_EQ(airframe.landingsAfter(b), later.landingsAfter(b)) << board;
    }
    EXPECT_THROW(airframe.minutesAfter(QStringLiteral("RA-1"), FlightColumns::Engine1, half), std::logic_error);
    EXPECT_THROW(airframe.apuAfter(QStringLiteral("RA-1"), ApuMeasure::Starts), std::logic_error);
    // Nothing after the date: the stored values unchanged.
    LaterFlights lateDate(conn.get(), QDate(2026, 6, 12));
    EXPECT_EQ(lateDate.correctHours(QStringLiteral("RA-1"), QStringLiteral("5:00"), QStringLiteral("1:00"),
                                    FlightColumns::Aircraft, half, QStringLiteral("x"))
                  .first,
              300);
    EXPECT_THROW(later.correctHours(QStringLiteral("RA-1"), QStringLiteral("12:7x"), QStringLiteral("1:00"),
                                    FlightColumns::Aircraft, none, QStringLiteral("ДВИГАТЕЛЬ № 1")),
                 std::exception);
}

TEST_F(KitDbTest, ApuMeasuresAreBackedOutInTheirOwnUnits)
{
    fill({QStringLiteral("SPRAVKA")},
         {QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, VSU_KOL_VO_ZAPUSKOV, VSU_KOL_VO_OTBOROV, "
                         "VSU_V_GENERATORNOM, VSU_POLNOE_VREMYA) VALUES ('RA-1', '2026-06-10', 9, 9, '09:00', '09:00')"),
          QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, VSU_KOL_VO_ZAPUSKOV, VSU_KOL_VO_OTBOROV, "
                         "VSU_V_GENERATORNOM, VSU_POLNOE_VREMYA) VALUES ('RA-1', '2026-06-11', 2, 1, '00:20', '00:45')"),
          QStringLiteral("INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, VSU_KOL_VO_ZAPUSKOV, VSU_KOL_VO_OTBOROV, "
                         "VSU_V_GENERATORNOM, VSU_POLNOE_VREMYA) VALUES ('RA-1', '2026-06-12', 3, 0, '00:10', '01:00')")});
    LaterFlights later(conn.get(), QDate(2026, 6, 10));
    struct Case {
        ApuMeasure m;
        const char* sinceNew;
        const char* sinceOverhaul;
        long long a, b;
    } cases[] = {
        {ApuMeasure::Total, "100:00", "", 6000 - 105, -105},
        {ApuMeasure::Summed, "100:00", "50:30", 6000 - 105, 3030 - 105},
        {ApuMeasure::Generator, "10:00", "1:00", 600 - 30, 60 - 30},
        {ApuMeasure::Starts, "500", "20", 495, 15},
        {ApuMeasure::Bleeds, "40", "", 39, -1},
    };
    for (const Case& c : cases) {
        const auto [a, b] = later.correctApu(QStringLiteral("RA-1"), QString::fromUtf8(c.sinceNew),
                                             QString::fromUtf8(c.sinceOverhaul), c.m, QStringLiteral("VSU"));
        EXPECT_EQ(a, c.a) << static_cast<int>(c.m);
        EXPECT_EQ(b, c.b) << static_cast<int>(c.m);
    }
    // A count written as a time and a time written as a count are both refused.
    EXPECT_THROW(later.correctApu(QStringLiteral("RA-1"), QStringLiteral("12:30"), QString(), ApuMeasure::Starts,
                                  QStringLiteral("ZAPUSKI_SNE")),
                 std::exception);
    EXPECT_THROW(later.correctApu(QStringLiteral("RA-1"), QStringLiteral("12,5"), QString(), ApuMeasure::Total,
                                  QStringLiteral("OBSHAIA_SNE")),
                 std::exception);
}

} // namespace
