#include "reports/TfrPlanRepPMTU.h"

#include "data/Positions.h"
#include "frames/CodeSelector.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "frames/TypeSplit.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "reports/FrameParts.h"

#include <QPushButton>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepPMTU)

namespace R = pos::reestr;
namespace O = pos::obshie;

StagedRows buildPmtu(Connection* c, const PmtuOptions& o)
{
    StagedRows out;
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, o.operatorCode);
    const QString operatorCode = o.operatorCode == QLatin1String("-1") ? QString() : o.operatorCode;
    out.doubts << headerDoubts(h.found(), o.operatorCode);

    QStringList types;
    auto t = openQuery(c, QStringLiteral("Select TIP_VS From TIPOVYE_DANNYE_VS Where Not Upper(TIP_VS) Like "
                                         "Upper('%Hide%') Order By TIP_VS, ID;"));
    for (; !t->eof(); t->next()) types << t->str(0);
    const QString date = frames::sqlDate(o.date);
    auto reg = openQuery(c, QStringLiteral("SELECT * From Reestr ") + QStringLiteral("Where (") +
                                frames::orCondition(QStringLiteral("(TIP_VS)"), types) + QStringLiteral(") ") +
                                QStringLiteral(" And EXPLUATANT=") + frames::sqlText(o.operatorCode) +
                                QStringLiteral(" AND DATA_UDOSNOVERENIE_DO>") + date +
                                QStringLiteral(" And (DATE_REESTR_VYVOD Is Null Or DATE_REESTR_VYVOD>") + date +
                                QStringLiteral(") ") + QStringLiteral("ORDER BY Tip_VS, Bortovoi_nomer;"));
    AirframeRules rules(c);
    frames::LaterFlights later(c, o.date);
    if (reg->recordCount() >= kReadAllFlightsFrom) later.readAll();
    const QString dash = QStringLiteral("-");
    for (; !reg->eof(); reg->next()) {
        const Dataset& r = *reg;
        const QString type = r.str(R::TIP_VS);
        const AirframeAsOf a = airframeAsOf(r, later, rules.of(type));
        const frames::TypeSplit split = frames::splitTypeAny(type);
        const QString variant = r.str(R::VARIANT_VS).trimmed();
        const QString aircraft = aircraftName(r);
        StagingRow row;
        row.set(pmtu::OperatorCode, h.at(O::EXPLUATANT))
            .set(pmtu::ImiaPmtu, h.at(O::IMIA_PMTU))
            .set(pmtu::AdresPmtu, h.at(O::ADRES_PMTU))
            .set(pmtu::Operator, operatorCode)
            .set(pmtu::FioIas, h.at(O::FIO_IAS))
            .set(pmtu::PhoneIas, h.at(O::PHONE_IAS))
            .set(pmtu::ReportDate, dateText(o.date))
            .set(pmtu::TypeHead, split.head)
            .set(pmtu::TypeSuffix, split.suffix)
            .set(pmtu::Board, boardWithoutRA(r.str(R::BORTOVOI_NOMER)))
            .set(pmtu::Serial, r.str(R::ZAVODSKOI_NOMER))
            .set(pmtu::Category, variant == QStringLiteral("П")    ? QStringLiteral("пас")
                                 : variant == QStringLiteral("ПС") ? QStringLiteral("пас-салон")
                                                                   : QStringLiteral("груз-пас"))
            .set(pmtu::Made, shortDate(r.field(R::DATA_IGOTOVLEN).value()))
            .set(pmtu::OverhaulDate, a.overhauled ? shortDate(r.field(R::REMONT_DATA).value()) : dash)
            .set(pmtu::OverhaulPlant, r.str(R::REMONT_ZAVOD))
            .set(pmtu::Overhauls, QString::number(r.field(R::VSEGO_REMONTOV).asInteger()))
            .set(pmtu::HoursNew, QString::number(a.hoursNew()))
            .set(pmtu::LandingsNew, QString::number(a.landingsNew))
            .set(pmtu::HoursOverhaul, a.overhauled ? QString::number(a.hoursOverhaul()) : dash)
            .set(pmtu::LandingsOverhaul, a.overhauled ? QString::number(a.landingsOverhaul) : dash)
            .set(pmtu::AssignedHours, r.str(R::RESURS_NAZN_CHASOV))
            .set(pmtu::AssignedYears,
                 calendarAgeText(r.str(R::RESURS_NAZN_LET),
                                 QStringLiteral("ВС %1, назначенный срок службы (RESURS_NAZN_LET)").arg(aircraft)))
            .set(pmtu::OverhaulHours, r.str(R::MEZHREM_CHASOV))
            .set(pmtu::OverhaulYears,
                 calendarAgeText(r.str(R::MEZHREM_LET),
                                 QStringLiteral("ВС %1, межремонтный срок службы (MEZHREM_LET)").arg(aircraft)))
            .set(pmtu::DolgnostIas, h.at(O::DOLGNOST_IAS))
            .set(pmtu::Preparer, h.at(O::NACH_PDO) + QStringLiteral(" тел.") + h.at(O::PHONE_PDO))
            .set(pmtu::Email, h.at(O::EMAIL_PREDPRIATIE));
        out.doubts << repairDateDoubts(r) << asOfDoubts(r, a.minutesOverhaul, a.landingsOverhaul);
        out.rows.push_back(row);
    }
    return out;
}

TfrPlanRepPMTU::TfrPlanRepPMTU() : TPlanFrame(QStringLiteral("frmPlanReport")), m_date(this)
{
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

void TfrPlanRepPMTU::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    layOutOptions(this, cboExpl, m_date, {}, cmdReport);
    m_date.start();
    FunCboExpl();
}

void TfrPlanRepPMTU::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

PmtuOptions TfrPlanRepPMTU::options() const
{
    PmtuOptions o;
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.date = m_date.date();
    return o;
}

void TfrPlanRepPMTU::FunReport()
{
    const PmtuOptions o = options();
    runStagedReport(*this, QStringLiteral("SELECT * From REPORT_FORMA_OTCHET_PMTU ORDER BY ID;"), QStringLiteral("rep03"),
                    o.operatorCode, QStringLiteral("Форма-отчет в ПМТУ"), o.date,
                    {QStringLiteral("По состоянию на ") + dateText(o.date)}, [&] { return buildPmtu(ADOConPdo, o); });
}

} // namespace plan::reports
