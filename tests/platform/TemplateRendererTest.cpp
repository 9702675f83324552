#include "platform/Clock.h"
#include "platform/TemplateRenderer.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace plan;

TEST(TemplateRenderer, ValueMarksLineBreaksAndEscaping)
{
    struct Case { const char* raw; const char* shown; };
    const Case cases[] = {
        {"plain text", "plain text"},
        {"<b>bold</b> and <i>italic</i>", "<b>bold</b> and <i>italic</i>"},
        {"<B>upper</B>", "<b>upper</b>"},
        {"a & b", "a &amp; b"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"<u>x</u> \"q\" 'a'", "&lt;u&gt;x&lt;/u&gt; &quot;q&quot; &#39;a&#39;"},
        {"1\r\n2\r3\n4", "1<br>2<br>3<br>4"},
        {"\r\n\n", "<br><br>"},
        // An open mark is closed at the end of the value; a stray close vanishes.
        {"<b>open", "<b>open</b>"},
        {"x</b>y</i>", "xy"},
        // Overlapping marks are nested properly.
        {"<b><i>bi</b>i</i>", "<b><i>bi</i></b><i>i</i>"},
        {"<b", "&lt;b"},
        {"Ми-8 <b>RA-22</b>", "Ми-8 <b>RA-22</b>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TemplateRenderer::renderValue(QString::fromUtf8(c.raw)), QString::fromUtf8(c.shown)) << c.raw;
}

TEST(TemplateRenderer, PageSetupWords)
{
    struct Case {
        const char* text;
        QPageSize::PageSizeId size;
        QPageLayout::Orientation orientation;
        QMarginsF margins; // left top right bottom
        double font;
        bool numbers;
    };
    const QMarginsF def(15, 15, 15, 15);
    const Case cases[] = {
        {"", QPageSize::A4, QPageLayout::Portrait, def, 9, true},
        {"A4 landscape; margins 10mm", QPageSize::A4, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), 9, true},
        {"a5", QPageSize::A5, QPageLayout::Portrait, def, 9, true},
        {"A5 Landscape", QPageSize::A5, QPageLayout::Landscape, def, 9, true},
        {"A3; margins 5 10 15 20mm", QPageSize::A3, QPageLayout::Portrait, QMarginsF(20, 5, 10, 15), 9, true},
        {"font 7pt; page-numbers off", QPageSize::A4, QPageLayout::Portrait, def, 7, false},
        {"glossy paper A5 landscape margins 8", QPageSize::A5, QPageLayout::Landscape, QMarginsF(8, 8, 8, 8), 9, true},
    };
    for (const Case& c : cases) {
        const PageSetup s = PageSetup::parse(QString::fromUtf8(c.text));
        EXPECT_EQ(s.size, c.size) << c.text;
        EXPECT_EQ(s.orientation, c.orientation) << c.text;
        EXPECT_EQ(s.marginsMm, c.margins) << c.text;
        EXPECT_DOUBLE_EQ(s.fontPt, c.font) << c.text;
        EXPECT_EQ(s.pageNumbers, c.numbers) << c.text;
    }
}

TEST(TemplateRenderer, MetaTagsAndTableQueries)
{
    const QString t = QStringLiteral(
        "<html><head><meta charset='utf-8'>"
        "<META name=\"plan-page\" content=\"A4 landscape\">"
        "<meta content='P2=SELECT * FROM REPORT_X_P2 WHERE N > 0 ORDER BY ID' name='plan-table'>"
        "<meta name=\"plan-table\" content=\"P3 = Select * From REPORT_X_P3 Where C1 = &quot;x&quot;\">"
        "<meta name=\"plan-table\" content=\"not a definition\">"
        "</head><body></body></html>");
    EXPECT_EQ(TemplateRenderer::pageSetup(t).orientation, QPageLayout::Landscape);
    const auto q = TemplateRenderer::tableQueries(t);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].first, "P2");
    EXPECT_EQ(q[0].second, "SELECT * FROM REPORT_X_P2 WHERE N > 0 ORDER BY ID");
    EXPECT_EQ(q[1].first, "P3");
    EXPECT_EQ(q[1].second, "Select * From REPORT_X_P3 Where C1 = \"x\"");
}

