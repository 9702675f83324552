#pragma once
// Rows of per-aircraft queries read once per report. A report that walks
// many aircraft sends, for each, a query of the kind
//   SELECT * FROM DVIGATEL WHERE GDE_STOIT = '<board>' Order By ODIN_DVA, ID;
// With a large selection the same rows come from one read of the table
//   SELECT * FROM DVIGATEL Order By ODIN_DVA, ID;
// kept in memory and taken per aircraft in the order read: the rows of one
// aircraft, in the same order, as its own query returns them. The set
// query carries every condition that does not name the aircraft; the ones
// that do are given as keys (column = value, compared as the engine
// compares texts: blanks at the end do not count; a null equals nothing).
#include "platform/Dataset.h"

#include <QHash>
#include <QString>
#include <map>
#include <utility>
#include <vector>

namespace plan::frames {

class BoardSets {
public:
    // `sets`: read whole tables (a large selection) or send each
    // aircraft's own query.
    BoardSets(Connection* c, bool sets) : m_connection(c), m_sets(sets) {}
    bool sets() const { return m_sets; }
    // Whether a selection of this many aircraft is read in sets: from 20 on
    // (setThreshold changes it, for tests that compare both ways).
    static bool wanted(std::size_t aircraft);
    static void setThreshold(int aircraft);

    using Keys = std::vector<std::pair<QString, QString>>;
    // Fills ds with the rows of `literal`: by sending it, or, in the set
    // mode, from the one read of `setQuery` (sent once per report), keeping
    // the rows whose key columns equal the key values. The first key is the
    // one the rows are indexed by (the aircraft's board).
    void open(Dataset& ds, const QString& literal, const QString& setQuery, const Keys& keys);

    // The same with the set query given as its source and its order
    // ("From DVIGATEL Where ...", "ZAVODSKOI_NOMER, ID"; the order ends with
    // ID): the engine sorts only the IDs ("Select ID " + source + " Order By
    // " + order) and the whole rows ("Select * " + source), read unordered,
    // are put in that order. A sort of whole rows of a wide table costs the
    // engine far more than the reads themselves; the order is still its own.
    void openSorted(Dataset& ds, const QString& literal, const QString& source, const QString& order, const Keys& keys);

    // The number of sets read (for tests; a sorted set counts once).
    int setReads() const { return static_cast<int>(m_read.size()); }

private:
    struct Set {
        QStringList columns;
        std::vector<std::vector<QVariant>> rows;
        // By key column: the row numbers of each value, in the order read.
        QHash<QString, QHash<QString, std::vector<int>>> byKey;
    };
    // The rows of the set query, read once.
    Set& read(const QString& setQuery);
    // The rows of a source in the order of its IDs sorted, read once.
    Set& readSorted(const QString& source, const QString& order);
    // ds := the rows of the set whose key columns equal the key values.
    void take(Dataset& ds, const QString& literal, Set& set, const QString& setQuery, const Keys& keys);
    // Its rows by the values of a key column (indexed once per column).
    static const QHash<QString, std::vector<int>>& index(Set& set, const QString& keyColumn, const QString& setQuery);

    Connection* m_connection;
    bool m_sets;
    std::map<QString, Set> m_read; // by set query
};

// A text as the engine compares it: blanks at the end left out.
QString comparedText(const QVariant& v);

} // namespace plan::frames
