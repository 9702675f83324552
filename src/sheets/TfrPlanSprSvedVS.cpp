#include "sheets/TfrPlanSprSvedVS.h"

#include "frames/AircraftTree.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/IniFile.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Func.h"
#include "sheets/SvedVSSheet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <cmath>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprSvedVS)

namespace {
const char* const kTuneSection = "TUNE_PLAN_SPRAVKA";
const char* const kTuneKey = "SVEDENIA_O_VS";
const char* const kSizeSection = "PARER_SIZE";
const char* const kSizeKey = "A4";
// Heights of the rows above the tree at scale 1: chkTune, the sheet sizes.
constexpr int kRowHeights[2] = {20, 22};
} // namespace

TfrPlanSprSvedVS::TfrPlanSprSvedVS() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(0);
    chkTune = new QCheckBox(QStringLiteral("Индивидуальные настройки отчета"), this);
    chkTune->setObjectName(QStringLiteral("chkTune"));
    auto* sizes = new QWidget(this);
    auto* row = new QHBoxLayout(sizes);
    row->setContentsMargins(0, 0, 0, 0);
    rbtA4 = new QRadioButton(QStringLiteral("Размер листа А4"), sizes);
    rbtA4->setObjectName(QStringLiteral("rbtA4"));
    rbtA5 = new QRadioButton(QStringLiteral("Размер листа А5"), sizes);
    rbtA5->setObjectName(QStringLiteral("rbtA5"));
    rbtA5->setChecked(true);
    row->addWidget(rbtA4);
    row->addWidget(rbtA5);
    TreeView = new frames::AircraftTree(this);
    grid->addWidget(chkTune, 0, 0);
    grid->addWidget(sizes, 1, 0);
    grid->addWidget(TreeView, 2, 0);

    connect(TreeView, &frames::AircraftTree::picked, this, [this](const frames::AircraftRef& a) {
        m_aircraft = a;
        m_chosen = true;
        guarded([this] { FunReport(); });
    });
    connect(chkTune, &QCheckBox::clicked, this, [this] { guarded([this] { chkTuneClick(); }); });
    connect(rbtA4, &QRadioButton::clicked, this, [this] { guarded([this] { rbtA4Click(); }); });
    connect(rbtA5, &QRadioButton::clicked, this, [this] { guarded([this] { rbtA5Click(); }); });
}

void TfrPlanSprSvedVS::FunStart()
{
    const IniFile ini(settingsPath());
    chkTune->setChecked(ini.readBool(QLatin1String(kTuneSection), QLatin1String(kTuneKey), false));
    const bool a4 = ini.readBool(QLatin1String(kSizeSection), QLatin1String(kSizeKey), true);
    rbtA4->setChecked(a4);
    rbtA5->setChecked(!a4);
    TreeView->fill(ADOConPdo);
    fitHeight();
}

void TfrPlanSprSvedVS::fitHeight()
{
    const int treeHeight = static_cast<int>(std::trunc(TreeView->topLevelItemCount() * 16 * S));
    TreeView->setFixedHeight(treeHeight);
    auto* grid = static_cast<QGridLayout*>(layout());
    double total = treeHeight + 8 * S;
    for (int i = 0; i < 2; ++i) {
        const double h = kRowHeights[i] * S;
        grid->itemAtPosition(i, 0)->widget()->setFixedHeight(static_cast<int>(h));
        total += h;
    }
    setFixedHeight(static_cast<int>(std::trunc(total)));
}

void TfrPlanSprSvedVS::chkTuneClick()
{
    IniFile(settingsPath()).writeBool(QLatin1String(kTuneSection), QLatin1String(kTuneKey), chkTune->isChecked());
    if (m_chosen) FunReport();
}

void TfrPlanSprSvedVS::rbtA4Click()
{
    if (!rbtA4->isChecked()) return;
    IniFile(settingsPath()).writeBool(QLatin1String(kSizeSection), QLatin1String(kSizeKey), true);
    if (m_chosen) FunReport();
}

void TfrPlanSprSvedVS::rbtA5Click()
{
    if (!rbtA5->isChecked()) return;
    IniFile(settingsPath()).writeBool(QLatin1String(kSizeSection), QLatin1String(kSizeKey), false);
    if (m_chosen) FunReport();
}

void TfrPlanSprSvedVS::FunReport()
{
    if (!m_chosen || m_aircraft.board.isEmpty()) return;
    if (chkTune->isChecked())
        FunSvedVertTune();
    else
        FunSvedVert();
}

void TfrPlanSprSvedVS::runSheet(bool tuned)
{
    SvedVSOptions o;
    o.aircraft = m_aircraft;
    o.tuned = tuned;
    o.a4 = rbtA4->isChecked();
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kSvedVSQuery), svedVSTemplate(o),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        const SvedVSSheet sheet = buildSvedVS(ADOConPdo, o, Clock::today());
                        ReportValues v = rarozidi::FunReportValues(*ADOConPdo, sheet.operatorCode);
                        const int bang = sheet.title.indexOf(QLatin1Char('!'));
                        v.insert(QStringLiteral("report_title"), QStringLiteral("Сведения ") + sheet.title.left(bang));
                        v.insert(QStringLiteral("covers"), QStringList{sheet.title.mid(bang + 1)});
                        reportComponent()->setValues(v);
                        for (const StagingRow& r : sheet.rows) w.addRow(r);
                    });
}

} // namespace plan::sheets
