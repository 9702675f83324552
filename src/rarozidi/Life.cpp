#include "rarozidi/Life.h"

#include "rarozidi/RunningTime.h"
#include "platform/DbError.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace rarozidi {

QString bookYear(int n)
{
    const QString t = QString::number(n);
    if (t == QLatin1String("11") || t == QLatin1String("12") || t == QLatin1String("13") || t == QLatin1String("14"))
        return QStringLiteral("л. ");
    const QChar last = t.back();
    if (last >= QLatin1Char('1') && last <= QLatin1Char('4')) return QStringLiteral("г. ");
    return QStringLiteral("л. ");
}

QString groundKindSuffix(GroundKind k)
{
    switch (k) {
    case GroundKind::Planer: return QStringLiteral("PLANER");
    case GroundKind::Dvigatel: return QStringLiteral("DVIGATEL");
    case GroundKind::Reductor: return QStringLiteral("REDUCTOR");
    case GroundKind::Lopasty: return QStringLiteral("LOPASTY");
    case GroundKind::Agregaty: return QStringLiteral("AGREGATY");
    case GroundKind::Shlang: return QStringLiteral("SHLANG");
    case GroundKind::Zcu: return QStringLiteral("ZCU");
    case GroundKind::AgrDvig: return QStringLiteral("AGR_DVIG");
    case GroundKind::VozdushnyVint: return QStringLiteral("VOZDUSHNY_VINT");
    }
    return {};
}

int countedGroundMinutes(int groundMinutes, double share)
{
    // The small allowance keeps products such as 5 * 0.3 (1.4999999...) on
    // the half they are meant to be.
    return static_cast<int>(std::floor(groundMinutes * share + 0.5 + 1e-9));
}

int countedFlightMinutes(int airborneMinutes, int groundMinutes, const GroundRule& rule)
{
    return airborneMinutes + (rule.counts ? countedGroundMinutes(groundMinutes, rule.share) : 0);
}

int calendarMonths(const QString& yearsPointMonths, const QString& what)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+)(?:[.,](\\d{1,2}))?$"));
    const QString t = yearsPointMonths.trimmed();
    const auto m = re.match(t);
    if (!m.hasMatch())
        throw plan::ConversionError(
            QStringLiteral("\"%1\" is not a valid calendar value years.months (%2)").arg(yearsPointMonths, what));
    const int years = m.captured(1).toInt();
    const int months = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    if (months >= 12)
        throw plan::ConversionError(
            QStringLiteral("\"%1\" is not a valid calendar value years.months (%2)").arg(yearsPointMonths, what));
    return years * 12 + months;
}

int monthsBetween(const QDate& from, const QDate& to)
{
    return (to.year() * 12 + to.month()) - (from.year() * 12 + from.month());
}

QString yearsMonthsText(int months)
{
    if (months < 1) return QStringLiteral("0");
    return QString::number(months / 12) + bookYear(months) + QString::number(months % 12) + QStringLiteral("м.");
}

QString remainingCalendarText(int limitMonths, const QDate& stored, const QDate& asOf)
{
    return yearsMonthsText(limitMonths - monthsBetween(stored, asOf));
}

namespace {
// The multiple of the form interval (counted from the overhaul) at which the
// last form stands. `dueAfter` is how far past that multiple the next form
// of the kind falls (the whole interval for a periodic form, the F1 interval
// for an F1). Without a cycle (count <= 0) or with an index outside it the
// index counts forms since the overhaul. In a cycle of `count` forms the
// index is the form's place in the cycle (the form at multiple m has index
// m mod count), so the running time tells which round of the cycle it is:
// the multiple on schedule is the one whose next form is still ahead; an
// index one ahead of it is a form done early, any other lags behind (the
// next form is overdue).
long long lastFormMultiple(long long usedMinutes, long long intervalMinutes, long long dueAfterMinutes, int index,
                           int count)
{
    const long long k = std::max(index, 0);
    if (count <= 0 || index < 0 || index >= count || intervalMinutes <= 0) return k;
    const long long past = usedMinutes - dueAfterMinutes + intervalMinutes; // minutes past the multiple "on schedule"
    const long long onSchedule = past < 0 ? 0 : past / intervalMinutes;
    const long long lag = ((onSchedule - k) % count + count) % count;
    long long m = onSchedule - lag;
    if (count > 2 && lag == count - 1) m = onSchedule + 1;
    return std::max(m, 0LL);
}
} // namespace

long long minutesToNextForm(long long usedMinutes, int formIntervalHours, int lastIndex, int step, int formsInCycle)
{
    const long long interval = formIntervalHours * 60LL;
    const long long m = lastFormMultiple(usedMinutes, interval, interval, lastIndex, formsInCycle);
    return (m + step) * interval - usedMinutes;
}

long long minutesToNextF1(long long usedMinutes, int formIntervalHours, int f1IntervalHours, int lastF1Index, int step,
                          int formsInCycle)
{
    const long long interval = formIntervalHours * 60LL, f1 = f1IntervalHours * 60LL;
    const long long m = lastFormMultiple(usedMinutes, interval, f1, lastF1Index, formsInCycle);
    return m * interval + step * f1 - usedMinutes;
}

QString formRemainderText(long long minutes)
{
    if (minutes < 0) return QStringLiteral("+") + formatRunningTime(-minutes);
    return formatRunningTime(minutes);
}

QDate plannedRemovalDate(const QDate& manufactured, const QDate& lastRepair, int repairs, int assignedMonths,
                         int overhaulMonths)
{
    QDate best;
    auto consider = [&best](const QDate& base, int months) {
        if (!base.isValid() || months <= 0) return;
        const QDate d = base.addMonths(months);
        if (!best.isValid() || d < best) best = d;
    };
    consider(manufactured, assignedMonths);
    consider(repairs > 0 ? lastRepair : manufactured, overhaulMonths);
    return best;
}

} // namespace rarozidi
