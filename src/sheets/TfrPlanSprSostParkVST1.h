#pragma once
// TfrPlanSprSostParkVST1, "Состояние парка воздушных судов (Отчет - тип 1)"
// of frmPlanSpravka: the state of every aircraft of every operator at the
// moment of printing, grouped by operator and type.
//
// Reads:    RASPOLOGENIA, EXPLUATANTY, REESTR, PTO_FORMY, TIPOVYE_DANNYE_VS,
//           SPRAVKA, TO_AKB, SEZONNOE_TO, OBSHIE (signatures)
//           (FleetStateSheets.h).
// Computes: per aircraft the running times, forms, expected date, warning
//           code and notes; the moment of printing (Moscow time) of txtDate
//           and of every row.
// Writes:   REPORT_SOST_PARK_VS, operator, type and aircraft rows, shown
//           with rep14.
#include "shell/PlanFrame.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace plan::sheets {

class TfrPlanSprSostParkVST1 : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprSostParkVST1();
    void FunStart() override;
    void FunReport() override;

private:
    QLineEdit* txtDate = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::sheets
