#pragma once
// The members of the forecast of replacement: for each kind of life-limited
// component, which positions of its "Select *" row give the name, number,
// dates, running time and limits of a forecast line, how its running time is
// counted and which ground-running rule its flying rate takes. Every line of
// every kind is worked by the one routine workLine(); the table in
// ForecastMember.cpp is the whole difference between the kinds.
//
// A line lands in REPORT_PROGNOZ at positions 5 to 11:
//   5 name, 6 number, 7 manufactured, 8 last repair (or "-"), 9 running
//   time used, 10 remaining hours (italic when short), 11 forecast date
//   (italic when near, or the no-date mark).
#include "rarozidi/Life.h"

#include <QDate>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <utility>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace plan::forecast {

enum class MemberKind {
    Planer,   // airframe, the REESTR row itself
    Dvigatel, // engines
    Reductor, // main gearboxes
    LopastNV, // main-rotor blades
    LopastHV, // tail-rotor blades
    LopastVV, // propeller blades
    VintHV,   // tail-rotor hubs (HVOSTOVOY_VINT)
    VintVV,   // propellers (VOZDUSHNY_VINT)
    VtulkaNV, // main-rotor hubs
    Agregat,  // units counted in hours
    Zcu,      // ZCU units
    Lebedka,  // winches
};

// How the running time shown at position 9 is counted: the stored value, or
// (when the component's flag position holds 1) the continuous running time
// from the aircraft's flights since installation, by the library routine of
// the kind.
enum class Continuous { Stored, Lopast, HvostVint, Lebedka, Zcu, Agr };

// The ground-running pair a member's flying rate takes.
enum class GroundPair { Planer, Dvigatel, Reductor, Lopasty, Zcu, Agregaty, AgrDvig };

struct ForecastMember {
    MemberKind kind;
    const char* routine;   // the member routine of the complex forecast
    const char* table;     // the component table
    QString section;       // the section row ("|Двигатели")
    QString prefix;        // put before the name ("Двигатель ")
    // Name: the column namePos, or, with refKeyPos >= 0, the reference row
    // whose ID_NAME equals the component's refKeyPos: its refName1, a blank,
    // its refName2.
    int namePos = -1;
    int refKeyPos = -1, refName1 = -1, refName2 = -1;
    int numberPos = 0;
    bool numberUnderscoreBlank = false; // "_" in the number shown as a blank
    int madePos = 0;
    // Second date: repairDatePos, written when repairsPos holds a count above
    // 0 (always when repairsPos < 0); "-" when repairDatePos < 0.
    int repairDatePos = -1;
    int repairsPos = -1;
    // Running time used: usedPos stored, or counted continuously when
    // contFlagPos holds 1.
    int usedPos = 0;
    int contFlagPos = -1;
    Continuous cont = Continuous::Stored;
    // Limit: firstLimitPos when the repair count at limitRepairsPos is 0 and
    // the first limit is set, limitPos otherwise (firstLimitPos < 0: always
    // limitPos).
    int firstLimitPos = -1;
    int limitPos = 0;
    int limitRepairsPos = -1;
    // The used position the remaining hours are worked from.
    int remainingUsedPos = 0;
    GroundPair ground = GroundPair::Agregaty;
    // Units: 1 at this position takes the engine-unit pair instead.
    int engineUnitFlagPos = -1;
    // ZCU units mark a line without a date "<b>=:=</b>".
    bool zcuMark = false;
};

const ForecastMember& member(MemberKind kind);

// The ground-running pairs of an aircraft type, from its first
// TIPOVYE_DANNYE_VS row; a type without a row counts no ground running.
struct TypeGroundRules {
    rarozidi::GroundRule planer, dvigatel, reductor, lopasty, shlang, zcu, agregaty, agrDvig;
    const rarozidi::GroundRule& of(GroundPair p) const;
    // The same rules with one pair put in place of the type's.
    TypeGroundRules with(GroundPair p, const rarozidi::GroundRule& rule) const;
};
// Query text of the type's pairs.
QString groundRulesQuery(const QString& type);
TypeGroundRules readTypeGroundRules(Connection& c, const QString& type);
// The airframe pair only ("Select UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER ...").
rarozidi::GroundRule readAirframeGroundRule(Connection& c, const QString& type);

// RESURS (hours) and CALENDAR (months) of the user settings file.
struct Thresholds {
    int resursHours = 100;
    int calendarMonths = 3;
};
Thresholds readThresholds(const QString& settingsPath);

// The flying rate of a line (minutes per day) for a ground-running pair.
using RateOf = std::function<double(const rarozidi::GroundRule&)>;

// One forecast line: positions 5 to 11.
struct ForecastLine {
    QString name, number, made, repaired, used, remaining, date;
    QVariantList cells() const { return {name, number, made, repaired, used, remaining, date}; }
};

// The name of the component on the current row of `row`; `reference` is
// the member's reference list (its current row is taken when the key is not
// found), nullptr for members named by a column.
QString lineName(const ForecastMember& m, const Dataset& row, Dataset* reference);

// Works the line of the current row of `row`: the running time (continuous
// where the flag says so), the limit, the remaining hours and, at the rate
// of the member's pair, the forecast date. `prefixed` puts the member's
// prefix before the name. A running time or limit that cannot be read
// raises plan::ConversionError naming the component, its number and the
// value.
ForecastLine workLine(const ForecastMember& m, Connection& c, const Dataset& row, const QString& name, bool prefixed,
                      const TypeGroundRules& rules, const RateOf& rate, const Thresholds& t, const QDate& today);

// The board and installation date from which workLine counts the running
// time of the current row continuously (its flag holds 1, it is on an
// aircraft and has an installation date); nothing when it takes the stored
// value or when its values cannot be read (workLine then says why).
std::optional<std::pair<QString, QDate>> continuousSince(const ForecastMember& m, const Dataset& row);

// "dd.mm.yy" of a date field; "" for a null.
QString shortDate(const Dataset& row, int pos);

} // namespace plan::forecast
