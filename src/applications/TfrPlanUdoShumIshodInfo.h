#pragma once
// TfrPlanUdoShumIshodInfo, "Перечень исходной информации" of frmPlanUdoShum:
// the source data of one aircraft for a noise-certificate application, one
// row: the aircraft's identity, purpose, empty mass, overhaul state and
// remaining life, its engines, APU, main-rotor blades (five at most), tail
// rotor and tail-rotor blades, and the operator's contacts.
//
// Reads:    EXPLUATANTY (the operator's code), REESTR, DVIGATEL, VSU, LOPAST,
//           HVOSTOVOY_VINT of the aircraft, OBSHIE of the operator.
// Computes: time and calendar time left to overhaul as of today.
// Writes:   REPORT_UDOSHUM_ISH_INF (positions below); template rep01 when
//           the aircraft has an APU, rep02 when not.
#include "applications/SlgTreeFrame.h"
#include "platform/ReportCycle.h"

namespace plan::applications {

namespace shum {
constexpr int Type = 1;           // register column 1
constexpr int Purpose = 2;        // "транспортное" or ""
constexpr int Board = 3;          // register column 3
constexpr int Serial = 4;         // register column 4
constexpr int Made = 5;           // "dd.mm.yyyyг."
constexpr int Cargo = 6;          // "грузовое" or ""
constexpr int Mass = 7;           // empty mass "Nкг."
constexpr int LastOverhaul = 8;   // "dd.mm.yyyyг." once overhauled
constexpr int HoursLeft = 9;      // time left to overhaul, "H:MM" less its last character
constexpr int CalendarLeft = 10;  // calendar time left to overhaul
constexpr int Engine1 = 11;       // model, serial, made; the second engine at 14
constexpr int Apu = 17;           // model, serial, made
constexpr int BladeModel = 20;    // model of the first main-rotor blade
constexpr int Blades = 21;        // serial, made: five pairs, 21 to 30
constexpr int MaxBlades = 5;
constexpr int TailRotor = 31;     // model, serial, made
constexpr int TailBlades = 34;    // model, serial, made (the first tail blade)
constexpr int OperatorEmail = 37; // OBSHIE columns 19, 4, 11, 14 at 37 to 40
} // namespace shum

inline const char* const kUdoShumQuery = "Select * From REPORT_UDOSHUM_ISH_INF Order By ID;";

StagingRow buildUdoShum(Connection* c, const SlgDocOptions& o);
// "rep01" when the row carries an APU (position 17), "rep02" otherwise.
QString udoShumTemplate(const StagingRow& row);

class TfrPlanUdoShumIshodInfo : public SlgTreeFrame {
    Q_OBJECT
public:
    TfrPlanUdoShumIshodInfo() : SlgTreeFrame(QStringLiteral("frmPlanUdoShum"), false) {}

protected:
    void FunDocument(const SlgDocOptions& o) override;
};

} // namespace plan::applications
