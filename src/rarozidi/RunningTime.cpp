#include "rarozidi/RunningTime.h"

#include "platform/DbError.h"

#include <QRegularExpression>
#include <cstdlib>

namespace rarozidi {

namespace {
[[noreturn]] void malformed(const QString& text, const QString& what)
{
    throw plan::ConversionError(
        QStringLiteral("\"%1\" is not a valid running time H:MM (%2)").arg(text, what));
}
} // namespace

int parseRunningTime(const QString& text, const QString& what)
{
    static const QRegularExpression hm(QStringLiteral("^(-?)(\\d+):(\\d\\d)$"));
    static const QRegularExpression whole(QStringLiteral("^(-?)(\\d+)$"));
    const QString t = text.trimmed();
    bool ok = false;
    if (const auto m = hm.match(t); m.hasMatch()) {
        const long long h = m.captured(2).toLongLong(&ok);
        const int mm = m.captured(3).toInt();
        if (!ok || mm >= 60 || h > 10000000) malformed(text, what);
        const long long total = h * 60 + mm;
        return static_cast<int>(m.captured(1).isEmpty() ? total : -total);
    }
    if (const auto m = whole.match(t); m.hasMatch()) {
        const long long h = m.captured(2).toLongLong(&ok);
        if (!ok || h > 10000000) malformed(text, what);
        return static_cast<int>(m.captured(1).isEmpty() ? h * 60 : -h * 60);
    }
    malformed(text, what);
}

int parseRunningTimeOrZero(const QString& text, const QString& what)
{
    if (text.trimmed().isEmpty()) return 0;
    return parseRunningTime(text, what);
}

QString formatRunningTime(long long minutes)
{
    const long long a = std::llabs(minutes);
    return QStringLiteral("%1%2:%3")
        .arg(minutes < 0 ? QStringLiteral("-") : QString())
        .arg(a / 60)
        .arg(a % 60, 2, 10, QLatin1Char('0'));
}

QString wholeHoursText(const QString& runningTime)
{
    if (runningTime.size() <= 3) return QStringLiteral("0");
    return runningTime.left(runningTime.size() - 3);
}

int minutesOfTimeOfDay(int hours, int minutes) { return hours * 60 + minutes; }

} // namespace rarozidi
