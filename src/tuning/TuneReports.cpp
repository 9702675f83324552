#include "tuning/TuneReports.h"

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
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace plan::tuning {

using namespace plan::shell;

namespace {

using L = TuneReportsModel;

// The drop-down editors of columns 4 to 7 (GridReportGetEditorType,
// FunEditCel); a choice is handed to GridReportComboChange and closes the editor.
class ComboDelegate : public QStyledItemDelegate {
public:
    explicit ComboDelegate(TfrmTuneReports* form) : QStyledItemDelegate(form), m_form(form) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* combo = new QComboBox(parent);
        int pre = -1;
        QStringList list;
        runHandler([&] { list = m_form->model().editList(index.row(), index.column(), &pre); });
        combo->addItems(list);
        combo->setCurrentIndex(pre);
        connect(combo, &QComboBox::activated, combo, [this, combo] {
            auto* self = const_cast<ComboDelegate*>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        return combo;
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        auto* combo = static_cast<QComboBox*>(editor);
        if (combo->currentIndex() < 0) return;
        const int row = index.row(), column = index.column();
        const QString value = combo->currentText();
        // The grid is refilled after the editor has gone.
        QTimer::singleShot(0, m_form, [form = m_form, row, column, value] { form->GridReportComboChange(row, column, value); });
    }

private:
    TfrmTuneReports* m_form;
};

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

} // namespace

TfrmTuneReports::TfrmTuneReports(QWidget* parent) : TPlanWindow(parent), m_model(&ADOConPdo)
{
    setObjectName(QStringLiteral("frmTuneReports"));
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
    cboTipVS = new QComboBox(lists);
    cboTipVS->setObjectName(QStringLiteral("cboTipVS"));
    cboTipReport = new QComboBox(lists);
    cboTipReport->setObjectName(QStringLiteral("cboTipReport"));
    cboTipReport->setMinimumContentsLength(30);
    txtTipReport = new QLineEdit(lists);
    txtTipReport->setObjectName(QStringLiteral("txtTipReport"));
    txtTipReport->setReadOnly(true);
    txtNameReport = new QLineEdit(lists);
    txtNameReport->setObjectName(QStringLiteral("txtNameReport"));
    txtNameReport->setReadOnly(true);
    listsLayout->addWidget(cboTipVS);
    listsLayout->addWidget(cboTipReport, 1);
    listsLayout->addWidget(txtTipReport);
    listsLayout->addWidget(txtNameReport);
    auto* editor = new QGroupBox(QStringLiteral("Редактор"), PanBottom);
    auto* editorLayout = new QHBoxLayout(editor);
    cmdAdd = button(editor, "cmdAdd", "Добавить", "Поместить в отчет");
    cmdDelete = button(editor, "cmdDelete", "Удалить", "Убрать из отчета");
    cmdSave = button(editor, "cmdSave", "Сохранить", "Сохранить изменения");
    cmdRefresh = button(editor, "cmdRefresh", "Обновить", "Обновить таблицы");
    cmdRepair = button(editor, "cmdRepair", "Исправить", "Нажмите, если в отчете отображаются не все агрегаты из таблицы");
    for (QPushButton* b : {cmdAdd, cmdDelete, cmdSave, cmdRefresh, cmdRepair}) editorLayout->addWidget(b);
    bottom->addWidget(lists, 1);
    bottom->addWidget(editor);

    FormCreate();

    setupTuneGrid(GridAgregat,
                  {{QString(), 10, false},
                   {QString(), 14, false},
                   {QStringLiteral("Название\r\nагрегата"), 100, false},
                   {QStringLiteral("Чертежный\r\nномер"), 100, false},
                   {QString(), 0, true},
                   {QString(), 0, true},
                   {QString(), 0, true},
                   {QString(), 0, true},
                   {QString(), 0, true}},
                  scale());
    setupTuneGrid(GridReport,
                  {{QString(), 10, false},
                   {QString(), 14, false},
                   {QStringLiteral("Название\r\nагрегата"), 100, false},
                   {QStringLiteral("Чертежный\r\nномер"), 100, false},
                   {QStringLiteral("Сводный\r\nпаспорт"), 40, false},
                   {QStringLiteral("Входит в состав\r\nизделия"), 80, false},
                   {QStringLiteral("Количество\r\nна ВС"), 40, false},
                   {QStringLiteral("Места\r\nустановки"), 80, false},
                   {QString(), 0, true},
                   {QString(), 0, true}},
                  scale());
    GridReport->setItemDelegate(new ComboDelegate(this));
    GridReport->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked);
    watchArrowMoves(GridReport, [this](bool up) { runHandler([&] { GridReportKeyUp(up); }); });

    connect(cboTipVS, &QComboBox::activated, this, [this] { cboTipVSChange(); });
    connect(cboTipReport, &QComboBox::activated, this, [this] { cboTipReportChange(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { runHandler([this] { FunGridReportAddRows(); }); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { runHandler([this] { cmdDeleteClick(); }); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { runHandler([this] { FunSave(); }); });
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { runHandler([this] { FunStart(); }); });
    connect(cmdRepair, &QPushButton::clicked, this, [this] { runHandler([this] { cmdRepairClick(); }); });
    connect(GridAgregat, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() == 1) m_model.setAvailableChecked(item->row(), item->checkState() == Qt::Checked);
    });
    connect(GridReport, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() == 1) m_model.setLineChecked(item->row(), item->checkState() == Qt::Checked);
    });
    connect(GridReport, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) { m_selectedRow = row; });
    connect(GridReport->verticalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        // The grid shows the new order once the drag is over.
        QTimer::singleShot(0, this, [this, from, to] { runHandler([&] { GridReportRowMoved(from, to); }); });
    });

    m_activation = new TuneActivation(this, [this] { runHandler([this] { FunStart(); }); });
    FunClear();
}

