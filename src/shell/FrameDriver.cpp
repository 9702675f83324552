#include "shell/FrameDriver.h"

#include <algorithm>

#include "platform/Connection.h"
#include "platform/DataDoubts.h"
#include "platform/Dataset.h"
#include "platform/MessageService.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "platform/StagingExport.h"
#include "shell/FrameBar.h"
#include "shell/HostWindow.h"
#include "shell/PlanFrame.h"
#include "shell/ShellServices.h"
#include "shell/StartPlan.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <memory>
#include <stdexcept>

namespace plan::shell {
namespace {
[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

int firstCheckableColumn(const QTreeWidgetItem* item)
{
    for (int c = 0; c < item->columnCount(); ++c)
        if (item->data(c, Qt::CheckStateRole).isValid()) return c;
    return -1;
}

// The tree item whose text in a visible column is `text`; `column` gets that column.
QTreeWidgetItem* findTreeItem(QWidget* root, const QString& text, QTreeWidget** treeOut, int* column)
{
    for (QTreeWidget* tree : root->findChildren<QTreeWidget*>()) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            for (int c = 0; c < (*it)->columnCount(); ++c) {
                if (tree->isColumnHidden(c)) continue;
                if ((*it)->text(c).trimmed() == text.trimmed()) {
                    *treeOut = tree;
                    *column = c;
                    return *it;
                }
            }
        }
    }
    return nullptr;
}

void tickTreeItem(QTreeWidgetItem* item, Qt::CheckState state)
{
    const int c = firstCheckableColumn(item);
    if (c >= 0 && item->checkState(c) != state) item->setCheckState(c, state);
    for (int i = 0; i < item->childCount(); ++i) tickTreeItem(item->child(i), state);
}

QString templateCopyName(const QString& path)
{
    // A template copy is named plan-<key>-<code>-XXXXXX.html; keep <key>-<code>.html.
    const QString name = QFileInfo(path).fileName();
    static const QRegularExpression copy(QStringLiteral("^plan-(.+)-[A-Za-z0-9]{6}\\.html$"));
    const auto m = copy.match(name);
    return m.hasMatch() ? m.captured(1) + QStringLiteral(".html") : name;
}
} // namespace

QWidget* FrameDriver::find(const QString& name) const
{
    if (m_root->objectName() == name) return m_root;
    QWidget* w = m_root->findChild<QWidget*>(name);
    if (!w) fail(QStringLiteral("в кадре нет элемента «%1»; есть: %2").arg(name, controlNames().join(QStringLiteral(", "))));
    return w;
}

QStringList FrameDriver::controlNames() const
{
    QStringList names;
    for (QWidget* w : m_root->findChildren<QWidget*>()) {
        const QString n = w->objectName();
        if (n.isEmpty() || n.startsWith(QLatin1String("qt_")) || names.contains(n)) continue;
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QDateEdit*>(w) || qobject_cast<QSpinBox*>(w))
            names << n;
    }
    names.sort();
    return names;
}

void FrameDriver::set(const QString& name, const QString& value)
{
    QWidget* w = find(name);
    if (!w->isEnabled() || !w->isVisibleTo(m_root)) {
        // A control the frame's other choices have closed: the frame would not read it.
        m_notices << QStringLiteral("%1: значение «%2» не учитывается — элемент скрыт или недоступен при нынешнем выборе "
                                    "в кадре; задайте его после того выбора, который его открывает")
                         .arg(name, value);
        return;
    }
    if (auto* cbo = qobject_cast<QComboBox*>(w)) {
        int index = -1;
        if (value.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            index = value.mid(1).toInt(&ok);
            if (!ok || index < 0 || index >= cbo->count())
                fail(QStringLiteral("в списке %1 нет пункта %2 (пунктов: %3, счет с #0)").arg(name, value).arg(cbo->count()));
        } else {
            index = cbo->findText(value, Qt::MatchExactly);
            if (index < 0) {
                QStringList items;
                for (int i = 0; i < cbo->count(); ++i) items << cbo->itemText(i);
                fail(QStringLiteral("в списке %1 нет пункта «%2»; есть: %3").arg(name, value, items.join(QStringLiteral(" | "))));
            }
        }
        cbo->setCurrentIndex(index);
        emit cbo->activated(index);
        emit cbo->textActivated(cbo->itemText(index));
        return;
    }
    if (auto* date = qobject_cast<QDateEdit*>(w)) {
        const QDate d = QDate::fromString(value, QStringLiteral("dd.MM.yyyy"));
        if (!d.isValid()) fail(QStringLiteral("%1: «%2» — не дата, введите дд.мм.гггг (dd.mm.yyyy)").arg(name, value));
        date->setDate(d);
        emit date->editingFinished();
        return;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok) fail(QStringLiteral("%1: «%2» — не целое число").arg(name, value));
        spin->setValue(v);
        emit spin->editingFinished();
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
        emit edit->textEdited(value);
        emit edit->editingFinished();
        return;
    }
    if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (value != QLatin1String("1")) fail(QStringLiteral("%1: переключатель можно только выбрать (1)").arg(name));
        if (!radio->isChecked()) radio->click();
        return;
    }
    if (auto* chk = qobject_cast<QCheckBox*>(w)) {
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            fail(QStringLiteral("%1: флажок принимает 0 или 1, а не «%2»").arg(name, value));
        if (chk->isChecked() != (value == QLatin1String("1"))) chk->click();
        return;
    }
    fail(QStringLiteral("%1 — элемент %2, его нельзя заполнить через --set").arg(name, QString::fromLatin1(w->metaObject()->className())));
}

