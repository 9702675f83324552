// The module against a Firebird server (the suite's private server, started
// by fbserver.sh before these tests and stopped after them): the staging
// cycle, a forecast equal to the one over the embedded engine, one frame of
// every window, two users reporting at the same moment, and the credentials
// of the connection, which never show in a message or a trace.
#include "data/DemoFleet.h"
#include "data/Schema.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "platform/ReportCycle.h"
#include "shell/FrameDriver.h"
#include "shell/HostWindow.h"
#include "shell/StartPlan.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <cstdio>
#include <gtest/gtest.h>

using namespace plan;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString EnginesItem = QStringLiteral("Прогноз на замену двигателей");
const QString GearboxesItem = QStringLiteral("Прогноз на замену главных редукторов");

struct Server {
    QString dir;
    QString port;
    QString user;
    QString password;

    static const Server& get()
    {
        static const Server s = [] {
            Server r;
            r.dir = QStringLiteral(PLAN_TEST_SERVER_DIR);
            QFile port(r.dir + QStringLiteral("/port"));
            if (port.open(QIODevice::ReadOnly)) r.port = QString::fromLatin1(port.readAll()).trimmed();
            QFile cred(r.dir + QStringLiteral("/credentials"));
            if (cred.open(QIODevice::ReadOnly))
                for (const QString& line : QString::fromLatin1(cred.readAll()).split(QLatin1Char('\n'))) {
                    if (line.startsWith(QLatin1String("USER="))) r.user = line.mid(5);
                    if (line.startsWith(QLatin1String("PASSWORD="))) r.password = line.mid(9);
                }
            return r;
        }();
        return s;
    }
    bool up() const { return !port.isEmpty() && !password.isEmpty(); }
    QString data() const { return dir + QStringLiteral("/data"); }
    QString cs(const QString& file) const { return QStringLiteral("localhost/%1:%2/%3").arg(port, data(), file); }
};

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server().up()) GTEST_SKIP() << "no test server: these tests run under ctest with the server fixture";
        Clock::setToday(QDate(2026, 12, 5));
        Connection::setDefaultCredentials(server().user, server().password);
        MessageService::setHeadless(true);
        MessageService::clear();
        home = plantest::scratchDir() + QStringLiteral("/home");
        QDir().mkpath(home);
        plantest::installTemplates(home);
        Paths::setHome(home);
        Paths::setUserRoot(plantest::scratchDir() + QStringLiteral("/user"));
        writeReportsIni();
    }
    void TearDown() override
    {
        Clock::reset();
        Connection::setDefaultCredentials({}, {});
        MessageService::clear();
    }

    static const Server& server() { return Server::get(); }

    // Every bar item of every host window switched on.
    void writeReportsIni() const
    {
        IniFile ini(home + QStringLiteral("/reports.ini"));
        for (const auto& w : shell::moduleWindows())
            if (const shell::HostTraits* t = shell::hostTraits(w.key))
                for (const auto& item : t->items) ini.writeBool(t->section, item.key(), true);
    }

    // The demo fleet, once for all test processes: on the server, and its
    // twin in an embedded file built from the same seed and day.
    static void demoFleets(QString* serverCs, QString* embeddedPath)
    {
        *serverCs = server().cs(QStringLiteral("demo.fdb"));
        *embeddedPath = server().data() + QStringLiteral("/demo-embedded.fdb");
        QLockFile lock(server().data() + QStringLiteral("/demo.lock"));
        lock.setStaleLockTime(0);
        ASSERT_TRUE(lock.lock());
        const QString ready = server().data() + QStringLiteral("/demo.ready");
        if (QFile::exists(ready)) return;
        const DemoFleet::Options options{6, 1, 7};
        DemoFleet::create(*serverCs, options, {});
        DemoFleet::create(*embeddedPath, options, {});
        plantest::writeFile(ready, QStringLiteral("1"));
    }

    shell::RunResult run(const QString& cs, const QString& window, const QString& item,
                         const std::vector<shell::RunStep>& steps = {})
    {
        Connection::setDefaultTarget(cs);
        shell::RunRequest r;
        r.window = window;
        r.item = item;
        r.steps = steps;
        return shell::runItem(r);
    }

    QString home;
};

// The rows of a table the run staged, without their keys.
QStringList stagedRows(const shell::RunResult& r, const QString& table)
{
    QStringList out;
    if (const shell::StagedTable* t = r.stagedTable(table))
        for (const QStringList& row : t->rows) out << row.mid(1).join(QLatin1Char('|'));
    return out;
}

