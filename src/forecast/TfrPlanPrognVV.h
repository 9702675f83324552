#pragma once
// TfrPlanPrognVV: the forecast of replacement of the propellers across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognVV : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognVV();
    void FunCboVint() { fillFilterList(); }
};

} // namespace plan::forecast
