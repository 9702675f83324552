#pragma once
// TfrPlanSprSostParkVST2, "Состояние парка воздушных судов (Отчет - тип 2)"
// of frmPlanSpravka: the state of the aircraft ticked in the grid at the
// moment of printing, with their engines' running times.
//
// Reads:    REESTR (the grid; each aircraft's row), RASPOLOGENIA, PTO_FORMY,
//           TIPOVYE_DANNYE_VS, SPRAVKA, SEZONNOE_TO, DVIGATEL, OBSHIE
//           (signatures) (FleetStateSheets.h).
// Computes: as the sheet of the whole fleet, without the battery note, and
//           the engines' texts and the two state columns.
// Writes:   REPORT_SOST_PARK_VST2, a type row before each type's aircraft,
//           shown with rep16.
#include "shell/PlanFrame.h"

class QLineEdit;
class QPushButton;

namespace plan::frames {
class AircraftGrid;
}

namespace plan::sheets {

class TfrPlanSprSostParkVST2 : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprSostParkVST2();
    void FunStart() override;
    void FunReport() override;

private:
    QLineEdit* txtDate = nullptr;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::sheets
