#pragma once
// The frame both forecasts of withdrawal by planned flying are made of
// (TfrPlanSprPlanPrognozOtvodTO by months, TfrPlanSprPlanProgOtvodTOKvartal
// by weeks): the operator, one aircraft (cboTipVS, cboNumVS) and the planned
// hours of twelve periods (txt1..txt12 under lbl1..lbl12).
//
// Reads:    EXPLUATANTY (cboExpl), TIPOVYE_DANNYE_VS (cboTipVS), REESTR
//           (cboNumVS; the aircraft's row), PTO_FORMY, OBSHIE, MAIN/CBOEXPL.
// Computes: the next form and every form to come to the limit of the plan,
//           each date by FunNextDate from the planned hours (WithdrawalPlans.h).
// Writes:   REPORT_PLAN_OTVOD_TO_GOD, one row, shown with rep17; MAIN/CBOEXPL.
#include "sheets/WithdrawalPlans.h"
#include "shell/PlanFrame.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::sheets {

class OtvodForecastFrame : public shell::TPlanFrame {
    Q_OBJECT
public:
    explicit OtvodForecastFrame(PlanGrain grain);
    void FunStart() override;
    void FunReport() override;

    // The types of TIPOVYE_DANNYE_VS.
    void FunCboTipVS();
    // The board numbers of the chosen type.
    void FunCboNumVS();
    // The captions lbl1..lbl12 of the months or weeks.
    void FunCboMonth();
    void cboTipVSChange();

private:
    PlanGrain m_grain;
    QLabel* Label1 = nullptr;
    frames::OperatorSelector* cboExpl = nullptr;
    QComboBox* cboTipVS = nullptr;
    QComboBox* cboNumVS = nullptr;
    QLabel* lbl[12] = {};
    QLineEdit* txt[12] = {};
    QPushButton* cmdReport = nullptr;
    QGridLayout* m_grid = nullptr;
};

} // namespace plan::sheets
