#include "sheets/TfrPlanSprPlanOtvodTOGodovoy.h"

#include "frames/AircraftGrid.h"
#include "frames/CodeSelector.h"
#include "platform/Clock.h"
#include "sheets/FormReckoning.h"
#include "sheets/WithdrawalPlanFrames.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprPlanOtvodTOGodovoy)

TfrPlanSprPlanOtvodTOGodovoy::TfrPlanSprPlanOtvodTOGodovoy() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    Label1 = new QLabel(QStringLiteral("Эксплуатант:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Учитывать средний налет за (дн.):"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    cboSrNalet = new QComboBox(this);
    cboSrNalet->setObjectName(QStringLiteral("cboSrNalet"));
    cboSrNalet->addItems({QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("90")});
    cboSrNalet->setCurrentIndex(0);
    GridSpravka = new frames::AircraftGrid(this);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    box->addWidget(Label1);
    box->addWidget(Label2);
    box->addWidget(cboSrNalet);
    box->addWidget(GridSpravka, 1);
    box->addWidget(cmdReport);
    m_box = box;
    bindShowButton(cmdReport);
}

void TfrPlanSprPlanOtvodTOGodovoy::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    m_box->insertWidget(1, cboExpl);
    cboExpl->FunCboExpl(ADOConPdo);
    fillOtvodGrid(GridSpravka, ADOConPdo, S);
}

void TfrPlanSprPlanOtvodTOGodovoy::cmdReportClick()
{
    m_days = cboSrNalet->currentText().toInt();
    FunReport();
}

void TfrPlanSprPlanOtvodTOGodovoy::FunReport()
{
    AnnualPlanOptions o;
    o.op = otvodOperator(cboExpl);
    o.aircraft = GridSpravka->tickedAircraft();
    o.days = m_days;
    const QDate today = Clock::today();
    showSheetRows(reportHost(), ADOConPdo, *ADOQueryReport, QString::fromUtf8(kOtvodGodQuery),
                  static_cast<int>(o.aircraft.size()), o.op, QStringLiteral("Годовой план отвода ВС на ТО"),
                  {QStringLiteral("ВС: отмеченные в списке (%1)").arg(o.aircraft.size()),
                   QStringLiteral("С %1 по %2; средний налет за %3 дн. (для следующих форм — за те же дни годом ранее)")
                       .arg(today.toString(QStringLiteral("dd.MM.yyyy")),
                            planLimit(today).toString(QStringLiteral("dd.MM.yyyy")))
                       .arg(o.days)},
                  {overdueLegend(), QStringLiteral("Даты форм — <b><i>дд.мм.гг</i></b>; ВС без полетов — шаг в один месяц")},
                  [&](const Progress& step, QString& code) {
                      code = QStringLiteral("rep17");
                      return buildAnnualPlan(*ADOConPdo, o, today, step);
                  });
}

} // namespace plan::sheets
