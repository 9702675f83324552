#include "reports/TfrPlanRepGosNIIPr1.h"

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepGosNIIPr1)

TfrPlanRepGosNIIPr1::TfrPlanRepGosNIIPr1()
    : TfrPlanRepF36(QStringLiteral("rep21"),
                    QStringLiteral("Сведения о наработке планеров воздушных судов (Приложение 1)"))
{
}

} // namespace plan::reports
