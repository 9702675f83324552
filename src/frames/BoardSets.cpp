#include "frames/BoardSets.h"

#include "platform/DbError.h"

namespace plan::frames {

namespace {
int g_threshold = 20;
} // namespace

bool BoardSets::wanted(std::size_t aircraft) { return static_cast<long long>(aircraft) >= g_threshold; }
void BoardSets::setThreshold(int aircraft) { g_threshold = aircraft; }

QString comparedText(const QVariant& v)
{
    QString s = v.toString();
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' ')) --n;
    s.truncate(n);
    return s;
}

BoardSets::Set& BoardSets::read(const QString& setQuery, const QString& keyColumn)
{
    const QString key = setQuery + QLatin1Char('\n') + keyColumn;
    auto it = m_read.find(key);
    if (it != m_read.end()) return it->second;
    Dataset ds(m_connection);
    ds.setCommandText(setQuery);
    ds.open();
    Set set;
    set.columns = ds.fieldNames();
    set.keyColumn = ds.fieldIndex(keyColumn);
    if (set.keyColumn < 0)
        throw DbError(QStringLiteral("В запросе «%1» нет столбца %2").arg(setQuery, keyColumn));
    set.rows = ds.rows();
    for (int i = 0; i < static_cast<int>(set.rows.size()); ++i) {
        const QVariant& v = set.rows[i][set.keyColumn];
        if (!v.isNull()) set.byKey[comparedText(v)].push_back(i);
    }
    return m_read.emplace(key, std::move(set)).first->second;
}

void BoardSets::open(Dataset& ds, const QString& literal, const QString& setQuery, const Keys& keys)
{
    if (!m_sets || keys.empty()) {
        ds.setConnection(m_connection);
        ds.setCommandText(literal);
        ds.open();
        return;
    }
    const Set& set = read(setQuery, keys.front().first);
    std::vector<std::pair<int, QString>> more;
    for (std::size_t k = 1; k < keys.size(); ++k) {
        const int column = set.columns.indexOf(keys[k].first.toUpper());
        if (column < 0) throw DbError(QStringLiteral("В запросе «%1» нет столбца %2").arg(setQuery, keys[k].first));
        more.emplace_back(column, comparedText(keys[k].second));
    }
    std::vector<std::vector<QVariant>> rows;
    const auto found = set.byKey.constFind(comparedText(keys.front().second));
    if (found != set.byKey.constEnd())
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
