#pragma once
// The report component of a host window: loads a template file, prepares it
// from the staging rows its data sources hold (as a new document or appending
// pages to those already prepared), shows the prepared pages in a preview
// that the host window embeds, and signals preview opened, preview closed and
// end of document.
#include <QImage>
#include <QObject>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include "platform/ReportPreview.h"
#include "platform/TemplateRenderer.h"
#include <memory>

class QPagedPaintDevice;
class QPrinter;

namespace plan {

class Dataset;
class Connection;
class ReportPreview;
class PagedDocument;

class ReportComponent : public QObject {
    Q_OBJECT
public:
    explicit ReportComponent(QObject* parent = nullptr);
    ~ReportComponent() override;

    // The report dataset the template reads its rows from (the staging
    // table's query); the connection serves further tables a template names.
    void setDataset(Dataset* ds);
    Dataset* dataset() const;
    void setConnection(Connection* c);

    // The values the template's heading, legend and signature block print
    // (title, operator, what the report covers, ...; docs/templates.md). A
    // frame sets them before its report cycle; the cycle clears them when it
    // ends, so that the next report does not print them by mistake.
    void setValues(const ReportValues& values);
    ReportValues values() const;
    void clearValues();

    // As of when the printed pages are: "as_of", the date the report was made
    // for (a frame with a date of its own sets it, a QDate; otherwise the
    // clock's today), and "flights_to", the date of the latest flight record
    // (SPRAVKA) on or before it, "" when there is none. Read once per report
    // (until clearValues), so that a document per aircraft costs one query.
    ReportValues asOfValues(Connection* connection);

    // Loads the template; a missing file gives an empty report and returns
    // false. `name` ("frmPlanPrognoz/rep02") names the template in the
    // problems below (the path when empty).
    bool loadFromFile(const QString& path, const QString& name = QString());
    QString templateText() const;
    // Renders the loaded template from the current rows. clearPrevious=false
    // appends the pages to those already prepared. Emits endDoc().
    bool prepareReport(bool clearPrevious = true);
    // The pages of the prepared documents: asking lays them out.
    int preparedPages() const;
    // The prepared documents (each is at least one page), without laying them out.
    int preparedDocuments() const;
    // The rows of the main table the prepared documents were rendered from.
    int preparedRows() const;
    // Shows the prepared pages in the preview (emits preview() first, so the
    // host can embed the preview widget).
    void showPreparedReport();
    // Prepares as a new document and shows.
    void showReport();

    // The preview widget (created on first use, owned by the component until
    // the host reparents it).
    ReportPreview* previewWidget();
    // Closes the preview as its close button does (emits previewClosed()).
    void closePreview();

    // Export of the prepared pages, without a window. Throws std::runtime_error
    // naming the file on failure.
    void exportPdf(const QString& path) const;
    // Writes page-001.png, page-002.png ... into dir; returns the file paths.
    QStringList exportPng(const QString& dir, int dpi = 100) const;
    // The tables of the prepared documents as printed, one sheet per document
    // (platform/SheetExport.h); throw std::runtime_error naming the file.
    void exportXlsx(const QString& path) const;
    void exportTableCsv(const QString& path) const;
    // The rendered HTML of every prepared document, in order.
    QStringList preparedHtml() const;

    // What went wrong with the templates since clearProblems(): a template
    // missing or not copied (the report cycle adds these), in error, or
    // with a further table that was refused. The report is still prepared
    // (empty where the template could not be used); the host says so.
    QStringList problems() const;
    void addProblem(const QString& text);
    void clearProblems();

    // ----- Page access for the preview and printing -----
    // The template file last loaded ("" before any load).
    QString templatePath() const;
    // True when the last load found its file.
    bool templateLoaded() const;
    // Page size of a prepared page (0-based) in points.
    QSizeF pageSizePt(int index) const;
    // A prepared page as an image at the given resolution (white background).
    QImage renderPage(int index, double dpi) const;
    // Prints pages from..to (1-based, 0 = all) on a printer or PDF device.
    void paintPages(QPagedPaintDevice* device, int fromPage = 0, int toPage = 0) const;
    // Prints the pages the printer's range names (all when none).
    void print(QPrinter* printer) const;
    // Whether the preview is shown (between showPreparedReport and closePreview).
    bool previewOpen() const;

signals:
    void preview();
    void previewClosed();
    void endDoc();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace plan
