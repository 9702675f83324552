#include "tuning/TuneSpravka.h"

#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "shell/ShellServices.h"
#include "tuning/TuneActivation.h"
#include "tuning/TuneGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace plan::tuning {

using namespace plan::shell;

namespace {

using S = TuneSpravkaModel;

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(hint));
    return b;
}

QLabel* heading(const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

std::vector<TuneGridColumn> gridColumns()
{
    return {{QString(), 10, false},
            {QString(), 14, false},
            {QStringLiteral("Название агрегата"), 90, false},
            {QStringLiteral("Чертежный номер"), 120, false},
            {QString(), 0, true},
            {QString(), 0, true}};
}

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TfrmTuneSpravka::TfrmTuneSpravka(QWidget* parent) : TPlanWindow(parent), m_model(&ADOConPdo)
{
    setObjectName(QStringLiteral("frmTuneSpravka"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    PanAgregat = new QWidget(this);
    PanAgregat->setObjectName(QStringLiteral("PanAgregat"));
    PanMain = new QWidget(this);
    PanMain->setObjectName(QStringLiteral("PanMain"));
    top->addWidget(PanAgregat);
    top->addWidget(PanMain, 1);
    PanBottom = new QWidget(this);
    PanBottom->setObjectName(QStringLiteral("PanBottom"));
    root->addLayout(top, 1);
    root->addWidget(PanBottom);

    GridAgregat = new QTableWidget(PanAgregat);
    GridAgregat->setObjectName(QStringLiteral("GridAgregat"));
    auto* left = new QVBoxLayout(PanAgregat);
    left->setContentsMargins(2, 2, 2, 2);
    left->addWidget(heading("Перечень агрегатов, доступных для отчета", PanAgregat));
    left->addWidget(GridAgregat, 1);

    GridReport = new QTableWidget(PanMain);
    GridReport->setObjectName(QStringLiteral("GridReport"));
    auto* right = new QVBoxLayout(PanMain);
    right->setContentsMargins(2, 2, 2, 2);
    right->addWidget(heading("Перечень агрегатов, добавленных в отчет", PanMain));
    right->addWidget(GridReport, 1);

    auto* bottom = new QHBoxLayout(PanBottom);
    bottom->setContentsMargins(2, 2, 2, 2);
    auto* lists = new QGroupBox(QStringLiteral("Перечни"), PanBottom);
    auto* listsLayout = new QHBoxLayout(lists);
    cboTipReport = new QComboBox(lists);
    cboTipReport->setObjectName(QStringLiteral("cboTipReport"));
    cboTipReport->setMinimumContentsLength(30);
    listsLayout->addWidget(cboTipReport, 1);
    auto* editor = new QGroupBox(QStringLiteral("Редактор"), PanBottom);
    auto* editorLayout = new QHBoxLayout(editor);
    cmdAdd = button(editor, "cmdAdd", "Добавить", "Поместить в отчет");
    cmdDelete = button(editor, "cmdDelete", "Удалить", "Убрать из отчета");
    cmdSave = button(editor, "cmdSave", "Сохранить", "Сохранить изменения");
    cmdRefresh = button(editor, "cmdRefresh", "Обновить", "Обновить таблицы");
    for (QPushButton* b : {cmdAdd, cmdDelete, cmdSave, cmdRefresh}) editorLayout->addWidget(b);
    bottom->addWidget(lists, 1);
    bottom->addWidget(editor);

    FormCreate();

    setupTuneGrid(GridAgregat, gridColumns(), scale());
    setupTuneGrid(GridReport, gridColumns(), scale());
    GridAgregat->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridReport->setEditTriggers(QAbstractItemView::NoEditTriggers);
    watchArrowMoves(GridReport, [this](bool up) { runHandler([&] { GridReportKeyUp(up); }); });

    connect(cboTipReport, &QComboBox::activated, this, [this] { cboTipReportChange(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { runHandler([this] { cmdAddClick(); }); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { runHandler([this] { cmdDeleteClick(); }); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { runHandler([this] { FunSave(); }); });
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { runHandler([this] { FunStart(); }); });
    connect(GridAgregat, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() == 1) m_model.setAvailableChecked(item->row(), item->checkState() == Qt::Checked);
    });
    connect(GridReport, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() == 1) m_model.setLineChecked(item->row(), item->checkState() == Qt::Checked);
    });
    connect(GridReport, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) { m_selectedRow = row; });
    connect(GridReport->verticalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        QTimer::singleShot(0, this, [this, from, to] { runHandler([&] { GridReportRowMoved(from, to); }); });
    });

    m_activation = new TuneActivation(this, [this] { runHandler([this] { FunStart(); }); });
    FunClear();
}

void TfrmTuneSpravka::FormCreate()
{
    readSettingsLocationNow();
    openWindowConnection(ADOConPdo);
}

