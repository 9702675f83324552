#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"

#include "platform/Clock.h"
#include "platform/DataDoubts.h"
#include "platform/DbError.h"
#include "platform/Dataset.h"
#include "platform/ReportPreview.h"
#include "platform/SheetExport.h"
#include "platform/TemplateRenderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cstdio>
#include <stdexcept>

namespace plan {

struct ReportComponent::Impl {
    Dataset* dataset = nullptr;
    Connection* connection = nullptr;
    QString templatePath;
    QString templateText;
    QString templateName;
    ReportValues values;
    bool loaded = false;
    QStringList problems;
    // A prepared document is laid out in pages only when its pages are
    // asked for (shown, printed, exported as pages): a run that wants only
    // the rows or the tables lays out nothing.
    struct Prepared {
        QString html;
        PageSetup setup;
        mutable std::unique_ptr<PagedDocument> paged;
        const PagedDocument& doc() const
        {
            if (!paged) paged = std::make_unique<PagedDocument>(html, setup);
            return *paged;
        }
    };
    std::vector<Prepared> docs;
    struct PageRef { int doc; int page; };
    mutable std::vector<PageRef> pages;
    mutable bool paged = true; // pages lists the pages of every document
    int rows = 0;
    QPointer<ReportPreview> preview;
    bool previewOpen = false;
    // The latest flight record on or before flightsAsOf, read once per report.
    QDate flightsAsOf;
    QDate flightsTo;
    bool flightsRead = false; // false: the database has no flight records to ask


    const std::vector<PageRef>& allPages() const
    {
        if (!paged) {
            pages.clear();
            for (int i = 0; i < static_cast<int>(docs.size()); ++i)
                for (int p = 0, n = docs[i].doc().pageCount(); p < n; ++p) pages.push_back({i, p});
            paged = true;
        }
        return pages;
    }

