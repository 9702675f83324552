#pragma once
// TfrPlanPrognLopRV: the forecast of replacement of the tail-rotor blades across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognLopRV : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognLopRV();
    void FunCboLopast() { fillFilterList(); }
};

} // namespace plan::forecast
