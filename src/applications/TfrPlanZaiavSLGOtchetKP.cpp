#include "applications/TfrPlanZaiavSLGOtchetKP.h"

#include "applications/SlgUnits.h"
#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Func.h"

namespace plan::applications {
namespace {
using frames::sqlText;

QString kpCaption(const SlgUnit& u)
{
    if (u.kind == QLatin1String("Dvigatel")) return engineCaption(u.engineIndex, u.engineCount);
    if (u.kind == QLatin1String("Reductor")) return QStringLiteral("Главный редуктор");
    if (u.kind == QLatin1String("LopastNV")) return QStringLiteral("Лопасти несущего винта");
    if (u.kind == QLatin1String("LopastHV")) return QStringLiteral("Лопасти рулевого винта");
    if (u.kind == QLatin1String("HvostovoyVint")) return QStringLiteral("Винт рулевой");
    return u.name;
}

const QStringList kKinds = {QStringLiteral("Dvigatel"), QStringLiteral("Reductor"), QStringLiteral("Agregat"),
                            QStringLiteral("VtulkaNV"), QStringLiteral("HvostovoyVint"), QStringLiteral("LopastNV"),
                            QStringLiteral("LopastHV")};
} // namespace

QString otchetKPTemplate(int kodVS) { return kodVS == 0 ? QStringLiteral("rep05") : QStringLiteral("rep02"); }

KipDocument buildSlgOtchetKP(Connection* c, const SlgDocOptions& o)
{
    namespace r = pos::reestr;
    KipDocument doc;
    const std::vector<SlgTunedLine> lines = readSlgTunedList(c, o.type, QString::fromUtf8(kOtchetKPDocument));
    if (lines.empty()) return doc;
    doc.tuned = true;
    const SlgGround ground = readSlgGround(c, o.type);
    const QString head = queryScalar(c, QStringLiteral("Select FIO_IAS From OBSHIE Where EXPLUATANT=") +
                                            sqlText(o.operatorCode) + QStringLiteral(" Order By ID;"));
    const QString kod = queryScalar(c, QStringLiteral("Select KOD_VS From TIPOVYE_DANNYE_VS Where TIP_VS=") +
                                           sqlText(o.type) + QStringLiteral(" Order By ID;"));
    doc.kodVS = kod.trimmed().isEmpty() ? 1 : kod.toInt();
    auto reg = openQuery(c, QStringLiteral("Select * From REESTR Where TIP_VS=") + sqlText(o.type) +
                                QStringLiteral(" And BORTOVOI_NOMER=") + sqlText(o.board) + QStringLiteral(" Order By ID;"));
    SlgUnitReader reader(c, o.type, o.board, o.date, ground, SlgQueries::CheckFlight);

    // The aircraft part, repeated on every row.
    StagingRow aircraft;
    aircraft.set(kip::HeadAndDate, head + QLatin1Char('!') + longDate(o.date)).set(kip::HeadName, head)
        .set(kip::DocDate, longDate(o.date));
    if (!reg->eof()) {
        for (int i = 0; i < 4; ++i) aircraft.set(kip::Register1 + i, reg->str(r::TIP_VS + i));
        aircraft.set(kip::Made, yearDate(reg->field(r::DATA_IGOTOVLEN).asDate()));
        const QString unit = QStringLiteral("планер");
        const bool overhauled = reg->field(r::VSEGO_REMONTOV).asInteger() > 0;
        const QString sneText = reg->str(r::NARABOTKA_SNE).trimmed(), pprText = reg->str(r::NARABOTKA_PPR).trimmed();
        const long long after = reader.later().of(o.board).empty()
                                    ? 0
                                    : reader.later().minutesAfter(o.board, rarozidi::FlightColumns::Aircraft, ground.planer);
        const long long landings = reader.later().landingsAfter(o.board);
        const QString hn = sneText.isEmpty() ? QStringLiteral("-")
                                             : wholeHoursText(runningMinutes(sneText, o.board, unit, QStringLiteral("NARABOTKA_SNE")) - after);
        const QString ho = pprText.isEmpty() || !overhauled
                               ? QStringLiteral("-")
                               : wholeHoursText(runningMinutes(pprText, o.board, unit, QStringLiteral("NARABOTKA_PPR")) - after);
        const QString ln = reg->field(r::POSADKI_SNE).isNull()
                               ? QStringLiteral("-")
                               : QString::number(reg->field(r::POSADKI_SNE).asInteger() - landings) + QStringLiteral(" пос.");
        const QString lo = reg->field(r::POSADKI_PPR).isNull() || !overhauled
                               ? QStringLiteral("-")
                               : QString::number(reg->field(r::POSADKI_PPR).asInteger() - landings) + QStringLiteral(" пос.");
        aircraft.set(kip::AircraftHours, hn + QStringLiteral("  /  ") + ho);
        aircraft.set(kip::AircraftLandings, ln + QStringLiteral("  /  ") + lo);
    }

    for (const SlgTunedLine& line : lines) {
        if (!kKinds.contains(line.kind)) continue;
        for (const SlgUnit& u : reader.units(line)) {
            if (!u.installed) continue; // the check flight lists what the aircraft carries
            StagingRow row = aircraft;
            row.set(kip::Caption, kpCaption(u)).set(kip::Serial, u.serial).set(kip::ComponentMade, shortDate(u.made))
                .set(kip::ComponentRepair, u.repaired() ? shortDate(u.repairDate) : QStringLiteral("-"))
                .set(kip::SinceNew, u.counts ? QString::number(u.sinceNew) + QStringLiteral(" пос.") : hoursMinutesText(u.sinceNew))
                .set(kip::SinceOverhaul, !u.hasSinceOverhaul ? QStringLiteral("-")
                                         : u.counts ? QString::number(u.sinceOverhaul) + QStringLiteral(" пос.")
                                                    : hoursMinutesText(u.sinceOverhaul));
            doc.rows.push_back(row);
        }
    }
    return doc;
}

void TfrPlanZaiavSLGOtchetKP::FunDocument(const SlgDocOptions& o)
{
    rarozidi::FlightCache flights;
    const KipDocument doc = buildSlgOtchetKP(ADOConPdo, o);
    if (!doc.tuned) {
        showNoTunedList(o.type);
        return;
    }
    ReportValues v = rarozidi::FunReportValues(*ADOConPdo, o.operatorCode);
    v.insert(QStringLiteral("report_title"), QStringLiteral("Отчет о контрольном полете ВС"));
    v.insert(QStringLiteral("covers"), QStringList{QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board,
                                                   QStringLiteral("Дата составления: ") + longDate(o.date)});
    v.insert(QStringLiteral("as_of"), o.date);
    frxReport->setValues(v);
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kOtchetKPQuery), otchetKPTemplate(doc.kodVS),
                    [&](StagingWriter& w) {
                        for (const StagingRow& r : doc.rows) w.addRow(r);
                    });
}

PLAN_REGISTER_FRAME(TfrPlanZaiavSLGOtchetKP)

} // namespace plan::applications
