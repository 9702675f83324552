#include "shell/ReportBatch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>

namespace plan::shell {
namespace {
// The output of a report in one format: where the run request keeps it.
QString* outputField(RunRequest& r, const QString& format)
{
    if (format == QLatin1String("pdf")) return &r.pdf;
    if (format == QLatin1String("xlsx")) return &r.xlsx;
    if (format == QLatin1String("csv")) return &r.csv;
    return nullptr;
}

// A relative path of a line's own output option lies inside the folder.
void placeInFolder(QString* path, const QDir& folder)
{
    if (!path->isEmpty() && QFileInfo(*path).isRelative()) *path = folder.filePath(*path);
}

QString seconds(double s) { return QString::number(s, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }
} // namespace

QStringList batchFormats() { return {QStringLiteral("pdf"), QStringLiteral("xlsx"), QStringLiteral("csv")}; }

QString parseBatch(const QString& text, const QString& folder, const QStringList& formats,
                   std::vector<BatchEntry>* out)
{
    for (const QString& f : formats)
        if (!batchFormats().contains(f))
            return QStringLiteral("формата «%1» нет; есть: %2").arg(f, batchFormats().join(QStringLiteral(", ")));
    const QDir dir(folder);
    std::vector<BatchEntry> entries;
    QSet<QString> taken;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        auto bad = [&](const QString& why) { return QStringLiteral("строка %1: %2\n  %3").arg(n + 1).arg(why, line); };
        QStringList words = QProcess::splitCommand(line);
        if (words.size() < 3)
            return bad(QStringLiteral("укажите окно, пункт, параметры plan run и имя файла отчета (ОКНО ПУНКТ ... ИМЯ)"));
        BatchEntry e;
        e.line = n + 1;
        e.name = words.takeLast();
        if (e.name.startsWith(QLatin1String("--")))
            return bad(QStringLiteral("последним словом строки должно быть имя файла отчета, а не параметр %1").arg(e.name));
        const QString error = parseRunArguments(words, &e.request);
        if (!error.isEmpty()) return bad(error);
        for (QString* p : {&e.request.pdf, &e.request.xlsx, &e.request.csv, &e.request.pngDir, &e.request.staging, &e.request.stagingDir,
                           &e.request.templateDir})
            placeInFolder(p, dir);
        const QString suffix = QFileInfo(e.name).suffix().toLower();
        const QStringList mine = batchFormats().contains(suffix) ? QStringList{suffix} : formats;
        for (const QString& f : mine) {
            const QString file = dir.filePath(mine.size() == 1 && suffix == f ? e.name : e.name + QLatin1Char('.') + f);
            if (taken.contains(file))
                return bad(QStringLiteral("файл %1 уже пишет другая строка пакета: дайте отчету другое имя").arg(file));
            taken.insert(file);
            *outputField(e.request, f) = file;
            e.outputs << file;
        }
        entries.push_back(std::move(e));
    }
    if (entries.empty()) return QStringLiteral("в пакете нет ни одного отчета (строки вида ОКНО ПУНКТ ... ИМЯ)");
    *out = std::move(entries);
    return {};
}

std::vector<BatchOutcome> runBatch(const std::vector<BatchEntry>& entries,
                                   const std::function<void(const QString&)>& progress)
{
    std::vector<BatchOutcome> outcomes;
    const int total = static_cast<int>(entries.size());
    for (const BatchEntry& e : entries) {
        QElapsedTimer timer;
        timer.start();
        const RunResult r = runItem(e.request);
        BatchOutcome o;
        o.entry = &e;
        o.status = r.status;
        o.errors = r.errors;
        o.pages = r.pages;
        o.rows = r.rows;
        o.seconds = timer.elapsed() / 1000.0;
        const QString head = QStringLiteral("[%1/%2] %3 «%4» → %5: ")
                                 .arg(outcomes.size() + 1)
                                 .arg(total)
                                 .arg(e.request.window, e.request.item, e.name);
        if (o.status == 0) {
            QString done = head + QStringLiteral("готово");
            if (o.pages >= 0) done += QStringLiteral(", страниц %1").arg(o.pages);
            if (o.rows >= 0) done += QStringLiteral(", строк %1").arg(o.rows);
            progress(done + QStringLiteral(", %1 с").arg(seconds(o.seconds)));
        } else {
            // A failed report must not pass for a filed one: its own files go.
            for (const QString& f : e.outputs) QFile::remove(f);
            if (o.errors.isEmpty()) o.errors << QStringLiteral("отчет не построен (код %1)").arg(o.status);
            progress(head + QStringLiteral("ОШИБКА: ") + o.errors.join(QStringLiteral("\n    ")));
        }
        outcomes.push_back(std::move(o));
    }
    return outcomes;
}

QString batchSummary(const std::vector<BatchOutcome>& outcomes, const QString& folder)
{
    QStringList failed;
    double secondsTotal = 0;
    for (const BatchOutcome& o : outcomes) {
        secondsTotal += o.seconds;
        if (o.status != 0) failed << QStringLiteral("%1 (строка %2)").arg(o.entry->name).arg(o.entry->line);
    }
    const int good = static_cast<int>(outcomes.size()) - failed.size();
    QString s = QStringLiteral("Пакет: отчетов %1, построено %2, с ошибкой %3; папка %4; %5 с")
                    .arg(outcomes.size())
                    .arg(good)
                    .arg(failed.size())
                    .arg(QDir::toNativeSeparators(folder), seconds(secondsTotal));
    if (!failed.isEmpty())
        s += QStringLiteral("\nНе построены: %1. Исправьте их строки (причина — выше) и запустите пакет снова.")
                 .arg(failed.join(QStringLiteral(", ")));
    return s;
}

} // namespace plan::shell
