// Export of a prepared report to Excel and CSV: the written file is opened
// (the sheet XML unzipped) and compared with the staging rows the report
// printed: column heads of the template, title and section rows merged and
// bold, marks as cell formats, dates as dates, running times as text.
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/Paths.h"
#include "platform/ReportComponent.h"
#include "platform/SheetExport.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

using namespace plan;

namespace {

// One cell of a written sheet: "text" for strings, "n:2" for numbers,
// "d:2026-12-31 dd.mm.yyyy" for dates; then " b" / " i" for bold / italic.
struct Xlsx {
    std::map<QString, QString> cells; // "B5" -> description
    QStringList merges;               // "A5:D5"
    QStringList sheets;               // sheet names in order
};

QByteArray unzip(const QString& file, const QString& member)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    p.waitForFinished(20000);
    return p.readAllStandardOutput();
}

Xlsx readXlsx(const QString& file, int sheet)
{
    Xlsx out;
    QStringList strings;
    for (QXmlStreamReader x(unzip(file, "xl/sharedStrings.xml")); !x.atEnd();) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"si") strings << QString();
        if (x.isStartElement() && x.name() == u"t") strings.last() += x.readElementText();
    }
    std::map<int, QString> numFmts;
    std::vector<QString> fonts;
    std::vector<QString> xfs; // style index -> " b i" + "|numFmt"
    bool inCellXfs = false;
    for (QXmlStreamReader x(unzip(file, "xl/styles.xml")); !x.atEnd();) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"numFmt")
            numFmts[x.attributes().value("numFmtId").toInt()] = x.attributes().value("formatCode").toString();
        if (x.isStartElement() && x.name() == u"font") fonts.emplace_back();
        if (x.isStartElement() && x.name() == u"b" && !fonts.empty()) fonts.back() += " b";
        if (x.isStartElement() && x.name() == u"i" && !fonts.empty()) fonts.back() += " i";
        if (x.name() == u"cellXfs") inCellXfs = x.isStartElement();
        if (inCellXfs && x.isStartElement() && x.name() == u"xf") {
            const int font = x.attributes().value("fontId").toInt();
            const int num = x.attributes().value("numFmtId").toInt();
            xfs.push_back(fonts.at(font) + "|" + (numFmts.count(num) ? numFmts[num] : QString()));
        }
    }
    for (QXmlStreamReader x(unzip(file, "xl/workbook.xml")); !x.atEnd();) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"sheet") out.sheets << x.attributes().value("name").toString();
    }
    QXmlStreamReader x(unzip(file, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet)));
    QString ref, type, style;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"mergeCell") out.merges << x.attributes().value("ref").toString();
        if (x.isStartElement() && x.name() == u"c") {
            ref = x.attributes().value("r").toString();
            type = x.attributes().value("t").toString();
            style = xfs.at(x.attributes().value("s").toInt());
        }
        if (x.isStartElement() && x.name() == u"v") {
            const QString v = x.readElementText();
            const QString font = style.section('|', 0, 0), fmt = style.section('|', 1);
            QString d;
            if (type == "s") d = strings.at(v.toInt());
            else if (fmt.contains("dd"))
                d = "d:" + QDate(1899, 12, 30).addDays(v.toLongLong()).toString("yyyy-MM-dd") + " " + fmt;
            else d = "n:" + v;
            out.cells[ref] = d + font;
        }
    }
    return out;
}

const char* Template =
    "<html><head>{{> page-landscape}}<title>Прогноз на замену агрегатов</title></head><body>{{> heading}}"
    "<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
    "<thead><tr><th rowspan=\"2\">Агрегат</th><th colspan=\"2\">Остаток</th><th rowspan=\"2\">Кол-во</th></tr>"
    "<tr><th>часы</th><th>дата</th></tr></thead>"
    "{{#rows}}{{#title}}<tr><td class=\"title\" colspan=\"4\">{{c1}}</td></tr>{{/title}}"
    "{{#section}}<tr><td class=\"section\" colspan=\"4\">{{c1}}</td></tr>{{/section}}"
    "{{#plain}}<tr><td>{{c1}}</td><td class=\"r\">{{c2}}</td><td class=\"c\">{{c3}}</td><td>{{c4}}</td></tr>"
    "{{/plain}}{{/rows}}</table>{{> signatures}}</body></html>";

