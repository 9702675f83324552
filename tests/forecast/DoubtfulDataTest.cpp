// Bad and odd data as a records office meets it, injected into a copy of the
// demo fleet: the fleet data check names every such record, the forecasts
// keep their rules but say on the page, in the run's doubts and (with
// --strict) in the exit status that their data was doubtful, and a board
// number holding a quote is an ordinary value.
#include "data/DemoFleet.h"
#include "data/FleetCheck.h"
#include "forecast/ForecastFixture.h"
#include "frames/BoardSets.h"
#include "platform/DataDoubts.h"
#include "platform/Heartbeat.h"

#include <QFile>
#include <QProcess>

using namespace forecasttest;

namespace {

// The demo fleet, built once; each case works on a copy of it.
class DoubtfulDataTest : public ForecastTest {
protected:
    static QString demo()
    {
        static QString path;
        if (path.isEmpty()) {
            plan::Clock::setToday(QDate(2026, 6, 15));
            path = plantest::scratchDir() + QStringLiteral("/doubt-demo.fdb");
            plan::DemoFleet::create(path, {6, 1, 5});
        }
        return path;
    }

    void SetUp() override
    {
        ForecastTest::SetUp();
        const QString pristine = demo();
        copy = base + QStringLiteral("/fleet.fdb");
        QDir().mkpath(base);
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(pristine, copy));
        plan::Connection::setDefaultTarget(copy);
        conn = plantest::connect(copy); // the staging rows are read from the copy too
        fleet = conn.get();
        // Every owner counts, so that every aircraft of the demo is forecast.
        writeSettings(QStringLiteral("[MAIN]\nMOVE_ONLY_OWN=0\n"));
        board = plan::queryScalar(fleet, QStringLiteral("Select First 1 R.BORTOVOI_NOMER From REESTR R Where Exists "
                                                              "(Select 1 From DVIGATEL D Where D.GDE_STOIT=R.BORTOVOI_NOMER) "
                                                              "And Not Upper(R.TIP_VS) Like '%HIDE%' Order By R.ID"));
        type = plan::queryScalar(fleet, QStringLiteral("Select TIP_VS From REESTR Where BORTOVOI_NOMER='") + board +
                                                  QStringLiteral("'"));
        engine = plan::queryScalar(fleet, QStringLiteral("Select First 1 ID From DVIGATEL Where GDE_STOIT='") + board +
                                                    QStringLiteral("' Order By ID"));
    }

    // The case's statements with BOARD, TYPE and ENGINE filled in.
    void inject(const QStringList& statements)
    {
        for (QString s : statements) {
            s.replace(QStringLiteral("BOARD"), board).replace(QStringLiteral("TYPE"), type).replace(QStringLiteral("ENGINE"), engine);
            fleet->execute(s);
        }
    }

    QStringList checkTexts()
    {
        QStringList out;
        for (const plan::Doubt& d : plan::data::checkFleet(*fleet)) out << d.text();
        return out;
    }

    static bool anyContains(const QStringList& texts, const QString& part)
    {
        for (const QString& t : texts)
            if (t.contains(part)) return true;
        return false;
    }

    QString copy, board, type, engine;
    plan::Connection* fleet = nullptr;
};

struct Defect {
    const char* name;
    QStringList statements; // BOARD, TYPE, ENGINE are filled in
    const char* expected;   // a part of the doubt's text
};

