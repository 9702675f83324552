#include "rarozidi/Report.h"

#include "rarozidi/Func.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/ReportComponent.h"
#include "platform/ReportCycle.h"
#include "platform/SqlQuote.h"

#include <QSet>
#include <memory>

#include <QLocale>
#include <algorithm>

namespace rarozidi {

const char* const kReportWindowKey = "rarozidi";
const char* const kNaletPlanerTable = "REPORT_NARABOTKA_PLANER";
const char* const kNaletDvigatelTable = "REPORT_NARABOTKA_DVIGATEL";
const char* const kNaletReductorTable = "REPORT_NARABOTKA_REDUCTOR";
const char* const kNaletVSUTable = "REPORT_NARABOTKA_VSU";

QString naletQuery(const QString& table) { return QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY ID Desc;"); }

void writeNaletRows(plan::StagingWriter& w, const std::vector<QVariantList>& rows)
{
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) w.addRow(*it);
}

bool isTa14Model(const QString& model) { return model.trimmed() == QStringLiteral("ТА-14-130"); }

QDate parseReportDate(const QString& text, const QString& what)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        throw plan::ConversionError(
            QStringLiteral("«%1» (%2) — не дата: введите дату в виде дд.мм.гггг, например 01.01.2026").arg(text, what));
    return d;
}

std::vector<InstallSpell> installationSpells(const std::vector<Movement>& moves, const QString& boardNow,
                                             const QDate& installedNow, const QDate& from, const QDate& to,
                                             const std::function<bool(const QString&)>& isBoard)
{
    std::vector<InstallSpell> spells;
    auto add = [&](const QString& board, QDate first, QDate last) {
        if (!first.isValid() || first < from) first = from;
        if (!last.isValid() || last > to) last = to;
        if (first <= last) spells.push_back({board, first, last});
    };
    QString where;
    QDate since;
    for (const Movement& m : moves) {
        if (!m.date.isValid() || m.date > to) continue;
        // Off an aircraft on the day of the movement: that day's flights are the next place's.
        if (isBoard(m.from)) add(m.from, where == m.from ? since : QDate(), m.date.addDays(-1));
        where = m.to;
        since = m.date;
    }
    if (!boardNow.isEmpty()) {
        QDate first = installedNow;
        if (!first.isValid() && where == boardNow) first = since;
        add(boardNow, first, to);
    }
    return spells;
}

namespace {
struct Sums {
    long long hours = 0;
    long long count = 0;
    long long hours2 = 0;
    long long count2 = 0;
    void add(const FlightEntry& e, const GroundRule& rule, NaletMeasure m)
    {
        switch (m) {
        case NaletMeasure::Flying:
            hours += countedFlightMinutes(e.airborneMinutes, e.groundMinutes, rule);
            count += e.landings;
            break;
        case NaletMeasure::Apu:
        case NaletMeasure::ApuTa14:
            hours += e.apuTotalMinutes;
            count += e.apuStarts;
            hours2 += m == NaletMeasure::Apu ? e.apuGeneratorMinutes : e.apuTotalMinutes + e.apuGeneratorMinutes;
            count2 += e.apuBleeds;
            break;
        }
    }
};

QVariantList row(const QString& title, const QString& period, const Sums& month, const Sums& total, NaletMeasure m)
{
    const bool apu = m != NaletMeasure::Flying;
    return {title,
            period,
            formatRunningTime(month.hours),
            QString::number(month.count),
            formatRunningTime(total.hours),
            QString::number(total.count),
            apu ? formatRunningTime(month.hours2) : QString(),
            apu ? QString::number(month.count2) : QString()};
}
} // namespace

std::vector<QVariantList> naletRows(const QString& title, const std::vector<FlightEntry>& flights, const QDate& from,
                                    const QDate& to, const GroundRule& rule, NaletMeasure measure)
{
    std::vector<QVariantList> out;
    // The title row the template shows as the heading.
    out.push_back({QStringLiteral("!") + title, QString(), QString(), QString(), QString(), QString(), QString(), QString()});
    Sums total;
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    if (from.isValid() && to.isValid() && from <= to) {
        for (QDate m(from.year(), from.month(), 1); m <= to; m = m.addMonths(1)) {
            const QDate first = std::max(m, from);
            const QDate last = std::min(m.addMonths(1).addDays(-1), to);
            Sums month;
            for (const FlightEntry& e : flights)
                if (e.date >= first && e.date <= last) month.add(e, rule, measure);
            total.hours += month.hours;
            total.count += month.count;
            total.hours2 += month.hours2;
            total.count2 += month.count2;
            out.push_back(row(title, ru.standaloneMonthName(m.month()).toLower() + QLatin1Char(' ') +
                                         QString::number(m.year()),
                              month, total, measure));
        }
    }
    out.push_back(row(title, QStringLiteral("Итого"), total, total, measure));
    return out;
}

