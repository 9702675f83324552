// Benchmark of the reports: builds (once, and keeps) demo fleets of the
// sizes asked for and times every report listed in bench/reports/*.txt over
// each fleet, next to one plain pass over the rows the report reads (its
// baseline queries, every row fetched), measured in the same run. Each
// report runs twice: once asking for the rows only (nothing is laid out in
// pages) and once writing a PDF. Prints the seconds of opening the window
// and the item (once per window for a user, so apart), the report's own
// seconds (show pressed to rows written and rendered), the PDF run, the pages,
// the baseline seconds, the ratio of the rows-only run to the baseline, the
// seconds of one plain write of the rows it left in its staging tables (the
// floor of the row-by-row staging writes; for a batch of documents, scaled
// to every row the run posted) and the ratio to both together, the
// queries sent (reads + staging writes) and the peak memory of both runs,
// and writes them to a CSV file. The figures go into the notes of the work
// that changes them.
//
//   bench_reports [--fleet AIRCRAFT:YEARS]... [--only TEXT]... [--dir DIR] [--csv FILE] [--no-pdf] [--rows]
//
// With --rows it is a test of the demo fleet instead: every report runs once
// (no timing) and must end with status 0 and at least one staging row, and
// every bar item whose frame is built must have its report file here; the
// exit status is 1 otherwise.
//
// A report file holds one "key: value" a line:
//   window:   the window key
//   item:     the bar caption
//   arg:      one `plan run` argument (repeated, in order); "@types" in a
//             value stands for each type that has aircraft (the argument pair
//             before it is repeated per type), "@aircraft" for the first
//             aircraft as "type board", "@board" for its board number,
//             "@type" for its type, "@everyaircraft" for every aircraft as
//             "type board" in turn (the argument before it repeated per
//             aircraft: a batch of one-aircraft sheets in one run)
//   baseline: an SQL query of the rows the report reads (repeated)
// Defaults: the demo fleet (40:3) and a large one (1000:10).
#include "data/DemoFleet.h"
#include "data/FleetCheck.h"
#include "data/Schema.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/Heartbeat.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "shell/FrameDriver.h"
#include "shell/HostWindow.h"
#include "shell/PlanFrame.h"
#include "shell/StartPlan.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>

using namespace plan;

