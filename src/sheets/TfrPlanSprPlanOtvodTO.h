#pragma once
// TfrPlanSprPlanOtvodTO, "План отвода ВС на ТО" of frmPlanSpravka: for the
// aircraft ticked in the grid, the last and next periodic form and the date
// the aircraft is expected to be withdrawn for it.
//
// Reads:    EXPLUATANTY (cboExpl), OBSHIE (the operator's heading), REESTR
//           (the grid; each aircraft's row), PTO_FORMY, PTO_FORMY_DVIG,
//           TIPOVYE_DANNYE_VS, DVIGATEL, SPRAVKA (the last 30 days), MAIN/CBOEXPL.
// Computes: per aircraft and per engine with forms of its own the forms,
//           remainders and the expected date (WithdrawalPlans.h).
// Writes:   REPORT_PLAN_OTVOD_TO, one row per aircraft and engine, shown with
//           rep10 (airframes only) or rep15 (with engine rows); MAIN/CBOEXPL.
#include "shell/PlanFrame.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace plan::frames {
class AircraftGrid;
class OperatorSelector;
} // namespace plan::frames

namespace plan::sheets {

class TfrPlanSprPlanOtvodTO : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprPlanOtvodTO();
    void FunStart() override;
    void FunReport() override;

private:
    QLabel* Label1 = nullptr;
    frames::OperatorSelector* cboExpl = nullptr;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
    QVBoxLayout* m_operatorRow = nullptr; // cboExpl goes under Label1 once the settings file is known
};

} // namespace plan::sheets
