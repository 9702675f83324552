#pragma once
// Bulk rows into one table of the maintenance database, columns set by
// position (as the reports read them) or by name. Used to fill new
// databases; every row of a writer goes into the caller's transaction.
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace plan {

class TableWriter {
public:
    TableWriter(QSqlDatabase db, const QString& table);
    // The columns of a table in their order (position 0 first).
    static QStringList columns(QSqlDatabase db, const QString& table);

    TableWriter& set(int pos, const QVariant& value);
    TableWriter& set(const char* column, const QVariant& value);
    // Inserts the row and clears the values for the next one.
    void write();
    int written() const { return m_written; }
    int columnCount() const { return m_columns.size(); }

private:
    QString m_table;
    QStringList m_columns;
    QHash<QString, int> m_index;
    std::vector<QVariant> m_values;
    QSqlQuery m_insert;
    int m_written = 0;
};

} // namespace plan
