#include "shell/PlanPrognoz.h"

namespace plan::shell {

const HostTraits& TfrmPlanPrognoz::itemTable()
{
    static const HostTraits t = [] {
        HostTraits t;
        t.className = QStringLiteral("TfrmPlanPrognoz");
        t.windowKey = QStringLiteral("frmPlanPrognoz");
        t.caption = QStringLiteral("Прогнозы на замену агрегатов");
        t.section = QStringLiteral("PLAN_PROGNOZ");
        t.switchFile = QStringLiteral("reports.ini");
        t.barName = QStringLiteral("BarSpravka");
        t.barWidth = 280;
        t.reportPanelName = QStringLiteral("PanReport");
        t.datasetCount = 2;
        t.progressBar = true;
        t.closeWithPreviewFlag = false;
        t.endDocHandler = true;
        t.panBottom = false;
        t.fitFrameHeight = false;
        // Caption, frame class, switch key where it is not the caption, FunStart argument.
        t.items = {
            {QStringLiteral("Комплексный прогноз для выбранных ВС"), QStringLiteral("TfrPlanPrognVS"), {}, false, {}},
            {QStringLiteral("Прогноз на замену двигателей"), QStringLiteral("TfrPlanPrognDvig"), {}, false, {}},
            {QStringLiteral("Прогноз на замену главных редукторов"), QStringLiteral("TfrPlanPrognRed"), {}, false, {}},
            {QStringLiteral("Прогноз на замену лопастей воздушного винта"), QStringLiteral("TfrPlanPrognLopVV"), {}, false, {}},
            {QStringLiteral("Прогноз на замену втулок ВВ"), QStringLiteral("TfrPlanPrognVV"), {}, false, {}},
            {QStringLiteral("Прогноз на замену лопастей несущего винта"), QStringLiteral("TfrPlanPrognLopNV"), {}, false, {}},
            {QStringLiteral("Прогноз на замену втулок НВ"), QStringLiteral("TfrPlanPrognVtulkaNV"), {}, false, {}},
            {QStringLiteral("Прогноз на замену лопастей рулевого винта"), QStringLiteral("TfrPlanPrognLopRV"), {}, false, {}},
            {QStringLiteral("Прогноз на замену втулок РВ"), QStringLiteral("TfrPlanPrognRV"), {}, false, {}},
            {QStringLiteral("Прогноз на замену электролебедок"), QStringLiteral("TfrPlanPrognLebedka"), {}, false, {}},
            {QStringLiteral("Прогноз на замену ЗЧУ"), QStringLiteral("TfrPlanPrognZCU"), {}, false, {}},
            {QStringLiteral("Прогноз на замену агрегатов"), QStringLiteral("TfrPlanPrognAgregat"), {}, false, {}},
        };
        return t;
    }();
    return t;
}

TfrmPlanPrognoz::TfrmPlanPrognoz(QWidget* parent) : THostWindow(itemTable(), parent) {}

TfrmPlanPrognoz::~TfrmPlanPrognoz() = default;

} // namespace plan::shell
