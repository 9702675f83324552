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
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QStringList>

class QPushButton;

namespace plan::frames {
class AircraftTree;
class OperatorSelector;
struct AircraftRef;
} // namespace plan::frames

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
// The preparer of position 40: "Фамилия И.О." from USERS, the user name
// when it is not there, "" for a built-in account.
QString preparerName(Connection* c, const QString& userName);
// "rep18" for the types "Ансат", "rep17" for the others.
QString lizPsbTemplate(const QString& type);

// The row of REPORT_LIZING_PSB_MONTH (no widgets). A stored running time
// that is not "H:MM" raises ConversionError naming the aircraft or unit,
// its serial number, the column and the value.
StagedRows buildLizPsb(Connection* c, const LizPsbOptions& o);

class TfrPlanRepLizPSBEgMesOtch : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepLizPSBEgMesOtch();

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    void FunCalendar();
    LizPsbOptions options() const;

private:
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::PeriodControls m_period;             // cboMonth, cboYear
    frames::AircraftTree* TreeView = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
