#include "shell/PlanZaiavProdl.h"

namespace plan::shell {

const HostTraits& TfrmPlanZaiavProdl::itemTable()
{
    static const HostTraits t = [] {
        HostTraits t;
        t.className = QStringLiteral("TfrmPlanZaiavProdl");
        t.windowKey = QStringLiteral("frmPlanZaiavProdl");
        t.caption = QStringLiteral("Продление ресурсов ВС");
        t.section = QStringLiteral("PRODLENIE");
        t.switchFile = QStringLiteral("reports.ini");
        t.barName = QStringLiteral("BarVS");
        t.barWidth = 240;
        t.reportPanelName = QStringLiteral("PanReport");
        t.datasetCount = 2;
        t.progressBar = false;
        t.closeWithPreviewFlag = false;
        t.endDocHandler = true;
        t.panBottom = false;
        t.fitFrameHeight = true;
        // Caption, frame class, switch key where it is not the caption, FunStart argument.
        t.items = {
            {QStringLiteral("Основные агрегаты"), QStringLiteral("TfrPlanZaiavProdlOsnAgr"), {}, true, QStringLiteral("Основные агрегаты")},
            {QStringLiteral("Пилотажно-навигационные и АиРЭО"), QStringLiteral("TfrPlanZaiavProdlAiREO"), {}, true, QStringLiteral("Пилотажно-навигационные и АиРЭО")},
            {QStringLiteral("Агрегаты с дубликатами паспортов"), QStringLiteral("TfrPlanZaiavProdlDublicat"), {}, true, QStringLiteral("Агрегаты с дубликатами паспортов")},
        };
        return t;
    }();
    return t;
}

TfrmPlanZaiavProdl::TfrmPlanZaiavProdl(QWidget* parent) : THostWindow(itemTable(), parent) {}

TfrmPlanZaiavProdl::~TfrmPlanZaiavProdl() = default;

} // namespace plan::shell
