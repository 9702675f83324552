// Form 34-GA of both frames and its day walk. The walk is checked against a
// literal walk of the quarter, day by day, with a state query and a flight
// query per day, over aircraft whose state changes on the quarter's edges.
// Today is 15.06.2026; the quarter is the first of 2026 (90 days).
#include "support/FrameFixture.h"

#include "frames/BoardSets.h"
#include "reports/Form34GA.h"

#include <QDir>
#include <QFile>
#include <map>

using namespace frametest;
using plan::reports::DayCategory;

namespace {

const char* const kCaption1 = "Форма 34-ГА (СВ) Тип 1";
const char* const kCaption2 = "Форма 34-ГА (СВ) Тип 2";
const char* const kStaging = "Select * From REPORT_FORMA_34_GA Order By ID;";
const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "REESTR", "SOSTOIANIE_PARKA", "SPRAVKA"};

QString ins(const char* table, const char* columns, const QString& values)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(QLatin1String(table), QLatin1String(columns), values);
}
QString aircraft(const char* type, const char* board, const char* owner, const char* made, const char* in = "NULL",
                 const char* out = "NULL", const char* op = "AV")
{
    return ins("REESTR", "TIP_VS, BORTOVOI_NOMER, SOBSTVENNOST, DATA_IGOTOVLEN, EXPLUATANT, DATE_REESTR_VVOD, DATE_REESTR_VYVOD",
               QStringLiteral("'%1', '%2', '%3', %4, '%5', %6, %7")
                   .arg(QString::fromUtf8(type), QLatin1String(board), QLatin1String(owner), QLatin1String(made),
                        QLatin1String(op), QLatin1String(in), QLatin1String(out)));
}
QString state(const char* type, const char* board, const char* date, int code)
{
    return ins("SOSTOIANIE_PARKA", "TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS",
               QStringLiteral("'%1', '%2', %3, %4").arg(QString::fromUtf8(type), QLatin1String(board), QLatin1String(date)).arg(code));
}
QString flight(const char* type, const char* board, const char* date, const char* time)
{
    return ins("SPRAVKA", "TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE",
               QStringLiteral("'%1', '%2', %3, %4").arg(QString::fromUtf8(type), QLatin1String(board), QLatin1String(date),
                                                       QLatin1String(time)));
}

const QStringList kOperator = {
    ins("EXPLUATANTY", "ID_NAME, NAME, HIDE", QStringLiteral("'AV', 'Авиакомпания', 0")),
    ins("OBSHIE", "EXPLUATANT, VLADELETS, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, EMAIL_36GA, DOLGNOST_PDO, "
                  "ADRES_PREDPR, EMAIL_PREDPRIATIE",
        QStringLiteral("'AV', 'OWN', 'Иванов И.И.', 'Главный инженер', 'Петров П.П.', '123-45', 'pdo@av.ru', "
                       "'Начальник ПДО', 'Сургут', 'av@av.ru'")),
    flight("Ми-8Т", "RA-9", "'2025-05-01'", "'01:00:00'"), // the year list starts in 2025
};

// The header positions 20 to 26 and 31 as the count rows of type 1 carry them.
const QString kHeadCount = QStringLiteral("Сургут;AV;Иванов И.И.;1-й квартал 2026г.;Главный инженер;Петров П.П. тел.123-45;"
                                          "Начальник ПДО~Петров П.П.");
const QString kHeadOther = QStringLiteral("Сургут;AV;Иванов И.И.;1-й квартал 2026г.;Главный инженер;123-45 E-mail:pdo@av.ru;"
                                          "Начальник ПДО~Петров П.П.");

// ------------------------------------------------------------------ the literal walk

QString d(const QDate& x) { return QStringLiteral("'%1,%2,%3'").arg(x.month()).arg(x.day()).arg(x.year()); }

