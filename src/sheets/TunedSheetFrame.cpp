#include "sheets/TunedSheetFrame.h"

#include "frames/AircraftTree.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <cmath>

namespace plan::sheets {

namespace {
// Heights of the rows above the tree at scale 1: chkTune, the sheet sizes.
constexpr int kRowHeights[2] = {20, 22};
} // namespace

TunedSheetFrame::TunedSheetFrame(const Keys& keys) : TPlanFrame(QStringLiteral("frmPlanSpravka")), m_keys(keys)
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
    rbtA4->setChecked(true);
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
    connect(chkTune, &QCheckBox::clicked, this, [this] {
        guarded([this] { storeAndRemake(m_keys.tuneSection, m_keys.tuneKey, chkTune->isChecked()); });
    });
    connect(rbtA4, &QRadioButton::clicked, this, [this] {
        if (rbtA4->isChecked()) guarded([this] { storeAndRemake(m_keys.sizeSection, m_keys.sizeKey, true); });
    });
    connect(rbtA5, &QRadioButton::clicked, this, [this] {
        if (rbtA5->isChecked()) guarded([this] { storeAndRemake(m_keys.sizeSection, m_keys.sizeKey, false); });
    });
}

void TunedSheetFrame::FunStart()
{
    const IniFile ini(settingsPath());
    chkTune->setChecked(ini.readBool(QLatin1String(m_keys.tuneSection), QLatin1String(m_keys.tuneKey), m_keys.tuneDefault));
    const bool a4 = ini.readBool(QLatin1String(m_keys.sizeSection), QLatin1String(m_keys.sizeKey), true);
    rbtA4->setChecked(a4);
    rbtA5->setChecked(!a4);
    TreeView->fill(ADOConPdo);
    fitHeight();
}

bool TunedSheetFrame::tuned() const { return chkTune->isChecked(); }
bool TunedSheetFrame::a4() const { return rbtA4->isChecked(); }

void TunedSheetFrame::fitHeight()
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

void TunedSheetFrame::storeAndRemake(const char* section, const char* key, bool value)
{
    IniFile(settingsPath()).writeBool(QLatin1String(section), QLatin1String(key), value);
    if (m_chosen) FunReport();
}

} // namespace plan::sheets
