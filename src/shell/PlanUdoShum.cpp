#include "shell/PlanUdoShum.h"

namespace plan::shell {

const HostTraits& TfrmPlanUdoShum::itemTable()
{
    static const HostTraits t = [] {
        HostTraits t;
        t.className = QStringLiteral("TfrmPlanUdoShum");
        t.windowKey = QStringLiteral("frmPlanUdoShum");
        t.caption = QStringLiteral("Удостоверение по шуму на местности");
        t.section = QStringLiteral("PLAN_UDOSHUM");
        t.switchFile = QStringLiteral("Reports.ini");
        t.barName = QStringLiteral("BarVS");
        t.barWidth = 240;
        t.reportPanelName = QStringLiteral("PanUdoShum");
        t.datasetCount = 1;
        t.progressBar = true;
        t.closeWithPreviewFlag = false;
        t.endDocHandler = true;
        t.panBottom = false;
        t.fitFrameHeight = true;
        // Caption, frame class, switch key where it is not the caption, FunStart argument.
        t.items = {
            {QStringLiteral("Перечень исходной информации"), QStringLiteral("TfrPlanUdoShumIshodInfo"), {}, false, {}},
        };
        return t;
    }();
    return t;
}

TfrmPlanUdoShum::TfrmPlanUdoShum(QWidget* parent) : THostWindow(itemTable(), parent) {}

TfrmPlanUdoShum::~TfrmPlanUdoShum() = default;

} // namespace plan::shell
