// Pagination of a prepared document. The plain layout (DirectLayout.h) makes
// the pages of the house's plain HTML; what it does not read is laid out
// here by QTextDocument, in pieces of bounded size.
//
// The HTML is cut into units: the content before the first table, each body
// row of a table (rows joined by a rowspan are one unit), the content between
// and after tables. A table with a nested table, a foot or a caption, or with
// no body rows, stays whole inside the content around it. Pieces of about
// PieceRows body rows are laid out one after another, each on a fresh page;
// a piece that starts inside a table opens it with its own <table> tag and
// head. The pages of a piece are final up to a break unit, where the next
// piece starts:
//   - the first unit on the piece's last page (that page may fill up further
//     with the rows of the next piece), unless the piece ends the document;
//   - a row that is split over two pages although it is shorter than a page;
//   - a row marked keep-with-next that is the last of its page;
//   - the last three rows before the signature block (the last one in the
//     document), when the block stands on a later page than they do.
// The last final page of a piece is painted down to the top of the break
// unit only, so that no row is painted twice.
#include "platform/TemplateRenderer.h"

#include "platform/DirectLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string_view>

namespace plan {
namespace {

constexpr double MmPerInch = 25.4;
double mmToPx(double mm) { return mm / MmPerInch * PagedDocument::LayoutDpi; }
double ptToPx(double pt) { return pt / 72.0 * PagedDocument::LayoutDpi; }
// Lengths of the HTML (paddings, borders) are in pixels of 96 dpi; the layout
// scales them to its device.
constexpr double HtmlDpi = 96.0;

bool tracing() { return qEnvironmentVariableIntValue("PLAN_TRACE_LAYOUT") != 0; }

// ------------------------------------------------------------ units of the HTML

// A top-level table cut into rows: [open, bodyStart) is its tag and head,
// [closeStart, end) what closes it.
struct CutTable {
    int open = 0, bodyStart = 0, closeStart = 0, end = 0;
};

struct Unit {
    int from = 0, to = 0; // the unit's text in the HTML
    int table = -1;       // the table of a row unit; -1 for the content between tables
    int rows = 0;         // body rows (<tr>) in a row unit
    int wholeTables = 0;  // tables laid out whole inside content between tables
    bool firstOfTable = false;
    bool keep = false;       // holds the keep-with-next anchor
    bool signatures = false; // holds the last signatures anchor of the document
};

struct Units {
    int bodyStart = 0; // the text before it (up to <body>) opens every piece
    std::vector<CutTable> tables;
    std::vector<Unit> units;
};

QRegularExpression anchorPattern(const char* name)
{
    return QRegularExpression(QStringLiteral("name\\s*=\\s*[\"']?%1[\"'\\s>]").arg(QRegularExpression::escape(QLatin1String(name))),
                              QRegularExpression::CaseInsensitiveOption);
}

Units cutUnits(const QString& html)
{
    Units out;
    const int n = static_cast<int>(html.size());
    static const QRegularExpression bodyTag(QStringLiteral("<body\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch body = bodyTag.match(html);
    out.bodyStart = body.hasMatch() ? static_cast<int>(body.capturedEnd()) : 0;

    struct OpenTable {
        int open = 0;
        int closeStart = -1;
        bool inHead = false;
        bool whole = false;
        std::vector<int> rowStarts;
        std::vector<int> reach; // the last body row each row's cells span down to
    };
    std::optional<OpenTable> table;
    int depth = 0;
    int betweenFrom = out.bodyStart;
    int wholeTables = 0;
    auto addBetween = [&](int to) {
        Unit u;
        u.from = betweenFrom;
        u.to = to;
        u.wholeTables = wholeTables;
        out.units.push_back(u);
        wholeTables = 0;
    };
    auto closeTable = [&](const OpenTable& t, int closeTag, int end) {
        if (t.whole || t.rowStarts.empty()) {
            ++wholeTables;
            return;
        }
        addBetween(t.open);
        const int index = static_cast<int>(out.tables.size());
        const int closeStart = t.closeStart >= 0 ? t.closeStart : closeTag;
        out.tables.push_back({t.open, t.rowStarts.front(), closeStart, end});
        const int rows = static_cast<int>(t.rowStarts.size());
        for (int k = 0; k < rows;) {
            int last = k, reach = t.reach[k];
            while (last < reach && last + 1 < rows) reach = std::max(reach, t.reach[++last]);
            Unit u;
            u.from = t.rowStarts[k];
            u.to = last + 1 < rows ? t.rowStarts[last + 1] : closeStart;
            u.table = index;
            u.rows = last - k + 1;
            u.firstOfTable = k == 0;
            out.units.push_back(u);
            k = last + 1;
        }
        betweenFrom = end;
    };

    static const QRegularExpression rowspan(QStringLiteral("rowspan\\s*=\\s*[\"']?(\\d+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (int i = out.bodyStart; (i = static_cast<int>(html.indexOf(QLatin1Char('<'), i))) >= 0;) {
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const int e = static_cast<int>(html.indexOf(QLatin1String("-->"), i + 4));
            i = e < 0 ? n : e + 3;
            continue;
        }
        int j = i + 1;
        const bool closing = j < n && html[j] == QLatin1Char('/');
        if (closing) ++j;
        const int nameStart = j;
        while (j < n && html[j].isLetterOrNumber()) ++j;
        if (j == nameStart) {
            ++i;
            continue;
        }
        const QString name = html.mid(nameStart, j - nameStart).toLower();
        QChar quote;
        int k = j;
        for (; k < n; ++k) {
            const QChar c = html[k];
            if (quote.isNull()) {
                if (c == QLatin1Char('"') || c == QLatin1Char('\'')) quote = c;
                else if (c == QLatin1Char('>')) break;
            } else if (c == quote) {
                quote = QChar();
            }
        }
        const int end = k < n ? k + 1 : n;
        if (!closing && (name == QLatin1String("style") || name == QLatin1String("script"))) {
            const int e = static_cast<int>(html.indexOf(QLatin1String("</") + name, end, Qt::CaseInsensitive));
            i = e < 0 ? n : e;
            continue;
        }
        if (name == QLatin1String("table")) {
            if (!closing) {
                if (depth == 0) table = OpenTable{i};
                else if (table) table->whole = true; // a nested table: the outer one stays whole
                ++depth;
            } else if (depth > 0 && --depth == 0 && table) {
                closeTable(*table, i, end);
                table.reset();
            }
        } else if (depth == 1 && table) {
            if (name == QLatin1String("thead")) {
                table->inHead = !closing;
            } else if (name == QLatin1String("tfoot") || name == QLatin1String("caption")) {
                table->whole = true;
            } else if (name == QLatin1String("tbody") && closing) {
                if (table->closeStart < 0) table->closeStart = i;
            } else if (name == QLatin1String("tr") && !closing && !table->inHead) {
                table->reach.push_back(static_cast<int>(table->rowStarts.size()));
                table->rowStarts.push_back(i);
                table->closeStart = -1;
            } else if ((name == QLatin1String("td") || name == QLatin1String("th")) && !closing && !table->inHead &&
                       !table->rowStarts.empty()) {
                const QRegularExpressionMatch m = rowspan.match(html.mid(i, end - i));
                if (m.hasMatch())
                    table->reach.back() = std::max(table->reach.back(), static_cast<int>(table->rowStarts.size()) - 2 +
                                                                           m.captured(1).toInt());
            }
        }
        i = end;
    }
    if (table) ++wholeTables; // never closed: Qt closes it at the end
    addBetween(n);

    static const QRegularExpression keep = anchorPattern(PagedDocument::KeepWithNext);
    static const QRegularExpression sign = anchorPattern(PagedDocument::Signatures);
    bool signatures = false; // the block that closes the document: the last one
    for (auto u = out.units.rbegin(); u != out.units.rend(); ++u) {
        const QStringView text = QStringView(html).mid(u->from, u->to - u->from);
        u->keep = keep.match(text).hasMatch();
        u->signatures = !signatures && sign.match(text).hasMatch();
        signatures = signatures || u->signatures;
    }
    return out;
}

// The HTML of the units [from, to): the document's head, then the units, each
// table opened with its tag and head and closed again around its rows. The
// whole range gives the HTML itself.
QString pieceHtml(const QString& html, const Units& cut, int from, int to)
{
    QString out = html.left(cut.bodyStart);
    int table = -1;
    auto close = [&] {
        if (table < 0) return;
        const CutTable& t = cut.tables[static_cast<size_t>(table)];
        out += QStringView(html).mid(t.closeStart, t.end - t.closeStart);
    };
    for (int i = from; i < to; ++i) {
        const Unit& u = cut.units[static_cast<size_t>(i)];
        if (u.table != table) {
            close();
            table = u.table;
            if (table >= 0) {
                const CutTable& t = cut.tables[static_cast<size_t>(table)];
                out += QStringView(html).mid(t.open, t.bodyStart - t.open);
            }
        }
        out += QStringView(html).mid(u.from, u.to - u.from);
    }
    close();
    return out;
}

// ------------------------------------------------------------ where units stand

// Where a unit stands in a laid-out piece (document coordinates).
struct Place {
    bool found = false;
    bool blank = true;   // nothing of it is seen (empty paragraphs, blanks)
    double top = 0;      // where it begins: everything above belongs to earlier units
    int firstPage = 0;   // the page of its first line
    int lastPage = 0;    // the page of its last line
    double height = 0;   // from its first line to its last
};

class Placer {
public:
    Placer(QTextDocument* doc, double pageHeight, double scale) : m_doc(doc), m_h(pageHeight), m_scale(scale) {}

    int pageOf(double y) const { return static_cast<int>(std::floor(y / m_h)); }

    // The places of the units [from, to) in the piece laid out from their HTML;
    // false when the laid-out document does not match the units.
    bool place(const Units& cut, int from, int to, std::vector<Place>& places, std::pair<int, int>& repeatedHead)
    {
        places.assign(static_cast<size_t>(to - from), Place());
        repeatedHead = {-1, -1};
        QAbstractTextDocumentLayout* layout = m_doc->documentLayout();
        int u = from;            // the unit the next frame or block belongs to
        int wholeLeft = u < to ? cut.units[static_cast<size_t>(u)].wholeTables : 0;
        double after = 0;        // the bottom of the last table placed
        auto isContent = [&](int i) { return i < to && cut.units[static_cast<size_t>(i)].table < 0; };
        for (QTextFrame::iterator it = m_doc->rootFrame()->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* frame = it.currentFrame()) {
                auto* table = qobject_cast<QTextTable*>(frame);
                if (!table) return false;
                if (isContent(u) && wholeLeft > 0) {
                    --wholeLeft;
                    const QRectF r = layout->frameBoundingRect(frame);
                    addToContent(places[static_cast<size_t>(u - from)], std::max(r.top(), after), r.top(), r.bottom(), false);
                    continue;
                }
                if (isContent(u)) ++u; // the content before this table is done
                if (u >= to || cut.units[static_cast<size_t>(u)].table < 0) return false;
                const int t = cut.units[static_cast<size_t>(u)].table;
                const int head = table->format().headerRowCount();
                if (u == from && !cut.units[static_cast<size_t>(u)].firstOfTable && head > 0) {
                    // The head's last cell may stand in an earlier row (a rowspan): take the furthest.
                    int last = table->cellAt(0, 0).lastPosition();
                    for (int c = 0; c < table->columns(); ++c) last = std::max(last, table->cellAt(head - 1, c).lastPosition());
                    repeatedHead = {table->cellAt(0, 0).firstPosition(), last};
                }
                int row = head;
                for (; u < to && cut.units[static_cast<size_t>(u)].table == t; ++u) {
                    const Unit& unit = cut.units[static_cast<size_t>(u)];
                    if (row + unit.rows > table->rows()) return false;
                    Place& p = places[static_cast<size_t>(u - from)];
                    placeRows(table, row, unit.rows, p);
                    // The head goes along with the first row.
                    if (unit.firstOfTable && p.found) p.top = std::min(p.top, layout->frameBoundingRect(frame).top());
                    row += unit.rows;
                }
                if (row != table->rows()) return false;
                after = layout->frameBoundingRect(frame).bottom();
                wholeLeft = u < to ? cut.units[static_cast<size_t>(u)].wholeTables : 0;
            } else if (isContent(u)) {
                const QTextBlock b = it.currentBlock();
                const QRectF r = layout->blockBoundingRect(b);
                const QTextLayout* lines = b.layout();
                const bool seen = !b.text().trimmed().isEmpty() && lines && lines->lineCount() > 0;
                const double first = seen ? r.top() + lines->lineAt(0).y() : r.top();
                const double last = seen ? r.top() + lines->lineAt(lines->lineCount() - 1).rect().bottom() : r.top();
                addToContent(places[static_cast<size_t>(u - from)], std::max(r.top(), after), first, last, !seen);
            }
        }
        // Every table of the piece was met (the content after the last may
        // have left nothing).
        if (u < to && !(isContent(u) && u + 1 == to)) return false;
        // Units that left nothing in the layout stand where the next one does.
        double next = m_doc->documentLayout()->documentSize().height();
        for (int i = to - 1; i >= from; --i) {
            Place& p = places[static_cast<size_t>(i - from)];
            if (!p.found) {
                p.found = true;
                p.top = next;
                p.firstPage = p.lastPage = pageOf(std::max(0.0, next - 1));
            }
            next = p.top;
        }
        return true;
    }

private:
    void addToContent(Place& p, double top, double first, double last, bool blank)
    {
        const int firstPage = pageOf(first + 1), lastPage = pageOf(std::max(first, last - 1));
        if (!p.found) {
            p.found = true;
            p.top = top;
            p.firstPage = firstPage;
            p.lastPage = lastPage;
        }
        if (blank) return;
        if (p.blank) {
            p.firstPage = firstPage;
            p.height = 0;
        }
        p.lastPage = p.blank ? lastPage : std::max(p.lastPage, lastPage);
        p.height = std::max(p.height, last - first);
        p.blank = false;
    }

    // A row unit: its top is the top of its cells less their top padding (the
    // line between it and the row before stays with the row before).
    void placeRows(QTextTable* table, int firstRow, int rows, Place& p)
    {
        QAbstractTextDocumentLayout* layout = m_doc->documentLayout();
        double top = std::numeric_limits<double>::max(), first = top, last = std::numeric_limits<double>::lowest();
        const double tablePadding = table->format().cellPadding();
        bool seen = false;
        for (int r = firstRow; r < firstRow + rows; ++r)
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
                const QTextBlock b = cell.firstCursorPosition().block();
                const QTextBlock e = cell.lastCursorPosition().block();
                const QTextLayout* bl = b.layout();
                const QTextLayout* el = e.layout();
                if (!bl || !el || bl->lineCount() == 0 || el->lineCount() == 0) continue;
                const double y = layout->blockBoundingRect(b).top() + bl->lineAt(0).y();
                const QTextTableCellFormat f = cell.format().toTableCellFormat();
                const double padding = f.hasProperty(QTextFormat::TableCellTopPadding) ? f.topPadding() : tablePadding;
                top = std::min(top, y - padding * m_scale);
                first = std::min(first, y);
                last = std::max(last, layout->blockBoundingRect(e).top() + el->lineAt(el->lineCount() - 1).rect().bottom());
                seen = true;
            }
        if (!seen) return; // placed later where the next unit stands
        p.found = true;
        p.blank = false;
        p.top = top;
        p.firstPage = pageOf(first + 1);
        p.lastPage = pageOf(std::max(first, last - 1));
        p.height = last - first;
    }

    QTextDocument* m_doc;
    double m_h;
    double m_scale;
};

// Where the final pages of a piece end: the unit the next piece starts with.
struct Break {
    int stop = 0;
    const char* why = "end";
    bool forced = false; // a row moved to the next page, rather than the last page carried over
};

Break pieceEnd(const Units& cut, const std::vector<Place>& places, int from, int to, double pageHeight)
{
    const int n = static_cast<int>(cut.units.size());
    auto at = [&](int i) -> const Place& { return places[static_cast<size_t>(i - from)]; };
    auto unit = [&](int i) -> const Unit& { return cut.units[static_cast<size_t>(i)]; };
    Break end{to};
    if (to < n) {
        // The first unit on the last page, which the next piece may fill further.
        int lastSeen = -1;
        for (int i = from; i < to; ++i)
            if (!at(i).blank) lastSeen = i;
        end = {from, "last page"};
        if (lastSeen >= 0)
            while (end.stop < to && (at(end.stop).blank || at(end.stop).firstPage < at(lastSeen).firstPage)) ++end.stop;
    }
    auto breakAt = [&](int i, const char* why) {
        if (i > from && i < end.stop) end = {i, why, true};
    };
    for (int i = from; i < to; ++i) {
        const Place& p = at(i);
        if (p.blank) continue;
        if (unit(i).table >= 0 && p.lastPage > p.firstPage && p.height < pageHeight) breakAt(i, "split row");
        int next = i + 1;
        while (next < to && at(next).blank) ++next;
        if (unit(i).keep && next < to && at(next).firstPage > p.lastPage) breakAt(i, "keep-with-next");
        if (unit(i).signatures) {
            // The last body row before the block, of another table, and up
            // to two rows of its table before it go along with the block.
            int row = i - 1;
            while (row >= from && (unit(row).table < 0 || unit(row).table == unit(i).table)) --row;
            int blockPage = p.lastPage;
            for (int j = i + 1; j < to && unit(i).table >= 0 && unit(j).table == unit(i).table; ++j)
                blockPage = std::max(blockPage, at(j).lastPage);
            if (row >= from && at(row).lastPage < blockPage) {
                int first = row;
                while (first > row - 2 && first - 1 >= from && unit(first - 1).table == unit(row).table) --first;
                breakAt(first, "signatures");
            }
        }
    }
    // A row kept with the next goes along with it.
    if (end.stop < to)
        while (end.stop - 1 > from && unit(end.stop - 1).keep) --end.stop;
    return end;
}

// How many body rows the next piece takes. Rows laid out past the end of a
// piece's final pages are laid out again in the next piece, so a piece ends
// a little past a page: as many whole pages as PieceRows rows fill, or, after
// a row had to be moved to the next page, just past as many pages as the
// last piece gave (where rows are split often, pieces stay short).
class PieceSize {
public:
    int rows() const
    {
        if (m_rowsPerPage < 1) return PagedDocument::PieceRows;
        return static_cast<int>(std::ceil(std::min(m_pages, maxPages()) * m_rowsPerPage)) + 2;
    }

