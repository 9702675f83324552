#include "platform/Dataset.h"

#include "platform/Heartbeat.h"

#include <cstdio>

#include "platform/DbError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

namespace plan {
namespace {
bool isDateLike(const QVariant& v)
{
    const int t = v.typeId();
    return t == QMetaType::QDate || t == QMetaType::QDateTime;
}
} // namespace

// ---------------------------------------------------------------- Field

bool Field::isNull() const { return !m_value.isValid() || m_value.isNull(); }

void Field::fail(const char* what) const
{
    throw ConversionError(QStringLiteral("\"%1\" is not a valid %2 (column %3)")
                              .arg(m_value.toString(), QString::fromLatin1(what), m_column));
}

QString Field::asString() const
{
    if (isNull()) return {};
    switch (m_value.typeId()) {
    case QMetaType::QDate: return m_value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime: return m_value.toDateTime().date().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QTime: return m_value.toTime().toString(QStringLiteral("hh:mm"));
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = m_value.toDouble();
        if (d == std::floor(d) && std::fabs(d) < 1e15) return QString::number(static_cast<qlonglong>(d));
        return QString::number(d, 'g', 15);
    }
    default: return m_value.toString();
    }
}

int Field::asInteger() const
{
    if (isNull()) return 0;
    switch (m_value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::ULongLong: return m_value.toInt();
    case QMetaType::Double:
    case QMetaType::Float: return static_cast<int>(std::lround(m_value.toDouble()));
    case QMetaType::QString: {
        bool ok = false;
        const int v = m_value.toString().trimmed().toInt(&ok);
        if (!ok) fail("integer");
        return v;
    }
    default: fail("integer");
    }
}

double Field::asFloat() const
{
    if (isNull()) return 0.0;
    if (m_value.typeId() == QMetaType::QString) {
        QString t = m_value.toString().trimmed();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (!ok) fail("number");
        return v;
    }
    bool ok = false;
    const double v = m_value.toDouble(&ok);
    if (!ok) fail("number");
    return v;
}

QDate Field::asDate() const
{
    if (isNull()) return {};
    if (isDateLike(m_value)) return m_value.toDate();
    if (m_value.typeId() == QMetaType::QString) {
        const QString t = m_value.toString().trimmed();
        if (t.isEmpty()) return {};
        for (const char* f : {"dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd", "dd.MM.yy"}) {
            QDate d = QDate::fromString(t, QString::fromLatin1(f));
            if (d.isValid()) {
                if (QLatin1String(f) == QLatin1String("dd.MM.yy") && d.year() < 1950) d = d.addYears(100);
                return d;
            }
        }
    }
    fail("date");
}

QTime Field::asTime() const
{
    if (isNull()) return {};
    if (m_value.typeId() == QMetaType::QTime) return m_value.toTime();
    if (m_value.typeId() == QMetaType::QDateTime) return m_value.toDateTime().time();
    if (m_value.typeId() == QMetaType::QString) {
        const QString t = m_value.toString().trimmed();
        if (t.isEmpty()) return {};
        for (const char* f : {"h:mm", "hh:mm", "h:mm:ss", "hh:mm:ss"}) {
            const QTime tm = QTime::fromString(t, QString::fromLatin1(f));
            if (tm.isValid()) return tm;
        }
    }
    fail("time of day");
}

// ---------------------------------------------------------------- Dataset

Dataset::Dataset(Connection* connection) : m_connection(connection) {}
Dataset::~Dataset()
{
    try {
        commitRows();
    } catch (const DbError&) {
        // Nothing can be told from a destructor; the rows are lost with the transaction.
    }
}

void Dataset::setCommandText(const QString& sql)
{
    if (m_active) close();
    m_command = sql;
}

QSqlDatabase Dataset::db() const
{
    if (!m_connection) throw DbError(QStringLiteral("Набор данных не связан с базой (запрос «%1»)").arg(m_command));
    return m_connection->database();
}

