#include "forecast/TfrPlanPrognRed.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognRed)

TfrPlanPrognRed::TfrPlanPrognRed() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognRed"))) {}

} // namespace plan::forecast
