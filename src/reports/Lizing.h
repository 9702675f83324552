#pragma once
// What the lessors' reports of one leased aircraft share: the picking of the
// aircraft (operator, month and year, the tree), the ground-running rules of
// the type, the aircraft's lease contract, stored running times read with a
// message that names the unit, the day a unit is counted from in a period
// and a blade's total at a day.
//
// Reads:    TIPOVYE_DANNYE_VS (the rules), LIZING (the contract, read whole
//           once), SPRAVKA through rarozidi::BoardFlying.
#include "frames/Period.h"
#include "rarozidi/Life.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QPushButton;

namespace rarozidi {
class BoardFlying;
}

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace plan::frames {
class AircraftTree;
class OperatorSelector;
} // namespace plan::frames

namespace plan::reports {

// The aircraft's register row: "Select * From REESTR Where TIP_VS='<type>'
// And BORTOVOI_NOMER='<board>' Order By ID;".
QString registerRowQuery(const QString& type, const QString& board);

// The report's period: the chosen month, started at the last overhaul
// (register position 8) when that is later than the month's first day; the
// month and year are those of the start.
struct LizPsbPeriod {
    QDate start;
    QDate end;
    int year = 0;
    int monthIndex = 0; // 0..11
};
LizPsbPeriod lizPsbPeriod(Connection* c, const QString& type, const QString& board, int year, int monthIndex);

// One leased aircraft and one month, as the monthly reports are asked for.
struct LizPsbOptions {
    QString operatorName; // cboExpl's text
    QString type;
    QString board;
    int year = 0;
    int monthIndex = 0;
    QString userName;     // the host's user
};

// The user names for which the preparer is left empty.
QStringList builtInAccounts();
// The preparer: "Фамилия И.О." from USERS, the user name when it is not
// there, "" for a built-in account.
QString preparerName(Connection* c, const QString& userName);

// Ground-running rules of a type, one per kind: "Select UCHITYVAT_ZEMLU,
// ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, ZEMLIA_LOPASTY, ZEMLIA_AGREGATY,
// KOL_VO_ZEMLIA_PLANER, ... From TIPOVYE_DANNYE_VS Where TIP_VS='<type>'
// Order By ID;" (a flag counts when "1", an empty share is 0; a type
// without a row counts no ground running).
struct LessorRules {
    rarozidi::GroundRule planer, engine, gearbox, blades, units;
};
LessorRules readLessorRules(Connection* c, const QString& type);

// A stored running time ("H:MM") in minutes; a malformed one raises
// ConversionError naming the owner, the column and the value.
long long lessorMinutes(const QString& value, const QString& owner, const char* column, bool emptyIsZero = false);

// The day a unit installed on `installed` is counted from in start..end:
// its installation day when later than the start; invalid when it was
// installed after the end.
QDate countFrom(const QDate& installed, const QDate& start, const QDate& end);

// A stored total (minutes) at the end of a day: a unit counted from the
// aircraft (continuous) keeps its time at installation, so the flying from
// installation to the day is added; the others keep their latest total, so
// the flying after the day is taken off. The flying is summed in the
// measure and selector of rarozidi::BoardFlying.
long long totalAt(long long stored, bool continuous, const QDate& installed, const QDate& day,
                  const rarozidi::BoardFlying& flying, const QString& measure, int selector,
                  const rarozidi::GroundRule& rule);
// The running time since new of a blade (a whole LOPAST row) at the end of
// a day: a blade counted from the aircraft (NEPRERYVNO 1) keeps its time at
// installation, so the flying from installation to the day is added; the
// others keep their latest total, so the flying after the day is taken off.
long long bladeTotalAt(const Dataset& blade, const QDate& day, const rarozidi::BoardFlying& flying,
                       const rarozidi::GroundRule& rule, const QString& owner);

// The lease contract of an aircraft: the first row of "Select * From
// LIZING Order By ID;" with its board number; found false when there is none.
struct LeaseContract {
    bool found = false;
    QString lessor;
    QString number;
    QDate date;
};
LeaseContract leaseContract(Connection* c, const QString& board);
// "Лизингодатель: X; договор № N от dd.mm.yyyy" for a report's heading.
QString leaseLine(const LeaseContract& l);
// The line of data to check when the aircraft has no contract.
QString noLeaseDoubt(const QString& type, const QString& board);

// The frame of a lessor's monthly report of one aircraft: "Эксплуатант:"
// with cboExpl (its index kept under the frame's section, key CBOEXPL, with
// "Очистить поле"), cboMonth and cboYear (the current month; the years of
// the flight records), the tree of aircraft, cmdReport (enabled once an
// aircraft is picked). Picking an aircraft runs the report at once.
class LessorMonthFrame : public shell::TPlanFrame {
    Q_OBJECT
public:
    explicit LessorMonthFrame(const QString& section);

    void FunStart() override;
    void FunCboExpl();
    void FunCalendar();
    LizPsbOptions options() const;

protected:
    // The options with the period of the report: a month that began before
    // the aircraft's last overhaul starts at the overhaul, and the combos
    // are moved to its month and year. Empty board when nothing is picked.
    LizPsbOptions optionsForRun(LizPsbPeriod& period);
    QString operatorCode() const;

    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::PeriodControls m_period;             // cboMonth, cboYear
    frames::AircraftTree* TreeView = nullptr;
    QPushButton* cmdReport = nullptr;

private:
    QString m_section;
};

} // namespace plan::reports
