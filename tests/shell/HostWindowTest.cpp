// The host windows: the bar as "reports.ini" switches it, the frames it
// creates, the end-of-document rule, closing with the preview, the busy span.
#include "shell/ShellFixture.h"

#include "platform/Dataset.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "shell/FrameBar.h"
#include "shell/HostWindow.h"
#include "shell/PlanFrame.h"
#include "shell/PlanZaiavSLG.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QToolButton>
#include <cstdio>
#include <stdexcept>

using namespace plan;
using namespace plan::shell;
using shelltest::ShellTest;

namespace {

THostWindow* open(const QString& key, Dataset* ds1 = nullptr)
{
    return loadHostWindow(key, ds1, nullptr, nullptr, QStringLiteral("tester"), ShowMode::NoLoop);
}

const QString Q1 = QStringLiteral("Квартальный отчет о снятых и установленных компонентах ВС");
const QString Q2 = QStringLiteral("Квартальный отчет об установленных компонентах ВС");
const QString Q3 = QStringLiteral("Квартальный отчет о всех компонентах ВС");

struct SwitchCase {
    const char* name;
    const char* fileName; // name of the switch file in the installation folder, nullptr = none
    const char* text;
    const char* window;
    QStringList bar;
};

class SwitchTest : public ShellTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, BarHoldsTheSwitchedItemsInTableOrder)
{
    const SwitchCase& c = GetParam();
    if (c.fileName) writeHome(QString::fromUtf8(c.fileName), QString::fromUtf8(c.text));
    const QString key = QString::fromUtf8(c.window);
    EXPECT_EQ(switchedItems(*hostTraits(key)), c.bar);
    THostWindow* w = open(key);
    EXPECT_EQ(w->bar()->captions(), c.bar);
}

