#pragma once
// TfrPlanPrognVtulkaNV: the forecast of replacement of the main-rotor hubs across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognVtulkaNV : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognVtulkaNV();
    void FunAgrAdd() { fillFilterList(); }
};

} // namespace plan::forecast
