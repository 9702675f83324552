// Every template shipped under templates/<window>/ is a document an engineer
// can sign: rendered with no rows, one row and many rows it leaves no tag
// unrendered, names no missing shared part, prints no mark as it is, and has
// no empty page. Each is laid out by the plain layout, which prints every
// character QTextDocument prints, in the same order.
#include "platform/Clock.h"
#include "platform/DirectLayout.h"
#include "platform/TemplateRenderer.h"
#include "platform/PageChecks.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace plan;

namespace {
const QString kTemplates = QStringLiteral(PLAN_SOURCE_DIR "/templates");

QStringList shippedTemplates()
{
    QStringList out;
    const QDir root(kTemplates);
    for (const QString& window : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        for (const QString& file : QDir(root.filePath(window)).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
            out << window + QLatin1Char('/') + file;
    return out;
}

// Rows of every role with values carrying every mark: a title row, a section
// row, then plain rows; column 10 is a used-up life in every fifth row.
TableRows sampleRows(int count)
{
    TableRows t;
    t.columns << QStringLiteral("ID");
    for (int c = 1; c <= 40; ++c) t.columns << QStringLiteral("C%1").arg(c);
    for (int i = 0; i < count; ++i) {
        std::vector<QVariant> row{i + 1};
        const int role = count == 1 ? 2 : (i % 25 == 0 ? 0 : (i % 8 == 1 ? 1 : 2));
        for (int c = 1; c <= 40; ++c) {
            if (c == 1 && role == 0) row.push_back(QStringLiteral("!Ми-8АМТ <b>RA-%1</b>").arg(22000 + i));
            else if (c == 1 && role == 1) row.push_back(QStringLiteral("|Двигатели"));
            else if (role == 0 && c == 4) row.push_back(QStringLiteral("0"));
            else if (role != 2) row.push_back(c == 2 ? QStringLiteral("1234:56") : QString());
            else if (c == 10 && i % 5 == 0) row.push_back(QStringLiteral("<i>-12:30</i>"));
            else if (c % 4 == 0) row.push_back(QStringLiteral("<b>%1:05</b>").arg(c * 10));
            else if (c % 4 == 1) row.push_back(QStringLiteral("<i>15.06.27</i>"));
            else if (c % 4 == 2) row.push_back(QStringLiteral("Значение %1").arg(c));
            else row.push_back(QStringLiteral("ТВ3-117ВМ"));
        }
        t.rows.push_back(row);
    }
    return t;
}

QString printed(const QStringList& pages) { return plan::test::printedCharacters(pages); }

// "" when the texts are equal, else where they part.
std::string firstDifference(const QString& a, const QString& b)
{
    if (a == b) return std::string();
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    const qsizetype from = std::max<qsizetype>(0, i - 40);
    return "after \"" + a.mid(from, i - from).toStdString() + "\": \"" + a.mid(i, 40).toStdString() + "\" against \"" +
           b.mid(i, 40).toStdString() + "\"";
}

ReportValues sampleValues()
{
    ReportValues v;
    v.insert(QStringLiteral("operator"), QStringLiteral("АО «ЮТэйр-Вертолетные услуги»"));
    v.insert(QStringLiteral("covers"), QStringList{QStringLiteral("ВС: собственные (ЮТЭЙР)")});
    v.insert(QStringLiteral("legend"), QStringList{QStringLiteral("<i>курсив</i> — остаток не более 100 ч")});
    v.insert(QStringLiteral("doubts"), QStringList{QStringLiteral("у RA-22001 нет даты изготовления")});
    v.insert(QStringLiteral("signatures"),
             QVariantList{QVariantHash{{QStringLiteral("post"), QStringLiteral("Начальник ИАС")},
                                       {QStringLiteral("name"), QStringLiteral("Иванов И.И.")}}});
    return v;
}
} // namespace

TEST(ShippedTemplates, EveryTemplateOfEveryWindowRendersAsASignableDocument)
{
    Clock::setToday(QDate(2026, 12, 5));
    const QStringList templates = shippedTemplates();
    ASSERT_GE(templates.size(), 13) << "templates/*/*.html not found under " << kTemplates.toStdString();
    static const QRegularExpression rawMark(QStringLiteral("</?[bi]>|&lt;|&gt;|&amp;"), QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : templates) {
        QFile f(kTemplates + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString text = QString::fromUtf8(f.readAll());
        for (const int count : {0, 1, 120}) {
            for (const bool withValues : {false, true}) {
                const std::string what = name.toStdString() + " with " + std::to_string(count) + " rows" +
                                         (withValues ? " and the frame's values" : "");
                const QString html = TemplateRenderer::render(text, sampleRows(count), nullptr,
                                                              withValues ? sampleValues() : ReportValues(), kTemplates);
                EXPECT_FALSE(html.contains(QStringLiteral("ошибку"))) << what << ": " << html.toStdString();
                EXPECT_FALSE(html.contains(QStringLiteral("{{")) || html.contains(QStringLiteral("}}"))) << what;
                const PagedDocument doc(html, TemplateRenderer::pageSetup(html));
                // A4 unless the form itself asks for another sheet (the A5 information sheet).
                if (!text.contains(QStringLiteral("name=\"plan-page\""))) EXPECT_EQ(doc.setup().size, QPageSize::A4) << what;
                const QStringList pages = doc.pageTexts();
                ASSERT_GE(pages.size(), 1) << what;
                EXPECT_TRUE(doc.plainLayout()) << what << ": laid out by QTextDocument (PLAN_TRACE_LAYOUT=1 says why)";
                // Every colspan ends at a column some cell starts in: a span one too
                // long leaves the rows around it without their right-hand line.
                if (count == 1) {
                    const auto plain = DirectPages::layOut(html, doc.setup(), QSizeF(3000, 2200));
                    ASSERT_TRUE(plain) << what;
                    EXPECT_FALSE(plain->spanTrimmed()) << what << ": a colspan runs past the table's last column";
                }
                if (withValues && count > 0) {
                    const PagedDocument qt(html, doc.setup(), PagedDocument::Layout::TextDocument);
                    EXPECT_EQ(firstDifference(printed(pages), printed(qt.pageTexts())), "") << what;
                }
                if (count == 120) EXPECT_GE(pages.size(), 2) << what;
                for (int p = 0; p < pages.size(); ++p) {
                    const std::string page = what + ", page " + std::to_string(p + 1);
                    EXPECT_FALSE(pages[p].trimmed().isEmpty()) << page;
                    EXPECT_FALSE(rawMark.match(pages[p]).hasMatch()) << page << ":\n" << pages[p].toStdString();
                    for (const QString& line : pages[p].split(QLatin1Char('\n')))
                        EXPECT_FALSE(line.trimmed() == QLatin1String("!") || line.trimmed() == QLatin1String("|") ||
                                     line.startsWith(QLatin1Char('!')) || line.startsWith(QLatin1Char('|')))
                            << page << ": \"" << line.toStdString() << "\"";
                }
                // The heading prints the title and the date of printing on the first page;
                // the signature block closes the last page.
                EXPECT_TRUE(pages.first().contains(QStringLiteral("Дата печати: 05.12.2026"))) << what << ":\n" << pages.first().toStdString();
                EXPECT_TRUE(pages.first().contains(QStringLiteral("По состоянию на: 05.12.2026"))) << what;
                EXPECT_EQ(doc.setup().footer, QStringLiteral("По состоянию на 05.12.2026")) << what;
                EXPECT_TRUE(pages.last().contains(QStringLiteral("______"))) << what;
                if (withValues) {
                    EXPECT_TRUE(pages.first().contains(QStringLiteral("Эксплуатант: АО «ЮТэйр-Вертолетные услуги»")))
                        << what;
                    EXPECT_TRUE(pages.first().contains(QStringLiteral("Данные требуют проверки"))) << what;
                    EXPECT_TRUE(pages.last().contains(QStringLiteral("Иванов И.И."))) << what;
                }
            }
        }
    }
    Clock::reset();
}
