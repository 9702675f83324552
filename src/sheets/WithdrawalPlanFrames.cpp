#include "sheets/WithdrawalPlanFrames.h"

#include "frames/AircraftGrid.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/ReportComponent.h"
#include "platform/ReportHost.h"
#include "rarozidi/Func.h"

#include <algorithm>

namespace plan::sheets {

QString otvodAircraftQuery(const QString& type)
{
    return QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Where (TIP_VS=") + frames::sqlText(type) +
           QStringLiteral(") And (STATUS_TO=0 Or STATUS_TO=1) And (UCHET_TO=1) Order By BORTOVOI_NOMER;");
}

QString overdueLegend()
{
    return QStringLiteral("<b>*</b> — форма просрочена (в остатке наработки до неё «+»): ВС отводится сразу");
}

void fillOtvodGrid(frames::AircraftGrid* grid, Connection* c, double scale)
{
    grid->fillTypesWithAircraft(c, QString::fromUtf8(frames::kRegisterTypesQuery), true, &otvodAircraftQuery);
    // Every aircraft of the plan is ticked at start; the user clears those left out.
    grid->setAllTicked(true);
    grid->setScale(scale);
}

OtvodOperator otvodOperator(const frames::OperatorSelector* cboExpl)
{
    // The selector is made when the frame starts in its host.
    if (!cboExpl) return {};
    return {cboExpl->currentText(), cboExpl->code()};
}

void showSheetRows(ReportHost& host, Connection* c, Dataset& report, const QString& query, int count,
                   const OtvodOperator& op, const QString& title, const QStringList& covers, const QStringList& legend,
                   const std::function<std::vector<StagingRow>(const Progress&, QString& code)>& build)
{
    ReportValues v = rarozidi::FunReportValues(*c, op.code);
    v.insert(QStringLiteral("report_title"), title);
    v.insert(QStringLiteral("covers"), covers);
    v.insert(QStringLiteral("legend"), legend);
    host.reportComponent()->setValues(v);
    BusyScope busy(host);
    host.progressStart(std::max(count, 1));
    QString code;
    std::vector<StagingRow> rows;
    {
        const ReadTransaction reads(c);
        rows = build([&host] { host.progressStep(); }, code);
    }
    StagingWriter w(report, query);
    for (const StagingRow& r : rows) w.addRow(r);
    w.finish();
    showStagedReport(host, report, code);
    busy.finish();
}

} // namespace plan::sheets
