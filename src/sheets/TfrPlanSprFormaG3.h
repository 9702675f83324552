#pragma once
// TfrPlanSprFormaG3, "Форма Г3 (ОСиЛ)" of frmPlanSpravka: the register of
// the operator's aircraft for the authority's airworthiness department
// (ОСиЛ): per aircraft, by type, its identity, owner and operator,
// certificates with their validity, totals since new and since overhaul on
// the date, limits and what is left of them, base.
//
// Reads:    EXPLUATANTY (cboExpl), what the form shows (OsilRegisters.h),
//           MAIN/EXPL_G3.
// Computes: the form (buildFormaG3).
// Writes:   REPORT_OSIL_G3, shown with the template rep06; MAIN/EXPL_G3.
#include "sheets/OsilFormFrame.h"

namespace plan::sheets {

class TfrPlanSprFormaG3 : public OsilFormFrame {
    Q_OBJECT
public:
    TfrPlanSprFormaG3();
};

} // namespace plan::sheets
