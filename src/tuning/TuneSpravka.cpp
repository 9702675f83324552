#include "tuning/TuneSpravka.h"

#include "platform/IniFile.h"
#include "shell/ShellServices.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace plan::tuning {

using namespace plan::shell;

TfrmTuneSpravka::TfrmTuneSpravka(QWidget* parent) : TPlanWindow(parent)
{
    setObjectName(QStringLiteral("frmTuneSpravka"));
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

void TfrmTuneSpravka::FormCreate()
{
    readSettingsLocationNow();
    openWindowConnection(ADOConPdo);
}

void TfrmTuneSpravka::FunStart() {}

int TfrmTuneSpravka::panBottomHeight() const { return PanBottom->minimumHeight(); }
int TfrmTuneSpravka::panAgregatWidth() const { return PanAgregat->minimumWidth(); }

void TfrmTuneSpravka::setPanelSizes(int h, int w)
{
    PanBottom->setFixedHeight(h);
    PanAgregat->setFixedWidth(w);
}

void TfrmTuneSpravka::FormShow()
{
    const IniFile ini(settingsPath());
    const QString key = windowKey();
    resize(ini.readInteger(key, kKeyWidth, scaled(kTuneSpravkaWidth, scale())),
           ini.readInteger(key, kKeyHeight, scaled(kTuneSpravkaHeight, scale())));
    setPanelSizes(ini.readInteger(key, kKeyPanBottom, scaled(kTuneSpravkaPanBottom, scale())),
                  ini.readInteger(key, kKeyPanAgregat, scaled(kTuneSpravkaPanAgregat, scale())));
}

void TfrmTuneSpravka::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) FormShow();
    TPlanWindow::showEvent(e);
}

void TfrmTuneSpravka::FormClose()
{
    IniFile ini(settingsPath());
    ini.writeInteger(windowKey(), kKeyHeight, height());
    ini.writeInteger(windowKey(), kKeyWidth, width());
    ini.writeInteger(windowKey(), kKeyPanBottom, panBottomHeight());
    ini.writeInteger(windowKey(), kKeyPanAgregat, panAgregatWidth());
}

void TfrmTuneSpravka::restoreDefaultPosition(double s)
{
    resizeWindow(scaled(kTuneSpravkaWidth, s), scaled(kTuneSpravkaHeight, s));
    setPanelSizes(scaled(kTuneSpravkaPanBottom, s), scaled(kTuneSpravkaPanAgregat, s));
}

} // namespace plan::tuning