namespace {
QString periodText(const QDate& from, const QDate& to)
{
    return QStringLiteral(" с ") + from.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" по ") +
           to.toString(QStringLiteral("dd.MM.yyyy"));
}

struct Component {
    QString type;
    QString board;
    QString name;
    QString operatorCode;
    QDate installed;
};

QString dateText(const QDate& d) { return d.toString(QStringLiteral("dd.MM.yyyy")); }

// The period of a report; a start after the end is refused.
std::pair<QDate, QDate> period(const QString& fromText, const QString& toText)
{
    const QDate from = parseReportDate(fromText, QStringLiteral("начало периода"));
    const QDate to = parseReportDate(toText, QStringLiteral("конец периода"));
    if (from > to)
        throw plan::ConversionError(QStringLiteral("Начало периода %1 позже его конца %2: укажите период от ранней "
                                                   "даты к поздней")
                                        .arg(dateText(from), dateText(to)));
    return {from, to};
}

// The register row of a board: its type and operator code; an unknown board is refused.
std::pair<QString, QString> aircraft(plan::Connection& c, const QString& board)
{
    plan::Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select * From REESTR Where BORTOVOI_NOMER='") + plan::sqlQuotesDoubled(board) +
                      QStringLiteral("' Order By ID;"));
    ds.open();
    if (ds.isEmpty())
        throw plan::ConversionError(
            QStringLiteral("ВС с бортовым номером «%1» нет в реестре ВС: проверьте номер").arg(board));
    return {ds.str(QStringLiteral("TIP_VS")).trimmed(),
            ds.fieldIndex(QStringLiteral("EXPLUATANT")) >= 0 ? ds.str(QStringLiteral("EXPLUATANT")).trimmed() : QString()};
}

// The boards of the register, to tell an aircraft from a store in the movement log.
std::function<bool(const QString&)> boardTest(plan::Connection& c)
{
    plan::Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select BORTOVOI_NOMER From REESTR Order By ID;"));
    ds.open();
    auto boards = std::make_shared<QSet<QString>>();
    for (ds.first(); !ds.eof(); ds.next()) boards->insert(ds.str(0).trimmed());
    return [boards](const QString& place) { return boards->contains(place.trimmed()); };
}

// The movements of a serial number in the movement log, by date.
std::vector<Movement> movements(plan::Connection& c, const QString& serial, const QStringList& kinds)
{
    QString sql = QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where ZAVODSKOY_NOMER='") + plan::sqlQuotesDoubled(serial) +
                  QStringLiteral("' And (");
    for (int i = 0; i < kinds.size(); ++i)
        sql += (i ? QStringLiteral(" Or ") : QString()) + QStringLiteral("NAIMENOVANIE='") + plan::sqlQuotesDoubled(kinds[i]) + QLatin1Char('\'');
    sql += QStringLiteral(") Order By DATA_PEREVODA, ID;");
    plan::Dataset ds(&c);
    ds.setCommandText(sql);
    ds.open();
    std::vector<Movement> out;
    for (ds.first(); !ds.eof(); ds.next())
        out.push_back({ds.fieldByName(QStringLiteral("DATA_PEREVODA")).asDate(),
                       ds.str(QStringLiteral("OTKUDA")).trimmed(), ds.str(QStringLiteral("KUDA")).trimmed()});
    return out;
}

