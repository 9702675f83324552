#include "shell/PlanWindow.h"

#include "shell/ShellServices.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPointer>

namespace plan::shell {

TPlanWindow::TPlanWindow(QWidget* parent) : QWidget(parent) {}

void TPlanWindow::closeEvent(QCloseEvent* e)
{
    // The window closes also when its settings cannot be saved; the message says why.
    runHandler([this] { FormClose(); });
    e->accept();
    QWidget::closeEvent(e);
    emit closed();
}

void TPlanWindow::resizeWindow(int w, int h)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const QSize frame = sub->size() - size();
        sub->resize(QSize(w, h) + frame);
    }
    resize(w, h);
}

void TPlanWindow::showInState()
{
    if (windowState() & Qt::WindowMaximized) showMaximized();
    else show();
}

void TPlanWindow::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QPointer<TPlanWindow> self(this);
    connect(this, &TPlanWindow::closed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    showInState();
    if (self && isVisible()) loop.exec();
}

} // namespace plan::shell
