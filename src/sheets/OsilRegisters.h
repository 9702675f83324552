#pragma once
// The register forms of the operator's fleet for the authority's
// airworthiness department (ОСиЛ), without widgets: form Г3 (the aircraft)
// and form Г4 (the engines, main gearboxes and APUs installed on them), both
// as of the form's date.
//
// Reads:    REESTR (the operator's aircraft that were on the register on the
//           date), EXPLUATANTY and SOBSTVENNIKI (the names of the codes),
//           TIPOVYE_DANNYE_VS (the ground-running rules, once per type),
//           SPRAVKA (each aircraft's flights after the date, once per
//           report), DVIGATEL, REDUCTOR, VSU (form Г4: every installed unit,
//           one query per kind).
// Computes: totals since new and since overhaul on the date (the flights
//           after it backed out as forms 36-GA and 37-GA do), limits and
//           what is left of them, the notes of the aircraft.
// Writes:   nothing itself; the frames write REPORT_OSIL_G3 / REPORT_OSIL_G4
//           by the positions below.
#include "frames/AirframeRegister.h"

#include <QDate>
#include <QString>

namespace plan {
class Connection;
}

namespace plan::sheets {

// Positions of REPORT_OSIL_G3. A type row carries "|" and the type with its
// count of aircraft in 1 and nothing else.
namespace G3 {
constexpr int Number = 1;          // running number of the aircraft, or "|type (n ВС)"
constexpr int Type = 2;
constexpr int Variant = 3;
constexpr int Board = 4;
constexpr int Serial = 5;
constexpr int Made = 6;            // dd.mm.yyyy
constexpr int Owner = 7;           // name of SOBSTVENNIKI (the code when not found)
constexpr int Operator = 8;        // name of EXPLUATANTY (the code when not found)
constexpr int Certificate = 9;     // airworthiness certificate
constexpr int CertificateTo = 10;  // valid until, dd.mm.yyyy, "-" when none
constexpr int Noise = 11;          // noise certificate
constexpr int NoiseTo = 12;        // valid until, dd.mm.yyyy, "-" when none
constexpr int HoursNew = 13;       // on the date
constexpr int LandingsNew = 14;    // on the date
constexpr int Repairs = 15;        // number of overhauls
constexpr int RepairDate = 16;     // dd.mm.yyyy, "-" when never overhauled
constexpr int RepairPlant = 17;    // "-" when never overhauled
constexpr int HoursOverhaul = 18;  // on the date, "-" when never overhauled
constexpr int LandingsOverhaul = 19;
constexpr int AssignedHours = 20;  // "-" when not set
constexpr int AssignedLandings = 21;
constexpr int AssignedYears = 22;  // "30л. 00м."
constexpr int BetweenHours = 23;
constexpr int BetweenLandings = 24;
constexpr int BetweenYears = 25;
constexpr int LeftAssigned = 26;   // assigned hours less hours since new, at least 0
constexpr int LeftHours = 27;      // hours between overhauls less hours since overhaul (since new when never overhauled)
constexpr int LeftLandings = 28;   // the same in landings
constexpr int Base = 29;           // ID_MESTO
constexpr int Note = 30;           // "на АРЗ", "СЛГ истек", "удостоверение по шуму истекло", joined by ", "
constexpr int FormDate = 31;       // dd.mm.yyyy
constexpr int Total = 32;          // number of aircraft of the form
} // namespace G3

// Positions of REPORT_OSIL_G4. An aircraft row carries "|" and the aircraft
// in 1, its type in 16 and board in 17.
namespace G4 {
constexpr int Number = 1;          // running number of the unit, or "|type board (зав. № serial)"
constexpr int Name = 2;            // "Двигатель № 1", "Главный редуктор", "ВСУ"
constexpr int Model = 3;
constexpr int Serial = 4;
constexpr int Made = 5;            // dd.mm.yyyy
constexpr int HoursNew = 6;        // on the date
constexpr int HoursOverhaul = 7;   // on the date, "-" when never overhauled
constexpr int Repairs = 8;
constexpr int RepairDate = 9;      // dd.mm.yyyy, "-" when never overhauled
constexpr int RepairPlant = 10;    // "-" when never overhauled
constexpr int Assigned = 11;       // assigned life, hours, "-" when not set
constexpr int Second = 12;         // to the first overhaul or between overhauls, "-" when not set
constexpr int SecondKind = 13;     // "1" to the first overhaul, "2" between overhauls
constexpr int LeftAssigned = 14;   // at least 0, "-" without limit or running time
constexpr int LeftSecond = 15;
constexpr int Type = 16;           // aircraft type
constexpr int Board = 17;          // aircraft board number
constexpr int FormDate = 18;       // dd.mm.yyyy
constexpr int Aircraft = 19;       // number of aircraft of the form
constexpr int Units = 20;          // number of units of the form
} // namespace G4

inline const char* const kG3Query = "Select * From REPORT_OSIL_G3 Order By ID;";
inline const char* const kG4Query = "SELECT * FROM REPORT_OSIL_G4 ORDER BY ID;";

struct OsilOptions {
    QString operatorCode = QStringLiteral("-1"); // "-1" when the name is not in the list
    QDate date;
};

// The register query of the operator's aircraft.
QString osilAircraftQuery(const QString& operatorCode);
// An aircraft is on the register on a date when it was entered on it or
// before (or the entry date is empty) and not removed on it or before.
bool onRegister(const QDate& entered, const QDate& removed, const QDate& date);
// The remainder of a limit: limit - used, at least 0; "-" when the limit is
// not set (empty or 0).
QString leftOf(const QString& limit, long long used);

// Form Г3. A register row whose minutes or calendar limits cannot be read
// raises ConversionError naming the aircraft, the column and the value.
frames::StagedRows buildFormaG3(Connection* c, const OsilOptions& o);
// Form Г4. A running time of a unit that is not "H:MM" raises ConversionError
// naming the unit, its serial number, the column and the value.
frames::StagedRows buildFormaG4(Connection* c, const OsilOptions& o);

} // namespace plan::sheets
