#include "reports/TfrPlanRepLizPSBEgMesOtch.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/PeriodFlying.h"
#include "rarozidi/RunningTime.h"
#include "reports/FrameParts.h"

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepLizPSBEgMesOtch)

namespace R = pos::reestr;
namespace D = pos::dvigatel; // REDUCTOR has the same positions
namespace V = pos::vsu;
namespace L = pos::lopast;
namespace H = pos::hvostovoy_vint;

namespace {

const QString kHour = QStringLiteral("HOUR");

QString shortDateOf(const Dataset& ds, int pos) { return shortDate(ds.field(pos).value()); }

// One value when every blade gives the same text, otherwise each blade's in
// turn, joined by "; ".
QString agreed(const QStringList& values)
{
    QStringList distinct = values;
    distinct.removeDuplicates();
    return distinct.size() <= 1 ? distinct.value(0) : values.join(QStringLiteral("; "));
}

// The blades of one rotor: positions first .. first + 4 (model, date,
// serial numbers, the month's running time, the total at the month's end).
void writeBlades(Connection* c, const LizPsbOptions& o, const LizPsbPeriod& p, const rarozidi::BoardFlying& flying,
                 const rarozidi::GroundRule& rule, const char* rotor, bool mainRotor, StagingRow& row)
{
    auto blades = openQuery(c, QStringLiteral("Select * From LOPAST Where TIP_VS=") + frames::sqlText(o.type) +
                                   QStringLiteral(" And GDE_STOIT=") + frames::sqlText(o.board) +
                                   QStringLiteral(" And TIP_VINTA='") + QString::fromUtf8(rotor) +
                                   QStringLiteral("' Order By ID;"));
    QStringList models, dates, serials, month, totals;
    for (Dataset& b = *blades; !b.eof(); b.next()) {
        const QDate installed = b.field(L::DATA_USTANOVKI).asDate();
        const QDate from = countFrom(installed, p.start, p.end);
        if (!from.isValid()) continue;
        QString serial = b.str(L::ZAVODSKOY_NOMER);
        const QString owner = QStringLiteral("Лопасть %1 № %2 (ВС %3)").arg(b.str(L::NAZVANIE), serial, o.board);
        if (mainRotor) serial.replace(QLatin1Char('_'), QLatin1Char(' '));
        models << b.str(L::NAZVANIE);
        dates << shortDateOf(b, L::DATA_USTANOVKI);
        serials << serial;
        month << flying.FunNarZaPer(from, p.end, kHour, -1, rule.counts, rule.share);
        totals << rarozidi::hoursText(bladeTotalAt(b, p.end, flying, rule, owner));
    }
    if (serials.isEmpty()) return;
    const int first = mainRotor ? lizpsb::MainModel : lizpsb::TailModel;
    if (mainRotor) row.set(first, agreed(models)).set(first + 1, agreed(dates));
    row.set(first + 2, serials.join(QStringLiteral("; ")))
        .set(first + 3, agreed(month))
        .set(first + 4, agreed(totals));
}

} // namespace

QString lizPsbTemplate(const QString& type)
{
    return type.contains(QStringLiteral("Ансат")) ? QStringLiteral("rep18") : QStringLiteral("rep17");
}