const Defect kDefects[] = {
    {"type missing", {"DELETE FROM TIPOVYE_DANNYE_VS WHERE TIP_VS='TYPE'"}, "типа нет в TIPOVYE_DANNYE_VS"},
    {"type twice", {"INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('TYPE')"}, "записан 2 раза"},
    {"engine place typo", {"UPDATE DVIGATEL SET GDE_STOIT='RA-2200O' WHERE ID=ENGINE"},
     "DVIGATEL, ID ENGINE"},
    {"aircraft without board", {"UPDATE REESTR SET BORTOVOI_NOMER=NULL WHERE BORTOVOI_NOMER='BOARD'"},
     "ВС без бортового номера"},
    {"negative running time", {"UPDATE DVIGATEL SET NARABOTKA_PPR='-5:00' WHERE ID=ENGINE"},
     "NARABOTKA_PPR = «-5:00»: отрицательная наработка"},
    {"limit beyond life",
     {"UPDATE DVIGATEL SET MEZHREMONTNYI_CHASOV=2147483647, DO_PERVOGO_CHASOV=2147483647 WHERE ID=ENGINE"},
     "«2147483647»: ресурс больше"},
    {"limit zero", {"UPDATE DVIGATEL SET MEZHREMONTNYI_CHASOV=0, DO_PERVOGO_CHASOV=0 WHERE ID=ENGINE"},
     "ресурс равен нулю"},
    {"ground share", {"UPDATE TIPOVYE_DANNYE_VS SET KOL_VO_ZEMLIA_PLANER=-50 WHERE TIP_VS='TYPE'"},
     "KOL_VO_ZEMLIA_PLANER = «-50»: доля вне пределов 0..1"},
    {"flight without time",
     {"UPDATE SPRAVKA SET V_VOZDUHE=NULL WHERE ID=(SELECT MAX(ID) FROM SPRAVKA WHERE BORTOVOI_NOMER='BOARD')"},
     "V_VOZDUHE = «»: время не заполнено"},
    {"airframe running time", {"UPDATE REESTR SET NARABOTKA_PPR='12:7x' WHERE BORTOVOI_NOMER='BOARD'"},
     "NARABOTKA_PPR = «12:7x»: наработка не в виде Ч:ММ"},
    {"serial twice",
     {"UPDATE DVIGATEL SET ZAVODSKOI_NOMER=(SELECT ZAVODSKOI_NOMER FROM DVIGATEL WHERE ID=ENGINE) "
      "WHERE ID=(SELECT MIN(ID) FROM DVIGATEL WHERE ID<>ENGINE)"},
     "заводской номер записан 2 раза"},
};

} // namespace

TEST_F(DoubtfulDataTest, CheckOfTheCleanDemoFleetFindsNothing)
{
    EXPECT_EQ(checkTexts(), QStringList());
}

TEST_F(DoubtfulDataTest, CheckNamesEveryInjectedDefect)
{
    for (const Defect& d : kDefects) {
        SCOPED_TRACE(d.name);
        SetUp();
        inject(d.statements);
        QString expected = QString::fromUtf8(d.expected);
        expected.replace(QStringLiteral("ENGINE"), engine);
        const QStringList found = checkTexts();
        EXPECT_TRUE(anyContains(found, expected)) << found.join(QLatin1Char('\n')).toStdString();
    }
}

// The engine forecast meets each defect: it keeps its rules (exit 0), names
// the record among its doubts, and ends with 3 under --strict.
TEST_F(DoubtfulDataTest, EngineForecastSaysWhenItsDataWasDoubtful)
{
    const char* met[] = {"type missing", "type twice", "engine place typo", "aircraft without board",
                         "negative running time", "limit beyond life", "limit zero", "airframe running time"};
    for (const char* name : met) {
        const Defect* d = nullptr;
        for (const Defect& x : kDefects)
            if (QLatin1String(x.name) == QLatin1String(name)) d = &x;
        SCOPED_TRACE(name);
        SetUp();
        inject(d->statements);
        QString expected = QString::fromUtf8(d->expected);
        expected.replace(QStringLiteral("ENGINE"), engine);
        const auto res = runForecast(QStringLiteral("Прогноз на замену двигателей"), {});
        EXPECT_EQ(res.status, 0) << res.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(anyContains(res.doubts, expected)) << res.doubts.join(QLatin1Char('\n')).toStdString();
        plan::shell::RunRequest strict;
        strict.window = QStringLiteral("frmPlanPrognoz");
        strict.item = QStringLiteral("Прогноз на замену двигателей");
        strict.strict = true;
        EXPECT_EQ(plan::shell::runItem(strict).status, 3);
    }
}

TEST_F(DoubtfulDataTest, ComplexForecastSaysWhenItsDataWasDoubtful)
{
    // (An aircraft of a type missing from TIPOVYE_DANNYE_VS is not in the grid at all.)
    const char* met[] = {"type twice", "negative running time", "limit beyond life", "ground share",
                         "flight without time"};
    for (const char* name : met) {
        const Defect* d = nullptr;
        for (const Defect& x : kDefects)
            if (QLatin1String(x.name) == QLatin1String(name)) d = &x;
        SCOPED_TRACE(name);
        SetUp();
        inject(d->statements);
        QString expected = QString::fromUtf8(d->expected);
        expected.replace(QStringLiteral("ENGINE"), engine);
        if (QLatin1String(name) == QLatin1String("type twice")) expected = QStringLiteral("взята первая строка");
        const auto res = runForecast(QStringLiteral("Комплексный прогноз для выбранных ВС"),
                                     {{plan::shell::RunStep::Tick, type + QLatin1Char(' ') + board, {}}});
        EXPECT_EQ(res.status, 0) << res.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(anyContains(res.doubts, expected)) << res.doubts.join(QLatin1Char('\n')).toStdString();
    }
}