void TfrmTuneSpravka::FunStart()
{
    FunClear();
    cboTipReport->clear();
    cboTipReport->addItems(TuneSpravkaModel::offeredSheets());
    cboTipReport->setCurrentIndex(-1);
    m_model.setSheet(QString());
    FunGridAgregat();
    FunGridReport();
}

void TfrmTuneSpravka::FunClear()
{
    for (QPushButton* b : {cmdAdd, cmdDelete, cmdSave}) b->setEnabled(false);
    m_model.setChanged(false);
}

void TfrmTuneSpravka::cboTipReportChange()
{
    runHandler([this] {
        m_model.setSheet(cboTipReport->currentIndex() >= 0 ? cboTipReport->currentText() : QString());
        FunGridReport();
        m_model.setChanged(false);
        cmdSave->setEnabled(false);
        const bool chosen = cboTipReport->currentIndex() >= 0;
        for (QPushButton* b : {cmdAdd, cmdDelete}) b->setEnabled(chosen);
    });
}

void TfrmTuneSpravka::FunGridAgregat()
{
    const WaitCursor wait;
    m_model.loadAvailable();
    fillAvailable();
}

void TfrmTuneSpravka::FunGridReport()
{
    const WaitCursor wait;
    m_model.loadLines();
    fillLines();
}

void TfrmTuneSpravka::fillAvailable()
{
    m_filling = true;
    fillTuneGrid(GridAgregat, m_model.available());
    m_filling = false;
}

void TfrmTuneSpravka::fillLines(int selectRow)
{
    m_filling = true;
    fillTuneGrid(GridReport, m_model.lines());
    m_filling = false;
    if (selectRow >= 0 && selectRow < GridReport->rowCount()) GridReport->setCurrentCell(selectRow, S::cCaption);
}

void TfrmTuneSpravka::setChanged()
{
    m_model.setChanged(true);
    cmdSave->setEnabled(true);
}

void TfrmTuneSpravka::cmdAddClick()
{
    const std::vector<int> added = m_model.addChecked();
    fillLines(added.empty() ? -1 : added.back());
    setChanged();
}

void TfrmTuneSpravka::cmdDeleteClick()
{
    m_model.deleteChecked();
    fillLines();
    setChanged();
}

void TfrmTuneSpravka::FunSave()
{
    if (!m_model.sheetOpen()) return;
    m_model.save();
    cmdSave->setEnabled(false);
    fillLines();
}

void TfrmTuneSpravka::GridReportRowMoved(int from, int to)
{
    m_model.moveLine(from, to);
    fillLines(to);
    if (!cmdSave->isEnabled()) setChanged();
}

void TfrmTuneSpravka::GridReportKeyUp(bool up)
{
    if (!m_model.arrowMove(m_selectedRow, up)) return;
    fillLines(m_selectedRow);
    setChanged();
}

bool TfrmTuneSpravka::FormCloseQuery()
{
    askToSaveOnClose(this, cmdSave->isEnabled(), [this] { runHandler([this] { FunSave(); }); });
    return true;
}

void TfrmTuneSpravka::closeEvent(QCloseEvent* e)
{
    FormCloseQuery();
    TPlanWindow::closeEvent(e);
}

int TfrmTuneSpravka::panBottomHeight() const { return PanBottom->minimumHeight(); }
int TfrmTuneSpravka::panAgregatWidth() const { return PanAgregat->minimumWidth(); }

void TfrmTuneSpravka::setPanelSizes(int h, int w)
{
    PanBottom->setFixedHeight(h);
    PanAgregat->setFixedWidth(w);
}

void TfrmTuneSpravka::FormShow()
{
    const IniFile ini(settingsPath());
    const QString key = windowKey();
    resize(ini.readInteger(key, kKeyWidth, scaled(kTuneSpravkaWidth, scale())),
           ini.readInteger(key, kKeyHeight, scaled(kTuneSpravkaHeight, scale())));
    setPanelSizes(ini.readInteger(key, kKeyPanBottom, scaled(kTuneSpravkaPanBottom, scale())),
                  ini.readInteger(key, kKeyPanAgregat, scaled(kTuneSpravkaPanAgregat, scale())));
}

void TfrmTuneSpravka::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        FormShow();
        m_activation->attach();
    }
    TPlanWindow::showEvent(e);
}

void TfrmTuneSpravka::FormClose()
{
    IniFile ini(settingsPath());
    ini.writeInteger(windowKey(), kKeyHeight, height());
    ini.writeInteger(windowKey(), kKeyWidth, width());
    ini.writeInteger(windowKey(), kKeyPanBottom, panBottomHeight());
    ini.writeInteger(windowKey(), kKeyPanAgregat, panAgregatWidth());
}

void TfrmTuneSpravka::restoreDefaultPosition(double s)
{
    resizeWindow(scaled(kTuneSpravkaWidth, s), scaled(kTuneSpravkaHeight, s));
    setPanelSizes(scaled(kTuneSpravkaPanBottom, s), scaled(kTuneSpravkaPanAgregat, s));
}

} // namespace plan::tuning
