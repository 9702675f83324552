#pragma once
// A connection to the maintenance database. A connection string that is a
// file path opens the file through the embedded engine; "host:path" or
// "host/port:path" opens it on a Firebird server.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace plan {

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws DbError naming the connection string when it cannot be opened.
    // An empty user or password is taken as credentialsFor() says.
    void open(const QString& connectionString, const QString& user = QString(), const QString& password = QString());
    void close();
    bool isOpen() const;
    QString connectionString() const { return m_connectionString; }
    QString user() const { return m_user; }
    QSqlDatabase database() const;

    // Runs one statement that returns no rows, committed at once.
    void execute(const QString& sql);
    // Runs the statements of a script separated by ";" in one transaction.
    void executeScript(const QString& script);
    // The statements of a script as executeScript runs them: lines up to one
    // ending in ";", comment and empty lines left out; each without its ";"
    // (a last one without ";" is not a statement).
    static QStringList scriptStatements(const QString& script);

    // Creates an empty UTF8 database file (embedded) or database on a server.
    static void createDatabase(const QString& connectionString, const QString& user = QString(),
                               const QString& password = QString());

    // The database the windows of this process open (set by the host
    // application or the command line: --db, PLAN_DB).
    static void setDefaultTarget(const QString& connectionString);
    // The user and password this process was given (--db-user, --db-password,
    // the window's connection settings); empty ones fall back as below.
    static void setDefaultCredentials(const QString& user, const QString& password);
    struct Credentials { QString user; QString password; };
    // The user and password an attach to connectionString uses, like every
    // Firebird tool: the ones given, else those of setDefaultCredentials(),
    // else ISC_USER / ISC_PASSWORD, else SYSDBA / masterkey for an embedded
    // file (the embedded engine does not check them). A server with none
    // given gets empty ones and the attach says what is missing.
    static Credentials credentialsFor(const QString& connectionString, const QString& user = QString(),
                                      const QString& password = QString());
    static QString defaultConnectionString();
    // Opens this connection on the default target.
    void openDefault();

    struct Target { QString host; int port = 0; QString path; bool embedded = true; };
    static Target parse(const QString& connectionString);

    // The staging tables (REPORT_...) written since the log was last cleared,
    // by any connection of the process, each with the connection that wrote
    // it (its rows are private to that connection) and the query its dataset
    // opened it by, in the order first written; emptying a table counts as
    // writing it. A connection leaves the log when it closes.
    struct StagingTable { Connection* connection; QString table; QString query; };
    void noteStagingTable(const QString& table, const QString& query);
    static std::vector<StagingTable> stagingLog();
    static void clearStagingLog();

private:
    QString m_name;
    QString m_connectionString;
    QString m_user;
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

// PLAN_TRACE_SQL=1: connections opened and queries sent are listed on
// standard error, for finding what a slow report asks.
bool traceSql();

// PLAN_TRACE_MEMORY=1: the resident memory of the process at the steps of
// a report (rows written, rows read for the template, rendered), on
// standard error, for finding what a large report holds.
void traceMemory(const char* step);
// The resident memory of the process now, in bytes (0 where it cannot be read).
long long residentMemoryBytes();

} // namespace plan
