#include "platform/DataDoubts.h"

#include <QSet>

namespace plan {
namespace {
struct Collector {
    QStringList texts;
    QSet<QString> seen;
};
Collector& collector()
{
    static Collector c;
    return c;
}
} // namespace

QString Doubt::text() const
{
    QString t = table;
    if (!key.isEmpty()) t += QStringLiteral(", ") + key;
    if (!column.isEmpty()) t += QStringLiteral(", ") + column + QStringLiteral(" = «") + value + QStringLiteral("»");
    else if (!value.isEmpty()) t += QStringLiteral(" «") + value + QStringLiteral("»");
    return t + QStringLiteral(": ") + reason;
}

void DataDoubts::begin()
{
    collector().texts.clear();
    collector().seen.clear();
}

void DataDoubts::add(const Doubt& d)
{
    const QString t = d.text();
    Collector& c = collector();
    if (c.seen.contains(t)) return;
    c.seen.insert(t);
    c.texts << t;
}

bool DataDoubts::any() { return !collector().texts.isEmpty(); }
int DataDoubts::count() { return static_cast<int>(collector().texts.size()); }
QStringList DataDoubts::texts() { return collector().texts; }
QString DataDoubts::line(int shown) { return line(collector().texts, shown); }

QString DataDoubts::line(const QStringList& texts, int shown)
{
    return texts.isEmpty() ? QString() : prefix() + listText(texts, shown);
}

QString DataDoubts::listText(int shown) { return listText(collector().texts, shown); }

QString DataDoubts::listText(const QStringList& texts, int shown)
{
    QString l = texts.mid(0, shown).join(QStringLiteral("; "));
    if (texts.size() > shown) l += QStringLiteral(" и еще %1").arg(texts.size() - shown);
    return l;
}

} // namespace plan
