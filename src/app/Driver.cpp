#include "app/Driver.h"

#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/DbError.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"

#include <cstdio>
#include <exception>

namespace plan {

void out(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void err(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

namespace {
const char* const kUsage =
    "вызов: plan [--db БАЗА] [--db-user ПОЛЬЗОВАТЕЛЬ] [--db-password ПАРОЛЬ] [--home ПАПКА] [--user ИМЯ]\n"
    "            [--today ГГГГ-ММ-ДД] [--now ГГГГ-ММ-ДДTЧЧ:ММ:ССZ] КОМАНДА\n"
    "  пользователь и пароль базы: --db-user и --db-password, иначе ISC_USER и ISC_PASSWORD\n"
    "  (файлу базы без сервера они не нужны)\n"
    "команды:\n"
    "  demo-db ПУТЬ [--aircraft N] [--years ЛЕТ] [--seed S]  создать демонстрационную базу данных\n"
    "  info [--db БАЗА]                                 число строк каждой таблицы\n"
    "  windows                                          окна планирования\n"
    "  items ОКНО                                       пункты панели окна, как их включает reports.ini\n"
    "  run ОКНО ПУНКТ [параметры]                       построить отчет кадра без экрана (plan help run)\n"
    "  batch ФАЙЛ [--dir ПАПКА] [--format pdf,xlsx,csv] построить список отчетов в одну папку (plan help batch)\n"
    "  nalet ВИД НОМЕР С ПО [--pdf ФАЙЛ]                наработка одного компонента по месяцам (plan help nalet)\n"
    "  tune-reports --type ТИП --document ДОКУМЕНТ (--list | --add НАЗВАНИЕ... | --delete СТРОКА... | --move ОТКУДА КУДА | --repair) [--save]\n"
    "                                                   список агрегатов документа заявки\n"
    "  tune-sheets --document ДОКУМЕНТ (--list | --add НАЗВАНИЕ... | --delete СТРОКА... | --move ОТКУДА КУДА) [--save]\n"
    "                                                   список настраиваемой справки\n"
    "  check                                            записи парка, которым отчеты не могут доверять\n"
    "  help [КОМАНДА]                                   эта справка, или справка по команде";

const char* const kRunUsage =
    "вызов: plan run ОКНО ПУНКТ [--set ИМЯ=ЗНАЧЕНИЕ] [--tick ТЕКСТ] [--untick ТЕКСТ] [--select ТЕКСТ] [--press ИМЯ]\n"
    "                [--pdf ФАЙЛ] [--xlsx ФАЙЛ] [--csv ФАЙЛ] [--png-dir ПАПКА] [--staging ФАЙЛ.csv] [--staging-dir ПАПКА]\n"
    "                [--template-dir ПАПКА] [--strict]\n"
    "  ОКНО             ключ окна (plan windows)\n"
    "  ПУНКТ            заголовок пункта панели или #N — N-й пункт (plan items ОКНО)\n"
    "  --set ИМЯ=ЗНАЧЕНИЕ  заполнить элемент кадра: список — текстом пункта или #индексом (с 0), поле — текстом,\n"
    "                   флажок — 0 или 1, дату — дд.мм.гггг, переключатель — 1\n"
    "  --tick ТЕКСТ     отметить строку списка ВС (строка типа отмечает всю группу)\n"
    "  --untick ТЕКСТ   снять отметку строки (списки плана отвода на ТО отмечены все сразу)\n"
    "  --select ТЕКСТ   сделать строку текущей\n"
    "  --press ИМЯ      нажать эту кнопку вместо cmdReport\n"
    "  --pdf ФАЙЛ       отчет в PDF\n"
    "  --xlsx ФАЙЛ      таблицы отчета, как они напечатаны, в Excel (лист на документ)\n"
    "  --csv ФАЙЛ       таблицы отчета, как они напечатаны, в CSV\n"
    "  --png-dir ПАПКА  страницы отчета page-001.png, ...\n"
    "  --staging ФАЙЛ.csv  основная промежуточная таблица отчета (ее читает шаблон)\n"
    "  --staging-dir ПАПКА  каждая промежуточная таблица, которую заполнил отчет: ПАПКА/<ТАБЛИЦА>.csv\n"
    "  --template-dir ПАПКА  копия шаблона, по которому построен отчет\n"
    "  --strict         код возврата 3, если отчет встретил данные, требующие проверки";

const char* const kBatchUsage =
    "вызов: plan batch ФАЙЛ [--dir ПАПКА] [--format pdf[,xlsx,csv]]\n"
    "  ФАЙЛ     по отчету в строке: ОКНО ПУНКТ [параметры plan run] ИМЯ\n"
    "           слова с пробелами — в двойных кавычках; пустые строки и строки с # в начале пропускаются\n"
    "  ИМЯ      имя файла отчета в папке; с расширением .pdf, .xlsx или .csv — этот файл,\n"
    "           без расширения — по файлу каждого формата --format (по умолчанию PDF)\n"
    "  --dir    папка отчетов (по умолчанию — папка с именем файла пакета рядом с ним)\n"
    "  по строке на отчет в stderr, итог в конце; код 1, если хоть один отчет не построен\n"
    "  (остальные при этом записаны, а файлы неудавшегося удалены)";

const char* const kNaletUsage =
    "вызов: plan nalet ВИД НОМЕР дд.мм.гггг дд.мм.гггг [--pdf ФАЙЛ] [--png-dir ПАПКА] [--staging ФАЙЛ.csv]\n"
    "  ВИД    planer (НОМЕР — бортовой номер ВС), dvigatel, reductor, lopast, vsu, vsu_ta14 (НОМЕР — заводской номер)\n"
    "  период с первой даты по вторую включительно";
} // namespace

QString commandUsage(const QString& command)
{
    if (command == QLatin1String("run")) return QString::fromUtf8(kRunUsage);
    if (command == QLatin1String("nalet")) return QString::fromUtf8(kNaletUsage);
    if (command == QLatin1String("batch")) return QString::fromUtf8(kBatchUsage);
    return QString::fromUtf8(kUsage);
}

bool optionValue(const QStringList& args, int* i, QString* value)
{
    if (*i + 1 >= args.size()) { err(QStringLiteral("после %1 укажите значение").arg(args[*i])); return false; }
    *value = args[++*i];
    return true;
}

int runDriver(const QStringList& argsIn)
{
    DriverContext ctx;
    ctx.db = qEnvironmentVariable("PLAN_DB");
    ctx.user = qEnvironmentVariable("PLAN_USER", QStringLiteral("planner"));
    const QString clockError = Clock::initFromEnvironment();
    if (!clockError.isEmpty()) { err(clockError); return 2; }

    QStringList rest;
    QString dbUser, dbPassword;
    // Global options may stand anywhere; commands see the rest in order.
    for (int i = 0; i < argsIn.size(); ++i) {
        const QString a = argsIn[i];
        auto value = [&](QString* outValue) { return optionValue(argsIn, &i, outValue); };
        QString v;
        if (a == QLatin1String("--db")) { if (!value(&ctx.db)) return 2; }
        else if (a == QLatin1String("--db-user")) { if (!value(&dbUser)) return 2; }
        else if (a == QLatin1String("--db-password")) { if (!value(&dbPassword)) return 2; }
        else if (a == QLatin1String("--user")) { if (!value(&ctx.user)) return 2; }
        else if (a == QLatin1String("--home")) { if (!value(&v)) return 2; Paths::setHome(v); }
        else if (a == QLatin1String("--today")) {
            if (!value(&v)) return 2;
            QDate d;
            if (!Clock::parseToday(v, &d)) { err(QStringLiteral("--today «%1» — не дата вида ГГГГ-ММ-ДД (например 2026-12-05)").arg(v)); return 2; }
            Clock::setToday(d);
        } else if (a == QLatin1String("--now")) {
            if (!value(&v)) return 2;
            QDateTime t;
            if (!Clock::parseNow(v, &t)) { err(QStringLiteral("--now «%1» — не момент вида ГГГГ-ММ-ДДTЧЧ:ММ:ССZ (например 2026-12-05T09:30:00Z)").arg(v)); return 2; }
            Clock::setNow(t);
        } else rest << a;
    }
    if (rest.isEmpty()) { err(commandUsage(QString())); return 2; }
    // Help asked for is an answer, not an error: on stdout, status 0.
    if (rest.first() == QLatin1String("help") || rest.first() == QLatin1String("--help") ||
        rest.first() == QLatin1String("-h")) {
        out(commandUsage(rest.value(1)));
        return 0;
    }
    if (rest.size() > 1 && (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h")))) {
        out(commandUsage(rest.first()));
        return 0;
    }
    if (!ctx.db.isEmpty()) Connection::setDefaultTarget(ctx.db);
    Connection::setDefaultCredentials(dbUser, dbPassword);
    MessageService::setHeadless(true);

    const QString cmd = rest.takeFirst();
    try {
        if (cmd == QLatin1String("demo-db")) return cmdDemoDb(ctx, rest);
        if (cmd == QLatin1String("info")) return cmdInfo(ctx, rest);
        if (cmd == QLatin1String("windows")) return cmdWindows(ctx, rest);
        if (cmd == QLatin1String("items")) return cmdItems(ctx, rest);
        if (cmd == QLatin1String("run")) return cmdRun(ctx, rest);
        if (cmd == QLatin1String("batch")) return cmdBatch(ctx, rest);
        if (cmd == QLatin1String("nalet")) return cmdNalet(ctx, rest);
        if (cmd == QLatin1String("tune-reports")) return cmdTuneReports(ctx, rest);
        if (cmd == QLatin1String("tune-sheets")) return cmdTuneSheets(ctx, rest);
        if (cmd == QLatin1String("check")) return cmdCheck(ctx, rest);
    } catch (const DbError& e) {
        err(e.message());
        return 1;
    } catch (const std::exception& e) {
        err(QString::fromUtf8(e.what()));
        return 1;
    }
    err(QStringLiteral("неизвестная команда «%1»").arg(cmd));
    err(commandUsage(QString()));
    return 2;
}

} // namespace plan