// A staging row and what its sheet row holds, column A to D ("" = no cell;
// a banner row has its one cell merged across A:D).
struct RowCase {
    QStringList staging;
    QStringList sheet;
    bool banner;
    QString csv;
};

const std::vector<RowCase> Rows = {
    {{"!Прогноз на замену двигателей", "", "", ""}, {"Прогноз на замену двигателей b"}, true,
     "Прогноз на замену двигателей,,,"},
    {{"|Ми-8АМТ RA-22812", "", "", ""}, {"Ми-8АМТ RA-22812 b"}, true, "Ми-8АМТ RA-22812,,,"},
    {{"ТВ3-117ВМ", "<b>152:15</b>", "31.12.2026", "2"},
     {"ТВ3-117ВМ", "152:15 b", "d:2026-12-31 dd.mm.yyyy", "n:2"}, false, "ТВ3-117ВМ,152:15,31.12.2026,2"},
    {{"Редуктор, ВР-14", "<i>-12:30</i>", "05.01.27", "0012"},
     {"Редуктор, ВР-14", "-12:30 i", "d:2027-01-05 dd.mm.yy", "0012"}, false,
     "\"Редуктор, ВР-14\",-12:30,05.01.27,0012"},
    {{"Лопасть", "<b>ВЫРАБОТАН</b> -3:00", "12.05.84", "12,5"},
     {"Лопасть", "ВЫРАБОТАН -3:00", "d:1984-05-12 dd.mm.yy", "n:12.5"}, false,
     "Лопасть,ВЫРАБОТАН -3:00,12.05.84,\"12,5\""},
};

class SheetExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        path = plantest::scratchDir() + "/sheet.fdb";
        Connection::createDatabase(path);
        Connection c;
        c.open(path);
        c.executeScript("CREATE TABLE REPORT_X (ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, "
                        "C1 VARCHAR(200), C2 VARCHAR(200), C3 VARCHAR(200), C4 VARCHAR(200));\n");
        for (const RowCase& r : Rows) {
            QStringList quoted;
            for (const QString& v : r.staging) quoted << "'" + v + "'";
            c.executeScript("INSERT INTO REPORT_X (C1, C2, C3, C4) VALUES (" + quoted.join(", ") + ");\n");
        }
        home = plantest::scratchDir() + "/sheet-home";
        plantest::installTemplates(home);
        plantest::writeFile(home + "/report.html", Template);
    }
    void SetUp() override
    {
        Paths::setHome(home);
        Clock::setToday(QDate(2026, 12, 5));
    }
    void TearDown() override { Clock::reset(); }

    // Prepares the report `documents` times into one preview.
    void prepare(ReportComponent& rc, Connection* conn, Dataset& ds, int documents)
    {
        ds.setCommandText("Select * From REPORT_X ORDER BY ID;");
        rc.setDataset(&ds);
        rc.setConnection(conn);
        ReportValues v;
        v.insert("as_of", QDate(2026, 11, 30));
        rc.setValues(v);
        ASSERT_TRUE(rc.loadFromFile(home + "/report.html"));
        for (int i = 0; i < documents; ++i) rc.prepareReport(i == 0);
    }
    static QString path, home;
};
QString SheetExportTest::path, SheetExportTest::home;