// The quarter walked day by day with the queries of the form, per aircraft.
plan::reports::DayTally literalWalk(plan::Connection* c, const QString& type, const QString& board, const QDate& first,
                                    const QDate& last)
{
    using plan::openQuery;
    auto opening = openQuery(c, "Select * From SOSTOIANIE_PARKA Where TIP_VS='" + type + "' And BORTOVOY_NOMER='" + board +
                                    "' And " + "DATA_STATUS <=" + d(first) + " Order By DATA_STATUS Desc, ID Desc;");
    int current = opening->eof() ? 0 : opening->field(4).asInteger();
    auto reg = openQuery(c, "Select DATE_REESTR_VVOD, DATE_REESTR_VYVOD, ID From REESTR Where BORTOVOI_NOMER='" + board +
                                "' Order By ID;");
    const QDate from = reg->field(0).isNull() ? first : reg->field(0).asDate();
    const QDate to = reg->field(1).isNull() ? last : reg->field(1).asDate().addDays(-1);
    plan::reports::DayTally t;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        auto st = openQuery(c, "Select * From SOSTOIANIE_PARKA Where TIP_VS='" + type + "' " + "And BORTOVOY_NOMER='" +
                                   board + "' " + "And DATA_STATUS Between " + d(day) + " And " + d(last) + " " +
                                   "Order By DATA_STATUS, ID;");
        if (!st->eof() && st->field(3).asDate() == day) current = st->field(4).asInteger();
        if (day < from || day > to) continue;
        ++t.registerDays;
        const DayCategory cat = plan::reports::categoryOf(current);
        ++t.days[static_cast<int>(cat)];
        if (cat != DayCategory::I) continue;
        auto fl = openQuery(c, "Select * From SPRAVKA Where TIP_VS='" + type + "' And BORTOVOI_NOMER='" + board + "' And " +
                                   "DATA_POLETA=" + d(day) + " Order By DATA_POLETA, ID;");
        bool flew = false;
        for (; !fl->eof() && !flew; fl->next()) {
            const QTime tm = fl->field(6).asTime();
            flew = tm.isValid() && tm.hour() * 60 + tm.minute() > 0;
        }
        ++(flew ? t.k : t.a);
    }
    return t;
}

class Form34GA : public FrameTest {};

