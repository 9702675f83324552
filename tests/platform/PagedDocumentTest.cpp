// Pagination of long documents. Laid out by QTextDocument in pieces, the
// pages are those one layout of the whole document gives, except that a row
// is never split over two pages, a keep-with-next row never ends a page and
// the signature block takes rows along, wherever the pieces meet. The plain
// layout keeps the same rules.
#include "platform/TemplateRenderer.h"
#include "platform/PageChecks.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace plan;

namespace {

using plan::test::houseStyle;

// A form: a heading, one table of numbered rows "Строка N" with a head, the
// signature block. `special` replaces rows by number with whole <tr> texts.
QString form(int rows, const std::map<int, QString>& special = {}, bool signatures = true)
{
    QString html = QStringLiteral("<html><head><meta name=\"plan-page\" content=\"A4 portrait; margins 10 10 10 20mm; font 8pt\">") +
                   houseStyle() +
                   QStringLiteral("</head><body><p><b>Формуляр воздушного судна</b></p>"
                                  "<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                                  "<thead><tr><th width=\"10%\" bgcolor=\"#3060c0\">№</th><th width=\"90%\" bgcolor=\"#3060c0\">Агрегат</th>"
                                  "</tr></thead>\n");
    for (int i = 1; i <= rows; ++i) {
        const auto it = special.find(i);
        html += it != special.end() ? it->second
                                    : QStringLiteral("<tr><td>%1</td><td>Строка %1</td></tr>\n").arg(i);
    }
    html += QStringLiteral("</table>\n");
    if (signatures)
        html += QStringLiteral("<p>&nbsp;</p><table class=\"signatures\" cellspacing=\"0\" cellpadding=\"2\">"
                               "<tr><td width=\"260\"><a name=\"signatures\"></a>Начальник ИАС</td><td>________</td></tr>"
                               "<tr><td colspan=\"2\">Дата «____» ______ 20___ г.</td></tr></table>\n");
    return html + QStringLiteral("</body></html>");
}

// The page texts of one layout of the whole document, with Qt's own page
// breaks: what the pages were before they were made in pieces.
QStringList oneLayout(const QString& html)
{
    const PageSetup setup = TemplateRenderer::pageSetup(html);
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDotsPerMeterX(qRound(PagedDocument::LayoutDpi / 0.0254));
    device.setDotsPerMeterY(qRound(PagedDocument::LayoutDpi / 0.0254));
    const QSizeF page = setup.layout().fullRect(QPageLayout::Point).size();
    auto px = [](double mm) { return mm / 25.4 * PagedDocument::LayoutDpi; };
    const QMarginsF& m = setup.marginsMm;
    const QSizeF body(page.width() / 72 * PagedDocument::LayoutDpi - px(m.left() + m.right()),
                      page.height() / 72 * PagedDocument::LayoutDpi - px(m.top() + m.bottom()) - px(6));
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(setup.fontPt);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    doc.setPageSize(body);
    QStringList pages(doc.pageCount());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QRectF r = doc.documentLayout()->blockBoundingRect(b);
        for (int i = 0; i < b.layout()->lineCount(); ++i) {
            const QTextLine line = b.layout()->lineAt(i);
            const int p = static_cast<int>((r.top() + line.y() + line.height() / 2) / body.height());
            if (p >= 0 && p < pages.size())
                pages[p] += b.text().mid(line.textStart(), line.textLength()).replace(QChar(0xA0), QLatin1Char(' ')) +
                            QLatin1Char('\n');
        }
    }
    return pages;
}

