#include "reports/TfrPlanRepPASRPr1.h"

#include "data/Positions.h"
#include "frames/CodeSelector.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Func.h"
#include "rarozidi/RunningTime.h"
#include "reports/FrameParts.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepPASRPr1)

namespace R = pos::reestr;
namespace O = pos::obshie;

std::pair<QString, QString> pasrRecipients(Connection* c, const QString& operatorCode)
{
    const QString id = operatorCode == QLatin1String("-1") ? QStringLiteral("0") : operatorCode;
    auto ds = openQuery(c, QStringLiteral("Select NAME_UGA_PASR, NAME_APSC From OBSHIE Where EXPLUATANT=") +
                               frames::sqlText(id) + QStringLiteral(" Order By ID;"));
    const QString uga = ds->eof() ? QString() : ds->str(0).trimmed();
    const QString apsc = ds->eof() ? QString() : ds->str(1).trimmed();
    return {uga.isEmpty() ? QStringLiteral("Региональное МТУ ГА") : uga,
            apsc.isEmpty() ? QStringLiteral("Региональный АПСЦ") : apsc};
}

namespace {
// A running time of the register row ("H:MM") in minutes.
long long runningMinutes(const Dataset& r, int pos, const char* column, const char* meaning)
{
    const QString v = r.str(pos);
    try {
        return rarozidi::parseRunningTime(v, QString::fromLatin1(column));
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("ВС %1: %2 (%3) «%4» не в виде «часы:минуты». "
                                             "Исправьте наработку ВС в реестре и повторите отчет.")
                                  .arg(aircraftName(r), QString::fromUtf8(meaning), QString::fromLatin1(column), v));
    }
}
} // namespace

StagingRow pasrHead(const frames::OperatorHeader& h, const PasrOptions& o)
{
    const QString operatorCode = o.operatorCode == QLatin1String("-1") ? QString() : o.operatorCode;
    StagingRow row;
    row.set(pasr1::Recipient, o.recipient)
        .set(pasr1::Operator, h.at(O::FIO_IAS) + QLatin1Char(' ') + operatorCode)
        .set(pasr1::ReportDate, dateText(o.date))
        .set(pasr1::Order, h.at(O::PRIKAZ_PASR));
    return row;
}

long long pasrHoursLeft(const Dataset& r, long long minutesOverhaul)
{
    return r.field(R::MEZHREM_CHASOV).asInteger() - minutesOverhaul / 60;
}

void walkPasrAircraft(Connection* c, const PasrOptions& o, StagedRows& out,
                      const std::function<void(const Dataset& r, long long minutesOverhaul)>& each)
{
    AirframeRules rules(c);
    frames::LaterFlights later(c, o.date);
    if (static_cast<int>(o.aircraft.size()) >= kReadAllFlightsFrom) later.readAll();
    for (const frames::AircraftRef& a : o.aircraft) {
        const rarozidi::GroundRule& rule = rules.of(a.type);
        auto reg = openQuery(c, QStringLiteral("SELECT * FROM REESTR WHERE (((REESTR.TIP_VS)=") + frames::sqlText(a.type) +
                                    QStringLiteral(") AND ((REESTR.BORTOVOI_NOMER)=") + frames::sqlText(a.board) +
                                    QStringLiteral(")) ") +
                                    QStringLiteral("ORDER BY REESTR.TIP_VS, REESTR.BORTOVOI_NOMER;"));
        if (reg->eof()) {
            out.doubts << QStringLiteral("ВС %1 %2 нет в реестре: строка не выведена").arg(a.type, a.board);
            continue;
        }
        const Dataset& r = *reg;
        // FunCorrectNarAll: the airframe's times since new and since overhaul on the date.
        const auto [sne, ppr] = later.correctMinutes(
            r.str(R::BORTOVOI_NOMER), runningMinutes(r, R::NARABOTKA_SNE, "NARABOTKA_SNE", "наработка СНЭ"),
            runningMinutes(r, R::NARABOTKA_PPR, "NARABOTKA_PPR", "наработка ППР"), frames::FlightColumns::Aircraft,
            rule);
        (void)sne;
        out.doubts << asOfDoubts(r, ppr, 0);
        each(r, ppr);
    }
    out.doubts << rules.doubts();
}

