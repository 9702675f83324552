#include "forecast/TfrPlanPrognVtulkaNV.h"

namespace plan::forecast {

PLAN_REGISTER_FRAME(TfrPlanPrognVtulkaNV)

TfrPlanPrognVtulkaNV::TfrPlanPrognVtulkaNV() : TfrPlanPrognComponent(*componentFrame(QStringLiteral("TfrPlanPrognVtulkaNV"))) {}

} // namespace plan::forecast
