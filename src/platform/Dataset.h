#pragma once
// An ADO-style dataset on the maintenance database: a command text sent to
// the engine verbatim, a cursor over the rows it returns, fields taken by
// position, and the writes a report makes into its staging table (delete all
// rows, append, set fields by position, post, batch update).
#include "platform/Connection.h"

#include <QDate>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <map>
#include <memory>
#include <vector>

class QSqlQuery;

namespace plan {

// One value of the current row. Conversions that fail raise ConversionError
// naming the value and the column; a null reads as "", 0, 0.0 or an invalid
// date/time.
class Field {
public:
    Field(QVariant value, QString column) : m_value(std::move(value)), m_column(std::move(column)) {}
    bool isNull() const;
    QString asString() const;
    int asInteger() const;
    double asFloat() const;
    QDate asDate() const;
    QTime asTime() const;
    QVariant value() const { return m_value; }
    QString name() const { return m_column; }

private:
    [[noreturn]] void fail(const char* what) const;
    QVariant m_value;
    QString m_column;
};

class Dataset {
public:
    explicit Dataset(Connection* connection = nullptr);
    ~Dataset();
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    void setConnection(Connection* c) { m_connection = c; }
    Connection* connection() const { return m_connection; }
    void setCommandText(const QString& sql);
    QString commandText() const { return m_command; }

    // Runs the command and reads its rows; the cursor stands on the first.
    void open();
    void close();
    bool active() const { return m_active; }

    bool eof() const { return m_pos >= static_cast<int>(m_rows.size()); }
    bool bof() const { return m_pos <= 0; }
    void first() { m_pos = 0; }
    void last() { m_pos = m_rows.empty() ? 0 : static_cast<int>(m_rows.size()) - 1; }
    void next() { if (!eof()) ++m_pos; }
    void prior() { if (m_pos > 0) --m_pos; }
    int recordCount() const { return static_cast<int>(m_rows.size()); }
    int recNo() const { return m_pos; }
    void setRecNo(int i) { m_pos = i; }
    bool isEmpty() const { return m_rows.empty(); }

    int fieldCount() const { return m_columns.size(); }
    QString fieldName(int pos) const;
    QStringList fieldNames() const { return m_columns; }
    int fieldIndex(const QString& name) const; // -1 when absent
    // Field of the current row by position (0 = first column of the result).
    Field field(int pos) const;
    Field fieldByName(const QString& name) const;
    // Shorthands.
    QString str(int pos) const { return field(pos).asString(); }
    QString str(const QString& name) const { return fieldByName(name).asString(); }

    // Moves to the first row whose column equals the value (text compare,
    // without regard to case when caseInsensitive); false when none does.
    bool locate(const QString& column, const QVariant& value, bool caseInsensitive = false);

    // ----- Staging writes; the command must be a query on one table -----
    QString tableName() const;
    // Deletes every row of the table (committed at once).
    void deleteAll();
    // Starts a new row; fields not set stay null (ID is filled by the database).
    void append();
    void setField(int pos, const QVariant& value);
    void setFieldByName(const QString& name, const QVariant& value);
    // Writes the new row. A failure leaves nothing of the row in the table and
    // raises DbError.
    void post();
    // Commits what has been posted.
    void updateBatch();
    // A run of rows in one transaction: post() then sends each row (a row
    // that fails leaves nothing of itself) and the rows are committed
    // together by commitRows(), so that a report of a thousand rows costs
    // one commit instead of a thousand. close() and the destructor commit
    // what was posted.
    void beginRows();
    void commitRows();
    bool inRows() const { return m_inRows; }
    // Re-runs the command (after writes) keeping the cursor at the start.
    void requery() { close(); open(); }

    // The whole result, for exports.
    const std::vector<std::vector<QVariant>>& rows() const { return m_rows; }
    // Makes the dataset hold the given rows as if its command had returned
    // them (rows read once for many datasets); the cursor on the first.
    void assign(const QStringList& columns, std::vector<std::vector<QVariant>> rows);

private:
    void requireActive() const;
    void requireRow() const;
    QSqlDatabase db() const;

    Connection* m_connection = nullptr;
    QString m_command;
    bool m_active = false;
    QStringList m_columns;
    std::vector<std::vector<QVariant>> m_rows;
    int m_pos = 0;
    // Row being appended.
    bool m_appending = false;
    bool m_inRows = false;
    bool m_ownsRows = false;
    std::vector<QVariant> m_newRow;
    std::vector<bool> m_newSet;
    // Within a run of rows the INSERT is prepared once and bound per row
    // (the statement lives in the run's transaction and goes with it).
    std::unique_ptr<QSqlQuery> m_insert;
    QString m_insertSql;
};

// A query read row by row without keeping the rows, for one pass over more
// rows than are worth holding (every flight record of a fleet):
//   QueryStream q(c, sql);
//   while (q.next()) use(q.field(0));
class QueryStream {
public:
    // Sends the query; DbError names it and the engine's reason on failure.
    QueryStream(Connection* c, const QString& sql);
    ~QueryStream();
    QueryStream(const QueryStream&) = delete;
    QueryStream& operator=(const QueryStream&) = delete;
    // Moves to the next row (the first on the first call); false after the last.
    bool next();
    int fieldIndex(const QString& name) const { return m_columns.indexOf(name.toUpper()); }
    Field field(int pos) const;
    Field fieldByName(const QString& name) const;
    QString str(int pos) const { return field(pos).asString(); }

private:
    QString m_sql;
    QStringList m_columns;
    std::unique_ptr<QSqlQuery> m_query;
    long long m_rowsRead = 0;
    QElapsedTimer m_timer;
};

// The reads of tables that do not change while a report is made (type
// data, reference lists): while a memo lives on a connection, a SELECT from
// one of its tables (one table, no join, no nested select) sent again with
// the same text is answered with the rows of the first time, so that a
// report reads a type's rows once, not once per aircraft or component.
class QueryMemo {
public:
    QueryMemo(Connection* c, const QStringList& tables);
    ~QueryMemo();
    QueryMemo(const QueryMemo&) = delete;
    QueryMemo& operator=(const QueryMemo&) = delete;

    // The memo alive on the connection (the innermost), or none.
    static QueryMemo* on(const Connection* c);
    // Whether the text reads one of the memo's tables only.
    bool serves(const QString& sql) const;
    struct Result {
        QStringList columns;
        std::vector<std::vector<QVariant>> rows;
    };
    const Result* find(const QString& sql) const;
    void keep(const QString& sql, const QStringList& columns, const std::vector<std::vector<QVariant>>& rows);
    // Texts answered from the memo so far.
    int hits() const { return m_hits; }

private:
    friend class Dataset;
    const Connection* m_connection;
    QueryMemo* m_outer;
    QStringList m_tables;
    std::map<QString, Result> m_results;
    mutable int m_hits = 0;
};

// Runs a query and returns the first column of the first row as text ("" when
// there is no row); a convenience for counts and single values.
QString queryScalar(Connection* c, const QString& sql);

// A new dataset on the connection, opened on the query (sent as given).
std::unique_ptr<Dataset> openQuery(Connection* c, const QString& sql);

} // namespace plan
