// Benchmark of the forecasts: builds (once, and keeps) demo fleets of the
// sizes asked for and times each forecast over the whole fleet, printing the
// seconds and the seconds per aircraft. Not a test: the figures go into the
// notes of the work that changes them.
//
//   bench_forecast [--fleet AIRCRAFT:YEARS]... [--item CAPTION]... [--dir DIR]
//
// Defaults: the demo fleet (40:3) and a large one (1000:10); every forecast
// of frmPlanPrognoz whose frame is built.
#include "data/DemoFleet.h"
#include "data/FleetCheck.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "shell/FrameDriver.h"
#include "shell/HostWindow.h"
#include "shell/PlanFrame.h"
#include "shell/PlanPrognoz.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

using namespace plan;

namespace {

void say(const QString& s) { std::printf("%s\n", s.toUtf8().constData()); std::fflush(stdout); }

QStringList typesWithAircraft(const QString& db)
{
    Connection c;
    c.open(db);
    Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select Distinct TIP_VS From REESTR Where Not Upper(TIP_VS) Like Upper('%Hide%');"));
    ds.open();
    QStringList t;
    for (; !ds.eof(); ds.next()) t << ds.str(0);
    return t;
}

int aircraftCount(const QString& db)
{
    Connection c;
    c.open(db);
    return queryScalar(&c, QStringLiteral("Select Count(*) From REESTR Where Not Upper(TIP_VS) Like Upper('%Hide%');"))
        .toInt();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList fleets, items;
    QString dir = QDir::current().filePath(QStringLiteral("bench-data"));
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--fleet") && i + 1 < args.size()) fleets << args[++i];
        else if (args[i] == QLatin1String("--item") && i + 1 < args.size()) items << args[++i];
        else if (args[i] == QLatin1String("--dir") && i + 1 < args.size()) dir = args[++i];
        else {
            say(QStringLiteral("usage: bench_forecast [--fleet AIRCRAFT:YEARS]... [--item CAPTION]... [--dir DIR]"));
            return 2;
        }
    }
    if (fleets.isEmpty()) fleets = {QStringLiteral("40:3"), QStringLiteral("1000:10")};
    if (items.isEmpty())
        for (const auto& it : shell::TfrmPlanPrognoz::itemTable().items)
            if (shell::FrameRegistry::contains(it.frameClass)) items << it.caption;

    Clock::setToday(QDate(2026, 6, 15));
    QDir().mkpath(dir);
    // An installation folder of its own: the templates and every forecast switched on.
    const QString home = dir + QStringLiteral("/home");
    QDir(home).removeRecursively();
    QDir().mkpath(home + QStringLiteral("/templates/frmPlanPrognoz"));
    for (const QString& f : QDir(QStringLiteral(PLAN_SOURCE_DIR "/templates/frmPlanPrognoz")).entryList(QDir::Files))
        QFile::copy(QStringLiteral(PLAN_SOURCE_DIR "/templates/frmPlanPrognoz/") + f,
                    home + QStringLiteral("/templates/frmPlanPrognoz/") + f);
    QFile ini(home + QStringLiteral("/reports.ini"));
    ini.open(QIODevice::WriteOnly);
    QString text = QStringLiteral("[PLAN_PROGNOZ]\n");
    for (const auto& it : shell::TfrmPlanPrognoz::itemTable().items) text += it.caption + QStringLiteral("=1\n");
    ini.write(text.toUtf8());
    ini.close();
    Paths::setHome(home);
    Paths::setUserRoot(dir + QStringLiteral("/user"));
    MessageService::setHeadless(true);

    for (const QString& fleet : fleets) {
        const QStringList p = fleet.split(QLatin1Char(':'));
        DemoFleet::Options o;
        o.aircraft = p.value(0).toInt();
        o.years = p.value(1, QStringLiteral("3")).toInt();
        // A fleet is kept per size and per schema: a changed schema builds it anew.
        QFile schemaFile(QStringLiteral(PLAN_SOURCE_DIR "/src/data/schema.sql"));
        schemaFile.open(QIODevice::ReadOnly);
        const QString stamp = QString::fromLatin1(
            QCryptographicHash::hash(schemaFile.readAll(), QCryptographicHash::Sha1).toHex().left(8));
        const QString db = dir + QStringLiteral("/fleet-%1-%2-%3.fdb").arg(o.aircraft).arg(o.years).arg(stamp);
        if (!QFile::exists(db)) {
            QElapsedTimer t;
            t.start();
            DemoFleet::create(db, o);
            say(QStringLiteral("built %1 in %2 s").arg(db).arg(t.elapsed() / 1000.0, 0, 'f', 1));
        }
        Connection::setDefaultTarget(db);
        const int n = aircraftCount(db);
        const QStringList types = typesWithAircraft(db);
        say(QStringLiteral("fleet %1 aircraft, %2 years").arg(n).arg(o.years));
        {
            // The fleet data check reads the whole fleet.
            Connection c;
            c.open(db);
            QElapsedTimer t;
            t.start();
            const std::size_t found = data::checkFleet(c).size();
            const double s = t.elapsed() / 1000.0;
            say(QStringLiteral("  fleet data check: %1 s, %2 s per aircraft, %3 records to check")
                    .arg(s, 0, 'f', 2)
                    .arg(n ? s / n : 0.0, 0, 'f', 4)
                    .arg(found));
        }
        for (const QString& item : items) {
            shell::RunRequest r;
            r.window = QStringLiteral("frmPlanPrognoz");
            r.item = item;
            // The complex forecast is run for every aircraft ticked; the
            // others always cover the fleet.
            if (item == QStringLiteral("Комплексный прогноз для выбранных ВС"))
                for (const QString& t : types) r.steps.push_back({shell::RunStep::Tick, t, {}});
            MessageService::clear();
            QElapsedTimer t;
            t.start();
            const shell::RunResult res = shell::runItem(r);
            const double s = t.elapsed() / 1000.0;
            say(QStringLiteral("  %1: %2 s, %3 s per aircraft%4")
                    .arg(item)
                    .arg(s, 0, 'f', 2)
                    .arg(n ? s / n : 0.0, 0, 'f', 4)
                    .arg(res.status == 0 ? QString() : QStringLiteral(" (failed: %1)").arg(res.errors.join(QStringLiteral("; ")))));
        }
    }
    return 0;
}