std::vector<QVariantList> componentRows(plan::Connection& c, const QString& caption, const QString& what,
                                        const QString& table, const QString& serialColumn, const QString& nameColumn,
                                        const QString& placeColumn, const QStringList& moveKinds, const QString& serial,
                                        const QString& fromText, const QString& toText, GroundKind kind,
                                        NaletMeasure measure, plan::ReportValues* values)
{
    const auto [from, to] = period(fromText, toText);
    plan::Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select * From ") + table + QStringLiteral(" Where ") + serialColumn +
                      QStringLiteral("='") + plan::sqlQuotesDoubled(serial) + QStringLiteral("' Order By ID;"));
    ds.open();
    if (ds.isEmpty())
        throw plan::ConversionError(QStringLiteral("%1 с заводским номером «%2» в таблице %3 нет (столбец %4): проверьте номер")
                                        .arg(what, serial, table, serialColumn));
    Component comp;
    comp.type = ds.str(QStringLiteral("TIP_VS")).trimmed();
    comp.board = ds.str(placeColumn).trimmed();
    comp.name = ds.fieldIndex(nameColumn) >= 0 ? ds.str(nameColumn).trimmed() : QString();
    if (ds.fieldIndex(QStringLiteral("DATA_USTANOVKI")) >= 0)
        comp.installed = ds.fieldByName(QStringLiteral("DATA_USTANOVKI")).asDate();
    const auto isBoard = boardTest(c);
    const bool onAircraft = !comp.board.isEmpty() && !isStoreWord(comp.board) && isBoard(comp.board);
    if (onAircraft) comp.operatorCode = aircraft(c, comp.board).second;

    const QString name = caption + QLatin1Char(' ') + (comp.name.isEmpty() ? QString() : comp.name + QLatin1Char(' ')) +
                         QStringLiteral("№ ") + serial;
    QString title = name + (onAircraft ? QStringLiteral(" на ВС ") + comp.type + QLatin1Char(' ') + comp.board
                                       : QStringLiteral(" (") + comp.board + QStringLiteral(")")) +
                    periodText(from, to);
    const std::vector<InstallSpell> spells =
        installationSpells(movements(c, serial, moveKinds), onAircraft ? comp.board : QString(), comp.installed, from,
                           to, isBoard);
    std::vector<FlightEntry> flights;
    QStringList counted;
    for (const InstallSpell& s : spells) {
        for (const FlightEntry& e : readFlights(c, s.board, s.from, s.to)) flights.push_back(e);
        counted << s.board + QStringLiteral(" с ") + dateText(s.from) + QStringLiteral(" по ") + dateText(s.to);
    }
    std::stable_sort(flights.begin(), flights.end(),
                     [](const FlightEntry& a, const FlightEntry& b) { return a.date < b.date; });
    if (values) {
        *values = FunReportValues(c, comp.operatorCode);
        values->insert(QStringLiteral("report_title"), name);
        QStringList covers{QStringLiteral("Период: с %1 по %2").arg(dateText(from), dateText(to)),
                           onAircraft ? QStringLiteral("Установлен на ВС %1 %2").arg(comp.type, comp.board) +
                                            (comp.installed.isValid() ? QStringLiteral(" с ") + dateText(comp.installed)
                                                                      : QStringLiteral(", дата установки не указана"))
                                      : QStringLiteral("Сейчас не на ВС: %1").arg(comp.board)};
        covers << (counted.isEmpty() ? QStringLiteral("Учтены полеты: нет (в периоде компонент не стоял на ВС)")
                                     : QStringLiteral("Учтены полеты ВС: ") + counted.join(QStringLiteral("; ")));
        values->insert(QStringLiteral("covers"), covers);
        // The head of the APU's second hours column.
        if (measure != NaletMeasure::Flying)
            values->insert(QStringLiteral("second_hours"), measure == NaletMeasure::ApuTa14
                                                               ? QStringLiteral("Суммарная наработка")
                                                               : QStringLiteral("Наработка в генераторном режиме"));
    }
    const GroundRule rule = onAircraft ? readGroundRule(c, comp.type, kind) : GroundRule{};
    return naletRows(title, flights, from, to, rule, measure);
}

// Rows and heading values of one report, worked out before the cycle starts
// so that a refused number or period shows nothing.
using RowsFn = std::function<std::vector<QVariantList>(plan::ReportValues*)>;

void show(plan::ReportHost& host, plan::Dataset& reportDs, const QString& table, const QString& code,
          const RowsFn& make)
{
    plan::ReportValues values;
    const std::vector<QVariantList> rows = make(&values);
    plan::runSingleReport(
        host, reportDs, naletQuery(table), code,
        [&](plan::StagingWriter& w) {
            if (plan::ReportComponent* rc = host.reportComponent()) rc->setValues(values);
            writeNaletRows(w, rows);
        },
        [](const QString&, const QString& c) { return FunGetReport(QString::fromLatin1(kReportWindowKey), c); });
}
} // namespace

std::vector<QVariantList> naletRowsPlaner(plan::Connection& c, const QString& board, const QString& fromText,
                                          const QString& toText, plan::ReportValues* values)
{
    const auto [from, to] = period(fromText, toText);
    const auto [type, operatorCode] = aircraft(c, board);
    const QString name = QStringLiteral("Наработка планера ВС ") + type + QLatin1Char(' ') + board;
    if (values) {
        *values = FunReportValues(c, operatorCode);
        values->insert(QStringLiteral("report_title"), name);
        values->insert(QStringLiteral("covers"),
                       QStringList{QStringLiteral("Период: с %1 по %2").arg(dateText(from), dateText(to))});
    }
    const GroundRule rule = readGroundRule(c, type, GroundKind::Planer);
    return naletRows(name + periodText(from, to), readFlights(c, board, from, to), from, to, rule, NaletMeasure::Flying);
}

