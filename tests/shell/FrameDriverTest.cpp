// `plan run` on a frame made for the test: controls set by name, rows
// ticked and selected by text, the show button pressed, the outputs written.
#include "shell/ShellFixture.h"

#include "platform/Dataset.h"
#include "platform/ReportCycle.h"
#include "shell/FrameDriver.h"
#include "shell/PlanFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <stdexcept>

using namespace plan;
using namespace plan::shell;
using shelltest::ShellTest;

namespace {

// Writes one staging row per ticked aircraft: type chosen, flying, tick box,
// date and period, aircraft; and a last row naming the selected row.
class TfrShellEcho : public TPlanFrame {
public:
    TfrShellEcho() : TPlanFrame(QStringLiteral("frmPlanUdoShum"))
    {
        auto* l = new QVBoxLayout(this);
        cboType = add<QComboBox>("cboType", l);
        cboType->addItems({"Ми-8", "Ми-2", "Ан-2"});
        txtNalet = add<QLineEdit>("txtNalet", l);
        chkTune = add<QCheckBox>("chkTune", l);
        dtpDate = add<QDateEdit>("dtpDate", l);
        optMonth = add<QRadioButton>("optMonth", l);
        optYear = add<QRadioButton>("optYear", l);
        optMonth->setChecked(true);
        GridSpravka = add<QTreeWidget>("GridSpravka", l);
        GridSpravka->setHeaderHidden(true);
        auto* cmdReport = add<QPushButton>("cmdReport", l);
        bindShowButton(cmdReport);
        connect(GridSpravka, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* it, int) { selected = it->text(0); });
    }
    void FunStart() override
    {
        auto group = [this](const QString& type, const QStringList& boards) {
            auto* g = new QTreeWidgetItem(GridSpravka, {type});
            g->setCheckState(0, Qt::Unchecked);
            for (const QString& b : boards) new QTreeWidgetItem(g, {type + " " + b});
            for (int i = 0; i < g->childCount(); ++i) g->child(i)->setCheckState(0, Qt::Unchecked);
        };
        group("Ми-8", {"22222", "33333"});
        group("Ми-2", {"44444"});
    }
    void FunReport() override
    {
        if (txtNalet->text().isEmpty()) {
            MessageService::show(QStringLiteral("Не указан налет"), MessageService::Kind::Warning);
            return;
        }
        runSingleReport(reportHost(), *ADOQueryReport, QStringLiteral("Select * From REPORT_SHELL_T ORDER BY ID;"),
                        QStringLiteral("rep01"), [this](StagingWriter& w) {
                            if (txtNalet->text() == "boom") throw std::runtime_error("boom in the run");
                            for (QTreeWidgetItemIterator it(GridSpravka); *it; ++it)
                                if ((*it)->parent() && (*it)->checkState(0) == Qt::Checked)
                                    w.addRow({cboType->currentText(),
                                              txtNalet->text() + (chkTune->isChecked() ? " tuned" : ""),
                                              dtpDate->date().toString("dd.MM.yyyy") + (optYear->isChecked() ? " year" : " month"),
                                              (*it)->text(0)});
                            w.addRow({"selected", selected});
                        });
    }

private:
    template <class W>
    W* add(const char* name, QVBoxLayout* l)
    {
        auto* w = new W(this);
        w->setObjectName(QString::fromLatin1(name));
        l->addWidget(w);
        return w;
    }
    QComboBox* cboType;
    QLineEdit* txtNalet;
    QCheckBox* chkTune;
    QDateEdit* dtpDate;
    QRadioButton* optMonth;
    QRadioButton* optYear;
    QTreeWidget* GridSpravka;
    QString selected;
};
PLAN_REGISTER_FRAME(TfrShellEcho)

class FrameSwap {
public:
    FrameSwap(const QString& cls, FrameRegistry::Factory f) : m_cls(cls), m_prev(FrameRegistry::replace(cls, std::move(f))) {}
    ~FrameSwap() { FrameRegistry::replace(m_cls, m_prev); }

private:
    QString m_cls;
    FrameRegistry::Factory m_prev;
};

