#pragma once
// What the heading and legend of a forecast print besides its rows: the
// title, the operator and signatures (rarozidi::FunReportValues), what the
// forecast covers (ownership, the filter chosen, the flying basis) and the
// legend of the marks with the thresholds in force.
#include "forecast/ForecastMember.h"
#include "platform/TemplateRenderer.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace plan {
class Connection;
}

namespace plan::forecast {

// The line naming the flying basis: the last 30 days with their dates, or
// the planned hours per month as typed.
QString basisLine(int basis, const QString& plannedText, const QDate& today);

// The legend lines: the italic thresholds, the used-up mark, the no-date
// mark (and the engine frame's "=:=" when engineMark), and the store rows'
// missing date (when stores).
QStringList forecastLegend(const Thresholds& t, bool engineMark, bool stores);

// The values of a forecast: operator and signatures from OBSHIE, the title,
// the covers lines as given and the legend.
ReportValues forecastValues(Connection& c, const QString& title, const QStringList& covers, const Thresholds& t,
                            bool engineMark, bool stores);

} // namespace plan::forecast
