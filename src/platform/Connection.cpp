#include "platform/Connection.h"

#include "platform/DbError.h"
#include "platform/FirebirdClient.h"

#include <QAtomicInt>
#include <algorithm>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>
#include <unistd.h>
#include <ibase.h>

namespace plan {
namespace {
QAtomicInt g_counter;
QString g_defaultCs;
QString g_defaultUser;
QString g_defaultPassword;

// The engine's words for an attach whose user or password was refused or missing.
bool isLoginError(const QString& text)
{
    return text.contains(QLatin1String("user name and password are not defined"), Qt::CaseInsensitive);
}

QString loginMessage(const QString& cs)
{
    return QStringLiteral("Сервер Firebird «%1» не принял пользователя и пароль. Задайте их параметрами --db-user и "
                          "--db-password, переменными ISC_USER и ISC_PASSWORD или в настройках подключения окна "
                          "(Файл → База данных…).").arg(cs);
}

} // namespace

bool traceSql()
{
    static const bool on = qEnvironmentVariableIntValue("PLAN_TRACE_SQL") != 0;
    return on;
}

long long residentMemoryBytes()
{
    long long size = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%lld %lld", &size, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

void traceMemory(const char* step)
{
    static const bool on = qEnvironmentVariableIntValue("PLAN_TRACE_MEMORY") != 0;
    if (!on) return;
    std::fprintf(stderr, "MEMORY %s: %lld MiB\n", step, residentMemoryBytes() / (1024 * 1024));
}

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

Connection::Credentials Connection::credentialsFor(const QString& cs, const QString& user, const QString& password)
{
    Credentials c{user, password};
    if (c.user.isEmpty()) c.user = g_defaultUser;
    if (c.password.isEmpty()) c.password = g_defaultPassword;
    if (c.user.isEmpty()) c.user = qEnvironmentVariable("ISC_USER");
    if (c.password.isEmpty()) c.password = qEnvironmentVariable("ISC_PASSWORD");
    if (parse(cs).embedded) {
        if (c.user.isEmpty()) c.user = QStringLiteral("SYSDBA");
        if (c.password.isEmpty()) c.password = QStringLiteral("masterkey");
    }
    return c;
}

void Connection::open(const QString& cs, const QString& userIn, const QString& passwordIn)
{
    close();
    m_connectionString = cs;
    const Credentials cred = credentialsFor(cs, userIn, passwordIn);
    m_user = cred.user;
    if (cs.trimmed().isEmpty()) throw DbError(QStringLiteral("База данных не указана: строка подключения пуста (укажите --db или путь к базе в настройках подключения)"));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw DbError(QStringLiteral("Не удается открыть базу данных «%1»: драйвер Firebird (QIBASE) не установлен (установите пакет libqt6sql6-ibase)").arg(cs));
    const Target t = parse(cs);
    if (t.embedded) {
        QFileInfo fi(t.path);
        if (!fi.exists())
            throw DbError(QStringLiteral("Не удается открыть базу данных «%1»: файла нет (проверьте путь)").arg(cs));
        if (!fi.isFile())
            throw DbError(QStringLiteral("Не удается открыть базу данных «%1»: это не файл").arg(cs));
    } else if (cred.user.isEmpty() || cred.password.isEmpty()) {
        throw DbError(loginMessage(cs));
    }
    firebird::prepareClient();
    // The password never goes into a trace or a message.
    if (traceSql()) std::fprintf(stderr, "CONNECT %s USER %s\n", cs.toUtf8().constData(), cred.user.toUtf8().constData());
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_name);
    db.setHostName(t.host);
    if (t.port > 0) db.setPort(t.port);
    db.setDatabaseName(t.embedded ? QFileInfo(t.path).absoluteFilePath() : t.path);
    db.setUserName(cred.user);
    db.setPassword(cred.password);
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    const bool opened = db.open();
    // The client library puts its signal handlers in on its first attach.
    firebird::watchSignals();
    if (!opened) {
        const QString text = describeSqlError(db.lastError());
        db.setPassword(QString());
        if (t.embedded) {
            const QString conflict = firebird::lockConflictMessage(QFileInfo(t.path).absoluteFilePath(), text);
            if (!conflict.isEmpty()) throw DbError(conflict);
        } else if (isLoginError(text)) {
            throw DbError(loginMessage(cs));
        }
        throw DbError(QStringLiteral("Не удается открыть базу данных «%1»: %2").arg(cs, text));
    }
}

void Connection::setDefaultTarget(const QString& cs) { g_defaultCs = cs; }

void Connection::setDefaultCredentials(const QString& user, const QString& password)
{
    g_defaultUser = user;
    g_defaultPassword = password;
}

QString Connection::defaultConnectionString()
{
    if (g_defaultCs.isEmpty()) return qEnvironmentVariable("PLAN_DB");
    return g_defaultCs;
}

void Connection::openDefault() { open(defaultConnectionString()); }

std::vector<Connection::StagingTable>& stagingLogRef()
{
    static std::vector<Connection::StagingTable> log;
    return log;
}

void Connection::noteStagingTable(const QString& table, const QString& query)
{
    if (!table.startsWith(QLatin1String("REPORT_"), Qt::CaseInsensitive)) return;
    for (StagingTable& s : stagingLogRef())
        if (s.table == table) {
            s.connection = this;
            s.query = query;
            return;
        }
    stagingLogRef().push_back({this, table, query});
}

std::vector<Connection::StagingTable> Connection::stagingLog() { return stagingLogRef(); }

void Connection::clearStagingLog() { stagingLogRef().clear(); }

void Connection::close()
{
    auto& log = stagingLogRef();
    log.erase(std::remove_if(log.begin(), log.end(), [this](const StagingTable& s) { return s.connection == this; }), log.end());
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
    if (!isOpen()) throw DbError(QStringLiteral("Подключение к базе данных не открыто"));
    return QSqlDatabase::database(m_name, false);
}

void Connection::execute(const QString& sql)
{
    QSqlDatabase db = database();
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw DbError(QStringLiteral("Ошибка базы данных в запросе «%1»: %2").arg(sql.left(300), describeSqlError(q.lastError())));
}

void Connection::executeScript(const QString& script)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw DbError(QStringLiteral("Не удается начать транзакцию в базе «%1»: %2").arg(m_connectionString, describeSqlError(db.lastError())));
    for (const QString& text : scriptStatements(script)) {
        QSqlQuery q(db);
        if (!q.exec(text)) {
            const QString err = describeSqlError(q.lastError());
            db.rollback();
            throw DbError(QStringLiteral("Ошибка базы данных в запросе «%1»: %2").arg(text.left(300), err));
        }
        // DDL must be committed before later statements can use it.
        if (text.startsWith(QStringLiteral("CREATE"), Qt::CaseInsensitive)
            || text.startsWith(QStringLiteral("ALTER"), Qt::CaseInsensitive)) {
            db.commit();
            db.transaction();
        }
    }
    if (!db.commit())
        throw DbError(QStringLiteral("Не удается сохранить изменения в базе «%1»: %2").arg(m_connectionString, describeSqlError(db.lastError())));
}

