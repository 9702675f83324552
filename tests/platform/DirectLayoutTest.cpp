// The plain layout: what it reads, what it hands to QTextDocument, and the
// pages it makes of what it reads (columns as wide as their widths ask, text
// wrapped inside its column, a row taller than a page split by lines).
#include "platform/DirectLayout.h"
#include "platform/TemplateRenderer.h"
#include "platform/PageChecks.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace plan;
using plan::test::houseStyle;

namespace {

QString page(const QString& body)
{
    return QStringLiteral("<html><head><meta name=\"plan-page\" content=\"A4 portrait; margins 10mm; font 8pt\">") +
           houseStyle() + QStringLiteral("</head><body>") + body + QStringLiteral("</body></html>");
}

QString printed(const QStringList& pages) { return plan::test::printedCharacters(pages); }

QStringList linesOf(const QStringList& pages)
{
    QStringList out;
    for (const QString& p : pages) out << p.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return out;
}

// The page painted at LayoutDpi / 4.
QImage painted(const PagedDocument& doc, int index)
{
    const double dpi = PagedDocument::LayoutDpi / 4.0;
    const QSizeF pt = doc.pageSizePt();
    QImage img(qRound(pt.width() / 72 * dpi), qRound(pt.height() / 72 * dpi), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(0.25, 0.25);
    doc.paintPage(&p, index, index + 1, doc.pageCount());
    return img;
}

// The first and the last column of the image in which row y has the colour.
std::pair<int, int> spanOf(const QImage& img, int y, QRgb colour)
{
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        if ((img.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}

int rowWith(const QImage& img, QRgb colour)
{
    for (int y = 0; y < img.height(); ++y)
        if (spanOf(img, y, colour).first >= 0) return y;
    return -1;
}

} // namespace

// Documents outside the house's plain HTML go to QTextDocument whole, and the
// reason names what was met; the pages still print every word.
TEST(PlainLayout, HandsWhatItDoesNotReadToTextDocument)
{
    QString tall;
    for (int i = 0; i < 150; ++i) tall += QStringLiteral("строка %1<br>").arg(i);
    const struct {
        const char* what;
        QString body;
        const char* why; // "" when the plain layout reads it
    } cases[] = {
        {"paragraphs and a grid", QStringLiteral("<p class=\"legend\"><b>Итог</b> за год</p><table class=\"grid\" border=\"1\">"
                                                 "<tr><td class=\"c nowrap\" bgcolor=\"#ffd966\">1</td></tr></table>"),
         ""},
        {"a block element", QStringLiteral("<div>Итог</div>"), "<div>"},
        {"a nested table", QStringLiteral("<table><tr><td><table><tr><td>Итог</td></tr></table></td></tr></table>"), "<table>"},
        {"a list in a cell", QStringLiteral("<table><tr><td><ul><li>Итог</li></ul></td></tr></table>"), "<ul>"},
        {"an unknown style property", QStringLiteral("<p style=\"text-indent: 5px\">Итог</p>"), "text-indent"},
        {"separated cells", QStringLiteral("<table cellspacing=\"2\"><tr><td>Итог</td></tr></table>"), "cellspacing"},
        {"a character the font lacks", QStringLiteral("<p>Итог &#x4E2D;</p>"), "U+4e2d"},
        {"an unknown entity", QStringLiteral("<p>Итог &zork;</p>"), "&zork;"},
        {"rows joined by a rowspan taller than a page",
         QStringLiteral("<table border=\"1\"><tr><td rowspan=\"2\">%1</td><td>Итог</td></tr><tr><td>2</td></tr></table>").arg(tall),
         "rowspan"},
    };
    const QSizeF body(2000, 3000);
    for (const auto& c : cases) {
        const QString html = page(c.body);
        QString why;
        const auto plain = DirectPages::layOut(html, TemplateRenderer::pageSetup(html), body, &why);
        EXPECT_EQ(plain != nullptr, QLatin1String(c.why).isEmpty()) << c.what << ": " << why.toStdString();
        EXPECT_TRUE(why.contains(QLatin1String(c.why), Qt::CaseInsensitive)) << c.what << ": " << why.toStdString();
        const PagedDocument doc(html, TemplateRenderer::pageSetup(html));
        EXPECT_EQ(doc.plainLayout(), plain != nullptr) << c.what;
        EXPECT_TRUE(printed(doc.pageTexts()).contains(QStringLiteral("Итог"))) << c.what;
    }
}

// What the plain layout reads it prints as QTextDocument does: entities,
// bold and italic inside a word, line breaks, blanks collapsed, cells under
// colspans and rowspans in the order of the HTML; a word longer than its
// column is cut, not lost.
TEST(PlainLayout, PrintsEveryCharacterInOrder)
{
    const QString body = QStringLiteral(
        "<p align=\"center\">&laquo;Форма&raquo; &#8470; 36&nbsp;&mdash; &amp; &lt;итог&gt; &#39;ГА&#39;</p>"
        "<p>Вер<b>то</b><i>лет</i>   Ми-8\n  АМТ<br>вторая  строка</p>"
        "<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"1\">"
        "<thead><tr><th rowspan=\"2\" width=\"10%\">№</th><th colspan=\"2\">Наработка</th></tr>"
        "<tr><th width=\"45%\">СНЭ</th><th width=\"45%\">ППР</th></tr></thead>"
        "<tr><td rowspan=\"2\">1</td><td class=\"r\">1234:56</td><td class=\"c\"><b>ВЫРАБОТАН</b> <i>-12:30</i></td></tr>"
        "<tr><td>Завод&shy;ской</td><td class=\"nowrap\">без переноса строки в узкой графе</td></tr>"
        "<tr><td>2</td><td colspan=\"2\">Длинноесловобезпробеловкотороененапомещаетсяводнустрокуузкойграфыиегоприходитсярезатьгдепридется"
        "Длинноесловобезпробеловкотороененапомещаетсяводнустрокуузкойграфы</td></tr>"
        "</table>");
    const QString html = page(body);
    const PagedDocument plain(html, TemplateRenderer::pageSetup(html));
    const PagedDocument qt(html, TemplateRenderer::pageSetup(html), PagedDocument::Layout::TextDocument);
    ASSERT_TRUE(plain.plainLayout());
    EXPECT_EQ(printed(plain.pageTexts()).toStdString(), printed(qt.pageTexts()).toStdString());
    const QStringList lines = linesOf(plain.pageTexts());
    EXPECT_TRUE(lines.contains(QStringLiteral("«Форма» № 36 — & <итог> 'ГА'"))) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Вертолет Ми-8 АМТ"))) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("вторая строка")));
    EXPECT_TRUE(lines.contains(QStringLiteral("ВЫРАБОТАН -12:30")));
    EXPECT_TRUE(lines.contains(QStringLiteral("без переноса строки в узкой графе")));
}

// Columns take the widths their cells ask for, in per cent of the table or
// in pixels; text wraps inside its column and the row grows with it; a
// nowrap cell keeps one line.
TEST(PlainLayout, ColumnsTakeTheirWidthsAndTextWrapsInside)
{
    const QString words = QStringLiteral("слово ").repeated(60);
    const QString html = page(QStringLiteral(
        "<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
        "<tr><td width=\"20%\" bgcolor=\"#ff0000\">%1</td><td width=\"80%\" bgcolor=\"#0000ff\">а</td></tr></table>"
        "<table border=\"0\" cellspacing=\"0\"><tr><td width=\"192\" bgcolor=\"#00ff00\">б</td>"
        "<td bgcolor=\"#ff00ff\" class=\"nowrap\">%2</td></tr></table>").arg(words, words.left(60)));
    const PagedDocument doc(html, TemplateRenderer::pageSetup(html));
    ASSERT_TRUE(doc.plainLayout());
    const QImage img = painted(doc, 0);
    // The page body at 75 dpi: A4 less 10 mm on each side.
    const double bodyWidth = (210.0 - 20) / 25.4 * 75;
    const int y = rowWith(img, 0xff0000);
    ASSERT_GE(y, 0);
    const auto red = spanOf(img, y, 0xff0000), blue = spanOf(img, y, 0x0000ff);
    EXPECT_NEAR(red.second - red.first, 0.2 * bodyWidth, 4);
    EXPECT_NEAR(blue.second - blue.first, 0.8 * bodyWidth, 4);
    EXPECT_LT(red.second, blue.first);
    // 60 words in a fifth of the page: many lines, each within the column.
    const QStringList lines = linesOf(doc.pageTexts());
    int wordLines = 0;
    for (const QString& line : lines)
        if (line.startsWith(QStringLiteral("слово"))) ++wordLines;
    EXPECT_GE(wordLines, 8);
    int redRows = 0;
    for (int row = 0; row < img.height(); ++row) redRows += spanOf(img, row, 0xff0000).first >= 0;
    EXPECT_GE(redRows, wordLines * 8) << "the row grows with its lines";
    // A column of 192 pixels of 96 dpi: two inches, 150 pixels at 75 dpi.
    const int g = rowWith(img, 0x00ff00);
    ASSERT_GE(g, 0);
    EXPECT_NEAR(spanOf(img, g, 0x00ff00).second - spanOf(img, g, 0x00ff00).first, 150, 4);
    EXPECT_TRUE(lines.contains(words.left(60).trimmed())) << "the nowrap cell keeps one line";
    // The nowrap attribute, given without a value, after a cell without it.
    const QString attr = page(QStringLiteral("<table border=\"1\" width=\"100%\" cellspacing=\"0\">"
                                             "<tr><td width=\"10%\">а</td><td>б</td></tr>"
                                             "<tr><td nowrap>длинный текст без переноса</td><td>в</td></tr></table>"));
    EXPECT_TRUE(linesOf(PagedDocument(attr, TemplateRenderer::pageSetup(attr)).pageTexts())
                    .contains(QStringLiteral("длинный текст без переноса")));

    // A section row with a colspan one too many does not add a column: the
    // rows keep their right-hand line.
    const QString over = page(QStringLiteral("<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\">"
                                             "<tr><td class=\"section\" colspan=\"3\">Раздел</td></tr>"
                                             "<tr><td width=\"50%\">а</td><td width=\"50%\" bgcolor=\"#0000ff\">б</td></tr></table>"));
    const PagedDocument overDoc(over, TemplateRenderer::pageSetup(over));
    const QImage overImg = painted(overDoc, 0);
    const int oy = rowWith(overImg, 0x0000ff);
    ASSERT_GE(oy, 0);
    const int right = spanOf(overImg, oy, 0x0000ff).second;
    EXPECT_NE(overImg.pixel(right + 1, oy) & 0xffffff, 0xffffffu) << "no line right of the last cell";
    EXPECT_NEAR(right, qRound(10 / 25.4 * 75 + bodyWidth), 3) << "the last cell ends at the page's right edge";

    // Columns whose longest words ask for more than the page: the table
    // still ends at the page's right edge and every character is printed.
    QString cells;
    for (int c = 0; c < 12; ++c) cells += QStringLiteral("<td width=\"5%\">Стартер-генератор-%1</td>").arg(c);
    cells += QStringLiteral("<td class=\"nowrap\">не переносить эту строку</td>");
    const QString wide = page(QStringLiteral("<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\"><tr>%1"
                                             "<td width=\"40%\" bgcolor=\"#0000ff\">конец</td></tr></table>").arg(cells));
    const PagedDocument wideDoc(wide, TemplateRenderer::pageSetup(wide));
    ASSERT_TRUE(wideDoc.plainLayout());
    const QImage wideImg = painted(wideDoc, 0);
    const int wy = rowWith(wideImg, 0x0000ff);
    ASSERT_GE(wy, 0);
    EXPECT_LE(spanOf(wideImg, wy, 0x0000ff).second, qRound(10 / 25.4 * 75 + bodyWidth) + 1);
    for (int c = 0; c < 12; ++c)
        EXPECT_TRUE(printed(wideDoc.pageTexts()).contains(QStringLiteral("Стартер-генератор-%1").arg(c))) << c;
    // Cut after a hyphen where one fits.
    const QStringList wideLines = linesOf(wideDoc.pageTexts());
    EXPECT_TRUE(wideLines.contains(QStringLiteral("Стартер-"))) << wideLines.join(QLatin1Char('|')).toStdString();
    // A nowrap cell whose column had to shrink wraps rather than overlap.
    EXPECT_FALSE(wideLines.contains(QStringLiteral("не переносить эту строку"))) << wideLines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(printed(wideDoc.pageTexts()).contains(QStringLiteral("непереноситьэтустроку")));
}

// A row taller than a page (the list of a whole fleet's aircraft in the
// heading) starts on the page it comes to and goes on over the next pages,
// every line once, in order, the head of its table above it on each page.
TEST(PlainLayout, RowTallerThanAPageGoesOnOverTheNextPages)
{
    QString list;
    for (int i = 1; i <= 2500; ++i) list += QStringLiteral("RA-%1, ").arg(20000 + i);
    const QString html = page(QStringLiteral("<p>Справка</p><table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\">"
                                             "<thead><tr><th bgcolor=\"#3060c0\">Шапка</th><th>ВС</th></tr></thead>"
                                             "<tr><td>Перед</td><td>1</td></tr>"
                                             "<tr><td>ВС: %1</td><td>Номер</td></tr>"
                                             "<tr><td>После</td><td>2</td></tr></table>")
                                  .arg(list));
    const PagedDocument doc(html, TemplateRenderer::pageSetup(html));
    ASSERT_TRUE(doc.plainLayout());
    const QStringList pages = doc.pageTexts();
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Перед")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("RA-20001,"))) << "the tall row starts on the page it comes to";
    EXPECT_TRUE(pages.last().contains(QStringLiteral("После")));
    // Every number once, in order.
    QString all = printed(pages);
    int at = 0;
    for (int i = 1; i <= 2500; ++i) {
        const int next = static_cast<int>(all.indexOf(QStringLiteral("RA-%1,").arg(20000 + i), at));
        ASSERT_GE(next, at) << "RA-" << 20000 + i;
        at = next + 1;
    }
    EXPECT_EQ(all.count(QStringLiteral("RA-21234,")), 1);
    EXPECT_EQ(all.count(QStringLiteral("Шапка")), 1) << "the head's text counts on its first page only";
    for (int p = 0; p < pages.size(); ++p) EXPECT_GE(rowWith(painted(doc, p), 0x3060c0), 0) << "page " << p + 1;
}
