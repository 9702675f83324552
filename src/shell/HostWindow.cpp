#include "shell/HostWindow.h"

#include "platform/MessageService.h"
#include "platform/Heartbeat.h"

#include "platform/DataDoubts.h"
#include "platform/Dataset.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/ReportComponent.h"
#include "shell/FrameBar.h"
#include "shell/PlanFrame.h"
#include "shell/ShellServices.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>
#include <stdexcept>

namespace plan::shell {
namespace {
// The hourglass for the lifetime of the object.
class WaitCursor {
public:
    explicit WaitCursor(bool on) : m_on(on)
    {
        if (m_on) QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_on) QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_on;
};

// Hints of the preview and its buttons are not shown.
class NoHints : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::ToolTip; }
};
} // namespace

QStringList switchedItems(const HostTraits& traits)
{
    const IniFile ini(findFileNoCase(Paths::home(), traits.switchFile));
    QStringList out;
    for (const HostItem& item : traits.items)
        if (ini.readBool(traits.section, item.key(), false)) out << item.caption;
    return out;
}

THostWindow::THostWindow(const HostTraits& traits, QWidget* parent) : TPlanWindow(parent), m_traits(traits)
{
    setObjectName(traits.className.mid(1)); // "frmPlanPrognoz"
    setWindowFlag(Qt::Window, true);
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    QWidget* holder = this;
    if (m_traits.panBottom) {
        PanBottom = new QWidget(this);
        PanBottom->setObjectName(QStringLiteral("PanBottom"));
        auto* l = new QVBoxLayout(PanBottom);
        l->setContentsMargins(0, 0, 0, 0);
        root->addWidget(PanBottom, 1);
        holder = PanBottom;
    }
    sSplitter4 = new QSplitter(Qt::Horizontal, holder);
    sSplitter4->setObjectName(QStringLiteral("sSplitter4"));
    sSplitter4->setHandleWidth(8);
    sSplitter4->setChildrenCollapsible(false);
    m_bar = new TFrameBar(sSplitter4);
    m_bar->setObjectName(m_traits.barName);
    m_bar->setTitleHeight(34);
    m_bar->setMinimumWidth(120);
    m_bar->setCreateFrame([this](int index) { return BarVSItemsCreateFrame(index); });
    PanReport = new QWidget(sSplitter4);
    PanReport->setObjectName(m_traits.reportPanelName);
    PanReport->installEventFilter(this);
    sSplitter4->addWidget(m_bar);
    sSplitter4->addWidget(PanReport);
    sSplitter4->setStretchFactor(0, 0);
    sSplitter4->setStretchFactor(1, 1);
    sSplitter4->setSizes({m_traits.barWidth, 1000});
    if (PanBottom) PanBottom->layout()->addWidget(sSplitter4);
    else root->addWidget(sSplitter4, 1);

    StBar = new QStatusBar(this);
    StBar->setObjectName(QStringLiteral("StBar"));
    StBar->setFixedHeight(25);
    StBar->setSizeGripEnabled(false);
    m_panel1 = new QLabel(StBar);
    m_panel1->setFixedWidth(208);
    m_panel2 = new QLabel(StBar);
    m_panel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StBar->addWidget(m_panel1);
    StBar->addPermanentWidget(m_panel2, 1);
    root->addWidget(StBar);

    if (m_traits.progressBar) {
        ProgressBar = new QProgressBar(this);
        ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
        ProgressBar->setFixedSize(200, 18);
        ProgressBar->setTextVisible(false);
        ProgressBar->setRange(0, 1);
        ProgressBar->setValue(0);
    }

    frxReport = new ReportComponent(this);
    frxReport->setObjectName(QStringLiteral("frxReport"));
    frxReport->setConnection(&ADOConPdo);
    connect(frxReport, &ReportComponent::preview, this, &THostWindow::frxReportPreview);
    connect(frxReport, &ReportComponent::previewClosed, this, &THostWindow::frxReportClosePreview);
    if (m_traits.endDocHandler) connect(frxReport, &ReportComponent::endDoc, this, &THostWindow::frxReportEndDoc);
    // Runs also when there is no handler, so that a failed run can tell.
    connect(frxReport, &ReportComponent::endDoc, this, [this] {
        if (m_busyDepth > 0) m_endDocWhileBusy = true;
    });

    FormCreate();
}

THostWindow::~THostWindow()
{
    // Frames go before the connection and the component they refer to.
    if (m_bar) m_bar->clear();
}

void THostWindow::FormCreate()
{
    openWindowConnection(ADOConPdo);
    if (ProgressBar) {
        ProgressBar->setParent(StBar);
        ProgressBar->move(3, 4);
        ProgressBar->raise();
        ProgressBar->show();
    }
    m_endDocCounter = -1;
    if (m_traits.closeWithPreviewFlag) m_closeWithPreview = -1;
    readSettingsLocationNow();
    // The empty report: the preview exists from the start.
    frxReport->showReport();
}