TEST_F(Form34GA, DayWalkEqualsTheLiteralWalkOnTheQuartersEdges)
{
    QStringList fleet = kOperator;
    fleet << aircraft("Ми-8Т", "RA-1", "OWN", "'2016-06-01'")
          // opening entry long before; two entries on the first day (the lower ID wins that day); after the quarter
          << state("Ми-8Т", "RA-1", "'2025-11-01'", 4) << state("Ми-8Т", "RA-1", "'2026-01-01'", 1)
          << state("Ми-8Т", "RA-1", "'2026-01-01'", 2) << state("Ми-8Т", "RA-1", "'2026-01-10'", 0)
          << state("Ми-8Т", "RA-1", "'2026-02-01'", 5) << state("Ми-8Т", "RA-1", "'2026-02-01'", 11)
          << state("Ми-8Т", "RA-1", "'2026-03-31'", 7) << state("Ми-8Т", "RA-1", "'2026-04-01'", 3)
          << state("Ми-8Т", "RA-1", "NULL", 9)
          << flight("Ми-8Т", "RA-1", "'2026-01-15'", "'00:00:00'") << flight("Ми-8Т", "RA-1", "'2026-01-15'", "'01:30:00'")
          << flight("Ми-8Т", "RA-1", "'2026-01-16'", "'00:00:00'") << flight("Ми-8Т", "RA-1", "'2026-01-17'", "NULL")
          << flight("Ми-8Т", "RA-1", "'2026-02-02'", "'02:00:00'") << flight("Ми-8Т", "RA-1", "'2026-04-01'", "'02:00:00'")
          // no state entries; in the register from 10.02 to the day before 20.03
          << aircraft("Ми-8Т", "RA-2", "LES", "'2021-06-15'", "'2026-02-10'", "'2026-03-20'")
          << flight("Ми-8Т", "RA-2", "'2026-02-09'", "'03:00:00'") << flight("Ми-8Т", "RA-2", "'2026-02-10'", "'03:00:00'")
          << flight("Ми-8Т", "RA-2", "'2026-03-19'", "'00:01:00'") << flight("Ми-8Т", "RA-2", "'2026-03-20'", "'03:00:00'")
          // the opening date has two entries: the higher ID opens the quarter; an unknown code; the last day
          << aircraft("Ми-2", "RA-3", "OWN", "'1990-01-01'") << state("Ми-2", "RA-3", "'2025-12-31'", 8)
          << state("Ми-2", "RA-3", "'2025-12-31'", 9) << state("Ми-2", "RA-3", "'2026-02-15'", 42)
          << state("Ми-2", "RA-3", "'2026-03-31'", 0) << flight("Ми-2", "RA-3", "'2026-03-31'", "'00:10:00'")
          // an entry of another type under the same board number does not count
          << state("Ми-8Т", "RA-3", "'2026-03-01'", 10)
          // removed on the quarter's first day: no register day at all
          << aircraft("Ми-2", "RA-4", "OWN", "'2000-01-01'", "NULL", "'2026-01-01'");
    fill(kTables, fleet);

    plan::reports::Form34Options o;
    o.layout = plan::reports::Form34Options::Layout::ByAircraft;
    o.operatorId = QStringLiteral("AV");
    o.quarter = plan::frames::quarterOf(2026, 0);
    o.ticked = QStringList{"Ми-8Т RA-1", "Ми-8Т RA-2", "Ми-2 RA-3", "Ми-2 RA-4"};
    const auto rows = plan::reports::buildForm34GA(conn.get(), o);
    ASSERT_EQ(rows.size(), 3u) << "RA-4 was never in the register in the quarter";
    namespace f = plan::reports::f34;
    const std::pair<int, DayCategory> positions[] = {
        {f::DaysI, DayCategory::I},   {f::DaysT, DayCategory::T},   {f::DaysR, DayCategory::R},
        {f::DaysO, DayCategory::O},   {f::DaysZ, DayCategory::Z},   {f::DaysDv, DayCategory::Dv},
        {f::DaysD, DayCategory::D},   {f::DaysZh, DayCategory::Zh}, {f::DaysZhr, DayCategory::Zhr},
        {f::DaysS, DayCategory::S}};
    for (int i = 0; i < 3; ++i) {
        const auto a = plan::frames::splitAircraft(o.ticked[i]);
        SCOPED_TRACE(o.ticked[i].toStdString());
        const auto t = literalWalk(conn.get(), a.type, a.board, o.quarter.first, o.quarter.last);
        EXPECT_EQ(rows[i].at(f::GroupName).toString(), o.ticked[i]);
        EXPECT_EQ(rows[i].at(f::RegisterDays).toInt(), t.registerDays);
        EXPECT_EQ(rows[i].at(f::DaysK).toInt(), t.k);
        EXPECT_EQ(rows[i].at(f::DaysA).toInt(), t.a);
        for (const auto& [p, cat] : positions) EXPECT_EQ(rows[i].at(p).toInt(), t.at(cat)) << "position " << p;
    }
    // The literal walk itself, by hand for RA-1: Jan 1-9 Т (lowest ID of the 1st), Jan 10-31 И, Feb 1-30 Mar О
    // (code 5 has the lower ID), Mar 31 Д; К on 15.01 only (02.02 is an О day).
    EXPECT_EQ(rows[0].at(f::DaysT).toInt(), 9);
    EXPECT_EQ(rows[0].at(f::DaysI).toInt(), 22);
    EXPECT_EQ(rows[0].at(f::DaysK).toInt(), 1);
    EXPECT_EQ(rows[0].at(f::DaysO).toInt(), 58);
    EXPECT_EQ(rows[0].at(f::DaysD).toInt(), 1);
    // RA-2: 10.02 to 19.03, all И; К on 10.02 and 19.03 (one minute).
    EXPECT_EQ(rows[1].at(f::RegisterDays).toInt(), 38);
    EXPECT_EQ(rows[1].at(f::DaysK).toInt(), 2);
    // RA-3: Жр (the higher ID of 31.12) to 14.02, no category from 15.02 (still a register day), И on 31.03 with a flight.
    EXPECT_EQ(rows[2].at(f::RegisterDays).toInt(), 90);
    EXPECT_EQ(rows[2].at(f::DaysZhr).toInt(), 45);
    EXPECT_EQ(rows[2].at(f::DaysK).toInt(), 1);
    EXPECT_EQ(rows[2].at(f::DaysI).toInt(), 1);

    // Read in sets, as for a large selection (register, state entries and
    // flights once for all aircraft): the same rows, the other type's entry
    // under RA-3 still left out.
    plan::frames::BoardSets::setThreshold(1);
    const auto inSets = plan::reports::buildForm34GA(conn.get(), o);
    plan::frames::BoardSets::setThreshold(20);
    ASSERT_EQ(inSets.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(inSets[i].texts(), rows[i].texts()) << "row " << i;
}

TEST_F(Form34GA, Type1OwnAndLeasedGroupsWithPercentagesAndGrowingAges)
{
    QStringList fleet = kOperator;
    fleet << aircraft("Ми-8Т", "RA-1", "OWN", "'2016-06-01'") << state("Ми-8Т", "RA-1", "'2025-12-01'", 1)
          << state("Ми-8Т", "RA-1", "'2026-01-11'", 0) << state("Ми-8Т", "RA-1", "'2026-03-22'", 4)
          << flight("Ми-8Т", "RA-1", "'2026-01-15'", "'00:00:00'") << flight("Ми-8Т", "RA-1", "'2026-01-15'", "'01:30:00'")
          << flight("Ми-8Т", "RA-1", "'2026-01-05'", "'02:00:00'")
          // leased, entered in mid-quarter, exactly five years old today
          << aircraft("Ми-8Т", "RA-2", "LES", "'2021-06-15'", "'2026-02-10'")
          // of another operator, and one entered after the quarter: not in any group
          << aircraft("Ми-8Т", "RA-5", "OWN", "'2016-06-01'", "NULL", "NULL", "XX")
          << aircraft("Ми-8Т", "RA-6", "OWN", "'2016-06-01'", "'2026-04-02'")
          // removed on the quarter's first day: its group writes nothing, its age still counts
          << aircraft("Ми-2", "RA-3", "OWN", "'1990-01-01'", "NULL", "'2026-01-01'");
    fill(kTables, fleet);
    const auto r = run("frmPlanReport", kCaption1,
                       {set("cboExpl", "Авиакомпания"), set("cboYear", "2026"), set("cboCvartal", "#0"),
                        tick("Выбрать все ВС")});
    ASSERT_EQ(r.status, 0) << r.errors.join("; ").toStdString();
    // Own: Т 1-10.01, И 11.01-21.03 (70 days, К 15.01), Р 22-31.03. Leased: И 10.02-31.03, no flights.
    const QStringList expected = {
        "Ми-8Т;0;90;70;1;;;;69;10;10;0;;0;0;0;0;0;0;" + kHeadCount + ";0;1;0;1;av@av.ru",
        "Ми-8Т;0;%;77.78;1.43;;;;98.57;11.11;11.11;;;;;;;;;" + kHeadOther + ";0;1;0;1;av@av.ru",
        "Ми-8Т;1;50;50;0;;;;50;0;0;0;;0;0;0;0;0;0;" + kHeadCount + ";0;2;0;1;av@av.ru",
        "Ми-8Т;1;%;100.00;;;;;100.00;;;;;;;;;;;" + kHeadOther + ";0;2;0;1;av@av.ru",
    };
    EXPECT_EQ(staging(QString::fromUtf8(kStaging)), expected);
}

TEST_F(Form34GA, OperatorOutsideTheListOrWithoutOwnerGivesAnEmptyForm)
{
    fill(kTables, QStringList(kOperator) << aircraft("Ми-8Т", "RA-1", "OWN", "'2016-06-01'"));
    writeSettings(QStringLiteral("[MAIN]\nCBOEXPL=7\n"));
    auto r = run("frmPlanReport", kCaption1, {set("cboYear", "2026"), tick("Выбрать все ВС")});
    ASSERT_EQ(r.status, 0) << r.errors.join("; ").toStdString();
    EXPECT_TRUE(staging(QString::fromUtf8(kStaging)).isEmpty());

    conn->execute(QStringLiteral("UPDATE OBSHIE SET VLADELETS=NULL"));
    r = run("frmPlanReport", kCaption1, {set("cboExpl", "Авиакомпания"), set("cboYear", "2026"), tick("Выбрать все ВС")});
    ASSERT_EQ(r.status, 0) << r.errors.join("; ").toStdString();
    EXPECT_TRUE(staging(QString::fromUtf8(kStaging)).isEmpty());
}

TEST_F(Form34GA, Type2SumsByTypeOrWritesOneRowPerAircraft)
{
    QStringList fleet = kOperator;
    fleet << aircraft("Ми-8Т", "RA-1", "OWN", "'2016-06-01'") << aircraft("Ми-8Т", "RA-2", "LES", "'2000-01-01'", "'2026-03-01'")
          << state("Ми-8Т", "RA-2", "'2026-03-30'", 2) << aircraft("Ми-2", "RA-3", "OWN", "'1990-01-01'");
    fill(kTables, fleet);
    struct Case {
        const char* name;
        const char* sum;
        std::vector<plan::shell::RunStep> ticks;
        QStringList rows;
    };
    const Case cases[] = {
        {"per aircraft", "0", {tick("Ми-8Т RA-1"), tick("Ми-8Т RA-2")},
         {"Ми-8Т RA-1;0;90;90;0;;;;90;0;0;0;;0;0;0;0;0;0;" + kHeadOther + ";0;1;0;0;av@av.ru",
          "Ми-8Т RA-2;0;31;29;0;;;;29;0;0;0;;0;2;0;0;0;0;" + kHeadOther + ";0;1;1;0;av@av.ru"}},
        // Ми-2's node has no ticked aircraft: no row for it
        {"summed", "1", {tick("Ми-8Т")},
         {"Ми-8Т;0;121;119;0;;;;119;0;0;0;;0;2;0;0;0;0;" + kHeadOther + ";0;1;1;0;av@av.ru"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<plan::shell::RunStep> steps = {set("cboExpl", "Авиакомпания"), set("cboYear", "2026"),
                                                   set("chkSumType", c.sum)};
        steps.insert(steps.end(), c.ticks.begin(), c.ticks.end());
        const auto r = run("frmPlanReport", kCaption2, steps);
        ASSERT_EQ(r.status, 0) << r.errors.join("; ").toStdString();
        EXPECT_EQ(staging(QString::fromUtf8(kStaging)), c.rows);
        if (c.sum[0] == '1') EXPECT_TRUE(settingsText().contains(QStringLiteral("F34_SUM=1"))) << settingsText().toStdString();
    }
}

TEST_F(Form34GA, TheQuarterChoosesTheTemplate)
{
    fill(kTables, QStringList(kOperator) << aircraft("Ми-8Т", "RA-1", "OWN", "'2016-06-01'"));
    struct Case {
        const char* caption;
        const char* quarter;
        const char* sum;
        const char* title;
    };
    const Case cases[] = {
        {kCaption1, "#0", nullptr, "Форма 34-ГА (СВ). Использование парка ВС</title>"},
        {kCaption1, "#3", nullptr, "Форма 34-ГА (СВ). Использование парка ВС за 4-й квартал</title>"},
        {kCaption2, "#1", "1", "по типам</title>"},
        {kCaption2, "#2", "0", "по бортам</title>"},
        {kCaption2, "#3", "1", "по типам за 4-й квартал</title>"},
        {kCaption2, "#3", "0", "по бортам за 4-й квартал</title>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " " + c.quarter);
        plan::shell::RunRequest req;
        req.window = QStringLiteral("frmPlanReport");
        req.item = QString::fromUtf8(c.caption);
        req.steps = {set("cboExpl", "Авиакомпания"), set("cboCvartal", c.quarter)};
        if (c.sum) req.steps.push_back(set("chkSumType", c.sum));
        const QString dir = base + QStringLiteral("/tpl-") + QString::fromUtf8(c.quarter).mid(1) + QString::fromUtf8(c.sum ? c.sum : "x");
        req.templateDir = dir;
        const auto r = plan::shell::runItem(req);
        ASSERT_EQ(r.status, 0) << r.errors.join("; ").toStdString();
        const QStringList files = QDir(dir).entryList(QDir::Files);
        ASSERT_EQ(files.size(), 1);
        QFile f(QDir(dir).filePath(files[0]));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains(QString::fromUtf8(c.title)));
    }
}

TEST_F(Form34GA, AnUnreadableManufactureDateStopsTheFormNamingTheAircraft)
{
    fill(kTables, QStringList(kOperator) << aircraft("Ми-8Т", "RA-7", "OWN", "NULL"));
    const auto r = run("frmPlanReport", kCaption1, {set("cboExpl", "Авиакомпания"), tick("Выбрать все ВС")});
    EXPECT_NE(r.status, 0);
    const QString all = r.errors.join(QStringLiteral(" "));
    EXPECT_TRUE(all.contains(QStringLiteral("RA-7")) && all.contains(QStringLiteral("DATA_IGOTOVLEN"))) << all.toStdString();
}

TEST(Form34GAAge, YearsCommaMonthsAndTheBandsAtTheBoundaries)
{
    struct Case {
        const char* text;
        int band;
    };
    const Case cases[] = {{"0", 0},        {"4л. 11м.", 0}, {"5л. 0м.", 1},   {"1г. 2м.", 0},  {"14л. 11м.", 1},
                          {"15л. 0м.", 2}, {"29л. 11м.", 2}, {"30л. 0м.", 3}, {"41г. 3м.", 3}};
    for (const Case& c : cases) {
        bool ok = false;
        const double v = plan::reports::ageNumber(QString::fromUtf8(c.text), &ok);
        EXPECT_TRUE(ok) << c.text;
        EXPECT_EQ(plan::reports::ageBand(v), c.band) << c.text;
    }
    bool ok = true;
    plan::reports::ageNumber(QString(), &ok);
    EXPECT_FALSE(ok);
}

} // namespace
