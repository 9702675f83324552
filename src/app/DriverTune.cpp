// `plan tune-reports` and `plan tune-sheets`: the lists of the report and
// sheet tuning editors, edited without a window through the same models.
#include "app/Driver.h"

#include "platform/Connection.h"
#include "shell/ShellServices.h"
#include "tuning/TuneReportsModel.h"
#include "tuning/TuneSpravkaModel.h"

#include <functional>

namespace plan {
namespace {

using tuning::TuneListModel;

struct TuneArgs {
    QString type;
    QString document;
    QString action; // "--list", "--add", "--delete", "--move", "--repair"
    QStringList values;
    bool save = false;
};

// Reads the arguments; "" when they are well formed, the complaint otherwise.
QString parseTuneArgs(const QString& command, const QStringList& args, bool withType, TuneArgs* t)
{
    auto setAction = [&](const QString& a) -> QString {
        if (!t->action.isEmpty()) return QStringLiteral("plan %1: %2 и %3 вместе не указываются — выберите одно действие").arg(command, t->action, a);
        t->action = a;
        return {};
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        if (a == QLatin1String("--type") && withType) {
            if (!optionValue(args, &i, &t->type)) return QStringLiteral("plan %1: после --type укажите тип ВС").arg(command);
        } else if (a == QLatin1String("--document")) {
            if (!optionValue(args, &i, &t->document)) return QStringLiteral("plan %1: после --document укажите документ").arg(command);
        } else if (a == QLatin1String("--save")) {
            t->save = true;
        } else if (a == QLatin1String("--list") || (a == QLatin1String("--repair") && withType)) {
            if (QString e = setAction(a); !e.isEmpty()) return e;
        } else if (a == QLatin1String("--add") || a == QLatin1String("--delete") || a == QLatin1String("--move")) {
            if (QString e = setAction(a); !e.isEmpty()) return e;
            while (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--"))) t->values << args[++i];
            if (t->values.isEmpty()) return QStringLiteral("после %1 укажите значение").arg(a);
            if (a == QLatin1String("--move") && t->values.size() != 2) return QStringLiteral("после --move укажите два номера строк: откуда и куда");
        } else {
            return QStringLiteral("plan %1: неизвестный параметр «%2»").arg(command, a);
        }
    }
    if (withType && t->type.isEmpty()) return QStringLiteral("plan %1: укажите тип ВС: --type ТИП").arg(command);
    if (t->document.isEmpty()) return QStringLiteral("plan %1: укажите документ: --document ДОКУМЕНТ").arg(command);
    if (t->action.isEmpty())
        return QStringLiteral("plan %1: укажите действие: --list, --add, --delete, --move%2").arg(command, withType ? QStringLiteral(", --repair") : QString());
    if (Connection::defaultConnectionString().isEmpty()) return QStringLiteral("plan %1: укажите базу данных: --db ПУТЬ или PLAN_DB").arg(command);
    return {};
}

// A 1-based line number of the document, or 0 after saying what is wrong.
int lineNumber(const TuneListModel& m, const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) { err(QStringLiteral("«%1» — не номер строки").arg(text)); return 0; }
    if (n < 1 || n > m.lineCount()) {
        err(QStringLiteral("строки %1 нет: в документе строк: %2").arg(n).arg(m.lineCount()));
        return 0;
    }
    return n;
}

void printLines(const TuneListModel& m, int columns)
{
    for (int i = 0; i < m.lineCount(); ++i) {
        QStringList cells{QString::number(i + 1)};
        for (int c = 2; c < columns; ++c) cells << m.lineCell(i, c);
        out(cells.join(QLatin1Char('\t')));
    }
}

// The common actions: ticks the available rows named by their captions and
// adds them, deletes or moves lines. 0 when done, 2 after a complaint.
int editLines(TuneListModel& m, const TuneArgs& t, const QString& where, const std::function<std::vector<int>()>& add)
{
    if (t.action == QLatin1String("--add")) {
        for (const QString& caption : t.values) {
            bool found = false;
            for (int r = 0; r < static_cast<int>(m.available().size()); ++r)
                if (m.available()[r].cell(2) == caption) {
                    m.setAvailableChecked(r, true);
                    found = true;
                }
            if (!found) {
                QStringList offered;
                for (const auto& r : m.available())
                    if (!offered.contains(r.cell(2))) offered << r.cell(2);
                err(QStringLiteral("«%1» нет в списке доступных %2 (доступны: %3)")
                        .arg(caption, where, offered.isEmpty() ? QStringLiteral("нет") : offered.join(QStringLiteral(", "))));
                return 2;
            }
        }
        const size_t added = add().size();
        err(QStringLiteral("добавлено строк: %1").arg(added));
    } else if (t.action == QLatin1String("--delete")) {
        for (const QString& v : t.values) {
            const int n = lineNumber(m, v);
            if (!n) return 2;
            m.setLineChecked(n - 1, true);
        }
        m.deleteChecked();
    } else if (t.action == QLatin1String("--move")) {
        const int from = lineNumber(m, t.values[0]);
        const int to = from ? lineNumber(m, t.values[1]) : 0;
        if (!from || !to) return 2;
        m.moveLine(from - 1, to - 1);
    }
    return 0;
}

// After an edit: saves, or shows what would be saved.
void finish(TuneListModel& m, const TuneArgs& t, int columns, const std::function<void()>& save)
{
    if (t.action == QLatin1String("--list")) {
        printLines(m, columns);
        if (!t.save) return;
    }
    if (t.save) {
        save();
        out(QStringLiteral("сохранено строк: %1").arg(m.lineCount()));
        return;
    }
    printLines(m, columns);
    err(QStringLiteral("не сохранено: чтобы сохранить изменение, добавьте --save"));
}

const char* const kReportsUsage =
    "вызов: plan tune-reports --type ТИП --document ДОКУМЕНТ (--list | --add НАЗВАНИЕ... | --delete СТРОКА... | --move ОТКУДА КУДА | --repair) [--save]";
const char* const kSheetsUsage =
    "вызов: plan tune-sheets --document ДОКУМЕНТ (--list | --add НАЗВАНИЕ... | --delete СТРОКА... | --move ОТКУДА КУДА) [--save]";

} // namespace

int cmdTuneReports(const DriverContext&, const QStringList& args)
{
    TuneArgs t;
    const QString error = parseTuneArgs(QStringLiteral("tune-reports"), args, true, &t);
    if (!error.isEmpty()) {
        err(error);
        err(QString::fromUtf8(kReportsUsage));
        return 2;
    }
    Connection c;
    shell::openWindowConnection(c);
    tuning::TuneReportsModel m(&c);
    const QStringList types = m.types();
    if (!types.contains(t.type)) {
        err(QStringLiteral("типа ВС «%1» нет (типы: %2)").arg(t.type, types.join(QStringLiteral(", "))));
        return 2;
    }
    const QStringList documents = tuning::TuneReportsModel::offeredDocuments();
    if (!documents.contains(t.document)) {
        err(QStringLiteral("документа «%1» нет (в «reports.ini» включены: %2)")
                .arg(t.document, documents.isEmpty() ? QStringLiteral("нет") : documents.join(QStringLiteral("; "))));
        return 2;
    }
    m.setType(t.type);
    m.setDocument(t.document);
    m.loadAvailable();
    m.loadLines();
    if (t.action == QLatin1String("--repair")) {
        for (const QString& e : m.repair()) err(e);
        out(QStringLiteral("Готово!"));
        return 0;
    }
    if (const int rc = editLines(m, t, QStringLiteral("для ") + t.type, [&] { return m.addChecked(); })) return rc;
    finish(m, t, tuning::TuneReportsModel::lColumns, [&] { m.save(); });
    return 0;
}

int cmdTuneSheets(const DriverContext&, const QStringList& args)
{
    TuneArgs t;
    const QString error = parseTuneArgs(QStringLiteral("tune-sheets"), args, false, &t);
    if (!error.isEmpty()) {
        err(error);
        err(QString::fromUtf8(kSheetsUsage));
        return 2;
    }
    const QStringList sheets = tuning::TuneSpravkaModel::offeredSheets();
    if (!sheets.contains(t.document)) {
        err(QStringLiteral("документа «%1» нет (есть: %2)").arg(t.document, sheets.join(QStringLiteral("; "))));
        return 2;
    }
    Connection c;
    shell::openWindowConnection(c);
    tuning::TuneSpravkaModel m(&c);
    m.setSheet(t.document);
    m.loadAvailable();
    m.loadLines();
    if (const int rc = editLines(m, t, QStringLiteral("для справок"), [&] { return m.addChecked(); })) return rc;
    finish(m, t, tuning::TuneSpravkaModel::cColumns, [&] { m.save(); });
    return 0;
}

} // namespace plan
