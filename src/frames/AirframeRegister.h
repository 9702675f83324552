#pragma once
// The airframe as the register reports print it: its running time and
// landings since new and since the last overhaul as they stood on a past
// date, and the texts the forms write (short dates, calendar ages, the
// board number without "RA-"). Shared by the airframe register form, the
// research institute's annex, the regional authority's form, the
// search-and-rescue annex and the authority's register forms of the
// reference-sheets window.
//
//     AirframeRules rules(conn);
//     LaterFlights later(conn, date);
//     const AirframeAsOf a = airframeAsOf(R, later, rules.of(type, aircraft));
#include "frames/LaterFlights.h"
#include "rarozidi/Life.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "platform/ReportCycle.h"

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace plan::frames {

// What a report's widget-free part gives its frame: the staging rows in
// order, and the data that needs checking (printed under the heading).
struct StagedRows {
    std::vector<StagingRow> rows;
    QStringList doubts;
};

// The airframe's ground-running rule of each type, read once per type with
// "Select UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER From TIPOVYE_DANNYE_VS Where
// TIP_VS='<type>' Order By ID;": ground running counts when UCHITYVAT_ZEMLU
// is "1", at the share KOL_VO_ZEMLIA_PLANER (0 when empty). A type without a
// row counts no ground running; missing() names such types for the report's
// list of data to check.
class AirframeRules {
public:
    explicit AirframeRules(Connection* c) : m_c(c) {}
    const rarozidi::GroundRule& of(const QString& type);
    QStringList missing() const { return m_missing; }
    // The lines of data to check: one per type without a row.
    QStringList doubts() const;

private:
    Connection* m_c;
    QHash<QString, rarozidi::GroundRule> m_rules;
    QStringList m_missing;
};

// From this many aircraft on, a report reads the flights after its date of
// the whole fleet in one query (LaterFlights::readAll) rather than one query
// per aircraft.
constexpr int kReadAllFlightsFrom = 20;

// Totals of an airframe on the date of a LaterFlights.
struct AirframeAsOf {
    long long minutesNew = 0;
    long long minutesOverhaul = 0;
    long long landingsNew = 0;
    long long landingsOverhaul = 0;
    bool overhauled = false; // VSEGO_REMONTOV above 0

    long long hoursNew() const { return minutesNew / 60; }
    long long hoursOverhaul() const { return minutesOverhaul / 60; }
};

// From a whole REESTR row: the minutes MINUT_SNE / MINUT_PPR and the landings
// POSADKI_SNE / POSADKI_PPR less the flights after the date. An empty
// minutes column raises ConversionError naming the aircraft and the column.
AirframeAsOf airframeAsOf(const Dataset& R, LaterFlights& later, const rarozidi::GroundRule& rule);

// The line of data to check when an operator has no OBSHIE row (none for
// "-1", a name not in the list).
QStringList headerDoubts(bool headerFound, const QString& operatorCode);
// The line of data to check when a register row has repairs but no date of
// the last repair (none otherwise).
QStringList repairDateDoubts(const Dataset& R);

// The line of data to check when the totals since the last overhaul come
// out below zero on the date (the overhaul was after it, or flights were
// entered wrongly); none otherwise.
QStringList asOfDoubts(const Dataset& R, long long minutesOverhaul, long long landingsOverhaul);

// "type board" of a register row, as messages name an aircraft.
QString aircraftName(const Dataset& R);

// A date as the forms print it, "dd.mm.yy"; "" for an empty date.
QString shortDate(const QVariant& date);
// The report date as the date picker shows it, "dd.mm.yyyy".
QString dateText(const QDate& date);
// The board number with every "RA-" taken out (case kept: "ra-" stays).
QString boardWithoutRA(const QString& board);

// A calendar value written as years, a point and months ("30.06") as the
// forms print it: the years, FunBookYear of twelve times the years in place
// of the point, the months and "м." ("30.06" -> "30л. 06м."). A value
// without a point counts as whole years ("20" -> "20л. 00м."). An empty value
// gives ""; one whose years or months are not digits raises ConversionError
// naming `what` and the value.
QString calendarAgeText(const QString& value, const QString& what);

// A whole-number column as text, `empty` when it is null or blank.
QString wholeOr(const Dataset& R, int pos, const QString& empty);

} // namespace plan::frames
