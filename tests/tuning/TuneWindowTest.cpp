// The two editor windows driven offscreen as the user drives them: lists,
// buttons, grid looks, the close question and the activation behaviour.
#include "TuneFixture.h"

#include "shell/HostMainWindow.h"
#include "tuning/TuneActivation.h"
#include "tuning/TuneGrid.h"
#include "tuning/TuneReports.h"
#include "tuning/TuneSpravka.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>

using namespace tunetest;
using namespace plan::shell;
using plan::tuning::TfrmTuneReports;
using plan::tuning::TfrmTuneSpravka;

namespace {

QStringList items(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

void choose(QComboBox* c, const QString& text)
{
    const int i = c->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void tick(QTableWidget* grid, const QString& caption)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 2)->text() == caption) grid->item(r, 1)->setCheckState(Qt::Checked);
}

TfrmTuneReports* openReports()
{
    return qobject_cast<TfrmTuneReports*>(loadTuneWindow(QStringLiteral("frmTuneReports"), QStringLiteral("u"), ShowMode::NoLoop));
}

} // namespace

TEST_F(TuneTest, ReportsWindowEditsAndSavesADocument)
{
    switchAll();
    TfrmTuneReports* w = openReports();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Настройки перечней заявок");
    EXPECT_EQ(items(w->cboTipVS), (QStringList{"Ка-32", "Ми-8"}));
    EXPECT_EQ(items(w->cboTipReport), (QStringList{kMainUnits, kActItem}));
    EXPECT_EQ(w->cboTipReport->currentIndex(), -1);
    for (QPushButton* b : {w->cmdAdd, w->cmdDelete, w->cmdSave, w->cmdRepair}) EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    EXPECT_TRUE(w->cmdRefresh->isEnabled());

    choose(w->cboTipVS, QStringLiteral("Ми-8"));
    EXPECT_EQ(w->GridAgregat->rowCount(), 8);
    choose(w->cboTipReport, kMainUnits);
    EXPECT_EQ(w->txtTipReport->text(), "PRODLENIE");
    EXPECT_EQ(w->txtNameReport->text(), "Основные агрегаты");
    for (QPushButton* b : {w->cmdAdd, w->cmdDelete, w->cmdRepair}) EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
    EXPECT_FALSE(w->cmdSave->isEnabled());
    ASSERT_EQ(w->GridReport->rowCount(), 2);
    EXPECT_EQ(w->GridReport->horizontalHeaderItem(5)->text(), "Входит в состав\r\nизделия");
    EXPECT_TRUE(w->GridReport->isColumnHidden(8) && w->GridReport->isColumnHidden(9));
    EXPECT_TRUE(w->GridAgregat->isColumnHidden(4) && !w->GridAgregat->isColumnHidden(3));
    EXPECT_EQ(w->GridReport->horizontalHeader()->height(), 34);

    // Looks: alternating colours counting the header as row 0, hints from the second data row.
    EXPECT_EQ(w->GridReport->item(0, 2)->background().color(), QColor(0xE1, 0xF1, 0xFF));
    EXPECT_EQ(w->GridReport->item(1, 2)->background().color(), QColor(0xF4, 0xFA, 0xFF));
    EXPECT_TRUE(w->GridReport->item(0, 2)->toolTip().isEmpty());
    EXPECT_EQ(w->GridReport->item(1, 2)->toolTip(), "Стартер");
    // Attributes are editable on unit lines only.
    EXPECT_FALSE(w->GridReport->item(0, 4)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(w->GridReport->item(1, 4)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(w->GridReport->item(1, 2)->flags() & Qt::ItemIsEditable);

    tick(w->GridAgregat, QStringLiteral("Насос"));
    tick(w->GridAgregat, QStringLiteral("Двигатели"));
    w->cmdAdd->click();
    ASSERT_EQ(w->GridReport->rowCount(), 3);
    EXPECT_EQ(w->GridReport->item(2, 2)->text(), "Насос");
    EXPECT_EQ(w->GridReport->currentRow(), 2);
    EXPECT_EQ(w->GridAgregat->item(0, 1)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(w->cmdSave->isEnabled());

    // The first line goes; the drag of the last line to the top is saved renumbered.
    w->GridReport->item(0, 1)->setCheckState(Qt::Checked);
    w->cmdDelete->click();
    ASSERT_EQ(w->GridReport->rowCount(), 2);
    w->GridReportRowMoved(1, 0);
    w->cmdSave->click();
    EXPECT_FALSE(w->cmdSave->isEnabled());
    EXPECT_EQ(reportRows(), (QStringList{"1|Насос|Agregat|3|Гидро|1|NULL|NULL", "2|Стартер|Agregat|2|Электро|3|NULL|NULL"}));

    // The arrow keys carry the line along with the cursor; at the top nothing moves.
    auto key = [&](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier), release(QEvent::KeyRelease, k, Qt::NoModifier);
        QCoreApplication::sendEvent(w->GridReport, &press);
        QCoreApplication::sendEvent(w->GridReport, &release);
    };
    w->GridReport->setCurrentCell(1, 2);
    key(Qt::Key_Up);
    EXPECT_EQ(w->GridReport->item(0, 2)->text(), "Стартер");
    EXPECT_EQ(w->GridReport->currentRow(), 0);
    EXPECT_TRUE(w->cmdSave->isEnabled());
    key(Qt::Key_Up);
    EXPECT_EQ(w->GridReport->item(0, 2)->text(), "Стартер");
    key(Qt::Key_Down);
    EXPECT_EQ(w->GridReport->item(1, 2)->text(), "Стартер");
    EXPECT_EQ(w->GridReport->currentRow(), 1);
}

TEST_F(TuneTest, EditorsAskBeforeClosingWithChanges)
{
    switchAll();
    struct Case { const char* window; bool answer; int savedLines; };
    const Case cases[] = {{"frmTuneReports", true, 3}, {"frmTuneReports", false, 2}, {"frmTuneSpravka", true, 3}, {"frmTuneSpravka", false, 2}};
    for (const Case& c : cases) {
        plan::MessageService::clear();
        plan::MessageService::setHeadlessAnswer(c.answer);
        TPlanWindow* w = loadTuneWindow(QString::fromLatin1(c.window), QStringLiteral("u"), ShowMode::NoLoop);
        if (auto* r = qobject_cast<TfrmTuneReports*>(w)) {
            choose(r->cboTipVS, QStringLiteral("Ми-8"));
            choose(r->cboTipReport, kMainUnits);
            tick(r->GridAgregat, QStringLiteral("Фара"));
            r->cmdAdd->click();
        } else {
            auto* s = qobject_cast<TfrmTuneSpravka*>(w);
            choose(s->cboTipReport, QStringLiteral("Сведения о ВС"));
            tick(s->GridAgregat, QStringLiteral("Фара"));
            s->cmdAdd->click();
        }
        w->close();
        EXPECT_EQ(plan::MessageService::recorded(), QStringList{"Перечень был изменен. Сохранить изменения?"}) << c.window;
        const int saved = QString::fromLatin1(c.window) == QLatin1String("frmTuneReports") ? reportRows().size() : docRows().size();
        EXPECT_EQ(saved, c.savedLines) << c.window << " answer " << c.answer;
        // Saved or not, the window has gone; a second close asks nothing.
        con->execute(QStringLiteral("DELETE FROM TUNE_REPORTS WHERE NAZVANIE='Фара'"));
        con->execute(QStringLiteral("DELETE FROM TUNE_DOCS WHERE NAZVANIE='Фара'"));
    }
}

TEST_F(TuneTest, SheetsWindowAddsAirframeOnceAndSaves)
{
    switchAll();
    auto* w = qobject_cast<TfrmTuneSpravka*>(loadTuneWindow(QStringLiteral("frmTuneSpravka"), QStringLiteral("u"), ShowMode::NoLoop));
    ASSERT_TRUE(w);
    EXPECT_EQ(items(w->cboTipReport), (QStringList{"Сведения о ВС", "Комплексный прогноз на замену агрегатов"}));
    EXPECT_FALSE(w->cmdAdd->isEnabled());
    EXPECT_EQ(w->GridAgregat->rowCount(), 8);
    EXPECT_EQ(w->GridAgregat->horizontalHeaderItem(3)->text(), "Чертежный номер");
    choose(w->cboTipReport, QStringLiteral("Сведения о ВС"));
    EXPECT_TRUE(w->cmdAdd->isEnabled() && w->cmdDelete->isEnabled());
    ASSERT_EQ(w->GridReport->rowCount(), 2);
    tick(w->GridAgregat, QStringLiteral("Воздушное судно"));
    w->cmdAdd->click();
    w->cmdAdd->click(); // the check mark stays; nothing more is added
    ASSERT_EQ(w->GridReport->rowCount(), 3);
    EXPECT_EQ(w->GridAgregat->item(0, 1)->checkState(), Qt::Checked);
    w->cmdSave->click();
    EXPECT_EQ(docRows(), (QStringList{"1|Двигатели|ТВ3-117|Dvigatel|0", "2|Генератор|ГС-18|Agregat|ГС-18", "3|Воздушное судно|Ми-8|Plane|0"}));
}

TEST_F(TuneTest, EditorMinimisesAndReloadsUnlessZirOrVuzuRovazTakesOver)
{
    switchAll();
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(1600, 1000);
    main.show();
    HostMainWindow::setMdiArea(area);
    auto* w = qobject_cast<TfrmTuneReports*>(loadTuneWindow(QStringLiteral("frmTuneReports"), QStringLiteral("u"), ShowMode::Modeless));
    ASSERT_TRUE(w);
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    ASSERT_TRUE(sub);
    // The first activation leaves the window at the size its settings keep.
    EXPECT_FALSE(sub->isMaximized());
    choose(w->cboTipVS, QStringLiteral("Ми-8"));
    choose(w->cboTipReport, kMainUnits);

    struct Step { const char* to; bool minimised; bool reloaded; };
    // Each step: add a line (unsaved), switch to the window named, come back.
    const Step steps[] = {{"Zir", false, false}, {"VuzuRovaz", false, false}, {"Журнал", true, true}};
    for (const Step& s : steps) {
        if (w->cboTipReport->currentIndex() < 0) choose(w->cboTipReport, kMainUnits);
        tick(w->GridAgregat, QStringLiteral("Фара"));
        w->cmdAdd->click();
        ASSERT_EQ(w->GridReport->rowCount(), 3);
        // The window opened at the size its settings keep; it maximises on coming back.
        auto* other = new QLineEdit;
        other->setWindowTitle(QString::fromUtf8(s.to));
        QMdiSubWindow* otherSub = area->addSubWindow(other);
        otherSub->show();
        area->setActiveSubWindow(otherSub);
        QCoreApplication::processEvents();
        // Minimised, or covered by the maximised window that took over.
        EXPECT_EQ(sub->isMinimized() || (s.minimised && otherSub->isMaximized()), s.minimised) << s.to;
        EXPECT_EQ(w->activation()->reloadPending(), s.reloaded) << s.to;
        area->setActiveSubWindow(sub);
        QCoreApplication::processEvents();
        EXPECT_TRUE(sub->isMaximized()) << s.to;
        // A reload starts over: no document chosen, no lines.
        EXPECT_EQ(w->GridReport->rowCount(), s.reloaded ? 0 : 3) << s.to;
        if (!s.reloaded) {
            w->GridReport->item(2, 1)->setCheckState(Qt::Checked);
            w->cmdDelete->click();
        }
    }
    // With no maximised window about, the editor does minimise.
    for (QMdiSubWindow* other : area->subWindowList())
        if (other != sub) delete other;
    sub->showNormal();
    w->activation()->FormDeactivate(QStringLiteral("Журнал"));
    EXPECT_TRUE(sub->isMinimized());
    EXPECT_TRUE(w->activation()->reloadPending());
    w->cmdSave->setEnabled(false);
    HostMainWindow::setMdiArea(nullptr);
}