TEST(TemplateRenderer, RowsFlagsAndTopLevelValues)
{
    Clock::setToday(QDate(2026, 3, 7));
    TableRows t;
    t.columns = QStringList{"ID", "NAME", "VAL"};
    t.rows = {{1, QStringLiteral("!Итого"), QStringLiteral("<b>x</b>")},
              {2, QStringLiteral("|Раздел"), QStringLiteral("a&b")},
              {3, QStringLiteral("Строка !"), QVariant()}};
    const QString tmpl = QStringLiteral(
        "{{#rows}}[{{index}}{{#title}}T{{/title}}{{#section}}S{{/section}}{{#plain}}P{{/plain}}"
        ":{{c0}}:{{c1}}:{{NAME}}:{{c2}}:{{{VAL}}}]{{/rows}} n={{rowcount}}{{#hasrows}} has{{/hasrows}} {{today}}");
    EXPECT_EQ(TemplateRenderer::render(tmpl, t, nullptr),
              QStringLiteral("[1T:1:Итого:Итого:<b>x</b>:<b>x</b>]"
                             "[2S:2:Раздел:Раздел:a&amp;b:a&b]"
                             "[3P:3:Строка !:Строка !::] n=3 has 07.03.2026"));

    // A row that leaves column 1 empty carries its mark in column 2; a mark
    // in column 2 of a row with column 1 filled is text.
    TableRows u;
    u.columns = QStringList{"ID", "C1", "C2"};
    u.rows = {{1, QString(), QStringLiteral("|Ми-8")}, {2, QStringLiteral("x"), QStringLiteral("|y")},
              {3, QVariant(), QStringLiteral("!Итог")}, {4, QString(), QStringLiteral("RA-1")}};
    EXPECT_EQ(TemplateRenderer::render(QStringLiteral("{{#rows}}[{{#title}}T{{/title}}{{#section}}S{{/section}}"
                                                      "{{#plain}}P{{/plain}}:{{c1}}:{{c2}}]{{/rows}}"),
                                       u, nullptr),
              QStringLiteral("[S::Ми-8][P:x:|y][T::Итог][P::RA-1]"));

    EXPECT_EQ(TemplateRenderer::render(QStringLiteral("{{^hasrows}}нет{{/hasrows}}{{rowcount}}"), TableRows(), nullptr),
              QStringLiteral("нет0"));
    // A template Mustache cannot read shows what is wrong instead of nothing.
    const QString broken = TemplateRenderer::render(QStringLiteral("{{#rows}}unclosed"), t, nullptr);
    EXPECT_TRUE(broken.contains(QStringLiteral("ошибку"))) << broken.toStdString();
    EXPECT_TRUE(broken.contains(QStringLiteral("rows"))) << broken.toStdString();
    Clock::reset();
}

