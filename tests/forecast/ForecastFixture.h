#pragma once
// Common ground of the forecast tests: one database with the full schema for
// the binary, emptied and filled by each test with just the rows it needs;
// today fixed at 15.06.2026; a fresh installation and settings folder per
// test with every forecast switched on; frames run as `plan run` runs them.
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "shell/FrameDriver.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace forecasttest {

class ForecastTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (dbPath().isEmpty()) dbPath() = plantest::createSchemaDatabase(QStringLiteral("forecast"));
    }

    void SetUp() override
    {
        plan::Connection::setDefaultTarget(dbPath());
        plan::Clock::setToday(QDate(2026, 6, 15));
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        base = plantest::scratchDir() + QLatin1Char('/') + QString::fromLatin1(info->test_suite_name()) +
               QLatin1Char('-') + QString::fromLatin1(info->name()).replace(QLatin1Char('/'), QLatin1Char('_'));
        QDir(base).removeRecursively();
        plan::Paths::setHome(base + QStringLiteral("/home"));
        plan::Paths::setUserRoot(base + QStringLiteral("/user"));
        QString ini = QStringLiteral("[PLAN_PROGNOZ]\n");
        for (const char* item : {"Комплексный прогноз для выбранных ВС", "Прогноз на замену двигателей",
                                 "Прогноз на замену главных редукторов", "Прогноз на замену лопастей воздушного винта",
                                 "Прогноз на замену втулок ВВ", "Прогноз на замену лопастей несущего винта",
                                 "Прогноз на замену втулок НВ", "Прогноз на замену лопастей рулевого винта",
                                 "Прогноз на замену втулок РВ", "Прогноз на замену электролебедок",
                                 "Прогноз на замену ЗЧУ", "Прогноз на замену агрегатов"})
            ini += QString::fromUtf8(item) + QStringLiteral("=1\n");
        plantest::writeFile(base + QStringLiteral("/home/reports.ini"), ini);
        // The installation's templates: a missing one would end the run with its message.
        plantest::installTemplates(base + QStringLiteral("/home"));
        plan::MessageService::setHeadless(true);
        plan::MessageService::clear();
        conn = plantest::connect(dbPath());
    }

    void TearDown() override
    {
        plan::Clock::reset();
        plan::MessageService::clear();
    }

    static QString& dbPath()
    {
        static QString p;
        return p;
    }

    // Empties the tables and runs the inserts.
    void fill(const QStringList& tables, const QStringList& inserts)
    {
        for (const QString& t : tables) conn->execute(QStringLiteral("DELETE FROM ") + t);
        for (const QString& s : inserts) conn->execute(s);
    }

    void writeSettings(const QString& text)
    {
        plantest::writeFile(base + QStringLiteral("/user/DerOvorav.ini"), text);
    }

    // Runs a bar item of frmPlanPrognoz with the steps (cmdReport pressed at the end).
    plan::shell::RunResult runForecast(const QString& item, const std::vector<plan::shell::RunStep>& steps)
    {
        plan::shell::RunRequest r;
        r.window = QStringLiteral("frmPlanPrognoz");
        r.item = item;
        r.steps = steps;
        lastRun = plan::shell::runItem(r);
        return lastRun;
    }

    // The rows of REPORT_PROGNOZ the last run left (private to its
    // connection, so taken from the run's result), each as its columns
    // 1..11 joined by ";" with the empty columns at the end left off.
    QStringList stagingRows() const
    {
        QStringList out;
        const plan::shell::StagedTable* t = lastRun.stagedTable(QStringLiteral("REPORT_PROGNOZ"));
        if (!t) return out;
        for (const QStringList& row : t->rows) {
            QStringList cells = row.mid(1, 11);
            while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
            out << cells.join(QLatin1Char(';'));
        }
        return out;
    }

    plan::shell::RunResult lastRun;
    QString base;
    std::unique_ptr<plan::Connection> conn;
};

inline plan::shell::RunStep tick(const char* text) { return {plan::shell::RunStep::Tick, QString::fromUtf8(text), {}}; }
inline plan::shell::RunStep set(const char* name, const char* value)
{
    return {plan::shell::RunStep::Set, QString::fromUtf8(name), QString::fromUtf8(value)};
}

} // namespace forecasttest
