#include "reports/TfrPlanRepLizPSBEgMesOtch.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/PeriodFlying.h"
#include "rarozidi/RunningTime.h"
#include "reports/FrameParts.h"
#include "shell/HostWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepLizPSBEgMesOtch)

namespace R = pos::reestr;
namespace D = pos::dvigatel; // REDUCTOR has the same positions
namespace V = pos::vsu;
namespace L = pos::lopast;
namespace H = pos::hvostovoy_vint;

namespace {

const QString kHour = QStringLiteral("HOUR");

QString registerQuery(const QString& type, const QString& board)
{
    return QStringLiteral("Select * From REESTR Where TIP_VS=") + frames::sqlText(type) +
           QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(board) + QStringLiteral(" Order By ID;");
}

// Ground-running rules of the type, one per kind.
struct Rules {
    rarozidi::GroundRule planer, engine, gearbox, blades, units;
};

Rules readRules(Connection* c, const QString& type)
{
    Rules r;
    auto ds = openQuery(c, QStringLiteral("Select UCHITYVAT_ZEMLU, ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, ZEMLIA_LOPASTY, "
                                          "ZEMLIA_AGREGATY, KOL_VO_ZEMLIA_PLANER, KOL_VO_ZEMLIA_DVIGATEL, "
                                          "KOL_VO_ZEMLIA_REDUCTOR, KOL_VO_ZEMLIA_LOPASTY, KOL_VO_ZEMLIA_AGREGATY From "
                                          "TIPOVYE_DANNYE_VS Where TIP_VS=") +
                               frames::sqlText(type) + QStringLiteral(" Order By ID;"));
    if (ds->eof()) return r;
    rarozidi::GroundRule* rules[] = {&r.planer, &r.engine, &r.gearbox, &r.blades, &r.units};
    for (int i = 0; i < 5; ++i) {
        rules[i]->counts = ds->str(i).trimmed() == QLatin1String("1");
        rules[i]->share = ds->str(5 + i).trimmed().isEmpty() ? 0.0 : ds->field(5 + i).asFloat();
    }
    return r;
}

// A stored running time ("H:MM") in minutes; a malformed one is told naming
// what it belongs to, the column and the value.
long long storedMinutes(const QString& value, const QString& owner, const char* column, bool emptyIsZero = false)
{
    try {
        return emptyIsZero ? rarozidi::parseRunningTimeOrZero(value, QString::fromLatin1(column))
                           : rarozidi::parseRunningTime(value, QString::fromLatin1(column));
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("%1: наработка (%2) «%3» не в виде «часы:минуты». Исправьте значение и "
                                             "повторите отчет.")
                                  .arg(owner, QString::fromLatin1(column), value));
    }
}

QString shortDateOf(const Dataset& ds, int pos) { return shortDate(ds.field(pos).value()); }

// The day a unit is counted from in the period: its date, when later than
// the start; invalid when it is installed after the period.
QDate countFrom(const QDate& installed, const LizPsbPeriod& p)
{
    const QDate from = installed.isValid() && installed > p.start ? installed : p.start;
    return from > p.end ? QDate() : from;
}

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
        const QDate from = countFrom(installed, p);
        if (!from.isValid()) continue;
        QString serial = b.str(L::ZAVODSKOY_NOMER);
        const QString owner = QStringLiteral("Лопасть %1 № %2 (ВС %3)").arg(b.str(L::NAZVANIE), serial, o.board);
        if (mainRotor) serial.replace(QLatin1Char('_'), QLatin1Char(' '));
        models << b.str(L::NAZVANIE);
        dates << shortDateOf(b, L::DATA_USTANOVKI);
        serials << serial;
        month << flying.FunNarZaPer(from, p.end, kHour, -1, rule.counts, rule.share);
        // The total at the month's end: a blade counted from the aircraft
        // keeps its time at installation; the others their latest total.
        const long long stored = storedMinutes(b.str(L::NARABOTKA_SNE), owner, "NARABOTKA_SNE");
        const long long total =
            b.field(L::NEPRERYVNO).asInteger() == 1
                ? stored + (installed.isValid() ? flying.sum(installed, p.end, kHour, -1, rule.counts, rule.share) : 0)
                : stored - flying.FunNarDateStopPer(p.end, kHour, -1, rule.counts, rule.share);
        totals << rarozidi::hoursText(total);
    }
    if (serials.isEmpty()) return;
    const int first = mainRotor ? lizpsb::MainModel : lizpsb::TailModel;
    if (mainRotor) row.set(first, agreed(models)).set(first + 1, agreed(dates));
    row.set(first + 2, serials.join(QStringLiteral("; ")))
        .set(first + 3, agreed(month))
        .set(first + 4, agreed(totals));
}

} // namespace

LizPsbPeriod lizPsbPeriod(Connection* c, const QString& type, const QString& board, int year, int monthIndex)
{
    LizPsbPeriod p;
    p.start = QDate(year, monthIndex + 1, 1);
    auto reg = openQuery(c, registerQuery(type, board));
    if (!reg->eof()) {
        const QDate overhaul = reg->field(R::REMONT_DATA).asDate();
        if (overhaul.isValid() && overhaul > p.start) p.start = overhaul;
    }
    p.year = p.start.year();
    p.monthIndex = p.start.month() - 1;
    p.end = QDate(p.year, p.start.month(), p.start.daysInMonth());
    return p;
}

QStringList builtInAccounts()
{
    return {QStringLiteral("Администратор"), QStringLiteral("User"), QStringLiteral("SYSDBA")};
}

