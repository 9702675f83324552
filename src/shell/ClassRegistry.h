#pragma once
// The process-wide registry of window classes by class name, through which
// a host application can create a window of the module by its name.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace plan::shell {

class ClassRegistry {
public:
    using Factory = std::function<QWidget*()>;
    // False (and the registered class stays) when the name is taken.
    static bool registerClass(const QString& className, Factory factory);
    static void unregisterClass(const QString& className);
    static bool isRegistered(const QString& className);
    static QWidget* create(const QString& className);
    static QStringList classNames();
};

} // namespace plan::shell
