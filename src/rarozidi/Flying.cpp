#include "rarozidi/Flying.h"

#include <QHash>
#include <QSet>
#include <QSqlRecord>

#include "rarozidi/RunningTime.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/SqlQuote.h"

#include <QTime>
#include <map>

namespace rarozidi {

QString sqlDate(const QDate& d) { return d.toString(QStringLiteral("M,d,yyyy")); }

GroundRule readGroundRule(plan::Connection& c, const QString& type, GroundKind kind)
{
    plan::Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select * From TIPOVYE_DANNYE_VS Where TIP_VS='") + plan::sqlQuotesDoubled(type) +
                      QStringLiteral("' Order By ID;"));
    ds.open();
    GroundRule rule;
    if (ds.isEmpty()) return rule;
    auto flag = [&ds](const QString& name) {
        return ds.fieldIndex(name) >= 0 && ds.str(name).trimmed() == QLatin1String("1");
    };
    const QString suffix = groundKindSuffix(kind);
    rule.counts = flag(QStringLiteral("UCHITYVAT_ZEMLU")) &&
                  (kind == GroundKind::Planer || flag(QStringLiteral("ZEMLIA_") + suffix));
    const QString shareName = QStringLiteral("KOL_VO_ZEMLIA_") + suffix;
    if (ds.fieldIndex(shareName) >= 0) {
        const plan::Field f = ds.fieldByName(shareName);
        rule.share = f.asString().trimmed().isEmpty() ? 0.0 : f.asFloat();
    }
    return rule;
}

FlightColumns engineColumns(const QString& odinDva)
{
    const QString t = odinDva.trimmed();
    if (t == QLatin1String("1")) return FlightColumns::Engine2;
    if (t == QLatin1String("2")) return FlightColumns::Engine3;
    return FlightColumns::Engine1;
}

namespace {
int timeMinutes(const plan::Field& f)
{
    if (f.isNull()) return 0;
    const QVariant v = f.value();
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed();
        if (t.isEmpty()) return 0;
        // Times kept as text: "H:MM" (or "HH:MM:SS" of a time of day).
        if (t.count(QLatin1Char(':')) == 2) {
            const QTime tm = f.asTime();
            return minutesOfTimeOfDay(tm.hour(), tm.minute());
        }
        return parseRunningTime(t, f.name());
    }
    if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double ||
        v.typeId() == QMetaType::Short)
        return f.asInteger(); // a count of minutes
    const QTime tm = f.asTime();
    return minutesOfTimeOfDay(tm.hour(), tm.minute());
}
} // namespace