namespace {

// The peak resident memory of the process during a run: sampled every few
// milliseconds from /proc/self/statm by a thread of its own (the kernel's
// high-water mark cannot be reset here). The whole process counts, as a
// user's would: what earlier runs left allocated is in it too.
class PeakMemory {
public:
    PeakMemory() : m_thread([this] {
        while (!m_stop.load()) {
            m_peak = std::max(m_peak.load(), residentMemoryBytes());
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    })
    {
    }
    ~PeakMemory() { stop(); }
    // Stops sampling; the peak in MiB.
    double stop()
    {
        if (m_thread.joinable()) {
            m_stop = true;
            m_thread.join();
            m_peak = std::max(m_peak.load(), residentMemoryBytes());
        }
        return m_peak.load() / (1024.0 * 1024.0);
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<long long> m_peak{0};
    std::thread m_thread;
};

void say(const QString& s) { std::printf("%s\n", s.toUtf8().constData()); std::fflush(stdout); }

struct BenchReport {
    QString name, window, item;
    QStringList args, baseline;
};

std::vector<BenchReport> readReports(const QString& dir, const QStringList& only)
{
    std::vector<BenchReport> out;
    for (const QString& f : QDir(dir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile file(QDir(dir).filePath(f));
        if (!file.open(QIODevice::ReadOnly)) continue;
        BenchReport r;
        r.name = f.chopped(4);
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const int colon = line.indexOf(QLatin1Char(':'));
            if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')) || colon < 0) continue;
            const QString key = line.left(colon).trimmed(), value = line.mid(colon + 1).trimmed();
            if (key == QLatin1String("window")) r.window = value;
            else if (key == QLatin1String("item")) r.item = value;
            else if (key == QLatin1String("arg")) r.args << value;
            else if (key == QLatin1String("baseline")) r.baseline << value;
        }
        bool wanted = only.isEmpty();
        for (const QString& o : only) wanted = wanted || r.name.contains(o) || r.item.contains(o);
        if (wanted && !r.window.isEmpty() && !r.item.isEmpty()) out.push_back(r);
    }
    return out;
}

QStringList column(Connection& c, const QString& sql)
{
    Dataset ds(&c);
    ds.setCommandText(sql);
    ds.open();
    QStringList t;
    for (; !ds.eof(); ds.next()) t << ds.str(0);
    return t;
}

// The arguments with the placeholders put in.
QStringList expand(const QStringList& args, const QStringList& types, const QString& type, const QString& board,
                   const QStringList& aircraft = {})
{
    QStringList out;
    for (const QString& arg : args) {
        // A list mark repeats the option before it once per value.
        const QString mark = arg.contains(QLatin1String("@types"))           ? QStringLiteral("@types")
                             : arg.contains(QLatin1String("@everyaircraft")) ? QStringLiteral("@everyaircraft")
                                                                             : QString();
        if (!mark.isEmpty() && !out.isEmpty()) {
            const QString option = out.takeLast();
            for (const QString& v : mark == QLatin1String("@types") ? types : aircraft)
                out << option << QString(arg).replace(mark, v);
            continue;
        }
        out << QString(arg)
                   .replace(QLatin1String("@aircraft"), type + QLatin1Char(' ') + board)
                   .replace(QLatin1String("@board"), board)
                   .replace(QLatin1String("@type"), type);
    }
    return out;
}

// One plain pass: every baseline query run and every row and column fetched.
double baselineSeconds(const QStringList& queries, const QStringList& types, const QString& type, const QString& board)
{
    Connection c;
    c.openDefault();
    QElapsedTimer t;
    t.start();
    long long cells = 0;
    for (const QString& q : expand(queries, types, type, board)) {
        Dataset ds(&c);
        ds.setCommandText(q);
        ds.open();
        for (; !ds.eof(); ds.next())
            for (int i = 0; i < ds.fieldCount(); ++i) cells += ds.field(i).value().isValid() ? 1 : 0;
    }
    return t.elapsed() / 1000.0 + (cells < 0 ? 1 : 0);
}

// One plain write of the rows the report left in its staging tables: the
// same tables, opened by the same queries, every row posted as the report
// cycle posts it, on a connection of its own (the staging tables keep each
// connection's rows apart). A report must write its rows row by row, so
// this is the floor of its writing as the plain pass is of its reading.
double writeSeconds(const std::vector<shell::StagedTable>& staging)
{
    Connection c;
    c.openDefault();
    QElapsedTimer t;
    t.start();
    for (const shell::StagedTable& table : staging) {
        if (table.rows.empty()) continue;
        Dataset ds(&c);
        ds.setCommandText(table.query);
        ds.open();
        ds.beginRows();
        for (const QStringList& row : table.rows) {
            ds.append();
            for (int i = 1; i < row.size(); ++i)
                if (!row[i].isEmpty()) ds.setField(i, row[i]);
            ds.post();
        }
        ds.commitRows();
    }
    return t.elapsed() / 1000.0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList fleets, only;
    QString dir = QDir::current().filePath(QStringLiteral("bench-data"));
    QString csvPath;
    bool rowsOnly = false, noPdf = false;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--fleet") && i + 1 < args.size()) fleets << args[++i];
        else if (args[i] == QLatin1String("--only") && i + 1 < args.size()) only << args[++i];
        else if (args[i] == QLatin1String("--dir") && i + 1 < args.size()) dir = args[++i];
        else if (args[i] == QLatin1String("--csv") && i + 1 < args.size()) csvPath = args[++i];
        else if (args[i] == QLatin1String("--rows")) rowsOnly = true;
        else if (args[i] == QLatin1String("--no-pdf")) noPdf = true;
        else {
            say(QStringLiteral("usage: bench_reports [--fleet AIRCRAFT:YEARS]... [--only TEXT]... [--dir DIR] [--csv FILE] [--no-pdf] [--rows]"));
            return 2;
        }
    }
    if (fleets.isEmpty()) fleets = {QStringLiteral("40:3"), QStringLiteral("1000:10")};
    const std::vector<BenchReport> reports = readReports(QStringLiteral(PLAN_SOURCE_DIR "/bench/reports"), only);
    int failures = 0;
    if (rowsOnly) {
        // Every built frame of every window is listed here.
        for (const auto& w : shell::moduleWindows())
            if (const shell::HostTraits* t = shell::hostTraits(w.key))
                for (const shell::HostItem& item : t->items) {
                    if (!shell::FrameRegistry::contains(item.frameClass)) continue;
                    const bool listed = std::any_of(reports.begin(), reports.end(), [&](const BenchReport& r) {
                        return r.window == t->windowKey && r.item == item.caption;
                    });
                    if (!listed && only.isEmpty()) {
                        say(QStringLiteral("  %1 «%2»: no report file in bench/reports").arg(t->windowKey, item.caption));
                        ++failures;
                    }
                }
    }

    Clock::setToday(QDate(2026, 6, 15));
    QDir().mkpath(dir);
    // An installation folder of its own: the templates and every report switched on.
    const QString home = dir + QStringLiteral("/home");
    QDir(home).removeRecursively();
    const QDir templates(QStringLiteral(PLAN_SOURCE_DIR "/templates"));
    for (const QString& sub : templates.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir().mkpath(home + QStringLiteral("/templates/") + sub);
        for (const QString& f : QDir(templates.filePath(sub)).entryList(QDir::Files))
            QFile::copy(templates.filePath(sub + QLatin1Char('/') + f), home + QStringLiteral("/templates/") + sub + QLatin1Char('/') + f);
    }
    for (const QString& f : templates.entryList(QDir::Files))
        QFile::copy(templates.filePath(f), home + QStringLiteral("/templates/") + f);
    Paths::setHome(home);
    Paths::setUserRoot(dir + QStringLiteral("/user"));
    {
        IniFile ini(home + QStringLiteral("/reports.ini"));
        for (const auto& w : shell::moduleWindows())
            if (const shell::HostTraits* t = shell::hostTraits(w.key))
                for (const auto& item : t->items) ini.writeBool(t->section, item.key(), true);
    }
    MessageService::setHeadless(true);

    QFile csv(csvPath);
    QTextStream csvOut(&csv);
    if (!csvPath.isEmpty() && csv.open(QIODevice::WriteOnly | QIODevice::Truncate))
        csvOut << "fleet,report,open_seconds,seconds,pdf_seconds,pages,baseline_seconds,ratio,write_seconds,ratio_with_writes,reads,writes,peak_mib,pdf_peak_mib,status\n";

    QString schema;
    {
        QFile file(QStringLiteral(PLAN_SOURCE_DIR "/src/data/schema.sql"));
        if (file.open(QIODevice::ReadOnly)) schema = QString::fromUtf8(file.readAll());
    }
    for (const QString& fleet : fleets) {
        const QStringList p = fleet.split(QLatin1Char(':'));
        DemoFleet::Options o;
        o.aircraft = p.value(0).toInt();
        o.years = p.value(1, QStringLiteral("3")).toInt();
        // A fleet is kept per size and per schema and generator: a change builds
        // it anew. Indexes added to the schema later do not count: a kept
        // fleet is brought up to them (an index changes no row).
        QCryptographicHash h(QCryptographicHash::Sha1);
        h.addData(Schema::beforeLaterIndexes(schema).toUtf8());
        {
            QFile generator(QStringLiteral(PLAN_SOURCE_DIR "/src/data/DemoFleet.cpp"));
            if (generator.open(QIODevice::ReadOnly)) h.addData(generator.readAll());
        }
        const QString stamp = QString::fromLatin1(h.result().toHex().left(8));
        const QString db = dir + QStringLiteral("/fleet-%1-%2-%3.fdb").arg(o.aircraft).arg(o.years).arg(stamp);
        if (!QFile::exists(db)) {
            QElapsedTimer t;
            t.start();
            DemoFleet::create(db + QStringLiteral(".part"), o);
            QFile::rename(db + QStringLiteral(".part"), db);
            say(QStringLiteral("built %1 in %2 s").arg(db).arg(t.elapsed() / 1000.0, 0, 'f', 1));
        }
        Connection::setDefaultTarget(db);
        Connection c;
        c.open(db);
        if (const QStringList added = Schema::addMissingIndexes(c, schema); !added.isEmpty())
            say(QStringLiteral("indexes added to %1: %2").arg(db, added.join(QStringLiteral(", "))));
        const QStringList types =
            column(c, QStringLiteral("Select Distinct TIP_VS From REESTR Where Not Upper(TIP_VS) Like Upper('%Hide%');"));
        Dataset first(&c);
        first.setCommandText(QStringLiteral(
            "Select TIP_VS, BORTOVOI_NOMER From REESTR Where Not Upper(TIP_VS) Like Upper('%Hide%') Order By TIP_VS, BORTOVOI_NOMER;"));
        first.open();
        const QString type = first.eof() ? QString() : first.str(0), board = first.eof() ? QString() : first.str(1);
        QStringList aircraft;
        for (; !first.eof(); first.next()) aircraft << first.str(0) + QLatin1Char(' ') + first.str(1);
        const int n = first.recordCount();
        say(QStringLiteral("fleet %1 aircraft, %2 years").arg(n).arg(o.years));
        {
            // The fleet data check reads the whole fleet.
            QElapsedTimer t;
            t.start();
            const std::size_t found = data::checkFleet(c).size();
            const double s = t.elapsed() / 1000.0;
            say(QStringLiteral("  fleet data check: %1 s, %2 s per aircraft, %3 records to check")
                    .arg(s, 0, 'f', 2).arg(n ? s / n : 0.0, 0, 'f', 4).arg(found));
            if (csv.isOpen()) csvOut << fleet << ",fleet data check,," << s << ",,,,,,,,,,,\"" << found << " records\"\n";
        }
        if (rowsOnly)
            say(QStringLiteral("  %1 %2").arg(QStringLiteral("report"), -60).arg(QStringLiteral("rows"), 6));
        else
            say(QStringLiteral("  %1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12")
                    .arg(QStringLiteral("report"), -50)
                    .arg(QStringLiteral("open s"), 7)
                    .arg(QStringLiteral("rows s"), 8)
                    .arg(QStringLiteral("pdf s"), 8)
                    .arg(QStringLiteral("pages"), 6)
                    .arg(QStringLiteral("base s"), 8)
                    .arg(QStringLiteral("ratio"), 6)
                    .arg(QStringLiteral("write s"), 8)
                    .arg(QStringLiteral("r+w"), 6)
                    .arg(QStringLiteral("queries"), 14)
                    .arg(QStringLiteral("MiB"), 6)
                    .arg(QStringLiteral("pdf MiB"), 7));
        for (const BenchReport& rep : reports) {
            QStringList runArgs{rep.window, rep.item};
            runArgs << expand(rep.args, types, type, board, aircraft);
            shell::RunRequest r;
            const QString bad = shell::parseRunArguments(runArgs, &r);
            if (!bad.isEmpty()) { say(QStringLiteral("  %1: bad arguments: %2").arg(rep.name, bad)); continue; }
            if (rowsOnly) {
                const QString staged = dir + QStringLiteral("/rows.csv");
                QFile::remove(staged);
                r.staging = staged;
                MessageService::clear();
                const shell::RunResult res = shell::runItem(r);
                QFile f(staged);
                const int rows = f.open(QIODevice::ReadOnly) ? qMax(0, int(f.readAll().count('\n')) - 1) : 0;
                const bool ok = res.status == 0 && rows > 0;
                if (!ok) ++failures;
                say(QStringLiteral("  %1 %2 %3").arg(rep.name, -60).arg(rows, 6)
                        .arg(ok ? QStringLiteral("ok")
                                : res.status != 0 ? QStringLiteral("FAILED: ") + res.errors.join(QStringLiteral("; "))
                                                  : QStringLiteral("FAILED: no rows")));
                continue;
            }
            const double base = baselineSeconds(rep.baseline, types, type, board);
            MessageService::clear();
            const long long reads0 = Heartbeat::sent(Heartbeat::Sent::Read);
            const long long writes0 = Heartbeat::sent(Heartbeat::Sent::Write);
            QElapsedTimer t;
            PeakMemory rowsMemory;
            t.start();
            const shell::RunResult res = shell::runItem(r);
            const double rowsPeak = rowsMemory.stop();
            // The report's own seconds (show pressed to the rows written and
            // rendered) are what the baseline is set against; opening the
            // window, its connection and the item comes once per window and
            // is printed beside them.
            const double whole = t.nsecsElapsed() / 1e9;
            const double s = res.reportSeconds;
            const double open = whole - s;
            const long long reads = Heartbeat::sent(Heartbeat::Sent::Read) - reads0;
            const long long writes = Heartbeat::sent(Heartbeat::Sent::Write) - writes0;
            double pdfSeconds = 0;
            int pages = 0;
            double peak = 0;
            if (!noPdf && res.status == 0) {
                r.pdf = dir + QStringLiteral("/bench.pdf");
                MessageService::clear();
                PeakMemory sampled;
                t.start();
                const shell::RunResult withPdf = shell::runItem(r);
                pdfSeconds = t.elapsed() / 1000.0;
                pages = withPdf.pages;
                peak = sampled.stop();
            }
            // A batch of documents writes its tables anew for each: the rows
            // left at the end are the last document's, so the plain write of
            // them counts for every row the run posted.
            double written = res.status == 0 ? writeSeconds(res.staging) : 0.0;
            long long left = 0;
            for (const shell::StagedTable& t : res.staging) left += static_cast<long long>(t.rows.size());
            if (left > 0 && writes > left) written *= static_cast<double>(writes) / static_cast<double>(left);
            const double ratio = base > 0 ? s / base : 0.0;
            const double ratioWithWrites = base + written > 0 ? s / (base + written) : 0.0;
            const QString status = res.status == 0 ? QStringLiteral("ok") : res.errors.join(QStringLiteral("; "));
            say(QStringLiteral("  %1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12%13")
                    .arg(rep.name, -50)
                    .arg(open, 7, 'f', 2)
                    .arg(s, 8, 'f', 2)
                    .arg(pdfSeconds, 8, 'f', 2)
                    .arg(pages, 6)
                    .arg(base, 8, 'f', 2)
                    .arg(ratio, 6, 'f', 1)
                    .arg(written, 8, 'f', 2)
                    .arg(ratioWithWrites, 6, 'f', 1)
                    .arg(QStringLiteral("%1+%2").arg(reads).arg(writes), 14)
                    .arg(rowsPeak, 6, 'f', 0)
                    .arg(peak, 7, 'f', 0)
                    .arg(res.status == 0 ? QString() : QStringLiteral("  (failed: %1)").arg(status)));
            if (csv.isOpen())
                csvOut << fleet << ',' << rep.name << ',' << open << ',' << s << ',' << pdfSeconds << ',' << pages << ',' << base << ','
                       << ratio << ',' << written << ',' << ratioWithWrites << ',' << reads << ',' << writes << ',' << rowsPeak << ',' << peak << ",\""
                       << QString(status).replace(QLatin1Char('"'), QStringLiteral("\"\"")) << "\"\n";
        }
    }
    if (rowsOnly) say(failures ? QStringLiteral("%1 reports failed").arg(failures) : QStringLiteral("every report shows rows"));
    return failures ? 1 : 0;
}
