#pragma once
// Flying of an aircraft in a period and after it, summed in one measure over
// its flight entries (whole SPRAVKA rows): the running time, landings,
// cycles or starts of the airframe, an engine or the main gearbox, and the
// APU counters. FunNarZaPer sums the entries of a period, FunNarDateStopPer
// those after a day (to back a stored total out to that day).
//
// A selector names the flight-entry positions of one unit:
//
//   selector           airborne  ground  cycles  starts
//   -1 airframe            6        3      49       7
//   0 engine 1 (other)    50       44      49      48
//   1 engine 2            51       21      26      25
//   2 engine 3            52       27      32      31
//   100 main gearbox      53       54      19       7
//
// Measures: "HOUR" airborne minutes plus, when ground running counts, the
// ground minutes times the share rounded half up, entry by entry;
// "POSADKI" landings (8); "CICL" cycles; "ZAPUSK" starts; "VSU_HOUR" the
// APU's time (18); "VSU_HOUR_TA14" 17 and 18; "VSU_ZAPUSK" 15; "VSU_OTBOR"
// 16; "VSU_GENERAT" 17. Time measures are in minutes.
//
// A report that asks many sums of one aircraft reads its entries once:
//
//     BoardFlying f(conn, board);
//     QString month = f.FunNarZaPer(start, end, "HOUR", 0, rule.counts, rule.share);
//     long long after = f.FunNarDateStopPer(end, "HOUR", 100, gear.counts, gear.share);
#include <QDate>
#include <QString>
#include <array>
#include <vector>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace rarozidi {

// One flight entry: its date and its values by SPRAVKA position (times of
// day in minutes, counts as they are; positions no measure reads are 0).
struct FlightRow {
    static constexpr int kWidth = 55;
    QDate date;
    std::array<int, kWidth> at{};
};

// The entries of a dataset on whole SPRAVKA rows, in its order.
std::vector<FlightRow> flightRows(const plan::Dataset& ds);

// True for the measures summed in minutes ("HOUR", "VSU_HOUR",
// "VSU_HOUR_TA14", "VSU_GENERAT"); false for the counts. Another measure
// raises plan::ConversionError naming it.
bool isTimeMeasure(const QString& measure);

// The sum of a measure over the entries dated from `from` to `to` (a bound
// that is not a valid date is left open).
long long sumFlying(const std::vector<FlightRow>& rows, const QDate& from, const QDate& to, const QString& measure,
                    int selector, bool countGround, double share);

// Minutes as the lessor's forms write hours: "2 час 05 мин", "0 час 00 мин",
// "130 час 10 мин"; a negative value has "-" in front ("-1 час 05 мин").
QString hoursText(long long minutes);

// The text of a sum: hoursText for a time measure, the number otherwise.
QString measureText(long long sum, const QString& measure);

// The sum of the entries of the board from start to end ("Select * From
// SPRAVKA Where BORTOVOI_NOMER='...' And DATA_POLETA  Between '...' And
// '...' Order By ID, DATA_POLETA;"), as measureText writes it.
QString FunNarZaPer(plan::Connection& c, const QDate& start, const QDate& end, const QString& board,
                    const QString& measure, int selector, bool countGround, double share);
// The sum of the entries of the board dated after `end` ("... DATA_POLETA
// >'...' Order By ID, DATA_POLETA;").
long long FunNarDateStopPer(plan::Connection& c, const QDate& end, const QString& board, const QString& measure,
                            int selector, bool countGround, double share);

// Every entry of one board read once, in the order of "Select * From
// SPRAVKA Where BORTOVOI_NOMER='...' Order By ID, DATA_POLETA;" (the IDs
// are unique: the rows are ordered by ID in memory); the sums are those of
// the two routines above, from memory.
class BoardFlying {
public:
    BoardFlying(plan::Connection& c, const QString& board);
    explicit BoardFlying(std::vector<FlightRow> rows) : m_rows(std::move(rows)) {}
    QString FunNarZaPer(const QDate& start, const QDate& end, const QString& measure, int selector, bool countGround,
                        double share) const;
    long long FunNarDateStopPer(const QDate& end, const QString& measure, int selector, bool countGround,
                                double share) const;
    long long sum(const QDate& from, const QDate& to, const QString& measure, int selector, bool countGround,
                  double share) const
    {
        return sumFlying(m_rows, from, to, measure, selector, countGround, share);
    }
    const std::vector<FlightRow>& rows() const { return m_rows; }

private:
    std::vector<FlightRow> m_rows;
};

} // namespace rarozidi
