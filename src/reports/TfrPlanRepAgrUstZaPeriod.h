#pragma once
// TfrPlanRepAgrUstZaPeriod, "Перечень агрегатов, установленных за отчетный
// период" of frmPlanReport: for one aircraft of the tree, every unit, hub,
// blade, rotor, propeller and ZCU unit installed in a period, with its name,
// drawing number and serial number. The period never starts before the
// aircraft's last overhaul (register position 8).
//
// Reads:    EXPLUATANTY (cboExpl), TIPOVYE_DANNYE_VS and REESTR (the tree;
//           the picked aircraft's row), DVIGATEL (the first engine's model),
//           OBSHIE (the row of the operator's index in the list), AGREGAT
//           with ETAAGREGAT, AGR_VSU with ETA_AGR_VSU, VTULKA_NV with
//           ETA_VTULKA_NV, LOPAST, HVOSTOVOY_VINT, VOZDUSHNY_VINT, ZCU with
//           ETA_ZCU; AGR_ZA_PER/CBOEXPL.
// Computes: the period's start (clipped to the last overhaul), each item's
//           name and designation (from its reference row where found; the
//           designation left out when the name already holds it).
// Writes:   REPORT_AGR_UST_ZA_PER, one row per installed item, the kinds in
//           a fixed order and each kind by installation date and ID, shown
//           with rep20; AGR_ZA_PER/CBOEXPL.
#include "frames/AircraftGrid.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>

class QDateEdit;
class QPushButton;

namespace plan::frames {
class AircraftTree;
class OperatorSelector;
} // namespace plan::frames

namespace plan::reports {

// Positions of REPORT_AGR_UST_ZA_PER.
namespace agrust {
constexpr int Type = 1;        // aircraft type
constexpr int Board = 2;       // board number
constexpr int Serial = 3;      // register position 4 (the aircraft's serial number)
constexpr int Engine = 4;      // position 2 of the aircraft's first engine row
constexpr int Today = 5;       // today, dd.mm.yyyy
constexpr int Installed = 6;   // the item's installation date, dd.mm.yyyy
constexpr int Name = 7;        // the item's name
constexpr int Designation = 8; // drawing number or designation, or empty
constexpr int ItemSerial = 9;  // the item's serial number
constexpr int Post = 10;       // OBSHIE position 25
constexpr int Preparer = 11;   // OBSHIE position 11
} // namespace agrust

struct AgrUstOptions {
    int operatorIndex = -1; // index of the chosen operator in cboExpl, -1 when cleared
    QString type;
    QString board;
    QDate start;
    QDate stop;
};

// The rows of REPORT_AGR_UST_ZA_PER (no widgets). `start` (when given)
// receives the start of the period used: the later of o.start and the
// register's position 8.
StagedRows buildAgrUst(Connection* c, const AgrUstOptions& o, QDate* start = nullptr);

// The date the period may start on for an aircraft: register position 8
// (invalid when the aircraft or the date is not there).
QDate lastOverhaulDate(Connection* c, const QString& type, const QString& board);

class TfrPlanRepAgrUstZaPeriod : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepAgrUstZaPeriod();

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    AgrUstOptions options() const;

private:
    void TreeViewClick(const frames::AircraftRef& a);

    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::AircraftTree* TreeView = nullptr;
    QDateEdit* picDateStart = nullptr;
    QDateEdit* picDateStop = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
