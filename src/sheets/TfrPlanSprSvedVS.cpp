#include "sheets/TfrPlanSprSvedVS.h"

#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Func.h"
#include "sheets/SvedVSSheet.h"

#include <QTimer>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprSvedVS)

TfrPlanSprSvedVS::TfrPlanSprSvedVS()
    : TunedSheetFrame({"TUNE_PLAN_SPRAVKA", "SVEDENIA_O_VS", false, "PARER_SIZE", "A4"})
{
}

TfrPlanSprSvedVS::~TfrPlanSprSvedVS() = default;

void TfrPlanSprSvedVS::FunReport()
{
    if (!chosen() || aircraft().board.isEmpty()) return;
    if (tuned())
        FunSvedVertTune();
    else
        FunSvedVert();
}

void TfrPlanSprSvedVS::runSheet(bool tunedSheet)
{
    SvedVSOptions o;
    o.aircraft = aircraft();
    o.tuned = tunedSheet;
    o.a4 = a4();
    if (!m_batch) {
        m_batch = std::make_unique<SvedVSBatch>(ADOConPdo);
        // (A memo on the frame's own connection would hide the batch's.)
        if (ADOQueryReport->connection() != ADOConPdo)
            m_headingMemo = std::make_unique<QueryMemo>(ADOQueryReport->connection(), QStringList{QStringLiteral("SPRAVKA")});
        QTimer::singleShot(0, this, [this] {
            m_headingMemo.reset();
            m_batch.reset();
        });
    }
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kSvedVSQuery), svedVSTemplate(o),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        const SvedVSSheet sheet = buildSvedVS(ADOConPdo, o, Clock::today(), m_batch.get());
                        ReportValues v = rarozidi::FunReportValues(*ADOConPdo, sheet.operatorCode);
                        const int bang = sheet.title.indexOf(QLatin1Char('!'));
                        v.insert(QStringLiteral("report_title"), QStringLiteral("Сведения ") + sheet.title.left(bang));
                        v.insert(QStringLiteral("covers"), QStringList{sheet.title.mid(bang + 1)});
                        reportComponent()->setValues(v);
                        for (const StagingRow& r : sheet.rows) w.addRow(r);
                    });
}

} // namespace plan::sheets