// Clean data: no doubt, nothing on the page, 0 also under --strict.
TEST_F(DoubtfulDataTest, CleanDataChangesNothing)
{
    plan::shell::RunRequest r;
    r.window = QStringLiteral("frmPlanPrognoz");
    r.item = QStringLiteral("Прогноз на замену двигателей");
    r.strict = true;
    r.pdf = base + QStringLiteral("/clean.pdf");
    const auto res = plan::shell::runItem(r);
    EXPECT_EQ(res.status, 0) << res.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(res.doubts.isEmpty()) << res.doubts.join(QLatin1Char('\n')).toStdString();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {r.pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_FALSE(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("требуют проверки")));
}

// The page of a report that met a doubtful record says so under its heading.
TEST_F(DoubtfulDataTest, PageNamesTheDoubtfulRecord)
{
    inject({"UPDATE DVIGATEL SET GDE_STOIT='RA-2200O' WHERE ID=ENGINE"});
    plan::shell::RunRequest r;
    r.window = QStringLiteral("frmPlanPrognoz");
    r.item = QStringLiteral("Прогноз на замену двигателей");
    r.pdf = base + QStringLiteral("/doubt.pdf");
    const auto res = plan::shell::runItem(r);
    ASSERT_EQ(res.status, 0) << res.errors.join(QLatin1Char('\n')).toStdString();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {r.pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Данные требуют проверки:"))) << text.left(600).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("RA-2200O"))) << text.left(600).toStdString();
}

// A board number with a quote is an ordinary value; one written as an SQL
// condition (written without blanks, as a board number is split at its last
// blank) finds its own aircraft only.
TEST_F(DoubtfulDataTest, BoardNumbersWithQuotesAreOrdinaryValues)
{
    const int engines = plan::queryScalar(fleet, QStringLiteral("Select Count(*) From DVIGATEL Where GDE_STOIT='") +
                                                           board + QStringLiteral("'"))
                            .toInt();
    ASSERT_GT(engines, 0);
    for (const char* odd : {"RA-0'1", "RA-1'Or'1'='1"}) {
        SCOPED_TRACE(odd);
        SetUp();
        const QString name = QString::fromUtf8(odd);
        QString q = name;
        q.replace(QStringLiteral("'"), QStringLiteral("''"));
        for (const char* t : {"DVIGATEL", "REDUCTOR", "LOPAST", "HVOSTOVOY_VINT", "VOZDUSHNY_VINT", "VTULKA_NV", "LEBEDKA",
                              "ZCU", "AGREGAT"})
            fleet->execute(QStringLiteral("UPDATE %1 SET GDE_STOIT='%2' WHERE GDE_STOIT='%3'").arg(QLatin1String(t), q, board));
        fleet->execute(QStringLiteral("UPDATE SPRAVKA SET BORTOVOI_NOMER='%1' WHERE BORTOVOI_NOMER='%2'").arg(q, board));
        fleet->execute(QStringLiteral("UPDATE REESTR SET BORTOVOI_NOMER='%1' WHERE BORTOVOI_NOMER='%2'").arg(q, board));

        auto complex = runForecast(QStringLiteral("Комплексный прогноз для выбранных ВС"),
                                   {{plan::shell::RunStep::Tick, type + QLatin1Char(' ') + name, {}}});
        ASSERT_EQ(complex.status, 0) << complex.errors.join(QLatin1Char('\n')).toStdString();
        const QStringList rows = stagingRows();
        EXPECT_TRUE(rows.contains(QStringLiteral("!") + type + QLatin1Char(' ') + name + QLatin1Char(';'),
                                  Qt::CaseSensitive) ||
                    anyContains(rows, QStringLiteral("!") + type + QLatin1Char(' ') + name));
        int lines = 0;
        for (const QString& row : rows)
            if (row.contains(QStringLiteral("Двигатель "))) ++lines;
        EXPECT_EQ(lines, engines);

        auto byKind = runForecast(QStringLiteral("Прогноз на замену двигателей"), {});
        ASSERT_EQ(byKind.status, 0) << byKind.errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(anyContains(stagingRows(), QStringLiteral("<b>") + name + QStringLiteral("</b>")));
    }
}

TEST(DataDoubtsLine, NamesTenRecordsAndCountsTheRest)
{
    QStringList texts;
    for (int i = 1; i <= 12; ++i) texts << QStringLiteral("R%1").arg(i);
    const QString line = plan::DataDoubts::line(texts);
    EXPECT_TRUE(line.startsWith(QStringLiteral("Данные требуют проверки: R1; R2;")));
    EXPECT_TRUE(line.contains(QStringLiteral("R10 и еще 2")));
    EXPECT_FALSE(line.contains(QStringLiteral("R11")));
    EXPECT_EQ(plan::DataDoubts::line(QStringList()), QString());
}

// Absurd planned flying is refused with a message naming the field and the text.
TEST_F(DoubtfulDataTest, PlannedFlyingThatIsNotANumberIsNamed)
{
    const auto res = runForecast(QStringLiteral("Прогноз на замену двигателей"),
                                 {set("cboSelect", "#1"), set("txtNalet", "двадцать")});
    EXPECT_EQ(res.status, 1);
    EXPECT_TRUE(res.errors.join(QLatin1Char(' ')).contains(QStringLiteral("«двадцать»")));
    EXPECT_TRUE(res.errors.join(QLatin1Char(' ')).contains(QStringLiteral("txtNalet")));
}

// A large selection reads each component table once and takes every
// aircraft's rows from that read: the rows, their order and every figure
// are those of the aircraft's own queries, also for a unit recorded on its
// aircraft with a blank after the board (the engine compares texts without
// trailing blanks) and a unit on a board written in other letters (found
// by neither way), and the reference lists of a type are read once.
TEST_F(DoubtfulDataTest, ComplexForecastReadInSetsGivesTheRowsOfTheOwnQueries)
{
    fleet->execute(QStringLiteral("UPDATE AGREGAT SET GDE_STOIT=GDE_STOIT || ' ' WHERE ID=(Select Min(ID) From AGREGAT Where GDE_STOIT='") +
                   board + QStringLiteral("' And ED_IZMERENIA='0' And PLAN_DVIG_VSU='0')"));
    fleet->execute(QStringLiteral("UPDATE LOPAST SET GDE_STOIT=LOWER(GDE_STOIT) WHERE ID=(Select Min(ID) From LOPAST Where GDE_STOIT='") +
                   board + QStringLiteral("')"));
    std::vector<plan::shell::RunStep> all;
    auto types = plan::openQuery(fleet, QStringLiteral("Select Distinct TIP_VS From REESTR Where Not Upper(TIP_VS) Like '%HIDE%'"));
    for (; !types->eof(); types->next()) all.push_back({plan::shell::RunStep::Tick, types->str(0).trimmed(), {}});
    ASSERT_GE(all.size(), 2u);

    struct Way { const char* name; int threshold; QStringList rows; long long reads = 0; };
    Way ways[] = {{"each aircraft's own queries", 1000000, {}}, {"one read per table", 1, {}}};
    for (Way& w : ways) {
        plan::frames::BoardSets::setThreshold(w.threshold);
        const long long before = plan::Heartbeat::sent(plan::Heartbeat::Sent::Read);
        const auto res = runForecast(QStringLiteral("Комплексный прогноз для выбранных ВС"), all);
        w.reads = plan::Heartbeat::sent(plan::Heartbeat::Sent::Read) - before;
        plan::frames::BoardSets::setThreshold(20);
        ASSERT_EQ(res.status, 0) << w.name << ": " << res.errors.join(QLatin1Char('\n')).toStdString();
        w.rows = stagingRows();
    }
    ASSERT_GT(ways[0].rows.size(), 50);
    EXPECT_EQ(ways[1].rows, ways[0].rows);
    // The set way spares at least five queries per aircraft (its component
    // tables and its type's reference lists).
    const auto aircraft = std::count_if(ways[0].rows.begin(), ways[0].rows.end(),
                                        [](const QString& r) { return r.startsWith(QLatin1Char('!')); });
    ASSERT_GE(aircraft, 3);
    EXPECT_LE(ways[1].reads + 5 * aircraft, ways[0].reads) << ways[1].reads << " against " << ways[0].reads;
}

// The forecast of each kind over a fleet large enough reads the installed
// components of every aircraft, their flights of the last 30 days and the
// flights their continuous running counts in sets: the rows, their order and
// every figure are those of the aircraft's own queries, also for a component
// and a flight recorded on the board with a blank after it (the engine
// compares texts without trailing blanks) and a component on a board written
// in other letters (found by neither way); and the set way no longer reads
// per aircraft.
TEST_F(DoubtfulDataTest, ComponentForecastsReadInSetsGiveTheRowsOfTheOwnQueries)
{
    // No aircraft of the demo carries a propeller: three propellers and
    // three propeller blades go onto the board.
    fleet->execute(QStringLiteral("UPDATE VOZDUSHNY_VINT SET GDE_STOIT='%1' WHERE ID In (Select First 3 ID From VOZDUSHNY_VINT "
                                  "Order By ID)").arg(board));
    fleet->execute(QStringLiteral("UPDATE LOPAST SET GDE_STOIT='%1' WHERE ID In (Select First 3 ID From LOPAST "
                                  "Where TIP_VINTA='Воздушный' Order By ID)").arg(board));
    for (const char* t : {"DVIGATEL", "REDUCTOR", "LOPAST", "HVOSTOVOY_VINT", "VOZDUSHNY_VINT", "VTULKA_NV", "LEBEDKA",
                          "ZCU", "AGREGAT"}) {
        const QString on = QStringLiteral(" From %1 Where GDE_STOIT='%2')").arg(QLatin1String(t), board);
        fleet->execute(QStringLiteral("UPDATE %1 SET GDE_STOIT=GDE_STOIT || ' ' WHERE ID=(Select Min(ID)").arg(QLatin1String(t)) + on);
        fleet->execute(QStringLiteral("UPDATE %1 SET GDE_STOIT=LOWER(GDE_STOIT) WHERE ID=(Select Max(ID)").arg(QLatin1String(t)) + on);
    }
    fleet->execute(QStringLiteral("UPDATE SPRAVKA SET BORTOVOI_NOMER=BORTOVOI_NOMER || ' ' WHERE ID=(Select Max(ID) From SPRAVKA "
                                  "Where BORTOVOI_NOMER='") + board + QStringLiteral("')"));
    const int aircraft = plan::queryScalar(fleet, QStringLiteral("Select Count(*) From REESTR Where Not Upper(TIP_VS) Like '%HIDE%'")).toInt();
    ASSERT_GE(aircraft, 4);

    struct Kind { const char* caption; const char* rotor; }; // rotor: the blades of the name installed first
    const Kind kinds[] = {{"Прогноз на замену двигателей", nullptr}, {"Прогноз на замену главных редукторов", nullptr},
                          {"Прогноз на замену лопастей несущего винта", "Несущий"},
                          {"Прогноз на замену лопастей рулевого винта", "Хвостовой"},
                          {"Прогноз на замену лопастей воздушного винта", "Воздушный"},
                          {"Прогноз на замену втулок РВ", nullptr}, {"Прогноз на замену втулок ВВ", nullptr},
                          {"Прогноз на замену втулок НВ", nullptr}, {"Прогноз на замену электролебедок", nullptr},
                          {"Прогноз на замену ЗЧУ", nullptr}, {"Прогноз на замену агрегатов", nullptr}};
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.caption);
        std::vector<plan::shell::RunStep> steps;
        if (kind.rotor)
            steps.push_back({plan::shell::RunStep::Set, QStringLiteral("cboLopast"),
                             plan::queryScalar(fleet, QStringLiteral("Select First 1 NAZVANIE From LOPAST Where TIP_VINTA='") +
                                                          QString::fromUtf8(kind.rotor) +
                                                          QStringLiteral("' And GDE_STOIT='") + board + QStringLiteral("' Order By ID"))});
        struct Way { const char* name; int threshold; QStringList rows; long long reads = 0; };
        Way ways[] = {{"each aircraft's own queries", 1000000, {}}, {"one read per table", 1, {}}};
        for (Way& w : ways) {
            plan::frames::BoardSets::setThreshold(w.threshold);
            const long long before = plan::Heartbeat::sent(plan::Heartbeat::Sent::Read);
            const auto res = runForecast(QString::fromUtf8(kind.caption), steps);
            w.reads = plan::Heartbeat::sent(plan::Heartbeat::Sent::Read) - before;
            plan::frames::BoardSets::setThreshold(20);
            ASSERT_EQ(res.status, 0) << w.name << ": " << res.errors.join(QLatin1Char('\n')).toStdString();
            w.rows = stagingRows();
        }
        const auto installed = std::count_if(ways[0].rows.begin(), ways[0].rows.end(),
                                             [](const QString& r) { return r.contains(QStringLiteral("</b>;")); });
        EXPECT_GE(installed, 1) << ways[0].rows.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(ways[1].rows, ways[0].rows);
        // Each aircraft's components and flights of the window: two queries
        // per aircraft spared.
        EXPECT_LE(ways[1].reads + 2 * aircraft, ways[0].reads) << ways[1].reads << " against " << ways[0].reads;
    }
}
