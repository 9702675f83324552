// `plan batch`: the lines of a batch file, and a batch whose middle report
// fails while the others are still filed.
#include "shell/ShellFixture.h"

#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"
#include "shell/ReportBatch.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace plan;
using namespace plan::shell;
using shelltest::ShellTest;

namespace {

// Writes one row naming its mode; an empty mode stops with a message.
class TfrShellBatch : public TPlanFrame {
public:
    TfrShellBatch() : TPlanFrame(QStringLiteral("frmPlanUdoShum"))
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
        if (txtMode->text().isEmpty()) {
            MessageService::show(QStringLiteral("Не указан режим отчета"), MessageService::Kind::Warning);
            return;
        }
        runSingleReport(reportHost(), *ADOQueryReport, QStringLiteral("Select * From REPORT_SHELL_T ORDER BY ID;"),
                        QStringLiteral("rep01"), [&](StagingWriter& w) {
                            w.addRow({txtMode->text()});
                            w.addRow({QStringLiteral("вторая")});
                        });
    }

private:
    QLineEdit* txtMode;
};
PLAN_REGISTER_FRAME(TfrShellBatch)

const QString Item = QStringLiteral("Перечень исходной информации");

struct ParseCase {
    const char* name;
    QString text;
    QStringList formats;
    QString error;        // a part of the error text; "" = the batch is good
    QStringList outputs;  // file names of the entries, in order, joined by "+" per entry
};

class ReportBatchParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ReportBatchParse, ReadsLinesOrNamesTheBadOne)
{
    const ParseCase& c = GetParam();
    std::vector<BatchEntry> entries;
    const QString error = parseBatch(c.text, QStringLiteral("/out"), c.formats, &entries);
    if (!c.error.isEmpty()) {
        EXPECT_TRUE(error.contains(c.error)) << error.toStdString();
        EXPECT_TRUE(entries.empty());
        return;
    }
    ASSERT_EQ(error, QString());
    QStringList got;
    for (const BatchEntry& e : entries) got << e.outputs.join('+');
    EXPECT_EQ(got, c.outputs);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReportBatchParse,
    ::testing::Values(
        ParseCase{"CommentsAndBlankLinesSkipped",
                  "# month end\n\nfrmPlanReport \"Форма 36-ГА (СВ)\" --set picDate=01.12.2026 f36\n"
                  "  # indented comment\nfrmPlanReport #3 --tick \"Ми-8АМТ\" park.pdf\n",
                  {"pdf"}, "", {"/out/f36.pdf", "/out/park.pdf"}},
        ParseCase{"ItemByNumberIsNotAComment", "frmPlanReport #2 f2\n", {"pdf"}, "", {"/out/f2.pdf"}},
        ParseCase{"NameWithoutWindowAndItem", "frmPlanReport f36\n", {"pdf"}, "строка 1", {}},
        ParseCase{"OptionAsLastWord", "frmPlanReport X --set picDate=01.12.2026 --strict\n", {"pdf"},
                  "последним словом строки", {}},
        ParseCase{"BadOptionNamesItsLine", "frmPlanReport X a\nfrmPlanReport Y --sett a=1 b\n", {"pdf"},
                  "строка 2: неизвестный параметр --sett", {}},
        ParseCase{"TwoLinesOneFile", "frmPlanReport X a\nfrmPlanReport Y a.pdf\n", {"pdf"}, "уже пишет другая строка",
                  {}},
        ParseCase{"UnknownFormat", "frmPlanReport X a\n", {"doc"}, "формата «doc» нет", {}},
        ParseCase{"NothingToRun", "# only a comment\n", {"pdf"}, "нет ни одного отчета", {}}),
    [](const auto& info) { return std::string(info.param.name); });

class ReportBatchRun : public ShellTest {};

TEST_F(ReportBatchRun, FailingReportLeavesNoFileOthersAreFiled)
{
    writeHome("reports.ini", "[plan_udoshum]\n" + Item + "=1\n");
    writeHome("templates/frmPlanUdoShum/rep01.html", "<html><body>{{#rows}}<p>{{c1}}</p>{{/rows}}</body></html>");
    const FrameRegistry::Factory previous =
        FrameRegistry::replace("TfrPlanUdoShumIshodInfo", [] { return FrameRegistry::create("TfrShellBatch"); });

    const QString dir = base + "/filed";
    // A file of last month under the failing report's name must not stay as if filed now.
    plantest::writeFile(dir + "/second.pdf", "stale");
    const QString text = "frmPlanUdoShum \"" + Item + "\" --set txtMode=первый --staging first.csv first\n"
                         "frmPlanUdoShum \"" + Item + "\" --set txtMode= second\n"
                         "frmPlanUdoShum #1 --set \"txtMode=третий отчет\" third.pdf\n";
    std::vector<BatchEntry> entries;
    ASSERT_EQ(parseBatch(text, dir, {"pdf"}, &entries), QString());
    QStringList progress;
    const std::vector<BatchOutcome> outcomes = runBatch(entries, [&](const QString& l) { progress << l; });
    FrameRegistry::replace("TfrPlanUdoShumIshodInfo", previous);

    ASSERT_EQ(outcomes.size(), 3u);
    EXPECT_EQ(outcomes[0].status, 0) << outcomes[0].errors.join('\n').toStdString();
    EXPECT_EQ(outcomes[1].status, 1);
    EXPECT_EQ(outcomes[2].status, 0) << outcomes[2].errors.join('\n').toStdString();
    EXPECT_EQ(outcomes[0].rows, 2);
    EXPECT_EQ(outcomes[0].pages, 1);

    EXPECT_TRUE(QFile::exists(dir + "/first.pdf"));
    EXPECT_FALSE(QFile::exists(dir + "/second.pdf"));
    EXPECT_TRUE(QFile::exists(dir + "/third.pdf"));
    // The line's own output option lands in the folder and holds that report's rows.
    EXPECT_TRUE(readAll(dir + "/first.csv").contains("первый"));

    ASSERT_EQ(progress.size(), 3);
    EXPECT_TRUE(progress[0].startsWith("[1/3] frmPlanUdoShum") && progress[0].contains("готово, страниц 1, строк 2"))
        << progress[0].toStdString();
    EXPECT_TRUE(progress[1].startsWith("[2/3]") && progress[1].contains("ОШИБКА: Не указан режим отчета"))
        << progress[1].toStdString();
    EXPECT_TRUE(progress[2].startsWith("[3/3]") && progress[2].contains("→ third.pdf: готово"))
        << progress[2].toStdString();
    const QString summary = batchSummary(outcomes, dir);
    EXPECT_TRUE(summary.contains("отчетов 3, построено 2, с ошибкой 1")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("second (строка 2)")) << summary.toStdString();
}

} // namespace
