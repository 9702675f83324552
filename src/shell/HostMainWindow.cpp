#include "shell/HostMainWindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace plan::shell {
namespace {
QPointer<QMdiArea> g_area;
} // namespace

void HostMainWindow::setMdiArea(QMdiArea* area) { g_area = area; }

QMdiArea* HostMainWindow::mdiArea()
{
    if (g_area) return g_area;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* mw = qobject_cast<QMainWindow*>(w))
            if (auto* area = qobject_cast<QMdiArea*>(mw->centralWidget())) return area;
    return nullptr;
}

int HostMainWindow::childCount()
{
    QMdiArea* area = mdiArea();
    return area ? static_cast<int>(area->subWindowList().size()) : 0;
}

QWidget* HostMainWindow::activeChild()
{
    QMdiArea* area = mdiArea();
    if (!area) return nullptr;
    // The current sub-window is the active one while the application is
    // active, and the one last active otherwise.
    QMdiSubWindow* sub = area->currentSubWindow();
    return sub ? sub->widget() : nullptr;
}

bool HostMainWindow::addChild(QWidget* window)
{
    QMdiArea* area = mdiArea();
    if (!area) return false;
    QMdiSubWindow* sub = area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    area->setActiveSubWindow(sub);
    return true;
}

} // namespace plan::shell
