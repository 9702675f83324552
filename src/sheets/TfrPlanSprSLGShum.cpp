#include "sheets/TfrPlanSprSLGShum.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "sheets/SheetParts.h"

#include <QLabel>
#include <QPushButton>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprSLGShum)

namespace R = pos::reestr;

namespace {

// "((TIP_VS)='A' Or (TIP_VS)='B') And " over the visible types; with no type
// the pseudo type "!" so that the lists are empty.
QString typeCondition(Connection* c)
{
    QStringList types;
    for (auto ds = openQuery(c, QString::fromUtf8(frames::kVisibleTypesQuery)); !ds->eof(); ds->next())
        types << ds->str(0);
    return QLatin1Char('(') + frames::orCondition(QStringLiteral("(TIP_VS)"), types) + QStringLiteral(") And ");
}

// Fills one half of the rows from a register query: every aircraft with its
// date gets the next row, new rows added as needed.
void fillList(Connection* c, const QString& sql, int offset, int certificatePos, int datePos, const QString& heading,
              std::vector<StagingRow>& rows, size_t& next)
{
    for (auto ds = openQuery(c, sql); !ds->eof(); ds->next()) {
        const QDate expiry = ds->field(datePos).asDate();
        if (!expiry.isValid()) continue;
        if (next == rows.size()) rows.emplace_back();
        StagingRow& r = rows[next++];
        r.set(offset + slgshum::Type, ds->str(R::TIP_VS))
            .set(offset + slgshum::Board, ds->str(R::BORTOVOI_NOMER))
            .set(offset + slgshum::Certificate, ds->str(certificatePos))
            .set(offset + slgshum::Expiry, dateText(expiry))
            .set(offset + slgshum::Apply, dateText(expiry.addDays(-kApplyDaysBefore)))
            .set(offset + slgshum::State, ds->str(R::STATUS_TO))
            .set(slgshum::Heading, heading);
    }
}

} // namespace

std::vector<StagingRow> buildSLGShum(Connection* c, const SLGShumOptions& o)
{
    const QString heading = o.ownerName + QStringLiteral("  ") + dateText(o.date);
    const QString types = typeCondition(c);
    std::vector<StagingRow> rows;
    size_t next = 0;
    for (const char* state : {"<>11", "=11"})
        fillList(c,
                 QStringLiteral("Select * From REESTR Where ") + types +
                     QStringLiteral(" (Not Upper(TIP_VS) Like Upper('%Hide%')) ") + QStringLiteral("And STATUS_TO") +
                     QLatin1String(state) + QStringLiteral(" Order By DATA_UDOSNOVERENIE_DO;"),
                 0, R::SERTIFIKAT_LG, R::DATA_UDOSNOVERENIE_DO, heading, rows, next);
    next = 0;
    for (const char* state : {"<>11", "=11"})
        fillList(c,
                 QStringLiteral("Select * From REESTR Where Not Upper(TIP_VS) Like Upper('%Hide%') And STATUS_TO") +
                     QLatin1String(state) + QStringLiteral(" Order By DATA_DO_UDO_SHUM;"),
                 slgshum::NoiseOffset, R::UDOST_SHUM, R::DATA_DO_UDO_SHUM, heading, rows, next);
    return rows;
}

TfrPlanSprSLGShum::TfrPlanSprSLGShum() : TPlanFrame(QStringLiteral("frmPlanSpravka")), m_date(this)
{
    m_date.lblDate->setObjectName(QStringLiteral("lblDates"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

void TfrPlanSprSLGShum::FunStart()
{
    cboSobst = new frames::OwnerSelector(this, settingsPath());
    layOutOwnerOptions(this, cboSobst, {m_date.lblDate, m_date.picDate}, cmdReport);
    cboSobst->FunCboSobst(ADOConPdo);
    m_date.start();
}

SLGShumOptions TfrPlanSprSLGShum::options() const
{
    SLGShumOptions o;
    if (cboSobst) {
        o.ownerName = cboSobst->currentText();
        o.ownerCode = cboSobst->code();
    }
    o.date = m_date.date();
    return o;
}

void TfrPlanSprSLGShum::FunReport()
{
    const SLGShumOptions o = options();
    ReportValues v;
    v.insert(QStringLiteral("report_title"),
             QStringLiteral("Сроки действия сертификатов летной годности и удостоверений по шуму"));
    QStringList covers;
    if (!o.ownerName.isEmpty()) covers << QStringLiteral("Владелец: ") + o.ownerName;
    covers << QStringLiteral("Дата составления: ") + dateText(o.date)
           << QStringLiteral("ВС всех типов реестра; ВС в состоянии 11 — в конце каждого списка");
    v.insert(QStringLiteral("covers"), covers);
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kSLGShumQuery), QStringLiteral("rep04"),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        const std::vector<StagingRow> rows = buildSLGShum(ADOConPdo, o);
                        v.insert(QStringLiteral("signatures"), ownerSignatures(ADOConPdo, o.ownerCode));
                        reportComponent()->setValues(v);
                        for (const StagingRow& r : rows) w.addRow(r);
                    });
}

} // namespace plan::sheets
