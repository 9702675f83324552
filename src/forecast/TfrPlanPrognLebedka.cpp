#include "forecast/TfrPlanPrognLebedka.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognLebedka)

TfrPlanPrognLebedka::TfrPlanPrognLebedka() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognLebedka"))) {}

} // namespace plan::forecast
