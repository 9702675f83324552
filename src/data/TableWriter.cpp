#include "data/TableWriter.h"

#include "platform/DbError.h"

#include <QSqlError>

namespace plan {

QStringList TableWriter::columns(QSqlDatabase db, const QString& table)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = '%1' "
                               "ORDER BY RDB$FIELD_POSITION").arg(table.toUpper())))
        throw DbError(QStringLiteral("Не удается прочитать столбцы таблицы %1: %2").arg(table, q.lastError().text()));
    QStringList r;
    while (q.next()) r << q.value(0).toString();
    return r;
}

TableWriter::TableWriter(QSqlDatabase db, const QString& table) : m_table(table.toUpper()), m_insert(db)
{
    m_columns = columns(db, m_table);
    if (m_columns.isEmpty()) throw DbError(QStringLiteral("В базе данных нет таблицы %1").arg(m_table));
    for (int i = 0; i < m_columns.size(); ++i) m_index.insert(m_columns[i], i);
    m_values.assign(m_columns.size(), QVariant());
    QStringList names = m_columns.mid(1), marks;
    for (int i = 1; i < m_columns.size(); ++i) marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(m_table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    if (!m_insert.prepare(sql))
        throw DbError(QStringLiteral("Не удается подготовить запись строк таблицы %1: %2").arg(m_table, m_insert.lastError().text()));
}

TableWriter& TableWriter::set(int pos, const QVariant& value)
{
    if (pos <= 0 || pos >= m_columns.size())
        throw DbError(QStringLiteral("Нет столбца %1 в таблице %2 (столбцов: %3)")
                          .arg(pos).arg(m_table).arg(m_columns.size()));
    m_values[pos] = value;
    return *this;
}

TableWriter& TableWriter::set(const char* column, const QVariant& value)
{
    const auto it = m_index.constFind(QString::fromLatin1(column).toUpper());
    if (it == m_index.constEnd())
        throw DbError(QStringLiteral("В таблице %1 нет столбца %2").arg(m_table, QString::fromLatin1(column)));
    return set(it.value(), value);
}

void TableWriter::write()
{
    for (int i = 1; i < m_columns.size(); ++i) m_insert.bindValue(i - 1, m_values[i]);
    if (!m_insert.exec())
        throw DbError(QStringLiteral("Не удается записать строку таблицы %1: %2").arg(m_table, m_insert.lastError().text()));
    m_values.assign(m_columns.size(), QVariant());
    ++m_written;
}

} // namespace plan
