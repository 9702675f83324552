#include "forecast/TfrPlanPrognZCU.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognZCU)

TfrPlanPrognZCU::TfrPlanPrognZCU() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognZCU"))) {}

} // namespace plan::forecast
