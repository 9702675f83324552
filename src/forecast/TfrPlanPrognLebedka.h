#pragma once
// TfrPlanPrognLebedka: the forecast of replacement of the winches across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognLebedka : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognLebedka();
    void FunAgrAdd() { fillFilterList(); }
};

} // namespace plan::forecast
