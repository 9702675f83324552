#pragma once
// Where the installation folder ("res.dat", "reports.ini", templates/) and the
// user's settings folder are.
#include <QString>

namespace plan {

class Paths {
public:
    // The installation folder: set by `--home DIR` or PLAN_HOME, otherwise the
    // folder of the running executable.
    static QString home();
    static void setHome(const QString& dir);
    // A file in the installation folder.
    static QString homeFile(const QString& name);
    // The user's settings folder, ending with a separator: PLAN_USER_ROOT when
    // set, otherwise $XDG_CONFIG_HOME/plan-module/ (or ~/.config/plan-module/).
    // The folder is created on first use.
    static QString userRoot();
    static void setUserRoot(const QString& dir);
};

} // namespace plan