QStringList Connection::scriptStatements(const QString& script)
{
    QStringList out;
    QString stmt;
    for (const QString& rawLine : script.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QStringLiteral("--")) || line.isEmpty()) continue;
        stmt += rawLine + QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            out << stmt.trimmed().chopped(1);
            stmt.clear();
        }
    }
    return out;
}

void Connection::createDatabase(const QString& cs, const QString& userIn, const QString& passwordIn)
{
    const Target t = parse(cs);
    const Credentials cred = credentialsFor(cs, userIn, passwordIn);
    if (!t.embedded && (cred.user.isEmpty() || cred.password.isEmpty())) throw DbError(loginMessage(cs));
    QString target = t.embedded ? QFileInfo(t.path).absoluteFilePath() : t.path;
    if (!t.embedded) target = t.host + (t.port > 0 ? QStringLiteral("/%1").arg(t.port) : QString()) + QLatin1Char(':') + t.path;
    if (t.embedded && QFileInfo::exists(target))
        throw DbError(QStringLiteral("Не удается создать базу данных «%1»: файл уже есть (удалите его или укажите другой путь)").arg(cs));
    auto quoted = [](QString v) { return v.replace(QLatin1Char('\''), QStringLiteral("''")); };
    const QString sql = QStringLiteral("CREATE DATABASE '%1' USER '%2' PASSWORD '%3' PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8")
                            .arg(quoted(target), quoted(cred.user), quoted(cred.password));
    const QByteArray sqlUtf8 = sql.toUtf8();
    firebird::prepareClient();
    if (traceSql()) std::fprintf(stderr, "CREATE DATABASE %s USER %s\n", cs.toUtf8().constData(), cred.user.toUtf8().constData());
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    const bool failed = isc_dsql_execute_immediate(status, &db, &tr, 0, sqlUtf8.constData(), SQL_DIALECT_V6, nullptr);
    firebird::watchSignals();
    if (failed) {
        char buf[512];
        const ISC_STATUS* pv = status;
        QString msg;
        while (fb_interpret(buf, sizeof buf, &pv)) {
            if (!msg.isEmpty()) msg += QStringLiteral("; ");
            msg += QString::fromLocal8Bit(buf);
        }
        if (!t.embedded && isLoginError(msg)) throw DbError(loginMessage(cs));
        throw DbError(QStringLiteral("Не удается создать базу данных «%1»: %2").arg(cs, msg));
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
    // A failed commit leaves the database as it was before the transaction.
    if (m_started && !m_db.commit()) m_db.rollback();
}

} // namespace plan
