#include "shell/StartPlan.h"

#include "shell/ClassRegistry.h"
#include "shell/HostMainWindow.h"
#include "shell/PlanPrognoz.h"
#include "shell/PlanReport.h"
#include "shell/PlanSpravka.h"
#include "shell/PlanUdoShum.h"
#include "shell/PlanZaiavProdl.h"
#include "shell/PlanZaiavSLG.h"
#include "shell/ShellServices.h"
#include "shell/WindowSettings.h"
#include "tuning/TuneReports.h"
#include "tuning/TuneSpravka.h"

#include <stdexcept>

namespace plan::shell {

QPointer<TfrmPlanPrognoz> frmPlanPrognoz;
QPointer<TfrmPlanReport> frmPlanReport;
QPointer<TfrmPlanSpravka> frmPlanSpravka;
QPointer<TfrmPlanUdoShum> frmPlanUdoShum;
QPointer<TfrmPlanZaiavProdl> frmPlanZaiavProdl;
QPointer<TfrmPlanZaiavSLG> frmPlanZaiavSLG;
QPointer<tuning::TfrmTuneReports> frmTuneReports;
QPointer<tuning::TfrmTuneSpravka> frmTuneSpravka;

namespace {

// Registers the eight window classes when the module is loaded, unless a
// class of that name is there already, and removes those it registered
// when the module is unloaded.
class WindowClassRegistration {
public:
    WindowClassRegistration()
    {
        add<TfrmPlanPrognoz>(QStringLiteral("TfrmPlanPrognoz"));
        add<TfrmPlanReport>(QStringLiteral("TfrmPlanReport"));
        add<TfrmPlanSpravka>(QStringLiteral("TfrmPlanSpravka"));
        add<TfrmPlanUdoShum>(QStringLiteral("TfrmPlanUdoShum"));
        add<TfrmPlanZaiavProdl>(QStringLiteral("TfrmPlanZaiavProdl"));
        add<TfrmPlanZaiavSLG>(QStringLiteral("TfrmPlanZaiavSLG"));
        add<tuning::TfrmTuneReports>(QStringLiteral("TfrmTuneReports"));
        add<tuning::TfrmTuneSpravka>(QStringLiteral("TfrmTuneSpravka"));
    }
    ~WindowClassRegistration()
    {
        for (const QString& name : m_mine) ClassRegistry::unregisterClass(name);
    }

private:
    template <class W>
    void add(const QString& name)
    {
        if (ClassRegistry::registerClass(name, [] { return static_cast<QWidget*>(new W()); })) m_mine << name;
    }
    QStringList m_mine;
};
const WindowClassRegistration g_registration;

template <class W>
void replace(QPointer<W>& var, W* w)
{
    // The window opened before is closed (the host windows are modal);
    // it goes when the new one takes its place.
    if (var && var != w && !var->isVisible()) var->deleteLater();
    var = w;
}

template <class W>
THostWindow* makeHost(QPointer<W>& var)
{
    auto* w = new W();
    replace(var, w);
    return w;
}

template <class W>
TPlanWindow* makeTune(QPointer<W>& var)
{
    auto* w = new W();
    replace(var, w);
    return w;
}

QString fromUtf8(const char* s) { return s ? QString::fromUtf8(s) : QString(); }
Dataset* ds(void* p) { return static_cast<Dataset*>(p); }

void guardedEntry(const std::function<void()>& f) { runHandler(f); }

} // namespace

const std::vector<ModuleWindowInfo>& moduleWindows()
{
    static const std::vector<ModuleWindowInfo> list = {
        {QStringLiteral("frmPlanPrognoz"), QStringLiteral("TfrmPlanPrognoz"), QStringLiteral("Прогнозы на замену агрегатов"), true},
        {QStringLiteral("frmPlanReport"), QStringLiteral("TfrmPlanReport"), QStringLiteral("Отчеты"), true},
        {QStringLiteral("frmPlanSpravka"), QStringLiteral("TfrmPlanSpravka"), QStringLiteral("Справки"), true},
        {QStringLiteral("frmPlanUdoShum"), QStringLiteral("TfrmPlanUdoShum"), QStringLiteral("Удостоверение по шуму на местности"), true},
        {QStringLiteral("frmPlanZaiavProdl"), QStringLiteral("TfrmPlanZaiavProdl"), QStringLiteral("Продление ресурсов ВС"), true},
        {QStringLiteral("frmPlanZaiavSLG"), QStringLiteral("TfrmPlanZaiavSLG"), QStringLiteral("Сертификация экземпляра ВС"), true},
        {QStringLiteral("frmTuneReports"), QStringLiteral("TfrmTuneReports"), QStringLiteral("Настройки перечней заявок"), false},
        {QStringLiteral("frmTuneSpravka"), QStringLiteral("TfrmTuneSpravka"), QStringLiteral("Настройки перечней справок"), false},
    };
    return list;
}

QStringList restoreOrder()
{
    return {QStringLiteral("frmPlanPrognoz"), QStringLiteral("frmPlanReport"),  QStringLiteral("frmPlanSpravka"),
            QStringLiteral("frmPlanZaiavProdl"), QStringLiteral("frmPlanZaiavSLG"), QStringLiteral("frmTuneReports"),
            QStringLiteral("frmPlanUdoShum"), QStringLiteral("frmTuneSpravka")};
}

QString canonicalWindowKey(const QString& key)
{
    for (const ModuleWindowInfo& w : moduleWindows())
        if (w.key.compare(key, Qt::CaseInsensitive) == 0 || w.className.compare(key, Qt::CaseInsensitive) == 0)
            return w.key;
    return {};
}

const HostTraits* hostTraits(const QString& keyIn)
{
    const QString key = canonicalWindowKey(keyIn);
    if (key == QLatin1String("frmPlanPrognoz")) return &TfrmPlanPrognoz::itemTable();
    if (key == QLatin1String("frmPlanReport")) return &TfrmPlanReport::itemTable();
    if (key == QLatin1String("frmPlanSpravka")) return &TfrmPlanSpravka::itemTable();
    if (key == QLatin1String("frmPlanUdoShum")) return &TfrmPlanUdoShum::itemTable();
    if (key == QLatin1String("frmPlanZaiavProdl")) return &TfrmPlanZaiavProdl::itemTable();
    if (key == QLatin1String("frmPlanZaiavSLG")) return &TfrmPlanZaiavSLG::itemTable();
    return nullptr;
}

TPlanWindow* moduleWindow(const QString& keyIn)
{
    const QString key = canonicalWindowKey(keyIn);
    if (key == QLatin1String("frmPlanPrognoz")) return frmPlanPrognoz.data();
    if (key == QLatin1String("frmPlanReport")) return frmPlanReport.data();
    if (key == QLatin1String("frmPlanSpravka")) return frmPlanSpravka.data();
    if (key == QLatin1String("frmPlanUdoShum")) return frmPlanUdoShum.data();
    if (key == QLatin1String("frmPlanZaiavProdl")) return frmPlanZaiavProdl.data();
    if (key == QLatin1String("frmPlanZaiavSLG")) return frmPlanZaiavSLG.data();
    if (key == QLatin1String("frmTuneReports")) return frmTuneReports.data();
    if (key == QLatin1String("frmTuneSpravka")) return frmTuneSpravka.data();
    return nullptr;
}

THostWindow* loadHostWindow(const QString& keyIn, Dataset* ds1, Dataset* ds2, Dataset* ds3, const QString& userName,
                            ShowMode mode)
{
    const QString key = canonicalWindowKey(keyIn);
    const HostTraits* traits = hostTraits(key);
    if (!traits) throw std::invalid_argument("\"" + keyIn.toStdString() + "\" is not a host window");
    // 1. Create the window (FormCreate runs now).
    THostWindow* w = nullptr;
    if (key == QLatin1String("frmPlanPrognoz")) w = makeHost(frmPlanPrognoz);
    else if (key == QLatin1String("frmPlanReport")) w = makeHost(frmPlanReport);
    else if (key == QLatin1String("frmPlanSpravka")) w = makeHost(frmPlanSpravka);
    else if (key == QLatin1String("frmPlanUdoShum")) w = makeHost(frmPlanUdoShum);
    else if (key == QLatin1String("frmPlanZaiavProdl")) w = makeHost(frmPlanZaiavProdl);
    else w = makeHost(frmPlanZaiavSLG);
    // 2. Window key, datasets, user name.
    w->setWindowKey(key);
    w->setReportDatasets(ds1, ds2, ds3);
    w->setUserName(userName);
    // 3. Caption.
    w->setWindowTitle(traits->caption);
    // 4. Geometry and bar.
    w->FunStart();
    // 5. Show.
    if (mode == ShowMode::Modal) w->showModal();
    else w->showInState();
    return w;
}

TPlanWindow* loadTuneWindow(const QString& keyIn, const QString& userName, ShowMode mode)
{
    const QString key = canonicalWindowKey(keyIn);
    TPlanWindow* w = nullptr;
    if (key == QLatin1String("frmTuneReports")) w = makeTune(frmTuneReports);
    else if (key == QLatin1String("frmTuneSpravka")) w = makeTune(frmTuneSpravka);
    else throw std::invalid_argument("\"" + keyIn.toStdString() + "\" is not a tuning editor");
    w->setWindowKey(key);
    w->setUserName(userName);
    for (const ModuleWindowInfo& info : moduleWindows())
        if (info.key == key) w->setWindowTitle(info.caption);
    w->FunStart();
    if (mode == ShowMode::Modeless && HostMainWindow::addChild(w)) return w;
    if (mode == ShowMode::Modal) w->showModal();
    else w->showInState();
    return w;
}

namespace {
// The walk of both restore functions; `writeOthers` is step 2.
void restoreWalk(bool writeOthers)
{
    const SettingsLocation where = readSettingsLocation();
    const bool hasChild = HostMainWindow::childCount() > 0;
    auto* active = hasChild ? qobject_cast<TPlanWindow*>(HostMainWindow::activeChild()) : nullptr;
    for (const QString& key : restoreOrder()) {
        if (active && active->windowKey() == key) active->restoreDefaultPosition(where.scale);
        else if (writeOthers) writeDefaultGeometry(where, key);
    }
}
} // namespace

void restorePositionAllWindows() { restoreWalk(true); }
void restorePositionActiveWindow() { restoreWalk(false); }

} // namespace plan::shell

