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

long long minutesToNextForm(long long usedMinutes, int formIntervalHours, int lastIndex, int step)
{
    const long long k = std::max(lastIndex, 0);
    return (k + step) * formIntervalHours * 60LL - usedMinutes;
}

long long minutesToNextF1(long long usedMinutes, int formIntervalHours, int f1IntervalHours, int lastF1Index, int step)
{
    const long long k = std::max(lastF1Index, 0);
    return k * formIntervalHours * 60LL + static_cast<long long>(step) * f1IntervalHours * 60LL - usedMinutes;
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
