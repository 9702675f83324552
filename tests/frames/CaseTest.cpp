// Frame tests as data: every folder under tests/cases is one case.
//
//   fleet.sql     the rows of the case, statements separated by ";" at a
//                 line end, run on an empty database of the full schema;
//                 lines starting with "--" are comments
//   args          the `plan run` arguments, one a line: window, item, then
//                 options and their values ("--set", "cboCvartal=#1", ...)
//   today         (optional) the clock's date, yyyy-mm-dd; 2026-06-15 otherwise
//   settings.ini  (optional) the user settings file
//   expected.csv  the staging table of the report after the run, as
//                 `plan run ... --staging FILE` writes it
//
// PLAN_UPDATE_CASES=1 writes expected.csv from the run instead of comparing
// (read the new file before committing it).
#include "support/FrameFixture.h"

#include "platform/Paths.h"
#include "shell/FrameDriver.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    const QDir dir(QStringLiteral(PLAN_SOURCE_DIR "/tests/cases"));
    for (const QString& n : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (QFile::exists(dir.filePath(n + QStringLiteral("/args")))) names.push_back(n.toStdString());
    if (names.empty()) names.push_back("(none)");
    return names;
}

class FrameCase : public frametest::FrameTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(FrameCase, StagingAsExpected)
{
    if (GetParam() == "(none)") GTEST_SKIP() << "no cases";
    const QString dir = QStringLiteral(PLAN_SOURCE_DIR "/tests/cases/") + QString::fromStdString(GetParam());
    // A database of its own, so that keys start at 1 as in the expected file.
    const QString db = plantest::createSchemaDatabase(QStringLiteral("case"));
    plan::Connection::setDefaultTarget(db);
    conn = plantest::connect(db);
    const QStringList statements = readText(dir + QStringLiteral("/fleet.sql"))
                                       .split(QRegularExpression(QStringLiteral(";[ \\t]*\\r?\\n")), Qt::SkipEmptyParts);
    for (const QString& s : statements) {
        // Comment lines ("-- ...") say what the rows are for; they go before a statement.
        QStringList lines = s.split(QLatin1Char('\n'));
        lines.removeIf([](const QString& l) { return l.trimmed().startsWith(QStringLiteral("--")); });
        const QString statement = lines.join(QLatin1Char('\n')).trimmed();
        if (!statement.isEmpty()) conn->execute(statement);
    }
    const QString today = readText(dir + QStringLiteral("/today")).trimmed();
    if (!today.isEmpty()) plan::Clock::setToday(QDate::fromString(today, Qt::ISODate));
    if (QFile::exists(dir + QStringLiteral("/settings.ini"))) writeSettings(readText(dir + QStringLiteral("/settings.ini")));

    QStringList args = readText(dir + QStringLiteral("/args")).split(QLatin1Char('\n'));
    while (!args.isEmpty() && args.last().trimmed().isEmpty()) args.removeLast();
    const QString csv = base + QStringLiteral("/staging.csv");
    args << QStringLiteral("--staging") << csv;
    plan::shell::RunRequest request;
    const QString bad = plan::shell::parseRunArguments(args, &request);
    ASSERT_TRUE(bad.isEmpty()) << bad.toStdString();
    const plan::shell::RunResult r = plan::shell::runItem(request);
    ASSERT_EQ(r.status, 0) << r.errors.join(QLatin1Char('\n')).toStdString();

    const QString got = readText(csv).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString expectedPath = dir + QStringLiteral("/expected.csv");
    if (qEnvironmentVariableIntValue("PLAN_UPDATE_CASES") == 1) {
        plantest::writeFile(expectedPath, got);
        GTEST_SKIP() << "wrote " << expectedPath.toStdString();
    }
    const QString expected = readText(expectedPath).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameCase, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                             std::string n = i.param;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

} // namespace
