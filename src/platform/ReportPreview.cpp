#include "platform/ReportPreview.h"

#include "platform/MessageService.h"
#include "platform/ReportComponent.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace plan {
namespace {
constexpr double MinZoom = 0.25;
constexpr double MaxZoom = 4.0;
constexpr double ZoomStep = 1.25;
constexpr double ScreenDpi = 96.0;

QToolButton* button(QWidget* parent, QLayout* layout, const QString& text, const QString& tip,
                    QStyle::StandardPixmap icon = QStyle::SP_CustomBase)
{
    auto* b = new QToolButton(parent);
    if (icon != QStyle::SP_CustomBase) {
        b->setIcon(parent->style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        b->setText(text);
    }
    b->setToolTip(tip);
    b->setAutoRaise(true);
    layout->addWidget(b);
    return b;
}
} // namespace

ReportPreview::ReportPreview(ReportComponent* component, QWidget* parent) : QWidget(parent), m_component(component)
{
    setFocusPolicy(Qt::StrongFocus);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);

    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    m_first = button(bar, row, {}, QStringLiteral("Первая страница (Ctrl+Home)"), QStyle::SP_MediaSkipBackward);
    m_prior = button(bar, row, {}, QStringLiteral("Предыдущая страница (PgUp)"), QStyle::SP_MediaSeekBackward);
    m_pageLabel = new QLabel(bar);
    m_pageLabel->setMinimumWidth(110);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    row->addWidget(m_pageLabel);
    m_next = button(bar, row, {}, QStringLiteral("Следующая страница (PgDn)"), QStyle::SP_MediaSeekForward);
    m_last = button(bar, row, {}, QStringLiteral("Последняя страница (Ctrl+End)"), QStyle::SP_MediaSkipForward);
    row->addSpacing(12);
    QToolButton* zin = button(bar, row, QStringLiteral("+"), QStringLiteral("Увеличить (Ctrl++)"));
    QToolButton* zout = button(bar, row, QStringLiteral("−"), QStringLiteral("Уменьшить (Ctrl+-)"));
    QToolButton* fit = button(bar, row, QStringLiteral("По ширине"), QStringLiteral("Масштаб по ширине страницы (Ctrl+0)"));
    row->addSpacing(12);
    m_print = button(bar, row, QStringLiteral("Печать"), QStringLiteral("Печать отчёта"));
    m_pdf = button(bar, row, QStringLiteral("PDF"), QStringLiteral("Экспорт в PDF"));
    m_xlsx = button(bar, row, QStringLiteral("Excel"), QStringLiteral("Таблицы отчета в Excel (.xlsx), лист на документ"));
    m_csv = button(bar, row, QStringLiteral("CSV"), QStringLiteral("Таблицы отчета в CSV"));
    row->addStretch(1);
    QToolButton* close = button(bar, row, QStringLiteral("Закрыть"), QStringLiteral("Закрыть просмотр"));
    top->addWidget(bar);

    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_image = new QLabel;
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setMargin(8);
    m_scroll->setWidget(m_image);
    m_scroll->setWidgetResizable(false);
    top->addWidget(m_scroll, 1);

    connect(m_first, &QToolButton::clicked, this, &ReportPreview::firstPage);
    connect(m_prior, &QToolButton::clicked, this, &ReportPreview::priorPage);
    connect(m_next, &QToolButton::clicked, this, &ReportPreview::nextPage);
    connect(m_last, &QToolButton::clicked, this, &ReportPreview::lastPage);
    connect(zin, &QToolButton::clicked, this, &ReportPreview::zoomIn);
    connect(zout, &QToolButton::clicked, this, &ReportPreview::zoomOut);
    connect(fit, &QToolButton::clicked, this, &ReportPreview::fitWidth);
    connect(m_print, &QToolButton::clicked, this, &ReportPreview::print);
    connect(m_pdf, &QToolButton::clicked, this, &ReportPreview::exportPdf);
    connect(m_xlsx, &QToolButton::clicked, this, &ReportPreview::exportXlsx);
    connect(m_csv, &QToolButton::clicked, this, &ReportPreview::exportCsv);
    connect(close, &QToolButton::clicked, this, [this] {
        if (m_component) m_component->closePreview();
    });
    refresh();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::refresh()
{
    m_page = 0;
    // A hidden preview shows the page when it is shown, and a run without a
    // screen (plan run) when a page is asked for: laying the pages out is not
    // needed before.
    m_stale = !isVisible() || MessageService::headless();
    if (!m_stale) updatePage();
}

void ReportPreview::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_stale) updatePage();
}

void ReportPreview::detach()
{
    m_component = nullptr;
    refresh();
}

int ReportPreview::pageCount() const { return m_component ? m_component->preparedPages() : 0; }

void ReportPreview::setCurrentPage(int index)
{
    const int n = pageCount();
    m_page = n == 0 ? 0 : std::clamp(index, 0, n - 1);
    updatePage();
}

QString ReportPreview::pageLabelText() const
{
    const int n = pageCount();
    return QStringLiteral("Стр. %1 из %2").arg(n == 0 ? 0 : m_page + 1).arg(n);
}