void THostWindow::setReportDatasets(Dataset* d1, Dataset* d2, Dataset* d3)
{
    m_datasets[0] = d1;
    m_datasets[1] = m_traits.datasetCount >= 2 ? d2 : nullptr;
    m_datasets[2] = m_traits.datasetCount >= 3 ? d3 : nullptr;
    if (d1) frxReport->setDataset(d1);
}

Dataset* THostWindow::reportDataset(int n) const { return n >= 1 && n <= 3 ? m_datasets[n - 1] : nullptr; }

QString THostWindow::windowKey() const
{
    const QString k = TPlanWindow::windowKey();
    return k.isEmpty() ? m_traits.windowKey : k;
}

void THostWindow::FunStart()
{
    const IniFile ini(settingsPath());
    const QString key = windowKey();
    const int h = ini.readInteger(key, kKeyHeight, scaled(kHostHeight, scale()));
    const int w = ini.readInteger(key, kKeyWidth, scaled(kHostWidth, scale()));
    resize(w, h);
    if (ini.readBool(key, kKeyMaximized, false)) setWindowState(windowState() | Qt::WindowMaximized);
    else setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    FunBarVS();
}

void THostWindow::FunBarVS()
{
    const QStringList captions = switchedItems(m_traits);
    m_bar->beginUpdate();
    m_bar->clear();
    for (const QString& c : captions) m_bar->addItem(c);
    m_bar->endUpdate();
    // The keyboard starts in the bar: its first title has the focus when the
    // window is activated.
    if (m_bar->count() > 0) m_bar->titleButton(0)->setFocus(Qt::OtherFocusReason);
}

void THostWindow::FormClose()
{
    IniFile ini(settingsPath());
    const QString key = windowKey();
    ini.writeInteger(key, kKeyHeight, height());
    ini.writeInteger(key, kKeyWidth, width());
    ini.writeBool(key, kKeyMaximized, isMaximized());
}

void THostWindow::restoreDefaultPosition(double s)
{
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    resizeWindow(scaled(kHostWidth, s), scaled(kHostHeight, s));
}

const HostItem* THostWindow::itemOf(const QString& caption) const
{
    for (const HostItem& item : m_traits.items)
        if (item.caption == caption) return &item;
    return nullptr;
}

QWidget* THostWindow::BarVSItemsCreateFrame(int index)
{
    const QString caption = m_bar->caption(index);
    const HostItem* item = itemOf(caption);
    if (!item) throw std::logic_error("the bar item \"" + caption.toStdString() + "\" has no frame class");
    // 1. The caption of the item being opened.
    m_openingCaption = caption;
    // 2. The frame of the item, with no owner.
    std::unique_ptr<TPlanFrame> made(FrameRegistry::create(item->frameClass));
    if (!made) made = std::make_unique<TfrNotBuilt>(windowKey(), caption, item->frameClass);
    if (made->objectName().isEmpty()) made->setObjectName(item->frameClass.mid(1)); // "frPlanPrognDvig"
    TPlanFrame* frame = made.release();
    // 3. A child of the bar, and the bar's tag.
    m_bar->adoptFrame(index, frame);
    // 4. The frame fills the bar below its titles.
    WaitCursor wait(m_traits.fitFrameHeight);
    if (m_traits.fitFrameHeight) {
        // Below all the titles when they leave the frame at least half the
        // bar; with many titles switched on, the bar's height less two titles
        // and 6 pixels (the bar scrolls its open item's title to the top, so
        // the frame shows whole between its title and the next one).
        const int client = m_bar->clientHeight();
        const int belowAll = client - m_bar->count() * (m_bar->titleHeight() + 1) - 6;
        const int fill = belowAll >= client / 2 ? belowAll : client - 2 * (m_bar->titleHeight() + 1) - 6;
        // A window not yet laid out (no screen) has no height to give: never below 0.
        frame->setFixedHeight(qMax(0, qMax(frame->minimumSizeHint().height(), fill)));
    }
    // 5. Its start.
    if (item->hasArgument) frame->start(item->argument);
    else frame->start();
    return frame;
}

TPlanFrame* THostWindow::openItem(const QString& caption)
{
    const int index = m_bar->indexOf(caption);
    if (index < 0)
        throw std::runtime_error(QStringLiteral("the bar of %1 has no item \"%2\" (switched off in %3?)")
                                     .arg(windowKey(), caption, m_traits.switchFile)
                                     .toStdString());
    return qobject_cast<TPlanFrame*>(m_bar->openItem(index));
}

// ---------------------------------------------------------------- report component