QString preparerName(Connection* c, const QString& userName)
{
    if (builtInAccounts().contains(userName)) return {};
    auto u = openQuery(c, QStringLiteral("Select * From USERS Where FAMILIA=") + frames::sqlText(userName) +
                              QStringLiteral(" Order By ID;"));
    if (u->eof()) return userName;
    QString name = u->str(pos::users::FAMILIA).trimmed() + QLatin1Char(' ');
    for (int p : {pos::users::IMIA, pos::users::OTCHESTVO}) {
        const QString part = u->str(p).trimmed();
        if (!part.isEmpty()) name += part.left(1) + QLatin1Char('.');
    }
    return name.trimmed();
}

QString lizPsbTemplate(const QString& type)
{
    return type.contains(QStringLiteral("Ансат")) ? QStringLiteral("rep18") : QStringLiteral("rep17");
}

StagedRows buildLizPsb(Connection* c, const LizPsbOptions& o)
{
    StagedRows out;
    const LizPsbPeriod p = lizPsbPeriod(c, o.type, o.board, o.year, o.monthIndex);
    const Rules rules = readRules(c, o.type);
    const QString type = frames::sqlText(o.type);
    const QString board = frames::sqlText(o.board);
    auto reg = openQuery(c, registerQuery(o.type, o.board));
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
        const long long sne = storedMinutes(r.str(R::NARABOTKA_SNE), QStringLiteral("ВС %1 %2").arg(o.type, o.board),
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
        const QDate from = countFrom(e.field(D::DATA_KALENDAR).asDate(), p);
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
        const QDate from = countFrom(g.field(D::DATA_KALENDAR).asDate(), p);
        if (from.isValid()) {
            const rarozidi::GroundRule& r = rules.gearbox;
            const long long sne = storedMinutes(
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
        const QDate from = countFrom(v.field(V::DATA_USTANOVKI).asDate(), p);
        if (from.isValid()) {
            const bool ta14 = v.str(V::NAZVANIE).contains(QStringLiteral("ТА-14-130"));
            const QString measure = ta14 ? QStringLiteral("VSU_HOUR_TA14") : QStringLiteral("VSU_HOUR");
            const int totalPos = ta14 ? V::SUMMA_SNE : V::OBSHAIA_SNE;
            const long long total = storedMinutes(
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

TfrPlanRepLizPSBEgMesOtch::TfrPlanRepLizPSBEgMesOtch() : TPlanFrame(QStringLiteral("frmPlanReport")), m_period(this)
{
    m_period.cboCvartal->hide();
    TreeView = new frames::AircraftTree(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    cmdReport->setEnabled(false);
    bindShowButton(cmdReport);
    // Picking an aircraft shows its report at once.
    connect(TreeView, &frames::AircraftTree::picked, this, [this](const frames::AircraftRef&) {
        cmdReport->setEnabled(true);
        guarded([this] { FunReport(); });
    });
}

void TfrPlanRepLizPSBEgMesOtch::FunStart()
{
    cboExpl = new frames::OperatorSelector(this, settingsPath(), QStringLiteral("LIZING_PSB"), QStringLiteral("CBOEXPL"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    grid->addWidget(lblExpl, 0, 0, 1, 2);
    grid->addWidget(cboExpl, 1, 0, 1, 2);
    grid->addWidget(m_period.cboMonth, 2, 0);
    grid->addWidget(m_period.cboYear, 2, 1);
    grid->addWidget(TreeView, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->addWidget(cmdReport, 4, 0, 1, 2);
    TreeView->fill(ADOConPdo);
    FunCboExpl();
    FunCalendar();
}

// cboExplChange: the selector keeps its index (−1 after "Очистить поле") in LIZING_PSB/CBOEXPL.
void TfrPlanRepLizPSBEgMesOtch::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo, true); }

void TfrPlanRepLizPSBEgMesOtch::FunCalendar()
{
    m_period.FunCalendar(ADOConPdo,
                         QStringLiteral("Select Min(DATA_POLETA) As MIN_DATA_POLETA From SPRAVKA Group By DATA_POLETA;"));
}

LizPsbOptions TfrPlanRepLizPSBEgMesOtch::options() const
{
    LizPsbOptions o;
    o.operatorName = cboExpl ? cboExpl->currentText() : QString();
    const frames::AircraftRef a = TreeView->current();
    o.type = a.type;
    o.board = a.board;
    o.year = m_period.year();
    o.monthIndex = m_period.cboMonth->currentIndex();
    if (const shell::THostWindow* w = host()) o.userName = w->userName();
    return o;
}

void TfrPlanRepLizPSBEgMesOtch::FunReport()
{
    LizPsbOptions o = options();
    if (o.board.isEmpty()) return; // nothing picked: the button stays disabled
    // A month that began before the last overhaul starts at the overhaul; the
    // combos show its month and year.
    const LizPsbPeriod p = lizPsbPeriod(ADOConPdo, o.type, o.board, o.year, o.monthIndex);
    const QString year = QString::number(p.year);
    if (m_period.cboYear->findText(year) < 0) m_period.cboYear->addItem(year);
    m_period.cboYear->setCurrentText(year);
    m_period.cboMonth->setCurrentIndex(p.monthIndex);
    o.year = p.year;
    o.monthIndex = p.monthIndex;
    runStagedReport(*this, QStringLiteral("Select * From REPORT_LIZING_PSB_MONTH Order By ID;"), lizPsbTemplate(o.type),
                    cboExpl->code(), QStringLiteral("Форма ежемесячного отчета ООО ПСБ «Авиализинг»"), p.end,
                    {QStringLiteral("ВС: ") + o.type + QLatin1Char(' ') + o.board,
                     QStringLiteral("Период: с ") + dateText(p.start) + QStringLiteral(" по ") + dateText(p.end)},
                    [&] { return buildLizPsb(ADOConPdo, o); });
}

} // namespace plan::reports
