#include "reports/TfrPlanRepF34GAType2.h"

#include "frames/AircraftGrid.h"
#include "frames/AircraftTree.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepF34GAType2)

namespace {
const char* const kSumSection = "PLAN_REPORT";
const char* const kSumKey = "F34_SUM";
} // namespace

TfrPlanRepF34GAType2::TfrPlanRepF34GAType2()
{
    chkSumType = new QCheckBox(QStringLiteral("Суммировать по типам ВС"), this);
    chkSumType->setObjectName(QStringLiteral("chkSumType"));
    m_panel->insertWidget(m_panel->indexOf(GridSpravka) + 1, chkSumType);
    connect(chkSumType, &QCheckBox::clicked, this, [this] { guarded([this] { chkSumTypeClick(); }); });
}

void TfrPlanRepF34GAType2::FunStart()
{
    TfrPlanRepF34GAType1::FunStart();
    chkSumType->setChecked(
        IniFile(settingsPath()).readBool(QLatin1String(kSumSection), QLatin1String(kSumKey), false));
}

void TfrPlanRepF34GAType2::chkSumTypeClick()
{
    IniFile(settingsPath()).writeBool(QLatin1String(kSumSection), QLatin1String(kSumKey), chkSumType->isChecked());
}

void TfrPlanRepF34GAType2::fillGrid()
{
    GridSpravka->fillTypesWithAircraft(ADOConPdo, QString::fromUtf8(frames::kRegisterTypesQuery));
}

int TfrPlanRepF34GAType2::progressCount() const { return std::max(GridSpravka->tickedCount(), 1); }

Form34Options TfrPlanRepF34GAType2::options() const
{
    Form34Options o = TfrPlanRepF34GAType1::options();
    o.layout = chkSumType->isChecked() ? Form34Options::Layout::SumByType : Form34Options::Layout::ByAircraft;
    if (o.layout == Form34Options::Layout::SumByType) {
        o.groups = GridSpravka->groups();
        o.ticked.clear();
    }
    return o;
}

QString TfrPlanRepF34GAType2::reportTitle() const
{
    return chkSumType->isChecked() ? QStringLiteral("Форма 34-ГА (СВ). Использование парка ВС по типам")
                                   : QStringLiteral("Форма 34-ГА (СВ). Использование парка ВС по бортам");
}

} // namespace plan::reports
