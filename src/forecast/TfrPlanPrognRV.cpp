#include "forecast/TfrPlanPrognRV.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognRV)

TfrPlanPrognRV::TfrPlanPrognRV() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognRV"))) {}

} // namespace plan::forecast
