#include "platform/Clock.h"
#include "platform/TemplateRenderer.h"

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
