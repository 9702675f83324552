#pragma once
// TfrPlanSprPlanPrognozOtvodTO, "Годовой план-прогноз отвода ВС на ТО" of frmPlanSpravka:
// the forecast of withdrawal of one aircraft for its periodic forms from the
// flying the user plans by months, twelve months from the current one
// (OtvodForecastFrame.h tells what it reads, computes and writes).
#include "sheets/OtvodForecastFrame.h"

namespace plan::sheets {

class TfrPlanSprPlanPrognozOtvodTO : public OtvodForecastFrame {
    Q_OBJECT
public:
    TfrPlanSprPlanPrognozOtvodTO() : OtvodForecastFrame(PlanGrain::Month) {}
};

} // namespace plan::sheets
