#pragma once
// TfrPlanRepAgrNaVSKvartal, "Квартальный отчет о всех компонентах ВС" of
// frmPlanReport: every component of the kinds of the quarterly report's
// tuned list that was on each ticked aircraft at the last day of the
// quarter, one line each, in the layout of the quarterly report of removed
// and installed components (TfrPlanRepZamenyKvartal: same panel, readers,
// REPORT_ZAMENY_KVARTAL and rep23, variant "All").
//
// Reads:    as the quarterly report, and instead of the quarter's movements:
//           each aircraft's components of every tuned kind today (each
//           kind's table once, taken per aircraft) and the movements after the quarter
//           (DVIGENIE_V_EKSPLUATACII, once), which tell the components put
//           on later (left out) and taken off later (listed, found by serial).
// Computes: the lines of the quarterly report, board and type always filled.
// Writes:   REPORT_ZAMENY_KVARTAL (position 22 "1"), shown with rep23;
//           MAIN/CBOEXPL.
#include "reports/TfrPlanRepZamenyKvartal.h"

namespace plan::reports {

class TfrPlanRepAgrNaVSKvartal : public TfrPlanRepZamenyKvartal {
    Q_OBJECT
public:
    using TfrPlanRepZamenyKvartal::FunStart;
    void FunStart() override;
};

} // namespace plan::reports
