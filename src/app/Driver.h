#pragma once
// The command-line driver `plan`.
#include <QStringList>

namespace plan {
int runDriver(const QStringList& args);
}