INSTANTIATE_TEST_SUITE_P(
    Bar, SwitchTest,
    ::testing::Values(
        SwitchCase{"NoSwitchFile", nullptr, "", "frmPlanPrognoz", {}},
        SwitchCase{"OtherSectionOnly", "reports.ini", "[PLAN_REPORT]\nФорма 8-ОАСУ=1\n", "frmPlanPrognoz", {}},
        SwitchCase{"OneItem", "reports.ini", "[PLAN_PROGNOZ]\nПрогноз на замену ЗЧУ=1\n", "frmPlanPrognoz",
                   {QStringLiteral("Прогноз на замену ЗЧУ")}},
        SwitchCase{"ZeroIsOff", "reports.ini", "[PLAN_PROGNOZ]\nПрогноз на замену ЗЧУ=0\nПрогноз на замену втулок НВ=1\n",
                   "frmPlanPrognoz", {QStringLiteral("Прогноз на замену втулок НВ")}},
        SwitchCase{"TableOrderNotFileOrder", "reports.ini",
                   "[PLAN_PROGNOZ]\nПрогноз на замену агрегатов=1\nПрогноз на замену двигателей=1\n", "frmPlanPrognoz",
                   {QStringLiteral("Прогноз на замену двигателей"), QStringLiteral("Прогноз на замену агрегатов")}},
        SwitchCase{"QuarterlyKeySwitchesAllThree", "reports.ini", "[PLAN_REPORT]\nКвартальный отчет о снятых и установленных компонентах ВС=1\n",
                   "frmPlanReport", {Q1, Q2, Q3}},
        SwitchCase{"OtherQuarterlyKeysHaveNoEffect", "reports.ini",
                   "[PLAN_REPORT]\nКвартальный отчет об установленных компонентах ВС=1\n"
                   "Квартальный отчет о всех компонентах ВС=1\n",
                   "frmPlanReport", {}},
        SwitchCase{"UzgaHasItsOwnKey", "reports.ini",
                   "[PLAN_REPORT]\nСведения о наработке двигателей в УЗГА=1\n"
                   "Сведения о наработке двигателей и редукторов для АО «УЗГА»=0\n",
                   "frmPlanReport", {QStringLiteral("Сведения о наработке двигателей и редукторов для АО «УЗГА»")}},
        SwitchCase{"UzgaCaptionIsNotItsKey", "reports.ini",
                   "[PLAN_REPORT]\nСведения о наработке двигателей и редукторов для АО «УЗГА»=1\n", "frmPlanReport", {}},
        SwitchCase{"UdoShumFindsLowerCaseFile", "reports.ini", "[PLAN_UDOSHUM]\nПеречень исходной информации=1\n",
                   "frmPlanUdoShum", {QStringLiteral("Перечень исходной информации")}},
        SwitchCase{"OthersFindUpperCaseFile", "REPORTS.INI", "[SLG]\nОтчет о контрольном полете ВС=1\n",
                   "frmPlanZaiavSLG", {QStringLiteral("Отчет о контрольном полете ВС")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, CaptionsWithoutFrameYet)
{
    int missing = 0, total = 0;
    QStringList lines;
    for (const auto& info : moduleWindows()) {
        const HostTraits* t = hostTraits(info.key);
        if (!t) continue;
        for (const HostItem& item : t->items) {
            ++total;
            ASSERT_FALSE(item.frameClass.isEmpty()) << item.caption.toStdString();
            if (!FrameRegistry::contains(item.frameClass)) {
                ++missing;
                lines << QStringLiteral("  %1 / %2 (%3)").arg(info.key, item.caption, item.frameClass);
            }
        }
    }
    EXPECT_EQ(total, 12 + 21 + 16 + 1 + 3 + 4);
    std::printf("%d of %d bar items have no frame yet:\n%s\n", missing, total, lines.join('\n').toUtf8().constData());
}

// A frame that records what it was given.
class TfrProbe : public TPlanFrame {
public:
    TfrProbe() : TPlanFrame(QStringLiteral("frmPlanReport")) {}
    void FunStart() override { started << QStringLiteral("plain"); }
    void FunStart(const QString& a) override { started << a; }
    static QStringList started;
};
QStringList TfrProbe::started;

class FrameSwap {
public:
    FrameSwap(const QString& cls, FrameRegistry::Factory f) : m_cls(cls), m_prev(FrameRegistry::replace(cls, std::move(f))) {}
    ~FrameSwap() { FrameRegistry::replace(m_cls, m_prev); }

private:
    QString m_cls;
    FrameRegistry::Factory m_prev;
};

TEST_F(ShellTest, OpeningItemsCreatesTheirFrameOnceWithTheItemsArgument)
{
    writeHome("reports.ini", "[PLAN_REPORT]\nФорма 37-ГА (СВ) - ВСУ=1\nФорма 8-ОАСУ=1\n" + Q1 + "=1\n");
    FrameSwap f37("TfrPlanRepF37", [] { return new TfrProbe; });
    FrameSwap fKv("TfrPlanRepZamenyKvartal", [] { return new TfrProbe; });
    FrameSwap f8("TfrPlanRep8OASU", [] { return new TfrProbe; });
    TfrProbe::started.clear();
    Dataset ds;
    THostWindow* w = open("frmPlanReport", &ds);
    w->resize(1240, 730);

    TPlanFrame* a = w->openItem(QStringLiteral("Форма 37-ГА (СВ) - ВСУ"));
    TPlanFrame* b = w->openItem(Q2);
    TPlanFrame* c = w->openItem(QStringLiteral("Форма 8-ОАСУ"));
    EXPECT_EQ(TfrProbe::started, QStringList({"Форма 37-ГА (СВ) - ВСУ", "Type2", "plain"}));
    EXPECT_EQ(w->openingCaption(), "Форма 8-ОАСУ");
    EXPECT_EQ(w->bar()->tag(), c);
    // Opened again: the same frame, not started again.
    EXPECT_EQ(w->openItem(QStringLiteral("Форма 37-ГА (СВ) - ВСУ")), a);
    EXPECT_EQ(TfrProbe::started.size(), 3);
    EXPECT_TRUE(a->isVisible());
    EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(w->bar()->isAncestorOf(a));
    // Copied from the host through the window's module-wide variable.
    EXPECT_EQ(a->host(), w);
    EXPECT_EQ(a->connection(), &w->ADOConPdo);
    EXPECT_EQ(a->reportDataset(1), &ds);
    EXPECT_EQ(a->reportComponent(), w->frxReport);
    EXPECT_EQ(a->settingsFileName(), "DerOvorav.ini");
    // The frame fills the bar below its titles.
    const int titles = w->bar()->count() * w->bar()->titleHeight();
    EXPECT_GT(a->height(), w->bar()->clientHeight() - titles - 20);
    EXPECT_LE(a->height(), w->bar()->clientHeight() - titles);
    EXPECT_THROW(w->openItem(QStringLiteral("Форма 36-ГА (СВ)")), std::runtime_error);

    // With every report switched on the titles alone overfill the bar: the
    // frame still shows, the bar's height less two titles, under its title
    // scrolled to the top.
    QString every = "[PLAN_REPORT]\n";
    for (const HostItem& item : hostTraits(QStringLiteral("frmPlanReport"))->items) every += item.key() + "=1\n";
    writeHome("reports.ini", every);
    THostWindow* all = open("frmPlanReport", &ds);
    all->resize(1240, 730);
    QApplication::processEvents();
    ASSERT_GT(all->bar()->count() * all->bar()->titleHeight(), all->bar()->clientHeight());
    TPlanFrame* late = all->openItem(QStringLiteral("Форма 8-ОАСУ"));
    ASSERT_NE(late, nullptr);
    const int client = all->bar()->clientHeight();
    EXPECT_EQ(late->height(), client - 2 * (all->bar()->titleHeight() + 1) - 6);
    QApplication::processEvents();
    const QToolButton* title = all->bar()->titleButton(all->bar()->indexOf(QStringLiteral("Форма 8-ОАСУ")));
    const QPoint top = title->mapTo(all->bar(), QPoint(0, 0));
    EXPECT_LE(std::abs(top.y()), all->bar()->titleHeight());
}

TEST_F(ShellTest, FormG3OpensItsOwnFrame)
{
    writeHome("reports.ini", "[PLAN_SPRAVKA]\nФорма Г3 (ОСиЛ)=1\n");
    THostWindow* w = open("frmPlanSpravka");
    TPlanFrame* f = w->openItem(QStringLiteral("Форма Г3 (ОСиЛ)"));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(qobject_cast<TfrNotBuilt*>(f), nullptr);
    EXPECT_FALSE(f->isPlaceholder());
    EXPECT_STREQ(f->metaObject()->className(), "plan::sheets::TfrPlanSprFormaG3");
}

// An item whose frame class is not registered (here Г3 taken out of the
// registry) opens the placeholder naming the class.
TEST_F(ShellTest, ItemWithoutFrameShowsTheNotice)
{
    writeHome("reports.ini", "[PLAN_SPRAVKA]\nФорма Г3 (ОСиЛ)=1\n");
    FrameSwap none("TfrPlanSprFormaG3", {});
    THostWindow* w = open("frmPlanSpravka");
    auto* f = qobject_cast<TfrNotBuilt*>(w->openItem(QStringLiteral("Форма Г3 (ОСиЛ)")));
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->notice().contains("TfrPlanSprFormaG3"));
}

TEST_F(ShellTest, ClickingTitlesOpensAndClosesItems)
{
    writeHome("reports.ini", "[PLAN_PROGNOZ]\nПрогноз на замену ЗЧУ=1\nПрогноз на замену двигателей=1\n");
    THostWindow* w = open("frmPlanPrognoz");
    TFrameBar* bar = w->bar();
    bar->titleButton(0)->click();
    EXPECT_EQ(bar->openIndex(), 0);
    ASSERT_NE(bar->frame(0), nullptr);
    bar->titleButton(1)->click();
    EXPECT_EQ(bar->openIndex(), 1);
    EXPECT_FALSE(bar->frame(0)->isVisible());
    bar->titleButton(1)->click(); // all may be closed
    EXPECT_EQ(bar->openIndex(), -1);
    EXPECT_FALSE(bar->frame(1)->isVisible());
}

struct EndDocCase {
    const char* window;
    int counterAfterCreation;
    bool laterDocEnablesBar;
};

class EndDocTest : public ShellTest, public ::testing::WithParamInterface<EndDocCase> {};

TEST_P(EndDocTest, FirstEndOfDocumentIsConsumedLaterOnesEnableTheBar)
{
    const EndDocCase& c = GetParam();
    THostWindow* w = open(QString::fromUtf8(c.window));
    // The empty report shown at creation consumed the first end of document
    // (the window without a handler keeps -1).
    EXPECT_EQ(w->endDocCounter(), c.counterAfterCreation);
    ASSERT_NE(w->previewWindow(), nullptr);
    EXPECT_EQ(w->previewWindow()->parentWidget(), w->reportPanel());
    w->bar()->setEnabled(false);
    emit w->frxReport->endDoc();
    EXPECT_EQ(w->bar()->isEnabled(), c.laterDocEnablesBar);
    w->bar()->setEnabled(false);
    emit w->frxReport->endDoc();
    EXPECT_EQ(w->bar()->isEnabled(), c.laterDocEnablesBar);
}

INSTANTIATE_TEST_SUITE_P(Bar, EndDocTest,
                         ::testing::Values(EndDocCase{"frmPlanPrognoz", 0, true}, EndDocCase{"frmPlanReport", 0, true},
                                           EndDocCase{"frmPlanSpravka", -1, false},
                                           EndDocCase{"frmPlanZaiavProdl", 0, true},
                                           EndDocCase{"frmPlanZaiavSLG", 0, true}, EndDocCase{"frmPlanUdoShum", 0, true}));

struct ClosePreviewCase {
    const char* window;
    bool busy;    // a frame is at work
    bool closes;
};

class ClosePreviewTest : public ShellTest, public ::testing::WithParamInterface<ClosePreviewCase> {};

TEST_P(ClosePreviewTest, ClosingThePreviewClosesTheWindow)
{
    const ClosePreviewCase& c = GetParam();
    THostWindow* w = open(QString::fromUtf8(c.window));
    ASSERT_TRUE(w->isVisible());
    if (c.busy) w->beginBusy();
    w->frxReport->closePreview();
    EXPECT_EQ(w->isVisible(), !c.closes);
    if (c.busy) w->endBusy();
    if (c.closes) EXPECT_TRUE(IniFile(userFile()).sectionExists(QString::fromUtf8(c.window))); // geometry saved
}

INSTANTIATE_TEST_SUITE_P(Preview, ClosePreviewTest,
                         ::testing::Values(ClosePreviewCase{"frmPlanPrognoz", false, true},
                                           ClosePreviewCase{"frmPlanReport", false, true},
                                           ClosePreviewCase{"frmPlanSpravka", false, true},
                                           ClosePreviewCase{"frmPlanZaiavProdl", false, true},
                                           ClosePreviewCase{"frmPlanZaiavSLG", false, true},
                                           ClosePreviewCase{"frmPlanUdoShum", false, true},
                                           // Rebuilding a sheet replaces the preview without closing the window.
                                           ClosePreviewCase{"frmPlanSpravka", true, false},
                                           // In the reports window the flag stays set.
                                           ClosePreviewCase{"frmPlanReport", true, true}));

TEST_F(ShellTest, EmbeddedPreviewFollowsThePanel)
{
    THostWindow* w = open("frmPlanUdoShum");
    EXPECT_EQ(w->reportPanel()->objectName(), "PanUdoShum");
    w->resize(1000, 700);
    QApplication::processEvents();
    w->resize(1300, 800);
    QApplication::processEvents();
    EXPECT_EQ(w->previewWindow()->size(), w->reportPanel()->size());
    EXPECT_EQ(w->previewWindow()->pos(), QPoint(0, 0));
}

TEST_F(ShellTest, ProgressBarSitsInTheStatusBar)
{
    THostWindow* w = open("frmPlanPrognoz");
    ASSERT_NE(w->progressBar(), nullptr);
    EXPECT_EQ(w->progressBar()->parentWidget(), static_cast<QWidget*>(w->statusBar()));
    EXPECT_EQ(w->progressBar()->geometry(), QRect(3, 4, 200, 18));
    EXPECT_EQ(open("frmPlanZaiavProdl")->progressBar(), nullptr);
}

// The busy span around a report run, ended normally and by an error.
struct BusyCase {
    const char* window;
    bool fails;
    bool barDisabledDuringRun; // the bar (or PanBottom) is disabled while the frame works
};

class BusyTest : public ShellTest, public ::testing::WithParamInterface<BusyCase> {};

TEST_P(BusyTest, CursorBarAndProgressAreRestored)
{
    const BusyCase& c = GetParam();
    THostWindow* w = open(QString::fromUtf8(c.window));
    QWidget* locked = w->panBottom() ? w->panBottom() : static_cast<QWidget*>(w->bar());
    bool disabledInside = false;
    int maxInside = -1, posInside = -1;
    bool cursorInside = false;
    Dataset ds(&w->ADOConPdo);
    auto run = [&] {
        runSingleReport(*w, ds, QStringLiteral("Select * From REPORT_SHELL_T ORDER BY ID;"), QStringLiteral("rep01"),
                        [&](StagingWriter& sw) {
                            disabledInside = !locked->isEnabled();
                            cursorInside = QApplication::overrideCursor() != nullptr;
                            w->progressStart(3);
                            w->progressStep();
                            w->progressStep();
                            if (w->progressBar()) {
                                maxInside = w->progressBar()->maximum();
                                posInside = w->progressBar()->value();
                            }
                            sw.addRow({QStringLiteral("x")});
                            if (c.fails) throw std::runtime_error("stop");
                        });
    };
    if (c.fails) EXPECT_THROW(run(), std::runtime_error);
    else run();
    EXPECT_TRUE(disabledInside);
    EXPECT_TRUE(cursorInside);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(locked->isEnabled());
    EXPECT_TRUE(w->bar()->updatesEnabled());
    if (w->progressBar()) {
        EXPECT_EQ(maxInside, 3);
        EXPECT_EQ(posInside, 2);
        EXPECT_EQ(w->progressBar()->value(), 0);
    }
    if (w->panBottom()) EXPECT_EQ(w->closeWithPreview(), -1);
    // The status bar says what the run produced, or that it produced nothing.
    EXPECT_TRUE(w->producedText().startsWith(c.fails ? "Отчет не построен" : "Страниц: 0, строк: 0, "))
        << w->producedText().toStdString();
}

// A run that does not count its steps still moves the progress bar as its
// queries go by; a run that counts them keeps its own position.
TEST_F(ShellTest, ProgressBarMovesOnEveryRunAndKeepsCountedSteps)
{
    struct Case {
        const char* name;
        bool counted;
    };
    for (const Case c : {Case{"uncounted", false}, Case{"counted", true}}) {
        SCOPED_TRACE(c.name);
        THostWindow* w = open("frmPlanPrognoz");
        ASSERT_NE(w->progressBar(), nullptr);
        Dataset ds(&w->ADOConPdo);
        int moves = 0, movesByQueries = -1, posAfterQueries = -1;
        runSingleReport(*w, ds, QStringLiteral("Select * From REPORT_SHELL_T ORDER BY ID;"), QStringLiteral("rep01"),
                        [&](StagingWriter& sw) {
                            QObject::connect(w->progressBar(), &QProgressBar::valueChanged, [&moves] { ++moves; });
                            if (c.counted) {
                                w->progressStart(3);
                                w->progressStep();
                            }
                            const int before = moves;
                            for (int i = 0; i < 3; ++i) {
                                Dataset q(&w->ADOConPdo);
                                q.setCommandText(QStringLiteral("SELECT 1 FROM RDB$DATABASE"));
                                q.open();
                                QThread::msleep(100);
                            }
                            movesByQueries = moves - before;
                            posAfterQueries = w->progressBar()->value();
                            sw.addRow({QStringLiteral("x")});
                        });
        if (c.counted) {
            EXPECT_EQ(movesByQueries, 0);
            EXPECT_EQ(posAfterQueries, 1);
        } else {
            EXPECT_GE(movesByQueries, 2);
        }
        EXPECT_EQ(w->progressBar()->value(), 0);
        // Queries after the run move nothing.
        const int idle = w->progressBar()->value();
        Dataset q(&w->ADOConPdo);
        q.setCommandText(QStringLiteral("SELECT 1 FROM RDB$DATABASE"));
        q.open();
        EXPECT_EQ(w->progressBar()->value(), idle);
    }
}

INSTANTIATE_TEST_SUITE_P(Busy, BusyTest,
                         ::testing::Values(BusyCase{"frmPlanPrognoz", false, true}, BusyCase{"frmPlanPrognoz", true, true},
                                           BusyCase{"frmPlanSpravka", false, true}, BusyCase{"frmPlanSpravka", true, true},
                                           BusyCase{"frmPlanZaiavSLG", true, true}));

TEST_F(ShellTest, BarTitlesShowTheWholeCaptionOnTwoLinesOrElidedWithTooltip)
{
    const QString complex = QStringLiteral("Комплексный прогноз для выбранных ВС");
    const QString longest = QStringLiteral("Лизинг ГТЛК. Ежемесячная форма - Сведения о наработках и заменах");
    writeHome("reports.ini", "[PLAN_PROGNOZ]\n" + complex + "=1\n[PLAN_REPORT]\n" + longest + "=1\n");
    for (const auto& [key, caption] : {std::pair{"frmPlanPrognoz", complex}, std::pair{"frmPlanReport", longest}}) {
        SCOPED_TRACE(key);
        THostWindow* w = open(key);
        w->resize(1000, 700);
        w->show();
        QApplication::processEvents();
        QToolButton* title = w->bar()->titleButton(0);
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->toolTip(), caption);
        EXPECT_EQ(title->focusPolicy(), Qt::StrongFocus);
        const QStringList lines = title->text().split('\n');
        EXPECT_LE(lines.size(), 2);
        const QFontMetrics fm(title->font());
        for (const QString& l : lines) EXPECT_LE(fm.horizontalAdvance(l), title->width()) << l.toStdString();
        // The whole caption, or its beginning ended in "…"; the complex forecast fits whole.
        const QString joined = lines.join(' ');
        if (joined.endsWith(QChar(0x2026))) EXPECT_TRUE(caption.startsWith(joined.chopped(1).trimmed()));
        else EXPECT_EQ(joined, caption);
        if (caption == complex) EXPECT_EQ(joined, caption);
    }
}

TEST_F(ShellTest, EnterActsAsTabOnlyInTheCertificateWindow)
{
    for (const char* key : {"frmPlanZaiavSLG", "frmPlanZaiavProdl"}) {
        SCOPED_TRACE(key);
        THostWindow* w = open(QString::fromUtf8(key));
        auto* first = new QLineEdit(w->bar());
        auto* second = new QLineEdit(w->bar());
        first->show();
        second->show();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        first->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), first);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(first, &press);
        const bool moved = QApplication::focusWidget() != first;
        EXPECT_EQ(moved, qobject_cast<TfrmPlanZaiavSLG*>(w) != nullptr);
    }
}

} // namespace