// The lines of a page, a line broken by <br> without its line separator.
QStringList linesOf(const QString& page)
{
    QStringList lines = QString(page).remove(QChar(QChar::LineSeparator)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeAll(QStringLiteral(" "));
    return lines;
}

// The numbers of the rows "Строка N" on each page, in the order printed.
std::vector<std::vector<int>> rowsByPage(const QStringList& pages)
{
    static const QRegularExpression row(QStringLiteral("^Строка (\\d+)$"));
    std::vector<std::vector<int>> out;
    for (const QString& page : pages) {
        out.emplace_back();
        for (const QString& line : linesOf(page)) {
            const QRegularExpressionMatch m = row.match(line);
            if (m.hasMatch()) out.back().push_back(m.captured(1).toInt());
        }
    }
    return out;
}

// "" when the rows 1..rows are each on one page and in order, else what is
// wrong.
std::string everyRowOnce(const std::vector<std::vector<int>>& byPage, int rows)
{
    int expected = 1;
    for (size_t p = 0; p < byPage.size(); ++p)
        for (const int row : byPage[p])
            if (row != expected++)
                return "page " + std::to_string(p + 1) + " has row " + std::to_string(row) + " where row " +
                       std::to_string(expected - 1) + " was due";
    return expected == rows + 1 ? std::string() : "the last row printed is " + std::to_string(expected - 1);
}

// The page (0-based) that prints the line, -1 when none does.
int pageWith(const QStringList& pages, const QString& line)
{
    for (int p = 0; p < pages.size(); ++p)
        if (linesOf(pages[p]).contains(line)) return p;
    return -1;
}

using Layout = PagedDocument::Layout;
constexpr Layout BothLayouts[] = {Layout::TextDocument, Layout::Plain};
const char* nameOf(Layout l) { return l == Layout::Plain ? "plain layout" : "QTextDocument"; }

QStringList pagesOf(const QString& html, Layout layout = Layout::TextDocument)
{
    const PagedDocument doc(html, TemplateRenderer::pageSetup(html), layout);
    EXPECT_EQ(doc.plainLayout(), layout == Layout::Plain);
    return doc.pageTexts();
}

// Does the painted page show the colour (at the middle of its width) between
// the fractions `from` and `to` of its height? Colours that the edges of
// grey lines and white cannot blend into: the head of the form is HeadBlue.
bool colourOnPage(const PagedDocument& doc, int index, QRgb colour, double from = 0, double to = 1)
{
    const double dpi = 40;
    const QSizeF pt = doc.pageSizePt();
    QImage img(qRound(pt.width() / 72 * dpi), qRound(pt.height() / 72 * dpi), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(dpi / PagedDocument::LayoutDpi, dpi / PagedDocument::LayoutDpi);
    doc.paintPage(&p, index, index + 1, doc.pageCount());
    p.end();
    for (int y = qRound(from * img.height()); y < qRound(to * img.height()); ++y)
        if ((img.pixel(img.width() / 2, y) & 0xffffff) == (colour & 0xffffff)) return true;
    return false;
}
constexpr QRgb HeadBlue = 0x3060c0, SectionRed = 0xc03030;

} // namespace

// A table of thousands of rows paginates in pieces into the pages one layout
// of the whole would give: each row on one page, in order, the head on top of
// every page, the heading on the first page only, the signature block on the
// last page with rows before it.
TEST(PagedDocument, LongTableInPiecesHasThePagesOfOneLayout)
{
    const int rows = 2000;
    const QString html = form(rows);
    for (const Layout layout : BothLayouts) {
    SCOPED_TRACE(nameOf(layout));
    const PagedDocument doc(html, TemplateRenderer::pageSetup(html), layout);
    const QStringList pages = doc.pageTexts();
    ASSERT_EQ(pages.size(), doc.pageCount());
    ASSERT_GT(pages.size(), 2 * rows / PagedDocument::PieceRows) << "the rows must fill many pieces";

    const auto byPage = rowsByPage(pages);
    EXPECT_EQ(everyRowOnce(byPage, rows), "");
    for (size_t p = 0; p < byPage.size(); ++p) EXPECT_FALSE(byPage[p].empty()) << "page " << p + 1 << " has no rows";

    EXPECT_EQ(pageWith(pages, QStringLiteral("Формуляр воздушного судна")), 0);
    EXPECT_EQ(pages.join(QString()).count(QStringLiteral("Формуляр воздушного судна")), 1);
    EXPECT_EQ(pages.join(QString()).count(QStringLiteral("Агрегат")), 1) << "the head counts on its first page only";
    // The head within the top tenth of every page (below the top margin).
    for (int p = 0; p < pages.size(); ++p) EXPECT_TRUE(colourOnPage(doc, p, HeadBlue, 0, 0.1)) << "page " << p + 1;

    ASSERT_GE(byPage.back().size(), 3u);
    EXPECT_LE(byPage.back().front(), rows - 2) << pages.last().toStdString();
    EXPECT_EQ(pageWith(pages, QStringLiteral("Начальник ИАС")), pages.size() - 1);

    // Nothing was wrong with Qt's page breaks here: the pages are the same.
    if (layout == Layout::Plain) continue;
    const QStringList whole = oneLayout(html);
    ASSERT_EQ(pages.size(), whole.size());
    for (int p = 0; p + 1 < pages.size(); ++p)
        EXPECT_EQ(rowsByPage({pages[p]}), rowsByPage({whole[p]})) << "page " << p + 1;
    }
}

// Where nothing is wrong with Qt's page breaks, a document that fits one
// piece has exactly the pages of one layout: a table shorter than a piece,
// text without tables.
TEST(PagedDocument, ShortDocumentsHaveThePagesOfOneLayout)
{
    QString text = QStringLiteral("<html><body>");
    for (int i = 1; i <= 400; ++i) text += QStringLiteral("<p>Абзац %1 текста без таблиц</p>\n").arg(i);
    text += QStringLiteral("</body></html>");
    const struct {
        const char* what;
        QString html;
        int minPages;
    } cases[] = {
        {"30 rows", form(30, {}, false), 1},
        {"90 rows", form(90, {}, false), 2},
        {"150 rows", form(150, {}, false), 3},
        {"text without tables", text, 4},
    };
    for (const auto& c : cases) {
        const QStringList pages = pagesOf(c.html);
        EXPECT_GE(pages.size(), c.minPages) << c.what;
        EXPECT_EQ(pages, oneLayout(c.html)) << c.what;
    }
}

// A row taller than the room left on its page goes whole to the next page,
// where one layout would print its second line on the next page: in the
// first piece of a document and in later ones.
TEST(PagedDocument, TallRowAtThePageEndGoesWholeToTheNextPage)
{
    for (const int rows : {190, 700}) {
        const auto plain = rowsByPage(pagesOf(form(rows)));
        int tried = 0;
        for (size_t p = 0; p + 1 < plain.size() && tried < 3; ++p) {
            if (rows > PagedDocument::PieceRows && plain[p].back() < 150) continue; // the long document: rows of later pieces
            // The last row of the page or the one before, made two lines
            // high: where one layout splits it.
            for (const int row : {plain[p].back() - 1, plain[p].back()}) {
                const QString first = QStringLiteral("Строка %1").arg(row), second = QStringLiteral("Втулка НВ %1").arg(row);
                const QString html =
                    form(rows, {{row, QStringLiteral("<tr><td>%1</td><td>%2<br>%3</td></tr>\n").arg(row).arg(first, second)}});
                const QStringList whole = oneLayout(html);
                if (pageWith(whole, first) == pageWith(whole, second)) continue;
                ++tried;
                const QStringList pages = pagesOf(html);
                const int at = pageWith(pages, second);
                ASSERT_GE(at, 0) << rows << " rows, row " << row << ": the second line is lost";
                EXPECT_EQ(pageWith(pages, first), at) << rows << " rows, row " << row;
                EXPECT_EQ(rowsByPage(pages)[static_cast<size_t>(at)].front(), row) << rows << " rows, row " << row;
                EXPECT_EQ(everyRowOnce(rowsByPage(pages), rows), "") << rows << " rows, row " << row;
                break;
            }
        }
        EXPECT_GE(tried, 2) << rows << " rows: one layout split too few rows";
    }
}

// A keep-with-next row that one layout leaves last on a page starts the next
// page with the row after it, also where two pieces meet; the same for a
// paragraph kept with the table after it.
TEST(PagedDocument, KeepWithNextRowsStartTheNextPage)
{
    for (const Layout layout : BothLayouts) {
    SCOPED_TRACE(nameOf(layout));
    const int rows = 700;
    const auto plain = rowsByPage(pagesOf(form(rows), layout));
    const QString section = QStringLiteral("Раздел");
    int tried = 0;
    for (size_t p = 0; p + 1 < plain.size() && tried < 4; ++p) {
        // Rows ending the pages of the first pieces, where the pieces meet.
        const int last = plain[p].back();
        if (p % 3 != 2 && p != 6) continue;
        ++tried;
        const QString kept =
            QStringLiteral("<tr><td bgcolor=\"#c03030\" colspan=\"2\"><a name=\"keep-with-next\"></a>%1</td></tr>\n").arg(section);
        const QString html = form(rows, {{last, kept}});
        const PagedDocument doc(html, TemplateRenderer::pageSetup(html), layout);
        const QStringList pages = doc.pageTexts();
        const int at = pageWith(pages, section);
        ASSERT_GE(at, 1) << "row " << last;
        // Painted once, on its new page only.
        EXPECT_FALSE(colourOnPage(doc, at - 1, SectionRed)) << "row " << last;
        EXPECT_TRUE(colourOnPage(doc, at, SectionRed)) << "row " << last;
        EXPECT_NE(linesOf(pages[at]).last(), section) << "row " << last;
        EXPECT_EQ(rowsByPage(pages)[static_cast<size_t>(at)].front(), last + 1) << "row " << last;
        EXPECT_EQ(linesOf(pages[at]).first(), section) << "row " << last;
    }
    EXPECT_EQ(tried, 4);

    // A paragraph before a second table, kept with it.
    auto twoTables = [](int first) {
        QString html = form(first, {}, false);
        html.chop(QStringLiteral("</body></html>").size());
        return html + QStringLiteral("<p><a name=\"keep-with-next\"></a><b>2. Агрегаты</b></p>"
                                     "<table class=\"grid\" width=\"100%\" border=\"1\"><thead><tr><th>Агрегат</th></tr></thead>"
                                     "<tr><td>Двигатель</td></tr><tr><td>Редуктор</td></tr></table></body></html>");
    };
    const auto firstRows = rowsByPage(pagesOf(form(100, {}, false), layout));
    bool seenLast = false;
    for (int first = firstRows[0].back() - 4; first <= firstRows[0].back() + 2; ++first) {
        const QString html = twoTables(first);
        const QStringList pages = pagesOf(html, layout);
        const int at = pageWith(pages, QStringLiteral("2. Агрегаты"));
        EXPECT_EQ(pageWith(pages, QStringLiteral("Двигатель")), at) << first << " rows before";
        seenLast = seenLast || pageWith(oneLayout(html), QStringLiteral("2. Агрегаты")) !=
                                   pageWith(oneLayout(html), QStringLiteral("Двигатель"));
    }
    EXPECT_TRUE(seenLast || layout == Layout::Plain) << "one layout never left the paragraph alone";
    }
}

// Rows joined by a rowspan stay on one page, wherever the pages and the
// pieces break.
TEST(PagedDocument, RowsJoinedByARowspanStayTogether)
{
    std::map<int, QString> pairs;
    const int rows = 900;
    for (int i = 1; i + 1 <= rows; i += 2) {
        pairs[i] = QStringLiteral("<tr><td rowspan=\"2\">%1</td><td>Строка %1</td></tr>\n").arg(i);
        pairs[i + 1] = QStringLiteral("<tr><td>Строка %1</td></tr>\n").arg(i + 1);
    }
    const QString html = form(rows, pairs);
    for (const Layout layout : BothLayouts) {
        SCOPED_TRACE(nameOf(layout));
        const auto pages = rowsByPage(pagesOf(html, layout));
        EXPECT_EQ(everyRowOnce(pages, rows), "");
        for (size_t p = 0; p < pages.size(); ++p) {
            ASSERT_FALSE(pages[p].empty());
            EXPECT_EQ(pages[p].front() % 2, 1) << "page " << p + 1 << " starts inside a pair";
            EXPECT_EQ(pages[p].back() % 2, 0) << "page " << p + 1 << " ends inside a pair";
        }
    }
}
