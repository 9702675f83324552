#include "shell/PlanZaiavSLG.h"

#include <QApplication>
#include <QKeyEvent>

namespace plan::shell {

const HostTraits& TfrmPlanZaiavSLG::itemTable()
{
    static const HostTraits t = [] {
        HostTraits t;
        t.className = QStringLiteral("TfrmPlanZaiavSLG");
        t.windowKey = QStringLiteral("frmPlanZaiavSLG");
        t.caption = QStringLiteral("Сертификация экземпляра ВС");
        t.section = QStringLiteral("SLG");
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
            {QStringLiteral("Агрегаты с ограниченным ресурсом"), QStringLiteral("TfrPlanZaiavSLGOgrResurs"), {}, true, QStringLiteral("Агрегаты с ограниченным ресурсом")},
            {QStringLiteral("Отчет о контрольном полете ВС"), QStringLiteral("TfrPlanZaiavSLGOtchetKP"), {}, false, {}},
            {QStringLiteral("Приложение к заявке на сертификацию"), QStringLiteral("TfrPlanZaiavSLGPrilogenie"), {}, false, {}},
            {QStringLiteral("Акт оценки тех.состояния ВС"), QStringLiteral("TfrPlanZaiavSLGActOtcenkiTS"), {}, false, {}},
        };
        return t;
    }();
    return t;
}

TfrmPlanZaiavSLG::TfrmPlanZaiavSLG(QWidget* parent) : THostWindow(itemTable(), parent)
{
    qApp->installEventFilter(this);
}

TfrmPlanZaiavSLG::~TfrmPlanZaiavSLG()
{
    qApp->removeEventFilter(this);
}

bool TfrmPlanZaiavSLG::FormKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    focusNextPrevChild(true);
    return true;
}

bool TfrmPlanZaiavSLG::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && (w == this || isAncestorOf(w))) {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (ke->modifiers() == Qt::NoModifier || ke->modifiers() == Qt::KeypadModifier)
                if (FormKeyDown(ke->key())) return true;
        }
    }
    return THostWindow::eventFilter(watched, event);
}

} // namespace plan::shell