StagedRows buildPasr1(Connection* c, const PasrOptions& o)
{
    StagedRows out;
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, o.operatorCode);
    out.doubts << headerDoubts(h.found(), o.operatorCode);
    walkPasrAircraft(c, o, out, [&](const Dataset& r, long long ppr) {
        QString withdrawal;
        try {
            withdrawal = rarozidi::FunDataSniatia(r, R::REMONT_DATA, R::VSEGO_REMONTOV, R::RESURS_NAZN_LET,
                                                  R::MEZHREM_LET, R::DATA_IGOTOVLEN);
        } catch (const ConversionError& e) {
            throw ConversionError(QStringLiteral("ВС %1: календарный срок службы в реестре (RESURS_NAZN_LET, "
                                                 "MEZHREM_LET) не в виде «годы.месяцы» (%2). Исправьте значение в "
                                                 "реестре ВС и повторите отчет.")
                                      .arg(aircraftName(r), e.message()));
        }
        StagingRow row = pasrHead(h, o);
        row.set(pasr1::Type, r.str(R::TIP_VS))
            .set(pasr1::Board, r.str(R::BORTOVOI_NOMER));
        const QString certificate = shortDate(r.field(R::DATA_UDOSNOVERENIE_DO).value());
        if (!certificate.isEmpty()) row.set(pasr1::Certificate, certificate);
        row.set(pasr1::Withdrawal, withdrawal.isEmpty() ? QStringLiteral("-") : QStringLiteral("до ") + withdrawal)
            .set(pasr1::HoursLeft, QString::number(pasrHoursLeft(r, ppr)))
            .set(pasr1::Dash, QStringLiteral("-"))
            .set(pasr1::DolgnostIas, h.at(O::DOLGNOST_IAS))
            .set(pasr1::Preparer, h.at(O::NACH_PDO) + QStringLiteral(" тел.") + h.at(O::PHONE_PDO))
            .set(pasr1::Email, h.at(O::EMAIL_PREDPRIATIE));
        if (withdrawal.isEmpty())
            out.doubts << QStringLiteral("ВС %1: дата планового снятия не определяется — в реестре нет даты "
                                         "изготовления или календарных сроков службы")
                              .arg(aircraftName(r));
        out.rows.push_back(row);
    });
    return out;
}

TfrPlanRepPASRPr1::TfrPlanRepPASRPr1()
    : TfrPlanRepPASRPr1(QStringLiteral("SELECT * FROM REPORT_PASR_PRIL_1 ORDER BY ID;"), QStringLiteral("rep09"),
                        QStringLiteral("Сведения о наработке ВС на ПАСР (Приложение 1)"), buildPasr1)
{
}

TfrPlanRepPASRPr1::TfrPlanRepPASRPr1(const QString& query, const QString& code, const QString& title, Build build)
    : TPlanFrame(QStringLiteral("frmPlanReport")), m_query(query), m_code(code), m_title(title),
      m_build(std::move(build)), m_date(this)
{
    auto* grpRecipient = new QWidget(this);
    grpRecipient->setObjectName(QStringLiteral("grpRecipient"));
    auto* l = new QVBoxLayout(grpRecipient);
    l->setContentsMargins(0, 0, 0, 0);
    cmdUGA = new QRadioButton(QStringLiteral("Региональное МТУ ГА"), grpRecipient);
    cmdUGA->setObjectName(QStringLiteral("cmdUGA"));
    cmdFKU = new QRadioButton(QStringLiteral("Региональный АПСЦ"), grpRecipient);
    cmdFKU->setObjectName(QStringLiteral("cmdFKU"));
    l->addWidget(cmdUGA);
    l->addWidget(cmdFKU);
    cmdUGA->setChecked(true);
    GridSpravka = new frames::AircraftGrid(this);
    GridSpravka->setObjectName(QStringLiteral("GridSpravka"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
    m_more = grpRecipient;
}

void TfrPlanRepPASRPr1::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    layOutOptions(this, cboExpl, m_date, {m_more, GridSpravka}, cmdReport);
    m_date.start();
    FunCboExpl();
    cboExplChange();
    connect(cboExpl, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { cboExplChange(); }); });
}

void TfrPlanRepPASRPr1::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

void TfrPlanRepPASRPr1::FunGrid()
{
    const QString id = cboExpl->code();
    GridSpravka->fillTypesWithAircraft(
        ADOConPdo,
        QStringLiteral("Select TIP_VS From TIPOVYE_DANNYE_VS Where Not Upper(TIP_VS) Like Upper('%Hide%') And KOD_VS=1 "
                       "Order By TIP_VS, ID;"),
        false, [id](const QString& type) {
            return QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Where TIP_VS=") + frames::sqlText(type) +
                   QStringLiteral(" And EXPLUATANT=") + frames::sqlText(id) +
                   QStringLiteral(" Order By BORTOVOI_NOMER;");
        });
    GridSpravka->setScale(S);
}

void TfrPlanRepPASRPr1::cboExplChange()
{
    // The selector has kept its index in the settings file already.
    FunGrid();
    const auto [uga, fku] = pasrRecipients(ADOConPdo, cboExpl->code());
    cmdUGA->setText(uga);
    cmdFKU->setText(fku);
    cmdUGA->setChecked(true);
}

PasrOptions TfrPlanRepPASRPr1::options() const
{
    PasrOptions o;
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.recipient = cmdFKU->isChecked() ? cmdFKU->text() : cmdUGA->text();
    o.date = m_date.date();
    o.aircraft = GridSpravka->tickedAircraft();
    return o;
}

void TfrPlanRepPASRPr1::FunReport()
{
    const PasrOptions o = options();
    runStagedReport(*this, m_query, m_code, o.operatorCode, m_title, o.date,
                    {QStringLiteral("Кому: ") + o.recipient, QStringLiteral("По состоянию на ") + dateText(o.date)},
                    [&] { return m_build(ADOConPdo, o); });
}

} // namespace plan::reports
