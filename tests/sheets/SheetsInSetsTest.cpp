// Sheets over many aircraft read their tables in sets: the rows must be the
// ones each aircraft's own queries give, row for row, on the demo fleet
// (every kind of component, units by hours, landings and the calendar,
// continuously counted parts with their aircraft's flying).
#include "data/DemoFleet.h"
#include "frames/BoardSets.h"
#include "sheets/SvedVSSheet.h"
#include "support/FrameFixture.h"

namespace {

std::vector<plan::frames::AircraftRef> demoAircraft(plan::Connection* c)
{
    std::vector<plan::frames::AircraftRef> aircraft;
    for (auto r = plan::openQuery(c, QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Order By ID;")); !r->eof();
         r->next())
        aircraft.push_back({r->str(0).trimmed(), r->str(1).trimmed()});
    return aircraft;
}

// Every aircraft's information sheet, standard and tuned (every section,
// units of one drawing, ZCU units and hoses), made one after another as one
// batch read in sets from the first sheet on, equals the sheet made alone.
TEST(SheetsInSets, InformationSheetBatchGivesTheRowsOfEachSheetAlone)
{
    plan::Clock::setToday(QDate(2026, 6, 15));
    const QString path = plantest::scratchDir() + QStringLiteral("/sved-sets.fdb");
    plan::DemoFleet::create(path, {12, 1, 3});
    const auto conn = plantest::connect(path);
    const QString drawing =
        plan::queryScalar(conn.get(), QStringLiteral("Select First 1 CHERT_NOMER From ETAAGREGAT Where CHERT_NOMER<>'' Order By ID;"));
    ASSERT_FALSE(drawing.isEmpty());
    int line = 0;
    for (const char* key : {"Plane", "Dvigatel", "Reductor", "VSU", "LopastVV", "VozdVint", "LopastNV", "VtulkaNV",
                            "LopastHV", "HvostovoyVint", "Lebedka", "Agregat", "ZCU", "Shlang"})
        conn->execute(QStringLiteral("INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, TIP_AGREGATA, CHERT_NOMER) VALUES "
                                     "('Сведения о ВС', %1, '%2', '%3')")
                          .arg(++line)
                          .arg(QString::fromLatin1(key), QString::fromLatin1(key) == QLatin1String("Agregat") ? drawing : QString()));
    const auto aircraft = demoAircraft(conn.get());
    ASSERT_GE(aircraft.size(), 12u);

    plan::frames::BoardSets::setThreshold(1);
    for (const bool tuned : {false, true}) {
        plan::sheets::SvedVSBatch batch(conn.get());
        size_t rows = 0;
        for (const plan::frames::AircraftRef& a : aircraft) {
            plan::sheets::SvedVSOptions o;
            o.aircraft = a;
            o.tuned = tuned;
            const auto inBatch = plan::sheets::buildSvedVS(conn.get(), o, plan::Clock::today(), &batch);
            const auto alone = plan::sheets::buildSvedVS(conn.get(), o, plan::Clock::today());
            const std::string what = (tuned ? "tuned " : "standard ") + a.board.toStdString();
            EXPECT_EQ(inBatch.title, alone.title) << what;
            ASSERT_EQ(inBatch.rows.size(), alone.rows.size()) << what;
            for (size_t i = 0; i < alone.rows.size(); ++i)
                EXPECT_EQ(inBatch.rows[i].texts(), alone.rows[i].texts()) << what << ", row " << i;
            rows += alone.rows.size();
        }
        EXPECT_GT(batch.setReads(), 0) << tuned;
        EXPECT_GE(rows, aircraft.size() * 10) << tuned;
    }
    plan::frames::BoardSets::setThreshold(20);
}

} // namespace
