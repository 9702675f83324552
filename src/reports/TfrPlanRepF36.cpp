#include "reports/TfrPlanRepF36.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "frames/TypeSplit.h"
#include "platform/Dataset.h"
#include "reports/FrameParts.h"

#include <QPushButton>
#include <algorithm>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepF36)

namespace R = pos::reestr;

StagedRows buildF36(Connection* c, const F36Options& o)
{
    StagedRows out;
    auto header = openQuery(c, QStringLiteral("SELECT ID, Imia_UGA, EXPLUATANT, Adres_Predpr, FIO_IAS, Imia_36, Adres_36, "
                                              "NACH_PDO, PHONE_PDO, EMAIL_36GA, EMAIL_PREDPRIATIE, DOLGNOST_IAS FROM Obshie "
                                              "Where EXPLUATANT='") +
                                   frames::sqlEscape(o.operatorCode) + QStringLiteral("' ORDER BY Obshie.ID;"));
    const auto h = [&header](int pos) { return header->eof() ? QString() : header->str(pos); };
    // The code of the chosen operator row; none when the name is not in the list.
    const QString operatorCode = o.operatorCode == QLatin1String("-1") ? QString() : o.operatorCode;
    out.doubts << headerDoubts(!header->eof(), o.operatorCode);

    QStringList boards;
    for (const frames::AircraftRef& a : o.aircraft) boards << a.board.trimmed();
    auto reg = openQuery(c, QStringLiteral("SELECT * From Reestr Where ") + frames::orCondition(QStringLiteral("BORTOVOI_NOMER"), boards) +
                                QStringLiteral(" ORDER BY TIP_VS, BORTOVOI_NOMER;"));
    AirframeRules rules(c);
    frames::LaterFlights later(c, o.date);
    // The form back-dates the airframe only.
    if (static_cast<int>(o.aircraft.size()) >= kReadAllFlightsFrom) later.readAll(true);
    int number = 0;
    for (; !reg->eof(); reg->next()) {
        const Dataset& r = *reg;
        const QString type = r.str(R::TIP_VS);
        const AirframeAsOf a = airframeAsOf(r, later, rules.of(type));
        StagingRow row;
        row.set(f36::ImiaUga, h(1)).set(f36::Operator, operatorCode).set(f36::AdresPredpr, h(3));
        const frames::TypeSplit split = frames::splitTypeMi8(type);
        if (split.hasSuffix) row.set(f36::TypeSuffix, split.suffix);
        row.set(f36::ReportDate, dateText(o.date));
        const long long left = r.field(R::MEZHREM_CHASOV).asInteger() - a.hoursOverhaul();
        row.set(f36::HoursLeft, QString::number(std::max(0LL, left)));
        row.set(f36::AssignedHours, wholeOr(r, R::RESURS_NAZN_CHASOV, QStringLiteral("-")));
        row.set(f36::FioIas, h(4));
        row.set(f36::TypeHead, split.head);
        row.set(f36::Board, boardWithoutRA(r.str(R::BORTOVOI_NOMER)));
        row.set(f36::Serial, r.str(R::ZAVODSKOI_NOMER));
        row.set(f36::Made, shortDate(r.field(R::DATA_IGOTOVLEN).value()));
        const QString dash = QStringLiteral("-");
        row.set(f36::OverhaulDate, a.overhauled ? shortDate(r.field(R::REMONT_DATA).value()) : dash);
        row.set(f36::HoursNew, QString::number(a.hoursNew()));
        row.set(f36::HoursOverhaul, a.overhauled ? QString::number(a.hoursOverhaul()) : dash);
        row.set(f36::LandingsNew, QString::number(a.landingsNew));
        row.set(f36::LandingsOverhaul, a.overhauled ? QString::number(a.landingsOverhaul) : dash);
        const QString variant = r.str(R::VARIANT_VS).trimmed().toUpper();
        row.set(f36::Variant, variant.isEmpty() || variant == QStringLiteral("Т") ? QStringLiteral("ГРУ") : QStringLiteral("ПРО"));
        row.set(f36::Overhauls, QString::number(r.field(R::VSEGO_REMONTOV).asInteger()));
        row.set(f36::OverhaulPlant, r.str(R::REMONT_ZAVOD));
        row.set(f36::Email36, h(9)).set(f36::EmailCompany, h(10));
        if (r.field(R::STATUS_TO).asInteger() == 4) row.set(f36::AtPlant, QStringLiteral("АРЗ"));
        row.set(f36::Number, QString::number(++number));
        row.set(f36::Imia36, h(5)).set(f36::Adres36, h(6));
        const QString life = calendarAgeText(r.str(R::RESURS_NAZN_LET),
                                             QStringLiteral("ВС %1, назначенный срок службы (RESURS_NAZN_LET)").arg(aircraftName(r)));
        row.set(f36::CalendarLife, life.isEmpty() ? dash : life);
        row.set(f36::Preparer, h(7) + QStringLiteral(" тел.") + h(8));
        row.set(f36::AssignedLandings, wholeOr(r, R::RESURS_NAZN_POSADOK, dash));
        const QString limit = wholeOr(r, R::MEZHREM_POSADOK, QString());
        row.set(f36::LandingsLeft, limit.isEmpty() ? dash : QString::number(std::max(0LL, limit.toLongLong() - a.landingsOverhaul)));
        row.set(f36::DolgnostIas, h(11));
        out.doubts << repairDateDoubts(r) << asOfDoubts(r, a.minutesOverhaul, a.landingsOverhaul);
        out.rows.push_back(row);
    }
    out.doubts << rules.doubts();
    return out;
}

TfrPlanRepF36::TfrPlanRepF36() : TfrPlanRepF36(QStringLiteral("rep05"), QStringLiteral("Форма 36-ГА (СВ)")) {}

TfrPlanRepF36::TfrPlanRepF36(const QString& code, const QString& title)
    : TPlanFrame(QStringLiteral("frmPlanReport")), m_code(code), m_title(title), m_date(this)
{
    GridSpravka = new frames::AircraftGrid(this, true);
    GridSpravka->setObjectName(QStringLiteral("GridSpravka"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

void TfrPlanRepF36::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    layOutOptions(this, cboExpl, m_date, {GridSpravka}, cmdReport);
    m_date.start();
    GridSpravka->fillTypesWithAircraft(ADOConPdo, QString::fromUtf8(frames::kRegisterTypesQuery));
    GridSpravka->setScale(S);
    FunCboExpl();
}

void TfrPlanRepF36::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

F36Options TfrPlanRepF36::options() const
{
    F36Options o;
    o.operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    o.date = m_date.date();
    o.aircraft = GridSpravka->tickedAircraft();
    return o;
}

void TfrPlanRepF36::FunReport()
{
    const F36Options o = options();
    runStagedReport(*this, QStringLiteral("SELECT * From REPORT_FORMA_36_GA ORDER BY Tip_VS, Nomer_VS;"), m_code,
                    o.operatorCode, m_title, o.date,
                    {QStringLiteral("По состоянию на ") + dateText(o.date),
                     QStringLiteral("Выбрано ВС: %1").arg(o.aircraft.size())},
                    [&] { return buildF36(ADOConPdo, o); });
}

} // namespace plan::reports
