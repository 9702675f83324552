#pragma once
// What the four withdrawal-plan frames of frmPlanSpravka share: the grid of
// aircraft kept for maintenance, the operator as the plans name it and the
// run of a plan's rows through the host (its progress bar, the staging
// table, the template).
#include "sheets/WithdrawalPlans.h"

#include <functional>

namespace plan {
class ReportHost;
}
namespace plan::frames {
class AircraftGrid;
class OperatorSelector;
} // namespace plan::frames

namespace plan::sheets {

// "Select TIP_VS, BORTOVOI_NOMER From REESTR Where (TIP_VS='<type>') And
// (STATUS_TO=0 Or STATUS_TO=1) And (UCHET_TO=1) Order By BORTOVOI_NOMER;"
QString otvodAircraftQuery(const QString& type);
// The legend line of the mark of an overdue form.
QString overdueLegend();
// Fills GridSpravka: the types of the register that have such aircraft,
// every row ticked.
void fillOtvodGrid(frames::AircraftGrid* grid, Connection* c, double scale);
OtvodOperator otvodOperator(const frames::OperatorSelector* cboExpl);

// Builds the rows (with the progress callback) and shows them: staging
// table emptied, rows written together, template loaded and shown.
// `build` returns the rows and sets the template code.
// The heading values (operator, signatures, title, what the sheet covers) go
// to the report component first; an operator with an empty code stands for
// every operator of OBSHIE. The withdrawal plans and the fleet state sheets
// run through it.
void showSheetRows(ReportHost& host, Connection* c, Dataset& report, const QString& query, int count,
                   const OtvodOperator& op, const QString& title, const QStringList& covers, const QStringList& legend,
                   const std::function<std::vector<StagingRow>(const Progress&, QString& code)>& build);

} // namespace plan::sheets
