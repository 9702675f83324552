#include "forecast/TfrPlanPrognDvig.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognDvig)

TfrPlanPrognDvig::TfrPlanPrognDvig() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognDvig"))) {}

} // namespace plan::forecast
