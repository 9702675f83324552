#include "forecast/TfrPlanPrognLopVV.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognLopVV)

TfrPlanPrognLopVV::TfrPlanPrognLopVV() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognLopVV"))) {}

} // namespace plan::forecast
