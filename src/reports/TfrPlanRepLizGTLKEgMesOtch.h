#pragma once
// TfrPlanRepLizGTLKEgMesOtch, "Лизинг ГТЛК. Ежемесячная форма - Сведения о
// наработках и заменах" of frmPlanReport: the lessee's monthly form for one
// leased aircraft: the running times and landings of the month and in total
// (airframe, engines, main gearbox, APU, rotors), the components replaced
// during the month and the maintenance forms performed in it.
//
// Reads:    what the PSB monthly form reads (the tree, the month, REESTR,
//           SPRAVKA once, the installed units, USERS), LIZING (the lease
//           contract), DVIGENIE_V_EKSPLUATACII (the movements of the month
//           to and from the aircraft), VYPOLNENNYE_FORMY (the forms of the
//           month); LIZING_GTLK/CBOEXPL.
// Computes: the period (the chosen month, from the last overhaul when that
//           is later), the running-time row of the PSB monthly form, the
//           replacements (a removal and an installation of the same kind and
//           reference on the same day make one row).
// Writes:   REPORT_LIZING_MONTH_P1 (one row, positions of the PSB monthly
//           form), REPORT_LIZING_MONTH_P2 (the replacements),
//           REPORT_LIZING_PTO (the forms); shown with rep16.
#include "reports/AirframeRegister.h"
#include "reports/FrameParts.h"
#include "reports/Lizing.h"

namespace plan::reports {

// Positions of REPORT_LIZING_MONTH_P2, one row per replacement.
namespace gtlkzam {
constexpr int Number = 1;        // 1, 2, ...
constexpr int Date = 2;          // dd.mm.yyyy
constexpr int Kind = 3;          // "Двигатель", "Лопасть НВ", ...
constexpr int RemovedModel = 4;
constexpr int RemovedSerial = 5;
constexpr int RemovedTo = 6;     // where the removed unit went
constexpr int InstalledModel = 7;
constexpr int InstalledSerial = 8;
constexpr int InstalledFrom = 9; // where the installed unit came from
constexpr int Reason = 10;
} // namespace gtlkzam

// Positions of REPORT_LIZING_PTO, one row per form performed.
namespace gtlkpto {
constexpr int Number = 1;
constexpr int Form = 2;          // NAME_FORMY
constexpr int Date = 3;          // dd.mm.yyyy
constexpr int RunningTime = 4;   // NARABOTKA as recorded
} // namespace gtlkpto

// The shown kind of a movement-log row (NAIMENOVANIE, and ID_NAME 1 blades
// / 0 hub for the rotors); an unknown code is shown as it is.
QString movementKind(const QString& code, const QString& idName);

// The rows of the three tables (no widgets): P1 as the PSB monthly form,
// then the replacements and the forms of the period. The aircraft without a
// lease contract is reported with a line of data to check.
StagedTables buildLizGtlk(Connection* c, const LizPsbOptions& o);

class TfrPlanRepLizGTLKEgMesOtch : public LessorMonthFrame {
    Q_OBJECT
public:
    TfrPlanRepLizGTLKEgMesOtch();
    void FunReport() override;
};

} // namespace plan::reports
