#include "shell/PlanReport.h"

namespace plan::shell {

const HostTraits& TfrmPlanReport::itemTable()
{
    static const HostTraits t = [] {
        HostTraits t;
        t.className = QStringLiteral("TfrmPlanReport");
        t.windowKey = QStringLiteral("frmPlanReport");
        t.caption = QStringLiteral("Отчеты");
        t.section = QStringLiteral("PLAN_REPORT");
        t.switchFile = QStringLiteral("reports.ini");
        t.barName = QStringLiteral("BarVS");
        t.barWidth = 240;
        t.reportPanelName = QStringLiteral("PanReport");
        t.datasetCount = 3;
        t.progressBar = true;
        t.closeWithPreviewFlag = true;
        t.endDocHandler = true;
        t.panBottom = false;
        t.fitFrameHeight = true;
        // Caption, frame class, switch key where it is not the caption, FunStart argument.
        t.items = {
            {QStringLiteral("Отчет в ГосНИИ ГА (Приложение 1)"), QStringLiteral("TfrPlanRepGosNIIPr1"), {}, false, {}},
            {QStringLiteral("Отчет в ГосНИИ ГА (Приложение 2а)"), QStringLiteral("TfrPlanRepGosNIIPr2a"), {}, false, {}},
            {QStringLiteral("Состояние парка ВС"), QStringLiteral("TfrPlanRepSostParkVS"), {}, false, {}},
            {QStringLiteral("Форма 8-ОАСУ"), QStringLiteral("TfrPlanRep8OASU"), {}, false, {}},
            {QStringLiteral("Форма 34-ГА (СВ) Тип 1"), QStringLiteral("TfrPlanRepF34GAType1"), {}, false, {}},
            {QStringLiteral("Форма 34-ГА (СВ) Тип 2"), QStringLiteral("TfrPlanRepF34GAType2"), {}, false, {}},
            {QStringLiteral("Форма 36-ГА (СВ)"), QStringLiteral("TfrPlanRepF36"), {}, false, {}},
            {QStringLiteral("Форма 37-ГА (СВ) - Двигатели"), QStringLiteral("TfrPlanRepF37"), {}, true, QStringLiteral("Форма 37-ГА (СВ) - Двигатели")},
            {QStringLiteral("Форма 37-ГА (СВ) - ВСУ"), QStringLiteral("TfrPlanRepF37"), {}, true, QStringLiteral("Форма 37-ГА (СВ) - ВСУ")},
            {QStringLiteral("Форма 37-ГА (СВ) - Редукторы"), QStringLiteral("TfrPlanRepF37"), {}, true, QStringLiteral("Форма 37-ГА (СВ) - Редукторы")},
            {QStringLiteral("Форма-отчет в ПМТУ"), QStringLiteral("TfrPlanRepPMTU"), {}, false, {}},
            {QStringLiteral("Приложение 1. Сведения о наработке ВС на ПАСР"), QStringLiteral("TfrPlanRepPASRPr1"), {}, false, {}},
            {QStringLiteral("Приложение 3. Сведения о ВС, выполняющих дежурство ПАСР"), QStringLiteral("TfrPlanRepPASRPr3"), {}, false, {}},
            {QStringLiteral("Сведения о наработке двигателей и редукторов для АО «УЗГА»"), QStringLiteral("TfrPlanRepUZGA"), QStringLiteral("Сведения о наработке двигателей в УЗГА"), false, {}},
            {QStringLiteral("Лизинг ГТЛК. Ежемесячная форма - Сведения о наработках и заменах"), QStringLiteral("TfrPlanRepLizGTLKEgMesOtch"), {}, false, {}},
            {QStringLiteral("ООО ПСБ «Авиализинг». Отчет о техническом состоянии"), QStringLiteral("TfrPlanRepLizPSBOtcTehSost"), {}, false, {}},
            {QStringLiteral("ООО ПСБ «Авиализинг». Форма ежемесячного отчета"), QStringLiteral("TfrPlanRepLizPSBEgMesOtch"), {}, false, {}},
            {QStringLiteral("Перечень агрегатов, установленных за отчетный период"), QStringLiteral("TfrPlanRepAgrUstZaPeriod"), {}, false, {}},
            {QStringLiteral("Квартальный отчет о снятых и установленных компонентах ВС"), QStringLiteral("TfrPlanRepZamenyKvartal"), {}, true, QStringLiteral("Type1")},
            {QStringLiteral("Квартальный отчет об установленных компонентах ВС"), QStringLiteral("TfrPlanRepZamenyKvartal"), QStringLiteral("Квартальный отчет о снятых и установленных компонентах ВС"), true, QStringLiteral("Type2")},
            {QStringLiteral("Квартальный отчет о всех компонентах ВС"), QStringLiteral("TfrPlanRepAgrNaVSKvartal"), QStringLiteral("Квартальный отчет о снятых и установленных компонентах ВС"), false, {}},
        };
        return t;
    }();
    return t;
}

TfrmPlanReport::TfrmPlanReport(QWidget* parent) : THostWindow(itemTable(), parent) {}

TfrmPlanReport::~TfrmPlanReport() = default;

} // namespace plan::shell
