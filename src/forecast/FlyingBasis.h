#pragma once
// The basis of a forecast: the daily flying rate of an aircraft (minutes of
// counted running per day) on which every forecast date rests, and the
// monthly flying its title shows.
//   basis 0, actual:  the flight records of the last 30 days (today and the
//                     30 days before it), airborne time plus the pair's share
//                     of ground running, summed and divided by 30;
//   basis 1, planned: the planned hours per month x 60 / 30 for every aircraft.
// The records of an aircraft are read once per report and then serve every
// ground-running pair its members ask for.
#include "rarozidi/Life.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <vector>

namespace plan {
class Connection;
namespace frames {
class BoardSets;
}
}

namespace plan::forecast {

class FlyingBasis {
public:
    // `plannedText` is the planned hours per month as typed (basis 1 only);
    // it is read when the first rate is asked for, so that an empty field
    // ends the report where the first forecast needs it.
    FlyingBasis(Connection& c, int basis, const QString& plannedText, const QDate& today);

    int basis() const { return m_basis; }
    // The daily rate of a board for a ground-running pair.
    double rate(const QString& board, const rarozidi::GroundRule& rule);
    // FunLastMonth: the daily rate from the board's flight records.
    double FunLastMonth(const QString& board, bool countGround, double groundShare);

    // The query of a board's records of the 30-day window.
    static QString lastMonthQuery(const QString& board, const QDate& today);
    // The same window for every board as the source ("From SPRAVKA Where
    // ...") that BoardSets::openSorted reads for a large selection, split by
    // board in the same order.
    static QString windowSource(const QDate& today);
    // Reads the window through `sets` (null: each board's own query).
    void readThrough(frames::BoardSets* sets) { m_sets = sets; }
    // The planned hours: a whole number, else plan::ConversionError naming
    // the text and the field.
    static int plannedHours(const QString& text);

private:
    struct Record {
        int airborne = 0;
        int ground = 0;
    };
    const std::vector<Record>& records(const QString& board);

    Connection& m_c;
    int m_basis;
    QString m_plannedText;
    QDate m_today;
    frames::BoardSets* m_sets = nullptr;
    QHash<QString, std::vector<Record>> m_records;
};

} // namespace plan::forecast
