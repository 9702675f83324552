#pragma once
// TfrPlanPrognAgregat: the forecast of replacement of the units counted in hours across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognAgregat : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognAgregat();
    void FunAgrAdd() { fillFilterList(); }
};

} // namespace plan::forecast
