#pragma once
// The host application's main window as the module sees it: a main window
// whose central widget is a QMdiArea. Its sub-windows are the child windows
// (the tuning editors open there); the current sub-window is the active
// child. The host application registers its area; without a registration
// the first top-level QMainWindow with a QMdiArea in the centre is taken.
class QMdiArea;
class QWidget;

namespace plan::shell {

class HostMainWindow {
public:
    static void setMdiArea(QMdiArea* area);
    // The registered area, else the one found among the top-level windows.
    static QMdiArea* mdiArea();
    static int childCount();
    // The window inside the active child window; nullptr when there is none.
    static QWidget* activeChild();
    // Puts a window into the main window as a child window and shows it;
    // false when there is no main window (the caller shows it on its own).
    static bool addChild(QWidget* window);
};

} // namespace plan::shell
