#pragma once
// TfrPlanRepF34GAType2, "Форма 34-ГА (СВ) Тип 2" of frmPlanReport: form
// 34-GA of aircraft picked one by one in a grid of types and their aircraft;
// one row per aircraft, or with "Суммировать по типам ВС" one row per type
// summed over its ticked aircraft; count rows only.
//
// Reads:    as type 1, the grid from REESTR types and aircraft; PLAN_REPORT/
//           F34_SUM of the user settings.
// Writes:   REPORT_FORMA_34_GA, shown with rep12/rep13 (summed / not) or, for
//           the 4th quarter, rep14/rep15; MAIN/CBOEXPL, PLAN_REPORT/F34_SUM.
#include "reports/TfrPlanRepF34GAType1.h"

class QCheckBox;

namespace plan::reports {

class TfrPlanRepF34GAType2 : public TfrPlanRepF34GAType1 {
    Q_OBJECT
public:
    TfrPlanRepF34GAType2();

    void FunStart() override;
    Form34Options options() const override;

protected:
    void fillGrid() override;
    int progressCount() const override;
    QString reportTitle() const override;

private:
    void chkSumTypeClick();
    QCheckBox* chkSumType = nullptr;
};

} // namespace plan::reports
