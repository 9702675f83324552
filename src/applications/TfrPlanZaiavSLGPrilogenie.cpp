#include "applications/TfrPlanZaiavSLGPrilogenie.h"

#include "applications/SlgCommon.h"
#include "data/Positions.h"
#include "frames/LaterFlights.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Func.h"

namespace plan::applications {
namespace {
// Whole years from a date to the document date; 0 when not positive.
int wholeYears(const QDate& from, const QDate& to)
{
    if (!from.isValid()) return 0;
    const int months = rarozidi::monthsBetween(from, to);
    return months > 0 ? months / 12 : 0;
}

QString orDash(const Field& f) { return f.isNull() ? QStringLiteral("-") : f.asString(); }

// The years part of a "Y.MM" limit (the text before the point), named when
// the text is not a limit.
int limitYears(const QString& text, const QString& board, const QString& column)
{
    return calendarLimitMonths(text, board, QStringLiteral("планер"), column) / 12;
}
} // namespace

std::vector<StagingRow> buildSlgPrilogenie(Connection* c, const SlgDocOptions& o)
{
    namespace r = pos::reestr;
    auto reg = openQuery(c, QStringLiteral("Select * From REESTR Where TIP_VS=") + frames::sqlText(o.type) +
                                QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(o.board) +
                                QStringLiteral(" Order By ID;"));
    if (reg->eof()) return {};
    const SlgGround ground = readSlgGround(c, o.type);
    frames::LaterFlights later(c, o.date);
    const QString unit = QStringLiteral("планер");
    const long long after = later.of(o.board).empty()
                                ? 0
                                : later.minutesAfter(o.board, rarozidi::FlightColumns::Aircraft, ground.planer);
    const int landings = later.landingsAfter(o.board);
    auto hours = [&](int p, const char* column) {
        const QString t = reg->str(p).trimmed();
        return t.isEmpty() ? QStringLiteral("-")
                           : QString::number((runningMinutes(t, o.board, unit, QString::fromLatin1(column)) - after) / 60);
    };
    auto count = [&](int p) {
        return reg->field(p).isNull() ? QStringLiteral("-") : QString::number(reg->field(p).asInteger() - landings);
    };
    const int age = wholeYears(reg->field(r::DATA_IGOTOVLEN).asDate(), o.date);
    const int sinceOverhaul = wholeYears(reg->field(r::REMONT_DATA).asDate(), o.date);
    const bool overhauled = reg->field(r::VSEGO_REMONTOV).asInteger() > 0;
    StagingRow row;
    row.set(pril::Type, o.type).set(pril::Board, o.board).set(pril::Mass, reg->str(r::MASSA_PUSTOGO))
        .set(pril::HoursSinceNew, hours(r::NARABOTKA_SNE, "NARABOTKA_SNE")).set(pril::LandingsSinceNew, count(r::POSADKI_SNE))
        .set(pril::Age, age)
        .set(pril::AssignedHours, orDash(reg->field(r::RESURS_NAZN_CHASOV)))
        .set(pril::AssignedLandings, orDash(reg->field(r::RESURS_NAZN_POSADOK)))
        .set(pril::AssignedYearsLeft, reg->field(r::RESURS_NAZN_LET).isNull()
                                          ? QStringLiteral("-")
                                          : QString::number(limitYears(reg->str(r::RESURS_NAZN_LET), o.board,
                                                                       QStringLiteral("RESURS_NAZN_LET")) - age))
        .set(pril::HoursSinceOverhaul, hours(r::NARABOTKA_PPR, "NARABOTKA_PPR"))
        .set(pril::LandingsSinceOverhaul, count(r::POSADKI_PPR))
        .set(pril::YearsSinceOverhaul, sinceOverhaul)
        .set(pril::OverhaulHours, orDash(reg->field(r::MEZHREM_CHASOV)))
        .set(pril::OverhaulLandings, orDash(reg->field(r::MEZHREM_POSADOK)))
        .set(pril::OverhaulYearsLeft, reg->field(r::MEZHREM_LET).isNull()
                                          ? QStringLiteral("-")
                                          : QString::number(limitYears(reg->str(r::MEZHREM_LET), o.board,
                                                                       QStringLiteral("MEZHREM_LET")) - sinceOverhaul))
        .set(pril::Plant, overhauled ? reg->str(r::REMONT_ZAVOD) : QStringLiteral("-"))
        .set(pril::RepairDate, overhauled ? yearDate(reg->field(r::REMONT_DATA).asDate()) : QStringLiteral("-"))
        .set(pril::Dash, QStringLiteral("-")).set(pril::Unlimited, QStringLiteral("Без ограничений"));
    return {row};
}

void TfrPlanZaiavSLGPrilogenie::FunDocument(const SlgDocOptions& o)
{
    const std::vector<StagingRow> rows = buildSlgPrilogenie(ADOConPdo, o);
    ReportValues v = rarozidi::FunReportValues(*ADOConPdo, o.operatorCode);
    v.insert(QStringLiteral("report_title"), QStringLiteral("Приложение к заявке на сертификацию экземпляра ВС"));
    v.insert(QStringLiteral("covers"), QStringList{QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board,
                                                   QStringLiteral("По состоянию на ") + longDate(o.date)});
    v.insert(QStringLiteral("as_of"), o.date);
    frxReport->setValues(v);
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kPrilogenieQuery), QStringLiteral("rep04"),
                    [&](StagingWriter& w) {
                        for (const StagingRow& r : rows) w.addRow(r);
                    });
}

PLAN_REGISTER_FRAME(TfrPlanZaiavSLGPrilogenie)

} // namespace plan::applications
