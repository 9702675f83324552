// plan check: the fleet data check from the command line.
#include "app/Driver.h"

#include "data/FleetCheck.h"
#include "platform/Connection.h"

namespace plan {

int cmdCheck(const DriverContext& ctx, const QStringList& args)
{
    if (!args.isEmpty()) { err(QStringLiteral("plan check takes no arguments (the database: --db PATH)")); return 2; }
    if (ctx.db.isEmpty()) { err(QStringLiteral("plan check needs a database: --db PATH or PLAN_DB")); return 2; }
    Connection c;
    c.open(ctx.db);
    const std::vector<Doubt> found = data::checkFleet(c);
    if (found.empty()) {
        out(QStringLiteral("Проверка данных парка: записей, требующих проверки, нет."));
        return 0;
    }
    out(QStringLiteral("Проверка данных парка: записей, требующих проверки: %1.").arg(found.size()));
    for (const Doubt& d : found) out(d.text());
    return 1;
}

} // namespace plan
