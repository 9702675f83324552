// `plan run --staging-dir DIR`: one CSV per staging table the run wrote, read
// by the table's own query; an emptied table gives its header alone; a run
// stopped by a message writes no table it did not touch.
#include "shell/ShellFixture.h"

#include "platform/Dataset.h"
#include "platform/ReportCycle.h"
#include "shell/FrameDriver.h"
#include "shell/PlanFrame.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace plan;
using namespace plan::shell;
using shelltest::ShellTest;

namespace {

const QString MainQuery = QStringLiteral("Select * From REPORT_SHELL_T ORDER BY ID;");
const QString SecondQuery = QStringLiteral("Select * From REPORT_SHELL_T2 ORDER BY C1;");

// Writes a second table of its own (txtMode "both": three rows out of the
// order of its query; "empty": emptied only) and then the main table of the
// report; an empty txtMode stops with a message before any table is touched.
class TfrShellTwoTables : public TPlanFrame {
public:
    TfrShellTwoTables() : TPlanFrame(QStringLiteral("frmPlanUdoShum"))
    {
        auto* l = new QVBoxLayout(this);
        txtMode = new QLineEdit(this);
        txtMode->setObjectName(QStringLiteral("txtMode"));
        l->addWidget(txtMode);
        auto* cmdReport = new QPushButton(this);
        cmdReport->setObjectName(QStringLiteral("cmdReport"));
        l->addWidget(cmdReport);
        bindShowButton(cmdReport);
    }
    void FunStart() override {}
    void FunReport() override
    {
        const QString mode = txtMode->text();
        if (mode.isEmpty()) {
            MessageService::show(QStringLiteral("Не указан режим"), MessageService::Kind::Warning);
            return;
        }
        {
            Dataset second(connection());
            StagingWriter w(second, SecondQuery);
            if (mode == QLatin1String("both"))
                for (const char* name : {"Редуктор", "Двигатель", "Лопасть"}) w.addRow({QString::fromUtf8(name), mode});
            w.finish();
        }
        runSingleReport(reportHost(), *ADOQueryReport, MainQuery, QStringLiteral("rep01"), [&](StagingWriter& w) {
            w.addRow({QStringLiteral("Ми-8 22222"), mode});
            w.addRow({QStringLiteral("!Итого"), QStringLiteral("1, \"один\"")});
        });
    }

private:
    QLineEdit* txtMode;
};
PLAN_REGISTER_FRAME(TfrShellTwoTables)

const QString Item = QStringLiteral("Перечень исходной информации");

QStringList csvLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("<no file>")};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    // The keys depend on earlier runs; the order of the rows is what counts.
    for (int i = 1; i < lines.size(); ++i) lines[i] = QStringLiteral("<id>,") + lines[i].section(QLatin1Char(','), 1);
    return lines;
}

struct DirCase {
    const char* name;
    const char* mode;              // txtMode; "" stops with the message
    int status;
    QStringList mainTable;         // REPORT_SHELL_T.csv, {} = no file
    QStringList secondTable;       // REPORT_SHELL_T2.csv, {} = no file
};

class StagingDirTest : public ShellTest, public ::testing::WithParamInterface<DirCase> {};

TEST_P(StagingDirTest, WritesEveryTableTheRunWrote)
{
    const DirCase& c = GetParam();
    writeHome("reports.ini", "[plan_udoshum]\n" + Item + "=1\n");
    writeHome("templates/frmPlanUdoShum/rep01.html", "<html><body>{{#rows}}<p>{{c1}}</p>{{/rows}}</body></html>");
    const FrameRegistry::Factory previous =
        FrameRegistry::replace("TfrPlanUdoShumIshodInfo", [] { return FrameRegistry::create("TfrShellTwoTables"); });

    const QString dir = base + "/staging";
    // A file of an earlier run in the folder must not pass for this run's.
    plantest::writeFile(dir + "/REPORT_SHELL_T.csv", "ID,C1\r\n1,stale\r\n");
    plantest::writeFile(dir + "/notes.txt", "kept");

    RunRequest r;
    ASSERT_EQ(parseRunArguments({"frmPlanUdoShum", Item, "--set", QString("txtMode=") + c.mode, "--staging-dir", dir,
                                 "--staging", base + "/main.csv"},
                                &r),
              QString());
    const RunResult res = runItem(r);
    FrameRegistry::replace("TfrPlanUdoShumIshodInfo", previous);

    EXPECT_EQ(res.status, c.status) << res.errors.join('\n').toStdString();
    const QString mainFile = dir + "/REPORT_SHELL_T.csv";
    const QString secondFile = dir + "/REPORT_SHELL_T2.csv";
    EXPECT_EQ(QFile::exists(mainFile), !c.mainTable.isEmpty());
    EXPECT_EQ(QFile::exists(secondFile), !c.secondTable.isEmpty());
    if (!c.mainTable.isEmpty()) EXPECT_EQ(csvLines(mainFile), c.mainTable);
    if (!c.secondTable.isEmpty()) EXPECT_EQ(csvLines(secondFile), c.secondTable);
    EXPECT_EQ(readAll(dir + "/notes.txt"), "kept");
    // --staging still gives the report's main table, the same as its file in the folder.
    if (c.status == 0) {
        EXPECT_EQ(csvLines(base + "/main.csv"), c.mainTable);
        EXPECT_TRUE(res.written.contains(mainFile) && res.written.contains(secondFile)) << res.written.join(' ').toStdString();
        // The run's result holds the same tables, in the order first written.
        ASSERT_EQ(res.staging.size(), 2u);
        EXPECT_EQ(res.staging[0].table, "REPORT_SHELL_T2");
        EXPECT_EQ(res.staging[1].table, "REPORT_SHELL_T");
    }
}

const QStringList MainRows = {"ID,C1,C2,C3,C4", "<id>,Ми-8 22222,%1,,", "<id>,!Итого,\"1, \"\"один\"\"\",,"};

INSTANTIATE_TEST_SUITE_P(
    Driver, StagingDirTest,
    ::testing::Values(
        DirCase{"BothTablesInTheirQueryOrder", "both", 0, QStringList(MainRows).replaceInStrings("%1", "both"),
                {"ID,C1,C2", "<id>,Двигатель,both", "<id>,Лопасть,both", "<id>,Редуктор,both"}},
        DirCase{"EmptiedTableGivesItsHeader", "empty", 0, QStringList(MainRows).replaceInStrings("%1", "empty"),
                {"ID,C1,C2"}},
        DirCase{"MessageWritesNoTable", "", 1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
