#include "platform/Connection.h"

#include "platform/DbError.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <ibase.h>

namespace plan {
namespace {
QAtomicInt g_counter;
QString g_defaultCs;
QString g_defaultUser = QStringLiteral("SYSDBA");
QString g_defaultPassword = QStringLiteral("masterkey");

} // namespace

Connection::Connection() : m_name(QStringLiteral("plan-connection-%1").arg(g_counter.fetchAndAddRelaxed(1))) {}

Connection::~Connection()
{
    close();
    if (QSqlDatabase::contains(m_name)) QSqlDatabase::removeDatabase(m_name);
}

Connection::Target Connection::parse(const QString& cs)
{
    Target t;
    const int colon = cs.indexOf(QLatin1Char(':'));
    // "host:path" or "host/port:path"; a path of its own never has a colon
    // before its first separator (a drive letter "C:" is a path too).
    QString head = colon > 0 ? cs.left(colon) : QString();
    bool server = colon > 1 && !head.contains(QLatin1Char('\\')) && !head.startsWith(QLatin1Char('.'));
    int port = 0;
    if (server && head.contains(QLatin1Char('/'))) {
        const QString p = head.section(QLatin1Char('/'), 1);
        bool ok = false;
        port = p.toInt(&ok);
        server = ok && head.count(QLatin1Char('/')) == 1 && !head.startsWith(QLatin1Char('/'));
        head = head.section(QLatin1Char('/'), 0, 0);
    }
    if (server) {
        t.host = head;
        t.port = port;
        t.path = cs.mid(colon + 1);
        t.embedded = false;
    } else {
        t.path = cs;
    }
    return t;
}

void Connection::open(const QString& cs, const QString& user, const QString& password)
{
    close();
    m_connectionString = cs;
    m_user = user;
    m_password = password;
    if (cs.trimmed().isEmpty()) throw DbError(QStringLiteral("No database is named: the connection string is empty"));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw DbError(QStringLiteral("Cannot open the database \"%1\": the Firebird driver (QIBASE) is not installed").arg(cs));
    const Target t = parse(cs);
    if (t.embedded) {
        QFileInfo fi(t.path);
        if (!fi.exists())
            throw DbError(QStringLiteral("Cannot open the database \"%1\": the file does not exist").arg(cs));
        if (!fi.isFile())
            throw DbError(QStringLiteral("Cannot open the database \"%1\": it is not a file").arg(cs));
    }
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_name);
    db.setHostName(t.host);
    if (t.port > 0) db.setPort(t.port);
    db.setDatabaseName(t.embedded ? QFileInfo(t.path).absoluteFilePath() : t.path);
    db.setUserName(user);
    db.setPassword(password);
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    if (!db.open())
        throw DbError(QStringLiteral("Cannot open the database \"%1\": %2").arg(cs, describeSqlError(db.lastError())));
}

void Connection::setDefaultTarget(const QString& cs, const QString& user, const QString& password)
{
    g_defaultCs = cs;
    g_defaultUser = user;
    g_defaultPassword = password;
}

QString Connection::defaultConnectionString()
{
    if (g_defaultCs.isEmpty()) return qEnvironmentVariable("PLAN_DB");
    return g_defaultCs;
}

void Connection::openDefault() { open(defaultConnectionString(), g_defaultUser, g_defaultPassword); }

void Connection::close()
{
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen()) db.close();
    }
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Connection::database() const
{
    if (!isOpen()) throw DbError(QStringLiteral("The database connection is not open"));
    return QSqlDatabase::database(m_name, false);
}

void Connection::execute(const QString& sql)
{
    QSqlDatabase db = database();
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw DbError(QStringLiteral("Database error in \"%1\": %2").arg(sql.left(300), describeSqlError(q.lastError())));
}

void Connection::executeScript(const QString& script)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw DbError(QStringLiteral("Cannot start a transaction on \"%1\": %2").arg(m_connectionString, describeSqlError(db.lastError())));
    QString stmt;
    for (const QString& rawLine : script.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QStringLiteral("--")) || line.isEmpty()) continue;
        stmt += rawLine + QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            QSqlQuery q(db);
            const QString text = stmt.trimmed().chopped(1);
            stmt.clear();
            if (!q.exec(text)) {
                const QString err = describeSqlError(q.lastError());
                db.rollback();
                throw DbError(QStringLiteral("Database error in \"%1\": %2").arg(text.left(300), err));
            }
            // DDL must be committed before later statements can use it.
            if (text.startsWith(QStringLiteral("CREATE"), Qt::CaseInsensitive)
                || text.startsWith(QStringLiteral("ALTER"), Qt::CaseInsensitive)) {
                db.commit();
                db.transaction();
            }
        }
    }
    if (!db.commit())
        throw DbError(QStringLiteral("Cannot commit on \"%1\": %2").arg(m_connectionString, describeSqlError(db.lastError())));
}

void Connection::createDatabase(const QString& cs, const QString& user, const QString& password)
{
    const Target t = parse(cs);
    QString target = t.embedded ? QFileInfo(t.path).absoluteFilePath() : t.path;
    if (!t.embedded) target = t.host + (t.port > 0 ? QStringLiteral("/%1").arg(t.port) : QString()) + QLatin1Char(':') + t.path;
    if (t.embedded && QFileInfo::exists(target))
        throw DbError(QStringLiteral("Cannot create the database \"%1\": the file already exists").arg(cs));
    const QString sql = QStringLiteral("CREATE DATABASE '%1' USER '%2' PASSWORD '%3' PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8")
                            .arg(target, user, password);
    const QByteArray sqlUtf8 = sql.toUtf8();
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sqlUtf8.constData(), SQL_DIALECT_V6, nullptr)) {
        char buf[512];
        const ISC_STATUS* pv = status;
        QString msg;
        while (fb_interpret(buf, sizeof buf, &pv)) {
            if (!msg.isEmpty()) msg += QStringLiteral("; ");
            msg += QString::fromLocal8Bit(buf);
        }
        throw DbError(QStringLiteral("Cannot create the database \"%1\": %2").arg(cs, msg));
    }
    isc_detach_database(status, &db);
}

ReadTransaction::ReadTransaction(Connection* c)
{
    if (!c || !c->isOpen()) return;
    m_db = c->database();
    m_started = m_db.transaction();
}

ReadTransaction::~ReadTransaction()
{
    // Nothing was written in it; a failed commit loses nothing.
    if (m_started && !m_db.commit()) m_db.rollback();
}

} // namespace plan
