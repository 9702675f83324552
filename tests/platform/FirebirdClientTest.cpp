// How the process uses the Firebird client: where the user and password of a
// connection come from, one embedded file open in two programs at once (and
// the message when the other program excludes this one), and SIGTERM / SIGINT
// ending a program with its transaction rolled back.
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/FirebirdClient.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>

using namespace plan;

namespace {

QString program(const char* name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name); }

class EnvScope {
public:
    EnvScope(const char* name, const char* value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value) qputenv(name, value);
        else qunsetenv(name);
    }
    ~EnvScope()
    {
        if (m_had) qputenv(m_name, m_old);
        else qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(FirebirdClient, CredentialsComeFromArgumentsThenOptionsThenEnvironment)
{
    struct Case {
        const char* cs;
        const char* argUser;
        const char* argPassword;
        const char* optUser;      // setDefaultCredentials
        const char* optPassword;
        const char* envUser;      // ISC_USER, nullptr = unset
        const char* envPassword;  // ISC_PASSWORD
        const char* user;
        const char* password;
    };
    const Case cases[] = {
        // An embedded file with nothing given: the engine's default.
        {"/tmp/a.fdb", "", "", "", "", nullptr, nullptr, "SYSDBA", "masterkey"},
        // A server never gets the embedded default.
        {"db.example/3051:/data/fleet.fdb", "", "", "", "", nullptr, nullptr, "", ""},
        {"db.example:/data/fleet.fdb", "", "", "", "", "PLANNER", "s1", "PLANNER", "s1"},
        {"db.example:/data/fleet.fdb", "", "", "IVANOV", "s2", "PLANNER", "s1", "IVANOV", "s2"},
        // Each of the two is taken on its own.
        {"db.example:/data/fleet.fdb", "", "", "", "s2", "PLANNER", "s1", "PLANNER", "s2"},
        {"db.example:/data/fleet.fdb", "PETROV", "s3", "IVANOV", "s2", "PLANNER", "s1", "PETROV", "s3"},
        {"/tmp/a.fdb", "", "", "", "", "PLANNER", nullptr, "PLANNER", "masterkey"},
    };
    for (const Case& c : cases) {
        EnvScope u("ISC_USER", c.envUser), p("ISC_PASSWORD", c.envPassword);
        Connection::setDefaultCredentials(QString::fromLatin1(c.optUser), QString::fromLatin1(c.optPassword));
        const Connection::Credentials got = Connection::credentialsFor(QString::fromLatin1(c.cs),
                                                                      QString::fromLatin1(c.argUser),
                                                                      QString::fromLatin1(c.argPassword));
        EXPECT_EQ(got.user.toStdString(), c.user) << c.cs << " " << c.optUser;
        EXPECT_EQ(got.password.toStdString(), c.password) << c.cs << " " << c.optUser;
    }
    Connection::setDefaultCredentials({}, {});
}

TEST(FirebirdClient, ServerWithoutCredentialsSaysWhereToGiveThem)
{
    EnvScope u("ISC_USER", nullptr), p("ISC_PASSWORD", nullptr);
    Connection c;
    try {
        c.open(QStringLiteral("localhost/1:/nowhere.fdb"));
        FAIL() << "opened without credentials";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("--db-user"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("ISC_PASSWORD"))) << e.message().toStdString();
    }
}

TEST(FirebirdClient, TwoProgramsOpenOneEmbeddedFile)
{
    const QString db = plantest::createSchemaDatabase(QStringLiteral("shared"));
    Connection mine;
    mine.open(db);
    mine.execute(QStringLiteral("INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('A', 'Авиакомпания', 0)"));

    // A second program of the module, while this one holds the file open.
    QProcess p;
    p.start(program("plan"), {"info", "--db", db});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("EXPLUATANTY")));

    // A program whose own configuration runs the engine exclusively is told who holds the file.
    const QString conf = plantest::scratchDir() + QStringLiteral("/exclusive");
    plantest::writeFile(conf + QStringLiteral("/firebird.conf"), QStringLiteral("ServerMode = Super\n"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), conf);
    QProcess q;
    q.setProcessEnvironment(env);
    q.start(program("plan"), {"info", "--db", db});
    ASSERT_TRUE(q.waitForFinished(60000));
    const QString err = QString::fromUtf8(q.readAllStandardError());
    EXPECT_EQ(q.exitCode(), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("открыта другой программой"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("процесс %1").arg(QCoreApplication::applicationPid()))) << err.toStdString();
}

struct SignalCase {
    const char* name;
    const char* program; // "signal_probe" or "planhost"
    int signal;
    int status;
};

class SignalTest : public ::testing::TestWithParam<SignalCase> {};

TEST_P(SignalTest, SignalEndsTheProgramAndRollsItsTransactionBack)
{
    const SignalCase& c = GetParam();
    const QString db = plantest::createSchemaDatabase(QStringLiteral("signal"));
    {
        Connection setup;
        setup.open(db);
        setup.executeScript(QStringLiteral("CREATE TABLE PROBE_T (C1 VARCHAR(20));\n"));
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PLAN_USER_ROOT"), plantest::scratchDir() + QStringLiteral("/signal-user"));
    p.setProcessEnvironment(env);
    // As from a terminal: a suite run in the background passes SIGINT on ignored.
    p.setChildProcessModifier([] {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    });
    const bool probe = QLatin1String(c.program) == QLatin1String("signal_probe");
    p.start(program(c.program), probe ? QStringList{db} : QStringList{"--db", db});
    ASSERT_TRUE(p.waitForStarted());
    if (probe) {
        ASSERT_TRUE(p.waitForReadyRead(30000));
        ASSERT_EQ(p.readLine().trimmed(), "ready") << p.readAllStandardError().toStdString();
    } else {
        // The window opens its connection at start: wait until it holds the file.
        for (int i = 0; i < 600 && firebird::processesHolding(db).isEmpty(); ++i) p.waitForFinished(100);
        ASSERT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
        ASSERT_FALSE(firebird::processesHolding(db).isEmpty());
        p.waitForFinished(500);
    }
    ::kill(static_cast<pid_t>(p.processId()), c.signal);
    ASSERT_TRUE(p.waitForFinished(20000)) << "the program went on running after the signal";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), c.status);
    Connection check;
    check.open(db);
    EXPECT_EQ(queryScalar(&check, QStringLiteral("SELECT COUNT(*) FROM PROBE_T")), "0");
}

INSTANTIATE_TEST_SUITE_P(Client, SignalTest,
                         ::testing::Values(SignalCase{"ProbeTerm", "signal_probe", SIGTERM, 143},
                                           SignalCase{"ProbeInt", "signal_probe", SIGINT, 130},
                                           SignalCase{"HostTerm", "planhost", SIGTERM, 143},
                                           SignalCase{"HostInt", "planhost", SIGINT, 130}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