void TfrmTuneReports::FormCreate()
{
    readSettingsLocationNow();
    openWindowConnection(ADOConPdo);
}

void TfrmTuneReports::FunStart()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore { ~Restore() { QApplication::restoreOverrideCursor(); } } restore;
    cboTipReport->clear();
    cboTipVS->clear();
    cboTipVS->addItems(m_model.types());
    cboTipVS->setCurrentIndex(cboTipVS->count() > 0 ? 0 : -1);
    m_model.setType(cboTipVS->currentText());
    cboTipReport->addItems(TuneReportsModel::offeredDocuments());
    cboTipReport->setCurrentIndex(-1);
    FunCboTipReport();
    FunGridAgregat();
    FunGridReport();
    FunClear();
}

void TfrmTuneReports::FunClear()
{
    for (QPushButton* b : {cmdAdd, cmdDelete, cmdSave, cmdRepair}) b->setEnabled(false);
    m_model.setChanged(false);
}

void TfrmTuneReports::FunCboTipVS()
{
    m_model.setType(cboTipVS->currentText());
    FunGridAgregat();
    cboTipReport->clear();
    cboTipReport->addItems(TuneReportsModel::offeredDocuments());
    cboTipReport->setCurrentIndex(-1);
    FunCboTipReport();
    FunGridReport();
}

void TfrmTuneReports::FunCboTipReport()
{
    m_model.setDocument(cboTipReport->currentIndex() >= 0 ? cboTipReport->currentText() : QString());
    txtTipReport->setText(m_model.familyCode());
    txtNameReport->setText(m_model.documentName());
}

void TfrmTuneReports::cboTipVSChange()
{
    runHandler([this] {
        FunCboTipVS();
        FunClear();
    });
}

void TfrmTuneReports::cboTipReportChange()
{
    runHandler([this] {
        FunCboTipReport();
        FunGridReport();
        m_model.setChanged(false);
        cmdSave->setEnabled(false);
        const bool chosen = cboTipReport->currentIndex() >= 0;
        for (QPushButton* b : {cmdAdd, cmdDelete, cmdRepair}) b->setEnabled(chosen);
    });
}

void TfrmTuneReports::FunGridAgregat()
{
    m_model.loadAvailable();
    m_filling = true;
    fillTuneGrid(GridAgregat, m_model.available());
    m_filling = false;
}

