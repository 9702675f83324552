#pragma once
// TfrPlanSprFormaG4, "Форма Г4 (ОСиЛ)" of frmPlanSpravka: the register of
// the engines, main gearboxes and APUs installed on the operator's aircraft:
// per aircraft, each unit with its model, serial number, date of
// manufacture, hours since new and since overhaul on the date, overhauls,
// limits and what is left of them.
//
// Reads:    EXPLUATANTY (cboExpl), what the form shows (OsilRegisters.h),
//           MAIN/EXPL_G4.
// Computes: the form (buildFormaG4).
// Writes:   REPORT_OSIL_G4, shown with the template rep07; MAIN/EXPL_G4.
#include "sheets/OsilFormFrame.h"

namespace plan::sheets {

class TfrPlanSprFormaG4 : public OsilFormFrame {
    Q_OBJECT
public:
    TfrPlanSprFormaG4();
};

} // namespace plan::sheets
