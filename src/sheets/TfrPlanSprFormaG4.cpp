#include "sheets/TfrPlanSprFormaG4.h"

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprFormaG4)

namespace {
const OsilForm kForm{"EXPL_G4", kG4Query, "rep07", "Форма Г4. Сведения о двигателях, главных редукторах и ВСУ воздушных судов эксплуатанта", buildFormaG4};
} // namespace

TfrPlanSprFormaG4::TfrPlanSprFormaG4() : OsilFormFrame(kForm) {}

} // namespace plan::sheets
