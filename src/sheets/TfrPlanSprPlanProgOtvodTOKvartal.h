#pragma once
// TfrPlanSprPlanProgOtvodTOKvartal, "Квартальный план-прогноз отвода ВС на ТО" of frmPlanSpravka:
// the forecast of withdrawal of one aircraft for its periodic forms from the
// flying the user plans by weeks, four weeks of each of three months from the current one
// (OtvodForecastFrame.h tells what it reads, computes and writes).
#include "sheets/OtvodForecastFrame.h"

namespace plan::sheets {

class TfrPlanSprPlanProgOtvodTOKvartal : public OtvodForecastFrame {
    Q_OBJECT
public:
    TfrPlanSprPlanProgOtvodTOKvartal() : OtvodForecastFrame(PlanGrain::Week) {}
};

} // namespace plan::sheets
