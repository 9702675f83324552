#include "sheets/TfrPlanSprPlanPrognozOtvodTO.h"

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprPlanPrognozOtvodTO)

} // namespace plan::sheets