void Dataset::open()
{
    close();
    // Traced with its milliseconds and rows, or "memo" when served from memory.
    const bool trace = traceSql();
    QElapsedTimer timer;
    if (trace) timer.start();
    QueryMemo* memo = QueryMemo::on(m_connection);
    if (memo) {
        if (const QueryMemo::Result* r = memo->find(m_command)) {
            if (trace) std::fprintf(stderr, "SQL memo %s\n", m_command.toUtf8().constData());
            m_columns = r->columns;
            m_rows = r->rows;
            m_pos = 0;
            m_active = true;
            return;
        }
    }
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(m_command))
        throw DbError(QStringLiteral("Ошибка базы данных в запросе «%1»: %2").arg(m_command, describeSqlError(q.lastError())));
    const QSqlRecord rec = q.record();
    m_columns.clear();
    for (int i = 0; i < rec.count(); ++i) m_columns << rec.fieldName(i).toUpper();
    while (q.next()) {
        std::vector<QVariant> row;
        row.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i) row.push_back(q.value(i));
        m_rows.push_back(std::move(row));
    }
    m_pos = 0;
    m_active = true;
    Heartbeat::beat();
    if (trace)
        std::fprintf(stderr, "SQL %.2f ms %zu rows %s\n", timer.nsecsElapsed() / 1e6, m_rows.size(),
                     m_command.toUtf8().constData());
    if (memo) memo->keep(m_command, m_columns, m_rows);
}

std::vector<std::vector<QVariant>> Dataset::takeRows()
{
    std::vector<std::vector<QVariant>> rows = std::move(m_rows);
    close();
    return rows;
}

void Dataset::assign(const QStringList& columns, std::vector<std::vector<QVariant>> rows)
{
    close();
    m_columns = columns;
    m_rows = std::move(rows);
    m_pos = 0;
    m_active = true;
}

QueryStream::QueryStream(Connection* c, const QString& sql) : m_sql(sql)
{
    if (!c) throw DbError(QStringLiteral("Набор данных не связан с базой (запрос «%1»)").arg(sql));
    if (traceSql()) std::fprintf(stderr, "SQL stream %s\n", sql.toUtf8().constData());
    m_timer.start();
    m_query = std::make_unique<QSqlQuery>(c->database());
    m_query->setForwardOnly(true);
    if (!m_query->exec(sql))
        throw DbError(QStringLiteral("Ошибка базы данных в запросе «%1»: %2").arg(sql, describeSqlError(m_query->lastError())));
    const QSqlRecord rec = m_query->record();
    for (int i = 0; i < rec.count(); ++i) m_columns << rec.fieldName(i).toUpper();
    Heartbeat::beat();
}

QueryStream::~QueryStream()
{
    if (traceSql()) std::fprintf(stderr, "SQL stream ended: %.2f ms %lld rows\n", m_timer.nsecsElapsed() / 1e6, m_rowsRead);
}

bool QueryStream::next()
{
    if (!m_query->next()) return false;
    ++m_rowsRead;
    return true;
}

Field QueryStream::field(int pos) const
{
    if (pos < 0 || pos >= m_columns.size())
        throw DbError(QStringLiteral("Нет столбца %1: в запросе «%2» столбцов: %3").arg(pos).arg(m_sql).arg(m_columns.size()));
    return Field(m_query->value(pos), m_columns[pos]);
}

Field QueryStream::fieldByName(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0) throw DbError(QStringLiteral("В запросе «%1» нет столбца %2").arg(m_sql, name));
    return field(i);
}

namespace {
std::map<const Connection*, QueryMemo*>& memos()
{
    static std::map<const Connection*, QueryMemo*> m;
    return m;
}
} // namespace

QueryMemo::QueryMemo(Connection* c, const QStringList& tables) : m_connection(c), m_outer(on(c))
{
    for (const QString& t : tables) m_tables << t.toUpper();
    memos()[c] = this;
}

QueryMemo::~QueryMemo()
{
    if (m_outer) memos()[m_connection] = m_outer;
    else memos().erase(m_connection);
}

QueryMemo* QueryMemo::on(const Connection* c)
{
    const auto it = memos().find(c);
    return it == memos().end() ? nullptr : it->second;
}

