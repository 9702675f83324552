#pragma once
// TfrPlanSprSvedVvodVS, "Необходимые сведения для ввода ВС (ОСиЛ)" of
// frmPlanSpravka: what the authority's airworthiness department needs to
// enter one aircraft into service, produced as soon as the aircraft is
// picked in the tree.
//
// Reads:    TIPOVYE_DANNYE_VS and REESTR (the tree), what the sheet shows
//           (SvedVvodVSSheet.h), the setting SVED_VVOD_VS/A4 (rbtA4, rbtA5)
//           and MAIN/SCALE.
// Computes: the sheet (buildSvedVvod).
// Writes:   REPORT_SPRAVKA_OSIL, shown with the template rep02 (A4) or rep09
//           (A5); SVED_VVOD_VS/A4 as the size changes.
#include "frames/AircraftGrid.h"
#include "shell/PlanFrame.h"

class QRadioButton;

namespace plan::frames {
class AircraftTree;
}

namespace plan::sheets {

class TfrPlanSprSvedVvodVS : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprSvedVvodVS();

    void FunStart() override;
    // The sheet of the aircraft picked; nothing before one is picked.
    void FunReport() override;
    bool chosen() const { return m_chosen; }

private:
    void rbtSizeClick(QRadioButton* button, bool a4);
    void fitHeight();

    frames::AircraftTree* TreeView = nullptr;
    QRadioButton* rbtA4 = nullptr;
    QRadioButton* rbtA5 = nullptr;
    frames::AircraftRef m_aircraft;
    bool m_chosen = false;
};

} // namespace plan::sheets