const QString Item = QStringLiteral("Перечень исходной информации");
const char* Template = "<html><body>{{#rows}}<p>{{c1}} {{c2}}</p>{{/rows}}</body></html>";

struct RunCase {
    const char* name;
    QStringList args;     // after WINDOW ITEM
    int status;
    QStringList rows;     // staging rows without their ID, "" = not checked
    const char* error;    // part of the first error, "" = none
};

class DriverRunTest : public ShellTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(DriverRunTest, RunsTheFrameAsAskedAndWritesItsOutputs)
{
    const RunCase& c = GetParam();
    writeHome("reports.ini", "[plan_udoshum]\n" + Item + "=1\n[PLAN_SPRAVKA]\nФорма Г3 (ОСиЛ)=1\n");
    writeHome("templates/frmPlanUdoShum/rep01.html", QString::fromUtf8(Template));
    FrameSwap swap("TfrPlanUdoShumIshodInfo", [] { return FrameRegistry::create("TfrShellEcho"); });
    // Г3 taken out of the registry stands for an item whose frame is not built.
    FrameSwap notBuilt("TfrPlanSprFormaG3", {});

    RunRequest r;
    QStringList args = c.args;
    if (args.size() < 2 || args[0].startsWith("--")) args = QStringList{"frmPlanUdoShum", Item} + args;
    args << "--staging" << base + "/staging.csv" << "--pdf" << base + "/out.pdf" << "--template-dir" << base + "/tpl";
    ASSERT_EQ(parseRunArguments(args, &r), QString());
    const RunResult res = runItem(r);