void TfrmTuneReports::FunGridReport()
{
    m_model.loadLines();
    fillLines();
    GridReport->resizeColumnsToContents();
}

void TfrmTuneReports::fillLines(int selectRow)
{
    m_filling = true;
    fillTuneGrid(GridReport, m_model.lines(), [this](int row, int column) {
        return column >= L::lSvodny && column <= L::lPositions && m_model.canEditAttributes(row);
    });
    m_filling = false;
    if (selectRow >= 0 && selectRow < GridReport->rowCount()) GridReport->setCurrentCell(selectRow, L::lCaption);
}

void TfrmTuneReports::setChanged()
{
    m_model.setChanged(true);
    cmdSave->setEnabled(true);
}

void TfrmTuneReports::FunGridReportAddRows()
{
    const std::vector<int> added = m_model.addChecked();
    m_filling = true;
    fillTuneGrid(GridAgregat, m_model.available());
    m_filling = false;
    fillLines(added.empty() ? -1 : added.back());
    setChanged();
}

void TfrmTuneReports::cmdDeleteClick()
{
    m_model.deleteChecked();
    fillLines();
    setChanged();
}

void TfrmTuneReports::FunSave()
{
    if (!m_model.documentOpen()) return;
    m_model.save();
    cmdSave->setEnabled(false);
    fillLines();
}

void TfrmTuneReports::cmdRepairClick()
{
    if (!m_model.documentOpen()) return;
    const QStringList notFound = m_model.repair();
    for (const QString& text : notFound) MessageService::show(text, MessageService::Kind::Warning, this);
    cmdSave->setEnabled(false);
    fillLines();
    QApplication::beep();
    MessageService::show(QStringLiteral("Готово!"), MessageService::Kind::Information, this);
}

void TfrmTuneReports::GridReportRowMoved(int from, int to)
{
    m_model.moveLine(from, to);
    fillLines(to);
    if (!cmdSave->isEnabled()) setChanged();
}

void TfrmTuneReports::GridReportKeyUp(bool up)
{
    if (!m_model.arrowMove(m_selectedRow, up)) return;
    fillLines(m_selectedRow);
    setChanged();
}

void TfrmTuneReports::GridReportComboChange(int row, int column, const QString& value)
{
    runHandler([&] {
        m_model.comboChange(row, column, value);
        fillLines(row);
        setChanged();
    });
}

bool TfrmTuneReports::FormCloseQuery()
{
    askToSaveOnClose(this, cmdSave->isEnabled(), [this] { runHandler([this] { FunSave(); }); });
    return true;
}

void TfrmTuneReports::closeEvent(QCloseEvent* e)
{
    FormCloseQuery();
    TPlanWindow::closeEvent(e);
}

int TfrmTuneReports::panBottomHeight() const { return PanBottom->minimumHeight(); }
int TfrmTuneReports::panAgregatWidth() const { return PanAgregat->minimumWidth(); }

void TfrmTuneReports::setPanelSizes(int h, int w)
{
    PanBottom->setFixedHeight(h);
    PanAgregat->setFixedWidth(w);
}

void TfrmTuneReports::FormShow()
{
    const IniFile ini(settingsPath());
    const QString key = windowKey();
    setPanelSizes(ini.readInteger(key, kKeyPanBottom, scaled(kTuneReportsPanBottom, scale())),
                  ini.readInteger(key, kKeyPanAgregat, scaled(kTuneReportsPanAgregat, scale())));
}

void TfrmTuneReports::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        FormShow();
        m_activation->attach();
    }
    TPlanWindow::showEvent(e);
}

void TfrmTuneReports::FormClose()
{
    IniFile ini(settingsPath());
    ini.writeInteger(windowKey(), kKeyPanBottom, panBottomHeight());
    ini.writeInteger(windowKey(), kKeyPanAgregat, panAgregatWidth());
}

void TfrmTuneReports::restoreDefaultPosition(double s)
{
    setPanelSizes(scaled(kTuneReportsPanBottom, s), scaled(kTuneReportsPanAgregat, s));
}

} // namespace plan::tuning
