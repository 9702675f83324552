#include "forecast/TfrPlanPrognAgregat.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognAgregat)

TfrPlanPrognAgregat::TfrPlanPrognAgregat() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognAgregat"))) {}

} // namespace plan::forecast
