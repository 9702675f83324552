#include "sheets/FleetStateSheets.h"

#include "data/Positions.h"
#include "frames/BoardSets.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/RunningTime.h"
#include "sheets/FormReckoning.h"

#include <QHash>
#include <algorithm>
#include <memory>

namespace plan::sheets {

namespace {

namespace re = pos::reestr;

const QChar kCR = QLatin1Char('\r');

QString dateText(const QDate& d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// A text with the trailing blanks SQL's "=" ignores taken off.
QString keyText(const QString& s)
{
    QString t = s;
    while (!t.isEmpty() && t.back().isSpace()) t.chop(1);
    return t;
}

QString aircraftKey(const QString& type, const QString& board)
{
    return keyText(type) + QChar(0x1f) + keyText(board);
}

// FunCorrectNarVS: the running time text less the flying recorded after the
// date, as "H:MM". An empty running time is "00:00".
QString FunCorrectNarVS(const QString& running, const QDate& date, const BoardFlying& flights,
                        const rarozidi::GroundRule& rule, const QString& what)
{
    if (running.trimmed().isEmpty()) return QStringLiteral("00:00");
    const long long stored = rarozidi::parseRunningTime(running, what);
    return rarozidi::formatRunningTime(stored - flights.minutesAfter(date, rule));
}

// The first row of a table per aircraft (type and board at the given
// positions), the whole table read once in ID order.
class FirstRowByAircraft {
public:
    FirstRowByAircraft(Connection& c, const QString& table, int typePos, int boardPos)
        : m_ds(openQuery(&c, QStringLiteral("Select * From ") + table + QStringLiteral(" Order By ID;")))
    {
        for (; !m_ds->eof(); m_ds->next()) {
            const QString key = aircraftKey(m_ds->str(typePos), m_ds->str(boardPos));
            if (!m_rows.contains(key)) m_rows.insert(key, m_ds->recNo());
        }
    }
    // The row of the aircraft made current; false when it has none.
    bool find(const QString& type, const QString& board)
    {
        const auto it = m_rows.constFind(aircraftKey(type, board));
        if (it == m_rows.constEnd()) return false;
        m_ds->setRecNo(*it);
        return true;
    }
    const Dataset& row() const { return *m_ds; }

private:
    std::unique_ptr<Dataset> m_ds;
    QHash<QString, int> m_rows;
};

// "ТО АКБ - <column 4>" of the aircraft's first TO_AKB row, "ТО АКБ --" without one.
QString batteryNote(FirstRowByAircraft& akb, const QString& type, const QString& board)
{
    if (!akb.find(type, board)) return QStringLiteral("ТО АКБ --");
    return QStringLiteral("ТО АКБ - ") + akb.row().str(pos::to_akb::ZAVODSKOY_NOMER).trimmed();
}

// The season word and the date of the aircraft's first SEZONNOE_TO row,
// "Сезонное --" without one.
QString seasonalNote(FirstRowByAircraft& season, const QString& type, const QString& board)
{
    if (!season.find(type, board)) return QStringLiteral("Сезонное --");
    const Dataset& r = season.row();
    const Field kind = r.field(pos::sezonnoe_to::VID_TO);
    const QString k = kind.asString().trimmed();
    const QString word = k == QLatin1String("0")   ? QStringLiteral("ВЛП ")
                         : k == QLatin1String("1") ? QStringLiteral("ОЗП ")
                                                   : QStringLiteral("Сезонное ");
    const Field when = r.field(pos::sezonnoe_to::DATA_TO);
    return word + (when.isNull() ? QString() : dateText(when.asDate()));
}

// What the sheets read once per report.
class SheetContext {
public:
    SheetContext(Connection& c, const QDate& today, bool sets) : m_c(c), m_today(today), m_flying(c, sets)
    {
        auto loc = openQuery(&c, QStringLiteral("Select * From RASPOLOGENIA Where HIDE=0 Order By ID_MESTO;"));
        for (; !loc->eof(); loc->next()) {
            const QString key = keyText(loc->str(pos::raspologenia::ID_MESTO));
            if (!m_locations.contains(key)) m_locations.insert(key, loc->str(pos::raspologenia::NAME).trimmed());
        }
    }

    Connection& c() { return m_c; }
    QDate today() const { return m_today; }
    FleetFlying& flying() { return m_flying; }
    QString location(const QString& id) const { return m_locations.value(keyText(id)); }

    const rarozidi::GroundRule& airframeRule(const QString& type)
    {
        auto it = m_airframe.find(type);
        if (it == m_airframe.end()) it = m_airframe.insert(type, readAirframeRule(m_c, type));
        return *it;
    }
    const rarozidi::GroundRule& lastMonthRule(const QString& type)
    {
        auto it = m_lastMonth.find(type);
        if (it == m_lastMonth.end()) it = m_lastMonth.insert(type, readLastMonthRules(m_c, type).planer);
        return *it;
    }

private:
    Connection& m_c;
    QDate m_today;
    FleetFlying m_flying;
    QHash<QString, QString> m_locations;
    QHash<QString, rarozidi::GroundRule> m_airframe, m_lastMonth;
};

// Whether the forms of an aircraft are reckoned, its last and next form, and
// the date its running time is taken back to for the sheet: the earlier of
// yesterday and the date of its last form.
struct Reckoning {
    bool reckoned = false;
    FormPair forms;
    bool lastDated = false;
    QDate after;
};

Reckoning reckoningOf(const Dataset& r, const FormCycle* cycle, const QDate& today)
{
    Reckoning k;
    // Forms are reckoned for a type with a cycle that is not "АРЗ" and an
    // aircraft kept for maintenance (column 64 = 1).
    k.reckoned = cycle && cycle->found && cycle->column(pos::pto_formy::CASE1) != QStringLiteral("АРЗ") &&
                 r.field(re::UCHET_TO).asString().trimmed() == QLatin1String("1");
    if (k.reckoned) k.forms = airframeForms(*cycle, r);
    const QDate yesterday = today.addDays(-1);
    k.lastDated = k.reckoned && !k.forms.lastDash && !k.forms.last.isEmpty() && k.forms.lastDate.isValid();
    k.after = k.lastDated && k.forms.lastDate < yesterday ? k.forms.lastDate : yesterday;
    return k;
}

// The board of a register row and the first day of its flight records the
// sheet counts: the day after the date its running time is taken back to,
// or the first of the last 30 days when that is earlier and its forms are
// reckoned.
std::pair<QString, QDate> flightsWanted(const Dataset& r, const FormCycle* cycle, const QDate& today)
{
    const Reckoning k = reckoningOf(r, cycle, today);
    QDate from = k.after.addDays(1);
    if (k.reckoned) from = std::min(from, today.addDays(-30));
    return {r.str(re::BORTOVOI_NOMER).trimmed(), from};
}

// The positions both sheets fill for one aircraft (2 to 11 and 14, 9 with
// the notes the caller gives).
struct AircraftState {
    StagingRow row;
    int stateCode = 0;
};

AircraftState aircraftState(SheetContext& ctx, const Dataset& r, const FormCycle* cycle, const QString& notes)
{
    const QString type = r.str(re::TIP_VS).trimmed();
    const QString board = r.str(re::BORTOVOI_NOMER).trimmed();
    const QString running = r.str(re::NARABOTKA_PPR).trimmed();
    const QString what = QStringLiteral("ВС %1 %2, наработка после ремонта").arg(type, board);
    const QDate yesterday = ctx.today().addDays(-1);
    const Reckoning k = reckoningOf(r, cycle, ctx.today());
    const bool reckoned = k.reckoned;
    const FormPair& forms = k.forms;
    const bool lastDated = k.lastDated;
    Remainders rem;
    if (reckoned) rem = airframeRemainders(ctx.c(), r, cycle->halfway());
    const BoardFlying later = ctx.flying().after(board, k.after);
    const rarozidi::GroundRule& rule = ctx.airframeRule(type);

    AircraftState s;
    s.stateCode = r.field(re::STATUS_TO).asInteger();
    StagingRow& row = s.row;
    row.set(SostPark::Board, board);
    QString made = dateText(r.field(re::DATA_IGOTOVLEN).asDate());
    const Field certificate = r.field(re::DATA_UDOSNOVERENIE_DO);
    if (!certificate.isNull() && certificate.asDate().isValid())
        made += kCR + QStringLiteral("(") + dateText(certificate.asDate()) + QStringLiteral(")");
    row.set(SostPark::Made, made);
    row.set(SostPark::BoardSerial, QStringLiteral("<b>") + board + QStringLiteral("</b>") + kCR +
                                       r.str(re::ZAVODSKOI_NOMER).trimmed());
    row.set(SostPark::Location, ctx.location(r.str(re::ID_MESTO)));
    row.set(SostPark::RunningYesterday, FunCorrectNarVS(running, yesterday, later, rule, what));
    row.set(SostPark::RunningStored, running);
    row.set(SostPark::Notes, notes);

    if (reckoned) {
        if (forms.lastDash) {
            row.set(SostPark::LastForm, QStringLiteral("---"));
        } else if (!forms.last.isEmpty()) {
            QString last = forms.last;
            if (lastDated)
                last += kCR + QStringLiteral("(") + dateText(forms.lastDate) + QStringLiteral(", ") +
                        FunCorrectNarVS(running, forms.lastDate, later, rule, what) + QStringLiteral(")");
            row.set(SostPark::LastForm, last);
        }
        const BoardFlying flying = ctx.flying().between(board, ctx.today().addDays(-30), ctx.today());
        const DailyAverage avg = lastMonthAverage(flying, ctx.today(), ctx.lastMonthRule(type));
        const int days = daysToForm(rem.minutes, avg.perDay);
        row.set(SostPark::NextDate, dateText(days > 0 ? ctx.today().addDays(days) : ctx.today().addMonths(1)));
    }
    row.set(SostPark::Warning, warningCode(s.stateCode, reckoned, rem.minutes));
    return s;
}

// The REESTR row of a ticked aircraft (from the register read whole for a
// large selection); a message when it is gone.
std::unique_ptr<Dataset> registerRow(Connection& c, frames::BoardSets& sets, const frames::AircraftRef& a)
{
    auto r = std::make_unique<Dataset>(&c);
    sets.openSorted(*r,
                    QStringLiteral("Select * From REESTR Where TIP_VS=") + frames::sqlText(a.type) +
                        QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(a.board) +
                        QStringLiteral(" Order By BORTOVOI_NOMER, ID;"),
                    QStringLiteral("From REESTR"), QStringLiteral("BORTOVOI_NOMER, ID"),
                    {{QStringLiteral("BORTOVOI_NOMER"), a.board}, {QStringLiteral("TIP_VS"), a.type}});
    if (r->eof())
        throw DbError(QStringLiteral("ВС %1 %2 нет в реестре ВС: обновите список ВС (откройте справку заново) и повторите.")
                          .arg(a.type, a.board));
    return r;
}

// The operator code as the queries of the whole-fleet sheet compare it:
// written as it is when it is a number, between quotes otherwise.
QString operatorCondition(const QString& code)
{
    bool number = false;
    code.trimmed().toLongLong(&number);
    return number ? code.trimmed() : frames::sqlText(code);
}

} // namespace

QDateTime printingMoment()
{
    QDateTime utc = Clock::now().toUTC();
    return utc.addSecs(3 * 3600);
}

QString printingDateText(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("dd.MM.yyyy"));
}

QString printingTimeText(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("hh:mm:ss"));
}