StagedRows buildLizPsb(Connection* c, const LizPsbOptions& o)
{
    StagedRows out;
    const LizPsbPeriod p = lizPsbPeriod(c, o.type, o.board, o.year, o.monthIndex);
    const LessorRules rules = readLessorRules(c, o.type);
    const QString type = frames::sqlText(o.type);
    const QString board = frames::sqlText(o.board);
    auto reg = openQuery(c, registerRowQuery(o.type, o.board));
    StagingRow row;
    row.set(lizpsb::Month, frames::monthNames().value(p.monthIndex).toLower())
        .set(lizpsb::Year, QString::number(p.year))
        .set(lizpsb::Type, o.type)
        .set(lizpsb::Board, o.board)
        .set(lizpsb::Country, QStringLiteral("Россия"));
    // Every sum of the report is taken from the aircraft's entries read once.
    const rarozidi::BoardFlying flying(*c, o.board);

    // The airframe.
    if (!reg->eof()) {
        const Dataset& r = *reg;
        const rarozidi::GroundRule& a = rules.planer;
        const long long sne = lessorMinutes(r.str(R::NARABOTKA_SNE), QStringLiteral("ВС %1 %2").arg(o.type, o.board),
                                            "NARABOTKA_SNE");
        row.set(lizpsb::AircraftSerial, r.str(R::ZAVODSKOI_NOMER))
            .set(lizpsb::AirframeTotal,
                 rarozidi::hoursText(sne - flying.FunNarDateStopPer(p.end, kHour, -1, a.counts, a.share)))
            .set(lizpsb::AirframeLandings,
                 QString::number(r.field(R::POSADKI_SNE).asInteger() -
                                 flying.FunNarDateStopPer(p.end, QStringLiteral("POSADKI"), -1, a.counts, a.share)))
            .set(lizpsb::AirframeMonth, flying.FunNarZaPer(p.start, p.end, kHour, -1, a.counts, a.share))
            .set(lizpsb::AirframeMonthLandings,
                 flying.FunNarZaPer(p.start, p.end, QStringLiteral("POSADKI"), -1, a.counts, a.share));
    } else {
        out.doubts << QStringLiteral("ВС %1 %2 нет в реестре").arg(o.type, o.board);
    }

    // The first two engines, in order of position.
    auto engines = openQuery(c, QStringLiteral("Select * From DVIGATEL Where TIP_VS=") + type +
                                    QStringLiteral(" And GDE_STOIT=") + board + QStringLiteral(" Order By ODIN_DVA, ID;"));
    for (int i = 0; i < 2 && !engines->eof(); ++i, engines->next()) {
        const Dataset& e = *engines;
        const QDate from = countFrom(e.field(D::DATA_KALENDAR).asDate(), p.start, p.end);
        if (!from.isValid()) continue;
        const int selector = e.str(D::ODIN_DVA).trimmed().toInt();
        const QString model = e.str(D::NAZVANIE_DVIGATELYA);
        const rarozidi::GroundRule& g = rules.engine;
        const int first = i == 0 ? lizpsb::Engine1 : lizpsb::Engine2;
        row.set(first, model)
            .set(first + 1, e.str(D::ZAVODSKOI_NOMER))
            .set(first + 2, flying.FunNarZaPer(from, p.end, kHour, selector, g.counts, g.share))
            .set(first + 3, flying.FunNarZaPer(from, p.end,
                                               model.contains(QStringLiteral("PW207K")) ? QStringLiteral("ZAPUSK")
                                                                                       : QStringLiteral("CICL"),
                                               selector, g.counts, g.share));
    }

    // The main gearbox.
    auto gear = openQuery(c, QStringLiteral("Select * From REDUCTOR Where TIP_VS=") + type +
                                 QStringLiteral(" And GDE_STOIT=") + board + QStringLiteral(" Order By ID;"));
    if (!gear->eof()) {
        const Dataset& g = *gear;
        const QDate from = countFrom(g.field(D::DATA_KALENDAR).asDate(), p.start, p.end);
        if (from.isValid()) {
            const rarozidi::GroundRule& r = rules.gearbox;
            const long long sne = lessorMinutes(
                g.str(D::NARABOTKA_SNE),
                QStringLiteral("Редуктор %1 № %2 (ВС %3)").arg(g.str(D::NAZVANIE_DVIGATELYA), g.str(D::ZAVODSKOI_NOMER), o.board),
                "NARABOTKA_SNE");
            row.set(lizpsb::GearModel, g.str(D::NAZVANIE_DVIGATELYA))
                .set(lizpsb::GearDate, shortDateOf(g, D::DATA_KALENDAR))
                .set(lizpsb::GearSerial, g.str(D::ZAVODSKOI_NOMER))
                .set(lizpsb::GearMonth, flying.FunNarZaPer(from, p.end, kHour, 100, r.counts, r.share))
                .set(lizpsb::GearTotal,
                     rarozidi::hoursText(sne - flying.FunNarDateStopPer(p.end, kHour, 100, r.counts, r.share)));
        }
    }

    // The APU.
    auto apu = openQuery(c, QStringLiteral("Select * From VSU Where TIP_VS=") + type +
                                QStringLiteral(" And MESTO_USTANOVKI=") + board + QStringLiteral(" Order By ID;"));
    if (!apu->eof()) {
        const Dataset& v = *apu;
        const QDate from = countFrom(v.field(V::DATA_USTANOVKI).asDate(), p.start, p.end);
        if (from.isValid()) {
            const bool ta14 = v.str(V::NAZVANIE).contains(QStringLiteral("ТА-14-130"));
            const QString measure = ta14 ? QStringLiteral("VSU_HOUR_TA14") : QStringLiteral("VSU_HOUR");
            const int totalPos = ta14 ? V::SUMMA_SNE : V::OBSHAIA_SNE;
            const long long total = lessorMinutes(
                v.str(totalPos), QStringLiteral("ВСУ %1 № %2 (ВС %3)").arg(v.str(V::NAZVANIE), v.str(V::ZAVODSKOY_NOMER), o.board),
                ta14 ? "SUMMA_SNE" : "OBSHAIA_SNE", true);
            row.set(lizpsb::ApuName, v.str(V::NAZVANIE))
                .set(lizpsb::ApuInstalled, shortDateOf(v, V::DATA_USTANOVKI))
                .set(lizpsb::ApuSerial, v.str(V::ZAVODSKOY_NOMER))
                .set(lizpsb::ApuMonth, flying.FunNarZaPer(from, p.end, measure, -1, false, 0))
                .set(lizpsb::ApuTotal, rarozidi::hoursText(total - flying.FunNarDateStopPer(p.end, measure, -1, false, 0)));
        }
    }

    // The tail rotor: the rotor's model and date, its blades.
    auto tail = openQuery(c, QStringLiteral("Select * From HVOSTOVOY_VINT Where TIP_VS=") + type +
                                 QStringLiteral(" And GDE_STOIT=") + board + QStringLiteral(" Order By ID;"));
    if (!tail->eof())
        row.set(lizpsb::TailModel, tail->str(H::NAZVANIE_VINT))
            .set(lizpsb::TailModel + 1, shortDateOf(*tail, H::DATA_USTANOVKI));
    writeBlades(c, o, p, flying, rules.blades, "Хвостовой", false, row);
    writeBlades(c, o, p, flying, rules.blades, "Несущий", true, row);

    row.set(lizpsb::Operator, o.operatorName).set(lizpsb::Preparer, preparerName(c, o.userName));
    out.rows.push_back(row);
    return out;
}

TfrPlanRepLizPSBEgMesOtch::TfrPlanRepLizPSBEgMesOtch() : LessorMonthFrame(QStringLiteral("LIZING_PSB")) {}

void TfrPlanRepLizPSBEgMesOtch::FunReport()
{
    LizPsbPeriod p;
    const LizPsbOptions o = optionsForRun(p);
    if (o.board.isEmpty()) return; // nothing picked: the button stays disabled
    runStagedReport(*this, QStringLiteral("Select * From REPORT_LIZING_PSB_MONTH Order By ID;"), lizPsbTemplate(o.type),
                    operatorCode(), QStringLiteral("Форма ежемесячного отчета ООО ПСБ «Авиализинг»"), p.end,
                    {QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board,
                     QStringLiteral("Период: с ") + dateText(p.start) + QStringLiteral(" по ") + dateText(p.end)},
                    [&] { return buildLizPsb(ADOConPdo, o); });
}

} // namespace plan::reports
