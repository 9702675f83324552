#include "forecast/ForecastHeading.h"

#include "rarozidi/Func.h"

namespace plan::forecast {

QString basisLine(int basis, const QString& plannedText, const QDate& today)
{
    if (basis == 1)
        return QStringLiteral("Основание расчета: планируемый налет %1 ч в месяц для каждого ВС")
            .arg(plannedText.trimmed().isEmpty() ? QStringLiteral("0") : plannedText.trimmed());
    const QString f = QStringLiteral("dd.MM.yyyy");
    return QStringLiteral("Основание расчета: налет каждого ВС за последние 30 дней (с %1 по %2)")
        .arg(today.addDays(-30).toString(f), today.toString(f));
}

QStringList forecastLegend(const Thresholds& t, bool engineMark, bool stores)
{
    QStringList l{
        QStringLiteral("<i>курсив</i> в графе «Остаток ресурса» — остаток не более %1 ч;").arg(t.resursHours),
        QStringLiteral("<i>курсив</i> в графе «Прогноз даты выработки» — ресурс будет выработан в ближайшие %1 мес.;")
            .arg(t.calendarMonths),
        QStringLiteral("<b>ВЫРАБОТАН</b> — остаток ресурса отрицательный: ресурс уже выработан, компонент подлежит "
                       "замене;"),
        (engineMark ? QStringLiteral("<b>=:=</b>") : QStringLiteral("<b>===</b>")) +
            QStringLiteral(" — дату выработки не определить: у ВС нет налета за последние 30 дней или у компонента "
                           "не задан ресурс;"),
    };
    if (stores) l << QStringLiteral("для компонентов на складах налет и дата выработки не определяются (-).");
    else l.last().chop(1), l.last() += QLatin1Char('.');
    return l;
}

ReportValues forecastValues(Connection& c, const QString& title, const QStringList& covers, const Thresholds& t,
                            bool engineMark, bool stores)
{
    ReportValues v = rarozidi::FunReportValues(c);
    v.insert(QStringLiteral("report_title"), title);
    v.insert(QStringLiteral("covers"), covers);
    v.insert(QStringLiteral("legend"), forecastLegend(t, engineMark, stores));
    return v;
}

} // namespace plan::forecast