namespace {
// "Select ID, DATA_POLETA, KOL_VO_POSADOK, <airborne>, <ground>[, APU counters]" of the columns.
struct FlightSelect {
    QString air, ground, sql;
};

FlightSelect flightSelect(plan::Connection& c, FlightColumns cols)
{
    FlightSelect f{QStringLiteral("V_VOZDUHE"), QStringLiteral("NA_ZEMLE"), {}};
    switch (cols) {
    case FlightColumns::Aircraft: break;
    case FlightColumns::Engine1: f.air += QStringLiteral("_1"); f.ground += QStringLiteral("_1"); break;
    case FlightColumns::Engine2: f.air += QStringLiteral("_2"); f.ground += QStringLiteral("_2"); break;
    case FlightColumns::Engine3: f.air += QStringLiteral("_3"); f.ground += QStringLiteral("_3"); break;
    case FlightColumns::Gearbox: f.air += QStringLiteral("_RED"); f.ground += QStringLiteral("_RED"); break;
    }
    // Only the columns counted: a flight record is wide, and a component's
    // history can run to thousands of records.
    static QHash<QString, bool> apuColumns; // by database: does SPRAVKA keep the APU counters
    auto known = apuColumns.find(c.connectionString());
    if (known == apuColumns.end())
        known = apuColumns.insert(c.connectionString(),
                                  c.database().record(QStringLiteral("SPRAVKA")).indexOf(QStringLiteral("VSU_POLNOE_VREMYA")) >= 0);
    f.sql = QStringLiteral("Select ID, DATA_POLETA, KOL_VO_POSADOK, ") + f.air + QStringLiteral(", ") + f.ground +
            (*known ? QStringLiteral(", VSU_POLNOE_VREMYA, VSU_V_GENERATORNOM, VSU_KOL_VO_ZAPUSKOV, VSU_KOL_VO_OTBOROV")
                    : QString());
    return f;
}

// Where flightSelect's columns stand in a query's rows (-1: not there).
struct FlightColumnsAt {
    int date, landings, air, ground, apuTotal, apuGenerator, apuStarts, apuBleeds;
    template <class Row>
    FlightColumnsAt(const Row& r, const FlightSelect& f)
        : date(r.fieldIndex(QStringLiteral("DATA_POLETA"))), landings(r.fieldIndex(QStringLiteral("KOL_VO_POSADOK"))),
          air(r.fieldIndex(f.air)), ground(r.fieldIndex(f.ground)),
          apuTotal(r.fieldIndex(QStringLiteral("VSU_POLNOE_VREMYA"))),
          apuGenerator(r.fieldIndex(QStringLiteral("VSU_V_GENERATORNOM"))),
          apuStarts(r.fieldIndex(QStringLiteral("VSU_KOL_VO_ZAPUSKOV"))),
          apuBleeds(r.fieldIndex(QStringLiteral("VSU_KOL_VO_OTBOROV")))
    {
    }
};

// The entry of the current row (of a Dataset or a QueryStream).
template <class Row>
FlightEntry entryOf(const Row& r, const FlightColumnsAt& at)
{
    FlightEntry e;
    e.date = r.field(at.date).asDate();
    e.airborneMinutes = timeMinutes(r.field(at.air));
    e.groundMinutes = timeMinutes(r.field(at.ground));
    e.landings = r.field(at.landings).asInteger();
    if (at.apuTotal >= 0) {
        e.apuTotalMinutes = timeMinutes(r.field(at.apuTotal));
        e.apuGeneratorMinutes = timeMinutes(r.field(at.apuGenerator));
        e.apuStarts = r.field(at.apuStarts).asInteger();
        e.apuBleeds = r.field(at.apuBleeds).asInteger();
    }
    return e;
}

std::vector<FlightEntry> readFlightsFromDb(plan::Connection& c, const QString& board, const QDate& from,
                                           const QDate& to, FlightColumns cols)
{
    const FlightSelect f = flightSelect(c, cols);
    QString sql = f.sql + QStringLiteral(" From SPRAVKA Where BORTOVOI_NOMER='") + plan::sqlQuotesDoubled(board) +
                  QStringLiteral("'");
    if (from.isValid()) sql += QStringLiteral(" And DATA_POLETA>='") + sqlDate(from) + QStringLiteral("'");
    if (to.isValid()) sql += QStringLiteral(" And DATA_POLETA<='") + sqlDate(to) + QStringLiteral("'");
    sql += QStringLiteral(" Order By DATA_POLETA, ID;");
    plan::Dataset ds(&c);
    ds.setCommandText(sql);
    ds.open();
    const FlightColumnsAt at(ds, f);
    std::vector<FlightEntry> out;
    out.reserve(ds.recordCount());
    for (ds.first(); !ds.eof(); ds.next()) out.push_back(entryOf(ds, at));
    return out;
}

QString cacheKey(plan::Connection& c, FlightColumns cols, const QString& board)
{
    return QString::number(reinterpret_cast<quintptr>(&c)) + QLatin1Char('/') + QString::number(static_cast<int>(cols)) +
           QLatin1Char('/') + plan::sqlCompared(board);
}
} // namespace

struct FlightCache::Store {
    // By connection, columns and board: the records from a date on (all of
    // them when the date is not valid), read once for every later request
    // that starts on or after it.
    struct Read {
        QDate from;
        std::vector<FlightEntry> flights;
    };
    QHash<QString, Read> reads;
};

namespace {
FlightCache::Store* g_cache = nullptr;

bool covers(const FlightCache::Store::Read& r, const QDate& from)
{
    return !r.from.isValid() || (from.isValid() && from >= r.from);
}
} // namespace

FlightCache::FlightCache()
{
    if (!g_cache) g_cache = m_store = new Store;
}

FlightCache::~FlightCache()
{
    if (!m_store) return;
    g_cache = nullptr;
    delete m_store;
}

void FlightCache::readBoards(plan::Connection& c, const QStringList& boards, const QDate& from, FlightColumns cols)
{
    if (!g_cache) return;
    QStringList wanted;
    QSet<QString> seen;
    for (const QString& b : boards) {
        const QString key = cacheKey(c, cols, b);
        const auto it = g_cache->reads.constFind(key);
        if ((it != g_cache->reads.constEnd() && covers(*it, from)) || seen.contains(key)) continue;
        seen.insert(key);
        wanted << b;
    }
    if (wanted.isEmpty()) return;
    const FlightSelect f = flightSelect(c, cols);
    const QString since = from.isValid() ? QStringLiteral("DATA_POLETA>='") + sqlDate(from) + QStringLiteral("'") : QString();
    // The records come unordered (ordering them costs the database a sort of
    // every record read) and are put in order of date and entry here.
    // By board as the engine compares it (blanks at the end do not count).
    QHash<QString, std::vector<std::pair<int, FlightEntry>>> byBoard;
    for (const QString& b : wanted) byBoard.insert(plan::sqlCompared(b), {});
    auto read = [&](const QString& sql) {
        plan::QueryStream q(&c, sql);
        const FlightColumnsAt at(q, f);
        const int idPos = q.fieldIndex(QStringLiteral("ID")), boardPos = q.fieldIndex(QStringLiteral("BORTOVOI_NOMER"));
        QString lastBoard;
        bool any = false;
        std::vector<std::pair<int, FlightEntry>>* records = nullptr;
        while (q.next()) {
            const QString board = q.str(boardPos);
            if (!any || board != lastBoard) {
                // Records of one board mostly come together: looked up once a run.
                const auto it = byBoard.find(plan::sqlCompared(board));
                records = it == byBoard.end() ? nullptr : &*it;
                lastBoard = board;
                any = true;
            }
            if (records) records->emplace_back(q.field(idPos).asInteger(), entryOf(q, at));
        }
    };
    constexpr int kPerQuery = 200; // boards in one In list
    if (wanted.size() > kPerQuery) {
        // Many boards: one pass over the table costs less than In lists,
        // where the engine looks each board up in its index.
        read(f.sql + QStringLiteral(", BORTOVOI_NOMER From SPRAVKA") +
             (since.isEmpty() ? QString() : QStringLiteral(" Where ") + since) + QLatin1Char(';'));
    } else {
        QStringList quoted;
        for (const QString& b : wanted) quoted << QLatin1Char('\'') + plan::sqlQuotesDoubled(b) + QLatin1Char('\'');
        read(f.sql + QStringLiteral(", BORTOVOI_NOMER From SPRAVKA Where BORTOVOI_NOMER In (") + quoted.join(QLatin1Char(',')) +
             QLatin1Char(')') + (since.isEmpty() ? QString() : QStringLiteral(" And ") + since) + QLatin1Char(';'));
    }
    for (auto it = byBoard.begin(); it != byBoard.end(); ++it)
        g_cache->reads.insert(cacheKey(c, cols, it.key()), {from, inFlightOrder(*it)});
}

