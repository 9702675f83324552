#include "shell/ClassRegistry.h"

#include <QMap>

namespace plan::shell {
namespace {
QMap<QString, ClassRegistry::Factory>& classes()
{
    static QMap<QString, ClassRegistry::Factory> map;
    return map;
}
} // namespace

bool ClassRegistry::registerClass(const QString& className, Factory factory)
{
    if (classes().contains(className) || !factory) return false;
    classes().insert(className, std::move(factory));
    return true;
}

void ClassRegistry::unregisterClass(const QString& className) { classes().remove(className); }

bool ClassRegistry::isRegistered(const QString& className) { return classes().contains(className); }

QWidget* ClassRegistry::create(const QString& className)
{
    const auto it = classes().constFind(className);
    return it == classes().constEnd() ? nullptr : (*it)();
}

QStringList ClassRegistry::classNames() { return classes().keys(); }

} // namespace plan::shell
