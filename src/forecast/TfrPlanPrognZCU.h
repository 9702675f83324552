#pragma once
// TfrPlanPrognZCU: the forecast of replacement of the ZCU units across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognZCU : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognZCU();
    void FunAgrAdd() { fillFilterList(); }
};

} // namespace plan::forecast
