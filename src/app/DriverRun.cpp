// Commands of the driver that open the planning windows headless.
#include "app/Driver.h"

namespace plan {

int cmdWindows(const DriverContext&, const QStringList&)
{
    err(QStringLiteral("plan windows: the host windows are not built yet"));
    return 1;
}

int cmdItems(const DriverContext&, const QStringList&)
{
    err(QStringLiteral("plan items: the host windows are not built yet"));
    return 1;
}

int cmdRun(const DriverContext&, const QStringList&)
{
    err(QStringLiteral("plan run: the host windows are not built yet"));
    return 1;
}

} // namespace plan