// The bar is walked from the keyboard: Up and Down between titles, Enter opens
// the focused one, and Tab goes from an open item's title into its frame's
// controls and from the last of them on to the next title.
TEST_F(ShellTest, KeyboardWalksTheBarAndTabEntersTheOpenFrame)
{
    writeHome("reports.ini", "[PLAN_PROGNOZ]\nПрогноз на замену ЗЧУ=1\nПрогноз на замену двигателей=1\n");
    THostWindow* w = open("frmPlanPrognoz");
    TFrameBar* bar = w->bar();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QApplication::processEvents();
    // The window opens with the keyboard in the bar.
    ASSERT_EQ(QApplication::focusWidget(), bar->titleButton(0));
    auto key = [](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    };
    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), bar->titleButton(1));
    key(Qt::Key_Down); // stays on the last
    EXPECT_EQ(QApplication::focusWidget(), bar->titleButton(1));
    key(Qt::Key_Home);
    EXPECT_EQ(QApplication::focusWidget(), bar->titleButton(0));
    key(Qt::Key_Return);
    ASSERT_EQ(bar->openIndex(), 0);
    QWidget* frame = bar->frame(0);
    ASSERT_NE(frame, nullptr);

    auto nextTab = [](QWidget* from) {
        for (QWidget* n = from->nextInFocusChain(); n && n != from; n = n->nextInFocusChain())
            if ((n->focusPolicy() & Qt::TabFocus) && !n->isHidden()) return n;
        return static_cast<QWidget*>(nullptr);
    };
    QWidget* first = nextTab(bar->titleButton(0));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(frame->isAncestorOf(first)) << first->objectName().toStdString();
    // Through the frame's controls (the show button among them), then the next title.
    QWidget* at = first;
    bool showButtonPassed = false;
    for (int guard = 0; at && frame->isAncestorOf(at) && guard < 200; ++guard) {
        if (auto* b = qobject_cast<QPushButton*>(at); b && b->text() == QStringLiteral("Показать")) showButtonPassed = true;
        at = nextTab(at);
    }
    EXPECT_TRUE(showButtonPassed);
    EXPECT_EQ(at, bar->titleButton(1));
    key(Qt::Key_Return); // Enter on the open item's title closes it
    EXPECT_EQ(bar->openIndex(), -1);

    // Tab follows the controls as the frame lays them out, top down, whatever
    // order the frame made them in (form 8-OASU makes its operator list last).
    writeHome("reports.ini", "[PLAN_REPORT]\nФорма 8-ОАСУ=1\nФорма 36-ГА (СВ)=1\n");
    THostWindow* rw = open("frmPlanReport");
    TFrameBar* rbar = rw->bar();
    rbar->openItem(0);
    QWidget* rframe = rbar->frame(0);
    ASSERT_NE(rframe, nullptr);
    QStringList order;
    for (QWidget* c = nextTab(rbar->titleButton(0)); c && rframe->isAncestorOf(c); c = nextTab(c)) order << c->objectName();
    EXPECT_EQ(order.value(0), QStringLiteral("cboExpl")) << order.join(' ').toStdString();
    EXPECT_EQ(order.value(order.size() - 1), QStringLiteral("cmdReport")) << order.join(' ').toStdString();
}

// No bar item of any window opens the placeholder: every frame class named
// in the item tables is built and registered.
TEST_F(ShellTest, EveryBarItemOfEveryWindowHasItsFrame)
{
    QStringList notBuilt;
    int items = 0;
    for (const char* key : {"frmPlanPrognoz", "frmPlanReport", "frmPlanSpravka", "frmPlanZaiavProdl", "frmPlanZaiavSLG",
                            "frmPlanUdoShum"}) {
        const HostTraits* traits = hostTraits(QString::fromUtf8(key));
        ASSERT_NE(traits, nullptr) << key;
        for (const HostItem& item : traits->items) {
            ++items;
            std::unique_ptr<TPlanFrame> frame(FrameRegistry::create(item.frameClass));
            if (!frame || frame->isPlaceholder()) notBuilt << QString::fromUtf8(key) + ": " + item.caption;
        }
    }
    EXPECT_GT(items, 50);
    EXPECT_EQ(notBuilt, QStringList()) << notBuilt.join("\n").toStdString();
}
