#pragma once
// Turns a report template (HTML with Mustache sections) and the rows of the
// staging tables into the HTML of one document, and lays that document out in
// pages that can be painted on an image, a PDF or a printer.
//
// The data a template sees (docs/templates.md has the full story):
//   rows            the rows of the report dataset, in the order of its query
//     c0, c1, ...   the columns by position (c0 is the row key ID)
//     NAME          the columns by their upper-case names
//     title         column 1 starts with "!"   (the mark is not shown)
//     section       column 1 starts with "|"   (the mark is not shown)
//     plain         neither
//     cN_part1, cN_part2  a value split at its first "!" (a two-line value)
//     index         1, 2, ... the row's number in its table
//     first, last   the first / the last row
//   rowcount, hasrows, today (dd.mm.yyyy)
//   <NAME>          a further table named by <meta name="plan-table" content="NAME=SELECT ...">,
//                   with rows of the same shape, and NAME_rowcount; the statement must be
//                   one SELECT and runs in a transaction that is rolled back, so that a
//                   template can never change the records
//   doubts          (a report value, list of texts) with the doubtful data of the run
//                   (platform/DataDoubts.h) as one more item; a template (or shared
//                   part) that does not name it gets "Данные требуют проверки: ..."
//                   under its heading
//   report_title    the frame's title of the report, else the template's <title>
//   the report values a frame sets (ReportValues below): the heading, legend
//   and signature block the shared parts of the templates print
// {{> name}} inserts the shared part templates/_name.html (the house page
// set-up, heading, legend, signature block); a part that is not there
// renders as a page naming it.
// {{value}} shows a value with its <b>, </b>, <i>, </i> marks and line breaks
// rendered and everything else escaped; {{{value}}} inserts it unchanged.
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class QPainter;
class QTextDocument;

namespace plan {

class Connection;
class Dataset;

// Values a frame gives the template besides the rows, by name: a text (an
// empty one is left out, so that {{#name}} is false), a bool, a list of texts
// (items {{text}}), or a list of hashes (items with those names); every list
// item also has first and last.
using ReportValues = QVariantHash;

// Page setup a template asks for with <meta name="plan-page" content="...">.
struct PageSetup {
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{15, 15, 15, 15};
    double fontPt = 9.0;
    bool pageNumbers = true;
    // Printed at the bottom left of every page beside the page number: the
    // last <meta name="plan-footer" content="..."> of the document (the
    // shared heading puts as of when the report is there).
    QString footer;

    QPageLayout layout() const;
    // Reads "A4 landscape; margins 10mm; font 8pt; page-numbers off".
    // Unknown words are ignored, so a mistyped setup still prints.
    static PageSetup parse(const QString& text);
};

// The rows of one table as a template sees them.
struct TableRows {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;
    static TableRows fromDataset(const Dataset& ds);
    // The rows taken from the dataset, which is closed (no copy).
    static TableRows take(Dataset& ds);
};

class TemplateRenderer {
public:
    // A value as {{value}} shows it: the marks <b>, </b>, <i>, </i> become
    // markup, line breaks (CR LF, CR, LF) become <br>, the rest is escaped.
    static QString renderValue(const QString& raw);
    // The content of <meta name="NAME" content="..."> tags, in order.
    static QStringList metaContents(const QString& templateText, const QString& name);
    // The further tables the template names: pairs of section name and query.
    static std::vector<std::pair<QString, QString>> tableQueries(const QString& templateText);

    // The page setup of a rendered document: its last <meta name="plan-page">
    // (the shared page parts carry one).
    static PageSetup pageSetup(const QString& html);
    // The text of the template's <title>, entities decoded.
    static QString templateTitle(const QString& templateText);
    // The folder of the shared parts: <home>/templates.
    static QString partialDir();

