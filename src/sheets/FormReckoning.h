#pragma once
// Periodic maintenance forms of an aircraft or engine, reckoned without
// widgets: which form was performed last, which comes next, the running time
// left to it and the date the aircraft is expected to be withdrawn from
// flying for it. The withdrawal plans and the fleet state sheets share it.
//
// Reads:    PTO_FORMY / PTO_FORMY_DVIG (the type's cycle of forms), the
//           REESTR or DVIGATEL row the caller has open, SPRAVKA (the board's
//           flight records of a window of days) and TIPOVYE_DANNYE_VS (the
//           type's ground-running rule).
// Computes: the last and next form with the date of the last, the remainders
//           through rarozidi::GetOstatTO / GetOstatF1, the minutes they leave,
//           the average flying per day and the expected date.
// Writes:   nothing.
#include "rarozidi/Flying.h"
#include "rarozidi/Life.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <utility>
#include <vector>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace plan::sheets {

// The row of a type's cycle of forms (PTO_FORMY or PTO_FORMY_DVIG), its
// columns as texts by position.
struct FormCycle {
    bool found = false;
    int f1 = 0;      // VREMIA_F1, hours (aircraft only)
    int forma = 0;   // VREMIA_FORMA, hours
    int count = 0;   // KOL_VO_FORM, forms in the cycle
    QStringList columns;

    // The text at a position of the row, "" beyond it.
    QString column(int pos) const { return pos >= 0 && pos < columns.size() ? columns[pos] : QString(); }
    // F1 falls halfway between the periodic forms: VREMIA_F1 * 2 = VREMIA_FORMA.
    bool halfway() const { return found && f1 * 2 == forma; }
};

// "Select * From PTO_FORMY Where TIP_VS='<type>';"; found false when the type has no row.
FormCycle readFormCycle(Connection& c, const QString& type);
// The cycle of the current row of a PTO_FORMY dataset.
FormCycle formCycleOf(const Dataset& ptoFormy);
// "Select * From PTO_FORMY_DVIG Where TIP_VS='<type>';"
FormCycle readEngineFormCycle(Connection& c, const QString& type);

// The last and next form of an item. `last` and `lastDate` are "-" when no
// form of the cycle was performed; all three are empty when the type has no
// cycle or the index lies outside it. `nextPos` is the position of the next
// form in the cycle row (-1 when none), from which a plan steps on.
struct FormPair {
    QString last;
    QString next;
    QDate lastDate;      // valid when a last form has a date
    bool lastDash = false; // "-": nothing performed
    int nextPos = -1;
};

// The airframe's forms from its REESTR row (index of the last periodic form
// at 33, of the last F1 at 34, their dates at 28 and 29): the halfway scheme
// when the cycle is halfway, the plain scheme otherwise.
FormPair airframeForms(const FormCycle& cycle, const Dataset& reestr);
// An engine's forms from its DVIGATEL row (index at 48, date at 47), form k
// at position k + 5 of PTO_FORMY_DVIG.
FormPair engineForms(const FormCycle& cycle, const Dataset& dvigatel);

// The remainders of an item: to the next periodic form, to the next F1 (the
// same text where F1 does not shorten the plan), the minutes left (the
// smaller of the two, 0 when either is overdue).
struct Remainders {
    QString toForm;
    QString toF1;
    long long minutes = 0;
    bool overdue = false; // a remainder holds "+"
};
// Minutes of a remainder text: 0 when it holds "+", else its hours (the text
// less its last three characters) * 60 + the minutes after ":".
long long remainderMinutes(const QString& text);
// The airframe: GetOstatTO(22, 33) and, in the halfway scheme, GetOstatF1(22, 34).
// A running time that is not "H:MM" raises plan::ConversionError naming
// the aircraft and the value.
Remainders airframeRemainders(Connection& c, const Dataset& reestr, bool halfway);
// An engine: GetOstatTO(12, 48), no F1; errors name the engine and its serial number.
Remainders engineRemainders(Connection& c, const Dataset& dvigatel);

// The tables of forms and ground rules, which the remainders of each
// aircraft read again (rarozidi::GetOstatTO, GetOstatF1): a report over many
// aircraft keeps them in a QueryMemo for its run.
inline const QStringList kFormTables = {QStringLiteral("PTO_FORMY"), QStringLiteral("PTO_FORMY_DVIG"),
                                        QStringLiteral("TIPOVYE_DANNYE_VS")};