TEST(TemplateRenderer, OnlyOneSelectIsAFurtherTable)
{
    struct Case { const char* sql; bool ok; };
    const Case cases[] = {
        {"SELECT * FROM REPORT_T_P2 ORDER BY ID", true},
        {"  select 1 from rdb$database;  ", true},
        {"-- the second part\n/* of the lessor */ Select * From REPORT_LIZING_PSB_P2", true},
        {"SELECT ';DELETE' FROM RDB$DATABASE", true},
        {"DELETE FROM REESTR", false},
        {"UPDATE REESTR SET TIP_VS='x'", false},
        {"EXECUTE BLOCK AS BEGIN DELETE FROM REESTR; END", false},
        {"SELECT 1 FROM RDB$DATABASE; DELETE FROM REESTR", false},
        {"/* SELECT */ INSERT INTO REESTR (ID) VALUES (1)", false},
        {"SELECT GEN_ID(G, 1) FROM RDB$DATABASE", false},
        {"SELECT NEXT VALUE FOR G FROM RDB$DATABASE", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(TemplateRenderer::isSingleSelect(QString::fromUtf8(c.sql)), c.ok) << c.sql;
}

TEST(TemplateRenderer, SharedPartsValuesAndColumnFlags)
{
    Clock::setToday(QDate(2026, 3, 7));
    const QString dir = QDir::tempPath() + QStringLiteral("/plan-parts-test");
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    auto write = [&](const QString& name, const QString& text) {
        QFile f(dir + QStringLiteral("/_") + name + QStringLiteral(".html"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    };
    write(QStringLiteral("head"), QStringLiteral("<meta name=\"plan-page\" content=\"A4 landscape\">[{{> inner}}]"));
    write(QStringLiteral("inner"), QStringLiteral("{{report_title}}|{{operator}}|{{#covers}}{{#first}}:{{/first}}{{text}}{{^last}},{{/last}}{{/covers}}"
                                                  "{{#signatures}}<{{post}}={{name}}>{{/signatures}}{{^signatures}}-{{/signatures}}"));
    // Row values named only in a part, with blanks inside the braces.
    write(QStringLiteral("row"), QStringLiteral("{{ c1 }}{{#c1_is_b}}d{{/c1_is_b}}{{{ C3 }}}{{#c4_bang}}!{{/c4_bang}}"));
    TableRows t;
    t.columns = QStringList{"ID", "C1", "C2", "C3", "C4"};
    t.rows = {{1, QStringLiteral("a"), QStringLiteral("-"), QStringLiteral("<i>-12:30</i>"), QStringLiteral("!")},
              {2, QStringLiteral("b"), QStringLiteral("--"), QStringLiteral("12:30"), QStringLiteral(" ! x")},
              {3, QStringLiteral("c"), QString(), QStringLiteral("<b> - 1</b>"), QStringLiteral(" <b></b> ")}};
    const QString rows = QStringLiteral("{{#rows}}{{index}}{{#first}}F{{/first}}{{#last}}L{{/last}}"
                                        "{{#c2_dash}}D{{/c2_dash}}{{#c3_negative}}N{{/c3_negative}}"
                                        "{{#c2_blank}}B{{/c2_blank}}{{#c4_blank}}E{{/c4_blank}}{{#c4_bang}}!{{/c4_bang}}{{^c2_filled}}X{{/c2_filled}};{{/rows}}");
    ReportValues full;
    full.insert(QStringLiteral("report_title"), QStringLiteral("Прогноз <b>x</b>"));
    full.insert(QStringLiteral("operator"), QStringLiteral("ЮТэйр & Ко"));
    full.insert(QStringLiteral("covers"), QStringList{QStringLiteral("один"), QStringLiteral("два")});
    full.insert(QStringLiteral("signatures"),
                QVariantList{QVariantHash{{QStringLiteral("post"), QStringLiteral("Начальник ИАС")},
                                          {QStringLiteral("name"), QStringLiteral("Иванов")}}});
    ReportValues empty;
    empty.insert(QStringLiteral("operator"), QString());
    empty.insert(QStringLiteral("signatures"), QVariantList());
    ReportValues shadow = full;
    shadow.insert(QStringLiteral("inner"), QStringLiteral("значение"));
    struct Case { const char* what; QString tmpl; ReportValues values; QString shown; };
    const Case cases[] = {
        {"the frame's values through nested parts", QStringLiteral("<title>Т&amp;Т</title>{{> head}}"), full,
         QStringLiteral("<title>Т&amp;Т</title><meta name=\"plan-page\" content=\"A4 landscape\">"
                        "[Прогноз <b>x</b>|ЮТэйр &amp; Ко|:один,два<Начальник ИАС=Иванов>]")},
        {"no values: the template's title, empty texts left out",
         QStringLiteral("<title> Прогноз\n двигателей </title>{{> inner}}{{#operator}}!{{/operator}}"), empty,
         QStringLiteral("<title> Прогноз\n двигателей </title>Прогноз двигателей||-")},
        {"row flags", rows, {}, QStringLiteral("1FDN!;2;3LNBEX;")},
        // An empty column is false: a dash in its place, its words left out.
        {"empty columns", QStringLiteral("{{#rows}}{{^c2}}E{{/c2}}{{#c2}}[{{c2}}]{{/c2}}{{C2}};{{/rows}}"), {},
         QStringLiteral("[-]-;[--]--;E;")},
        // Only the values that some tag names are made for the rows: the
        // names in a part count as well as those of the template.
        {"row values named in a part", QStringLiteral("{{#rows}}[{{> row}}]{{/rows}}"), {},
         QStringLiteral("[a<i>-12:30</i>!][bd12:30][c<b> - 1</b>]")},
        // A value named as a part does not hide the part.
        {"a value of a part's name", QStringLiteral("{{> inner}}"), shadow,
         QStringLiteral("Прогноз <b>x</b>|ЮТэйр &amp; Ко|:один,два<Начальник ИАС=Иванов>")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TemplateRenderer::render(c.tmpl, t, nullptr, c.values, dir), c.shown) << c.what;

    // A two-line value is split at its first "!" only; the "!" mark of a
    // title row is not taken for a line break.
    TableRows two;
    two.columns = QStringList{"ID", "C1", "C2"};
    two.rows = {{1, QStringLiteral("!Заголовок"), QStringLiteral("1500 / 500!120 / 0!x")},
                {2, QStringLiteral("a"), QStringLiteral("- / -")},
                {3, QStringLiteral("b"), QStringLiteral("!12")}};
    EXPECT_EQ(TemplateRenderer::render(QStringLiteral("{{#rows}}[{{c1_part1}}|{{c1_part2}}|{{c2_part1}}|{{c2_part2}}]{{/rows}}"),
                                       two, nullptr, {}, dir),
              QStringLiteral("[Заголовок||1500 / 500|120 / 0!x][a||- / -|][b|||12]"));

    // The page set-up a part carries is that of the rendered document.
    const QString html = TemplateRenderer::render(QStringLiteral("{{> head}}"), t, nullptr, {}, dir);
    EXPECT_EQ(TemplateRenderer::pageSetup(html).orientation, QPageLayout::Landscape);
    // A missing part is named, not silently left out.
    const QString missing = TemplateRenderer::render(QStringLiteral("{{> heading}}x"), t, nullptr, {}, dir);
    EXPECT_TRUE(missing.contains(QStringLiteral("_heading.html"))) << missing.toStdString();
    EXPECT_FALSE(missing.contains(QStringLiteral("x</"))) << missing.toStdString();
    QDir(dir).removeRecursively();
    Clock::reset();
}

// Wherever the rows happen to break, a section row is never the last row of
// its page, and the signature block never stands on a page without rows.
TEST(PagedDocument, SectionRowsAndSignaturesKeepWithTheRows)
{
    auto document = [](int rows, int sectionAt) {
        QString html = QStringLiteral("<table width=\"100%\" border=\"1\"><thead><tr><th>Шапка</th></tr></thead>");
        for (int i = 1; i <= rows; ++i)
            html += i == sectionAt ? QStringLiteral("<tr><td><a name=\"keep-with-next\"></a>Раздел</td></tr>")
                                   : QStringLiteral("<tr><td>Строка %1</td></tr>").arg(i);
        html += QStringLiteral("</table><p>&nbsp;</p><table><tr><td><a name=\"signatures\"></a>Начальник ИАС</td></tr>"
                               "<tr><td>Дата</td></tr></table>");
        return html;
    };
    PageSetup setup;
    int movedSections = 0, movedSignatures = 0;
    for (int rows = 40; rows <= 120; ++rows) {
        const PagedDocument plain(document(rows, 0), setup);
        const QStringList pages = plain.pageTexts();
        for (int p = 0; p < pages.size(); ++p) {
            const QStringList lines = pages[p].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            ASSERT_FALSE(lines.isEmpty()) << rows << " rows, page " << p + 1;
            // The row ending a page in the plain document is where a section row would be left alone.
            if (p + 1 < pages.size() && lines.last().startsWith(QStringLiteral("Строка"))) {
                const int at = lines.last().mid(7).toInt();
                const PagedDocument kept(document(rows, at), setup);
                const QStringList keptPages = kept.pageTexts();
                for (const QString& page : keptPages) {
                    const QStringList l = page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                    EXPECT_NE(l.last(), QStringLiteral("Раздел")) << rows << " rows, section at " << at;
                }
                ++movedSections;
            }
        }
        // (Head rows repeated on later pages are not among a page's lines.)
        QStringList last = pages.last().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        last.removeAll(QStringLiteral(" "));
        EXPECT_TRUE(last.size() >= 3 && last[last.size() - 3].startsWith(QStringLiteral("Строка")))
            << rows << " rows: the last page is\n" << pages.last().toStdString();
        EXPECT_EQ(last.last(), QStringLiteral("Дата")) << rows;
        if (pages.size() > 1 && last.size() == 5) ++movedSignatures; // three rows moved, two signature lines
    }
    EXPECT_GT(movedSections, 0);
    EXPECT_GT(movedSignatures, 0);
}
