#include "shell/PlanSpravka.h"

namespace plan::shell {

const HostTraits& TfrmPlanSpravka::itemTable()
{
    static const HostTraits t = [] {
        HostTraits t;
        t.className = QStringLiteral("TfrmPlanSpravka");
        t.windowKey = QStringLiteral("frmPlanSpravka");
        t.caption = QStringLiteral("Справки");
        t.section = QStringLiteral("PLAN_SPRAVKA");
        t.switchFile = QStringLiteral("reports.ini");
        t.barName = QStringLiteral("BarVS");
        t.barWidth = 260;
        t.reportPanelName = QStringLiteral("PanReport");
        t.datasetCount = 2;
        t.progressBar = true;
        t.closeWithPreviewFlag = true;
        t.endDocHandler = false;
        t.panBottom = true;
        t.fitFrameHeight = true;
        // Caption, frame class, switch key where it is not the caption, FunStart argument.
        t.items = {
            {QStringLiteral("Необходимые сведения для ввода ВС (ОСиЛ)"), QStringLiteral("TfrPlanSprSvedVvodVS"), {}, false, {}},
            {QStringLiteral("Форма Г3 (ОСиЛ)"), QStringLiteral("TfrPlanSprFormaG3"), {}, false, {}},
            {QStringLiteral("Форма Г4 (ОСиЛ)"), QStringLiteral("TfrPlanSprFormaG4"), {}, false, {}},
            {QStringLiteral("Справка для отдела ТиЗ"), QStringLiteral("TfrPlanSprOTiZ"), {}, false, {}},
            {QStringLiteral("Сведения о ВС"), QStringLiteral("TfrPlanSprSvedVS"), {}, true, QStringLiteral("Сведения о ВС")},
            {QStringLiteral("Сведения о ВС для VU z Uz"), QStringLiteral("TfrPlanSprSvedVSforZAdAv"), {}, true, QStringLiteral("Сведения о ВС для VU z Uz")},
            {QStringLiteral("Справка в ЛО (вес и центровка)"), QStringLiteral("TfrPlanSprVesTcentr"), {}, false, {}},
            {QStringLiteral("План замены агрегатов"), QStringLiteral("TfrPlanSprPlanZamen"), {}, false, {}},
            {QStringLiteral("СЛГ и удостоверения по шуму"), QStringLiteral("TfrPlanSprSLGShum"), {}, false, {}},
            {QStringLiteral("План отвода ВС на ТО"), QStringLiteral("TfrPlanSprPlanOtvodTO"), {}, false, {}},
            {QStringLiteral("Годовой план отвода ВС на ТО"), QStringLiteral("TfrPlanSprPlanOtvodTOGodovoy"), {}, false, {}},
            {QStringLiteral("Годовой план-прогноз отвода ВС на ТО"), QStringLiteral("TfrPlanSprPlanPrognozOtvodTO"), {}, false, {}},
            {QStringLiteral("Квартальный план-прогноз отвода ВС на ТО"), QStringLiteral("TfrPlanSprPlanProgOtvodTOKvartal"), {}, false, {}},
            {QStringLiteral("Состояние парка воздушных судов (Отчет - тип 1)"), QStringLiteral("TfrPlanSprSostParkVST1"), {}, true, QStringLiteral("Состояние парка воздушных судов (Отчет - тип 1)")},
            {QStringLiteral("Состояние парка воздушных судов (Отчет - тип 2)"), QStringLiteral("TfrPlanSprSostParkVST2"), {}, true, QStringLiteral("Состояние парка воздушных судов (Отчет - тип 2)")},
            {QStringLiteral("Справка для Ziri-Revad"), QStringLiteral("TfrPlanSprForHD"), {}, false, {}},
        };
        return t;
    }();
    return t;
}

TfrmPlanSpravka::TfrmPlanSpravka(QWidget* parent) : THostWindow(itemTable(), parent) {}

TfrmPlanSpravka::~TfrmPlanSpravka() = default;

} // namespace plan::shell
