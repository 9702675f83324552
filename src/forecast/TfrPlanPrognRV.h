#pragma once
// TfrPlanPrognRV: the forecast of replacement of the tail rotors across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognRV : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognRV();
    void FunCboVint() { fillFilterList(); }
};

} // namespace plan::forecast
