#include "reports/TfrPlanRepF34GAType1.h"

#include "frames/AircraftGrid.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/Period.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Func.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepF34GAType1)

TfrPlanRepF34GAType1::TfrPlanRepF34GAType1() : TPlanFrame(QStringLiteral("frmPlanReport"))
{
    m_panel = new QVBoxLayout(this);
    m_panel->setContentsMargins(4, 4, 4, 4);
    lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    m_period = std::make_unique<frames::PeriodControls>(this);
    m_period->cboMonth->hide();
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(m_period->cboCvartal, 1);
    periodRow->addWidget(m_period->cboYear, 1);
    GridSpravka = new frames::AircraftGrid(this);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    m_panel->addWidget(lblExpl);
    m_panel->addLayout(periodRow);
    m_panel->addWidget(GridSpravka, 1);
    m_panel->addWidget(cmdReport);
    bindShowButton(cmdReport);
}

TfrPlanRepF34GAType1::~TfrPlanRepF34GAType1() = default;

void TfrPlanRepF34GAType1::FunStart()
{
    // The operator list keeps its index in the user settings file, known
    // once the frame is in its host: MAIN/CBOEXPL.
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    m_panel->insertWidget(1, cboExpl);
    fillGrid();
    GridSpravka->setScale(S);
    cboExpl->FunCboExpl(ADOConPdo);
    m_period->FunCalendar(ADOConPdo);
}

void TfrPlanRepF34GAType1::fillGrid()
{
    GridSpravka->fillTypesOwnLeased(ADOConPdo, QString::fromUtf8(frames::kRegisterTypesQuery));
}

int TfrPlanRepF34GAType1::progressCount() const
{
    int rows = 0;
    for (QTreeWidgetItemIterator it(GridSpravka); *it; ++it) ++rows;
    return std::max(rows - 1, 0);
}

Form34Options TfrPlanRepF34GAType1::options() const
{
    Form34Options o;
    o.layout = Form34Options::Layout::OwnLeased;
    o.operatorId = cboExpl->code();
    o.quarter = m_period->quarter();
    o.quarterCaption = m_period->quarterCaption();
    o.ticked = GridSpravka->tickedTexts();
    return o;
}

QString TfrPlanRepF34GAType1::reportTitle() const
{
    return QStringLiteral("Форма 34-ГА (СВ). Использование парка ВС по типам, собственных и арендованных");
}

void TfrPlanRepF34GAType1::FunReport()
{
    const Form34Options o = options();
    const bool fourth = m_period->cboCvartal->currentIndex() == 3;
    ReportValues v = rarozidi::FunReportValues(*ADOConPdo, o.operatorId);
    if (o.operatorId == QLatin1String("-1")) v.remove(QStringLiteral("operator"));
    v.insert(QStringLiteral("report_title"), reportTitle());
    QStringList covers{QStringLiteral("Отчетный период: %1 (с %2 по %3)")
                           .arg(o.quarterCaption, o.quarter.first.toString(QStringLiteral("dd.MM.yyyy")),
                                o.quarter.last.toString(QStringLiteral("dd.MM.yyyy")))};
    if (o.layout == Form34Options::Layout::OwnLeased) {
        if (!o.ticked.isEmpty()) covers << QStringLiteral("Группы ВС: ") + o.ticked.join(QStringLiteral(", "));
    } else {
        int n = static_cast<int>(o.ticked.size());
        for (const auto& g : o.groups) n += static_cast<int>(g.ticked.size());
        covers << QStringLiteral("Выбрано ВС: %1").arg(n);
    }
    v.insert(QStringLiteral("covers"), covers);
    // A quarterly form is as of the last day of its quarter.
    v.insert(QStringLiteral("as_of"), o.quarter.last);
    if (ReportComponent* rc = reportComponent()) rc->setValues(v);
    runSingleReport(reportHost(), *ADOQueryReport, QStringLiteral("Select * From REPORT_FORMA_34_GA Order By ID;"),
                    form34Template(o.layout, fourth), [&](StagingWriter& w) {
                        progressStart(progressCount());
                        for (const StagingRow& r : buildForm34GA(ADOConPdo, o, [this] { progressStep(); }))
                            w.addRow(r);
                    });
}

} // namespace plan::reports