void THostWindow::frxReportPreview()
{
    QWidget* p = frxReport->previewWidget();
    m_preview = p;
    if (p->parentWidget() != PanReport) {
        p->setParent(PanReport, Qt::Widget);
        auto* hints = new NoHints(p);
        p->installEventFilter(hints);
        for (QWidget* child : p->findChildren<QWidget*>()) child->installEventFilter(hints);
    }
    p->move(0, 0);
    p->resize(PanReport->size());
    // What the report could not trust, and a template it could not use, are
    // said in the status bar as well as on the page.
    QStringList notes = frxReport->problems();
    if (frxReport->templateLoaded() && DataDoubts::any()) notes << DataDoubts::line();
    if (notes.isEmpty()) StBar->clearMessage();
    else StBar->showMessage(notes.join(QStringLiteral("  ")));
}

void THostWindow::frxReportClosePreview()
{
    if (m_traits.closeWithPreviewFlag && m_closeWithPreview != -1) return;
    close();
}

void THostWindow::frxReportEndDoc()
{
    if (m_endDocCounter != 0) {
        m_endDocCounter = 0;
        return;
    }
    m_bar->setEnabled(true);
}

bool THostWindow::eventFilter(QObject* watched, QEvent* event)
{
    // PanReportResize: the embedded preview follows the panel.
    if (watched == PanReport && event->type() == QEvent::Resize && m_preview)
        m_preview->resize(static_cast<QResizeEvent*>(event)->size());
    return TPlanWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- busy span

QString THostWindow::producedText() const { return m_panel2->text(); }

QWidget* THostWindow::barHolder() const { return PanBottom ? PanBottom : static_cast<QWidget*>(m_bar); }

void THostWindow::progressStart(int n)
{
    m_counted = true;
    if (!ProgressBar) return;
    ProgressBar->setRange(0, qMax(n, 1));
    ProgressBar->setValue(0);
    // The run holds the event loop: the bar is drawn now, not when it ends.
    ProgressBar->repaint();
}

void THostWindow::progressStep()
{
    if (!ProgressBar) return;
    ProgressBar->setValue(qMin(ProgressBar->value() + 1, ProgressBar->maximum()));
    ProgressBar->repaint();
}

void THostWindow::progressReset()
{
    // An idle bar keeps the range 0..1 at position 0: an empty range would
    // be drawn as a busy indicator.
    if (!ProgressBar) return;
    ProgressBar->setRange(0, 1);
    ProgressBar->setValue(0);
}

// A run whose frame does not count its steps (one document over many
// aircraft, read in one pass) still shows that it is at work: the bar moves
// on as the queries go by.
void THostWindow::progressPulse()
{
    if (m_counted || !ProgressBar) return;
    if (ProgressBar->maximum() != 10) ProgressBar->setRange(0, 10);
    ProgressBar->setValue((ProgressBar->value() + 1) % 11);
    ProgressBar->repaint();
}

void THostWindow::beginBusy()
{
    if (m_busyDepth++ > 0) return;
    m_counted = false;
    Heartbeat::listen([this] { progressPulse(); });
    m_endDocWhileBusy = false;
    m_runTimer.start();
    m_panel2->setText(QStringLiteral("Отчет строится…"));
    m_panel2->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_bar->setUpdatesEnabled(false);
    barHolder()->setEnabled(false);
    if (m_traits.panBottom && m_traits.closeWithPreviewFlag) m_closeWithPreview = 0;
}

void THostWindow::endBusy()
{
    if (m_busyDepth == 0 || --m_busyDepth > 0) return;
    Heartbeat::listen({});
    progressReset();
    QApplication::restoreOverrideCursor();
    // Counting pages lays them out: a run without a screen, which may want
    // only the rows, does not count them here.
    const QString pages = frxReport->preparedDocuments() == 0 || !MessageService::headless()
                              ? QString::number(frxReport->preparedPages())
                              : QStringLiteral("—");
    m_panel2->setText(m_endDocWhileBusy ? QStringLiteral("Страниц: %1, строк: %2, %3 с")
                                              .arg(pages)
                                              .arg(frxReport->preparedRows())
                                              .arg(QString::number(m_runTimer.elapsed() / 1000.0, 'f', 1)
                                                       .replace(QLatin1Char('.'), QLatin1Char(',')))
                                        : QStringLiteral("Отчет не построен"));
    m_bar->setUpdatesEnabled(true);
    if (PanBottom) {
        // These frames enable PanBottom again themselves.
        PanBottom->setEnabled(true);
        if (m_traits.closeWithPreviewFlag) m_closeWithPreview = -1;
    } else if (!m_endDocWhileBusy) {
        // The run ended without a document (an error, or nothing shown):
        // no end-of-document will enable the bar, so it is done here.
        m_bar->setEnabled(true);
    }
}

} // namespace plan::shell
