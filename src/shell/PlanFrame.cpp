#include "shell/PlanFrame.h"

#include "platform/DataDoubts.h"
#include "platform/IniFile.h"
#include "shell/HostWindow.h"
#include "shell/ShellServices.h"
#include "shell/StartPlan.h"
#include "shell/WindowSettings.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMap>
#include <QVBoxLayout>
#include <stdexcept>

namespace plan::shell {

// ---------------------------------------------------------------- TPlanFrame

TPlanFrame::TPlanFrame(const QString& windowKey, QWidget* parent) : QWidget(parent), m_windowKey(windowKey) {}

void TPlanFrame::FunStart(const QString&) { FunStart(); }

THostWindow* TPlanFrame::host() const { return qobject_cast<THostWindow*>(moduleWindow(m_windowKey)); }

ReportHost& TPlanFrame::reportHost() const
{
    THostWindow* h = host();
    if (!h) throw std::runtime_error("the window " + m_windowKey.toStdString() + " is not open");
    return *h;
}

void TPlanFrame::copyFromHost()
{
    THostWindow* h = host();
    if (!h) throw std::runtime_error("the window " + m_windowKey.toStdString() + " is not open");
    ADOConPdo = &h->ADOConPdo;
    ADOQueryReport = h->reportDataset(1);
    ADOQueryReport2 = h->reportDataset(2);
    ADOQueryReport3 = h->reportDataset(3);
    frxReport = h->frxReport;
    m_iniFileName = h->settingsFileName();
    S = IniFile(settingsPath()).readFloat(QStringLiteral("MAIN"), QStringLiteral("SCALE"), 1.0);
}

void TPlanFrame::start()
{
    copyFromHost();
    FunStart();
}

void TPlanFrame::start(const QString& argument)
{
    copyFromHost();
    FunStart(argument);
}

Dataset* TPlanFrame::reportDataset(int n) const
{
    switch (n) {
    case 1: return ADOQueryReport;
    case 2: return ADOQueryReport2;
    case 3: return ADOQueryReport3;
    default: return nullptr;
    }
}

QString TPlanFrame::settingsPath() const { return userSettingsPath(m_iniFileName); }

void TPlanFrame::bindShowButton(QAbstractButton* cmdReport)
{
    connect(cmdReport, &QAbstractButton::clicked, this, [this] {
        // Each run starts a new collection of doubtful data.
        DataDoubts::begin();
        guarded([this] { cmdReportClick(); });
    });
}

bool TPlanFrame::guarded(const std::function<void()>& handler) { return runHandler(handler); }

void TPlanFrame::progressStart(int n) { reportHost().progressStart(n); }
void TPlanFrame::progressStep() { reportHost().progressStep(); }
void TPlanFrame::progressReset() { reportHost().progressReset(); }

// ---------------------------------------------------------------- TfrNotBuilt

TfrNotBuilt::TfrNotBuilt(const QString& windowKey, const QString& caption, const QString& frameClass)
    : TPlanFrame(windowKey), m_caption(caption), m_frameClass(frameClass)
{
    setObjectName(QStringLiteral("frNotBuilt"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(notice(), this);
    label->setObjectName(QStringLiteral("lblNotBuilt"));
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addStretch(1);
}

QString TfrNotBuilt::notice() const
{
    return QStringLiteral("Отчет «%1» (%2) еще не построен.").arg(m_caption, m_frameClass);
}

// ---------------------------------------------------------------- FrameRegistry

namespace {
QMap<QString, FrameRegistry::Factory>& frameClasses()
{
    static QMap<QString, FrameRegistry::Factory> map;
    return map;
}
} // namespace

bool FrameRegistry::add(const QString& className, Factory factory)
{
    auto& map = frameClasses();
    if (map.contains(className) || !factory) return false;
    map.insert(className, std::move(factory));
    return true;
}

FrameRegistry::Factory FrameRegistry::replace(const QString& className, Factory factory)
{
    auto& map = frameClasses();
    Factory previous = map.value(className);
    if (factory) map.insert(className, std::move(factory));
    else map.remove(className);
    return previous;
}

bool FrameRegistry::contains(const QString& className) { return frameClasses().contains(className); }

TPlanFrame* FrameRegistry::create(const QString& className)
{
    const auto& map = frameClasses();
    const auto it = map.constFind(className);
    return it == map.constEnd() ? nullptr : (*it)();
}

QStringList FrameRegistry::classNames() { return frameClasses().keys(); }

} // namespace plan::shell
