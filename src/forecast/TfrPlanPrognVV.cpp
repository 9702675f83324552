#include "forecast/TfrPlanPrognVV.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognVV)

TfrPlanPrognVV::TfrPlanPrognVV() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognVV"))) {}

} // namespace plan::forecast