void ReportPreview::setZoom(double z)
{
    m_fitWidth = false;
    m_zoom = std::clamp(z, MinZoom, MaxZoom);
    updatePage();
}

void ReportPreview::firstPage() { setCurrentPage(0); }
void ReportPreview::priorPage() { setCurrentPage(m_page - 1); }
void ReportPreview::nextPage() { setCurrentPage(m_page + 1); }
void ReportPreview::lastPage() { setCurrentPage(pageCount() - 1); }
void ReportPreview::zoomIn() { setZoom(m_zoom * ZoomStep); }
void ReportPreview::zoomOut() { setZoom(m_zoom / ZoomStep); }

void ReportPreview::fitWidth()
{
    m_fitWidth = true;
    updatePage();
}

double ReportPreview::fitWidthZoom() const
{
    if (!m_component || pageCount() == 0) return 1.0;
    const double pageWidthPx = m_component->pageSizePt(m_page).width() / 72.0 * ScreenDpi;
    const int scrollBar = m_scroll->verticalScrollBar()->sizeHint().width();
    const double available = m_scroll->viewport()->width() - 2 * m_image->margin() - scrollBar;
    if (pageWidthPx <= 0 || available <= 50) return 1.0;
    return std::clamp(available / pageWidthPx, MinZoom, MaxZoom);
}

void ReportPreview::updatePage()
{
    m_stale = false;
    const int n = pageCount();
    if (n == 0) {
        m_image->setPixmap(QPixmap());
        m_image->resize(m_scroll->viewport()->size());
    } else {
        if (m_fitWidth) m_zoom = fitWidthZoom();
        const double ratio = devicePixelRatioF();
        QImage img = m_component->renderPage(m_page, ScreenDpi * m_zoom * ratio);
        img.setDevicePixelRatio(ratio);
        m_image->setPixmap(QPixmap::fromImage(img));
        m_image->adjustSize();
    }
    m_pageLabel->setText(pageLabelText());
    updateButtons();
}

void ReportPreview::updateButtons()
{
    const int n = pageCount();
    m_first->setEnabled(m_page > 0);
    m_prior->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < n);
    m_last->setEnabled(m_page + 1 < n);
    m_print->setEnabled(n > 0);
    m_pdf->setEnabled(n > 0);
    m_xlsx->setEnabled(n > 0);
    m_csv->setEnabled(n > 0);
}

void ReportPreview::print()
{
    if (!m_component || pageCount() == 0) return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pageCount());
    if (dialog.exec() != QDialog::Accepted) return;
    try {
        m_component->print(&printer);
    } catch (const std::exception& e) {
        MessageService::show(QString::fromUtf8(e.what()), MessageService::Kind::Error, this);
    }
}

void ReportPreview::exportTo(const QString& caption, const QString& fileName, const QString& filter,
                             void (ReportComponent::*write)(const QString&) const)
{
    if (!m_component || pageCount() == 0) return;
    const QString path = QFileDialog::getSaveFileName(this, caption, QDir::home().filePath(fileName), filter);
    if (path.isEmpty()) return;
    try {
        (m_component->*write)(path);
    } catch (const std::exception& e) {
        MessageService::show(QString::fromUtf8(e.what()), MessageService::Kind::Error, this);
    }
}

void ReportPreview::exportPdf()
{
    exportTo(QStringLiteral("Экспорт в PDF"), QStringLiteral("report.pdf"), QStringLiteral("PDF (*.pdf)"),
             &ReportComponent::exportPdf);
}

void ReportPreview::exportXlsx()
{
    exportTo(QStringLiteral("Экспорт в Excel"), QStringLiteral("report.xlsx"), QStringLiteral("Excel (*.xlsx)"),
             &ReportComponent::exportXlsx);
}

void ReportPreview::exportCsv()
{
    exportTo(QStringLiteral("Экспорт в CSV"), QStringLiteral("report.csv"), QStringLiteral("CSV (*.csv)"),
             &ReportComponent::exportTableCsv);
}

void ReportPreview::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!m_fitWidth) return;
    if (isVisible()) updatePage();
    else m_stale = true;
}

void ReportPreview::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: if (e->modifiers() & Qt::ControlModifier) zoomIn(); else QWidget::keyPressEvent(e); break;
    case Qt::Key_Minus: if (e->modifiers() & Qt::ControlModifier) zoomOut(); else QWidget::keyPressEvent(e); break;
    case Qt::Key_0: if (e->modifiers() & Qt::ControlModifier) fitWidth(); else QWidget::keyPressEvent(e); break;
    case Qt::Key_PageDown: nextPage(); break;
    case Qt::Key_PageUp: priorPage(); break;
    case Qt::Key_Home: if (e->modifiers() & Qt::ControlModifier) firstPage(); else QWidget::keyPressEvent(e); break;
    case Qt::Key_End: if (e->modifiers() & Qt::ControlModifier) lastPage(); else QWidget::keyPressEvent(e); break;
    default: QWidget::keyPressEvent(e);
    }
}

} // namespace plan
