#include "sheets/TfrPlanSprSostParkVST2.h"

#include "frames/AircraftGrid.h"
#include "frames/AircraftTree.h"
#include "platform/Clock.h"
#include "sheets/FleetStateSheets.h"
#include "sheets/WithdrawalPlanFrames.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprSostParkVST2)

TfrPlanSprSostParkVST2::TfrPlanSprSostParkVST2() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    txtDate = new QLineEdit(this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    txtDate->setEnabled(false);
    GridSpravka = new frames::AircraftGrid(this);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    box->addWidget(txtDate);
    box->addWidget(GridSpravka, 1);
    box->addWidget(cmdReport);
    bindShowButton(cmdReport);
}

void TfrPlanSprSostParkVST2::FunStart()
{
    txtDate->setText(momentText(printingMoment()));
    // Every aircraft of the register's visible types, "Select TIP_VS,
    // BORTOVOI_NOMER From REESTR Where TIP_VS='<type>' Order By BORTOVOI_NOMER;".
    GridSpravka->fillTypesWithAircraft(ADOConPdo, QString::fromUtf8(frames::kRegisterTypesQuery), true);
    GridSpravka->setScale(S);
}

void TfrPlanSprSostParkVST2::FunReport()
{
    const std::vector<frames::AircraftRef> aircraft = GridSpravka->tickedAircraft();
    const QDate today = Clock::today();
    showSheetRows(reportHost(), ADOConPdo, *ADOQueryReport, QString::fromUtf8(kSostParkT2Query),
                  static_cast<int>(aircraft.size()), OtvodOperator{QString(), QString()},
                  QStringLiteral("Состояние парка воздушных судов"),
                  {QStringLiteral("ВС: отмеченные в списке (%1)").arg(aircraft.size())},
                  fleetStateLegend(), [&](const Progress& step, QString& code) {
                      code = QStringLiteral("rep16");
                      return buildSostParkT2(*ADOConPdo, aircraft, today, step);
                  });
}

} // namespace plan::sheets
