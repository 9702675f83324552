#include "data/FleetRules.h"

#include <QRegularExpression>

namespace plan::data {
namespace {
bool blank(const QVariant& v) { return v.isNull() || v.toString().trimmed().isEmpty(); }

// A whole number of a value (an integer column, or text holding one).
bool wholeNumber(const QVariant& v, long long* out)
{
    bool ok = false;
    const QString t = v.toString().trimmed();
    *out = t.toLongLong(&ok);
    return ok;
}
} // namespace

const QStringList& storeWords()
{
    static const QStringList words = {QStringLiteral("Склад"), QStringLiteral("Ремфонд"), QStringLiteral("Ремонт"),
                                      QStringLiteral("Рекламация")};
    return words;
}

bool isStoreWord(const QString& place) { return storeWords().contains(place); }

QString runningTimeFault(const QString& text)
{
    static const QRegularExpression hm(QStringLiteral("^-?\\d+:[0-5]\\d$"));
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    if (!hm.match(t).hasMatch()) return QStringLiteral("наработка не в виде Ч:ММ");
    if (t.startsWith(QLatin1Char('-'))) return QStringLiteral("отрицательная наработка");
    return {};
}

QString countFault(const QVariant& value)
{
    if (blank(value)) return {};
    long long n = 0;
    if (!wholeNumber(value, &n)) return QStringLiteral("не целое число");
    if (n < 0) return QStringLiteral("отрицательное число");
    return {};
}

QString limitFault(const QVariant& value)
{
    if (blank(value)) return {};
    long long n = 0;
    if (!wholeNumber(value, &n)) return QStringLiteral("ресурс не целое число часов");
    if (n <= 0) return QStringLiteral("ресурс равен нулю или отрицателен");
    if (n > kMaxLifeHours) return QStringLiteral("ресурс больше %1 ч").arg(kMaxLifeHours);
    return {};
}

QString shareFault(const QVariant& value)
{
    if (blank(value)) return {};
    bool ok = false;
    const double d = value.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok) return QStringLiteral("доля не число");
    if (d < 0.0 || d > 1.0) return QStringLiteral("доля вне пределов 0..1");
    return {};
}

} // namespace plan::data
