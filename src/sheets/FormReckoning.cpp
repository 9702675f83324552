#include "sheets/FormReckoning.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Func.h"

#include <cmath>

namespace plan::sheets {

namespace {

FormCycle cycleOfRow(const Dataset& ds, int f1Pos)
{
    FormCycle cy;
    cy.found = true;
    for (int i = 0; i < ds.fieldCount(); ++i) cy.columns << ds.str(i).trimmed();
    auto number = [&cy](int pos) { return cy.column(pos).toInt(); };
    if (f1Pos >= 0) cy.f1 = number(f1Pos);
    cy.forma = number(f1Pos >= 0 ? pos::pto_formy::VREMIA_FORMA : pos::pto_formy_dvig::VREMIA_FORMA);
    cy.count = number(pos::pto_formy::KOL_VO_FORM);
    return cy;
}

FormCycle readCycle(Connection& c, const QString& query, int f1Pos)
{
    auto ds = openQuery(&c, query);
    return ds->eof() ? FormCycle{} : cycleOfRow(*ds, f1Pos);
}

// An index of a form column: -1 when empty.
int indexAt(const Dataset& ds, int pos)
{
    const Field f = ds.field(pos);
    return f.isNull() || f.asString().trimmed().isEmpty() ? -1 : f.asInteger();
}

// The last form, its date and the next form by positions of the cycle row.
FormPair pairAt(const FormCycle& cy, bool anyDone, int lastPos, const QDate& lastDate, int nextPos)
{
    FormPair p;
    if (anyDone) {
        p.last = cy.column(lastPos);
        p.lastDate = lastDate;
    } else {
        p.last = QStringLiteral("-");
        p.lastDash = true;
    }
    p.next = cy.column(nextPos);
    p.nextPos = p.next.isEmpty() ? -1 : nextPos;
    return p;
}

} // namespace

FormCycle readFormCycle(Connection& c, const QString& type)
{
    return readCycle(c, QStringLiteral("Select * From PTO_FORMY Where TIP_VS=") + frames::sqlText(type) + QStringLiteral(";"),
                     pos::pto_formy::VREMIA_F1);
}

FormCycle formCycleOf(const Dataset& ptoFormy)
{
    return cycleOfRow(ptoFormy, pos::pto_formy::VREMIA_F1);
}

FormCycle readEngineFormCycle(Connection& c, const QString& type)
{
    return readCycle(c, QStringLiteral("Select * From PTO_FORMY_DVIG Where TIP_VS=") + frames::sqlText(type) + QStringLiteral(";"),
                     -1);
}

FormPair airframeForms(const FormCycle& cy, const Dataset& r)
{
    if (!cy.found) return {};
    namespace re = pos::reestr;
    const int last = indexAt(r, re::INDEX_FORMY);
    const int lastF1 = indexAt(r, re::INDEX_F1);
    if (cy.halfway()) {
        // The cycle row interleaves the forms: periodic form i at 2i + 6, F1 number j at 2j + 5.
        const bool periodicLast = lastF1 == last;
        const int idx = periodicLast ? last : lastF1;
        if (idx < 0 || idx > cy.count - 1 || cy.column(idx).isEmpty()) return {};
        if (periodicLast) return pairAt(cy, idx >= 1, 2 * idx + 6, r.field(re::DATA_FORMY).asDate(), 2 * idx + 7);
        // F1 number 0 does not exist (its column would be KOL_VO_FORM): nothing performed.
        return pairAt(cy, idx >= 1, 2 * idx + 5, r.field(re::DATA_F1).asDate(), 2 * idx + 6);
    }
    // -1: no form recorded; anything else outside the cycle is not a form of it.
    if (last < -1 || (cy.count > 0 && last > cy.count - 1)) return {};
    FormPair p = pairAt(cy, last >= 1, last + 6, r.field(re::DATA_FORMY).asDate(), last + 7);
    if (last == -1) p.next.clear(), p.nextPos = -1;
    return p;
}

FormPair engineForms(const FormCycle& cy, const Dataset& d)
{
    if (!cy.found) return {};
    namespace dv = pos::dvigatel;
    const int k = indexAt(d, dv::INDEX_FORMY);
    if (k < -1 || (cy.count > 0 && k > cy.count)) return {};
    FormPair p = pairAt(cy, k >= 1, k + 5, d.field(dv::DATA_FORMY).asDate(), k + 6);
    if (k == -1) p.next.clear(), p.nextPos = -1;
    return p;
}

long long remainderMinutes(const QString& text)
{
    if (text.contains(QLatin1Char('+'))) return 0;
    const QString t = text.trimmed();
    const int colon = t.indexOf(QLatin1Char(':'));
    if (colon < 0) return 0;
    return t.left(t.size() - 3).toLongLong() * 60 + t.mid(colon + 1).toInt();
}

namespace {
Remainders remaindersOf(const QString& toForm, const QString& toF1)
{
    Remainders r;
    r.toForm = toForm;
    r.toF1 = toF1;
    r.minutes = std::min(remainderMinutes(toForm), remainderMinutes(toF1));
    r.overdue = toForm.contains(QLatin1Char('+')) || toF1.contains(QLatin1Char('+'));
    return r;
}
} // namespace

Remainders airframeRemainders(Connection& c, const Dataset& r, bool halfway)
{
    namespace re = pos::reestr;
    try {
        const QString to = rarozidi::GetOstatTO(c, r, re::NARABOTKA_PPR, 1, re::INDEX_FORMY);
        const QString f1 = halfway ? rarozidi::GetOstatF1(c, r, re::NARABOTKA_PPR, 1, re::INDEX_F1) : to;
        return remaindersOf(to, f1);
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("ВС %1 %2: наработка после ремонта «%3» не в виде «часы:минуты». "
                                             "Исправьте её в реестре ВС и повторите.")
                                  .arg(r.str(re::TIP_VS).trimmed(), r.str(re::BORTOVOI_NOMER).trimmed(),
                                       r.str(re::NARABOTKA_PPR).trimmed()));
    }
}