TEST_F(ServerTest, StagingCycleEmptiesAndRefillsOnTheServer)
{
    Connection::clearStagingLog();
    const QString cs = server().cs(QStringLiteral("cycle.fdb"));
    QFile::remove(server().data() + QStringLiteral("/cycle.fdb"));
    Schema::create(cs);
    Connection c;
    c.open(cs);
    Dataset ds(&c);
    const QString query = QStringLiteral("Select * From REPORT_PROGNOZ ORDER BY ID;");
    for (const QStringList& rows : {QStringList{"!Ми-8АМТ RA-1", "Двигатель", "Редуктор"}, QStringList{"Лопасть"}}) {
        {
            StagingWriter w(ds, query);
            for (const QString& r : rows) w.addRow({r});
            w.finish();
        }
        ds.setCommandText(query);
        ds.open();
        QStringList read;
        for (; !ds.eof(); ds.next()) read << ds.str(1);
        // The second run starts from an empty table: nothing of the first survives.
        EXPECT_EQ(read, rows);
    }
    ASSERT_EQ(Connection::stagingLog().size(), 1u);
    EXPECT_EQ(Connection::stagingLog()[0].connection, &c);
}

TEST_F(ServerTest, ForecastEqualsTheEmbeddedOneAndEveryWindowRuns)
{
    QString cs, embedded;
    demoFleets(&cs, &embedded);
    const shell::RunResult onServer = run(cs, QStringLiteral("frmPlanPrognoz"), EnginesItem);
    const shell::RunResult local = run(embedded, QStringLiteral("frmPlanPrognoz"), EnginesItem);
    ASSERT_EQ(onServer.status, 0) << onServer.errors.join('\n').toStdString();
    ASSERT_EQ(local.status, 0) << local.errors.join('\n').toStdString();
    const QStringList rows = stagedRows(onServer, QStringLiteral("REPORT_PROGNOZ"));
    EXPECT_GT(rows.size(), 3);
    EXPECT_EQ(rows, stagedRows(local, QStringLiteral("REPORT_PROGNOZ")));

    // The first built frame of every host window, as it opens.
    int windowsRun = 0;
    for (const auto& w : shell::moduleWindows()) {
        const shell::HostTraits* t = shell::hostTraits(w.key);
        if (!t) continue;
        for (const QString& caption : shell::switchedItems(*t)) {
            const shell::RunResult r = run(cs, w.key, caption);
            // Frames not built yet, and sheets made by picking a row (they have no show button), give way to the next item.
            const QString all = r.errors.join(QLatin1Char('\n'));
            if (all.contains(QStringLiteral("еще не построен")) || all.contains(QStringLiteral("нет элемента «cmdReport»")))
                continue;
            // A frame may stop with its own message (nothing chosen yet), never with an error of the database.
            for (const QString& e : r.errors)
                EXPECT_TRUE(r.messages.contains(e)) << w.key.toStdString() << " / " << caption.toStdString() << ": "
                                                    << e.toStdString();
            std::printf("%s: %s ran on the server\n", qPrintable(w.key), qPrintable(caption));
            ++windowsRun;
            break;
        }
    }
    EXPECT_GE(windowsRun, 1);
}

// Two connections of two users interleave their staging cycles step by step:
// each empties, fills and reads only its own rows.
TEST_F(ServerTest, TwoConnectionsEachSeeOnlyTheirOwnStagingRows)
{
    QString cs, embedded;
    demoFleets(&cs, &embedded);
    Connection a, b;
    a.open(cs);
    b.open(cs);
    Dataset da(&a), db(&b);
    const QString query = QStringLiteral("Select * From REPORT_PROGNOZ ORDER BY ID;");
    auto read = [&](Dataset& ds) {
        ds.setCommandText(query);
        ds.open();
        QStringList out;
        for (; !ds.eof(); ds.next()) out << ds.str(1);
        return out;
    };
    {
        StagingWriter wa(da, query);
        wa.addRow({QStringLiteral("A1")});
        wa.addRow({QStringLiteral("A2")});
        wa.finish();
        // B empties the table while A's rows are committed, then writes its own
        // while A is still writing.
        StagingWriter wb(db, query);
        wb.addRow({QStringLiteral("B1")});
        StagingWriter wa2(da, query);
        wa2.addRow({QStringLiteral("A3")});
        wb.finish();
        wa2.finish();
    }
    EXPECT_EQ(read(da), QStringList{"A3"});
    EXPECT_EQ(read(db), QStringList{"B1"});
    // The rows stay until the next run of the same connection.
    a.close();
    EXPECT_EQ(read(db), QStringList{"B1"});
}

struct Timed {
    QString csv;
    int status = -1;
    double seconds = 0;
    QString errors;
};

// `plan run` of one forecast by one user, its staging table written to dir.
QProcess* startRun(const QString& cs, const QString& home, const QString& item, const QString& dir)
{
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ISC_USER"), Server::get().user);
    env.insert(QStringLiteral("ISC_PASSWORD"), Server::get().password);
    env.insert(QStringLiteral("PLAN_USER_ROOT"), dir + QStringLiteral("/user"));
    p->setProcessEnvironment(env);
    p->start(QCoreApplication::applicationDirPath() + QStringLiteral("/plan"),
             {"--db", cs, "--home", home, "--today", "2026-12-05", "run", "frmPlanPrognoz", item, "--staging-dir", dir});
    return p;
}

