#pragma once
// TfrPlanRepGosNIIPr1, "Отчет в ГосНИИ ГА (Приложение 1)" of frmPlanReport:
// the rows of the airframe register form (TfrPlanRepF36: same controls,
// queries and REPORT_FORMA_36_GA) printed as the research institute's
// annex 1 with the template rep21.
#include "reports/TfrPlanRepF36.h"

namespace plan::reports {

class TfrPlanRepGosNIIPr1 : public TfrPlanRepF36 {
    Q_OBJECT
public:
    TfrPlanRepGosNIIPr1();
};

} // namespace plan::reports
