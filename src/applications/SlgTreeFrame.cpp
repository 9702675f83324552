#include "applications/SlgTreeFrame.h"

#include "applications/SlgCommon.h"

#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "platform/MessageService.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Func.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace plan::applications {

SlgTreeFrame::SlgTreeFrame(const QString& windowKey, bool withDate) : TPlanFrame(windowKey)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->addWidget(new QLabel(QStringLiteral("Эксплуатант:"), this), 0, 0);
    if (withDate) {
        grid->addWidget(new QLabel(QStringLiteral("Дата составления:"), this), 2, 0);
        picDate = new QDateEdit(this);
        picDate->setObjectName(QStringLiteral("picDate"));
        picDate->setCalendarPopup(true);
        picDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        grid->addWidget(picDate, 3, 0);
    }
    TreeView = new frames::AircraftTree(this);
    grid->addWidget(TreeView, 4, 0);
    grid->setRowStretch(4, 1);
    cmdReport = new QPushButton(QStringLiteral("Сформировать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    grid->addWidget(cmdReport, 5, 0);
    bindShowButton(cmdReport);
}

void SlgTreeFrame::FunStart()
{
    // The operator list keeps its index in the user's settings file, known
    // once the frame is in its host.
    if (!cboExpl) {
        cboExpl = new frames::OperatorSelector(this, settingsPath());
        static_cast<QGridLayout*>(layout())->addWidget(cboExpl, 1, 0);
    }
    if (picDate) picDate->setDate(Clock::today());
    cboExpl->FunCboExpl(ADOConPdo);
    TreeView->fill(ADOConPdo);
    const int row = static_cast<int>(24 * S);
    cboExpl->setMinimumHeight(row);
    if (picDate) picDate->setMinimumHeight(row);
    cmdReport->setMinimumHeight(row);
}

void SlgTreeFrame::FunReport()
{
    const frames::AircraftRef a = TreeView->current();
    if (a.board.isEmpty()) {
        MessageService::show(QStringLiteral("Не выбрано ВС: выберите ВС в списке и повторите."),
                             MessageService::Kind::Warning, QApplication::activeWindow(), QStringLiteral("Внимание!"));
        return;
    }
    SlgDocOptions o;
    o.operatorCode = cboExpl->code();
    o.operatorName = cboExpl->currentText();
    o.date = picDate ? picDate->date() : Clock::today();
    o.type = a.type;
    o.board = a.board;
    const QueryMemo memo(ADOConPdo, documentReferenceTables());
    FunDocument(o);
}

void SlgTreeFrame::showRows(const SlgDocOptions& o, const QString& title, const QString& query, const QString& code,
                            const std::vector<StagingRow>& rows)
{
    ReportValues v = rarozidi::FunReportValues(*ADOConPdo, o.operatorCode);
    v.insert(QStringLiteral("report_title"), title);
    v.insert(QStringLiteral("covers"), QStringList{QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board});
    frxReport->setValues(v);
    runSingleReport(reportHost(), *ADOQueryReport, query, code, [&](StagingWriter& w) {
        for (const StagingRow& r : rows) w.addRow(r);
    });
}

} // namespace plan::applications
