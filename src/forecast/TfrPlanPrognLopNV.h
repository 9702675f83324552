#pragma once
// TfrPlanPrognLopNV: the forecast of replacement of the main-rotor blades across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognLopNV : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognLopNV();
    void FunCboLopast() { fillFilterList(); }
};

} // namespace plan::forecast
