#pragma once
// TfrPlanPrognDvig: the forecast of replacement of the engines across the fleet — the
// frame of the component forecasts with its row of their table
// (TfrPlanPrognComponent.cpp).
#include "forecast/TfrPlanPrognComponent.h"

namespace plan::forecast {

class TfrPlanPrognDvig : public TfrPlanPrognComponent {
    Q_OBJECT
public:
    TfrPlanPrognDvig();
    void FunCboDvigatel() { fillFilterList(); }
};

} // namespace plan::forecast
