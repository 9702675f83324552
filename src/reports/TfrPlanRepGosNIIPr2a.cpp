#include "reports/TfrPlanRepGosNIIPr2a.h"

#include "data/Positions.h"
#include "frames/CodeSelector.h"
#include "frames/LaterFlights.h"
#include "frames/OperatorHeader.h"
#include "platform/Dataset.h"
#include "reports/FrameParts.h"
#include "reports/TfrPlanRepF37.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepGosNIIPr2a)

namespace {

QString textAt(const StagingRow& r, int pos) { return r.at(pos).toString().trimmed(); }

// The hours left to the limit: the limit less the hours since overhaul, or
// since new while the unit has never been overhauled; "" when the limit or
// the hours are not whole numbers (not given).
QString hoursLeft(const StagingRow& r)
{
    bool okLimit = false, okHours = false;
    const long long limit = textAt(r, f37::Limit).toLongLong(&okLimit);
    const bool overhauled = textAt(r, f37::Repairs).toInt() > 0;
    const long long hours = textAt(r, overhauled ? f37::HoursOverhaul : f37::HoursNew).toLongLong(&okHours);
    return okLimit && okHours ? QString::number(limit - hours) : QString();
}

} // namespace

StagedRows buildGosNIIPr2a(Connection* c, const Pr2aOptions& o)
{
    F37Options f;
    f.operatorCode = o.operatorCode;
    f.ownerName = anyOwnerText();
    f.date = o.date;
    f.installedOnly = true;
    f.kind = F37Kind::Engine;
    // The engines and the gearboxes of one date: the flights after it, the
    // register and the reference lists are read once for both.
    frames::LaterFlights later(c, o.date);
    QueryMemo memo(c, {QStringLiteral("REESTR"), QStringLiteral("TIPOVYE_DANNYE_VS"), QStringLiteral("SOBSTVENNIKI"),
                       QStringLiteral("OBSHIE")});
    StagedRows out = buildForm37(c, f, &later);
    for (StagingRow& r : out.rows) r.set(pr2a::Kind, QStringLiteral("Двигатель"));
    f.kind = F37Kind::Gearbox;
    StagedRows gearboxes = buildForm37(c, f, &later);
    for (StagingRow& r : gearboxes.rows) {
        r.set(pr2a::Kind, QStringLiteral("Главный редуктор"));
        out.rows.push_back(r);
    }
    for (const QString& d : gearboxes.doubts)
        if (!out.doubts.contains(d)) out.doubts << d;

    // Per aircraft (type, board), engines before the gearbox, each kind in the
    // order form 37-GA lists it.
    std::stable_sort(out.rows.begin(), out.rows.end(), [](const StagingRow& a, const StagingRow& b) {
        const int t = QString::compare(textAt(a, f37::Type), textAt(b, f37::Type));
        return t != 0 ? t < 0 : QString::compare(textAt(a, f37::Place), textAt(b, f37::Place)) < 0;
    });
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, o.operatorCode);
    int n = 0;
    for (StagingRow& r : out.rows) {
        ++n;
        r.set(f37::Row, n).set(f37::Number, QString::number(n));
        r.set(pr2a::Left, hoursLeft(r));
        r.set(pr2a::Aircraft, textAt(r, f37::Type) + QLatin1Char(' ') + textAt(r, f37::Place));
        r.set(f37::Addressee, h.at(pos::obshie::IMIA_36)).set(f37::AddresseeAddress, h.at(pos::obshie::ADRES_36));
    }
    return out;
}

TfrPlanRepGosNIIPr2a::TfrPlanRepGosNIIPr2a() : TPlanFrame(QStringLiteral("frmPlanReport")), m_date(this)
{
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

void TfrPlanRepGosNIIPr2a::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    layOutOptions(this, cboExpl, m_date, {}, cmdReport);
    static_cast<QVBoxLayout*>(layout())->addStretch(1);
    m_date.start();
    FunCboExpl();
}

void TfrPlanRepGosNIIPr2a::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

Pr2aOptions TfrPlanRepGosNIIPr2a::options() const
{
    Pr2aOptions o;
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.date = m_date.date();
    return o;
}

void TfrPlanRepGosNIIPr2a::FunReport()
{
    const Pr2aOptions o = options();
    runStagedReport(*this, QStringLiteral("SELECT * FROM REPORT_FORMA_37_GA ORDER BY ID, Gde_stoit;"),
                    QStringLiteral("rep22"), o.operatorCode,
                    QStringLiteral("Сведения о наработке авиадвигателей и главных редукторов (Приложение 2а)"), o.date,
                    {QStringLiteral("ВС эксплуатанта: все, двигатели и главные редукторы, установленные на них"),
                     QStringLiteral("По состоянию на ") + dateText(o.date)},
                    [&] { return buildGosNIIPr2a(ADOConPdo, o); });
}

} // namespace plan::reports
