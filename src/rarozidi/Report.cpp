#include "rarozidi/Report.h"

#include "rarozidi/Func.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/ReportCycle.h"
#include "platform/SqlQuote.h"

#include <QLocale>
#include <algorithm>

namespace rarozidi {

const char* const kReportWindowKey = "rarozidi";

QDate parseReportDate(const QString& text, const QString& what)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        throw plan::ConversionError(QStringLiteral("\"%1\" is not a valid date dd.mm.yyyy (%2)").arg(text, what));
    return d;
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
    bool found = false;
    QString type;
    QString board;
    QString name;
};

Component findComponent(plan::Connection& c, const QString& table, const QString& serialColumn,
                        const QString& serial, const QString& nameColumn, const QString& placeColumn)
{
    plan::Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select * From ") + table + QStringLiteral(" Where ") + serialColumn +
                      QStringLiteral("='") + plan::sqlQuotesDoubled(serial) + QStringLiteral("' Order By ID;"));
    ds.open();
    Component comp;
    if (ds.isEmpty()) return comp;
    comp.found = true;
    comp.type = ds.str(QStringLiteral("TIP_VS")).trimmed();
    comp.board = ds.str(placeColumn).trimmed();
    comp.name = ds.fieldIndex(nameColumn) >= 0 ? ds.str(nameColumn).trimmed() : QString();
    return comp;
}

std::vector<QVariantList> componentRows(plan::Connection& c, const QString& caption, const QString& table,
                                        const QString& serialColumn, const QString& nameColumn,
                                        const QString& placeColumn, const QString& serial, const QString& fromText,
                                        const QString& toText, GroundKind kind, NaletMeasure measure)
{
    const QDate from = parseReportDate(fromText, QStringLiteral("начало периода"));
    const QDate to = parseReportDate(toText, QStringLiteral("конец периода"));
    const Component comp = findComponent(c, table, serialColumn, serial, nameColumn, placeColumn);
    QString title = caption + QLatin1Char(' ') + (comp.name.isEmpty() ? QString() : comp.name + QLatin1Char(' ')) +
                    QStringLiteral("№ ") + serial;
    if (!comp.found) return naletRows(title + QStringLiteral(" не найден"), {}, from, to, {}, measure);
    const bool onAircraft = !comp.board.isEmpty() && !isStoreWord(comp.board);
    title += onAircraft ? QStringLiteral(" на ВС ") + comp.type + QLatin1Char(' ') + comp.board
                        : QStringLiteral(" (") + comp.board + QStringLiteral(")");
    title += periodText(from, to);
    if (!onAircraft) return naletRows(title, {}, from, to, {}, measure);
    const GroundRule rule = readGroundRule(c, comp.type, kind);
    return naletRows(title, readFlights(c, comp.board, from, to), from, to, rule, measure);
}

void show(plan::ReportHost& host, plan::Dataset& reportDs, const QString& table, const QString& code,
          const std::vector<QVariantList>& rows)
{
    plan::runSingleReport(
        host, reportDs, QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY ID Desc;"), code,
        [&rows](plan::StagingWriter& w) {
            for (auto it = rows.rbegin(); it != rows.rend(); ++it) w.addRow(*it);
        },
        [](const QString&, const QString& c) { return FunGetReport(QString::fromLatin1(kReportWindowKey), c); });
}
} // namespace

std::vector<QVariantList> naletRowsPlaner(plan::Connection& c, const QString& board, const QString& fromText,
                                          const QString& toText)
{
    const QDate from = parseReportDate(fromText, QStringLiteral("начало периода"));
    const QDate to = parseReportDate(toText, QStringLiteral("конец периода"));
    const QString type = plan::queryScalar(
        &c, QStringLiteral("Select TIP_VS From REESTR Where BORTOVOI_NOMER='") + plan::sqlQuotesDoubled(board) + QStringLiteral("' Order By ID;"));
    const QString title = QStringLiteral("Наработка планера ВС ") + type + QLatin1Char(' ') + board + periodText(from, to);
    const GroundRule rule = readGroundRule(c, type, GroundKind::Planer);
    return naletRows(title, readFlights(c, board, from, to), from, to, rule, NaletMeasure::Flying);
}

