#include "sheets/TfrPlanSprSostParkVST1.h"

#include "platform/Clock.h"
#include "sheets/FleetStateSheets.h"
#include "sheets/WithdrawalPlanFrames.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprSostParkVST1)

TfrPlanSprSostParkVST1::TfrPlanSprSostParkVST1() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    txtDate = new QLineEdit(this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    txtDate->setEnabled(false);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    box->addWidget(txtDate);
    box->addWidget(cmdReport);
    box->addStretch(1);
    bindShowButton(cmdReport);
}

void TfrPlanSprSostParkVST1::FunStart()
{
    txtDate->setText(momentText(printingMoment()));
}

void TfrPlanSprSostParkVST1::FunReport()
{
    const QDate today = Clock::today();
    const int fleet = fleetProgressCount(*ADOConPdo);
    // The operators of OBSHIE for the heading and the signatures: the sheet covers them all.
    showSheetRows(reportHost(), ADOConPdo, *ADOQueryReport, QString::fromUtf8(kSostParkQuery), fleet,
                  OtvodOperator{QString(), QString()},
                  QStringLiteral("Состояние парка воздушных судов"),
                  {QStringLiteral("ВС: все ВС всех эксплуатантов")}, fleetStateLegend(),
                  [&](const Progress& step, QString& code) {
                      code = QStringLiteral("rep14");
                      return buildSostParkT1(*ADOConPdo, today, step, fleet);
                  });
}

} // namespace plan::sheets
