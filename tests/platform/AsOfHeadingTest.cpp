// The heading of every printed report says as of when: the date the report
// was made for (the clock's today unless the report has a date of its own)
// and the latest flight recorded on or before it, on the first page and in
// the footer of every page.
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Paths.h"
#include "platform/ReportComponent.h"
#include "platform/TemplateRenderer.h"
#include "support/TestSupport.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace plan;

namespace {

struct AsOfCase {
    const char* name;
    QVariant asOf;          // the frame's own date; invalid = none
    QString heading;        // expected in the heading's right-hand cell
    QString footer;         // expected footer of every page
};

class AsOfHeading : public ::testing::TestWithParam<AsOfCase> {
protected:
    static void SetUpTestSuite()
    {
        path = plantest::createSchemaDatabase(QStringLiteral("asof"));
        Connection c;
        c.open(path);
        // The last flight of 07.12 lies after the clock's today.
        c.executeScript(
            "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA) VALUES ('Ми-8АМТ', 'RA-22000', '2026-11-15');\n"
            "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA) VALUES ('Ми-8АМТ', 'RA-22001', '2026-12-01');\n"
            "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA) VALUES ('Ми-2', 'RA-20001', '2026-12-04');\n"
            "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA) VALUES ('Ми-8АМТ', 'RA-22000', '2026-12-07');\n");
        home = plantest::scratchDir() + "/asof-home";
        plantest::installTemplates(home);
        plantest::writeFile(home + "/report.html", "<html><body>{{> heading}}<p>Строка</p></body></html>");
    }
    void SetUp() override { Paths::setHome(home); }
    void TearDown() override { Clock::reset(); }
    static QString path, home;
};
QString AsOfHeading::path, AsOfHeading::home;

TEST_P(AsOfHeading, PrintsTheReportDateAndTheLastFlightByThen)
{
    const AsOfCase& c = GetParam();
    Clock::setToday(QDate(2026, 12, 5));
    auto conn = plantest::connect(path);
    ReportComponent rc;
    rc.setConnection(conn.get());
    ReportValues v;
    v.insert("report_title", QStringLiteral("Форма-отчет в ПМТУ"));
    if (c.asOf.isValid()) v.insert("as_of", c.asOf);
    rc.setValues(v);
    ASSERT_TRUE(rc.loadFromFile(home + "/report.html"));
    ASSERT_TRUE(rc.prepareReport(true));
    const QString html = rc.preparedHtml().value(0);
    EXPECT_TRUE(html.contains(c.heading)) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Дата печати: 05.12.2026"))) << html.toStdString();
    EXPECT_EQ(TemplateRenderer::pageSetup(html).footer, c.footer);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, AsOfHeading,
    ::testing::Values(
        AsOfCase{"TodayAndAFlightBeforeIt", QVariant(),
                 "По состоянию на: 05.12.2026<br>Полеты учтены по: 04.12.2026",
                 "По состоянию на 05.12.2026; полеты учтены по 04.12.2026"},
        AsOfCase{"OwnDateBetweenFlights", QDate(2026, 11, 30),
                 "По состоянию на: 30.11.2026<br>Полеты учтены по: 15.11.2026",
                 "По состоянию на 30.11.2026; полеты учтены по 15.11.2026"},
        AsOfCase{"FlightOnTheDateItselfCounts", QDate(2026, 12, 1),
                 "По состоянию на: 01.12.2026<br>Полеты учтены по: 01.12.2026",
                 "По состоянию на 01.12.2026; полеты учтены по 01.12.2026"},
        AsOfCase{"OwnDateAsText", QStringLiteral("31.12.2026"),
                 "По состоянию на: 31.12.2026<br>Полеты учтены по: 07.12.2026",
                 "По состоянию на 31.12.2026; полеты учтены по 07.12.2026"},
        AsOfCase{"BeforeEveryFlight", QDate(2026, 1, 1),
                 "По состоянию на: 01.01.2026<br>Записей о полетах нет", "По состоянию на 01.01.2026"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
