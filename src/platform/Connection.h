#pragma once
// A connection to the maintenance database. A connection string that is a
// file path opens the file through the embedded engine; "host:path" or
// "host/port:path" opens it on a Firebird server.
#include <QSqlDatabase>
#include <QString>

namespace plan {

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws DbError naming the connection string when it cannot be opened.
    void open(const QString& connectionString, const QString& user = QStringLiteral("SYSDBA"),
              const QString& password = QStringLiteral("masterkey"));
    void close();
    bool isOpen() const;
    QString connectionString() const { return m_connectionString; }
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    QSqlDatabase database() const;

    // Runs one statement that returns no rows, committed at once.
    void execute(const QString& sql);
    // Runs the statements of a script separated by ";" in one transaction.
    void executeScript(const QString& script);

    // Creates an empty UTF8 database file (embedded) or database on a server.
    static void createDatabase(const QString& connectionString, const QString& user = QStringLiteral("SYSDBA"),
                               const QString& password = QStringLiteral("masterkey"));

    // The database the windows of this process open (set by the host
    // application or the command line: --db, PLAN_DB).
    static void setDefaultTarget(const QString& connectionString, const QString& user = QStringLiteral("SYSDBA"),
                                 const QString& password = QStringLiteral("masterkey"));
    static QString defaultConnectionString();
    // Opens this connection on the default target.
    void openDefault();

    struct Target { QString host; int port = 0; QString path; bool embedded = true; };
    static Target parse(const QString& connectionString);

private:
    QString m_name;
    QString m_connectionString;
    QString m_user;
    QString m_password;
};

// The reads of a long report in one transaction: one consistent view of the
// data, and one commit at the end instead of one per query. When the
// connection is already in a transaction (the report writes its rows through
// it) the reads simply run in that one.
class ReadTransaction {
public:
    explicit ReadTransaction(Connection* c);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    QSqlDatabase m_db;
    bool m_started = false;
};

} // namespace plan
