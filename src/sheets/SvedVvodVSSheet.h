#pragma once
// The sheet of what the authority's airworthiness department (ОСиЛ) needs
// to enter one aircraft into service, without widgets: the aircraft's
// identity, owner and operator, certificates with their validity, base,
// totals, repairs and limits, then its main components (engines, main
// gearbox, APU, propellers, blades, hubs, winch) with serial numbers,
// totals, limits and remainders, as the aircraft information sheet
// (SvedVSSheet.h) reckons them.
//
// Reads:    the aircraft's REESTR row, SOBSTVENNIKI and EXPLUATANTY (names of
//           its owner and operator), and what the information sheet reads
//           for its main components.
// Computes: the identity lines; the component rows of the information sheet
//           without its units.
// Writes:   nothing itself; the frame writes REPORT_SPRAVKA_OSIL by the
//           positions below.
#include "frames/AircraftGrid.h"
#include "platform/ReportCycle.h"

#include <QDate>
#include <QString>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::sheets {

// Positions of REPORT_SPRAVKA_OSIL. Column 1 says which part of the sheet a
// row belongs to: "1" a line of the aircraft's data (label in 2, value in
// 3), "2" a row of the components' table (2 to 12).
namespace SvedVvod {
constexpr int Part = 1;         // "1" aircraft line, "2" component row
constexpr int Label = 2;        // the line's label / the component's row name
constexpr int Value = 3;        // the line's value / the component's model
constexpr int Serial = 4;
constexpr int Made = 5;         // dd.mm.yy
constexpr int Repairs = 6;      // number of repairs or "-"
constexpr int RepairDate = 7;   // dd.mm.yy or "-"
constexpr int RepairPlace = 8;  // or "-"
constexpr int SinceNew = 9;     // whole hours
constexpr int SinceRepair = 10; // whole hours or "-"
constexpr int Limits = 11;      // "assigned / second"
constexpr int Remainders = 12;  // "assigned / second"
constexpr int Aircraft = 13;    // "type board"
constexpr int SheetDate = 14;   // dd.mm.yyyy
constexpr int Number = 15;      // component rows: running number from 1
} // namespace SvedVvod

inline const char* const kSvedVvodQuery = "Select * From REPORT_SPRAVKA_OSIL Order By ID;";

struct SvedVvodOptions {
    frames::AircraftRef aircraft;
    bool a4 = true; // rbtA4: "rep02", else (rbtA5) "rep09"
};

// The template of the sheet size.
QString svedVvodTemplate(const SvedVvodOptions& o);

struct SvedVvodSheet {
    QString operatorCode; // EXPLUATANT of the aircraft, for the heading and signatures
    std::vector<StagingRow> rows;
};

// The sheet as of `today`. An aircraft missing from the register, and a
// value that cannot be read, raise plan::DbError with a message naming the
// aircraft, the component, the column and the value.
SvedVvodSheet buildSvedVvod(Connection* c, const SvedVvodOptions& o, const QDate& today);

} // namespace plan::sheets
