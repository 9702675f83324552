#include "frames/LaterFlights.h"

#include <stdexcept>

#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/RunningTime.h"

namespace plan::frames {
namespace {
int minutesOf(const Field& f)
{
    if (f.isNull()) return 0;
    const QTime t = f.asTime();
    return t.isValid() ? t.hour() * 60 + t.minute() : 0;
}
int index(FlightColumns c) { return static_cast<int>(c); }
} // namespace

FlightColumns selectorColumns(int selector)
{
    switch (selector) {
    case 1: return FlightColumns::Engine2;
    case 2: return FlightColumns::Engine3;
    case 3: return FlightColumns::Gearbox;
    default: return FlightColumns::Engine1;
    }
}

LaterFlights::LaterFlights(Connection* c, const QDate& asOf) : m_c(c), m_asOf(asOf) {}

namespace {
const char* const kLaterFlightColumns =
    "SELECT DATA_POLETA, ID, Bortovoi_nomer, V_vozduhe, Kol_vo_posadok, Na_zemle, V_vozduhe_1, Na_zemle_1, "
    "V_vozduhe_2, Na_zemle_2, V_vozduhe_3, Na_zemle_3, V_vozduhe_RED, Na_zemle_RED, VSU_KOL_VO_ZAPUSKOV, "
    "VSU_KOL_VO_OTBOROV, VSU_V_GENERATORNOM, VSU_POLNOE_VREMYA From Spravka ";

// Its first six columns: what the airframe's figures need.
const char* const kAirframeFlightColumns =
    "SELECT DATA_POLETA, ID, Bortovoi_nomer, V_vozduhe, Kol_vo_posadok, Na_zemle From Spravka ";

// A row of kLaterFlightColumns, or of its first six columns (a Dataset or a
// QueryStream).
template <class Row>
LaterFlight flightOf(const Row& ds, bool airframeOnly = false)
{
    LaterFlight f;
    f.date = ds.field(0).asDate();
    f.airborne[index(FlightColumns::Aircraft)] = minutesOf(ds.field(3));
    f.landings = ds.field(4).asInteger();
    f.ground[index(FlightColumns::Aircraft)] = minutesOf(ds.field(5));
    if (airframeOnly) return f;
    f.airborne[index(FlightColumns::Engine1)] = minutesOf(ds.field(6));
    f.ground[index(FlightColumns::Engine1)] = minutesOf(ds.field(7));
    f.airborne[index(FlightColumns::Engine2)] = minutesOf(ds.field(8));
    f.ground[index(FlightColumns::Engine2)] = minutesOf(ds.field(9));
    f.airborne[index(FlightColumns::Engine3)] = minutesOf(ds.field(10));
    f.ground[index(FlightColumns::Engine3)] = minutesOf(ds.field(11));
    f.airborne[index(FlightColumns::Gearbox)] = minutesOf(ds.field(12));
    f.ground[index(FlightColumns::Gearbox)] = minutesOf(ds.field(13));
    f.apuStarts = ds.field(14).asInteger();
    f.apuBleeds = ds.field(15).asInteger();
    f.apuGeneratorMinutes = minutesOf(ds.field(16));
    f.apuTotalMinutes = minutesOf(ds.field(17));
    return f;
}
} // namespace

const std::vector<LaterFlight>& LaterFlights::of(const QString& board)
{
    auto it = m_cache.find(board);
    if (it != m_cache.end()) return *it;
    std::vector<LaterFlight> flights;
    if (!m_all) {
        Dataset ds(m_c);
        ds.setCommandText(QString::fromUtf8(kLaterFlightColumns) + QStringLiteral("Where (((Bortovoi_nomer) = ") +
                          sqlText(board) + QStringLiteral(") AND ((Data_poleta) > ") + sqlDate(m_asOf) +
                          QStringLiteral(")) ORDER BY DATA_POLETA, ID;"));
        ds.open();
        flights.reserve(ds.recordCount());
        for (; !ds.eof(); ds.next()) flights.push_back(flightOf(ds));
    }
    return *m_cache.insert(board, std::move(flights));
}

void LaterFlights::readAll(bool airframeOnly)
{
    if (m_all) return;
    // Streamed unordered and put in order of date and entry per board here:
    // ordering by board costs the database a sort of every record read.
    const QString columns = airframeOnly ? QString::fromUtf8(kAirframeFlightColumns) : QString::fromUtf8(kLaterFlightColumns);
    QueryStream q(m_c, columns + QStringLiteral("Where Data_poleta > ") + sqlDate(m_asOf) + QLatin1Char(';'));
    m_airframeOnly = airframeOnly;
    QHash<QString, std::vector<std::pair<int, LaterFlight>>> read;
    while (q.next()) read[q.str(2)].emplace_back(q.field(1).asInteger(), flightOf(q, airframeOnly));
    m_cache.clear();
    for (auto it = read.begin(); it != read.end(); ++it) m_cache.insert(it.key(), rarozidi::inFlightOrder(*it));
    m_all = true;
}

long long LaterFlights::minutesAfter(const QString& board, FlightColumns cols, const rarozidi::GroundRule& rule)
{
    if (m_airframeOnly && cols != FlightColumns::Aircraft)
        throw std::logic_error("flights after a date read for the airframe only");
    long long sum = 0;
    const int i = index(cols);
    for (const LaterFlight& f : of(board)) {
        sum += f.airborne[i];
        if (rule.counts) sum += rarozidi::countedGroundMinutes(f.ground[i], rule.share);
    }
    return sum;
}

int LaterFlights::landingsAfter(const QString& board)
{
    int sum = 0;
    for (const LaterFlight& f : of(board)) sum += f.landings;
    return sum;
}

long long LaterFlights::apuAfter(const QString& board, ApuMeasure m)
{
    if (m_airframeOnly) throw std::logic_error("flights after a date read for the airframe only");
    long long sum = 0;
    for (const LaterFlight& f : of(board)) {
        switch (m) {
        case ApuMeasure::Total:
        case ApuMeasure::Summed: sum += f.apuTotalMinutes; break;
        case ApuMeasure::Generator: sum += f.apuGeneratorMinutes; break;
        case ApuMeasure::Starts: sum += f.apuStarts; break;
        case ApuMeasure::Bleeds: sum += f.apuBleeds; break;
        }
    }
    return sum;
}

std::pair<long long, long long> LaterFlights::correctHours(const QString& board, const QString& sinceNew,
                                                           const QString& sinceOverhaul, FlightColumns cols,
                                                           const rarozidi::GroundRule& rule, const QString& what)
{
    return correctMinutes(board, rarozidi::parseRunningTime(sinceNew, what),
                          rarozidi::parseRunningTime(sinceOverhaul, what), cols, rule);
}

std::pair<long long, long long> LaterFlights::correctMinutes(const QString& board, long long sinceNew,
                                                             long long sinceOverhaul, FlightColumns cols,
                                                             const rarozidi::GroundRule& rule)
{
    if (of(board).empty()) return {sinceNew, sinceOverhaul};
    const long long s = minutesAfter(board, cols, rule);
    return {sinceNew - s, sinceOverhaul - s};
}

std::pair<long long, long long> LaterFlights::correctCount(const QString& board, long long sinceNew,
                                                           long long sinceOverhaul)
{
    const long long s = landingsAfter(board);
    return {sinceNew - s, sinceOverhaul - s};
}

std::pair<long long, long long> LaterFlights::correctApu(const QString& board, const QString& sinceNew,
                                                         const QString& sinceOverhaul, ApuMeasure m, const QString& what)
{
    const bool hours = m == ApuMeasure::Total || m == ApuMeasure::Summed || m == ApuMeasure::Generator;
    auto read = [&](const QString& t) -> long long {
        if (hours) return rarozidi::parseRunningTimeOrZero(t, what);
        const QString v = t.trimmed();
        if (v.isEmpty()) return 0;
        bool ok = false;
        const long long n = v.toLongLong(&ok);
        if (!ok) throw ConversionError(QStringLiteral("\"%1\" is not a whole number (%2)").arg(t, what));
        return n;
    };
    const long long a = read(sinceNew), b = read(sinceOverhaul);
    const long long s = apuAfter(board, m);
    return {a - s, b - s};
}

} // namespace plan::frames
