#pragma once
// Common ground of the frame tests of every window: one database with the
// full schema per test binary, emptied and filled by each test with just the
// rows it needs; today fixed (15.06.2026 unless a test sets another); a fresh
// installation and settings folder per test with every report of every
// window switched on; frames run as `plan run` runs them.
//
//     fill({"REESTR", "SPRAVKA"}, {"INSERT INTO REESTR ...", ...});
//     auto r = run("frmPlanReport", "Форма 34-ГА (СВ) Тип 1", {set("cboCvartal", "#1"), tick("Ми-8 (свои)")});
//     EXPECT_EQ(staging("Select * From REPORT_FORMA_34_GA Order By ID;", 31)[0], "...");
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/MessageService.h"
#include "support/TestSupport.h"
#include "shell/FrameDriver.h"
#include "shell/PlanFrame.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace frametest {

class FrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The database of the test binary.
    static QString& dbPath();

    // Empties the tables and runs the statements.
    void fill(const QStringList& tables, const QStringList& statements);
    // The user settings file (DerOvorav.ini) of the test.
    void writeSettings(const QString& text);
    QString settingsText() const;

    // Runs a bar item (caption or "#N") of a window with the steps; cmdReport
    // is pressed at the end unless a step presses a button.
    plan::shell::RunResult run(const QString& window, const QString& item,
                               const std::vector<plan::shell::RunStep>& steps);

    // The rows of a staging query, each as its columns 1..lastColumn joined
    // by ";" with the empty columns at the end left off.
    QStringList staging(const QString& query, int lastColumn = 40);

    // Opens a bar item of a host window on the test's database as a user
    // does, for tests of the controls themselves; the window (and the frame
    // in it) lives until the test ends.
    plan::shell::TPlanFrame* openFrame(const QString& window, const QString& item,
                                       const QString& user = QStringLiteral("planner"));

    QString base;
    std::unique_ptr<plan::Connection> conn;
    plan::shell::RunResult lastRun;

private:
    struct OpenWindow;
    std::shared_ptr<OpenWindow> m_open;
};

inline plan::shell::RunStep tick(const char* text) { return {plan::shell::RunStep::Tick, QString::fromUtf8(text), {}}; }
inline plan::shell::RunStep select(const char* text)
{
    return {plan::shell::RunStep::Select, QString::fromUtf8(text), {}};
}
inline plan::shell::RunStep press(const char* name) { return {plan::shell::RunStep::Press, QString::fromUtf8(name), {}}; }
inline plan::shell::RunStep set(const char* name, const char* value)
{
    return {plan::shell::RunStep::Set, QString::fromUtf8(name), QString::fromUtf8(value)};
}
inline plan::shell::RunStep set(const char* name, const QString& value)
{
    return {plan::shell::RunStep::Set, QString::fromUtf8(name), value};
}

} // namespace frametest
