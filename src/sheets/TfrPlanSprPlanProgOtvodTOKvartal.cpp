#include "sheets/TfrPlanSprPlanProgOtvodTOKvartal.h"

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprPlanProgOtvodTOKvartal)

} // namespace plan::sheets
