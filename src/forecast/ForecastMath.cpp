#include "forecast/ForecastMath.h"

#include "rarozidi/RunningTime.h"

#include <cmath>

namespace plan::forecast {

double plannedDailyRate(int hoursPerMonth) { return hoursPerMonth * 60.0 / 30.0; }

QString monthlyFlyingText(double dailyRate)
{
    const double product = dailyRate * 30.0;
    const long long m = static_cast<long long>(std::trunc(product + (product >= 0 ? 1e-7 : -1e-7)));
    const long long a = m < 0 ? -m : m;
    const QString text = QString::number(a / 60) + QLatin1Char(':') +
                         QStringLiteral("%1").arg(a % 60, 2, 10, QLatin1Char('0'));
    return m < 0 ? QLatin1Char('-') + text : text;
}

int chooseLimitPosition(int repairCount, bool firstLimitSet, int firstLimitPos, int overhaulLimitPos)
{
    return (repairCount == 0 && firstLimitSet) ? firstLimitPos : overhaulLimitPos;
}

bool remainingIsShort(const QString& remaining, int resursHours)
{
    bool ok = false;
    const int whole = rarozidi::wholeHoursText(remaining).toInt(&ok);
    return ok && whole - resursHours <= 0;
}

QString remainingText(const QString& remaining, int resursHours)
{
    if (remaining.isEmpty()) return remaining;
    return remainingIsShort(remaining, resursHours) ? QStringLiteral("<i>") + remaining + QStringLiteral("</i>")
                                                    : remaining;
}

QString forecastDateText(const QDate& today, long long remainingMinutes, double rate, int calendarMonths,
                         const QString& noDate)
{
    if (!(rate > 0)) return noDate;
    const double q = static_cast<double>(remainingMinutes) / rate;
    // Beyond some 10,000 years either way no calendar date can be formed.
    if (!std::isfinite(q) || std::fabs(q) > 4.0e6) return noDate;
    const QDate date = today.addDays(static_cast<qint64>(std::trunc(q)));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) return noDate;
    const QString text = date.toString(QStringLiteral("dd.MM.yy"));
    if (date.addMonths(-calendarMonths) <= today) return QStringLiteral("<i>") + text + QStringLiteral("</i>");
    return text;
}

} // namespace plan::forecast