// ---------------------------------------------------------------- exported

using namespace plan::shell;

extern "C" {

void LoadFrmPlanPrognoz(void*, void* d1, void* d2, const char* user)
{
    guardedEntry([&] { loadHostWindow(QStringLiteral("frmPlanPrognoz"), ds(d1), ds(d2), nullptr, fromUtf8(user), ShowMode::Modal); });
}

void LoadFrmPlanReport(void*, void* d1, void* d2, void* d3, const char* user)
{
    guardedEntry([&] { loadHostWindow(QStringLiteral("frmPlanReport"), ds(d1), ds(d2), ds(d3), fromUtf8(user), ShowMode::Modal); });
}

void LoadFrmPlanSpravka(void*, void* d1, void* d2, const char* user)
{
    guardedEntry([&] { loadHostWindow(QStringLiteral("frmPlanSpravka"), ds(d1), ds(d2), nullptr, fromUtf8(user), ShowMode::Modal); });
}

void LoadFrmPlanUdoShum(void*, void* d1, const char* user)
{
    guardedEntry([&] { loadHostWindow(QStringLiteral("frmPlanUdoShum"), ds(d1), nullptr, nullptr, fromUtf8(user), ShowMode::Modal); });
}

void LoadFrmPlanZaiavProdl(void*, void* d1, void* d2, const char* user)
{
    guardedEntry([&] { loadHostWindow(QStringLiteral("frmPlanZaiavProdl"), ds(d1), ds(d2), nullptr, fromUtf8(user), ShowMode::Modal); });
}

void LoadFrmPlanZaiavSLG(void*, void* d1, void* d2, const char* user)
{
    guardedEntry([&] { loadHostWindow(QStringLiteral("frmPlanZaiavSLG"), ds(d1), ds(d2), nullptr, fromUtf8(user), ShowMode::Modal); });
}

void LoadFrmTuneReports(void*, const char* user)
{
    guardedEntry([&] { loadTuneWindow(QStringLiteral("frmTuneReports"), fromUtf8(user), ShowMode::Modeless); });
}

void LoadFrmTuneSpravka(void*, const char* user)
{
    guardedEntry([&] { loadTuneWindow(QStringLiteral("frmTuneSpravka"), fromUtf8(user), ShowMode::Modeless); });
}

void RestorePositionAllWindows(void*) { guardedEntry([] { restorePositionAllWindows(); }); }

void RestorePositionActiveWindow(void*) { guardedEntry([] { restorePositionActiveWindow(); }); }

} // extern "C"