QString momentText(const QDateTime& moment)
{
    return printingDateText(moment) + QLatin1Char(' ') + printingTimeText(moment);
}


QStringList fleetStateLegend()
{
    return {QStringLiteral("ожидаемая дата следующей формы — по среднему налету за последние 30 дней; без налета "
                           "или при просроченной форме — через месяц"),
            QStringLiteral("<b>желтым</b> — до следующей формы 10 ч и менее (или форма просрочена); <b>красным</b> — ВС "
                           "неисправно (код состояния ВС в реестре не 0)")};
}

int warningCode(int stateCode, bool reckoned, long long minutesLeft)
{
    if (stateCode != 0) return 2;
    return reckoned && minutesLeft <= 600 ? 1 : 0;
}

int fleetProgressCount(Connection& c)
{
    return openQuery(&c, QStringLiteral("Select ID From REESTR Where Upper(TIP_VS) Not Like Upper('%HIDE%') Order By ID;"))
        ->recordCount();
}

std::vector<StagingRow> buildSostParkT1(Connection& c, const QDate& today, const Progress& progress, int fleetSize)
{
    const QueryMemo memo(&c, kFormTables);
    // A large fleet: each operator's register rows are read once and its
    // types' aircraft taken from them, the flight records read for all.
    frames::BoardSets sets(&c, frames::BoardSets::wanted(
                                   static_cast<std::size_t>(fleetSize >= 0 ? fleetSize : fleetProgressCount(c))));
    auto operators = openQuery(&c, QStringLiteral("Select * From EXPLUATANTY Where HIDE=0 Order By ID_NAME;"));

    // The cycles of forms read once, located by type (the first row of a type).
    QHash<QString, FormCycle> cycles;
    for (auto f = openQuery(&c, QStringLiteral("Select * From PTO_FORMY Order By ID;")); !f->eof(); f->next()) {
        const QString type = keyText(f->str(pos::pto_formy::TIP_VS));
        if (!cycles.contains(type)) cycles.insert(type, formCycleOf(*f));
    }
    auto cycleOf = [&cycles](const QString& type) -> const FormCycle* {
        const auto it = cycles.constFind(keyText(type));
        return it == cycles.constEnd() ? nullptr : &*it;
    };

    // The operators with their types and the aircraft of each, read first:
    // the flight records of a large fleet are then read for all at once.
    struct TypeAircraft {
        QString type;
        std::unique_ptr<Dataset> aircraft;
    };
    struct OperatorTypes {
        QString code, name;
        std::vector<TypeAircraft> types;
    };
    std::vector<OperatorTypes> fleet;
    for (; !operators->eof(); operators->next()) {
        OperatorTypes o{operators->str(pos::expluatanty::ID_NAME).trimmed(),
                        operators->str(pos::expluatanty::NAME).trimmed(), {}};
        const QString ofOperator = QStringLiteral("From REESTR Where EXPLUATANT=") + operatorCondition(o.code);
        auto types = openQuery(&c, QStringLiteral("Select Distinct TIP_VS ") + ofOperator +
                                       QStringLiteral(" And Upper(TIP_VS) Not Like Upper('%HIDE%') Order By TIP_VS, ID;"));
        for (; !types->eof(); types->next()) {
            auto aircraft = std::make_unique<Dataset>(&c);
            sets.openSorted(*aircraft,
                            QStringLiteral("Select * ") + ofOperator + QStringLiteral(" And TIP_VS=") +
                                frames::sqlText(types->str(0)) + QStringLiteral(" Order By BORTOVOI_NOMER, ID;"),
                            ofOperator, QStringLiteral("BORTOVOI_NOMER, ID"), {{QStringLiteral("TIP_VS"), types->str(0)}});
            o.types.push_back({types->str(0).trimmed(), std::move(aircraft)});
        }
        fleet.push_back(std::move(o));
    }
    SheetContext ctx(c, today, sets.sets());
    if (ctx.flying().sets()) {
        std::vector<std::pair<QString, QDate>> since;
        for (const OperatorTypes& o : fleet)
            for (const TypeAircraft& t : o.types)
                for (t.aircraft->first(); !t.aircraft->eof(); t.aircraft->next())
                    since.push_back(flightsWanted(*t.aircraft, cycleOf(t.type), today));
        ctx.flying().readSince(since);
    }
    FirstRowByAircraft akb(c, QStringLiteral("TO_AKB"), pos::to_akb::TIP_VS, pos::to_akb::BORTOVOY_NOMER);
    FirstRowByAircraft season(c, QStringLiteral("SEZONNOE_TO"), pos::sezonnoe_to::TIP_VS, pos::sezonnoe_to::BORTOVOY_NOMER);

    std::vector<StagingRow> rows;
    auto stamped = [&rows](StagingRow r) {
        const QDateTime moment = printingMoment();
        r.set(SostPark::PrintDate, printingDateText(moment)).set(SostPark::PrintTime, printingTimeText(moment));
        rows.push_back(r);
    };
    for (const OperatorTypes& o : fleet) {
        StagingRow head;
        head.set(SostPark::OperatorHead, QStringLiteral("!") + o.code).set(SostPark::OperatorName, o.name);
        stamped(head);
        for (const TypeAircraft& t : o.types) {
            StagingRow typeRow;
            typeRow.set(SostPark::TypeHead, QStringLiteral("|") + t.type);
            stamped(typeRow);
            Dataset& aircraft = *t.aircraft;
            for (aircraft.first(); !aircraft.eof(); aircraft.next()) {
                const QString board = aircraft.str(re::BORTOVOI_NOMER).trimmed();
                const QString notes = batteryNote(akb, t.type, board) + kCR + seasonalNote(season, t.type, board);
                stamped(aircraftState(ctx, aircraft, cycleOf(t.type), notes).row);
                if (progress) progress();
            }
        }
    }
    return rows;
}

