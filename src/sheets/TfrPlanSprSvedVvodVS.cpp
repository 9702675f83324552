#include "sheets/TfrPlanSprSvedVvodVS.h"

#include "frames/AircraftTree.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/IniFile.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Func.h"
#include "sheets/SvedVvodVSSheet.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprSvedVvodVS)

namespace {
const char* const kSizeSection = "SVED_VVOD_VS";
const char* const kSizeKey = "A4";
constexpr int kSizesHeight = 22; // the row of sheet sizes at scale 1
} // namespace

TfrPlanSprSvedVvodVS::TfrPlanSprSvedVvodVS() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    auto* sizes = new QWidget(this);
    sizes->setObjectName(QStringLiteral("PanSize"));
    auto* row = new QHBoxLayout(sizes);
    row->setContentsMargins(0, 0, 0, 0);
    rbtA4 = new QRadioButton(QStringLiteral("Размер листа А4"), sizes);
    rbtA4->setObjectName(QStringLiteral("rbtA4"));
    rbtA4->setChecked(true);
    rbtA5 = new QRadioButton(QStringLiteral("Размер листа А5"), sizes);
    rbtA5->setObjectName(QStringLiteral("rbtA5"));
    row->addWidget(rbtA4);
    row->addWidget(rbtA5);
    TreeView = new frames::AircraftTree(this);
    layout->addWidget(sizes);
    layout->addWidget(TreeView);

    connect(TreeView, &frames::AircraftTree::picked, this, [this](const frames::AircraftRef& a) {
        m_aircraft = a;
        m_chosen = true;
        guarded([this] { FunReport(); });
    });
    connect(rbtA4, &QRadioButton::clicked, this, [this] { guarded([this] { rbtSizeClick(rbtA4, true); }); });
    connect(rbtA5, &QRadioButton::clicked, this, [this] { guarded([this] { rbtSizeClick(rbtA5, false); }); });
}

void TfrPlanSprSvedVvodVS::FunStart()
{
    const bool a4 = IniFile(settingsPath()).readBool(QLatin1String(kSizeSection), QLatin1String(kSizeKey), true);
    rbtA4->setChecked(a4);
    rbtA5->setChecked(!a4);
    TreeView->fill(ADOConPdo);
    fitHeight();
}

void TfrPlanSprSvedVvodVS::fitHeight()
{
    const int treeHeight = static_cast<int>(std::trunc(TreeView->topLevelItemCount() * 16 * S));
    TreeView->setFixedHeight(treeHeight);
    const int sizesHeight = static_cast<int>(kSizesHeight * S);
    rbtA4->parentWidget()->setFixedHeight(sizesHeight);
    setFixedHeight(static_cast<int>(std::trunc(treeHeight + sizesHeight + 8 * S)));
}

void TfrPlanSprSvedVvodVS::rbtSizeClick(QRadioButton* button, bool a4)
{
    if (!button->isChecked()) return;
    IniFile(settingsPath()).writeBool(QLatin1String(kSizeSection), QLatin1String(kSizeKey), a4);
    if (m_chosen) FunReport();
}

void TfrPlanSprSvedVvodVS::FunReport()
{
    if (!m_chosen || m_aircraft.board.isEmpty()) return;
    SvedVvodOptions o;
    o.aircraft = m_aircraft;
    o.a4 = rbtA4->isChecked();
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kSvedVvodQuery), svedVvodTemplate(o),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        const QDate today = Clock::today();
                        const SvedVvodSheet sheet = buildSvedVvod(ADOConPdo, o, today);
                        ReportValues v = rarozidi::FunReportValues(*ADOConPdo, sheet.operatorCode);
                        v.insert(QStringLiteral("report_title"),
                                 QStringLiteral("Необходимые сведения для ввода ВС %1 %2").arg(o.aircraft.type, o.aircraft.board));
                        v.insert(QStringLiteral("covers"),
                                 QStringList{QStringLiteral("Для отдела сертификации и лицензирования (ОСиЛ); наработка на ") +
                                             today.toString(QStringLiteral("dd.MM.yyyy"))});
                        reportComponent()->setValues(v);
                        for (const StagingRow& r : sheet.rows) w.addRow(r);
                    });
}

} // namespace plan::sheets
