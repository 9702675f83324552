#include "sheets/TfrPlanSprPlanOtvodTO.h"

#include "frames/AircraftGrid.h"
#include "frames/CodeSelector.h"
#include "platform/Clock.h"
#include "sheets/WithdrawalPlanFrames.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprPlanOtvodTO)

TfrPlanSprPlanOtvodTO::TfrPlanSprPlanOtvodTO() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    Label1 = new QLabel(QStringLiteral("Эксплуатант:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    GridSpravka = new frames::AircraftGrid(this);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    box->addWidget(Label1);
    m_operatorRow = box;
    box->addWidget(GridSpravka, 1);
    box->addWidget(cmdReport);
    bindShowButton(cmdReport);
}

void TfrPlanSprPlanOtvodTO::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    m_operatorRow->insertWidget(1, cboExpl);
    cboExpl->FunCboExpl(ADOConPdo);
    fillOtvodGrid(GridSpravka, ADOConPdo, S);
}

void TfrPlanSprPlanOtvodTO::FunReport()
{
    PlanOtvodOptions o;
    o.op = otvodOperator(cboExpl);
    o.aircraft = GridSpravka->tickedAircraft();
    const QDate today = Clock::today();
    showSheetRows(reportHost(), ADOConPdo, *ADOQueryReport, QString::fromUtf8(kOtvodQuery),
                  static_cast<int>(o.aircraft.size()), o.op, QStringLiteral("План отвода ВС на ТО"),
                  {QStringLiteral("ВС: отмеченные в списке (%1)").arg(o.aircraft.size()),
                   QStringLiteral("На дату: %1; средний налет за 30 дней").arg(today.toString(QStringLiteral("dd.MM.yyyy")))},
                  {overdueLegend()}, [&](const Progress& step, QString& code) {
                      PlanOtvod plan = buildPlanOtvod(*ADOConPdo, o, today, step);
                      code = plan.templateCode();
                      return plan.rows;
                  });
}

} // namespace plan::sheets
