#include "frames/AirframeRegister.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Func.h"

#include <QRegularExpression>

namespace plan::frames {

namespace R = pos::reestr;

const rarozidi::GroundRule& AirframeRules::of(const QString& type)
{
    auto it = m_rules.find(type);
    if (it != m_rules.end()) return *it;
    Dataset ds(m_c);
    ds.setCommandText(QStringLiteral("Select UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER From TIPOVYE_DANNYE_VS Where TIP_VS=") +
                      sqlText(type) + QStringLiteral(" Order By ID;"));
    ds.open();
    rarozidi::GroundRule rule;
    if (ds.eof()) {
        m_missing << type;
    } else {
        rule.counts = ds.str(0).trimmed() == QLatin1String("1");
        const Field share = ds.field(1);
        rule.share = share.asString().trimmed().isEmpty() ? 0.0 : share.asFloat();
    }
    return *m_rules.insert(type, rule);
}

QStringList AirframeRules::doubts() const
{
    QStringList out;
    for (const QString& t : m_missing)
        out << QStringLiteral("тип %1 не найден в типовых данных ВС (TIPOVYE_DANNYE_VS): наземная работа после даты "
                              "составления не учтена")
                   .arg(t);
    return out;
}

QStringList headerDoubts(bool headerFound, const QString& operatorCode)
{
    if (headerFound || operatorCode == QLatin1String("-1")) return {};
    return {QStringLiteral("для эксплуатанта %1 нет общих сведений (OBSHIE): шапка и подписи формы не заполнены")
                .arg(operatorCode)};
}

QStringList repairDateDoubts(const Dataset& R)
{
    const int repairs = R.field(R::VSEGO_REMONTOV).asInteger();
    if (repairs <= 0 || !R.field(R::REMONT_DATA).isNull()) return {};
    return {QStringLiteral("ВС %1: при числе ремонтов %2 не указана дата последнего ремонта (REMONT_DATA)")
                .arg(aircraftName(R))
                .arg(repairs)};
}

QStringList asOfDoubts(const Dataset& R, long long minutesOverhaul, long long landingsOverhaul)
{
    if (minutesOverhaul >= 0 && landingsOverhaul >= 0) return {};
    return {QStringLiteral("ВС %1: наработка после последнего ремонта на дату составления меньше нуля (%2 ч, %3 пос.): "
                           "ремонт выполнен после этой даты или полеты введены неверно")
                .arg(aircraftName(R))
                .arg(minutesOverhaul / 60)
                .arg(landingsOverhaul)};
}

QString aircraftName(const Dataset& R)
{
    return (R.str(R::TIP_VS).trimmed() + QLatin1Char(' ') + R.str(R::BORTOVOI_NOMER).trimmed()).trimmed();
}

namespace {
long long registerMinutes(const Dataset& R, int pos, const char* column)
{
    const Field f = R.field(pos);
    if (f.isNull() || f.asString().trimmed().isEmpty())
        throw ConversionError(QStringLiteral("ВС %1: в реестре не заполнена наработка планера в минутах (%2). "
                                             "Заполните наработку ВС в реестре и повторите отчет.")
                                  .arg(aircraftName(R), QString::fromLatin1(column)));
    try {
        return f.asInteger();
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("ВС %1: наработка планера в минутах (%2) «%3» не является целым числом. "
                                             "Исправьте наработку ВС в реестре и повторите отчет.")
                                  .arg(aircraftName(R), QString::fromLatin1(column), f.asString()));
    }
}
} // namespace

AirframeAsOf airframeAsOf(const Dataset& R, LaterFlights& later, const rarozidi::GroundRule& rule)
{
    AirframeAsOf a;
    const QString board = R.str(R::BORTOVOI_NOMER);
    const auto [sne, ppr] = later.correctMinutes(board, registerMinutes(R, R::MINUT_SNE, "MINUT_SNE"),
                                                 registerMinutes(R, R::MINUT_PPR, "MINUT_PPR"),
                                                 FlightColumns::Aircraft, rule);
    const auto [lsne, lppr] =
        later.correctCount(board, R.field(R::POSADKI_SNE).asInteger(), R.field(R::POSADKI_PPR).asInteger());
    a.minutesNew = sne;
    a.minutesOverhaul = ppr;
    a.landingsNew = lsne;
    a.landingsOverhaul = lppr;
    a.overhauled = R.field(R::VSEGO_REMONTOV).asInteger() > 0;
    return a;
}

QString shortDate(const QVariant& date)
{
    const QDate d = date.toDate();
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yy")) : QString();
}

QString dateText(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }

QString boardWithoutRA(const QString& board)
{
    QString b = board;
    return b.remove(QStringLiteral("RA-"), Qt::CaseSensitive);
}

QString calendarAgeText(const QString& value, const QString& what)
{
    const QString t = value.trimmed();
    if (t.isEmpty()) return {};
    static const QRegularExpression re(QStringLiteral("^(\\d+)(?:\\.(\\d*))?$"));
    const auto m = re.match(t);
    if (!m.hasMatch())
        throw ConversionError(QStringLiteral("%1: календарный срок «%2» не в виде «годы.месяцы». "
                                             "Исправьте значение в реестре ВС и повторите отчет.")
                                  .arg(what, value));
    const int years = m.captured(1).toInt();
    const QString months = m.captured(2).isEmpty() ? QStringLiteral("00") : m.captured(2);
    return m.captured(1) + rarozidi::FunBookYear(12 * years) + months + QStringLiteral("м.");
}

QString wholeOr(const Dataset& R, int pos, const QString& empty)
{
    const Field f = R.field(pos);
    if (f.isNull() || f.asString().trimmed().isEmpty()) return empty;
    return QString::number(f.asInteger());
}

} // namespace plan::frames