    // Renders the template with the given rows and values; further tables are
    // read through the connection (skipped when there is none); shared parts
    // come from partDir (partialDir() when empty). A template that Mustache
    // cannot parse, or that names a missing part, renders as a page that
    // names the error. `doubts` is the list of doubtful records of the run
    // as DataDoubts::listText() gives it ("" for none).
    // `error`, when given, receives what went wrong with the template (""
    // when nothing did): a Mustache error, a missing part, or a further table
    // that was refused (its section is then empty). The rows are let go one
    // by one as they become Mustache data: a caller done with them moves
    // them in, so that a long report does not hold them twice.
    static QString render(const QString& templateText, TableRows rows, Connection* connection,
                          const ReportValues& values = {}, const QString& partDir = QString(),
                          const QString& doubts = QString(), QString* error = nullptr);
    // True when the text is one SELECT statement (comments and a final ";"
    // allowed); "why" gets the reason otherwise.
    static bool isSingleSelect(const QString& sql, QString* why = nullptr);
    // Puts the paragraph under the heading of a rendered page: after the
    // first heading, table, paragraph or block that closes in the body (at
    // the start of the body when none does).
    static QString insertUnderHeading(const QString& html, const QString& paragraph);
};

// One prepared document laid out in pages. Layout works at a fixed
// resolution (LayoutDpi), independent of the screen, so that pages break at
// the same rows in the preview, the PDF and on paper.
//
// Nothing is laid out until the pages are first asked for. A document in the
// house's plain HTML (what the shipped templates write) is laid out and
// painted directly by DirectPages, at a few milliseconds a page. Any other
// goes through QTextDocument; a long one is laid out in bounded pieces: the
// body rows of its tables are taken a few
// hundred at a time, each piece starting on a fresh page (a piece that starts
// inside a table opens it again with its head), so that paginating and
// painting a page cost the same on page 700 as on page 1. Where the pages of
// a piece end is chosen so that a row is never split over two pages (unless
// it is taller than a page), a row marked keep-with-next is never the last of
// its page, and the signature block takes the last rows before it along.
class PagedDocument {
public:
    static constexpr int LayoutDpi = 300;

    // How the pages are made: Plain lays out and paints the house's plain
    // HTML directly (DirectPages) and hands anything else to QTextDocument;
    // TextDocument always uses QTextDocument.
    enum class Layout { Plain, TextDocument };

    PagedDocument(const QString& html, const PageSetup& setup, Layout layout = Layout::Plain);
    ~PagedDocument();
    PagedDocument(const PagedDocument&) = delete;
    PagedDocument& operator=(const PagedDocument&) = delete;

    int pageCount() const;
    const PageSetup& setup() const { return m_setup; }
    QString html() const { return m_html; }
    // Page size in points.
    QSizeF pageSizePt() const;
    // The text of each page, a line of text a line, no-break spaces as blanks
    // (for checks of the pages). Head rows a table repeats on later pages
    // are on its first page only.
    QStringList pageTexts() const;
    // Paints one page (0-based) on a painter whose units are LayoutDpi
    // device pixels with the origin at the page's top-left corner; the
    // footer numbers it as page `number` of `total`.
    void paintPage(QPainter* p, int index, int number, int total) const;

    // Anchors a template puts in a cell to keep rows together
    // (<a name="keep-with-next"></a>, <a name="signatures"></a>).
    static constexpr const char* KeepWithNext = "keep-with-next";
    static constexpr const char* Signatures = "signatures";

    // Body rows laid out together at most (a piece grows when its rows do
    // not fill more than one page).
    static constexpr int PieceRows = 200;

    // True when the pages were made by the plain layout.
    bool plainLayout() const;

private:
    struct Pages;
    const Pages& pages() const;

    QString m_html;
    PageSetup m_setup;
    Layout m_layout = Layout::Plain;
    QRectF m_body; // in LayoutDpi pixels, relative to the page
    double m_footerHeight = 0;
    mutable std::unique_ptr<Pages> m_pages;
};

} // namespace plan
