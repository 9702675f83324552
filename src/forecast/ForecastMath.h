#pragma once
// The arithmetic every forecast of replacement rests on: the daily flying
// rate of the planned basis, the monthly flying shown in a title, the choice
// of the limit a component is forecast against, and the forecast date text.
// (Ground running is counted by rarozidi::countedGroundMinutes.)
// Pure functions: no database, no settings, "today" passed in.
#include <QDate>
#include <QString>

namespace plan::forecast {

// Daily rate of the planned basis: hours per month x 60 / 30.
double plannedDailyRate(int hoursPerMonth);

// Monthly flying of a daily rate: Trunc(rate x 30) minutes as "H:MM"
// (8.5 -> "4:15", 40 -> "20:00"). The product is a whole number of minutes
// whenever the rate is a 30-day total / 30; a tiny tolerance keeps such
// products from losing a minute to binary rounding.
QString monthlyFlyingText(double dailyRate);

// The limit position of a component: the first-overhaul limit when the
// component was never repaired and that limit is set, the overhaul limit
// otherwise.
int chooseLimitPosition(int repairCount, bool firstLimitSet, int firstLimitPos, int overhaulLimitPos);

// True when the remaining hours ("H:MM") are at most `resursHours` whole
// hours: the whole-hours part (text before its last three characters) less
// RESURS is not above 0.
bool remainingIsShort(const QString& remaining, int resursHours);

// Remaining hours as shown: wrapped in <i>...</i> when short; "" stays "".
QString remainingText(const QString& remaining, int resursHours);

// The forecast date text of a component:
// - rate <= 0: the no-date mark;
// - days = Trunc(remainingMinutes / rate); date = today + days;
// - a date that cannot be formed (outside years 1..9999): the no-date mark;
// - "<i>dd.mm.yy</i>" when date less `calendarMonths` months is on or before
//   today, else "dd.mm.yy".
QString forecastDateText(const QDate& today, long long remainingMinutes, double rate, int calendarMonths,
                         const QString& noDateMark);

// The marks of a row without a forecast date.
inline QString noDateMark() { return QStringLiteral("<b>===</b>"); }
inline QString noDateMarkZcu() { return QStringLiteral("<b>=:=</b>"); }

} // namespace plan::forecast
