#pragma once
// The entry points of the module and the placement of its windows.
//
// A host application calls one of the ten exported C functions below. The
// eight LoadFrm... functions open one window each, in these steps: create
// the window (its creation handler runs), store the window key, the report
// datasets and the user name in it, set the caption, call its FunStart,
// show it (the host windows modally: the call returns when the window is
// closed; the tuning editors modelessly, as child windows of the host's
// main window, see HostMainWindow.h). The two Restore... functions put
// windows back to their default size.
//
// C signatures (every argument is a pointer; nullptr is allowed):
//   application      the host's application object; not used (the windows
//                    belong to the process's QApplication)
//   reportDatasetN   a plan::Dataset* owned by the host application
//   userNameUtf8     the user's name, UTF-8, zero-terminated
// Errors (the database cannot be opened, ...) do not leave the C functions:
// they are shown as a message box and the function returns.
#include "shell/HostWindow.h"

#include <QPointer>
#include <QString>
#include <vector>

#if defined(_WIN32)
#define PLAN_MODULE_EXPORT __declspec(dllexport)
#else
#define PLAN_MODULE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
PLAN_MODULE_EXPORT void LoadFrmPlanPrognoz(void* application, void* reportDataset1, void* reportDataset2,
                                           const char* userNameUtf8);
PLAN_MODULE_EXPORT void LoadFrmPlanReport(void* application, void* reportDataset1, void* reportDataset2,
                                          void* reportDataset3, const char* userNameUtf8);
PLAN_MODULE_EXPORT void LoadFrmPlanSpravka(void* application, void* reportDataset1, void* reportDataset2,
                                           const char* userNameUtf8);
PLAN_MODULE_EXPORT void LoadFrmPlanUdoShum(void* application, void* reportDataset1, const char* userNameUtf8);
PLAN_MODULE_EXPORT void LoadFrmPlanZaiavProdl(void* application, void* reportDataset1, void* reportDataset2,
                                              const char* userNameUtf8);
PLAN_MODULE_EXPORT void LoadFrmPlanZaiavSLG(void* application, void* reportDataset1, void* reportDataset2,
                                            const char* userNameUtf8);
PLAN_MODULE_EXPORT void LoadFrmTuneReports(void* application, const char* userNameUtf8);
PLAN_MODULE_EXPORT void LoadFrmTuneSpravka(void* application, const char* userNameUtf8);
PLAN_MODULE_EXPORT void RestorePositionAllWindows(void* application);
PLAN_MODULE_EXPORT void RestorePositionActiveWindow(void* application);
}

// Pointer types of the exported functions, for a host that resolves them.
using LoadFrm2Fn = void (*)(void*, void*, void*, const char*);
using LoadFrm3Fn = void (*)(void*, void*, void*, void*, const char*);
using LoadFrm1Fn = void (*)(void*, void*, const char*);
using LoadFrmTuneFn = void (*)(void*, const char*);
using RestorePositionFn = void (*)(void*);

namespace plan {
class Dataset;
}

namespace plan::tuning {
class TfrmTuneReports;
class TfrmTuneSpravka;
} // namespace plan::tuning

namespace plan::shell {

class TfrmPlanPrognoz;
class TfrmPlanReport;
class TfrmPlanSpravka;
class TfrmPlanUdoShum;
class TfrmPlanZaiavProdl;
class TfrmPlanZaiavSLG;

// The window most recently created by each entry point.
extern QPointer<TfrmPlanPrognoz> frmPlanPrognoz;
extern QPointer<TfrmPlanReport> frmPlanReport;
extern QPointer<TfrmPlanSpravka> frmPlanSpravka;
extern QPointer<TfrmPlanUdoShum> frmPlanUdoShum;
extern QPointer<TfrmPlanZaiavProdl> frmPlanZaiavProdl;
extern QPointer<TfrmPlanZaiavSLG> frmPlanZaiavSLG;
extern QPointer<tuning::TfrmTuneReports> frmTuneReports;
extern QPointer<tuning::TfrmTuneSpravka> frmTuneSpravka;

struct ModuleWindowInfo {
    QString key;       // "frmPlanPrognoz", the name of its settings section
    QString className; // "TfrmPlanPrognoz"
    QString caption;
    bool hostWindow;   // one of the six host windows (else a tuning editor)
};
// The eight windows in the order of the entry points.
const std::vector<ModuleWindowInfo>& moduleWindows();
// The eight window keys in the order the restore walk treats them.
QStringList restoreOrder();
// The window key spelled as in the table, for a key given in any case; "" when unknown.
QString canonicalWindowKey(const QString& key);
// The item table and traits of a host window; nullptr for other keys.
const HostTraits* hostTraits(const QString& key);

// The live window of a key (the module-wide variable); nullptr when none.
TPlanWindow* moduleWindow(const QString& key);

enum class ShowMode {
    Modal,     // host windows from the entry points: returns when closed
    Modeless,  // tuning editors: as a child window of the host's main window
    NoLoop,    // shown, and returns at once (headless runs, tests)
};

// The steps of a LoadFrm... entry point for a host window. Errors go to the
// caller (plan::DbError when the connection cannot be opened).
THostWindow* loadHostWindow(const QString& key, Dataset* ds1, Dataset* ds2, Dataset* ds3, const QString& userName,
                            ShowMode mode);
// The same for a tuning editor.
TPlanWindow* loadTuneWindow(const QString& key, const QString& userName, ShowMode mode);

// RestorePositionAllWindows / RestorePositionActiveWindow.
void restorePositionAllWindows();
void restorePositionActiveWindow();

} // namespace plan::shell