bool QueryMemo::serves(const QString& sql) const
{
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+([A-Za-z0-9_$]+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression select(QStringLiteral("^\\s*select\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression other(QStringLiteral("\\b(join|select|union)\\b|,\\s*[A-Za-z0-9_$]+\\s+where\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!select.match(sql).hasMatch()) return false;
    auto froms = from.globalMatch(sql);
    if (!froms.hasNext()) return false;
    const QString table = froms.next().captured(1).toUpper();
    if (froms.hasNext()) return false; // a second FROM: a nested select
    // One SELECT word only, no join or union.
    if (other.globalMatch(sql.mid(select.match(sql).capturedEnd())).hasNext()) return false;
    return m_tables.contains(table);
}

const QueryMemo::Result* QueryMemo::find(const QString& sql) const
{
    const auto it = m_results.find(sql);
    if (it == m_results.end()) return nullptr;
    ++m_hits;
    return &it->second;
}

void QueryMemo::keep(const QString& sql, const QStringList& columns, const std::vector<std::vector<QVariant>>& rows)
{
    if (serves(sql)) m_results[sql] = Result{columns, rows};
}

void Dataset::close()
{
    commitRows();
    m_active = false;
    m_rows.clear();
    m_columns.clear();
    m_pos = 0;
    m_appending = false;
    m_newRow.clear();
    m_newSet.clear();
}

void Dataset::requireActive() const
{
    if (!m_active) throw DbError(QStringLiteral("Набор данных не открыт (запрос «%1»)").arg(m_command));
}

void Dataset::requireRow() const
{
    requireActive();
    if (eof()) throw DbError(QStringLiteral("Нет текущей строки (запрос «%1»)").arg(m_command));
}

QString Dataset::fieldName(int pos) const
{
    if (pos < 0 || pos >= m_columns.size())
        throw DbError(QStringLiteral("Нет столбца %1: запрос «%2» возвращает столбцов: %3")
                          .arg(pos).arg(m_command).arg(m_columns.size()));
    return m_columns[pos];
}

int Dataset::fieldIndex(const QString& name) const { return m_columns.indexOf(name.toUpper()); }

Field Dataset::field(int pos) const
{
    requireRow();
    const QString name = fieldName(pos);
    return Field(m_rows[m_pos][pos], name);
}

Field Dataset::fieldByName(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0) throw DbError(QStringLiteral("В запросе «%1» нет столбца %2").arg(m_command, name));
    return field(i);
}

bool Dataset::locate(const QString& column, const QVariant& value, bool caseInsensitive)
{
    requireActive();
    const int c = fieldIndex(column);
    if (c < 0) throw DbError(QStringLiteral("В запросе «%1» нет столбца %2").arg(m_command, column));
    const QString wanted = Field(value, column).asString();
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        const QString have = Field(m_rows[i][c], column).asString();
        if (have.compare(wanted, caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0) {
            m_pos = i;
            return true;
        }
    }
    return false;
}

QString Dataset::tableName() const
{
    static const QRegularExpression re(QStringLiteral("\\bfrom\\s+([A-Za-z_][A-Za-z0-9_$]*)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(m_command);
    if (!m.hasMatch()) throw DbError(QStringLiteral("В запросе «%1» не названа таблица для записи").arg(m_command));
    return m.captured(1).toUpper();
}

void Dataset::deleteAll()
{
    requireActive();
    QSqlDatabase d = db();
    const QString table = tableName();
    m_connection->noteStagingTable(table, m_command);
    // A transaction already open on the connection (a report's whole staging
    // cycle) takes the deletions; its owner commits them.
    const bool own = d.transaction();
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("DELETE FROM ") + table)) {
        const QString err = describeSqlError(q.lastError());
        if (own) d.rollback();
        throw DbError(QStringLiteral("Не удается очистить таблицу %1: %2").arg(table, err));
    }
    if (own && !d.commit())
        throw DbError(QStringLiteral("Не удается очистить таблицу %1: %2").arg(table, describeSqlError(d.lastError())));
    m_rows.clear();
    m_pos = 0;
}

void Dataset::append()
{
    requireActive();
    m_appending = true;
    m_newRow.assign(m_columns.size(), QVariant());
    m_newSet.assign(m_columns.size(), false);
}

void Dataset::setField(int pos, const QVariant& value)
{
    if (!m_appending) throw DbError(QStringLiteral("В таблицу %1 не добавляется строка").arg(tableName()));
    if (pos < 0 || pos >= static_cast<int>(m_newRow.size()))
        throw DbError(QStringLiteral("Нет столбца %1: в таблице %2 столбцов: %3")
                          .arg(pos).arg(tableName()).arg(m_newRow.size()));
    m_newRow[pos] = value;
    m_newSet[pos] = true;
}

void Dataset::setFieldByName(const QString& name, const QVariant& value)
{
    const int i = fieldIndex(name);
    if (i < 0) throw DbError(QStringLiteral("В таблице %1 нет столбца %2").arg(tableName(), name));
    setField(i, value);
}

void Dataset::post()
{
    if (!m_appending) throw DbError(QStringLiteral("Строка не добавляется (запрос «%1»)").arg(m_command));
    const QString table = tableName();
    QStringList names, marks;
    QVariantList values;
    for (int i = 0; i < static_cast<int>(m_newRow.size()); ++i) {
        if (!m_newSet[i]) continue;
        names << m_columns[i];
        marks << QStringLiteral("?");
        values << m_newRow[i];
    }
    m_appending = false;
    QSqlDatabase d = db();
    m_connection->noteStagingTable(table, m_command);
    const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    // Inside a run of rows the statement's own atomicity keeps a failed row out.
    if (!m_inRows) d.transaction();
    const bool reuse = m_inRows && m_ownsRows;
    std::unique_ptr<QSqlQuery> own;
    bool ok = true;
    if (!reuse || !m_insert || m_insertSql != sql) {
        own = std::make_unique<QSqlQuery>(d);
        ok = own->prepare(sql);
        if (reuse) {
            m_insert = std::move(own);
            m_insertSql = ok ? sql : QString();
        }
    }
    QSqlQuery& q = reuse ? *m_insert : *own;
    if (ok) {
        for (int i = 0; i < values.size(); ++i) q.bindValue(i, values[i]);
        Heartbeat::beat(Heartbeat::Sent::Write);
        ok = q.exec();
    }
    if (!ok) {
        const QString err = describeSqlError(q.lastError());
        if (reuse) {
            m_insert.reset();
            m_insertSql.clear();
        }
        if (!m_inRows) d.rollback();
        throw DbError(QStringLiteral("Не удается записать строку в таблицу %1: %2").arg(table, err));
    }
    if (!m_inRows && !d.commit()) throw DbError(QStringLiteral("Не удается записать строку в таблицу %1: %2").arg(table, describeSqlError(d.lastError())));
    // A run of rows (a report's staging table, thousands of rows) keeps none
    // of them: they are read back by the table's query when shown.
    if (m_inRows) return;
    m_rows.push_back(m_newRow);
    m_pos = static_cast<int>(m_rows.size()) - 1;
}

void Dataset::updateBatch()
{
    // Each posted row is sent by post() (and committed there outside a run
    // of rows); nothing is left pending here.
}

void Dataset::beginRows()
{
    if (m_inRows) return;
    QSqlDatabase d = db();
    if (!d.isOpen()) throw DbError(QStringLiteral("Не удается записать в таблицу %1: подключение закрыто").arg(tableName()));
    // A transaction already open on the connection (a report reading in one)
    // takes the rows; its owner commits them.
    m_ownsRows = d.transaction();
    m_inRows = true;
}

void Dataset::commitRows()
{
    if (!m_inRows) return;
    m_inRows = false;
    m_insert.reset();
    m_insertSql.clear();
    if (!m_ownsRows) return;
    QSqlDatabase d = db();
    if (!d.commit())
        throw DbError(QStringLiteral("Не удается записать строки таблицы %1: %2").arg(tableName(), describeSqlError(d.lastError())));
}

std::unique_ptr<Dataset> openQuery(Connection* c, const QString& sql)
{
    auto ds = std::make_unique<Dataset>(c);
    ds->setCommandText(sql);
    ds->open();
    return ds;
}

QString queryScalar(Connection* c, const QString& sql)
{
    Dataset ds(c);
    ds.setCommandText(sql);
    ds.open();
    if (ds.eof() || ds.fieldCount() == 0) return {};
    return ds.field(0).asString();
}

} // namespace plan
