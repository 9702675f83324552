#pragma once
// TfrPlanRepLizPSBEgMesOtch, "ООО ПСБ «Авиализинг». Форма ежемесячного
// отчета" of frmPlanReport: the lessor's monthly form for one aircraft and
// one month: the airframe's running time and landings in the month and in
// total, and the month's running time, cycles or starts of each engine, the
// main gearbox, the APU, the tail rotor and the main-rotor blades.
//
// Reads:    EXPLUATANTY (cboExpl), TIPOVYE_DANNYE_VS (the tree; the type's
//           ground-running rules), REESTR (the tree; the aircraft's row),
//           SPRAVKA (the year list; the aircraft's flight entries, once),
//           DVIGATEL, REDUCTOR, VSU, HVOSTOVOY_VINT, LOPAST (installed on
//           the aircraft), USERS (the preparer); LIZING_PSB/CBOEXPL.
// Computes: the period (the chosen month, from the last overhaul when that
//           lies inside it or later), the sums of the month (FunNarZaPer),
//           the totals at the month's end (stored totals less
//           FunNarDateStopPer), the units installed during the month counted
//           from their installation date.
// Writes:   REPORT_LIZING_PSB_MONTH, one row, shown with rep18 (types
//           "Ансат") or rep17; LIZING_PSB/CBOEXPL.
#include "reports/AirframeRegister.h"
#include "reports/Lizing.h"

#include <QDate>
#include <QStringList>

namespace plan::reports {

// Positions of REPORT_LIZING_PSB_MONTH.
namespace lizpsb {
constexpr int Month = 1;            // month name in lower case
constexpr int Year = 2;
constexpr int Type = 3;
constexpr int Board = 4;
constexpr int AircraftSerial = 5;   // register position 4
constexpr int Country = 6;          // "Россия"
constexpr int AirframeTotal = 7;    // hours text at the month's end
constexpr int AirframeLandings = 8; // landings since new at the month's end
constexpr int AirframeMonth = 9;    // hours text of the month
constexpr int AirframeMonthLandings = 10;
constexpr int Engine1 = 11;         // model, serial, month's hours, starts or cycles (11..14)
constexpr int Engine2 = 15;         // as Engine1 (15..18)
constexpr int GearModel = 19;
constexpr int GearDate = 20;        // DATA_KALENDAR, dd.mm.yy
constexpr int GearSerial = 21;
constexpr int GearMonth = 22;
constexpr int GearTotal = 23;
constexpr int ApuName = 24;
constexpr int ApuInstalled = 25;    // dd.mm.yy
constexpr int ApuSerial = 26;
constexpr int ApuMonth = 27;
constexpr int ApuTotal = 28;
constexpr int TailModel = 29;       // tail rotor: hub model, date, blades, month, total (29..33)
constexpr int MainModel = 34;       // main-rotor blades: model, date, blades, month, total (34..38)
constexpr int Operator = 39;
constexpr int Preparer = 40;
} // namespace lizpsb

// "rep18" for the types "Ансат", "rep17" for the others.
QString lizPsbTemplate(const QString& type);

// The row of REPORT_LIZING_PSB_MONTH (no widgets). A stored running time
// that is not "H:MM" raises ConversionError naming the aircraft or unit,
// its serial number, the column and the value.
StagedRows buildLizPsb(Connection* c, const LizPsbOptions& o);

class TfrPlanRepLizPSBEgMesOtch : public LessorMonthFrame {
    Q_OBJECT
public:
    TfrPlanRepLizPSBEgMesOtch();
    void FunReport() override;
};

} // namespace plan::reports