void FrameDriver::tick(const QString& text, bool ticked)
{
    const Qt::CheckState state = ticked ? Qt::Checked : Qt::Unchecked;
    QTreeWidget* tree = nullptr;
    int column = -1;
    if (QTreeWidgetItem* item = findTreeItem(m_root, text, &tree, &column)) {
        if (firstCheckableColumn(item) < 0) fail(QStringLiteral("у строки «%1» нет флажка").arg(text));
        tickTreeItem(item, state);
        return;
    }
    for (QTableWidget* table : m_root->findChildren<QTableWidget*>()) {
        for (int r = 0; r < table->rowCount(); ++r) {
            bool match = false;
            for (int c = 0; c < table->columnCount() && !match; ++c)
                if (!table->isColumnHidden(c) && table->item(r, c) && table->item(r, c)->text().trimmed() == text.trimmed())
                    match = true;
            if (!match) continue;
            for (int c = 0; c < table->columnCount(); ++c) {
                QTableWidgetItem* cell = table->item(r, c);
                if (cell && cell->data(Qt::CheckStateRole).isValid()) {
                    if (cell->checkState() != state) cell->setCheckState(state);
                    return;
                }
            }
            fail(QStringLiteral("у строки «%1» нет флажка").arg(text));
        }
    }
    fail(QStringLiteral("строки «%1» для отметки нет в списке").arg(text));
}

void FrameDriver::select(const QString& text)
{
    QTreeWidget* tree = nullptr;
    int column = -1;
    if (QTreeWidgetItem* item = findTreeItem(m_root, text, &tree, &column)) {
        tree->setCurrentItem(item, column);
        emit tree->itemPressed(item, column);
        emit tree->itemClicked(item, column);
        return;
    }
    for (QTableWidget* table : m_root->findChildren<QTableWidget*>()) {
        const auto found = table->findItems(text, Qt::MatchExactly);
        if (found.isEmpty()) continue;
        QTableWidgetItem* cell = found.first();
        table->setCurrentItem(cell);
        emit table->itemClicked(cell);
        emit table->cellClicked(cell->row(), cell->column());
        return;
    }
    fail(QStringLiteral("строки «%1» для выбора нет в списке").arg(text));
}

void FrameDriver::press(const QString& name)
{
    auto* b = qobject_cast<QAbstractButton*>(find(name));
    if (!b) fail(QStringLiteral("«%1» — не кнопка").arg(name));
    if (!b->isEnabled()) fail(QStringLiteral("кнопка %1 недоступна").arg(name));
    b->click();
}

// ---------------------------------------------------------------- plan run

QString parseRunArguments(const QStringList& args, RunRequest* out)
{
    RunRequest r = *out;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        auto value = [&](QString* v) {
            if (i + 1 >= args.size()) return false;
            *v = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--strict")) {
            r.strict = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            if (!value(&v)) return QStringLiteral("после %1 укажите значение").arg(a);
            if (a == QLatin1String("--set")) {
                const int eq = v.indexOf(QLatin1Char('='));
                if (eq <= 0) return QStringLiteral("--set принимает ИМЯ=ЗНАЧЕНИЕ (NAME=VALUE), а не «%1»").arg(v);
                r.steps.push_back({RunStep::Set, v.left(eq), v.mid(eq + 1)});
            } else if (a == QLatin1String("--tick")) r.steps.push_back({RunStep::Tick, v, {}});
            else if (a == QLatin1String("--untick")) r.steps.push_back({RunStep::Untick, v, {}});
            else if (a == QLatin1String("--select")) r.steps.push_back({RunStep::Select, v, {}});
            else if (a == QLatin1String("--press")) r.steps.push_back({RunStep::Press, v, {}});
            else if (a == QLatin1String("--pdf")) r.pdf = v;
            else if (a == QLatin1String("--xlsx")) r.xlsx = v;
            else if (a == QLatin1String("--csv")) r.csv = v;
            else if (a == QLatin1String("--png-dir")) r.pngDir = v;
            else if (a == QLatin1String("--staging")) r.staging = v;
            else if (a == QLatin1String("--staging-dir")) r.stagingDir = v;
            else if (a == QLatin1String("--template-dir")) r.templateDir = v;
            else return QStringLiteral("неизвестный параметр %1").arg(a);
        } else positional << a;
    }
    if (positional.size() != 2) return QStringLiteral("plan run: укажите окно и пункт (WINDOW и ITEM)");
    r.window = positional[0];
    r.item = positional[1];
    *out = r;
    return {};
}

