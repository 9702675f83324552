#pragma once
// Form 34-GA, the quarterly statistical form on the use of the fleet, as the
// two frames "Форма 34-ГА (СВ) Тип 1" and "Тип 2" build it: every calendar
// day of the quarter of every chosen aircraft is classified by the aircraft's
// recorded technical state (SOSTOIANIE_PARKA) and, on serviceable days, by
// whether it flew (SPRAVKA); the aircraft are tallied by age; the operator's
// header (OBSHIE) is added to every row.
//
// Reads:    REESTR (the aircraft of each group, and each aircraft's register
//           period), SOSTOIANIE_PARKA (state entries up to the quarter's end),
//           SPRAVKA (flights of the quarter), OBSHIE (header).
// Computes: per group the register days, the days of each category and their
//           percentages; the running age counters over all groups.
// Writes:   nothing itself: buildForm34GA gives the staging rows of
//           REPORT_FORMA_34_GA; the frames write them.
//
// The days are classified in memory from one read of each aircraft's state
// entries and flights, with exactly the result of walking the quarter day by
// day with a query for the state and one for the flights of every day.
#include "frames/AircraftGrid.h"
#include "frames/Period.h"
#include "platform/ReportCycle.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::reports {

// Staging positions of REPORT_FORMA_34_GA.
namespace f34 {
constexpr int GroupName = 1;
constexpr int Ownership = 2;    // 0 own, 1 leased
constexpr int RegisterDays = 3; // percentage row: "%"
constexpr int DaysI = 4;
constexpr int DaysK = 5;
constexpr int DaysA = 9;
constexpr int DaysT = 10;
constexpr int DaysR = 11;
constexpr int DaysO = 12;
constexpr int DaysZ = 14;
constexpr int DaysDv = 15;
constexpr int DaysD = 16;
constexpr int DaysZh = 17;
constexpr int DaysZhr = 18;
constexpr int DaysS = 19;
constexpr int Address = 20;      // OBSHIE ADRES_PREDPR
constexpr int OperatorCode = 21; // EXPLUATANTY position 1
constexpr int HeadName = 22;     // OBSHIE FIO_IAS
constexpr int Quarter = 23;      // "1-й квартал 2026г."
constexpr int HeadPost = 24;     // OBSHIE DOLGNOST_IAS
constexpr int Contacts = 25;     // name " тел." phone, or phone " E-mail:" e-mail
constexpr int Preparer = 26;     // post "~" name
constexpr int AgeBelow5 = 27;
constexpr int Age5To15 = 28;
constexpr int Age15To30 = 29;
constexpr int AgeOver30 = 30;
constexpr int Email = 31;        // OBSHIE EMAIL_PREDPRIATIE
} // namespace f34

// Day categories of the state codes.
enum class DayCategory { I, T, Dv, Z, R, O, D, Zh, Zhr, S, None };
constexpr int kCategoryCount = 11;
// 0, 11 И; 1 Т; 2 Дв; 3 З; 4 Р; 5, 6 О; 7 Д; 8 Ж; 9 Жр; 10 С; others none.
DayCategory categoryOf(int stateCode);

// A dated state entry of an aircraft.
struct StateEntry {
    QDate date;
    int id = 0;
    int code = 0;
};

// What the day walk of one aircraft needs.
struct AircraftDays {
    std::vector<StateEntry> entries; // every entry dated up to the quarter's end, any order
    QSet<QDate> flown;               // days with a flight record of positive flight time
    QDate from;                      // register period; invalid = open
    QDate to;
};

// The days of the quarter of one aircraft or a group.
struct DayTally {
    int registerDays = 0;
    std::array<int, kCategoryCount> days{};
    int k = 0; // serviceable, flew
    int a = 0; // serviceable, did not fly
    int at(DayCategory c) const { return days[static_cast<int>(c)]; }
    DayTally& operator+=(const DayTally& o);
};

// Walks the days of the quarter: the state opening the quarter is the entry
// of the latest date not after its first day (the highest ID of that date),
// or 0; an entry dated on a day sets the state from that day (the lowest ID
// of the day wins); a day inside the register period counts in its state's
// category, a serviceable one as К when it flew and А otherwise.
DayTally tallyQuarter(const frames::Period& quarter, const AircraftDays& a);

// The age of an aircraft as FunNarabLet gives it ("4л. 11м.", "12г. 3м.",
// "0") read as years, comma, months (4.11); the counter it joins: 0 below 5,
// 1 from 5 to below 15, 2 from 15 to below 30, 3 from 30 on. A text that is
// not such an age gives -1.
double ageNumber(const QString& narabLet, bool* ok);
int ageBand(double age);

struct Form34Options {
    enum class Layout {
        OwnLeased, // type 1: the ticked "<type> (свои)" / "<type> (арендованные)" rows
        SumByType, // type 2, "Суммировать по типам ВС": one group per type node
        ByAircraft // type 2: one group per ticked aircraft
    };
    Layout layout = Layout::OwnLeased;
    QString operatorId = QStringLiteral("-1"); // ID_NAME of the chosen operator; "-1" when not in the list
    frames::Period quarter;
    QString quarterCaption;                   // "1-й квартал 2026г."
    QStringList ticked;                       // OwnLeased, ByAircraft: texts of the ticked rows
    std::vector<frames::AircraftGrid::Group> groups; // SumByType: every type node with its ticked rows
};

// The template of the form: type 1 "rep02" for the 4th quarter, else
// "rep01"; type 2 "rep14"/"rep15" (4th quarter, summed / not), "rep12"/"rep13".
QString form34Template(Form34Options::Layout layout, bool fourthQuarter);

// The staging rows of the form. step() is called once per aircraft. A
// manufacture date that cannot be read, or a flight time that is not a time,
// ends the run with a ConversionError naming the aircraft, the column and
// the value.
std::vector<StagingRow> buildForm34GA(Connection* c, const Form34Options& o, const std::function<void()>& step = {});

} // namespace plan::reports