    void learn(const Units& cut, const std::vector<Place>& places, int from, const Break& end, int lastPage)
    {
        // Rows per page, from the pages the piece filled (its last final
        // page may have been cut short).
        int rows = 0, firstPage = std::numeric_limits<int>::max();
        for (int i = from; i < end.stop; ++i) {
            const Place& p = places[static_cast<size_t>(i - from)];
            if (p.blank) continue;
            firstPage = std::min(firstPage, p.firstPage);
            if (p.firstPage < lastPage) rows += std::max(1, cut.units[static_cast<size_t>(i)].rows);
        }
        const int pages = lastPage - firstPage + 1;
        if (pages >= 2) m_rowsPerPage = static_cast<double>(rows) / (pages - 1);
        if (m_rowsPerPage < 1) return;
        m_pages = end.forced ? pages + 0.1 : std::floor(m_pages) * 2 + 0.1;
    }

private:
    double maxPages() const { return std::max(1.0, std::floor(PagedDocument::PieceRows / m_rowsPerPage)) + 0.1; }

    double m_rowsPerPage = 0;
    double m_pages = std::numeric_limits<double>::max();
};

} // namespace

// ------------------------------------------------------------ pages

struct PagedDocument::Pages {
    struct Piece {
        std::unique_ptr<QTextDocument> doc;
        int firstPage = 0; // its pages in the document begin at this page of the piece
        double clip = std::numeric_limits<double>::max(); // nothing at or below is painted
        std::pair<int, int> repeatedHead{-1, -1};
    };
    struct Page {
        int piece = 0;
        int page = 0; // in the piece's document
    };
    QImage device{1, 1, QImage::Format_ARGB32};
    std::unique_ptr<DirectPages> plain; // when set, the pages are its own
    std::vector<Piece> pieces;
    std::vector<Page> pages;
};

PagedDocument::PagedDocument(const QString& html, const PageSetup& setup, Layout layout)
    : m_html(html), m_setup(setup), m_layout(layout)
{
    const QSizeF page = pageSizePt();
    const QMarginsF& m = setup.marginsMm;
    m_footerHeight = setup.pageNumbers ? mmToPx(6) : 0;
    m_body = QRectF(mmToPx(m.left()), mmToPx(m.top()), ptToPx(page.width()) - mmToPx(m.left() + m.right()),
                    ptToPx(page.height()) - mmToPx(m.top() + m.bottom()) - m_footerHeight);
    if (m_body.width() < 10 || m_body.height() < 10) // margins larger than the page
        m_body = QRectF(0, 0, ptToPx(page.width()), ptToPx(page.height()) - m_footerHeight);
}

PagedDocument::~PagedDocument() = default;

const PagedDocument::Pages& PagedDocument::pages() const
{
    if (m_pages) return *m_pages;
    m_pages = std::make_unique<Pages>();
    Pages& out = *m_pages;
    if (m_layout == Layout::Plain) {
        QElapsedTimer t;
        t.start();
        QString why;
        out.plain = DirectPages::layOut(m_html, m_setup, m_body.size(), &why);
        if (tracing()) {
            if (out.plain)
                std::fprintf(stderr, "plain layout %lld ms, %d pages%s\n", t.elapsed(), out.plain->pageCount(),
                             out.plain->spanTrimmed() ? ", a colspan past the last column cut" : "");
            else std::fprintf(stderr, "plain layout refused (%s), laid out by QTextDocument\n", qPrintable(why));
        }
        if (out.plain) return out;
    }
    const int dpm = qRound(LayoutDpi / 0.0254);
    out.device.setDotsPerMeterX(dpm);
    out.device.setDotsPerMeterY(dpm);
    const double h = m_body.height();
    const double scale = out.device.logicalDpiY() / HtmlDpi;

    auto layOut = [&](const QString& html) {
        auto doc = std::make_unique<QTextDocument>();
        doc->documentLayout()->setPaintDevice(&out.device);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(m_setup.fontPt);
        doc->setDefaultFont(font);
        doc->setDocumentMargin(0);
        doc->setHtml(html);
        doc->setPageSize(m_body.size());
        return doc;
    };
    auto addPages = [&](Pages::Piece piece, int firstPage, int lastPage) {
        piece.firstPage = firstPage;
        const int index = static_cast<int>(out.pieces.size());
        for (int p = firstPage; p <= lastPage; ++p) out.pages.push_back({index, p});
        out.pieces.push_back(std::move(piece));
    };

    QElapsedTimer total;
    total.start();
    const Units cut = cutUnits(m_html);
    const int n = static_cast<int>(cut.units.size());
    std::vector<Place> places;
    PieceSize size;
    for (int from = 0, grow = 1; from < n;) {
        // The units of the piece, or all that are left when less than half
        // as many would be left over.
        const int rows = size.rows() * grow;
        int to = from;
        for (int count = 0; to < n && count < rows; ++to) count += std::max(1, cut.units[static_cast<size_t>(to)].rows);
        int rest = 0;
        for (int i = to; i < n && rest < rows / 2; ++i) rest += std::max(1, cut.units[static_cast<size_t>(i)].rows);
        if (rest < rows / 2) to = n;
        QElapsedTimer t;
        t.start();
        Pages::Piece piece;
        piece.doc = layOut(from == 0 && to == n ? m_html : pieceHtml(m_html, cut, from, to));
        Placer placer(piece.doc.get(), h, scale);
        if (!placer.place(cut, from, to, places, piece.repeatedHead)) {
            // The layout does not show the units as expected: the rest is laid
            // out as it comes, in one piece, with Qt's own page breaks.
            if (tracing()) std::fprintf(stderr, "layout: units %d-%d do not match the layout, the rest in one piece\n", from, to);
            if (to != n) piece.doc = layOut(pieceHtml(m_html, cut, from, n));
            const int count = piece.doc->pageCount();
            addPages(std::move(piece), 0, count - 1);
            break;
        }
        const Break end = pieceEnd(cut, places, from, to, h);
        if (end.stop <= from) {
            // The piece does not fill more than its first page: take more rows.
            if (tracing()) std::fprintf(stderr, "layout %lld ms, units %d-%d fill one page, taking more\n", t.elapsed(), from, to);
            grow *= 2;
            continue;
        }
        int firstPage = std::numeric_limits<int>::max(), lastPage = -1;
        for (int i = from; i < end.stop; ++i) {
            const Place& p = places[static_cast<size_t>(i - from)];
            if (p.blank) continue;
            firstPage = std::min(firstPage, p.firstPage);
            lastPage = std::max(lastPage, p.lastPage);
        }
        if (end.stop < to) piece.clip = places[static_cast<size_t>(end.stop - from)].top;
        if (tracing())
            std::fprintf(stderr, "layout %lld ms, units %d-%d, final up to %d (%s), %d pages\n", t.elapsed(), from, to, end.stop,
                         end.why, lastPage < 0 ? 0 : lastPage - firstPage + 1);
        if (lastPage >= 0) {
            addPages(std::move(piece), firstPage, lastPage);
            size.learn(cut, places, from, end, lastPage);
        }
        from = end.stop;
        grow = 1;
    }
    if (out.pages.empty()) {
        // Nothing to show: one empty page, as an empty document has.
        Pages::Piece piece;
        piece.doc = layOut(QString());
        addPages(std::move(piece), 0, 0);
    }
    if (tracing()) std::fprintf(stderr, "layout %lld ms in all, %d pages\n", total.elapsed(), static_cast<int>(out.pages.size()));
    return out;
}

int PagedDocument::pageCount() const
{
    const Pages& all = pages();
    return all.plain ? all.plain->pageCount() : static_cast<int>(all.pages.size());
}

bool PagedDocument::plainLayout() const { return pages().plain != nullptr; }

QStringList PagedDocument::pageTexts() const
{
    const Pages& all = pages();
    if (all.plain) {
        QStringList texts;
        for (int i = 0; i < all.plain->pageCount(); ++i) texts << all.plain->pageText(i);
        return texts;
    }
    QStringList texts(static_cast<qsizetype>(all.pages.size()));
    const double h = m_body.height();
    for (size_t first = 0; first < all.pages.size();) {
        const Pages::Piece& piece = all.pieces[static_cast<size_t>(all.pages[first].piece)];
        size_t count = 1;
        while (first + count < all.pages.size() && all.pages[first + count].piece == all.pages[first].piece) ++count;
        const int lastPage = piece.firstPage + static_cast<int>(count) - 1;
        QAbstractTextDocumentLayout* layout = piece.doc->documentLayout();
        for (QTextBlock b = piece.doc->begin(); b.isValid(); b = b.next()) {
            if (b.position() >= piece.repeatedHead.first && b.position() <= piece.repeatedHead.second) continue;
            const QRectF r = layout->blockBoundingRect(b);
            const QTextLayout* lines = b.layout();
            for (int i = 0; lines && i < lines->lineCount(); ++i) {
                const QTextLine line = lines->lineAt(i);
                const double middle = r.top() + line.y() + line.height() / 2;
                const int page = static_cast<int>(middle / h);
                if (page < piece.firstPage || page > lastPage || middle >= piece.clip) continue;
                // Cells that must not wrap hold no-break spaces: shown as blanks.
                texts[static_cast<qsizetype>(first) + page - piece.firstPage] +=
                    b.text().mid(line.textStart(), line.textLength()).replace(QChar(0xA0), QLatin1Char(' ')) + QLatin1Char('\n');
            }
        }
        first += count;
    }
    return texts;
}

QSizeF PagedDocument::pageSizePt() const
{
    return m_setup.layout().fullRect(QPageLayout::Point).size();
}

void PagedDocument::paintPage(QPainter* p, int index, int number, int total) const
{
    const Pages& all = pages();
    if (all.plain) {
        p->save();
        p->translate(m_body.topLeft());
        p->setClipRect(QRectF(0, 0, m_body.width(), m_body.height()).adjusted(-2, -2, 2, 2));
        all.plain->paint(p, index);
        p->restore();
    } else if (index >= 0 && index < static_cast<int>(all.pages.size())) {
        const Pages::Page& page = all.pages[static_cast<size_t>(index)];
        const Pages::Piece& piece = all.pieces[static_cast<size_t>(page.piece)];
        const double top = page.page * m_body.height();
        const double height = std::clamp(piece.clip - top, 0.0, m_body.height());
        p->save();
        p->translate(m_body.topLeft());
        p->setClipRect(QRectF(0, 0, m_body.width(), height));
        p->translate(0, -top);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = QRectF(0, top, m_body.width(), height);
        ctx.palette.setColor(QPalette::Text, Qt::black);
        piece.doc->documentLayout()->draw(p, ctx);
        p->restore();
    }

    if (m_setup.pageNumbers) {
        p->save();
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(qRound(ptToPx(7)));
        p->setFont(f);
        p->setPen(Qt::black);
        const QRectF footer(m_body.left(), m_body.bottom(), m_body.width(), m_footerHeight);
        p->drawText(footer, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Стр. %1 из %2").arg(number).arg(total));
        if (!m_setup.footer.isEmpty()) p->drawText(footer, Qt::AlignLeft | Qt::AlignBottom, m_setup.footer);
        p->restore();
    }
}

} // namespace plan