    EXPECT_EQ(res.status, c.status) << res.errors.join('\n').toStdString();
    if (*c.error) {
        ASSERT_FALSE(res.errors.isEmpty());
        EXPECT_TRUE(res.errors.first().contains(QString::fromUtf8(c.error))) << res.errors.first().toStdString();
    } else {
        EXPECT_TRUE(res.errors.isEmpty()) << res.errors.join('\n').toStdString();
    }
    if (!c.rows.isEmpty()) {
        QStringList lines = readAll(base + "/staging.csv").split("\r\n", Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.takeFirst(), "ID,C1,C2,C3,C4");
        for (QString& l : lines) l = l.section(',', 1);
        EXPECT_EQ(lines, c.rows);
        EXPECT_TRUE(readAll(base + "/out.pdf").startsWith("%PDF"));
        EXPECT_EQ(readAll(base + "/tpl/frmPlanUdoShum-rep01.html"), QString::fromUtf8(Template));
    }
    // No window is left over from the run.
    EXPECT_EQ(moduleWindow("frmPlanUdoShum"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, DriverRunTest,
    ::testing::Values(
        RunCase{"AllControls",
                {"--set", "cboType=Ми-2", "--set", "txtNalet=20", "--set", "chkTune=1", "--set", "dtpDate=05.03.2024",
                 "--set", "optYear=1", "--tick", "Ми-8", "--select", "Ми-2 44444"},
                0,
                {"Ми-2,20 tuned,05.03.2024 year,Ми-8 22222", "Ми-2,20 tuned,05.03.2024 year,Ми-8 33333",
                 "selected,Ми-2 44444,,"},
                ""},
        RunCase{"ComboByIndexOneRow",
                {"--set", "cboType=#2", "--set", "txtNalet=7", "--tick", "Ми-2 44444", "--set", "dtpDate=31.12.2023"},
                0,
                {"Ан-2,7,31.12.2023 month,Ми-2 44444", "selected,,,"},
                ""},
        RunCase{"UntickLeavesTheRestOfTheGroup",
                {"--set", "txtNalet=3", "--set", "dtpDate=01.02.2024", "--tick", "Ми-8", "--untick", "Ми-8 22222"},
                0,
                {"Ми-8,3,01.02.2024 month,Ми-8 33333", "selected,,,"},
                ""},
        RunCase{"ItemByNumber", {"frmplanudoshum", "#1", "--set", "txtNalet=1"}, 0, {"selected,,,"}, ""},
        RunCase{"MessageBoxIsAnError", {"--tick", "Ми-8"}, 1, {}, "Не указан налет"},
        RunCase{"ErrorOfTheRunIsShown", {"--set", "txtNalet=boom"}, 1, {}, "boom in the run"},
        RunCase{"UnknownControl", {"--set", "txtNope=1"}, 1, {}, "txtNope"},
        RunCase{"BadDate", {"--set", "dtpDate=2024-03-05"}, 1, {}, "dd.mm.yyyy"},
        RunCase{"UnknownComboItem", {"--set", "cboType=Ту-154"}, 1, {}, "Ту-154"},
        RunCase{"UnknownRow", {"--tick", "Ми-26 11111"}, 1, {}, "Ми-26 11111"},
        RunCase{"ItemNotInBar", {"frmPlanUdoShum", "Нет такого"}, 1, {}, "Нет такого"},
        RunCase{"FrameNotBuilt", {"frmPlanSpravka", "Форма Г3 (ОСиЛ)"}, 1, {}, "еще не построен"},
        RunCase{"NotAHostWindow", {"frmTuneReports", "x"}, 2, {}, "frmTuneReports"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunArguments, BadArgumentsAreNamed)
{
    struct Case {
        QStringList args;
        const char* error;
    };
    const Case cases[] = {
        {{"frmPlanReport"}, "укажите окно и пункт"},
        {{"frmPlanReport", "x", "--set", "novalue"}, "NAME=VALUE"},
        {{"frmPlanReport", "x", "--pdf"}, "после --pdf укажите значение"},
        {{"frmPlanReport", "x", "--colour", "red"}, "неизвестный параметр --colour"},
    };
    for (const Case& c : cases) {
        RunRequest r;
        const QString e = parseRunArguments(c.args, &r);
        EXPECT_TRUE(e.contains(QString::fromUtf8(c.error))) << c.args.join(' ').toStdString() << ": " << e.toStdString();
    }
    RunRequest r;
    ASSERT_EQ(parseRunArguments({"frmPlanReport", "x", "--set", "txtA=b=c", "--tick", "t", "--press", "cmdGo"}, &r), QString());
    ASSERT_EQ(r.steps.size(), 3u);
    EXPECT_EQ(r.steps[0].name, "txtA");
    EXPECT_EQ(r.steps[0].value, "b=c");
    EXPECT_EQ(r.steps[2].kind, RunStep::Press);
}

} // namespace

namespace {
// A value for a control the frame has closed is left aside and said so; a
// control that is not there is named with the controls that are.
TEST(FrameDriverControls, ClosedControlsAndUnknownNames)
{
    QWidget frame;
    auto* basis = new QComboBox(&frame);
    basis->setObjectName("cboSelect");
    basis->addItems({"Наработка ВС за последние 30 дней", "Планируемая наработка ВС (час/мес)"});
    auto* planned = new QLineEdit(&frame);
    planned->setObjectName("txtNalet");
    planned->setText("0");
    QObject::connect(basis, &QComboBox::activated, planned, [planned](int i) {
        planned->setVisible(i == 1);
        planned->setEnabled(i == 1);
    });
    planned->hide();
    planned->setEnabled(false);
    auto* show = new QPushButton("Показать", &frame);
    show->setObjectName("cmdReport");

    FrameDriver d(&frame);
    d.set("txtNalet", "20");
    EXPECT_EQ(planned->text(), "0");
    ASSERT_EQ(d.notices().size(), 1);
    EXPECT_TRUE(d.notices()[0].contains("txtNalet") && d.notices()[0].contains("«20» не учитывается"))
        << d.notices()[0].toStdString();
    d.set("cboSelect", "#1");
    d.set("txtNalet", "20");
    EXPECT_EQ(planned->text(), "20");
    EXPECT_EQ(d.notices().size(), 1);

    try {
        d.set("txtNope", "1");
        ADD_FAILURE() << "an unknown control was set";
    } catch (const std::runtime_error& e) {
        const QString m = QString::fromUtf8(e.what());
        EXPECT_TRUE(m.contains("txtNope") && m.contains("cboSelect, cmdReport, txtNalet")) << e.what();
    }
}
} // namespace