namespace {
QString resolveItem(const TFrameBar* bar, const QString& item, QString* error)
{
    if (bar->indexOf(item) >= 0) return item;
    const QStringList captions = bar->captions();
    for (const QString& c : captions)
        if (c.compare(item, Qt::CaseInsensitive) == 0) return c;
    if (item.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int n = item.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= captions.size()) return captions[n - 1];
    }
    *error = captions.isEmpty()
                 ? QStringLiteral("панель окна пуста: «reports.ini» не включает для него ни одного отчета")
                 : QStringLiteral("на панели окна нет пункта «%1»; есть:\n  %2").arg(item, captions.join(QStringLiteral("\n  ")));
    return {};
}
// Reads every staging table the run wrote, by its own query, and writes
// <TABLE>.csv of each into dir when one is given (earlier REPORT_*.csv files
// there are removed first, so that the folder holds this run's tables only).
void collectStaging(const QString& dir, RunResult* res)
{
    if (!dir.isEmpty()) {
        QDir d(dir);
        if (!d.mkpath(QStringLiteral(".")))
            throw std::runtime_error("не удается создать папку " + dir.toStdString());
        for (const QString& old : d.entryList({QStringLiteral("REPORT_*.csv")}, QDir::Files)) d.remove(old);
    }
    for (const Connection::StagingTable& t : Connection::stagingLog()) {
        Dataset ds(t.connection);
        openStagingTable(ds, t.query);
        res->staging.push_back({t.table, t.query, ds.fieldNames(), rowsAsText(ds)});
        if (dir.isEmpty()) continue;
        const QString path = QDir(dir).filePath(t.table + QStringLiteral(".csv"));
        exportCsv(res->staging.back().columns, res->staging.back().rows, path);
        res->written << path;
    }
}
} // namespace

