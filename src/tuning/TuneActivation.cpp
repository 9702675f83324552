#include "tuning/TuneActivation.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace plan::tuning {

TuneActivation::TuneActivation(QWidget* window, std::function<void()> reload)
    : QObject(window), m_window(window), m_reloadFn(std::move(reload))
{
}

QMdiSubWindow* TuneActivation::subWindow() const { return qobject_cast<QMdiSubWindow*>(m_window->parentWidget()); }

void TuneActivation::attach()
{
    QMdiSubWindow* sub = subWindow();
    if (!sub || sub == m_attached || !sub->mdiArea()) return;
    m_attached = sub;
    connect(sub->mdiArea(), &QMdiArea::subWindowActivated, this, &TuneActivation::subWindowActivated);
    if (sub->mdiArea()->activeSubWindow() == sub) FormActivate();
}

void TuneActivation::subWindowActivated(QMdiSubWindow* sub)
{
    // Minimising activates the window once more; that is no activation.
    if (m_minimising) return;
    if (sub && sub == m_attached) {
        if (!m_active) FormActivate();
    } else if (m_active) {
        FormDeactivate(sub ? sub->windowTitle() : QString());
    }
}

void TuneActivation::FormActivate()
{
    m_active = true;
    if (m_reload) {
        m_reload = false;
        if (m_reloadFn) m_reloadFn();
    }
    // The first activation shows the window at the size its settings keep.
    if (m_first) {
        m_first = false;
        return;
    }
    if (QMdiSubWindow* sub = subWindow()) sub->showMaximized();
}

void TuneActivation::FormDeactivate(const QString& title)
{
    m_active = false;
    if (title == QLatin1String("Zir") || title == QLatin1String("VuzuRovaz")) {
        m_reload = false;
        return;
    }
    m_reload = true;
    QMdiSubWindow* sub = subWindow();
    if (!sub || !sub->mdiArea()) return;
    QPointer<QMdiSubWindow> taking = sub->mdiArea()->activeSubWindow();
    // A maximised window that takes over covers the editor already; minimising
    // would make the area activate and maximise the editor again.
    if (taking && taking != sub && taking->isMaximized()) return;
    m_minimising = true;
    sub->showMinimized();
    if (taking && taking != sub) sub->mdiArea()->setActiveSubWindow(taking);
    m_minimising = false;
}

} // namespace plan::tuning
