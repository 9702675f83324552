// Commands of the driver that open the planning windows headless.
#include "app/Driver.h"

#include "platform/Connection.h"
#include "shell/FrameDriver.h"
#include "shell/HostWindow.h"
#include "shell/StartPlan.h"

namespace plan {

int cmdWindows(const DriverContext&, const QStringList& args)
{
    if (!args.isEmpty()) { err(QStringLiteral("plan windows: параметры не нужны")); return 2; }
    for (const shell::ModuleWindowInfo& w : shell::moduleWindows()) out(w.key + QLatin1Char('\t') + w.caption);
    return 0;
}

int cmdItems(const DriverContext&, const QStringList& args)
{
    if (args.size() != 1) { err(QStringLiteral("вызов: plan items ОКНО (ключи окон — plan windows)")); return 2; }
    const shell::HostTraits* traits = shell::hostTraits(args[0]);
    if (!traits) { err(QStringLiteral("«%1» — не окно отчетов (ключи окон — plan windows)").arg(args[0])); return 2; }
    for (const QString& caption : shell::switchedItems(*traits)) out(caption);
    return 0;
}

int cmdRun(const DriverContext& ctx, const QStringList& args)
{
    shell::RunRequest request;
    request.user = ctx.user;
    const QString error = shell::parseRunArguments(args, &request);
    if (!error.isEmpty()) {
        err(error);
        err(commandUsage(QStringLiteral("run")));
        return 2;
    }
    if (Connection::defaultConnectionString().isEmpty()) {
        err(QStringLiteral("plan run: укажите базу данных: --db ПУТЬ или PLAN_DB"));
        return 2;
    }
    const shell::RunResult result = shell::runItem(request);
    if (!result.doubts.isEmpty()) {
        err(QStringLiteral("Данные требуют проверки (%1):").arg(result.doubts.size()));
        for (const QString& d : result.doubts) err(QStringLiteral("  ") + d);
    }
    for (const QString& n : result.notices) err(n);
    for (const QString& e : result.errors) err(e);
    for (const QString& f : result.written) out(f);
    if (result.status == 0 && result.written.isEmpty())
        err(QStringLiteral("Отчет построен, но ничего не записано: укажите --pdf ФАЙЛ, --xlsx ФАЙЛ, --csv ФАЙЛ, --png-dir ПАПКА, --staging "
                           "ФАЙЛ.csv или --template-dir ПАПКА"));
    return result.status;
}

} // namespace plan
