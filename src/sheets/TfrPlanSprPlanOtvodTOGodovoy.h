#pragma once
// TfrPlanSprPlanOtvodTOGodovoy, "Годовой план отвода ВС на ТО" of
// frmPlanSpravka: for the aircraft ticked in the grid, the last form and
// every form to come for about a year with its expected date.
//
// Reads:    EXPLUATANTY (cboExpl), OBSHIE, REESTR (the grid; each aircraft's
//           row), PTO_FORMY, TIPOVYE_DANNYE_VS, SPRAVKA (the 30, 60 or 90
//           days of cboSrNalet before today and the same windows a year
//           before each step), MAIN/CBOEXPL.
// Computes: per aircraft the next form and date, then form by form the dates
//           to the limit of the plan (WithdrawalPlans.h).
// Writes:   REPORT_PLAN_OTVOD_TO_GOD, one row per aircraft, shown with rep17;
//           MAIN/CBOEXPL.
#include "shell/PlanFrame.h"

class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace plan::frames {
class AircraftGrid;
class OperatorSelector;
} // namespace plan::frames

namespace plan::sheets {

class TfrPlanSprPlanOtvodTOGodovoy : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprPlanOtvodTOGodovoy();
    void FunStart() override;
    // The days of cboSrNalet, then FunReport.
    void cmdReportClick() override;
    void FunReport() override;

private:
    int m_days = 30;
    QLabel* Label1 = nullptr;
    frames::OperatorSelector* cboExpl = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboSrNalet = nullptr;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
    QVBoxLayout* m_box = nullptr;
};

} // namespace plan::sheets