// Whole days the minutes last at an average per day (0 when the average is 0).
int daysToForm(long long minutes, double perDay);
// today + days when the board has flown in the window, else today + one month.
QDate expectedDate(const QDate& today, int days, bool flown);
// The last date on which a plan still steps: today less one month plus one year.
QDate planLimit(const QDate& today);

// The flight records of a board read once for a span of days ("Select *
// From SPRAVKA Where BORTOVOI_NOMER='<board>' And DATA_POLETA  Between ...
// Order By ID, DATA_POLETA;"), counted in memory for windows inside it.
class BoardFlying {
public:
    BoardFlying() = default;
    BoardFlying(Connection& c, const QString& board, const QDate& from, const QDate& to);
    // The records as the flight cache keeps them (airborne and ground time of the aircraft).
    explicit BoardFlying(const std::vector<rarozidi::FlightEntry>& flights);
    // The records of a board dated after a date, read with the query of the
    // running time taken back to a date ("SELECT DATA_POLETA, ID,
    // Bortovoi_nomer, V_vozduhe, Kol_vo_posadok, Na_zemle, Na_zemle_2,
    // Na_zemle_3 From Spravka Where (((Bortovoi_nomer) = '<board>') AND
    // ((Data_poleta) > '<date>'))  ORDER BY DATA_POLETA, ID;").
    static BoardFlying after(Connection& c, const QString& board, const QDate& date);
    // Counted minutes of the records dated after `date`.
    long long minutesAfter(const QDate& date, const rarozidi::GroundRule& rule) const;
    // Counted minutes (airborne plus the rounded share of ground running) of
    // the records dated from..to, both included; `any` tells whether there
    // was a record.
    long long minutes(const QDate& from, const QDate& to, const rarozidi::GroundRule& rule, bool* any) const;
    static QString query(const QString& board, const QDate& from, const QDate& to);

private:
    // The records of a query: date, airborne and ground time at the positions given.
    void read(Connection& c, const QString& query, int datePos, int airPos, int groundPos);
    struct Entry {
        QDate date;
        int airborne = 0;
        int ground = 0;
    };
    std::vector<Entry> m_entries;
};

// The flight records of the aircraft of a report over many of them. For a
// small selection each board's records come from its own query (those of
// BoardFlying); for a large one (frames::BoardSets::wanted) the records of
// every board are read together first (rarozidi::FlightCache: a pass over
// the records from a date, or In lists) and served from memory, the same
// records counted the same way.
class FleetFlying {
public:
    FleetFlying(Connection& c, bool sets);
    bool sets() const { return m_cache.has_value(); }
    // In the set mode: reads the records of the boards dated `from` on.
    void readFrom(const QStringList& boards, const QDate& from);
    // In the set mode: reads the records of each board from its own date on.
    void readSince(const std::vector<std::pair<QString, QDate>>& since);
    // The records of a board dated from..to (BoardFlying's query).
    BoardFlying between(const QString& board, const QDate& from, const QDate& to) const;
    // The records of a board dated after a date (BoardFlying::after).
    BoardFlying after(const QString& board, const QDate& date) const;

private:
    Connection& m_c;
    std::optional<rarozidi::FlightCache> m_cache;
};

// The ground rule of a type for FunLastMonth: "Select UCHITYVAT_ZEMLU,
// ZEMLIA_DVIGATEL, KOL_VO_ZEMLIA_PLANER, KOL_VO_ZEMLIA_DVIGATEL From
// TIPOVYE_DANNYE_VS Where TIP_VS='<type>' Order By ID;", for the airframe
// ("PLANER") or an engine (any other kind).
struct TypeGroundRules {
    rarozidi::GroundRule planer;
    rarozidi::GroundRule engine;
};
TypeGroundRules readLastMonthRules(Connection& c, const QString& type);
// The airframe's rule of the annual plan and of the running time taken back
// to a date: "Select UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER From
// TIPOVYE_DANNYE_VS Where TIP_VS='<type>' Order By ID;".
rarozidi::GroundRule readAirframeRule(Connection& c, const QString& type);

// An average flying per day in minutes and whether the board flew.
struct DailyAverage {
    double perDay = 0;
    bool flown = false;
};
// FunLastMonth: the records of today - 30 .. today, divided by 30.
DailyAverage lastMonthAverage(const BoardFlying& f, const QDate& today, const rarozidi::GroundRule& rule);
// FunSrNalet: the records of first .. first + days, divided by days.
DailyAverage windowAverage(const BoardFlying& f, const QDate& first, int days, const rarozidi::GroundRule& rule);

} // namespace plan::sheets
