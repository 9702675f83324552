// Sheets over many aircraft read their tables in sets: the rows must be the
// ones each aircraft's own queries give, row for row, on the demo fleet
// (every kind of component, units by hours, landings and the calendar,
// continuously counted parts with their aircraft's flying).
#include "data/DemoFleet.h"
#include "frames/BoardSets.h"
#include "platform/Heartbeat.h"
#include "sheets/FleetStateSheets.h"
#include "sheets/SvedVSSheet.h"
#include "sheets/TfrPlanSprPlanZamen.h"
#include "sheets/WithdrawalPlans.h"
#include "support/FrameFixture.h"

#include <functional>

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

// Copies the rows of a table whose `column` is `from` (every column but ID),
// with `to` in that column; the copies get new, higher IDs.
void copyRows(plan::Connection* c, const char* table, const char* column, const QString& from, const QString& to)
{
    QStringList columns =
        plan::openQuery(c, QStringLiteral("Select First 1 * From %1;").arg(QLatin1String(table)))->fieldNames();
    columns.removeAll(QStringLiteral("ID"));
    QStringList values = columns;
    values.replace(values.indexOf(QString::fromLatin1(column)), QStringLiteral("'%1'").arg(to));
    c->execute(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE %4='%5' ORDER BY ID")
                   .arg(QLatin1String(table), columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')),
                        QLatin1String(column), from));
}

std::vector<QStringList> textsOf(const std::vector<plan::StagingRow>& rows)
{
    std::vector<QStringList> out;
    for (const plan::StagingRow& r : rows) out.push_back(r.texts());
    return out;
}

// The withdrawal plans, the fleet state sheets and the replacement plan over
// a whole fleet, made with each aircraft's own queries and with the tables
// read in sets, give the same rows, the sets with fewer reads.
// Flight records on the edges of the windows the sheets count (the day of
// the last form, yesterday, the first of the last 30 days, a year ago) are
// added, so that a window one day off shows in the figures.
TEST(SheetsInSets, PlansAndFleetStateReadInSetsGiveTheRowsOfTheOwnQueries)
{
    const QDate today(2026, 6, 15);
    plan::Clock::setToday(today);
    plan::Clock::setNow(QDateTime(today, QTime(9, 0), Qt::UTC));
    const QString path = plantest::scratchDir() + QStringLiteral("/plans-sets.fdb");
    plan::DemoFleet::create(path, {24, 2, 5});
    const auto conn = plantest::connect(path);
    plan::Connection* c = conn.get();
    // The demo fleet numbers its boards in the order of entry: two aircraft
    // entered last with the first boards of their types (with their
    // components, flights and notes) show whether each aircraft's rows keep
    // their queries' order.
    for (const auto& [from, to] : {std::pair{"RA-22000", "RA-00001"}, std::pair{"RA-40006", "RA-00002"}}) {
        const QString f = QString::fromLatin1(from), t = QString::fromLatin1(to);
        copyRows(c, "REESTR", "BORTOVOI_NOMER", f, t);
        copyRows(c, "SPRAVKA", "BORTOVOI_NOMER", f, t);
        copyRows(c, "VSU", "MESTO_USTANOVKI", f, t);
        for (const char* table : {"TO_AKB", "SEZONNOE_TO"}) copyRows(c, table, "BORTOVOY_NOMER", f, t);
        for (const char* table : {"DVIGATEL", "REDUCTOR", "VOZDUSHNY_VINT", "LEBEDKA", "SHLANG", "LOPAST", "HVOSTOVOY_VINT",
                                  "AGREGAT", "VTULKA_NV"})
            copyRows(c, table, "GDE_STOIT", f, t);
    }
    const auto aircraft = demoAircraft(c);
    ASSERT_GE(aircraft.size(), 26u);

    int edges = 0;
    for (auto r = plan::openQuery(c, QStringLiteral("Select BORTOVOI_NOMER, DATA_FORMY, DATA_F1 From REESTR Where UCHET_TO=1 "
                                                    "And DATA_FORMY Is Not Null Order By ID;"));
         !r->eof() && edges < 6; r->next(), ++edges) {
        const QStringList days{r->field(1).asDate().toString(Qt::ISODate), r->field(2).asDate().toString(Qt::ISODate),
                               today.addDays(-1).toString(Qt::ISODate), today.addDays(-30).toString(Qt::ISODate),
                               today.addYears(-1).toString(Qt::ISODate)};
        for (const QString& day : days)
            if (!day.isEmpty())
                c->execute(QStringLiteral("INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, "
                                          "KOL_VO_POSADOK) VALUES ('', '%1', '%2', '3:17', '0:41', 2)")
                               .arg(r->str(0).trimmed(), day));
    }
    ASSERT_EQ(edges, 6);

    const plan::sheets::OtvodOperator op{QStringLiteral("Эксплуатант"), QStringLiteral("-1")};
    struct Case {
        const char* sheet;
        std::function<std::vector<QStringList>()> build;
    };
    const Case cases[] = {
        {"fleet state, whole fleet", [&] { return textsOf(plan::sheets::buildSostParkT1(*c, today)); }},
        {"fleet state, ticked aircraft", [&] { return textsOf(plan::sheets::buildSostParkT2(*c, aircraft, today)); }},
        {"plan of withdrawal", [&] { return textsOf(plan::sheets::buildPlanOtvod(*c, {op, aircraft}, today).rows); }},
        {"annual plan, 90 days", [&] { return textsOf(plan::sheets::buildAnnualPlan(*c, {op, aircraft, 90}, today)); }},
        {"annual plan, 30 days", [&] { return textsOf(plan::sheets::buildAnnualPlan(*c, {op, aircraft, 30}, today)); }},
        {"replacement plan",
         [&] {
             const plan::sheets::PlanZamenResult r = plan::sheets::buildPlanZamen(c, {aircraft}, today);
             std::vector<QStringList> out = textsOf(r.rows);
             out.push_back(r.doubts);
             return out;
         }},
    };
    for (const Case& k : cases) {
        auto reads = [] { return plan::Heartbeat::sent(plan::Heartbeat::Sent::Read); };
        plan::frames::BoardSets::setThreshold(1000);
        long long before = reads();
        const std::vector<QStringList> own = k.build();
        const long long ownReads = reads() - before;
        plan::frames::BoardSets::setThreshold(1);
        before = reads();
        const std::vector<QStringList> inSets = k.build();
        const long long setReads = reads() - before;

        ASSERT_EQ(inSets.size(), own.size()) << k.sheet;
        EXPECT_GE(own.size(), aircraft.size()) << k.sheet;
        for (size_t i = 0; i < own.size(); ++i) EXPECT_EQ(inSets[i], own[i]) << k.sheet << ", row " << i;
        EXPECT_LT(setReads, ownReads) << k.sheet;
    }
    plan::frames::BoardSets::setThreshold(20);
    plan::Clock::reset();
}

} // namespace
