#pragma once
// The one clock of the system. Every "today" and "now" is read here, so that
// tests and scripted runs (`--today`, `--now`, PLAN_TODAY, PLAN_NOW) are
// reproducible.
#include <QDate>
#include <QDateTime>

namespace plan {

class Clock {
public:
    static QDate today();
    static QDateTime now();
    // Fixes the date; "now" becomes that date at the current time of day
    // unless a full moment is set as well.
    static void setToday(const QDate& d);
    static void setNow(const QDateTime& t);
    static void reset();
    // Reads PLAN_TODAY (YYYY-MM-DD) and PLAN_NOW (YYYY-MM-DDTHH:MM:SSZ).
    // Returns an error text naming the bad value, empty when all is well.
    static QString initFromEnvironment();
    // Parses the command-line forms; false when the text is not a date/moment.
    static bool parseToday(const QString& text, QDate* out);
    static bool parseNow(const QString& text, QDateTime* out);
};

} // namespace plan