Remainders engineRemainders(Connection& c, const Dataset& d)
{
    namespace dv = pos::dvigatel;
    try {
        const QString to = rarozidi::GetOstatTO(c, d, dv::NARABOTKA_PPR, 1, dv::INDEX_FORMY);
        return remaindersOf(to, to);
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("Двигатель %1 № %2: наработка после ремонта «%3» не в виде «часы:минуты». "
                                             "Исправьте её в карточке двигателя и повторите.")
                                  .arg(d.str(dv::NAZVANIE_DVIGATELYA).trimmed(), d.str(dv::ZAVODSKOI_NOMER).trimmed(),
                                       d.str(dv::NARABOTKA_PPR).trimmed()));
    }
}

int daysToForm(long long minutes, double perDay)
{
    if (perDay <= 0) return 0;
    return static_cast<int>(std::trunc(static_cast<double>(minutes) / perDay));
}

QDate expectedDate(const QDate& today, int days, bool flown)
{
    return flown ? today.addDays(days) : today.addMonths(1);
}

QDate planLimit(const QDate& today)
{
    return today.addMonths(-1).addYears(1);
}

// ---------------------------------------------------------------- flying

QString BoardFlying::query(const QString& board, const QDate& from, const QDate& to)
{
    return QStringLiteral("Select * From SPRAVKA Where BORTOVOI_NOMER=") + frames::sqlText(board) +
           QStringLiteral(" And DATA_POLETA  Between ") + frames::sqlDate(from) + QStringLiteral(" And ") +
           frames::sqlDate(to) + QStringLiteral(" Order By ID, DATA_POLETA;");
}

BoardFlying::BoardFlying(Connection& c, const QString& board, const QDate& from, const QDate& to)
{
    namespace sp = pos::spravka;
    read(c, query(board, from, to), sp::DATA_POLETA, sp::V_VOZDUHE, sp::NA_ZEMLE);
}

BoardFlying::BoardFlying(const std::vector<rarozidi::FlightEntry>& flights)
{
    m_entries.reserve(flights.size());
    for (const rarozidi::FlightEntry& f : flights) m_entries.push_back({f.date, f.airborneMinutes, f.groundMinutes});
}

BoardFlying BoardFlying::after(Connection& c, const QString& board, const QDate& date)
{
    BoardFlying f;
    f.read(c,
           QStringLiteral("SELECT DATA_POLETA, ID, Bortovoi_nomer, V_vozduhe, Kol_vo_posadok, Na_zemle, Na_zemle_2, "
                          "Na_zemle_3 From Spravka Where (((Bortovoi_nomer) = ") +
               frames::sqlText(board) + QStringLiteral(") AND ((Data_poleta) > ") + frames::sqlDate(date) +
               QStringLiteral("))  ORDER BY DATA_POLETA, ID;"),
           0, 3, 5);
    return f;
}

