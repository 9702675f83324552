#include "rarozidi/PeriodFlying.h"

#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/SqlQuote.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Life.h"

#include <QTime>
#include <algorithm>
#include <cstdlib>

namespace rarozidi {
namespace {

// Positions of a flight entry read as times of day, and as counts.
constexpr int kTimePositions[] = {3, 6, 17, 18, 21, 27, 44, 50, 51, 52, 53, 54};
constexpr int kCountPositions[] = {7, 8, 15, 16, 19, 25, 26, 31, 32, 48, 49};
constexpr int kDatePosition = 4;

struct Columns {
    int airborne, ground, cycles, starts;
};

Columns columnsOf(int selector)
{
    switch (selector) {
    case -1: return {6, 3, 49, 7};
    case 1: return {51, 21, 26, 25};
    case 2: return {52, 27, 32, 31};
    case 100: return {53, 54, 19, 7};
    default: return {50, 44, 49, 48};
    }
}

enum class Measure { Hour, Landings, Cycles, Starts, ApuHour, ApuHourTa14, ApuStarts, ApuBleeds, ApuGenerator };

Measure measureOf(const QString& m)
{
    static const std::pair<const char*, Measure> names[] = {
        {"HOUR", Measure::Hour},           {"POSADKI", Measure::Landings},       {"CICL", Measure::Cycles},
        {"ZAPUSK", Measure::Starts},       {"VSU_HOUR", Measure::ApuHour},       {"VSU_HOUR_TA14", Measure::ApuHourTa14},
        {"VSU_ZAPUSK", Measure::ApuStarts}, {"VSU_OTBOR", Measure::ApuBleeds},   {"VSU_GENERAT", Measure::ApuGenerator},
    };
    for (const auto& [name, value] : names)
        if (m == QLatin1String(name)) return value;
    throw plan::ConversionError(QStringLiteral("Неизвестная мера наработки «%1»").arg(m));
}

int minutesOf(const plan::Field& f)
{
    if (f.isNull()) return 0;
    const QTime t = f.asTime();
    return t.isValid() ? t.hour() * 60 + t.minute() : 0;
}

// The start of the routines' queries, up to the date condition.
QString flightsQuery(const QString& board)
{
    return QStringLiteral("Select * From SPRAVKA Where BORTOVOI_NOMER='") + plan::sqlQuotesDoubled(board) +
           QStringLiteral("' And ");
}

} // namespace

std::vector<FlightRow> flightRows(const plan::Dataset& ds)
{
    std::vector<FlightRow> out;
    out.reserve(ds.recordCount());
    const int width = std::min(ds.fieldCount(), FlightRow::kWidth);
    for (const auto& values : ds.rows()) {
        FlightRow r;
        auto field = [&](int pos) { return plan::Field(values[pos], ds.fieldName(pos)); };
        r.date = field(kDatePosition).asDate();
        for (int p : kTimePositions)
            if (p < width) r.at[p] = minutesOf(field(p));
        for (int p : kCountPositions)
            if (p < width) r.at[p] = field(p).isNull() ? 0 : field(p).asInteger();
        out.push_back(r);
    }
    return out;
}

bool isTimeMeasure(const QString& measure)
{
    switch (measureOf(measure)) {
    case Measure::Hour:
    case Measure::ApuHour:
    case Measure::ApuHourTa14:
    case Measure::ApuGenerator: return true;
    default: return false;
    }
}

long long sumFlying(const std::vector<FlightRow>& rows, const QDate& from, const QDate& to, const QString& measure,
                    int selector, bool countGround, double share)
{
    const Measure m = measureOf(measure);
    const Columns c = columnsOf(selector);
    long long sum = 0;
    for (const FlightRow& r : rows) {
        if (from.isValid() && r.date < from) continue;
        if (to.isValid() && r.date > to) continue;
        switch (m) {
        case Measure::Hour:
            sum += r.at[c.airborne];
            if (countGround) sum += countedGroundMinutes(r.at[c.ground], share);
            break;
        case Measure::Landings: sum += r.at[8]; break;
        case Measure::Cycles: sum += r.at[c.cycles]; break;
        case Measure::Starts: sum += r.at[c.starts]; break;
        case Measure::ApuHour: sum += r.at[18]; break;
        case Measure::ApuHourTa14: sum += r.at[17] + r.at[18]; break;
        case Measure::ApuStarts: sum += r.at[15]; break;
        case Measure::ApuBleeds: sum += r.at[16]; break;
        case Measure::ApuGenerator: sum += r.at[17]; break;
        }
    }
    return sum;
}

QString hoursText(long long minutes)
{
    const QString sign = minutes < 0 ? QStringLiteral("-") : QString();
    const long long m = std::llabs(minutes);
    return sign + QString::number(m / 60) + (m % 60 >= 10 ? QStringLiteral(" час ") : QStringLiteral(" час 0")) +
           QString::number(m % 60) + QStringLiteral(" мин");
}

QString measureText(long long sum, const QString& measure)
{
    return isTimeMeasure(measure) ? hoursText(sum) : QString::number(sum);
}

QString FunNarZaPer(plan::Connection& c, const QDate& start, const QDate& end, const QString& board,
                    const QString& measure, int selector, bool countGround, double share)
{
    auto ds = plan::openQuery(&c, flightsQuery(board) + QStringLiteral("DATA_POLETA  Between '") + sqlDate(start) +
                                      QStringLiteral("' And '") + sqlDate(end) + QStringLiteral("' ") +
                                      QStringLiteral("Order By ID, DATA_POLETA;"));
    return measureText(sumFlying(flightRows(*ds), {}, {}, measure, selector, countGround, share), measure);
}

long long FunNarDateStopPer(plan::Connection& c, const QDate& end, const QString& board, const QString& measure,
                            int selector, bool countGround, double share)
{
    auto ds = plan::openQuery(&c, flightsQuery(board) + QStringLiteral("DATA_POLETA >'") + sqlDate(end) +
                                      QStringLiteral("' Order By ID, DATA_POLETA;"));
    return sumFlying(flightRows(*ds), {}, {}, measure, selector, countGround, share);
}

BoardFlying::BoardFlying(plan::Connection& c, const QString& board)
{
    // In the order of "... Order By ID, DATA_POLETA": the IDs are unique, so
    // ordering by ID here gives the same rows in the same order, without the
    // engine sorting the board's whole wide records (several times the read).
    auto ds = plan::openQuery(&c, QStringLiteral("Select * From SPRAVKA Where BORTOVOI_NOMER='") +
                                      plan::sqlQuotesDoubled(board) + QStringLiteral("';"));
    const int id = ds->fieldIndex(QStringLiteral("ID"));
    if (id < 0) throw plan::DbError(QStringLiteral("В таблице SPRAVKA нет столбца ID"));
    const QStringList columns = ds->fieldNames();
    auto rows = ds->takeRows();
    std::sort(rows.begin(), rows.end(),
              [id](const auto& a, const auto& b) { return a[id].toLongLong() < b[id].toLongLong(); });
    ds->assign(columns, std::move(rows));
    m_rows = flightRows(*ds);
}

QString BoardFlying::FunNarZaPer(const QDate& start, const QDate& end, const QString& measure, int selector,
                                 bool countGround, double share) const
{
    return measureText(sum(start, end, measure, selector, countGround, share), measure);
}

long long BoardFlying::FunNarDateStopPer(const QDate& end, const QString& measure, int selector, bool countGround,
                                         double share) const
{
    return sum(end.addDays(1), {}, measure, selector, countGround, share);
}

} // namespace rarozidi
