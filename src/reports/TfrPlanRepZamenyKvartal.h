#pragma once
// TfrPlanRepZamenyKvartal, "Квартальный отчет о снятых и установленных
// компонентах ВС" ("Type1": removed and installed) and "Квартальный отчет об
// установленных компонентах ВС" ("Type2": installed only) of frmPlanReport:
// every movement of a component from or to each ticked aircraft in the
// quarter, one line per movement, with the component's identity, dates,
// running times and limits. Which kinds are listed, and in which order, is
// the tuned list of the report (TUNE_DOCS). The variant "All" lists instead
// every component on each aircraft at the quarter's end
// (TfrPlanRepAgrNaVSKvartal).
//
// Reads:    EXPLUATANTY (cboExpl), SPRAVKA (the first year of cboYear;
//           flights of the aircraft of continuously counted parts, a few
//           queries), REESTR (the grid), TUNE_DOCS (the kinds, once),
//           ETAAGREGAT (the units of the tuned unit lines, once),
//           ETA_VTULKA_NV (hub names, once), OBSHIE and SOBSTVENNIKI (own
//           owners), DVIGENIE_V_EKSPLUATACII (the quarter's movements of own
//           units, once), DVIGATEL, REDUCTOR, VSU, LOPAST, HVOSTOVOY_VINT,
//           VTULKA_NV, VOZDUSHNY_VINT, AGREGAT, LEBEDKA (each once, the moved
//           component found by its serial number), TIPOVYE_DANNYE_VS (ground
//           running of continuously counted parts, once per type),
//           MAIN/CBOEXPL.
// Computes: per movement the component's row: whole hours since new and
//           since overhaul (continuously counted parts from the aircraft's
//           flying), the limits by the number of overhauls, the accounting
//           measure of units.
// Writes:   REPORT_ZAMENY_KVARTAL, one row per movement whose component is
//           found, shown with rep23; MAIN/CBOEXPL.
#include "frames/AircraftGrid.h"
#include "frames/Period.h"
#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"

#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QVBoxLayout;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::reports {

// Positions of REPORT_ZAMENY_KVARTAL.
namespace zk {
constexpr int Caption = 1;        // the kind's caption, or the unit's / hub's name
constexpr int Model = 2;
constexpr int Serial = 3;
constexpr int Board = 4;          // only when the movement went to the aircraft
constexpr int Type = 5;           // the same
constexpr int Made = 6;           // dd.mm.yyyy
constexpr int RepairDate = 7;     // when overhauled
constexpr int CalendarFrom = 8;   // date the calendar limits count from
constexpr int Measure = 9;        // "час", "пос", "лет", "цик"
constexpr int SinceNew = 10;      // whole hours
constexpr int Assigned = 11;      // assigned life
constexpr int SinceOverhaul = 12; // whole hours, when overhauled
constexpr int Limit = 13;         // to the first overhaul (one overhaul) or between overhauls
constexpr int AssignedYears = 14;
constexpr int LimitYears = 15;
constexpr int Group = 16;         // "5" engines, gearboxes, APUs; "1" the others
constexpr int Quantity = 17;      // "1"
constexpr int RepairPlant = 18;   // when overhauled
constexpr int Repairs = 19;       // when overhauled
constexpr int ExtendedDate = 20;  // when the life was extended
constexpr int ExtendedLife = 21;
constexpr int Spare = 22;         // ""; "1" on the lines of the report of all components
} // namespace zk

// The name of the tuned list the report follows (both variants).
QString zamenyKvartalTuneName();

struct ZamenyOptions {
    bool installedOnly = false; // "Type2"
    // "All": every component of the tuned kinds on the aircraft at the
    // quarter's end instead of the movements (one line each, position 22 "1").
    bool allInstalled = false;
    frames::Period quarter;
    std::vector<frames::AircraftRef> aircraft; // the ticked rows, in grid order
    // The movements, the component tables and the reference lists are read
    // once per report and searched in memory; true sends instead the form's
    // own query per aircraft and kind, per moved component, per unit line
    // and per type (the same rows in the same order).
    bool queryPerItem = false;
};

// The rows of REPORT_ZAMENY_KVARTAL (no widgets): per aircraft, per tuned
// kind in NUMBER_LINE order, per movement in the order of its query.
// step() is called once per aircraft. A running time of a component that is
// not "H:MM" raises ConversionError naming the component, its serial
// number, the column and the value.
std::vector<StagingRow> buildZamenyKvartal(Connection* c, const ZamenyOptions& o, const std::function<void()>& step = {});

class TfrPlanRepZamenyKvartal : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepZamenyKvartal();
    ~TfrPlanRepZamenyKvartal() override;

    using TPlanFrame::FunStart;
    void FunStart(const QString& variant) override;
    void FunReport() override;
    void FunCboExpl();
    ZamenyOptions options() const;

private:
    QString m_variant;
    QVBoxLayout* m_panel = nullptr;
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    std::unique_ptr<frames::PeriodControls> m_period;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
