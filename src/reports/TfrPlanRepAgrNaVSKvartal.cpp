#include "reports/TfrPlanRepAgrNaVSKvartal.h"

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepAgrNaVSKvartal)

void TfrPlanRepAgrNaVSKvartal::FunStart() { TfrPlanRepZamenyKvartal::FunStart(QStringLiteral("All")); }

} // namespace plan::reports