void FlightCache::readBoardsSince(plan::Connection& c, const std::vector<std::pair<QString, QDate>>& since,
                                  FlightColumns cols)
{
    if (!g_cache) return;
    QHash<QString, std::pair<QString, QDate>> earliest; // by board as compared
    for (const auto& [board, date] : since) {
        if (!date.isValid()) continue;
        auto it = earliest.find(plan::sqlCompared(board));
        if (it == earliest.end()) earliest.insert(plan::sqlCompared(board), {board, date});
        else if (date < it->second) it->second = date;
    }
    std::map<QDate, QStringList> byQuarter;
    for (const auto& [board, date] : std::as_const(earliest))
        byQuarter[QDate(date.year(), (date.month() - 1) / 3 * 3 + 1, 1)] << board;
    for (auto& [quarter, boards] : byQuarter) {
        boards.sort();
        readBoards(c, boards, quarter, cols);
    }
}

std::vector<FlightEntry> readFlights(plan::Connection& c, const QString& board, const QDate& from, const QDate& to,
                                     FlightColumns cols)
{
    if (!g_cache) return readFlightsFromDb(c, board, from, to, cols);
    const QString key = cacheKey(c, cols, board);
    auto it = g_cache->reads.find(key);
    if (it == g_cache->reads.end()) {
        it = g_cache->reads.insert(key, {from, readFlightsFromDb(c, board, from, {}, cols)});
    } else if (!covers(*it, from)) {
        // Asked from earlier than read: only the records before the first
        // read are fetched, and go in front (they are earlier by date).
        std::vector<FlightEntry> earlier = readFlightsFromDb(c, board, from, it->from.addDays(-1), cols);
        earlier.insert(earlier.end(), it->flights.begin(), it->flights.end());
        it->flights = std::move(earlier);
        it->from = from;
    }
    std::vector<FlightEntry> out;
    for (const FlightEntry& e : it->flights)
        if ((!from.isValid() || e.date >= from) && (!to.isValid() || e.date <= to)) out.push_back(e);
    return out;
}

long long countedMinutes(const std::vector<FlightEntry>& flights, const GroundRule& rule, const QDate& since)
{
    long long sum = 0;
    for (const FlightEntry& e : flights)
        if (!since.isValid() || e.date >= since) sum += countedFlightMinutes(e.airborneMinutes, e.groundMinutes, rule);
    return sum;
}

int landings(const std::vector<FlightEntry>& flights, const QDate& since)
{
    int sum = 0;
    for (const FlightEntry& e : flights)
        if (!since.isValid() || e.date >= since) sum += e.landings;
    return sum;
}

BackDating::BackDating(plan::Connection& c, const QString& board, const QDate& asOf, const GroundRule& rule,
                       FlightColumns cols)
{
    const auto flights = readFlights(c, board, asOf.addDays(1), QDate(), cols);
    m_minutes = countedMinutes(flights, rule);
    m_landings = landings(flights);
}

QString BackDating::runningTime(const QString& stored, const QString& what) const
{
    if (stored.trimmed().isEmpty()) return {};
    return formatRunningTime(parseRunningTime(stored, what) - m_minutes);
}

long long continuousMinutes(long long atInstallation, const std::vector<FlightEntry>& flights,
                            const QDate& installed, const GroundRule& rule)
{
    if (!installed.isValid()) return atInstallation;
    return atInstallation + countedMinutes(flights, rule, installed);
}

bool isStoreWord(const QString& place)
{
    const QString t = place.trimmed();
    return t == QStringLiteral("Склад") || t == QStringLiteral("Ремфонд") || t == QStringLiteral("Ремонт") ||
           t == QStringLiteral("Рекламация");
}

} // namespace rarozidi
