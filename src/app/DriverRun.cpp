// Commands of the driver that open the planning windows headless.
#include "app/Driver.h"

#include "platform/Connection.h"
#include "shell/FrameDriver.h"
#include "shell/HostWindow.h"
#include "shell/StartPlan.h"

namespace plan {

int cmdWindows(const DriverContext&, const QStringList& args)
{
    if (!args.isEmpty()) { err(QStringLiteral("plan windows takes no arguments")); return 2; }
    for (const shell::ModuleWindowInfo& w : shell::moduleWindows()) out(w.key + QLatin1Char('\t') + w.caption);
    return 0;
}

int cmdItems(const DriverContext&, const QStringList& args)
{
    if (args.size() != 1) { err(QStringLiteral("usage: plan items WINDOW")); return 2; }
    const shell::HostTraits* traits = shell::hostTraits(args[0]);
    if (!traits) { err(QStringLiteral("\"%1\" is not a host window (see plan windows)").arg(args[0])); return 2; }
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
        err(QStringLiteral("usage: plan run WINDOW ITEM [--set NAME=VALUE] [--tick TEXT] [--select TEXT] [--press NAME]\n"
                           "                [--pdf FILE] [--png-dir DIR] [--staging FILE.csv] [--staging-dir DIR] [--template-dir DIR]"));
        return 2;
    }
    if (Connection::defaultConnectionString().isEmpty()) {
        err(QStringLiteral("plan run needs a database: --db PATH or PLAN_DB"));
        return 2;
    }
    const shell::RunResult result = shell::runItem(request);
    for (const QString& e : result.errors) err(e);
    for (const QString& f : result.written) out(f);
    return result.status;
}

} // namespace plan
