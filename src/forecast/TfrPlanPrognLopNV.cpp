#include "forecast/TfrPlanPrognLopNV.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognLopNV)

TfrPlanPrognLopNV::TfrPlanPrognLopNV() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognLopNV"))) {}

} // namespace plan::forecast
