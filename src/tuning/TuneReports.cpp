#include "tuning/TuneReports.h"

#include "platform/IniFile.h"
#include "shell/ShellServices.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace plan::tuning {

using namespace plan::shell;

TfrmTuneReports::TfrmTuneReports(QWidget* parent) : TPlanWindow(parent)
{
    setObjectName(QStringLiteral("frmTuneReports"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    PanAgregat = new QWidget(this);
    PanAgregat->setObjectName(QStringLiteral("PanAgregat"));
    PanMain = new QWidget(this);
    PanMain->setObjectName(QStringLiteral("PanMain"));
    top->addWidget(PanAgregat);
    top->addWidget(PanMain, 1);
    PanBottom = new QWidget(this);
    PanBottom->setObjectName(QStringLiteral("PanBottom"));
    root->addLayout(top, 1);
    root->addWidget(PanBottom);
    FormCreate();
}

void TfrmTuneReports::FormCreate()
{
    readSettingsLocationNow();
    openWindowConnection(ADOConPdo);
}

void TfrmTuneReports::FunStart() {}

int TfrmTuneReports::panBottomHeight() const { return PanBottom->minimumHeight(); }
int TfrmTuneReports::panAgregatWidth() const { return PanAgregat->minimumWidth(); }

void TfrmTuneReports::setPanelSizes(int h, int w)
{
    PanBottom->setFixedHeight(h);
    PanAgregat->setFixedWidth(w);
}

void TfrmTuneReports::FormShow()
{
    const IniFile ini(settingsPath());
    const QString key = windowKey();
    setPanelSizes(ini.readInteger(key, kKeyPanBottom, scaled(kTuneReportsPanBottom, scale())),
                  ini.readInteger(key, kKeyPanAgregat, scaled(kTuneReportsPanAgregat, scale())));
}

void TfrmTuneReports::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) FormShow();
    TPlanWindow::showEvent(e);
}

void TfrmTuneReports::FormClose()
{
    IniFile ini(settingsPath());
    ini.writeInteger(windowKey(), kKeyPanBottom, panBottomHeight());
    ini.writeInteger(windowKey(), kKeyPanAgregat, panAgregatWidth());
}

void TfrmTuneReports::restoreDefaultPosition(double s)
{
    setPanelSizes(scaled(kTuneReportsPanBottom, s), scaled(kTuneReportsPanAgregat, s));
}

} // namespace plan::tuning
