#include "sheets/TfrPlanSprVesTcentr.h"

#include "data/Positions.h"
#include "frames/CodeSelector.h"
#include "frames/OperatorHeader.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "sheets/SheetParts.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprVesTcentr)

namespace R = pos::reestr;
namespace O = pos::obshie;

QString balanceText(const QVariant& value)
{
    if (value.isNull() || value.toString().trimmed().isEmpty()) return QStringLiteral("!");
    const Field f(value, QStringLiteral("CENTROVKA_MAX"));
    QString text = QString::number(f.asFloat() * 1000.0, 'f', 1);
    // The sign follows the figure printed: -0.00001 rounds to 0.0, not -0.0.
    if (text == QLatin1String("-0.0")) text = QStringLiteral("0.0");
    if (!text.startsWith(QLatin1Char('-')) && text != QLatin1String("0.0")) text.prepend(QLatin1Char('+'));
    return text;
}

std::vector<StagingRow> buildVesTcentr(Connection* c, const VesTcentrOptions& o)
{
    const frames::OperatorHeader h = frames::OperatorHeader::ofOwner(c, o.ownerCode);
    const QString details = h.at(O::DOLGNOST_PDO) + QLatin1Char('~') + h.at(O::NACH_PDO);
    const QString preparer = QStringLiteral("Исп. ") + h.at(O::NACH_PDO) + QStringLiteral("  тел.") + h.at(O::PHONE_PDO);
    const QString date = dateText(o.date) + QStringLiteral("г.");
    std::vector<StagingRow> rows;
    for (auto ds = openQuery(c, QStringLiteral("Select * From REESTR Where Not Upper(TIP_VS) Like Upper('%Hide%') "
                                               "Order By TIP_VS, BORTOVOI_NOMER;"));
         !ds->eof(); ds->next()) {
        StagingRow r;
        r.set(vestcentr::Type, ds->str(R::TIP_VS))
            .set(vestcentr::Board, ds->str(R::BORTOVOI_NOMER))
            .set(vestcentr::EmptyBalance, ds->str(R::CENTROVKA_PUSTOGO))
            .set(vestcentr::Balance, balanceText(ds->field(R::CENTROVKA_MAX).value()))
            .set(vestcentr::Date, date)
            .set(vestcentr::Owner, o.ownerName)
            .set(vestcentr::OwnerDetails, details)
            .set(vestcentr::Preparer, preparer);
        rows.push_back(r);
    }
    return rows;
}

TfrPlanSprVesTcentr::TfrPlanSprVesTcentr() : TPlanFrame(QStringLiteral("frmPlanSpravka")), m_date(this)
{
    m_date.lblDate->setObjectName(QStringLiteral("lblDates"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

void TfrPlanSprVesTcentr::FunStart()
{
    cboSobst = new frames::OwnerSelector(this, settingsPath());
    layOutOwnerOptions(this, cboSobst, {m_date.lblDate, m_date.picDate}, cmdReport);
    cboSobst->FunCboSobst(ADOConPdo);
    m_date.start();
}

VesTcentrOptions TfrPlanSprVesTcentr::options() const
{
    VesTcentrOptions o;
    if (cboSobst) {
        o.ownerName = cboSobst->currentText();
        o.ownerCode = cboSobst->code();
    }
    o.date = m_date.date();
    return o;
}

void TfrPlanSprVesTcentr::FunReport()
{
    const VesTcentrOptions o = options();
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kVesTcentrQuery), QStringLiteral("rep05"),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        const std::vector<StagingRow> rows = buildVesTcentr(ADOConPdo, o);
                        ReportValues v;
                        v.insert(QStringLiteral("report_title"), QStringLiteral("Справка о весе и центровке ВС"));
                        QStringList covers;
                        if (!o.ownerName.isEmpty()) covers << QStringLiteral("Владелец: ") + o.ownerName;
                        covers << QStringLiteral("Дата составления: ") + dateText(o.date) + QStringLiteral("г.");
                        v.insert(QStringLiteral("covers"), covers);
                        v.insert(QStringLiteral("signatures"), ownerSignatures(ADOConPdo, o.ownerCode));
                        reportComponent()->setValues(v);
                        for (const StagingRow& r : rows) w.addRow(r);
                    });
}

} // namespace plan::sheets
