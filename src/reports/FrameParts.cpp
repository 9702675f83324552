#include "reports/FrameParts.h"

#include "frames/Period.h"
#include "platform/Connection.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Func.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plan::reports {

void layOutOptions(QWidget* frame, QComboBox* cboExpl, const frames::ReportDateControl& date,
                   std::initializer_list<QWidget*> more, QPushButton* cmdReport)
{
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), frame);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    layout->addWidget(lblExpl);
    layout->addWidget(cboExpl);
    layout->addWidget(date.lblDate);
    layout->addWidget(date.picDate);
    int i = 0;
    for (QWidget* w : more) layout->addWidget(w, ++i == static_cast<int>(more.size()) ? 1 : 0);
    layout->addWidget(cmdReport);
}

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

void runStagedReport(shell::TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QDate& asOf, const QStringList& covers,
                     const std::function<StagedRows()>& build)
{
    runSingleReport(frame.reportHost(), *frame.reportDataset(1), query, code, [&](StagingWriter& w) {
        const ReadTransaction reads(frame.connection());
        const StagedRows staged = build();
        ReportValues v = headingValues(frame.connection(), operatorCode, title, covers, staged.doubts);
        if (asOf.isValid()) v.insert(QStringLiteral("as_of"), asOf);
        frame.reportComponent()->setValues(v);
        for (const StagingRow& r : staged.rows) w.addRow(r);
    });
}

void runStagedReport(shell::TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QStringList& covers, const std::function<StagedRows()>& build)
{
    runStagedReport(frame, query, code, operatorCode, title, QDate(), covers, build);
}

} // namespace plan::reports
