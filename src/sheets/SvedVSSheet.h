#pragma once
// The aircraft information sheet ("Сведения о ВС") without widgets: from the
// chosen aircraft and the sheet's options to the rows of
// REPORT_PRODLENIE_OSN_AGREGATY.
//
// Reads:    SPRAVKA (the flights of the previous calendar month),
//           TIPOVYE_DANNYE_VS (the airframe's ground-running share), the
//           aircraft's REESTR row, its DVIGATEL, REDUCTOR, VSU,
//           VOZDUSHNY_VINT, LOPAST, VTULKA_NV, HVOSTOVOY_VINT, LEBEDKA,
//           AGREGAT, ZCU and SHLANG rows with their reference lists
//           (ETA_VTULKA_NV, ETAAGREGAT, ETA_ZCU, ETASHLANG), and for the tuned
//           sheet the TUNE_DOCS rows of its list (SvedVSOptions::tuneName:
//           "Сведения о ВС", or the list of the sheet for VU z Uz).
// Computes: the previous month's flying, the sheet title, and per item its
//           repairs, running times (continuously counted ones through the
//           calculation library), limits and remainders.
// Writes:   nothing itself; the frame writes the rows (positions 1 to 12 of
//           the table, see SvedVS below).
#include "frames/AircraftGrid.h"
#include "frames/BoardSets.h"
#include "platform/Dataset.h"
#include "platform/ReportCycle.h"
#include "rarozidi/Flying.h"

#include <QDate>
#include <QString>
#include <memory>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::sheets {

// Positions of REPORT_PRODLENIE_OSN_AGREGATY the sheet writes.
namespace SvedVS {
constexpr int NomerPP = 1;      // running row number, integer from 1
constexpr int RowName = 2;      // "ВС", "Первый двигатель", ...
constexpr int Model = 3;        // model or designation
constexpr int Serial = 4;       // serial number
constexpr int Made = 5;         // date of manufacture, dd.mm.yy
constexpr int Repairs = 6;      // number of repairs or "-"
constexpr int RepairDate = 7;   // date of the last repair or "-"
constexpr int RepairPlace = 8;  // plant of the last repair or "-"
constexpr int SinceNew = 9;     // running time since new, whole hours
constexpr int SinceRepair = 10; // running time since the last repair, whole hours, or "-"
constexpr int Limits = 11;      // "limit 1 / limit 2!remainder 1 / remainder 2"
constexpr int Title = 12;       // the sheet title, "!" before its second line
} // namespace SvedVS

// The staging table's query and the name of the tuned sheet.
inline const char* const kSvedVSQuery = "SELECT * From REPORT_PRODLENIE_OSN_AGREGATY ORDER BY NOMER_PP;";
inline const char* const kSvedVSTuneName = "Сведения о ВС";

struct SvedVSOptions {
    frames::AircraftRef aircraft;
    bool tuned = false; // chkTune: the sections of TUNE_DOCS
    bool a4 = false;    // rbtA4: "rep01", else (rbtA5) "rep11"
    // The TUNE_DOCS name whose lines make the tuned sheet.
    QString tuneName = QString::fromUtf8(kSvedVSTuneName);
    bool mainOnly = false; // the standard sheet without its units (AGREGAT): the main components only
};

// The template of the sheet size.
QString svedVSTemplate(const SvedVSOptions& o);

// The calendar month before the one of `today` (December of the year before in January).
struct MonthSpan {
    QDate first, last;
};
MonthSpan previousMonth(const QDate& today);
// Whole minutes as hours, ":" and two digits of minutes (125 -> "2:05", 0 -> "0:00").
QString flyingText(long long minutes);
// A remainder "H:MM" as the sheet shows it: whole hours, "0" for anything
// below 1 when clamped; "-" when there is none.
QString remainderShown(const QString& runningTime, bool clamp = true);

// The sheet of one aircraft: its title (the same as position 12 of each
// row, also for a sheet that has no row) and its rows.
struct SvedVSSheet {
    QString title;
    QString operatorCode; // EXPLUATANT of the aircraft, for the heading and signatures
    std::vector<StagingRow> rows;
    // The section key of each row ("Plane", "Dvigatel", ... "Shlang"), in step with rows.
    std::vector<QString> sections;
    QString monthFlying; // the previous month's flying, "H:MM"
    MonthSpan month;     // that month
    QDate lastFlight;    // position 25 of the register row; invalid when not set
};

// Sheets made one after another without a pause between them (every
// aircraft picked in turn in one go): while the batch lives, the per-type
// data, reference lists, tuning list and operator data are read once
// (nothing writes them between the sheets of a batch), and from the
// BoardSets::wanted()-th sheet on the aircraft's own tables are read whole
// once and each sheet takes its aircraft's rows from that read, in the
// order its own queries give. The rows of each sheet are those of its own
// queries. The batch reads in one transaction.
class SvedVSBatch {
public:
    explicit SvedVSBatch(Connection* c);
    SvedVSBatch(const SvedVSBatch&) = delete;
    SvedVSBatch& operator=(const SvedVSBatch&) = delete;
    // Counts a sheet of the batch; the reads of the aircraft tables for it
    // (whole tables once the batch is long enough, else none: its own queries).
    frames::BoardSets* nextSheet();
    int sheets() const { return m_sheets; }
    // Whole tables read so far (for tests).
    int setReads() const { return m_sets ? m_sets->setReads() : 0; }

private:
    Connection* m_c;
    // The reads of every sheet of the batch in one transaction (a snapshot,
    // as the memo and the sets are): a transaction per sheet cost the engine
    // two synchronous writes each.
    ReadTransaction m_reads;
    QueryMemo m_memo;
    rarozidi::FlightCache m_flights;
    std::unique_ptr<frames::BoardSets> m_sets;
    int m_sheets = 0;
};

// Builds the sheet as of `today`. An aircraft missing from the register, and
// a running time that is not "H:MM", raise plan::DbError with a message in
// Russian naming the aircraft, the component, the column and the value.
// `batch`: the sheet is one of a batch (see SvedVSBatch).
SvedVSSheet buildSvedVS(Connection* c, const SvedVSOptions& o, const QDate& today, SvedVSBatch* batch = nullptr);

} // namespace plan::sheets
