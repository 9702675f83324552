#include "frames/BoardSets.h"

#include "platform/DbError.h"
#include "platform/SqlQuote.h"

namespace plan::frames {

namespace {
int g_threshold = 20;
} // namespace

bool BoardSets::wanted(std::size_t aircraft) { return static_cast<long long>(aircraft) >= g_threshold; }
void BoardSets::setThreshold(int aircraft) { g_threshold = aircraft; }

QString comparedText(const QVariant& v) { return sqlCompared(v.toString()); }

namespace {
// The query whose rows readSorted gives, in the same order.
QString sortedQuery(const QString& source, const QString& order)
{
    return QStringLiteral("Select * ") + source + QStringLiteral(" Order By ") + order + QLatin1Char(';');
}
} // namespace

BoardSets::Set& BoardSets::read(const QString& setQuery)
{
    auto it = m_read.find(setQuery);
    if (it != m_read.end()) return it->second;
    Dataset ds(m_connection);
    ds.setCommandText(setQuery);
    ds.open();
    return m_read.emplace(setQuery, Set{ds.fieldNames(), ds.rows(), {}}).first->second;
}

const QHash<QString, std::vector<int>>& BoardSets::index(Set& s, const QString& keyColumn, const QString& setQuery)
{
    const QString column = keyColumn.toUpper();
    auto index = s.byKey.find(column);
    if (index != s.byKey.end()) return *index;
    const int pos = s.columns.indexOf(column);
    if (pos < 0) throw DbError(QStringLiteral("В запросе «%1» нет столбца %2").arg(setQuery, keyColumn));
    index = s.byKey.insert(column, {});
    for (int i = 0; i < static_cast<int>(s.rows.size()); ++i) {
        const QVariant& v = s.rows[i][pos];
        if (!v.isNull()) (*index)[comparedText(v)].push_back(i);
    }
    return *index;
}

void BoardSets::open(Dataset& ds, const QString& literal, const QString& setQuery, const Keys& keys)
{
    if (!m_sets || keys.empty()) {
        ds.setConnection(m_connection);
        ds.setCommandText(literal);
        ds.open();
        return;
    }
    take(ds, literal, read(setQuery), setQuery, keys);
}

void BoardSets::openSorted(Dataset& ds, const QString& literal, const QString& source, const QString& order,
                           const Keys& keys)
{
    if (!m_sets || keys.empty()) {
        open(ds, literal, QString(), keys);
        return;
    }
    take(ds, literal, readSorted(source, order), sortedQuery(source, order), keys);
}

BoardSets::Set& BoardSets::readSorted(const QString& source, const QString& order)
{
    const QString whole = sortedQuery(source, order);
    auto it = m_read.find(whole);
    if (it != m_read.end()) return it->second;
    Dataset rows(m_connection);
    rows.setCommandText(QStringLiteral("Select * ") + source + QLatin1Char(';'));
    rows.open();
    Dataset ids(m_connection);
    ids.setCommandText(QStringLiteral("Select ID ") + source + QStringLiteral(" Order By ") + order + QLatin1Char(';'));
    ids.open();
    const int idPos = rows.fieldIndex(QStringLiteral("ID"));
    if (idPos < 0) throw DbError(QStringLiteral("В запросе «%1» нет столбца ID").arg(rows.commandText()));
    const QStringList columns = rows.fieldNames();
    std::vector<std::vector<QVariant>> read = rows.takeRows();
    QHash<QString, int> byId;
    for (int i = 0; i < static_cast<int>(read.size()); ++i) byId.insert(read[i][idPos].toString(), i);
    std::vector<std::vector<QVariant>> sorted;
    sorted.reserve(read.size());
    for (const auto& id : ids.rows()) {
        const auto found = byId.constFind(id.front().toString());
        if (found != byId.constEnd()) sorted.push_back(std::move(read[*found]));
    }
    return m_read.emplace(whole, Set{columns, std::move(sorted), {}}).first->second;
}

void BoardSets::take(Dataset& ds, const QString& literal, Set& set, const QString& setQuery, const Keys& keys)
{
    const QHash<QString, std::vector<int>>& byKey = index(set, keys.front().first, setQuery);
    std::vector<std::pair<int, QString>> more;
    for (std::size_t k = 1; k < keys.size(); ++k) {
        const int column = set.columns.indexOf(keys[k].first.toUpper());
        if (column < 0) throw DbError(QStringLiteral("В запросе «%1» нет столбца %2").arg(setQuery, keys[k].first));
        more.emplace_back(column, comparedText(keys[k].second));
    }
    std::vector<std::vector<QVariant>> rows;
    const auto found = byKey.constFind(comparedText(keys.front().second));
    if (found != byKey.constEnd())
        for (int i : *found) {
            const auto& row = set.rows[i];
            bool keep = true;
            for (const auto& [column, value] : more)
                keep = keep && !row[column].isNull() && comparedText(row[column]) == value;
            if (keep) rows.push_back(row);
        }
    ds.setConnection(m_connection);
    ds.setCommandText(literal);
    ds.assign(set.columns, std::move(rows));
}

} // namespace plan::frames
