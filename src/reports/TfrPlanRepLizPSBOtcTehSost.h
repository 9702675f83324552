#pragma once
// TfrPlanRepLizPSBOtcTehSost, "ООО ПСБ «Авиализинг». Отчет о техническом
// состоянии" of frmPlanReport: the lessor's report on the technical state of
// one leased aircraft on a date: the aircraft's state, running times,
// limits and what is left of them; its main components with theirs; the
// maintenance forms performed in the year before the date and the forms
// that come next.
//
// Reads:    EXPLUATANTY (cboExpl), TIPOVYE_DANNYE_VS and REESTR (the tree;
//           the aircraft's row; the ground-running rules), LIZING (the
//           contract), SOSTOIANIE_PARKA (the state on the date), SPRAVKA
//           (the aircraft's flights, once), DVIGATEL, REDUCTOR, VSU,
//           HVOSTOVOY_VINT, LOPAST (installed on the aircraft),
//           VYPOLNENNYE_FORMY, PTO_FORMY / PTO_FORMY_DVIG (the cycle of
//           forms), USERS (the preparer); LIZING_PSB_TS/CBOEXPL.
// Computes: every running time back-dated to the end of the date (stored
//           totals less the flying after it; units counted from the aircraft
//           from their installation), the remainders to the assigned life
//           and to the overhaul, the next forms with their remainders (the
//           flying after the date added back) and expected dates (the
//           average of the 30 days before the date).
// Writes:   REPORT_LIZING_PSB_P1 (the aircraft, one row),
//           REPORT_LIZING_PSB_P2 (a row per component), REPORT_LIZING_PSB_P3
//           (section rows "|", the forms performed, the forms to come);
//           shown with rep19.
#include "frames/Period.h"
#include "reports/FrameParts.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <optional>

class QPushButton;

namespace plan::frames {
class AircraftTree;
class OperatorSelector;
} // namespace plan::frames

namespace plan::reports {

// Positions of REPORT_LIZING_PSB_P1.
namespace psbts {
constexpr int Type = 1;
constexpr int Board = 2;
constexpr int Serial = 3;            // register position 4
constexpr int Made = 4;              // dd.mm.yyyy
constexpr int Operator = 5;          // cboExpl's text
constexpr int ReportDate = 6;        // dd.mm.yyyy
constexpr int State = 7;             // the state on the date, in words
constexpr int StateSince = 8;        // dd.mm.yyyy
constexpr int SinceNew = 9;          // "H:MM" on the date
constexpr int LandingsNew = 10;
constexpr int Repairs = 11;          // number of overhauls
constexpr int OverhaulDate = 12;     // dd.mm.yyyy
constexpr int OverhaulPlant = 13;
constexpr int SinceOverhaul = 14;    // "H:MM" on the date
constexpr int LandingsOverhaul = 15;
constexpr int Assigned = 16;         // assigned life, hours
constexpr int AssignedLeft = 17;     // "H:MM", negative when past it
constexpr int BetweenOverhauls = 18; // life between overhauls, hours
constexpr int OverhaulLeft = 19;     // "H:MM"
constexpr int CalendarLife = 20;     // years.months as recorded
constexpr int CalendarBetween = 21;
constexpr int Certificate = 22;
constexpr int CertificateTo = 23;    // dd.mm.yyyy
constexpr int LastFlight = 24;       // the last flight on or before the date
constexpr int Preparer = 25;
constexpr int Lessor = 26;
constexpr int ContractNumber = 27;
constexpr int ContractDate = 28;     // dd.mm.yyyy
} // namespace psbts

// Positions of REPORT_LIZING_PSB_P2, one row per installed main component.
namespace psbtsunit {
constexpr int Kind = 1;              // "Двигатель № 1", "Главный редуктор", "ВСУ", ...
constexpr int Model = 2;
constexpr int Serial = 3;
constexpr int Made = 4;              // dd.mm.yyyy
constexpr int Installed = 5;         // dd.mm.yyyy
constexpr int Repairs = 6;
constexpr int SinceNew = 7;          // "H:MM" on the date
constexpr int SinceOverhaul = 8;     // "H:MM" on the date, only when overhauled
constexpr int Assigned = 9;          // hours
constexpr int AssignedLeft = 10;     // "H:MM"
constexpr int OverhaulLimit = 11;    // hours: to the first overhaul, or between overhauls
constexpr int OverhaulLeft = 12;     // "H:MM"
} // namespace psbtsunit

// Positions of REPORT_LIZING_PSB_P3: section rows carry "|" and their
// title in 1; the other rows one form each.
namespace psbtsto {
constexpr int Item = 1;              // "Планер", or the engine's model and number
constexpr int Form = 2;
constexpr int Date = 3;              // performed on / expected on, dd.mm.yyyy
constexpr int RunningTime = 4;       // at the form (performed), left to it (to come)
constexpr int Note = 5;              // the last form performed before the one to come
} // namespace psbtsto

struct PsbTechOptions {
    QString operatorName; // cboExpl's text
    QString type;
    QString board;
    QDate date;           // picDate
    QString userName;
};

// Minutes of a life limit in hours (a whole number, or "H:MM"); nothing
// when the limit is empty or 0.
std::optional<long long> limitMinutes(const QString& hours);

// The rows of the three tables (no widgets). A stored running time that is
// not "H:MM" raises ConversionError naming the aircraft or unit, its serial
// number, the column and the value.
StagedTables buildPsbTech(Connection* c, const PsbTechOptions& o);

class TfrPlanRepLizPSBOtcTehSost : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepLizPSBOtcTehSost();

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    PsbTechOptions options() const;

private:
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::ReportDateControl m_date;            // picDate
    frames::AircraftTree* TreeView = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
