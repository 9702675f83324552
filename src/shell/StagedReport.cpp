#include "shell/StagedReport.h"

#include "frames/AirframeRegister.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Func.h"
#include "shell/PlanFrame.h"

namespace plan::shell {

ReportValues headingValues(Connection* c, const QString& operatorCode, const QString& title, const QStringList& covers,
                           const QStringList& doubts)
{
    // "-1" (a name not in the list) has no OBSHIE row: no operator, blank signature lines.
    ReportValues v = rarozidi::FunReportValues(*c, operatorCode);
    if (operatorCode == QLatin1String("-1")) v.insert(QStringLiteral("operator"), QString());
    v.insert(QStringLiteral("report_title"), title);
    v.insert(QStringLiteral("covers"), covers);
    if (!doubts.isEmpty()) v.insert(QStringLiteral("doubts"), doubts);
    return v;
}

void runStagedReport(TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QDate& asOf, const QStringList& covers,
                     const std::function<frames::StagedRows()>& build)
{
    runSingleReport(frame.reportHost(), *frame.reportDataset(1), query, code, [&](StagingWriter& w) {
        const ReadTransaction reads(frame.connection());
        const frames::StagedRows staged = build();
        ReportValues v = headingValues(frame.connection(), operatorCode, title, covers, staged.doubts);
        if (asOf.isValid()) v.insert(QStringLiteral("as_of"), asOf);
        frame.reportComponent()->setValues(v);
        for (const StagingRow& r : staged.rows) w.addRow(r);
    });
}

void runStagedTables(TPlanFrame& frame, const QStringList& queries, const QString& code,
                     const QString& operatorCode, const QString& title, const QDate& asOf, const QStringList& covers,
                     const std::function<StagedTables()>& build)
{
    runSingleReport(frame.reportHost(), *frame.reportDataset(1), queries.value(0), code, [&](StagingWriter& w) {
        const ReadTransaction reads(frame.connection());
        const StagedTables staged = build();
        ReportValues v = headingValues(frame.connection(), operatorCode, title, covers, staged.doubts);
        if (asOf.isValid()) v.insert(QStringLiteral("as_of"), asOf);
        frame.reportComponent()->setValues(v);
        // One table at a time: the rows of a table are committed before the next is opened.
        if (!staged.tables.empty())
            for (const StagingRow& r : staged.tables.front()) w.addRow(r);
        w.finish();
        for (int t = 1; t < queries.size(); ++t) {
            Dataset own(frame.connection());
            Dataset* ds = frame.reportDataset(t + 1);
            StagingWriter further(ds ? *ds : own, queries[t]);
            if (t < static_cast<int>(staged.tables.size()))
                for (const StagingRow& r : staged.tables[static_cast<size_t>(t)]) further.addRow(r);
            further.finish();
            further.dataset().close();
        }
    });
}

void runStagedReport(TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QStringList& covers, const std::function<frames::StagedRows()>& build)
{
    runStagedReport(frame, query, code, operatorCode, title, QDate(), covers, build);
}

} // namespace plan::shell
