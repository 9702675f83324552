// `plan batch FILE`: a list of reports filed into one folder.
#include "app/Driver.h"

#include "platform/Connection.h"
#include "shell/ReportBatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace plan {

int cmdBatch(const DriverContext& ctx, const QStringList& args)
{
    QString file, folder;
    QStringList formats;
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        QString v;
        if (a == QLatin1String("--dir")) { if (!optionValue(args, &i, &folder)) return 2; }
        else if (a == QLatin1String("--format")) {
            if (!optionValue(args, &i, &v)) return 2;
            formats << v.toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (a.startsWith(QLatin1String("--"))) {
            err(QStringLiteral("plan batch: неизвестный параметр %1").arg(a));
            err(commandUsage(QStringLiteral("batch")));
            return 2;
        } else if (file.isEmpty()) file = a;
        else {
            err(QStringLiteral("plan batch: укажите один файл пакета, а не «%1» еще").arg(a));
            return 2;
        }
    }
    if (file.isEmpty()) { err(commandUsage(QStringLiteral("batch"))); return 2; }
    if (Connection::defaultConnectionString().isEmpty()) {
        err(QStringLiteral("plan batch: укажите базу данных: --db ПУТЬ или PLAN_DB"));
        return 2;
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        err(QStringLiteral("plan batch: не удается прочитать файл пакета %1: %2").arg(file, f.errorString()));
        return 2;
    }
    // Without --dir the reports go into a folder named after the batch file, beside it.
    if (folder.isEmpty()) {
        const QFileInfo info(file);
        folder = info.dir().filePath(info.completeBaseName());
    }
    if (!QDir().mkpath(folder)) {
        err(QStringLiteral("plan batch: не удается создать папку %1").arg(folder));
        return 2;
    }
    folder = QDir(folder).absolutePath();
    if (formats.isEmpty()) formats << QStringLiteral("pdf");

    std::vector<shell::BatchEntry> entries;
    const QString error = shell::parseBatch(QString::fromUtf8(f.readAll()), folder, formats, &entries);
    if (!error.isEmpty()) {
        err(QStringLiteral("plan batch: %1: %2").arg(file, error));
        err(QStringLiteral("Ни один отчет пакета не построен: исправьте строку и запустите пакет снова."));
        return 2;
    }
    for (shell::BatchEntry& e : entries) e.request.user = ctx.user;
    const std::vector<shell::BatchOutcome> outcomes = shell::runBatch(entries, [](const QString& line) { err(line); });
    bool failed = false;
    for (const shell::BatchOutcome& o : outcomes) {
        if (o.status != 0) failed = true;
        else for (const QString& w : o.entry->outputs) out(w);
    }
    err(shell::batchSummary(outcomes, folder));
    return failed ? 1 : 0;
}

} // namespace plan
