#include "forecast/TfrPlanPrognLopRV.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognLopRV)

TfrPlanPrognLopRV::TfrPlanPrognLopRV() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognLopRV"))) {}

} // namespace plan::forecast
