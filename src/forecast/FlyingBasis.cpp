#include "forecast/FlyingBasis.h"

#include "forecast/ForecastMath.h"
#include "frames/BoardSets.h"
#include "frames/DataChecks.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Flying.h"
#include "rarozidi/RunningTime.h"

#include <QTime>

namespace plan::forecast {

FlyingBasis::FlyingBasis(Connection& c, int basis, const QString& plannedText, const QDate& today)
    : m_c(c), m_basis(basis), m_plannedText(plannedText), m_today(today)
{
}

QString FlyingBasis::lastMonthQuery(const QString& board, const QDate& today)
{
    return QStringLiteral("Select * From SPRAVKA Where BORTOVOI_NOMER='") + frames::sqlEscape(board) +
           QStringLiteral("' And DATA_POLETA  Between '") + rarozidi::sqlDate(today.addDays(-30)) +
           QStringLiteral("' And '") + rarozidi::sqlDate(today) + QStringLiteral("' Order By ID, DATA_POLETA;");
}

QString FlyingBasis::windowSource(const QDate& today)
{
    return QStringLiteral("From SPRAVKA Where DATA_POLETA  Between '") + rarozidi::sqlDate(today.addDays(-30)) +
           QStringLiteral("' And '") + rarozidi::sqlDate(today) + QLatin1Char('\'');
}

int FlyingBasis::plannedHours(const QString& text)
{
    bool ok = false;
    const int h = text.trimmed().toInt(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("«%1» — не целое число часов: планируемая наработка ВС (час/мес), поле "
                                             "txtNalet. Введите налет в месяц целым числом часов.")
                                  .arg(text));
    return h;
}

const std::vector<FlyingBasis::Record>& FlyingBasis::records(const QString& board)
{
    auto it = m_records.find(board);
    if (it != m_records.end()) return *it;
    std::vector<Record> recs;
    Dataset ds(&m_c);
    if (m_sets) {
        m_sets->openSorted(ds, lastMonthQuery(board, m_today), windowSource(m_today), QStringLiteral("ID, DATA_POLETA"),
                           {{QStringLiteral("BORTOVOI_NOMER"), board}});
    } else {
        ds.setCommandText(lastMonthQuery(board, m_today));
        ds.open();
    }
    for (; !ds.eof(); ds.next()) {
        // Times of day: whole minutes, seconds dropped.
        frames::noteFlightTime(ds, 6);
        frames::noteFlightTime(ds, 3);
        const QTime air = ds.field(6).asTime();
        const QTime ground = ds.field(3).asTime();
        Record r;
        if (air.isValid()) r.airborne = rarozidi::minutesOfTimeOfDay(air.hour(), air.minute());
        if (ground.isValid()) r.ground = rarozidi::minutesOfTimeOfDay(ground.hour(), ground.minute());
        recs.push_back(r);
    }
    return *m_records.insert(board, std::move(recs));
}

double FlyingBasis::FunLastMonth(const QString& board, bool countGround, double groundShare)
{
    long long sum = 0;
    for (const Record& r : records(board)) {
        sum += r.airborne;
        if (countGround) sum += rarozidi::countedGroundMinutes(r.ground, groundShare);
    }
    return static_cast<double>(sum) / 30.0;
}

double FlyingBasis::rate(const QString& board, const rarozidi::GroundRule& rule)
{
    if (m_basis == 1) return plannedDailyRate(plannedHours(m_plannedText));
    return FunLastMonth(board, rule.counts, rule.share);
}

} // namespace plan::forecast