std::vector<StagingRow> buildSostParkT2(Connection& c, const std::vector<frames::AircraftRef>& aircraft,
                                        const QDate& today, const Progress& progress)
{
    const QueryMemo memo(&c, kFormTables);
    frames::BoardSets sets(&c, frames::BoardSets::wanted(aircraft.size()));
    SheetContext ctx(c, today, sets.sets());
    FirstRowByAircraft season(c, QStringLiteral("SEZONNOE_TO"), pos::sezonnoe_to::TIP_VS, pos::sezonnoe_to::BORTOVOY_NOMER);

    // The cycles and register rows first: the flight records of a large
    // selection are then read for all at once.
    QHash<QString, FormCycle> cycles;
    std::vector<std::unique_ptr<Dataset>> registers;
    std::vector<std::pair<QString, QDate>> since;
    for (const frames::AircraftRef& a : aircraft) {
        if (!cycles.contains(a.type)) {
            auto f = openQuery(&c, QStringLiteral("Select * From PTO_FORMY Where TIP_VS=") + frames::sqlText(a.type) +
                                       QStringLiteral(" Order By ID;"));
            cycles.insert(a.type, f->eof() ? FormCycle{} : formCycleOf(*f));
        }
        registers.push_back(registerRow(c, sets, a));
        since.push_back(flightsWanted(*registers.back(), &cycles[a.type], today));
    }
    ctx.flying().readSince(since);

    std::vector<StagingRow> rows;
    auto stamped = [&rows](StagingRow r) {
        const QDateTime moment = printingMoment();
        r.set(SostParkT2::PrintDate, printingDateText(moment)).set(SostParkT2::PrintTime, printingTimeText(moment));
        rows.push_back(r);
    };
    QString lastType;
    bool first = true;
    for (std::size_t i = 0; i < aircraft.size(); ++i) {
        const frames::AircraftRef& a = aircraft[i];
        if (first || a.type != lastType) {
            StagingRow typeRow;
            typeRow.set(SostPark::TypeHead, QStringLiteral("|") + a.type);
            stamped(typeRow);
            lastType = a.type;
            first = false;
        }
        AircraftState s = aircraftState(ctx, *registers[i], &cycles[a.type], seasonalNote(season, a.type, a.board));

        QStringList sinceNew, sinceOverhaul;
        Dataset engines(&c);
        sets.openSorted(engines,
                        QStringLiteral("Select * From DVIGATEL Where TIP_VS=") + frames::sqlText(a.type) +
                            QStringLiteral(" And GDE_STOIT=") + frames::sqlText(a.board) + QStringLiteral(" Order By ODIN_DVA, ID;"),
                        QStringLiteral("From DVIGATEL"), QStringLiteral("ODIN_DVA, ID"),
                        {{QStringLiteral("GDE_STOIT"), a.board}, {QStringLiteral("TIP_VS"), a.type}});
        for (; !engines.eof(); engines.next()) {
            sinceNew << QStringLiteral("СНЭ: ") + engines.str(pos::dvigatel::NARABOTKA_SNE).trimmed();
            sinceOverhaul << QStringLiteral("ППР: ") + engines.str(pos::dvigatel::NARABOTKA_PPR).trimmed();
        }
        s.row.set(SostParkT2::EnginesSinceNew, sinceNew.join(kCR));
        s.row.set(SostParkT2::EnginesSinceOverhaul, sinceOverhaul.join(kCR));
        if (s.stateCode == 2) s.row.set(SostParkT2::Replacement, QStringLiteral("замена агрегатов"));
        else if (s.stateCode != 0) s.row.set(SostParkT2::Fault, QStringLiteral("устранение неисправности"));
        stamped(s.row);
        if (progress) progress();
    }
    return rows;
}

} // namespace plan::sheets