    const PageRef& ref(int index) const
    {
        allPages();
        if (index < 0 || index >= static_cast<int>(pages.size()))
            throw std::out_of_range("report page " + std::to_string(index + 1) + " is not prepared");
        return pages[index];
    }
};

ReportComponent::ReportComponent(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

ReportComponent::~ReportComponent()
{
    if (d->preview) {
        if (d->preview->parent()) d->preview->detach();
        else delete d->preview.data();
    }
}

void ReportComponent::setDataset(Dataset* ds) { d->dataset = ds; }
Dataset* ReportComponent::dataset() const { return d->dataset; }
void ReportComponent::setConnection(Connection* c) { d->connection = c; }
void ReportComponent::setValues(const ReportValues& values) { d->values = values; }
ReportValues ReportComponent::values() const { return d->values; }
void ReportComponent::clearValues()
{
    d->values.clear();
    d->flightsAsOf = QDate();
}

ReportValues ReportComponent::asOfValues(Connection* connection)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    const QVariant given = d->values.value(QStringLiteral("as_of"));
    QDate asOf = given.typeId() == QMetaType::QDate ? given.toDate() : QDate::fromString(given.toString(), format);
    if (!asOf.isValid()) asOf = Clock::today();
    if (connection && d->flightsAsOf != asOf) {
        d->flightsAsOf = asOf;
        d->flightsTo = QDate();
        d->flightsRead = false;
        try {
            Dataset ds(connection);
            ds.setCommandText(QStringLiteral("SELECT MAX(DATA_POLETA) FROM SPRAVKA WHERE DATA_POLETA <= '") +
                              asOf.toString(QStringLiteral("M,d,yyyy")) + QStringLiteral("'"));
            ds.open();
            if (!ds.eof() && !ds.field(0).isNull()) d->flightsTo = ds.field(0).asDate();
            d->flightsRead = true;
        } catch (const DbError&) {
            // A database without flight records: the heading says nothing of flights.
        }
    }
    ReportValues v;
    v.insert(QStringLiteral("as_of"), asOf.toString(format));
    v.insert(QStringLiteral("flights_to"), connection ? d->flightsTo.toString(format) : QString());
    v.insert(QStringLiteral("flights_none"), connection && d->flightsRead && !d->flightsTo.isValid());
    return v;
}

bool ReportComponent::loadFromFile(const QString& path, const QString& name)
{
    d->templatePath = path;
    d->templateName = name.isEmpty() ? path : name;
    d->templateText.clear();
    d->loaded = false;
    if (path.isEmpty()) return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    d->templateText = QString::fromUtf8(f.readAll());
    d->loaded = true;
    return true;
}

QString ReportComponent::templateText() const { return d->templateText; }
QString ReportComponent::templatePath() const { return d->templatePath; }
bool ReportComponent::templateLoaded() const { return d->loaded; }

bool ReportComponent::prepareReport(bool clearPrevious)
{
    if (clearPrevious) {
        d->docs.clear();
        d->pages.clear();
        d->paged = true;
        d->rows = 0;
    }
    bool rendered = false;
    if (d->loaded && !d->templateText.trimmed().isEmpty()) {
        TableRows rows;
        Connection* conn = d->connection;
        if (d->dataset) {
            // The further tables a template names are staging tables written
            // beside the main one, whose rows only the writing connection sees.
            if (d->dataset->connection()) conn = d->dataset->connection();
            // A copy of the dataset re-reads the table, leaving the caller's
            // cursor where it was.
            if (d->dataset->connection() && !d->dataset->commandText().trimmed().isEmpty()) {
                Dataset current(d->dataset->connection());
                openStagingTable(current, d->dataset->commandText());
                rows = TableRows::take(current);
            }
        }
        QString error;
        ReportValues values = d->values;
        const ReportValues asOf = asOfValues(conn);
        for (auto it = asOf.begin(); it != asOf.end(); ++it) values.insert(it.key(), it.value());
        QElapsedTimer timer;
        timer.start();
        const QString html =
            TemplateRenderer::render(d->templateText, rows, conn, values, QString(), DataDoubts::listText(), &error);
        if (qEnvironmentVariableIntValue("PLAN_TRACE_LAYOUT"))
            std::fprintf(stderr, "render %lld ms, %zu rows, %lld characters\n", timer.elapsed(), rows.rows.size(),
                         static_cast<long long>(html.size()));
        if (!error.isEmpty())
            addProblem(QStringLiteral("Шаблон отчета %1: %2").arg(d->templateName, error));
        d->rows += static_cast<int>(rows.rows.size());
        d->docs.push_back({html, TemplateRenderer::pageSetup(html), nullptr});
        d->paged = false;
        rendered = true;
    }
    emit endDoc();
    return rendered;
}

QStringList ReportComponent::problems() const { return d->problems; }

void ReportComponent::addProblem(const QString& text)
{
    if (!d->problems.contains(text)) d->problems << text;
}

void ReportComponent::clearProblems() { d->problems.clear(); }

int ReportComponent::preparedPages() const { return static_cast<int>(d->allPages().size()); }
int ReportComponent::preparedDocuments() const { return static_cast<int>(d->docs.size()); }
int ReportComponent::preparedRows() const { return d->rows; }

void ReportComponent::showPreparedReport()
{
    emit preview();
    ReportPreview* p = previewWidget();
    p->refresh();
    p->show();
    d->previewOpen = true;
}

void ReportComponent::showReport()
{
    prepareReport(true);
    showPreparedReport();
}

ReportPreview* ReportComponent::previewWidget()
{
    if (!d->preview) d->preview = new ReportPreview(this);
    return d->preview;
}

void ReportComponent::closePreview()
{
    if (d->preview) d->preview->hide();
    d->previewOpen = false;
    emit previewClosed();
}

bool ReportComponent::previewOpen() const { return d->previewOpen; }

QStringList ReportComponent::preparedHtml() const
{
    QStringList out;
    for (const auto& doc : d->docs) out << doc.html;
    return out;
}

namespace {
std::vector<SheetDocument> sheetDocuments(const QStringList& html)
{
    std::vector<SheetDocument> docs;
    for (const QString& h : html) docs.push_back(sheetDocument(h));
    return docs;
}
} // namespace

void ReportComponent::exportXlsx(const QString& path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    plan::exportXlsx(sheetDocuments(preparedHtml()), path);
}

void ReportComponent::exportTableCsv(const QString& path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    exportTablesCsv(sheetDocuments(preparedHtml()), path);
}

QSizeF ReportComponent::pageSizePt(int index) const
{
    const auto& r = d->ref(index);
    return d->docs[r.doc].doc().pageSizePt();
}

QImage ReportComponent::renderPage(int index, double dpi) const
{
    const auto& r = d->ref(index);
    const PagedDocument& doc = d->docs[r.doc].doc();
    const QSizeF pt = doc.pageSizePt();
    QImage img(qMax(1, qRound(pt.width() / 72.0 * dpi)), qMax(1, qRound(pt.height() / 72.0 * dpi)),
               QImage::Format_RGB32);
    const int dpm = qRound(dpi / 0.0254);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(dpi / PagedDocument::LayoutDpi, dpi / PagedDocument::LayoutDpi);
    doc.paintPage(&p, r.page, index + 1, preparedPages());
    return img;
}

void ReportComponent::paintPages(QPagedPaintDevice* device, int fromPage, int toPage) const
{
    const int total = preparedPages();
    int from = fromPage <= 0 ? 1 : fromPage;
    int to = toPage <= 0 ? total : qMin(toPage, total);
    QPainter p;
    if (total == 0 || from > to) {
        // An empty report still makes a valid file: one blank page.
        device->setPageLayout(PageSetup().layout());
        p.begin(device);
        p.end();
        return;
    }
    for (int n = from; n <= to; ++n) {
        const auto& r = d->ref(n - 1);
        const PagedDocument& doc = d->docs[r.doc].doc();
        device->setPageLayout(doc.setup().layout());
        if (n == from) {
            if (!p.begin(device)) throw std::runtime_error("не удается начать вывод страниц отчета");
        } else {
            device->newPage();
        }
        p.save();
        const double scale = static_cast<double>(device->logicalDpiX()) / PagedDocument::LayoutDpi;
        p.scale(scale, static_cast<double>(device->logicalDpiY()) / PagedDocument::LayoutDpi);
        doc.paintPage(&p, r.page, n, total);
        p.restore();
    }
    p.end();
}

void ReportComponent::exportPdf(const QString& path) const
{
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("не удается записать файл PDF " + path.toStdString() + ": " +
                                     probe.errorString().toStdString());
    }
    QPdfWriter writer(path);
    writer.setResolution(PagedDocument::LayoutDpi);
    writer.setCreator(QStringLiteral("Planning module"));
    writer.setTitle(info.completeBaseName());
    paintPages(&writer);
}

QStringList ReportComponent::exportPng(const QString& dir, int dpi) const
{
    if (!QDir().mkpath(dir)) throw std::runtime_error("не удается создать папку " + dir.toStdString());
    QStringList files;
    for (int i = 0; i < preparedPages(); ++i) {
        const QString file = QDir(dir).filePath(QStringLiteral("page-%1.png").arg(i + 1, 3, 10, QLatin1Char('0')));
        if (!renderPage(i, dpi).save(file, "PNG"))
            throw std::runtime_error("не удается записать файл изображения " + file.toStdString());
        files << file;
    }
    return files;
}

void ReportComponent::print(QPrinter* printer) const
{
    printer->setFullPage(true);
    int from = 0, to = 0;
    if (printer->printRange() == QPrinter::PageRange) {
        from = printer->fromPage();
        to = printer->toPage();
    }
    paintPages(printer, from, to);
}

} // namespace plan
