#include "app/Driver.h"

#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/DbError.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"

#include <cstdio>
#include <exception>

namespace plan {

void out(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void err(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

namespace {
void usage()
{
    err(QStringLiteral(
        "usage: plan [--db CS] [--db-user USER] [--db-password PASSWORD] [--home DIR] [--user NAME]\n"
        "            [--today YYYY-MM-DD] [--now YYYY-MM-DDTHH:MM:SSZ] COMMAND\n"
        "  the database user and password: --db-user/--db-password, else ISC_USER/ISC_PASSWORD\n"
        "  (an embedded file needs none)\n"
        "commands:\n"
        "  demo-db PATH [--aircraft N] [--years Y] [--seed S]   create a demo maintenance database\n"
        "  info [--db CS]                                     row count of every table\n"
        "  windows                                            the planning windows\n"
        "  items WINDOW                                       the bar of a window as reports.ini switches it\n"
        "  run WINDOW ITEM [options]                          run a report frame headless\n"
        "  nalet KIND NUMBER FROM TO [--pdf F]                flight-hour report of one component\n"
        "  tune-reports --type TYPE --document ITEM (--list | --add CAPTION... | --delete LINE... | --move FROM TO | --repair) [--save]\n"
        "                                                     the unit list of an application document\n"
        "  tune-sheets --document ITEM (--list | --add CAPTION... | --delete LINE... | --move FROM TO) [--save]\n"
        "                                                     the list of a tuned sheet"));
}
} // namespace

bool optionValue(const QStringList& args, int* i, QString* value)
{
    if (*i + 1 >= args.size()) { err(QStringLiteral("%1 needs a value").arg(args[*i])); return false; }
    *value = args[++*i];
    return true;
}

int runDriver(const QStringList& argsIn)
{
    DriverContext ctx;
    ctx.db = qEnvironmentVariable("PLAN_DB");
    ctx.user = qEnvironmentVariable("PLAN_USER", QStringLiteral("planner"));
    const QString clockError = Clock::initFromEnvironment();
    if (!clockError.isEmpty()) { err(clockError); return 2; }

    QStringList rest;
    QString dbUser, dbPassword;
    // Global options may stand anywhere; commands see the rest in order.
    for (int i = 0; i < argsIn.size(); ++i) {
        const QString a = argsIn[i];
        auto value = [&](QString* outValue) { return optionValue(argsIn, &i, outValue); };
        QString v;
        if (a == QLatin1String("--db")) { if (!value(&ctx.db)) return 2; }
        else if (a == QLatin1String("--db-user")) { if (!value(&dbUser)) return 2; }
        else if (a == QLatin1String("--db-password")) { if (!value(&dbPassword)) return 2; }
        else if (a == QLatin1String("--user")) { if (!value(&ctx.user)) return 2; }
        else if (a == QLatin1String("--home")) { if (!value(&v)) return 2; Paths::setHome(v); }
        else if (a == QLatin1String("--today")) {
            if (!value(&v)) return 2;
            QDate d;
            if (!Clock::parseToday(v, &d)) { err(QStringLiteral("--today \"%1\" is not a date of the form YYYY-MM-DD").arg(v)); return 2; }
            Clock::setToday(d);
        } else if (a == QLatin1String("--now")) {
            if (!value(&v)) return 2;
            QDateTime t;
            if (!Clock::parseNow(v, &t)) { err(QStringLiteral("--now \"%1\" is not a moment of the form YYYY-MM-DDTHH:MM:SSZ").arg(v)); return 2; }
            Clock::setNow(t);
        } else rest << a;
    }
    if (rest.isEmpty()) { usage(); return 2; }
    if (!ctx.db.isEmpty()) Connection::setDefaultTarget(ctx.db);
    Connection::setDefaultCredentials(dbUser, dbPassword);
    MessageService::setHeadless(true);

    const QString cmd = rest.takeFirst();
    try {
        if (cmd == QLatin1String("demo-db")) return cmdDemoDb(ctx, rest);
        if (cmd == QLatin1String("info")) return cmdInfo(ctx, rest);
        if (cmd == QLatin1String("windows")) return cmdWindows(ctx, rest);
        if (cmd == QLatin1String("items")) return cmdItems(ctx, rest);
        if (cmd == QLatin1String("run")) return cmdRun(ctx, rest);
        if (cmd == QLatin1String("nalet")) return cmdNalet(ctx, rest);
        if (cmd == QLatin1String("tune-reports")) return cmdTuneReports(ctx, rest);
        if (cmd == QLatin1String("tune-sheets")) return cmdTuneSheets(ctx, rest);
    } catch (const DbError& e) {
        err(e.message());
        return 1;
    } catch (const std::exception& e) {
        err(QString::fromUtf8(e.what()));
        return 1;
    }
    err(QStringLiteral("unknown command \"%1\"").arg(cmd));
    usage();
    return 2;
}

} // namespace plan
