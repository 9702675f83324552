#include "frames/UnitAsOf.h"

#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Report.h"
#include "rarozidi/RunningTime.h"

#include <algorithm>

namespace plan::frames {

bool isSummedApu(const QString& model) { return rarozidi::isTa14Model(model); }

QString UnitAsOf::kindWord() const
{
    switch (m_kind) {
    case UnitKind::Apu: return QStringLiteral("ВСУ");
    case UnitKind::Gearbox: return QStringLiteral("Редуктор");
    default: return QStringLiteral("Двигатель");
    }
}

const rarozidi::GroundRule& UnitAsOf::rule(const QString& type)
{
    auto it = m_rules.find(type);
    if (it != m_rules.end()) return *it;
    rarozidi::GroundRule rule;
    auto ds = openQuery(m_c, QStringLiteral("Select ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, KOL_VO_ZEMLIA_DVIGATEL, "
                                            "KOL_VO_ZEMLIA_REDUCTOR From TIPOVYE_DANNYE_VS Where TIP_VS=") +
                                 sqlText(type) + QStringLiteral(" Order By ID;"));
    if (!ds->eof() && m_kind != UnitKind::Apu) {
        const int flag = m_kind == UnitKind::Gearbox ? 1 : 0;
        rule.counts = ds->str(flag).trimmed() == QLatin1String("1");
        rule.share = ds->field(flag + 2).isNull() ? 0.0 : ds->field(flag + 2).asFloat();
    }
    return *m_rules.insert(type, rule);
}

long long UnitAsOf::minutesAfter(const UnitRef& u)
{
    switch (m_kind) {
    case UnitKind::Apu:
        return m_later.apuAfter(u.board, isSummedApu(u.model) ? ApuMeasure::Summed : ApuMeasure::Total);
    case UnitKind::Gearbox: return m_later.minutesAfter(u.board, FlightColumns::Gearbox, rule(u.type));
    default: {
        const QString s = u.selector.trimmed();
        const FlightColumns cols = s == QLatin1String("1")   ? FlightColumns::Engine2
                                   : s == QLatin1String("2") ? FlightColumns::Engine3
                                                             : FlightColumns::Engine1;
        return m_later.minutesAfter(u.board, cols, rule(u.type));
    }
    }
}

long long UnitAsOf::minutesOf(const UnitRef& u, const QString& stored, const QString& column) const
{
    try {
        return rarozidi::parseRunningTime(stored, column);
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("%1 %2 (зав. № %3): наработка %4 «%5» не в виде «часы:минуты». Исправьте "
                                             "наработку в карточке агрегата и повторите отчет.")
                                  .arg(kindWord(), u.model.trimmed(), u.serial.trimmed(), column, stored));
    }
}

QString UnitAsOf::hoursOn(const UnitRef& u, const QString& stored, const QString& column, bool backDate)
{
    if (stored.trimmed().isEmpty()) return {};
    const long long minutes = minutesOf(u, stored, column);
    if (!backDate || m_later.of(u.board.trimmed()).empty()) return rarozidi::wholeHoursText(stored.trimmed());
    return QString::number(std::max(0LL, (minutes - minutesAfter(u)) / 60));
}

} // namespace plan::frames