std::vector<QVariantList> naletRowsDvigatel(plan::Connection& c, const QString& serial, const QString& from,
                                            const QString& to, plan::ReportValues* values)
{
    return componentRows(c, QStringLiteral("Наработка двигателя"), QStringLiteral("Двигатель"), QStringLiteral("DVIGATEL"),
                         QStringLiteral("ZAVODSKOI_NOMER"), QStringLiteral("NAZVANIE_DVIGATELYA"),
                         QStringLiteral("GDE_STOIT"), {QStringLiteral("Dvigatel")}, serial, from, to,
                         GroundKind::Dvigatel, NaletMeasure::Flying, values);
}

std::vector<QVariantList> naletRowsReductor(plan::Connection& c, const QString& serial, const QString& from,
                                            const QString& to, plan::ReportValues* values)
{
    return componentRows(c, QStringLiteral("Наработка главного редуктора"), QStringLiteral("Главный редуктор"),
                         QStringLiteral("REDUCTOR"), QStringLiteral("ZAVODSKOI_NOMER"),
                         QStringLiteral("NAZVANIE_REDUCTORA"), QStringLiteral("GDE_STOIT"), {QStringLiteral("Reductor")},
                         serial, from, to, GroundKind::Reductor, NaletMeasure::Flying, values);
}

std::vector<QVariantList> naletRowsLopast(plan::Connection& c, const QString& serial, const QString& from,
                                          const QString& to, plan::ReportValues* values)
{
    return componentRows(c, QStringLiteral("Наработка лопасти"), QStringLiteral("Лопасть"), QStringLiteral("LOPAST"),
                         QStringLiteral("ZAVODSKOY_NOMER"), QStringLiteral("NAZVANIE"), QStringLiteral("GDE_STOIT"),
                         {QStringLiteral("LopastNV"), QStringLiteral("HvostovoyVint"), QStringLiteral("VozdushnyVint")},
                         serial, from, to, GroundKind::Lopasty, NaletMeasure::Flying, values);
}

std::vector<QVariantList> naletRowsVSU(plan::Connection& c, const QString& serial, const QString& from,
                                       const QString& to, NaletMeasure measure, plan::ReportValues* values)
{
    return componentRows(c, QStringLiteral("Наработка ВСУ"), QStringLiteral("ВСУ"), QStringLiteral("VSU"),
                         QStringLiteral("ZAVODSKOY_NOMER"), QStringLiteral("NAZVANIE"), QStringLiteral("MESTO_USTANOVKI"),
                         {QStringLiteral("VSU")}, serial, from, to, GroundKind::Agregaty, measure, values);
}

void FunNaletReportPlaner(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& board,
                          const QString& from, const QString& to)
{
    show(host, reportDs, QString::fromLatin1(kNaletPlanerTable), QStringLiteral("rep01"),
         [&](plan::ReportValues* v) { return naletRowsPlaner(c, board, from, to, v); });
}

void FunNaletReportDvigatel(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to)
{
    show(host, reportDs, QString::fromLatin1(kNaletDvigatelTable), QStringLiteral("rep02"),
         [&](plan::ReportValues* v) { return naletRowsDvigatel(c, serial, from, to, v); });
}

void FunNaletReportReductor(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to)
{
    show(host, reportDs, QString::fromLatin1(kNaletReductorTable), QStringLiteral("rep03"),
         [&](plan::ReportValues* v) { return naletRowsReductor(c, serial, from, to, v); });
}

void FunNaletReportLopast(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& serial,
                          const QString& from, const QString& to)
{
    show(host, reportDs, QString::fromLatin1(kNaletPlanerTable), QStringLiteral("rep04"),
         [&](plan::ReportValues* v) { return naletRowsLopast(c, serial, from, to, v); });
}

void FunNaletReportVSU(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& serial,
                       const QString& from, const QString& to)
{
    show(host, reportDs, QString::fromLatin1(kNaletVSUTable), QStringLiteral("rep05"),
         [&](plan::ReportValues* v) { return naletRowsVSU(c, serial, from, to, NaletMeasure::Apu, v); });
}

void FunNaletReportVSU_TA14(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to)
{
    show(host, reportDs, QString::fromLatin1(kNaletVSUTable), QStringLiteral("rep06"),
         [&](plan::ReportValues* v) { return naletRowsVSU(c, serial, from, to, NaletMeasure::ApuTa14, v); });
}

} // namespace rarozidi