std::vector<QVariantList> naletRowsDvigatel(plan::Connection& c, const QString& serial, const QString& from,
                                            const QString& to)
{
    return componentRows(c, QStringLiteral("Наработка двигателя"), QStringLiteral("DVIGATEL"),
                         QStringLiteral("ZAVODSKOI_NOMER"), QStringLiteral("NAZVANIE_DVIGATELYA"),
                         QStringLiteral("GDE_STOIT"), serial, from, to, GroundKind::Dvigatel, NaletMeasure::Flying);
}

std::vector<QVariantList> naletRowsReductor(plan::Connection& c, const QString& serial, const QString& from,
                                            const QString& to)
{
    return componentRows(c, QStringLiteral("Наработка редуктора"), QStringLiteral("REDUCTOR"),
                         QStringLiteral("ZAVODSKOI_NOMER"), QStringLiteral("NAZVANIE_REDUCTORA"),
                         QStringLiteral("GDE_STOIT"), serial, from, to, GroundKind::Reductor, NaletMeasure::Flying);
}

std::vector<QVariantList> naletRowsLopast(plan::Connection& c, const QString& serial, const QString& from,
                                          const QString& to)
{
    return componentRows(c, QStringLiteral("Наработка лопасти"), QStringLiteral("LOPAST"),
                         QStringLiteral("ZAVODSKOY_NOMER"), QStringLiteral("NAZVANIE"), QStringLiteral("GDE_STOIT"),
                         serial, from, to, GroundKind::Lopasty, NaletMeasure::Flying);
}

std::vector<QVariantList> naletRowsVSU(plan::Connection& c, const QString& serial, const QString& from,
                                       const QString& to, NaletMeasure measure)
{
    return componentRows(c, QStringLiteral("Наработка ВСУ"), QStringLiteral("VSU"), QStringLiteral("ZAVODSKOY_NOMER"),
                         QStringLiteral("NAZVANIE"), QStringLiteral("MESTO_USTANOVKI"), serial, from, to,
                         GroundKind::Agregaty, measure);
}

void FunNaletReportPlaner(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& board,
                          const QString& from, const QString& to)
{
    show(host, reportDs, QStringLiteral("REPORT_NARABOTKA_PLANER"), QStringLiteral("rep01"),
         naletRowsPlaner(c, board, from, to));
}

void FunNaletReportDvigatel(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to)
{
    show(host, reportDs, QStringLiteral("REPORT_NARABOTKA_DVIGATEL"), QStringLiteral("rep02"),
         naletRowsDvigatel(c, serial, from, to));
}

void FunNaletReportReductor(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to)
{
    show(host, reportDs, QStringLiteral("REPORT_NARABOTKA_REDUCTOR"), QStringLiteral("rep03"),
         naletRowsReductor(c, serial, from, to));
}

void FunNaletReportLopast(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& serial,
                          const QString& from, const QString& to)
{
    show(host, reportDs, QStringLiteral("REPORT_NARABOTKA_PLANER"), QStringLiteral("rep04"),
         naletRowsLopast(c, serial, from, to));
}

void FunNaletReportVSU(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& serial,
                       const QString& from, const QString& to)
{
    show(host, reportDs, QStringLiteral("REPORT_NARABOTKA_VSU"), QStringLiteral("rep05"),
         naletRowsVSU(c, serial, from, to, NaletMeasure::Apu));
}

void FunNaletReportVSU_TA14(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to)
{
    show(host, reportDs, QStringLiteral("REPORT_NARABOTKA_VSU"), QStringLiteral("rep06"),
         naletRowsVSU(c, serial, from, to, NaletMeasure::ApuTa14));
}

} // namespace rarozidi
