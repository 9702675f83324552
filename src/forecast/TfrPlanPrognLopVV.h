#pragma once
// TfrPlanPrognLopVV: the forecast of replacement of the propeller blades across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognLopVV : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognLopVV();
    void FunCboLopast() { fillFilterList(); }
};

} // namespace plan::forecast
