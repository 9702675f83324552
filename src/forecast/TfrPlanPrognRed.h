#pragma once
// TfrPlanPrognRed: the forecast of replacement of the main gearboxes across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognRed : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognRed();
    void FunCboReductor() { fillFilterList(); }
};

} // namespace plan::forecast
