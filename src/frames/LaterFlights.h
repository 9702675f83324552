#pragma once
// Back-dating of running totals to a past date. Component tables and the
// register hold totals as of the latest flight entered; a document dated D
// needs them as of D: the stored values less what the flights recorded after
// D (DATA_POLETA > D) added.
//
// One LaterFlights serves a whole report: each aircraft's flights after the
// date are read once (every time column at once) and every component of it
// is backed out from memory.
//
//     LaterFlights later(ADOConPdo, date);
//     auto [sne, ppr] = later.correctHours(board, c.str(11), c.str(12), selectorColumns(sel), rule, what);
#include "rarozidi/Flying.h"
#include "rarozidi/Life.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <utility>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::frames {

using rarozidi::FlightColumns;

// The columns of the engine and gearbox selector of the overhaul plant's and
// the regional reports: 1 -> engine 2, 2 -> engine 3, 3 -> gearbox, 0 and any
// other value -> engine 1.
FlightColumns selectorColumns(int selector);

// One flight record after the date, every time in minutes of the day.
struct LaterFlight {
    QDate date;
    int airborne[5] = {0, 0, 0, 0, 0}; // by FlightColumns
    int ground[5] = {0, 0, 0, 0, 0};
    int landings = 0;
    int apuStarts = 0;
    int apuBleeds = 0;
    int apuGeneratorMinutes = 0;
    int apuTotalMinutes = 0;
};

// The APU measures that are backed out.
enum class ApuMeasure { Total, Summed, Generator, Starts, Bleeds };

class LaterFlights {
public:
    LaterFlights(Connection* c, const QDate& asOf);
    QDate asOf() const { return m_asOf; }

    // The flights of a board after the date, in order of date and entry
    // (read from the database the first time the board is asked for).
    const std::vector<LaterFlight>& of(const QString& board);
    // Reads the flights after the date of every board in one query, for a
    // report over many aircraft; of() then asks the database no more.
    // `airframeOnly`: only the airframe's columns (airborne and ground time,
    // landings) are read, a third of the flight record; the engine, gearbox
    // and APU figures are then not to be asked for (a logic error).
    void readAll(bool airframeOnly = false);

    // Counted minutes of the flights after the date in the given columns:
    // airborne time, plus each flight's ground running times the share
    // rounded half up when the rule counts ground running.
    long long minutesAfter(const QString& board, FlightColumns cols, const rarozidi::GroundRule& rule);
    int landingsAfter(const QString& board);
    long long apuAfter(const QString& board, ApuMeasure m);

    // Two "H:MM" totals (since new, since overhaul) as of the date, in
    // minutes; unchanged without later flights. A value that is not "H:MM"
    // raises an error naming `what` and the value.
    std::pair<long long, long long> correctHours(const QString& board, const QString& sinceNew,
                                                 const QString& sinceOverhaul, FlightColumns cols,
                                                 const rarozidi::GroundRule& rule, const QString& what);
    // Two totals kept in whole minutes (the register's airframe minutes) as
    // of the date; unchanged without later flights.
    std::pair<long long, long long> correctMinutes(const QString& board, long long sinceNew, long long sinceOverhaul,
                                                   FlightColumns cols, const rarozidi::GroundRule& rule);
    // Two whole counts (landings) as of the date.
    std::pair<long long, long long> correctCount(const QString& board, long long sinceNew, long long sinceOverhaul);
    // Two APU totals of a measure as of the date: minutes of "H:MM" texts
    // for the total, summed and generator hours, whole numbers for starts
    // and bleeds (an empty text reads as 0). A value of the wrong form
    // raises an error naming `what` and the value.
    std::pair<long long, long long> correctApu(const QString& board, const QString& sinceNew,
                                               const QString& sinceOverhaul, ApuMeasure m, const QString& what);

private:
    Connection* m_c;
    QDate m_asOf;
    QHash<QString, std::vector<LaterFlight>> m_cache;
    bool m_airframeOnly = false;
    bool m_all = false;
};

} // namespace plan::frames
