#pragma once
// Flight-hour reports of single components: the counted flying of one
// component between two dates, month by month, with the running totals and
// a total row. Each report writes its rows into a REPORT_NARABOTKA_...
// staging table and shows it through the report cycle with a template of
// this library's own window key "rarozidi".
//
// Staging rows (columns by position, all text; column 0 is the key): first
// a title row, "!" + title in column 1 and the rest empty; then per month
// and for the total:
//   1 title   2 period (month "январь 2024", or "Итого" on the total row)
//   3 hours in the month "H:MM"      4 count in the month (landings / APU starts)
//   5 hours from the first day "H:MM" 6 count from the first day
//   7 second hours in the month (APU: generator or summed hours; else "")
//   8 second count in the month (APU: bleed extractions; else "")
// The staging tables are opened with "SELECT * FROM <table> ORDER BY ID
// Desc;", so rows are written last first: the template lists the months in
// calendar order and the total row last.
#include "platform/TemplateRenderer.h"
#include "rarozidi/Flying.h"

#include <QDate>
#include <QString>
#include <QVariantList>
#include <functional>
#include <vector>

namespace plan {
class Connection;
class Dataset;
class ReportHost;
class StagingWriter;
} // namespace plan

namespace rarozidi {

enum class NaletMeasure {
    Flying, // counted airborne + ground minutes, landings
    Apu,    // APU total hours, starts, generator hours, bleeds
    ApuTa14 // APU total hours, starts, summed hours (total + generator), bleeds
};

// The window key of the library's own templates.
extern const char* const kReportWindowKey;

// Rows in display order (the title row, months from the month of `from` to the month of
// `to`, empty months included, then the total row); only flight entries
// dated from..to count.
std::vector<QVariantList> naletRows(const QString& title, const std::vector<FlightEntry>& flights, const QDate& from,
                                    const QDate& to, const GroundRule& rule, NaletMeasure measure);

// A date typed "dd.mm.yyyy"; plan::ConversionError naming the text otherwise.
QDate parseReportDate(const QString& text, const QString& what);

// A movement of a component in the movement log (DVIGENIE_V_EKSPLUATACII).
struct Movement {
    QDate date;
    QString from;
    QString to;
};
// A spell of a component on one aircraft, both days included.
struct InstallSpell {
    QString board;
    QDate from;
    QDate to;
};
// The spells within [from, to] on which a component's flying is counted:
// from each movement off an aircraft back to the movement that put it there
// (to the start of the period when the log does not say), and on the
// aircraft it is on now (boardNow, "" when in a store) from its installation
// date (else from the last movement onto it, else from the start of the
// period). On the day of a movement the flights are the new place's.
std::vector<InstallSpell> installationSpells(const std::vector<Movement>& moves, const QString& boardNow,
                                             const QDate& installedNow, const QDate& from, const QDate& to,
                                             const std::function<bool(const QString&)>& isBoard);

// The rows of each report, read from the database (what the show routines
// write), and, when `values` is given, the heading of the report (title,
// operator of the aircraft, period, the spells counted, signatures). The
// component is found by its serial number; its flying is that of the
// aircraft it stood on, spell by spell (installationSpells: the aircraft it
// is on now, GDE_STOIT or MESTO_USTANOVKI for the APU, from DATA_USTANOVKI;
// earlier aircraft from the movement log). An unknown board or serial
// number, a date that is not one, or a start after the end raises
// plan::ConversionError saying so.
//   Planer    board number; REESTR type; airframe rule (UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER)
//   Dvigatel  DVIGATEL.ZAVODSKOI_NOMER; rule DVIGATEL
//   Reductor  REDUCTOR.ZAVODSKOI_NOMER; rule REDUCTOR
//   Lopast    LOPAST.ZAVODSKOY_NOMER; rule LOPASTY
//   VSU       VSU.ZAVODSKOY_NOMER; APU counters of the flight entries
std::vector<QVariantList> naletRowsPlaner(plan::Connection& c, const QString& board, const QString& from, const QString& to,
                                           plan::ReportValues* values = nullptr);
std::vector<QVariantList> naletRowsDvigatel(plan::Connection& c, const QString& serial, const QString& from, const QString& to,
                                           plan::ReportValues* values = nullptr);
std::vector<QVariantList> naletRowsReductor(plan::Connection& c, const QString& serial, const QString& from, const QString& to,
                                           plan::ReportValues* values = nullptr);
std::vector<QVariantList> naletRowsLopast(plan::Connection& c, const QString& serial, const QString& from, const QString& to,
                                           plan::ReportValues* values = nullptr);
std::vector<QVariantList> naletRowsVSU(plan::Connection& c, const QString& serial, const QString& from, const QString& to,
                                       NaletMeasure measure = NaletMeasure::Apu, plan::ReportValues* values = nullptr);

// The staging tables of the reports and the query that opens them
// ("SELECT * FROM <table> ORDER BY ID Desc;").
extern const char* const kNaletPlanerTable;
extern const char* const kNaletDvigatelTable;
extern const char* const kNaletReductorTable;
extern const char* const kNaletVSUTable;
QString naletQuery(const QString& table);
// Writes the rows of one report (display order) last first, so that the
// table's query lists them in display order.
void writeNaletRows(plan::StagingWriter& w, const std::vector<QVariantList>& rows);
// The APU model whose hours are counted as total and summed hours (the
// VSU_TA14 report).
bool isTa14Model(const QString& model);

// Show the reports in the host's preview: rows into the staging table
// through the report dataset, template rarozidi/<code>:
//   Planer   REPORT_NARABOTKA_PLANER    rep01
//   Dvigatel REPORT_NARABOTKA_DVIGATEL  rep02
//   Reductor REPORT_NARABOTKA_REDUCTOR  rep03
//   Lopast   REPORT_NARABOTKA_PLANER    rep04
//   VSU      REPORT_NARABOTKA_VSU       rep05
//   VSU_TA14 REPORT_NARABOTKA_VSU       rep06
void FunNaletReportPlaner(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& board,
                          const QString& from, const QString& to);
void FunNaletReportDvigatel(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to);
void FunNaletReportReductor(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to);
void FunNaletReportLopast(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& serial,
                          const QString& from, const QString& to);
void FunNaletReportVSU(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs, const QString& serial,
                       const QString& from, const QString& to);
void FunNaletReportVSU_TA14(plan::Connection& c, plan::ReportHost& host, plan::Dataset& reportDs,
                            const QString& serial, const QString& from, const QString& to);

} // namespace rarozidi
