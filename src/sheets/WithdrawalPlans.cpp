#include "sheets/WithdrawalPlans.h"

#include "data/Positions.h"
#include "frames/BoardSets.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "sheets/FormReckoning.h"

#include <QHash>
#include <QLocale>
#include <cmath>
#include <memory>

namespace plan::sheets {

namespace {

const QString kUndefinedForm = QStringLiteral("Форма не определена ");

QString dateText(const QDate& d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

// What every plan reads once per report: the operator's heading and, per
// type, its cycle of forms and ground rules.
class PlanContext {
public:
    PlanContext(Connection& c, const OtvodOperator& op) : m_c(c), m_op(op)
    {
        const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(&c, op.code);
        m_post = h.at(pos::obshie::DOLGNOST_PDO);
        m_name = h.at(pos::obshie::NACH_PDO);
    }

    StagingRow head(const QString& type, const QString& board) const
    {
        StagingRow r;
        r.set(Otvod::Type, type).set(Otvod::Board, board).set(Otvod::OperatorName, m_op.name);
        r.set(Otvod::PreparerPost, m_post).set(Otvod::PreparerName, m_name);
        return r;
    }

    const FormCycle& cycle(const QString& type)
    {
        auto it = m_cycles.find(type);
        if (it == m_cycles.end()) it = m_cycles.insert(type, readFormCycle(m_c, type));
        return *it;
    }

    Connection& c() { return m_c; }

private:
    Connection& m_c;
    OtvodOperator m_op;
    QString m_post, m_name;
    QHash<QString, FormCycle> m_cycles;
};

// The aircraft's REESTR row with its forms and remainders.
struct AircraftForms {
    std::unique_ptr<Dataset> reestr;
    FormPair forms;
    Remainders rem;
    QString type, board; // as the register row holds them
};

// Each aircraft's register row (from the register read whole for a large
// selection) with its forms and remainders.
AircraftForms reckonAircraft(PlanContext& ctx, frames::BoardSets& sets, const frames::AircraftRef& a,
                             const FormCycle& cycle)
{
    AircraftForms f;
    f.reestr = std::make_unique<Dataset>(&ctx.c());
    sets.openSorted(*f.reestr,
                    QStringLiteral("Select * From REESTR Where TIP_VS=") + frames::sqlText(a.type) +
                        QStringLiteral(" And BORTOVOI_NOMER=") + frames::sqlText(a.board) +
                        QStringLiteral(" Order By TIP_VS, BORTOVOI_NOMER, ID;"),
                    QStringLiteral("From REESTR"), QStringLiteral("TIP_VS, BORTOVOI_NOMER, ID"),
                    {{QStringLiteral("BORTOVOI_NOMER"), a.board}, {QStringLiteral("TIP_VS"), a.type}});
    if (f.reestr->eof())
        throw DbError(QStringLiteral("ВС %1 %2 нет в реестре ВС: обновите список ВС (откройте справку заново) и повторите.")
                          .arg(a.type, a.board));
    f.type = f.reestr->str(pos::reestr::TIP_VS).trimmed();
    f.board = f.reestr->str(pos::reestr::BORTOVOI_NOMER).trimmed();
    f.forms = airframeForms(cycle, *f.reestr);
    f.rem = airframeRemainders(ctx.c(), *f.reestr, cycle.halfway());
    return f;
}

// The boards of the ticked aircraft.
QStringList boardsOf(const std::vector<frames::AircraftRef>& aircraft)
{
    QStringList boards;
    for (const frames::AircraftRef& a : aircraft) boards << a.board;
    return boards;
}

QString lastFormDateText(const FormPair& p)
{
    if (p.lastDash) return QStringLiteral("-");
    return p.lastDate.isValid() ? dateText(p.lastDate) : QString();
}

QString lastFormTagged(const FormPair& p)
{
    if (p.lastDash) return QStringLiteral("-");
    if (p.last.isEmpty()) return QString();
    return taggedForm(p.last, p.lastDate);
}

// The name of the form a step of a plan reaches: the next column of the
// cycle row while its number does not pass N + 4.
QString steppedForm(const FormCycle& cy, int column)
{
    if (column < 0 || column > cy.count + 4) return kUndefinedForm;
    return cy.column(column);
}

// The list of forms to come of an annual plan or forecast: the next form at
// `first`, then one more form per step while `step` gives a date.
QString formsToCome(const FormCycle& cy, const FormPair& forms, const QDate& first,
                    const std::function<QDate(const QDate&)>& step)
{
    QString text = taggedForm(forms.next, first) + QLatin1Char('\r');
    if (cy.f1 <= 0) return text; // no interval to step by
    int column = forms.nextPos;
    QDate d = first;
    for (;;) {
        const QDate next = step(d);
        if (!next.isValid() || next <= d) break; // the plan does not move on
        if (column >= 0) ++column;
        text += taggedForm(steppedForm(cy, column), next) + QLatin1Char('\r');
        d = next;
    }
    return text;
}

// Forms to come as column 7 of REPORT_PLAN_OTVOD_TO_GOD holds them (VARCHAR(4000)):
// a longer plan is not cut short silently.
constexpr int kFormsToComeWidth = 4000;

QString checkedFormsToCome(const QString& text, const QString& type, const QString& board)
{
    if (text.size() <= kFormsToComeWidth) return text;
    throw DbError(QStringLiteral("ВС %1 %2: план на год содержит %3 знаков форм ТО, а графа «Формы ТО и ожидаемые даты "
                                 "отвода» вмещает %4 — ВС летает так много, что формы идут через считанные дни. "
                                 "Проверьте налет ВС в справке о полетах и интервал формы Ф1 (VREMIA_F1) типа.")
                      .arg(type, board)
                      .arg(text.size())
                      .arg(kFormsToComeWidth));
}

} // namespace

QString taggedForm(const QString& name, const QDate& date)
{
    return name + QStringLiteral(" <b><i>") + date.toString(QStringLiteral("dd.MM.yy")) + QStringLiteral("</b></i>");
}

// ---------------------------------------------------------------- the plan of the next form

PlanOtvod buildPlanOtvod(Connection& c, const PlanOtvodOptions& o, const QDate& today, const Progress& progress)
{
    PlanOtvod plan;
    const QueryMemo memo(&c, kFormTables);
    PlanContext ctx(c, o.op);
    frames::BoardSets sets(&c, frames::BoardSets::wanted(o.aircraft.size()));
    FleetFlying fleet(c, sets.sets());
    fleet.readFrom(boardsOf(o.aircraft), today.addDays(-30));
    QHash<QString, TypeGroundRules> rules;
    QHash<QString, bool> separateEngineForms;
    QHash<QString, FormCycle> engineCycles;
    for (const frames::AircraftRef& a : o.aircraft) {
        const FormCycle& cycle = ctx.cycle(a.type);
        AircraftForms f = reckonAircraft(ctx, sets, a, cycle);
        if (!rules.contains(f.type)) rules.insert(f.type, readLastMonthRules(c, f.type));
        const TypeGroundRules& rule = rules[f.type];
        const BoardFlying flying = fleet.between(f.board, today.addDays(-30), today);

        auto write = [&](StagingRow r, const FormPair& forms, const Remainders& rem, const rarozidi::GroundRule& g,
                         const QString& item) {
            const DailyAverage avg = lastMonthAverage(flying, today, g);
            const QDate date = expectedDate(today, daysToForm(rem.minutes, avg.perDay), avg.flown);
            r.set(Otvod::LastForm, forms.last).set(Otvod::NextForm, forms.next).set(Otvod::ExpectedDate, dateText(date));
            r.set(Otvod::LastFormDate, lastFormDateText(forms)).set(Otvod::Item, item);
            r.set(Otvod::Overdue, rem.overdue ? QStringLiteral("1") : QStringLiteral("0"));
            plan.rows.push_back(r);
        };
        write(ctx.head(a.type, a.board), f.forms, f.rem, rule.planer, QStringLiteral("Планер"));

        // Engines whose forms are kept apart from the airframe's.
        if (!separateEngineForms.contains(a.type)) {
            auto sep = openQuery(&c, QStringLiteral("Select PTO_DVIG_SEPAR From TIPOVYE_DANNYE_VS Where Upper(TIP_VS) Like Upper(") +
                                         frames::sqlText(a.type) + QStringLiteral(") Order By ID;"));
            separateEngineForms.insert(a.type, !sep->eof() && sep->str(0).trimmed() == QLatin1String("1"));
        }
        if (separateEngineForms.value(a.type)) {
            auto engines = std::make_unique<Dataset>(&c);
            sets.openSorted(*engines,
                            QStringLiteral("Select * From DVIGATEL Where TIP_VS=") + frames::sqlText(a.type) +
                                QStringLiteral(" And GDE_STOIT=") + frames::sqlText(a.board) + QStringLiteral(" Order By ID;"),
                            QStringLiteral("From DVIGATEL"), QStringLiteral("ID"),
                            {{QStringLiteral("GDE_STOIT"), a.board}, {QStringLiteral("TIP_VS"), a.type}});
            for (; !engines->eof(); engines->next()) {
                if (engines->str(pos::dvigatel::SVOI_FORMY).trimmed() != QLatin1String("1")) continue;
                if (!engineCycles.contains(a.type)) engineCycles.insert(a.type, readEngineFormCycle(c, a.type));
                const FormPair forms = engineForms(engineCycles[a.type], *engines);
                const Remainders rem = engineRemainders(c, *engines);
                write(ctx.head(a.type, a.board), forms, rem, rule.engine,
                      engines->str(pos::dvigatel::NAZVANIE_DVIGATELYA).trimmed() + QStringLiteral(" №") +
                          engines->str(pos::dvigatel::ZAVODSKOI_NOMER).trimmed());
                plan.engineRows = true;
            }
        }
        if (progress) progress();
    }
    return plan;
}

// ---------------------------------------------------------------- the annual plan

std::vector<StagingRow> buildAnnualPlan(Connection& c, const AnnualPlanOptions& o, const QDate& today,
                                        const Progress& progress)
{
    std::vector<StagingRow> rows;
    const QueryMemo memo(&c, kFormTables);
    PlanContext ctx(c, o.op);
    frames::BoardSets sets(&c, frames::BoardSets::wanted(o.aircraft.size()));
    FleetFlying fleet(c, sets.sets());
    // Every window the plan averages lies in a year before today .. n days after it.
    fleet.readFrom(boardsOf(o.aircraft), today.addYears(-1));
    QHash<QString, rarozidi::GroundRule> rules;
    const int n = o.days;
    const QDate limit = planLimit(today);
    for (const frames::AircraftRef& a : o.aircraft) {
        const FormCycle& cycle = ctx.cycle(a.type);
        const AircraftForms f = reckonAircraft(ctx, sets, a, cycle);
        if (!rules.contains(f.type)) rules.insert(f.type, readAirframeRule(c, f.type));
        const rarozidi::GroundRule rule = rules.value(f.type);
        const BoardFlying flying = fleet.between(f.board, today.addYears(-1), today.addDays(n));

        const DailyAverage avg = windowAverage(flying, today.addDays(-n), n, rule);
        const QDate first = expectedDate(today, daysToForm(f.rem.minutes, avg.perDay), avg.flown);
        const long long interval = cycle.f1 * 60LL;
        const QString toCome = formsToCome(cycle, f.forms, first, [&](const QDate& d) {
            if (d >= limit) return QDate();
            const DailyAverage a = windowAverage(flying, d.addYears(-1), n, rule);
            return a.flown ? d.addDays(daysToForm(interval, a.perDay)) : d.addMonths(1);
        });
        StagingRow r = ctx.head(a.type, a.board);
        r.set(Otvod::LastForm, lastFormTagged(f.forms)).set(Otvod::NextForm, checkedFormsToCome(toCome, a.type, a.board));
        r.set(Otvod::Overdue, f.rem.overdue ? QStringLiteral("1") : QStringLiteral("0"));
        rows.push_back(r);
        if (progress) progress();
    }
    return rows;
}

// ---------------------------------------------------------------- the forecasts by planned flying

namespace {
QString monthName(const QDate& d)
{
    QString m = QLocale(QLocale::Russian).standaloneMonthName(d.month(), QLocale::LongFormat);
    if (!m.isEmpty()) m[0] = m[0].toUpper();
    return m + QLatin1Char(' ') + QString::number(d.year());
}

struct PeriodSpan {
    QDate first, last;
    QString caption;
};

std::vector<PeriodSpan> periodSpans(PlanGrain grain, const QDate& today)
{
    std::vector<PeriodSpan> spans;
    const QDate month1(today.year(), today.month(), 1);
    if (grain == PlanGrain::Month) {
        for (int i = 0; i < 12; ++i) {
            const QDate m = month1.addMonths(i);
            spans.push_back({m, m.addDays(m.daysInMonth() - 1), monthName(m) + QStringLiteral(" г.")});
        }
        return spans;
    }
    for (int i = 0; i < 3; ++i) {
        const QDate m = month1.addMonths(i);
        for (int w = 0; w < 4; ++w) {
            const QDate first = m.addDays(7 * w);
            const QDate last = w < 3 ? first.addDays(6) : m.addDays(m.daysInMonth() - 1);
            spans.push_back({first, last, monthName(m) + QStringLiteral(" неделя ") + QString::number(w + 1)});
        }
    }
    return spans;
}
} // namespace

QStringList periodCaptions(PlanGrain grain, const QDate& today)
{
    QStringList out;
    for (const PeriodSpan& s : periodSpans(grain, today)) out << s.caption;
    return out;
}

std::vector<PlanPeriod> plannedPeriods(PlanGrain grain, const QDate& today, const QStringList& hours)
{
    std::vector<PlanPeriod> periods;
    const std::vector<PeriodSpan> spans = periodSpans(grain, today);
    for (size_t i = 0; i < spans.size(); ++i) {
        const QString text = i < static_cast<size_t>(hours.size()) ? hours[static_cast<int>(i)] : QString();
        QString t = text.trimmed();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double h = t.toDouble(&ok);
        if (!ok || h < 0)
            throw ConversionError(QStringLiteral("Планируемый налет на «%1» (поле txt%2): «%3» — не число часов. "
                                                 "Введите число часов (например 30 или 12,5) и повторите.")
                                      .arg(spans[i].caption)
                                      .arg(i + 1)
                                      .arg(text));
        const int days = static_cast<int>(spans[i].first.daysTo(spans[i].last)) + 1;
        periods.push_back({spans[i].first, spans[i].last, std::round(h / days * 60.0 * 1000.0) / 1000.0});
    }
    return periods;
}

QDate FunNextDate(const std::vector<PlanPeriod>& periods, PlanGrain grain, const QDate& today, const QDate& start,
                  long long minutes)
{
    const QDate notReached = grain == PlanGrain::Month ? planLimit(today) : start.addDays(start.daysInMonth() - 21);
    size_t p = 0;
    while (p < periods.size() && !(periods[p].first <= start && start <= periods[p].last)) ++p;
    double total = 0;
    for (QDate d = start; p < periods.size(); ++p) {
        for (; d <= periods[p].last; d = d.addDays(1)) {
            if (static_cast<long long>(std::floor(total)) >= minutes) return d;
            total += periods[p].perDay;
        }
    }
    return notReached;
}

std::vector<StagingRow> buildForecastPlan(Connection& c, const ForecastPlanOptions& o, const QDate& today)
{
    const std::vector<PlanPeriod> periods = plannedPeriods(o.grain, today, o.hours);
    PlanContext ctx(c, o.op);
    const FormCycle& cycle = ctx.cycle(o.aircraft.type);
    frames::BoardSets own(&c, false); // one aircraft: its own queries
    const AircraftForms f = reckonAircraft(ctx, own, o.aircraft, cycle);
    const QDate limit = planLimit(today);
    const long long interval = cycle.f1 * 60LL;
    const QDate first = FunNextDate(periods, o.grain, today, today, f.rem.minutes);
    const QString toCome = formsToCome(cycle, f.forms, first, [&](const QDate& d) {
        const QDate next = FunNextDate(periods, o.grain, today, d, interval);
        return next >= limit ? QDate() : next;
    });
    StagingRow r = ctx.head(o.aircraft.type, o.aircraft.board);
    r.set(Otvod::LastForm, lastFormTagged(f.forms))
        .set(Otvod::NextForm, checkedFormsToCome(toCome, o.aircraft.type, o.aircraft.board));
    r.set(Otvod::Overdue, f.rem.overdue ? QStringLiteral("1") : QStringLiteral("0"));
    return {r};
}

} // namespace plan::sheets
