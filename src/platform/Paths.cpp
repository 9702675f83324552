#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plan {
namespace {
QString g_home;
QString g_userRoot;

QString withSlash(QString s)
{
    if (!s.endsWith(QLatin1Char('/'))) s += QLatin1Char('/');
    return s;
}

QString executableDir()
{
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(QLatin1Char('/'), 0, -2);
}
} // namespace

QString Paths::home()
{
    if (!g_home.isEmpty()) return g_home;
    const QString env = qEnvironmentVariable("PLAN_HOME");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    return executableDir();
}

void Paths::setHome(const QString& dir) { g_home = dir.isEmpty() ? QString() : QDir(dir).absolutePath(); }

QString Paths::homeFile(const QString& name) { return withSlash(home()) + name; }

QString Paths::userRoot()
{
    QString root = g_userRoot;
    if (root.isEmpty()) root = qEnvironmentVariable("PLAN_USER_ROOT");
    if (root.isEmpty()) {
        QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
        root = base + QStringLiteral("/plan-module");
    }
    QDir().mkpath(root);
    return withSlash(QDir(root).absolutePath());
}

void Paths::setUserRoot(const QString& dir) { g_userRoot = dir; }

} // namespace plan