TEST_F(SheetExportTest, XlsxHoldsThePrintedTableOfTheStagingRows)
{
    auto conn = plantest::connect(path);
    Dataset ds(conn.get());
    ReportComponent rc;
    prepare(rc, conn.get(), ds, 2);
    const QString file = plantest::scratchDir() + "/report.xlsx";
    rc.exportXlsx(file);
    const Xlsx x = readXlsx(file, 1);

    // One sheet per document of the preview, named after the report.
    EXPECT_EQ(x.sheets, QStringList({"1 Прогноз на замену агрегатов", "2 Прогноз на замену агрегатов"}));
    // The heading lines above the table: title, as of when, print date.
    EXPECT_EQ(x.cells.at("A1"), "Прогноз на замену агрегатов b");
    EXPECT_EQ(x.cells.at("A2"), "По состоянию на: 30.11.2026");
    EXPECT_EQ(x.cells.at("A3"), "Дата печати: 05.12.2026");
    // The column heads as printed, spans merged; the data follows them.
    const int head = 5;
    EXPECT_EQ(x.cells.at(QString("A%1").arg(head)), "Агрегат b");
    EXPECT_EQ(x.cells.at(QString("B%1").arg(head)), "Остаток b");
    EXPECT_EQ(x.cells.at(QString("D%1").arg(head)), "Кол-во b");
    EXPECT_EQ(x.cells.at(QString("B%1").arg(head + 1)), "часы b");
    EXPECT_EQ(x.cells.at(QString("C%1").arg(head + 1)), "дата b");
    EXPECT_TRUE(x.merges.contains(QString("A%1:A%2").arg(head).arg(head + 1))) << x.merges.join(' ').toStdString();
    EXPECT_TRUE(x.merges.contains(QString("B%1:C%1").arg(head))) << x.merges.join(' ').toStdString();

    // Every staging row, in order of its key, as its sheet row.
    ds.open();
    ASSERT_EQ(ds.recordCount(), static_cast<int>(Rows.size()));
    for (size_t i = 0; i < Rows.size(); ++i) {
        const int row = head + 2 + static_cast<int>(i);
        const RowCase& c = Rows[i];
        SCOPED_TRACE(c.staging.join(" | ").toStdString());
        for (int col = 0; col < 4; ++col) {
            const QString ref = QString(QChar('A' + col)) + QString::number(row);
            const QString want = c.sheet.value(col);
            const auto it = x.cells.find(ref);
            EXPECT_EQ(it == x.cells.end() ? QString() : it->second, want) << ref.toStdString();
        }
        EXPECT_EQ(x.merges.contains(QString("A%1:D%1").arg(row)), c.banner);
    }
}

TEST_F(SheetExportTest, CsvHoldsTheHeadsAndRowsAsPrinted)
{
    auto conn = plantest::connect(path);
    Dataset ds(conn.get());
    ReportComponent rc;
    prepare(rc, conn.get(), ds, 1);
    const QString file = plantest::scratchDir() + "/report.csv";
    rc.exportTableCsv(file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n");
    ASSERT_EQ(lines.takeLast(), QString());
    QStringList want = {"Агрегат,Остаток,,Кол-во", ",часы,дата,"};
    for (const RowCase& c : Rows) want << c.csv;
    EXPECT_EQ(lines, want);
}

TEST(SheetValue, PrintedTextBecomesTheRightKindOfCell)
{
    Clock::setToday(QDate(2026, 12, 5));
    struct Case { const char* text; SheetValue::Kind kind; double number; QDate date; };
    const Case cases[] = {
        {"31.12.2026", SheetValue::Date, 0, QDate(2026, 12, 31)},
        {"05.01.27", SheetValue::Date, 0, QDate(2027, 1, 5)},
        {"01.01.46", SheetValue::Date, 0, QDate(2046, 1, 1)},  // twenty years ahead: a forecast
        {"01.01.47", SheetValue::Date, 0, QDate(1947, 1, 1)},  // more: a date of manufacture
        {"31.02.2026", SheetValue::Text, 0, QDate()},          // not a date
        {"152:15", SheetValue::Text, 0, QDate()},              // running time stays text
        {"-0:45", SheetValue::Text, 0, QDate()},
        {"2", SheetValue::Number, 2, QDate()},
        {"-17", SheetValue::Number, -17, QDate()},
        {"12,5", SheetValue::Number, 12.5, QDate()},
        {"0012", SheetValue::Text, 0, QDate()},                // a serial number keeps its zeros
        {"1234567890123", SheetValue::Text, 0, QDate()},       // too long for a number without loss
        {"12.5", SheetValue::Text, 0, QDate()},
        {"RA-22812", SheetValue::Text, 0, QDate()},
    };
    for (const Case& c : cases) {
        const SheetValue v = sheetValue(QString::fromUtf8(c.text));
        EXPECT_EQ(v.kind, c.kind) << c.text;
        if (c.kind == SheetValue::Number) EXPECT_DOUBLE_EQ(v.number, c.number) << c.text;
        if (c.kind == SheetValue::Date) EXPECT_EQ(QDate(v.year, v.month, v.day), c.date) << c.text;
    }
    Clock::reset();
}

} // namespace
