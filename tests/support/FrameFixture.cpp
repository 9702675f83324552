#include "support/FrameFixture.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "shell/HostWindow.h"
#include "shell/StartPlan.h"

#include <QDir>
#include <QFile>

namespace frametest {

QString& FrameTest::dbPath()
{
    static QString p;
    return p;
}

void FrameTest::SetUpTestSuite()
{
    if (dbPath().isEmpty()) dbPath() = plantest::createSchemaDatabase(QStringLiteral("frames"));
}

void FrameTest::SetUp()
{
    plan::Connection::setDefaultTarget(dbPath());
    plan::Clock::setToday(QDate(2026, 6, 15));
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    base = plantest::scratchDir() + QLatin1Char('/') + QString::fromLatin1(info->test_suite_name()) +
           QLatin1Char('-') + QString::fromLatin1(info->name()).replace(QLatin1Char('/'), QLatin1Char('_'));
    QDir(base).removeRecursively();
    plan::Paths::setHome(base + QStringLiteral("/home"));
    plan::Paths::setUserRoot(base + QStringLiteral("/user"));
    QDir().mkpath(base + QStringLiteral("/home"));
    QDir().mkpath(base + QStringLiteral("/user"));
    plantest::installTemplates(base + QStringLiteral("/home"));
    {
        plan::IniFile ini(base + QStringLiteral("/home/reports.ini"));
        for (const auto& w : plan::shell::moduleWindows()) {
            const plan::shell::HostTraits* t = plan::shell::hostTraits(w.key);
            if (!t) continue;
            for (const auto& item : t->items) ini.writeBool(t->section, item.key(), true);
        }
    }
    plan::MessageService::setHeadless(true);
    plan::MessageService::clear();
    conn = plantest::connect(dbPath());
}

struct FrameTest::OpenWindow {
    std::unique_ptr<plan::Dataset> d1, d2, d3;
    plan::shell::THostWindow* window = nullptr;
    ~OpenWindow() { delete window; }
};

plan::shell::TPlanFrame* FrameTest::openFrame(const QString& window, const QString& item, const QString& user)
{
    // The report datasets are on the test's connection, so that staging()
    // and conn read the rows the frame writes.
    m_open = std::make_shared<OpenWindow>();
    m_open->d1 = std::make_unique<plan::Dataset>(conn.get());
    m_open->d2 = std::make_unique<plan::Dataset>(conn.get());
    m_open->d3 = std::make_unique<plan::Dataset>(conn.get());
    m_open->window = plan::shell::loadHostWindow(window, m_open->d1.get(), m_open->d2.get(), m_open->d3.get(), user,
                                                 plan::shell::ShowMode::NoLoop);
    return m_open->window ? m_open->window->openItem(item) : nullptr;
}

void FrameTest::TearDown()
{
    m_open.reset();
    plan::Clock::reset();
    plan::MessageService::clear();
}

void FrameTest::fill(const QStringList& tables, const QStringList& statements)
{
    for (const QString& t : tables) conn->execute(QStringLiteral("DELETE FROM ") + t);
    for (const QString& s : statements) conn->execute(s);
}

void FrameTest::writeSettings(const QString& text) { plantest::writeFile(base + QStringLiteral("/user/DerOvorav.ini"), text); }

QString FrameTest::settingsText() const
{
    QFile f(base + QStringLiteral("/user/DerOvorav.ini"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

plan::shell::RunResult FrameTest::run(const QString& window, const QString& item,
                                      const std::vector<plan::shell::RunStep>& steps)
{
    plan::shell::RunRequest r;
    r.window = window;
    r.item = item;
    r.steps = steps;
    // The run writes through this test's connection, so that staging() can
    // read the rows it left (they are private to the connection).
    r.connection = conn.get();
    lastRun = plan::shell::runItem(r);
    return lastRun;
}

QStringList FrameTest::staging(const QString& query, int lastColumn)
{
    auto joined = [lastColumn](const QStringList& row) {
        QStringList cells = row.mid(1, lastColumn);
        while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
        return cells.join(QLatin1Char(';'));
    };
    QStringList out;
    // A table the last run wrote by this very query, read through the
    // connection that wrote it (its rows are private to that connection).
    for (const plan::shell::StagedTable& t : lastRun.staging)
        if (query.contains(t.table, Qt::CaseInsensitive) && query.trimmed() == t.query.trimmed()) {
            for (const QStringList& row : t.rows) out << joined(row);
            return out;
        }
    plan::Dataset ds(conn.get());
    ds.setCommandText(query);
    ds.open();
    for (; !ds.eof(); ds.next()) {
        QStringList row;
        for (int i = 0; i < ds.fieldCount(); ++i) row << ds.str(i);
        out << joined(row);
    }
    return out;
}

} // namespace frametest
