#include "app/Driver.h"

#include <cstdio>

namespace plan {
int runDriver(const QStringList& args)
{
    Q_UNUSED(args);
    std::fprintf(stderr, "plan: nothing to do yet\n");
    return 2;
}
} // namespace plan