void BoardFlying::read(Connection& c, const QString& query, int datePos, int airPos, int groundPos)
{
    auto ds = openQuery(&c, query);
    for (; !ds->eof(); ds->next()) {
        // Times of day: whole minutes, seconds dropped.
        const QTime air = ds->field(airPos).asTime();
        const QTime ground = ds->field(groundPos).asTime();
        Entry e;
        e.date = ds->field(datePos).asDate();
        if (air.isValid()) e.airborne = rarozidi::minutesOfTimeOfDay(air.hour(), air.minute());
        if (ground.isValid()) e.ground = rarozidi::minutesOfTimeOfDay(ground.hour(), ground.minute());
        m_entries.push_back(e);
    }
}

long long BoardFlying::minutesAfter(const QDate& date, const rarozidi::GroundRule& rule) const
{
    long long sum = 0;
    for (const Entry& e : m_entries)
        if (e.date > date) sum += rarozidi::countedFlightMinutes(e.airborne, e.ground, rule);
    return sum;
}

long long BoardFlying::minutes(const QDate& from, const QDate& to, const rarozidi::GroundRule& rule, bool* any) const
{
    long long sum = 0;
    bool found = false;
    for (const Entry& e : m_entries) {
        if (e.date < from || e.date > to) continue;
        found = true;
        sum += rarozidi::countedFlightMinutes(e.airborne, e.ground, rule);
    }
    if (any) *any = found;
    return sum;
}

FleetFlying::FleetFlying(Connection& c, bool sets) : m_c(c)
{
    if (sets) m_cache.emplace();
}

void FleetFlying::readFrom(const QStringList& boards, const QDate& from)
{
    if (m_cache) rarozidi::FlightCache::readBoards(m_c, boards, from);
}

void FleetFlying::readSince(const std::vector<std::pair<QString, QDate>>& since)
{
    if (m_cache) rarozidi::FlightCache::readBoardsSince(m_c, since);
}

BoardFlying FleetFlying::between(const QString& board, const QDate& from, const QDate& to) const
{
    if (!m_cache) return BoardFlying(m_c, board, from, to);
    return BoardFlying(rarozidi::readFlights(m_c, board, from, to));
}

BoardFlying FleetFlying::after(const QString& board, const QDate& date) const
{
    if (!m_cache) return BoardFlying::after(m_c, board, date);
    // Flight dates are whole days: after the date is from the next day on.
    return BoardFlying(rarozidi::readFlights(m_c, board, date.addDays(1), QDate()));
}

namespace {
double share(const Field& f)
{
    return f.isNull() || f.asString().trimmed().isEmpty() ? 0.0 : f.asFloat();
}
} // namespace

TypeGroundRules readLastMonthRules(Connection& c, const QString& type)
{
    TypeGroundRules r;
    auto ds = openQuery(&c, QStringLiteral("Select UCHITYVAT_ZEMLU, ZEMLIA_DVIGATEL, KOL_VO_ZEMLIA_PLANER, "
                                           "KOL_VO_ZEMLIA_DVIGATEL From TIPOVYE_DANNYE_VS Where TIP_VS=") +
                                frames::sqlText(type) + QStringLiteral(" Order By ID;"));
    if (ds->eof()) return r;
    r.planer = {ds->str(0).trimmed() == QLatin1String("1"), share(ds->field(2))};
    r.engine = {ds->str(1).trimmed() == QLatin1String("1"), share(ds->field(3))};
    return r;
}

rarozidi::GroundRule readAirframeRule(Connection& c, const QString& type)
{
    auto ds = openQuery(&c, QStringLiteral("Select UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER From TIPOVYE_DANNYE_VS Where TIP_VS=") +
                                frames::sqlText(type) + QStringLiteral(" Order By ID;"));
    if (ds->eof()) return {};
    return {ds->str(0).trimmed() == QLatin1String("1"), share(ds->field(1))};
}

DailyAverage lastMonthAverage(const BoardFlying& f, const QDate& today, const rarozidi::GroundRule& rule)
{
    return windowAverage(f, today.addDays(-30), 30, rule);
}

DailyAverage windowAverage(const BoardFlying& f, const QDate& first, int days, const rarozidi::GroundRule& rule)
{
    DailyAverage a;
    const long long m = f.minutes(first, first.addDays(days), rule, &a.flown);
    a.perDay = days > 0 ? static_cast<double>(m) / days : 0.0;
    return a;
}

} // namespace plan::sheets
