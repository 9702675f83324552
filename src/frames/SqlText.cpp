#include "frames/SqlText.h"

#include "platform/SqlQuote.h"

namespace plan::frames {

QString sqlEscape(const QString& value) { return sqlQuotesDoubled(value); }

QString sqlText(const QString& value) { return QLatin1Char('\'') + sqlEscape(value) + QLatin1Char('\''); }

QString sqlDate(const QDate& date)
{
    return QStringLiteral("'%1,%2,%3'").arg(date.month()).arg(date.day()).arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString orCondition(const QString& column, const QStringList& values, const QString& fallback)
{
    if (values.isEmpty()) return column + QLatin1Char('=') + sqlText(fallback);
    QStringList parts;
    parts.reserve(values.size());
    for (const QString& v : values) parts << column + QLatin1Char('=') + sqlText(v);
    return parts.join(QStringLiteral(" Or "));
}

QString idCondition(const QString& column, const QStringList& ids)
{
    if (ids.isEmpty()) return column + QStringLiteral("=0");
    QStringList parts;
    parts.reserve(ids.size());
    for (const QString& id : ids) {
        bool number = false;
        id.trimmed().toLongLong(&number);
        parts << column + QLatin1Char('=') + (number ? id.trimmed() : sqlText(id));
    }
    return QLatin1Char('(') + parts.join(QStringLiteral(" Or ")) + QLatin1Char(')');
}

} // namespace plan::frames
