#pragma once
// Flying of an aircraft as the flight records (SPRAVKA) hold it, counted for
// component life: airborne time plus the kind's share of ground running.
// The readers here run their own queries; the counting itself is pure.
#include "rarozidi/Life.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace rarozidi {

// A date as SQL text of the maintenance database: "m,d,yyyy".
QString sqlDate(const QDate& d);

// The ground-running rule of a type for a kind, from its first
// TIPOVYE_DANNYE_VS row: ground running counts when UCHITYVAT_ZEMLU is "1"
// and (for every kind but the airframe) ZEMLIA_<kind> is "1"; the share is
// KOL_VO_ZEMLIA_<kind>, 0 when empty. A type without a row counts no ground
// running.
GroundRule readGroundRule(plan::Connection& c, const QString& type, GroundKind kind);

// Which columns of a flight record give its airborne and ground time.
enum class FlightColumns {
    Aircraft, // V_VOZDUHE, NA_ZEMLE
    Engine1,  // V_VOZDUHE_1, NA_ZEMLE_1
    Engine2,
    Engine3,
    Gearbox,  // V_VOZDUHE_RED, NA_ZEMLE_RED
};
// The engine columns of an engine position ODIN_DVA "0", "1", "2".
FlightColumns engineColumns(const QString& odinDva);

struct FlightEntry {
    QDate date;
    int airborneMinutes = 0;
    int groundMinutes = 0;
    int landings = 0;
    // APU counters of the entry.
    int apuTotalMinutes = 0;
    int apuGeneratorMinutes = 0;
    int apuStarts = 0;
    int apuBleeds = 0;
};

// Flight records read unordered, each with its entry number (ID), put in the
// order "Order By DATA_POLETA, ID" gives them (T has a `date`): a pass over
// many aircraft's records sorts them here, not in the database.
template <class T>
std::vector<T> inFlightOrder(std::vector<std::pair<int, T>>& read)
{
    std::sort(read.begin(), read.end(), [](const auto& a, const auto& b) {
        return a.second.date != b.second.date ? a.second.date < b.second.date : a.first < b.first;
    });
    std::vector<T> out;
    out.reserve(read.size());
    for (auto& r : read) out.push_back(std::move(r.second));
    return out;
}

// Flight entries of a board whose DATA_POLETA lies in [from, to] (a bound
// that is not a valid date is left open), in order of date and entry.
std::vector<FlightEntry> readFlights(plan::Connection& c, const QString& board, const QDate& from,
                                     const QDate& to, FlightColumns cols = FlightColumns::Aircraft);

// While a FlightCache lives, readFlights reads each board's records (for one
// set of columns) from the database once and serves every later call of that
// board from memory. A report that reads the flying of many components of
// the same aircraft opens one for its run; the flight records must not change
// meanwhile. Caches do not nest: an inner one is the same as the outer.
class FlightCache {
public:
    FlightCache();
    ~FlightCache();
    FlightCache(const FlightCache&) = delete;
    FlightCache& operator=(const FlightCache&) = delete;
    // Reads the records from `from` on (all when not valid) of every board
    // listed that is not read yet, for a report over many aircraft: an In
    // list of up to 200 boards, or one pass over the flight table for more;
    // readFlights then serves them from memory. Without a live cache it
    // does nothing.
    static void readBoards(plan::Connection& c, const QStringList& boards, const QDate& from,
                           FlightColumns cols = FlightColumns::Aircraft);
    // The same for boards each wanted from a date of its own (components
    // counted since their installation): a board is read from the first day
    // of the quarter of its earliest date, the boards of one quarter
    // together, so that few queries read little more than is wanted.
    static void readBoardsSince(plan::Connection& c, const std::vector<std::pair<QString, QDate>>& since,
                                FlightColumns cols = FlightColumns::Aircraft);
    struct Store;

private:
    Store* m_store = nullptr;
};

// Sum of the counted minutes (each entry rounded on its own) of the entries
// dated on or after `since` (all entries when `since` is not valid).
long long countedMinutes(const std::vector<FlightEntry>& flights, const GroundRule& rule,
                         const QDate& since = QDate());
int landings(const std::vector<FlightEntry>& flights, const QDate& since = QDate());

// Back-dating: the totals as of the end of a past day are the stored totals
// less what the flights recorded after that day added. One object reads the
// flights after the day once and serves every value of the board.
class BackDating {
public:
    BackDating(plan::Connection& c, const QString& board, const QDate& asOf, const GroundRule& rule,
               FlightColumns cols = FlightColumns::Aircraft);
    // Counted minutes and landings of the flights after the day.
    long long minutesAfter() const { return m_minutes; }
    int landingsAfter() const { return m_landings; }
    // A stored "H:MM" as of the day, as "H:MM" ("" stays "").
    QString runningTime(const QString& stored, const QString& what) const;
    // A stored count of landings as of the day.
    int landingCount(int stored) const { return stored - m_landings; }

private:
    long long m_minutes = 0;
    int m_landings = 0;
};

// Continuous running, pure part: running time at installation plus the
// counted flying of the entries dated on or after the installation date.
long long continuousMinutes(long long atInstallation, const std::vector<FlightEntry>& flights,
                            const QDate& installed, const GroundRule& rule);

// True when a place (GDE_STOIT) is one of the store words "Склад",
// "Ремфонд", "Ремонт", "Рекламация": the component is not on an aircraft.
bool isStoreWord(const QString& place);

} // namespace rarozidi