const StagedTable* RunResult::stagedTable(const QString& table) const
{
    for (const StagedTable& t : staging)
        if (t.table.compare(table, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

RunResult runItem(const RunRequest& req)
{
    RunResult res;
    // The offscreen platform says on every window that it cannot pass size hints on.
    MessageService::quietPlatformNoise();
    const bool wasHeadless = MessageService::headless();
    MessageService::setHeadless(true);
    MessageService::clear();
    auto finish = [&](RunResult r) {
        for (const QString& m : MessageService::recorded()) {
            r.errors << m;
            r.messages << m;
        }
        if (!r.errors.isEmpty() && r.status == 0) r.status = 1;
        MessageService::clear();
        MessageService::setHeadless(wasHeadless);
        return r;
    };

    const QString key = canonicalWindowKey(req.window);
    if (!hostTraits(key)) {
        res.status = 2;
        res.errors << QStringLiteral("«%1» — не окно отчетов (ключи окон — plan windows)").arg(req.window);
        return finish(res);
    }

    // What the host application hands over: its connection and report datasets.
    Connection ownConnection;
    Connection& hostConnection = req.connection ? *req.connection : ownConnection;
    std::unique_ptr<Dataset> ds[3];
    THostWindow* w = nullptr;
    try {
        Connection::clearStagingLog();
        if (!req.connection) hostConnection.openDefault();
        for (auto& d : ds) d = std::make_unique<Dataset>(&hostConnection);
        w = loadHostWindow(key, ds[0].get(), ds[1].get(), ds[2].get(), req.user, ShowMode::NoLoop);
        QString error;
        const QString caption = resolveItem(w->bar(), req.item, &error);
        if (caption.isEmpty()) throw std::runtime_error(error.toStdString());
        TPlanFrame* frame = w->openItem(caption);
        if (!frame) throw std::runtime_error("у пункта нет кадра");
        if (auto* nb = qobject_cast<TfrNotBuilt*>(frame)) throw std::runtime_error(nb->notice().toStdString());

        FrameDriver driver(frame);
        bool pressed = false;
        // Whether a pick showed the report with the options as they stand
        // (no option set since): a frame that makes its report as soon as a
        // row is picked has then run, and its show button is not pressed again.
        int shown = 0;
        QObject::connect(w->frxReport, &ReportComponent::preview, w->frxReport, [&shown] { ++shown; });
        bool shownByPick = false;
        QElapsedTimer made;
        for (const RunStep& s : req.steps) {
            if ((s.kind == RunStep::Select || s.kind == RunStep::Press) && !made.isValid()) made.start();
            const int shownBefore = shown;
            switch (s.kind) {
            case RunStep::Set: driver.set(s.name, s.value); break;
            case RunStep::Tick: driver.tick(s.name); break;
            case RunStep::Untick: driver.tick(s.name, false); break;
            case RunStep::Select: driver.select(s.name); break;
            case RunStep::Press: driver.press(s.name); pressed = true; break;
            }
            if (s.kind == RunStep::Select) shownByPick = shown > shownBefore;
            else if (s.kind != RunStep::Press) shownByPick = false;
        }
        // A frame without a show button (a sheet made as soon as a row is
        // picked) has run with its --select steps.
        bool picked = false;
        for (const RunStep& s : req.steps) picked = picked || s.kind == RunStep::Select;
        if (!pressed && !shownByPick && !(picked && !frame->findChild<QAbstractButton*>(QStringLiteral("cmdReport")))) {
            if (!made.isValid()) made.start();
            driver.press(QStringLiteral("cmdReport"));
        }
        res.reportSeconds = made.isValid() ? made.nsecsElapsed() / 1e9 : 0.0;
        res.notices << driver.notices();
        traceMemory("report made");
        collectStaging(req.stagingDir, &res);
        traceMemory("staging tables collected");
        // A message box ends the run: its text is the outcome, nothing else is written.
        if (!MessageService::recorded().isEmpty()) {
            delete w;
            return finish(res);
        }

        ReportComponent* rc = w->frxReport;
        res.doubts = DataDoubts::texts();
        res.templateProblems = rc->problems();
        QElapsedTimer rendered;
        rendered.start();
        res.html = rc->preparedHtml();
        res.reportSeconds += rendered.nsecsElapsed() / 1e9;
        // Counting pages lays them out: only a run that writes pages asks.
        if (!req.pdf.isEmpty() || !req.pngDir.isEmpty()) res.pages = rc->preparedPages();
        if (const Dataset* sd = rc->dataset())
            for (const StagedTable& t : res.staging)
                if (t.query == sd->commandText()) res.rows = static_cast<int>(t.rows.size());
        if (!req.pdf.isEmpty()) {
            rc->exportPdf(req.pdf);
            res.written << req.pdf;
        }
        if (!req.xlsx.isEmpty()) {
            rc->exportXlsx(req.xlsx);
            res.written << req.xlsx;
        }
        if (!req.csv.isEmpty()) {
            rc->exportTableCsv(req.csv);
            res.written << req.csv;
        }
        if (!req.pngDir.isEmpty()) {
            QDir().mkpath(req.pngDir);
            res.written << rc->exportPng(req.pngDir);
        }
        if (!req.staging.isEmpty()) {
            Dataset* sd = rc->dataset();
            if (!sd || sd->commandText().trimmed().isEmpty())
                throw std::runtime_error("отчет не записал промежуточную таблицу: --staging писать нечего");
            // The rows as the run collected them, read after the report was made.
            const auto collected = std::find_if(res.staging.begin(), res.staging.end(), [&](const StagedTable& t) {
                return t.query == sd->commandText();
            });
            if (collected != res.staging.end()) {
                exportCsv(collected->columns, collected->rows, req.staging);
            } else {
                Dataset copy(sd->connection());
                copy.setCommandText(sd->commandText());
                copy.open();
                exportCsv(copy, req.staging);
            }
            res.written << req.staging;
        }
        if (!req.templateDir.isEmpty()) {
            if (!rc->templateLoaded()) throw std::runtime_error("отчет не загрузил шаблон: --template-dir копировать нечего");
            QDir().mkpath(req.templateDir);
            const QString path = QDir(req.templateDir).filePath(templateCopyName(rc->templatePath()));
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw std::runtime_error("не удается записать файл " + path.toStdString());
            f.write(rc->templateText().toUtf8());
            res.written << path;
        }
        // A template that was missing, in error or refused: the empty report
        // was shown, and the run says why.
        if (!res.templateProblems.isEmpty()) {
            res.status = 1;
            res.errors << res.templateProblems;
        } else if (req.strict && !res.doubts.isEmpty()) {
            res.status = 3;
        }
    } catch (const std::exception& e) {
        res.status = 1;
        res.errors << errorText(e);
    }
    delete w; // before the datasets it refers to
    return finish(res);
}

} // namespace plan::shell
