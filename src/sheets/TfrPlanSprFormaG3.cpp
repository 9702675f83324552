#include "sheets/TfrPlanSprFormaG3.h"

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprFormaG3)

namespace {
const OsilForm kForm{"EXPL_G3", kG3Query, "rep06", "Форма Г3. Сведения о воздушных судах эксплуатанта", buildFormaG3};
} // namespace

TfrPlanSprFormaG3::TfrPlanSprFormaG3() : OsilFormFrame(kForm) {}

} // namespace plan::sheets
