#pragma once
// How a tuning editor behaves as a child window of the host application's
// main window: it maximises when activated; when another child window whose
// title is neither "Zir" nor "VuzuRovaz" takes over it minimises, and the
// next activation reloads it (FunStart) before maximising. A switch to
// "Zir" or "VuzuRovaz" leaves it as it is and reloads nothing. The first
// activation reloads nothing either (the entry point has just run FunStart)
// and leaves the window at the size its settings keep.
#include <QObject>
#include <QPointer>
#include <functional>

class QMdiSubWindow;
class QWidget;

namespace plan::tuning {

class TuneActivation : public QObject {
    Q_OBJECT
public:
    TuneActivation(QWidget* window, std::function<void()> reload);

    // Hooks the child window's area once the window sits in one.
    void attach();
    // FormActivate / FormDeactivate (the title of the window now active).
    void FormActivate();
    void FormDeactivate(const QString& newActiveTitle);
    bool reloadPending() const { return m_reload; }

private:
    void subWindowActivated(QMdiSubWindow* sub);
    QMdiSubWindow* subWindow() const;

    QWidget* m_window;
    std::function<void()> m_reloadFn;
    QPointer<QMdiSubWindow> m_attached;
    bool m_active = false;
    bool m_reload = false;
    bool m_first = true;
    bool m_minimising = false;
};

} // namespace plan::tuning