Timed finish(QProcess* p, const QString& dir, const QElapsedTimer& clock)
{
    Timed t;
    p->waitForFinished(300000);
    t.seconds = clock.elapsed() / 1000.0;
    t.status = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
    t.errors = QString::fromUtf8(p->readAllStandardError());
    QFile f(dir + QStringLiteral("/REPORT_PROGNOZ.csv"));
    // The keys come from one generator for all connections; the rows are compared without them.
    if (f.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n")))
            t.csv += line.section(QLatin1Char(','), 1) + QLatin1Char('\n');
    delete p;
    return t;
}

TEST_F(ServerTest, TwoUsersReportingAtOnceGetExactlyTheirOwnRows)
{
    QString cs, embedded;
    demoFleets(&cs, &embedded);
    const QString base = plantest::scratchDir() + QStringLiteral("/two-users");
    const QString items[2] = {EnginesItem, GearboxesItem};
    Timed alone[2], together[2];
    for (int i = 0; i < 2; ++i) {
        QElapsedTimer clock;
        clock.start();
        alone[i] = finish(startRun(cs, home, items[i], base + QStringLiteral("/alone%1").arg(i)),
                          base + QStringLiteral("/alone%1").arg(i), clock);
        ASSERT_EQ(alone[i].status, 0) << alone[i].errors.toStdString();
    }
    ASSERT_NE(alone[0].csv, alone[1].csv);
    QElapsedTimer clock;
    clock.start();
    QProcess* p[2];
    for (int i = 0; i < 2; ++i) p[i] = startRun(cs, home, items[i], base + QStringLiteral("/together%1").arg(i));
    for (int i = 0; i < 2; ++i) together[i] = finish(p[i], base + QStringLiteral("/together%1").arg(i), clock);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(together[i].status, 0) << together[i].errors.toStdString();
        EXPECT_EQ(together[i].csv, alone[i].csv) << items[i].toStdString();
    }
    std::printf("two users on the server: engines alone %.2f s, gearboxes alone %.2f s, both at once %.2f s "
                "(engines done at %.2f s, gearboxes at %.2f s)\n",
                alone[0].seconds, alone[1].seconds, std::max(together[0].seconds, together[1].seconds),
                together[0].seconds, together[1].seconds);
}

struct CredentialCase {
    const char* name;
    bool envUser, envPassword; // ISC_USER / ISC_PASSWORD set to the test user's
    QStringList options;       // before the command; "<pw>" stands for the password
    const char* wrongPassword; // ISC_PASSWORD set to this instead, "" = not
    int status;
    const char* stderrHas;
};

class ServerCredentialsTest : public ServerTest, public ::testing::WithParamInterface<CredentialCase> {};

TEST_P(ServerCredentialsTest, CredentialsComeFromEnvironmentOrOptionsAndNeverShow)
{
    const CredentialCase& c = GetParam();
    QString cs, embedded;
    demoFleets(&cs, &embedded);
    const QString dir = plantest::scratchDir() + QStringLiteral("/cred-") + QString::fromLatin1(c.name);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ISC_USER"));
    env.remove(QStringLiteral("ISC_PASSWORD"));
    if (c.envUser) env.insert(QStringLiteral("ISC_USER"), server().user);
    if (c.envPassword) env.insert(QStringLiteral("ISC_PASSWORD"), server().password);
    if (*c.wrongPassword) env.insert(QStringLiteral("ISC_PASSWORD"), QString::fromLatin1(c.wrongPassword));
    env.insert(QStringLiteral("PLAN_TRACE_SQL"), QStringLiteral("1"));
    env.insert(QStringLiteral("PLAN_USER_ROOT"), dir + QStringLiteral("/user"));
    QStringList args = c.options;
    args.replaceInStrings(QStringLiteral("<pw>"), server().password);
    args << "--db" << cs << "--home" << home << "run" << "frmPlanPrognoz" << EnginesItem << "--staging-dir" << dir;
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/plan"), args);
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), c.status) << err.toStdString();
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.stderrHas))) << err.toStdString();
    for (const QString& secret : {server().password, QString::fromLatin1(c.wrongPassword)}) {
        if (secret.isEmpty()) continue;
        EXPECT_FALSE(out.contains(secret)) << out.toStdString();
        EXPECT_FALSE(err.contains(secret)) << "the password shows in: " << err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Server, ServerCredentialsTest,
    ::testing::Values(
        // The trace names the user it connects as, and only that.
        CredentialCase{"FromEnvironment", true, true, {}, "", 0, "CONNECT localhost/"},
        CredentialCase{"FromOptions", false, false, {"--db-user", "PLANUSER", "--db-password", "<pw>"}, "", 0, "USER PLANUSER"},
        CredentialCase{"OptionsBeforeEnvironment", true, false, {"--db-password", "<pw>"}, "wrong-secret-1", 0, "USER PLANUSER"},
        CredentialCase{"WrongPassword", true, false, {}, "wrong-secret-2", 1, "не принял пользователя и пароль"},
        CredentialCase{"NoneGiven", false, false, {}, "", 1, "ISC_USER и ISC_PASSWORD"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
