#include "platform/Clock.h"

namespace plan {
namespace {
QDate g_today;
QDateTime g_now;
} // namespace

QDate Clock::today()
{
    if (g_now.isValid()) return g_now.toLocalTime().date();
    if (g_today.isValid()) return g_today;
    return QDate::currentDate();
}

QDateTime Clock::now()
{
    if (g_now.isValid()) return g_now;
    QDateTime t = QDateTime::currentDateTime();
    if (g_today.isValid()) t.setDate(g_today);
    return t;
}

void Clock::setToday(const QDate& d) { g_today = d; g_now = QDateTime(); }
void Clock::setNow(const QDateTime& t) { g_now = t; g_today = QDate(); }
void Clock::reset() { g_today = QDate(); g_now = QDateTime(); }

bool Clock::parseToday(const QString& text, QDate* out)
{
    QDate d = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) return false;
    *out = d;
    return true;
}

bool Clock::parseNow(const QString& text, QDateTime* out)
{
    QDateTime t = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    if (!t.isValid()) return false;
    *out = t;
    return true;
}

QString Clock::initFromEnvironment()
{
    const QByteArray today = qgetenv("PLAN_TODAY");
    if (!today.isEmpty()) {
        QDate d;
        if (!parseToday(QString::fromUtf8(today), &d))
            return QStringLiteral("PLAN_TODAY=«%1» — не дата вида ГГГГ-ММ-ДД (например 2026-12-05)").arg(QString::fromUtf8(today));
        setToday(d);
    }
    const QByteArray now = qgetenv("PLAN_NOW");
    if (!now.isEmpty()) {
        QDateTime t;
        if (!parseNow(QString::fromUtf8(now), &t))
            return QStringLiteral("PLAN_NOW=«%1» — не момент вида ГГГГ-ММ-ДДTЧЧ:ММ:ССZ (например 2026-12-05T09:30:00Z)").arg(QString::fromUtf8(now));
        setNow(t);
    }
    return {};
}

} // namespace plan
