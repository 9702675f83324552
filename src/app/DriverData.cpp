// Commands of the driver that make and inspect databases.
#include "app/Driver.h"

#include "data/DemoFleet.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "shell/HostWindow.h"
#include "shell/StartPlan.h"

#include <QFile>

#include <QElapsedTimer>

namespace plan {

namespace {
// A report switch file with every bar item of every host window on.
void writeReportsIni(const QString& path)
{
    IniFile ini(path);
    for (const auto& w : shell::moduleWindows()) {
        const shell::HostTraits* t = shell::hostTraits(w.key);
        if (!t) continue;
        for (const auto& item : t->items) ini.writeBool(t->section, item.key(), true);
    }
}
} // namespace

int cmdDemoDb(const DriverContext&, const QStringList& args)
{
    DemoFleet::Options opt;
    QString path;
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        auto number = [&](int* outValue, int min, int max) {
            bool ok = false;
            const int v = i + 1 < args.size() ? args[i + 1].toInt(&ok) : 0;
            if (!ok || v < min || v > max) {
                err(QStringLiteral("после %1 укажите целое число от %2 до %3").arg(a).arg(min).arg(max));
                return false;
            }
            *outValue = v;
            ++i;
            return true;
        };
        if (a == QLatin1String("--aircraft")) { if (!number(&opt.aircraft, 1, 5000)) return 2; }
        else if (a == QLatin1String("--years")) { if (!number(&opt.years, 1, 30)) return 2; }
        else if (a == QLatin1String("--seed")) { if (!number(&opt.seed, 0, 1 << 30)) return 2; }
        else if (a.startsWith(QLatin1String("--"))) { err(QStringLiteral("plan demo-db: неизвестный параметр %1").arg(a)); return 2; }
        else if (path.isEmpty()) path = a;
        else { err(QStringLiteral("plan demo-db: укажите один путь к базе данных")); return 2; }
    }
    if (path.isEmpty()) { err(QStringLiteral("вызов: plan demo-db ПУТЬ [--aircraft N] [--years ЛЕТ] [--seed S]")); return 2; }
    QElapsedTimer t;
    t.start();
    const DemoFleet::Summary s = DemoFleet::create(path, opt, [](const QString& step) { out(step); });
    out(QStringLiteral("Создана база %1: ВС %2, компонентов %3, записей о полетах %4 за %5 с")
            .arg(path).arg(s.aircraft).arg(s.components).arg(s.flights).arg(t.elapsed() / 1000.0, 0, 'f', 1));
    const QString ini = Paths::homeFile(QStringLiteral("reports.ini"));
    if (!QFile::exists(ini)) {
        writeReportsIni(ini);
        out(QStringLiteral("Записан %1: включены все отчеты").arg(ini));
    }
    return 0;
}

int cmdInfo(const DriverContext& ctx, const QStringList& args)
{
    QString db = ctx.db;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--db") && i + 1 < args.size()) db = args[++i];
        else { err(QStringLiteral("plan info: неизвестный параметр %1").arg(args[i])); return 2; }
    }
    if (db.isEmpty()) { err(QStringLiteral("plan info: укажите базу данных: --db ПУТЬ")); return 2; }
    Connection c;
    c.open(db);
    Dataset tables(&c);
    tables.setCommandText(QStringLiteral(
        "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
        "AND RDB$VIEW_BLR IS NULL ORDER BY RDB$RELATION_NAME"));
    tables.open();
    out(QStringLiteral("База данных %1").arg(db));
    qlonglong total = 0;
    for (; !tables.eof(); tables.next()) {
        const QString name = tables.str(0);
        const QString n = queryScalar(&c, QStringLiteral("SELECT COUNT(*) FROM ") + name);
        total += n.toLongLong();
        out(QStringLiteral("%1 %2").arg(name, -32).arg(n, 10));
    }
    out(QStringLiteral("таблиц: %1, строк: %2").arg(tables.recordCount()).arg(total));
    return 0;
}

} // namespace plan
